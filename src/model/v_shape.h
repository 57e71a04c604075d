#pragma once

#include "model/units.h"

#include <array>
#include <cstdint>

// One per-side border line of a Figure 3 shape.
struct VBorder {
    bool visible = false;
    ColorRef PenColor = 0;
    int PenWidth = 1;
    uint8_t PenStyle = 0;
    bool operator==(const VBorder &) const = default;
};

// Geometry (twips), frame and fill of an element.
class VShape
{
public:
    enum BorderIndex {
        BorderTop = 0,
        BorderRight = 1,
        BorderBottom = 2,
        BorderLeft = 3,
        BorderRising = 4,
        BorderFalling = 5
    };

    bool Changed() const { return m_changed; }
    void SetChanged(bool on) { m_changed = on; }

    int Figure() const { return m_figure; }
    bool SetFigure(int figure);
    int RectRound() const { return m_rectRound; }
    bool SetRectRound(int pixels);
    ColorRef PenColor() const { return m_penColor; }
    bool SetPenColor(ColorRef c);
    int PenWidth() const { return m_penWidth; }
    bool SetPenWidth(int pixels);
    uint8_t PenStyle() const { return m_penStyle; }
    bool SetPenStyle(int style);
    ColorRef BrushColor() const { return m_brushColor; }
    bool SetBrushColor(ColorRef c);
    uint8_t BrushStyle() const { return m_brushStyle; }
    bool SetBrushStyle(int style);

    const VBorder &BorderLine(int index) const { return m_borders[size_t(index)]; }
    // Copies all four fields; indexes outside 0..5 are ignored.
    void SetBorderLine(int index, const VBorder &line);
    bool HasVisibleBorder() const;

    // Twips. Left/Top are absolute on the page; the relative ones are from the parent.
    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int RelLeft() const { return m_relLeft; }
    int RelTop() const { return m_relTop; }
    void SetLeft(int twips);
    void SetTop(int twips);
    void SetWidth(int twips);
    void SetHeight(int twips);
    void SetRelLeft(int twips);
    void SetRelTop(int twips);

    // Millimetre access: setters store MmToTwips and raise the pending flag of that side.
    double LeftMm() const { return TwipsToMm(m_left); }
    double TopMm() const { return TwipsToMm(m_top); }
    double WidthMm() const { return TwipsToMm(m_width); }
    double HeightMm() const { return TwipsToMm(m_height); }
    void SetLeftMm(double mm);
    void SetTopMm(double mm);
    void SetWidthMm(double mm);
    void SetHeightMm(double mm);
    bool LeftPending() const { return m_leftPending; }
    bool TopPending() const { return m_topPending; }
    bool WidthPending() const { return m_widthPending; }
    bool HeightPending() const { return m_heightPending; }
    void ClearPending() { m_leftPending = m_topPending = m_widthPending = m_heightPending = false; }

    // absolute = origin + relative, and the reverse.
    void SetAbsoluteFromOrigin(int originLeft, int originTop);
    void SetRelativeFromOrigin(int originLeft, int originTop);

    bool operator==(const VShape &) const = default;

private:
    std::array<VBorder, 6> m_borders{};
    bool m_changed = false;
    int m_figure = 0;
    int m_rectRound = 10;
    ColorRef m_penColor = 0;
    int m_penWidth = 1;
    uint8_t m_penStyle = 5;
    ColorRef m_brushColor = kWhite;
    uint8_t m_brushStyle = 1;
    bool m_leftPending = false, m_topPending = false, m_widthPending = false, m_heightPending = false;
    int m_relLeft = 0, m_relTop = 0;
    int m_width = 0, m_height = 0;
    int m_left = 0, m_top = 0;
};
