#include "model/v_shape.h"

bool VShape::SetFigure(int figure)
{
    m_figure = figure;
    m_changed = true;
    return true;
}

bool VShape::SetRectRound(int pixels)
{
    if (pixels < 0) return false;
    m_rectRound = pixels;
    m_changed = true;
    return true;
}

bool VShape::SetPenColor(ColorRef c)
{
    m_penColor = c;
    m_changed = true;
    return true;
}

bool VShape::SetPenWidth(int pixels)
{
    if (pixels < 0) return false;
    m_penWidth = pixels;
    m_changed = true;
    return true;
}

bool VShape::SetPenStyle(int style)
{
    if (style < 0 || style > 255) return false;
    m_penStyle = uint8_t(style);
    m_changed = true;
    return true;
}

bool VShape::SetBrushColor(ColorRef c)
{
    m_brushColor = c;
    m_changed = true;
    return true;
}

bool VShape::SetBrushStyle(int style)
{
    if (style < 0 || style > 255) return false;
    m_brushStyle = uint8_t(style);
    m_changed = true;
    return true;
}

void VShape::SetBorderLine(int index, const VBorder &line)
{
    if (index < 0 || index > 5) return;
    m_borders[size_t(index)] = line;
    m_changed = true;
}

bool VShape::HasVisibleBorder() const
{
    for (const VBorder &b : m_borders)
        if (b.visible) return true;
    return false;
}

void VShape::SetLeft(int twips)
{
    m_left = twips;
    m_changed = true;
}

void VShape::SetTop(int twips)
{
    m_top = twips;
    m_changed = true;
}

void VShape::SetWidth(int twips)
{
    m_width = twips;
    m_changed = true;
}

void VShape::SetHeight(int twips)
{
    m_height = twips;
    m_changed = true;
}

void VShape::SetRelLeft(int twips)
{
    m_relLeft = twips;
    m_changed = true;
}

void VShape::SetRelTop(int twips)
{
    m_relTop = twips;
    m_changed = true;
}

void VShape::SetLeftMm(double mm)
{
    SetLeft(MmToTwips(mm));
    m_leftPending = true;
}

void VShape::SetTopMm(double mm)
{
    SetTop(MmToTwips(mm));
    m_topPending = true;
}

void VShape::SetWidthMm(double mm)
{
    SetWidth(MmToTwips(mm));
    m_widthPending = true;
}

void VShape::SetHeightMm(double mm)
{
    SetHeight(MmToTwips(mm));
    m_heightPending = true;
}

void VShape::SetAbsoluteFromOrigin(int originLeft, int originTop)
{
    m_left = originLeft + m_relLeft;
    m_top = originTop + m_relTop;
}

void VShape::SetRelativeFromOrigin(int originLeft, int originTop)
{
    m_relLeft = m_left - originLeft;
    m_relTop = m_top - originTop;
}
