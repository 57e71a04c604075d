#include "model/zel_font.h"

namespace
{
bool setByte(uint8_t &field, int v, bool &changed)
{
    if (v < 0 || v > 255) return false;
    field = uint8_t(v);
    changed = true;
    return true;
}
} // namespace

bool TZelFont::SetFontWeight(int weight)
{
    if (weight < 0 || weight > 1000) return false;
    m_log.lfWeight = weight;
    m_changed = true;
    return true;
}

bool TZelFont::SetFontItalic(int v)
{
    return setByte(m_log.lfItalic, v, m_changed);
}
bool TZelFont::SetFontUnderline(int v)
{
    return setByte(m_log.lfUnderline, v, m_changed);
}
bool TZelFont::SetFontStrikeOut(int v)
{
    return setByte(m_log.lfStrikeOut, v, m_changed);
}
bool TZelFont::SetFontCharSet(int v)
{
    return setByte(m_log.lfCharSet, v, m_changed);
}

bool TZelFont::SetFontName(const QString &face)
{
    m_log.lfFaceName = face.left(kFaceNameMax);
    m_changed = true;
    return true;
}

bool TZelFont::SetFontColor(ColorRef c)
{
    m_color = c;
    m_changed = true;
    return true;
}

bool TZelFont::SetVertPos(int pos)
{
    if (pos < 0 || pos > 2) return false;
    m_vertPos = pos;
    m_changed = true;
    return true;
}

bool TZelFont::SetHorzPos(int pos)
{
    if (pos < 0 || pos > 2) return false;
    m_horzPos = pos;
    m_changed = true;
    return true;
}

bool TZelFont::SetmmPos(bool on)
{
    m_mmPos = on;
    m_changed = true;
    return true;
}

bool TZelFont::SetLeftPos(double mm)
{
    m_leftPos = TruncTenth(mm);
    m_changed = true;
    return true;
}

bool TZelFont::SetTopPos(double mm)
{
    m_topPos = TruncTenth(mm);
    m_changed = true;
    return true;
}

bool TZelFont::SetVertSpace(double mm)
{
    m_vertSpace = TruncTenth(mm);
    m_changed = true;
    return true;
}

bool TZelFont::SetFontHeight(double mm)
{
    m_height = TruncTenth(mm);
    m_changed = true;
    return true;
}

bool TZelFont::SetFontWidth(double mm)
{
    m_width = TruncTenth(mm);
    m_changed = true;
    return true;
}

bool TZelFont::SetFontOrientation(int degrees)
{
    m_orientation = degrees;
    m_changed = true;
    return true;
}

bool TZelFont::SetOffset(int chars)
{
    if (chars < 0) return false;
    m_offset = chars;
    m_changed = true;
    return true;
}

bool TZelFont::SetTextLength(int chars)
{
    if (chars < -1) return false;
    m_textLength = chars;
    m_changed = true;
    return true;
}

bool TZelFont::SameValues(const TZelFont &other) const
{
    TZelFont a = *this;
    a.m_changed = other.m_changed;
    return a == other;
}
