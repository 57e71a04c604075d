#pragma once

#include "model/units.h"

#include <QString>
#include <cstdint>

// The members of a Windows LOGFONT that the program keeps with every font.
struct LogFont {
    int lfHeight = 10;
    int lfWidth = 6;
    int lfEscapement = 0;
    int lfOrientation = 0;
    int lfWeight = 400;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 1;      // DEFAULT_CHARSET
    uint8_t lfOutPrecision = 4; // OUT_TT_PRECIS
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0x30;                    // FF_MODERN
    QString lfFaceName = QStringLiteral("Courier New"); // at most 31 characters, as the 32-byte field
    bool operator==(const LogFont &) const = default;
};

// Text appearance and text position of an element, a page or a document.
class TZelFont
{
public:
    static constexpr int kFaceNameMax = 31;

    bool Changed() const { return m_changed; }
    void SetChanged(bool on) { m_changed = on; }

    const LogFont &Log() const { return m_log; }

    int FontWeight() const { return m_log.lfWeight; }
    bool SetFontWeight(int weight);
    uint8_t FontItalic() const { return m_log.lfItalic; }
    bool SetFontItalic(int v);
    uint8_t FontUnderline() const { return m_log.lfUnderline; }
    bool SetFontUnderline(int v);
    uint8_t FontStrikeOut() const { return m_log.lfStrikeOut; }
    bool SetFontStrikeOut(int v);
    uint8_t FontCharSet() const { return m_log.lfCharSet; }
    bool SetFontCharSet(int v);
    QString FontName() const { return m_log.lfFaceName; }
    bool SetFontName(const QString &face);

    ColorRef FontColor() const { return m_color; }
    bool SetFontColor(ColorRef c);
    int VertPos() const { return m_vertPos; }
    bool SetVertPos(int pos);
    int HorzPos() const { return m_horzPos; }
    bool SetHorzPos(int pos);
    bool mmPos() const { return m_mmPos; }
    bool SetmmPos(bool on);
    double LeftPos() const { return m_leftPos; }
    bool SetLeftPos(double mm);
    double TopPos() const { return m_topPos; }
    bool SetTopPos(double mm);
    double VertSpace() const { return m_vertSpace; }
    bool SetVertSpace(double mm);
    double FontHeight() const { return m_height; }
    bool SetFontHeight(double mm);
    double FontWidth() const { return m_width; }
    bool SetFontWidth(double mm);
    int FontOrientation() const { return m_orientation; }
    bool SetFontOrientation(int degrees);
    int Offset() const { return m_offset; }
    bool SetOffset(int chars);
    int TextLength() const { return m_textLength; }
    bool SetTextLength(int chars);

    double Reserved() const { return m_reserved; }

    bool operator==(const TZelFont &) const = default;
    // Same appearance and position, whatever the changed marks say.
    bool SameValues(const TZelFont &other) const;

private:
    bool m_changed = false;
    LogFont m_log;
    ColorRef m_color = 0;
    int m_vertPos = 1;
    int m_horzPos = 1;
    bool m_mmPos = false;
    double m_leftPos = 0.0;
    double m_topPos = 0.0;
    double m_vertSpace = 0.0;
    double m_reserved = -1.0;
    double m_height = 3.5;
    double m_width = 2.4;
    int m_orientation = 0;
    int m_offset = 0;
    int m_textLength = -1;
};
