#include "model/v_bar_code.h"

const char *const VBarCode::kCode39Chars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
const char *const VBarCode::kCodabarChars = "0123456789-$:/.+ABCD";

namespace
{
bool allIn(const QString &value, const char *set)
{
    const QLatin1String chars(set);
    for (QChar c : value)
        if (!chars.contains(c)) return false;
    return true;
}

bool allDigits(const QString &value)
{
    for (QChar c : value)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}
} // namespace

int VBarCode::DataLength(int type, bool checkDigitComputed)
{
    const int extra = checkDigitComputed ? 0 : 1;
    switch (type) {
    case Ean8:
        return 7 + extra;
    case Ean13:
        return 12 + extra;
    case UpcA:
        return 11 + extra;
    case UpcE:
        return 7 + extra;
    default:
        return 0;
    }
}

bool VBarCode::SetType(int type)
{
    const bool accepted = (type >= -1 && type <= 7) || type == Itf || type == Code93 || type == Qr;
    m_type = accepted ? type : Invalid;
    m_changed = true;
    return accepted;
}

bool VBarCode::SetValue(const QString &input)
{
    QString value = input;
    bool ok = true;
    switch (m_type) {
    case Ean8:
    case Ean13:
    case UpcA:
    case UpcE:
        value = value.trimmed();
        ok = allDigits(value);
        break;
    case Code39:
    case Code93:
        ok = allIn(value, kCode39Chars);
        break;
    case Code128:
        ok = !value.isEmpty();
        break;
    case Codabar:
        ok = allIn(value, kCodabarChars);
        break;
    case Itf:
        ok = allDigits(value);
        break;
    default:
        break;
    }
    m_changed = true;
    if (!ok) {
        m_type = Invalid;
        m_value = QStringLiteral("ERROR");
        return false;
    }
    if (m_type >= Ean8 && m_type <= UpcE) {
        // A typed check digit is dropped; the encoder computes its own. UPC-E also takes UPC-A numbers.
        const int len = DataLength(m_type, m_checkDigitComputed);
        if (value.size() == len + 1 || (m_type == UpcE && value.size() == len + 5)) value.chop(1);
    }
    m_value = value;
    return true;
}

bool VBarCode::SetValueType(int v)
{
    m_valueType = v;
    m_changed = true;
    return true;
}
bool VBarCode::SetOrientation(int v)
{
    m_orientation = v;
    m_changed = true;
    return true;
}
bool VBarCode::SetColor(ColorRef c)
{
    m_color = c;
    m_changed = true;
    return true;
}
bool VBarCode::SetManualWidth(bool on)
{
    m_manualWidth = on;
    m_changed = true;
    return true;
}
bool VBarCode::SetLineWidth(double twips)
{
    m_lineWidth = twips;
    m_changed = true;
    return true;
}
bool VBarCode::SetManualHeight(bool on)
{
    m_manualHeight = on;
    m_changed = true;
    return true;
}
bool VBarCode::SetMarginTop(double twips)
{
    m_marginTop = twips;
    m_changed = true;
    return true;
}
bool VBarCode::SetMarginBottom(double twips)
{
    m_marginBottom = twips;
    m_changed = true;
    return true;
}
bool VBarCode::SetShowValue(bool on)
{
    m_showValue = on;
    m_changed = true;
    return true;
}
bool VBarCode::SetValuePos(int v)
{
    m_valuePos = v;
    m_changed = true;
    return true;
}
bool VBarCode::SetFontSizeSet(int v)
{
    m_fontSizeSet = v;
    m_changed = true;
    return true;
}
bool VBarCode::SetCheckDigitComputed(bool on)
{
    m_checkDigitComputed = on;
    m_changed = true;
    return true;
}
bool VBarCode::SetCustomSize(bool on)
{
    m_customSize = on;
    m_changed = true;
    return true;
}
bool VBarCode::SetFactor(float f)
{
    // The standard size's factor: what the dialog offers (a file may hold anything).
    if (!(f >= 0.8f - 1e-6f && f <= 2.0f + 1e-6f)) return false;
    m_factor = f;
    m_changed = true;
    return true;
}
