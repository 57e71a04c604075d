#include "render/barcode_calc.h"

#include "model/v_bar_code.h"
#include "render/barcode_tables.h"

namespace BT = BarcodeTables;

namespace
{

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool allDigits(const QString &s)
{
    for (QChar c : s)
        if (!isDigit(c)) return false;
    return true;
}

int digitAt(const QString &s, int i)
{
    return s[i].unicode() - '0';
}

QChar digitChar(int d)
{
    return QChar('0' + d);
}

int code39Index(QChar c)
{
    return int(QLatin1String(VBarCode::kCode39Chars).indexOf(c));
}

// Code 93 values: the Code 39 set, then four characters standing for the shift characters.
int code93Value(QChar c)
{
    const int i = code39Index(c);
    if (i >= 0) return i;
    const int shift = int(QLatin1String("!#&@").indexOf(c));
    return shift >= 0 ? 43 + shift : -1;
}

// Weighted modulo-47 check value of Code 93; weights count from the rightmost value.
int code93Check(const QList<int> &values, int maxWeight)
{
    int sum = 0;
    int weight = 1;
    for (qsizetype i = values.size() - 1; i >= 0; --i) {
        sum += values[i] * weight;
        weight = weight == maxWeight ? 1 : weight + 1;
    }
    return sum % 47;
}

QList<int> code93Values(const QString &value)
{
    QList<int> values;
    for (QChar c : value) {
        const int v = code93Value(c);
        if (v >= 0) values << v;
    }
    return values;
}

QString lengthError(int n)
{
    return QStringLiteral("Data Length error must be %1").arg(n);
}

const QString kUpcEComputedError = QStringLiteral("Data Length error must be 7 or 11 in UPC-A format");

} // namespace

VBarCodeCalc &VBarCodeCalc::Shared()
{
    thread_local VBarCodeCalc calc; // exports draw on several threads
    return calc;
}

int VBarCodeCalc::Mod10(const QString &digits)
{
    if (!allDigits(digits)) return -1;
    int sum = 0;
    bool three = true;
    for (qsizetype i = digits.size() - 1; i >= 0; --i, three = !three)
        sum += digitAt(digits, int(i)) * (three ? 3 : 1);
    return (10 - sum % 10) % 10;
}

QString VBarCodeCalc::UpcEToUpcA(const QString &e)
{
    if (e.size() < 7 || !allDigits(e.left(7))) return {};
    const QString ns = e.left(1);
    const QString d = e.mid(1, 6);
    const QChar last = d[5];
    if (last <= QLatin1Char('2')) return ns + d.left(2) + last + QStringLiteral("0000") + d.mid(2, 3);
    if (last == QLatin1Char('3')) return ns + d.left(3) + QStringLiteral("00000") + d.mid(3, 2);
    if (last == QLatin1Char('4')) return ns + d.left(4) + QStringLiteral("00000") + d.mid(4, 1);
    return ns + d.left(5) + QStringLiteral("0000") + last;
}

QString VBarCodeCalc::UpcAToUpcE(const QString &a)
{
    if (a.size() != 12 || !allDigits(a)) return {};
    // Characters are counted from 1 as in the UPC-A number: 1 number system, 2-6 manufacturer,
    // 7-11 product, 12 check digit.
    auto chars = [&](int from, int to) { return a.mid(from - 1, to - from + 1); };
    const QChar ns = a[0];
    const QChar check = a[11];
    QString six;
    const QString m345p12 = chars(4, 8);
    if (m345p12.mid(1) == QLatin1String("0000") && m345p12[0] <= QLatin1Char('2')) {
        six = chars(2, 3) + chars(9, 11) + a[3];
    } else if (m345p12.mid(1) == QLatin1String("0000") && a[8] == QLatin1Char('0')) {
        // The product digits kept are only the last two, so its third digit must be zero too.
        six = chars(2, 4) + chars(10, 11) + QLatin1Char('3');
    } else if (chars(6, 10) == QLatin1String("00000")) {
        six = chars(2, 5) + a[10] + QLatin1Char('4');
    } else if (chars(7, 10) == QLatin1String("0000") && a[10] >= QLatin1Char('5')) {
        six = chars(2, 6) + a[10];
    } else {
        return {};
    }
    return ns + six + check;
}

int VBarCodeCalc::UpcCheckDigit(const QString &digits)
{
    if (digits.size() == 7) return Mod10(UpcEToUpcA(digits));
    if (digits.size() == 11) return Mod10(digits);
    return -1;
}

void VBarCodeCalc::add(const QString &pattern, const QString &text)
{
    m_patterns << pattern;
    m_texts << text;
}

QString VBarCodeCalc::finish()
{
    return m_patterns.join(QString());
}

QString VBarCodeCalc::Encode(int type, const QString &value, bool checkDigitComputed)
{
    m_patterns.clear();
    m_texts.clear();
    m_data.clear();
    switch (type) {
    case VBarCode::Ean8:
    case VBarCode::Ean13:
    case VBarCode::UpcA:
        return eanUpc(type, value, checkDigitComputed);
    case VBarCode::UpcE:
        return upcE(value, checkDigitComputed);
    case VBarCode::Code39:
        return code39(value);
    case VBarCode::Code93:
        return code93(value);
    case VBarCode::Code128:
        return code128(value);
    case VBarCode::Itf:
        return itf(value);
    case VBarCode::Codabar:
        return codabar(value);
    default:
        return {};
    }
}

QString VBarCodeCalc::eanUpc(int type, const QString &value, bool computed)
{
    const int dataLength = type == VBarCode::Ean8 ? 7 : type == VBarCode::Ean13 ? 12 : 11;
    const int expected = computed ? dataLength : dataLength + 1;
    if (value.size() != expected) return lengthError(expected);
    if (!allDigits(value)) return {};
    const QString data = value.left(dataLength);
    const QString digits = data + digitChar(Mod10(data));
    m_data = digits;

    auto digit = [&](int position, char set) {
        const int d = digitAt(digits, position - 1);
        add(BT::EanDigit(set, d), QString(digitChar(d)));
    };
    const QString guard = QLatin1String(BT::kEanGuard);
    add(guard, {});
    if (type == VBarCode::Ean13) {
        const char *parity = BT::Ean13Parity(digitAt(digits, 0));
        for (int p = 2; p <= 7; ++p)
            digit(p, parity[p - 2] == '1' ? 'B' : 'A');
        add(QLatin1String(BT::kEanCentre), {});
        for (int p = 8; p <= 13; ++p)
            digit(p, 'C');
    } else {
        const int half = (dataLength + 1) / 2;
        for (int p = 1; p <= half; ++p)
            digit(p, 'A');
        add(QLatin1String(BT::kEanCentre), {});
        for (int p = half + 1; p <= 2 * half; ++p)
            digit(p, 'C');
    }
    add(guard, {});
    return finish();
}

QString VBarCodeCalc::upcE(const QString &value, bool computed)
{
    QString digits = value;
    if (computed) {
        if (digits.size() != 7 && digits.size() != 11) return kUpcEComputedError;
    } else if (digits.size() != 8 && digits.size() != 12) {
        return QStringLiteral("Data Length error must be 8 or 12 in UPC-A format");
    }
    if (!allDigits(digits)) return {};
    // The check digit is always that of the UPC-A number, which is what readers verify.
    if (!computed) digits.chop(1);
    digits += digitChar(UpcCheckDigit(digits));
    if (digits.size() == 12) {
        digits = UpcAToUpcE(digits);
        if (digits.isEmpty()) return QStringLiteral("Can not convert UPC-A TO UPC-E");
    }
    if (digits.size() != 8) return value + QLatin1Char(' ') + kUpcEComputedError;
    digits[7] = digitChar(UpcCheckDigit(digits.left(7)));
    m_data = digits;

    const char *parity = BT::UpcEParity(digitAt(digits, 0), digitAt(digits, 7));
    add(QLatin1String(BT::kEanGuard), {});
    for (int p = 2; p <= 7; ++p) {
        const int d = digitAt(digits, p - 1);
        add(BT::EanDigit(parity[p - 2] == '1' ? 'B' : 'A', d), QString(digitChar(d)));
    }
    add(QLatin1String(BT::kUpcEEnd), {});
    return finish();
}

QString VBarCodeCalc::code39(const QString &value)
{
    const QString star = QStringLiteral("*");
    // A narrow space separates the characters.
    add(BT::Code39(BT::kCode39Star) + QLatin1Char('0'), star);
    for (QChar c : value) {
        const int i = code39Index(c);
        if (i < 0) continue;
        add(BT::Code39(i) + QLatin1Char('0'), QString(c));
        m_data += c;
    }
    add(BT::Code39(BT::kCode39Star), star);
    return finish();
}

QString VBarCodeCalc::code93(const QString &value)
{
    const QString blank = QStringLiteral(" ");
    add(BT::Code93(BT::kCode93StartStop), blank);
    QList<int> values;
    for (QChar c : value) {
        const int v = code93Value(c);
        if (v < 0) continue;
        values << v;
        add(BT::Code93(v), QString(c));
        m_data += c;
    }
    // Readers require both check characters; they are not part of the printed value.
    const int c = code93Check(values, 20);
    values << c;
    const int k = code93Check(values, 15);
    add(BT::Code93(c), blank);
    add(BT::Code93(k), blank);
    add(BT::Code93(BT::kCode93StartStop) + QLatin1Char('1'), blank);
    return finish();
}

QString VBarCodeCalc::code128(const QString &value)
{
    char set = 'C';
    for (QChar c : value) {
        if (isDigit(c) || c == QLatin1Char(' ')) continue;
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            set = 'B';
            break;
        }
        set = 'A';
    }
    const int start = set == 'A' ? BT::kCode128StartA : set == 'B' ? BT::kCode128StartB : BT::kCode128StartC;
    const QString blank11(11, QLatin1Char(' '));
    add(BT::Code128(start), blank11);

    int sum = start;
    int position = 0;
    auto data = [&](int v, const QString &text, const QString &carried) {
        if (v < 0) return; // the set lacks the character
        add(BT::Code128(v), text);
        sum += v * ++position;
        m_data += carried;
    };
    if (set == 'C') {
        for (qsizetype i = 0; i < value.size(); ++i) {
            const QChar c = value[i];
            if (c == QLatin1Char(' ')) {
                data(0, QStringLiteral(" "), QStringLiteral("00"));
            } else if (i + 1 < value.size() && isDigit(value[i + 1])) {
                const QString pair = value.mid(i, 2);
                data(BT::Code128Value('C', pair), pair, pair);
                ++i;
            } else {
                const QString pair = QLatin1Char('0') + c;
                data(BT::Code128Value('C', pair), QString(c), pair);
            }
        }
    } else {
        for (QChar c : value) {
            const QString name = c == QLatin1Char(' ') ? QStringLiteral("SP") : QString(c);
            data(BT::Code128Value(set, name), QString(c), QString(c));
        }
    }
    add(BT::Code128(sum % 103), blank11);
    add(BT::Code128(BT::kCode128Stop), blank11);
    add(QLatin1String(BT::kCode128Termination), QStringLiteral("  "));
    return finish();
}

QString VBarCodeCalc::itf(const QString &value)
{
    if (value.isEmpty()) return QStringLiteral("Data Length error");
    if (!allDigits(value)) return {};
    QString digits = value;
    if (digits.size() % 2 == 0) digits.chop(1);
    digits += digitChar(Mod10(digits));
    m_data = digits;

    add(QLatin1String(BT::kItfStart), {});
    for (qsizetype i = 0; i + 1 < digits.size(); i += 2) {
        const char *bars = BT::ItfWidths(digitAt(digits, int(i)));
        const char *spaces = BT::ItfWidths(digitAt(digits, int(i) + 1));
        QString pattern;
        for (int e = 0; e < 5; ++e) {
            pattern += bars[e] == 'W' ? QLatin1String("11") : QLatin1String("1");
            pattern += spaces[e] == 'W' ? QLatin1String("00") : QLatin1String("0");
        }
        add(pattern, digits.mid(i, 2));
    }
    add(QLatin1String(BT::kItfStop), {});
    return finish();
}

QString VBarCodeCalc::codabar(const QString &value)
{
    const QLatin1String chars(VBarCode::kCodabarChars);
    auto isStartStop = [](QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('D'); };
    QString body = value;
    QChar start = QLatin1Char('A');
    QChar stop = QLatin1Char('A');
    if (!body.isEmpty() && isStartStop(body.front())) {
        start = body.front();
        body.remove(0, 1);
    }
    if (!body.isEmpty() && isStartStop(body.back())) {
        stop = body.back();
        body.chop(1);
    }
    const QString blank = QStringLiteral(" ");
    add(BT::Codabar(int(chars.indexOf(start))) + QLatin1Char('0'), blank);
    m_data += start;
    for (QChar c : body) {
        const int i = int(chars.indexOf(c));
        // Start and stop characters inside the data would end the symbol early for a reader.
        if (i < 0 || isStartStop(c)) continue;
        add(BT::Codabar(i) + QLatin1Char('0'), QString(c));
        m_data += c;
    }
    add(BT::Codabar(int(chars.indexOf(stop))), blank);
    m_data += stop;
    return finish();
}

QString VBarCodeCalc::CheckCharacter(int type, const QString &value) const
{
    auto numeric = [&](int dataLength) -> QString {
        if (value.size() != dataLength && value.size() != dataLength + 1) return {};
        const int d = Mod10(value.left(dataLength));
        return d < 0 ? QString() : QString(digitChar(d));
    };
    switch (type) {
    case VBarCode::Ean8:
        return numeric(7);
    case VBarCode::Ean13:
        return numeric(12);
    case VBarCode::UpcA:
        return numeric(11);
    case VBarCode::UpcE: {
        int d = -1;
        if (value.size() == 7 || value.size() == 8)
            d = UpcCheckDigit(value.left(7));
        else if (value.size() == 11 || value.size() == 12)
            d = UpcCheckDigit(value.left(11));
        return d < 0 ? QString() : QString(digitChar(d));
    }
    case VBarCode::Itf: {
        if (value.isEmpty()) return {};
        const int d = Mod10(value.size() % 2 ? value : value.chopped(1));
        return d < 0 ? QString() : QString(digitChar(d));
    }
    case VBarCode::Code39: {
        int sum = 0;
        for (QChar c : value)
            sum += std::max(0, code39Index(c));
        return QString(QLatin1Char(VBarCode::kCode39Chars[sum % 43]));
    }
    case VBarCode::Code93: {
        static const char shown[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%$/+%";
        return QString(QLatin1Char(shown[code93Check(code93Values(value), 20)]));
    }
    default:
        return {};
    }
}

bool VBarCodeCalc::DigitsOnly(int type)
{
    return type == VBarCode::Ean8 || type == VBarCode::Ean13 || type == VBarCode::UpcA ||
           type == VBarCode::UpcE || type == VBarCode::Itf;
}

bool VBarCodeCalc::UpperCaseOnly(int type)
{
    return type == VBarCode::Code39 || type == VBarCode::Code93 || type == VBarCode::Codabar;
}

int VBarCodeCalc::MaxLength(int type)
{
    switch (type) {
    case VBarCode::Ean8:
        return 8;
    case VBarCode::Ean13:
        return 13;
    case VBarCode::UpcA:
    case VBarCode::UpcE:
        return 12;
    default:
        return 255;
    }
}

VBarCodeCalc::ValueCheck VBarCodeCalc::CheckValue(int type, const QString &value, bool checkDigitComputed)
{
    ValueCheck check;
    // Code 128 as the encoder picks its set: C for digits, B once a lower-case letter shows.
    char set128 = 'C';
    for (QChar c : value) {
        if (isDigit(c) || c == QLatin1Char(' ')) continue;
        set128 = c >= QLatin1Char('a') && c <= QLatin1Char('z') ? 'B' : 'A';
        if (set128 == 'B') break;
    }
    auto holds = [type, set128, &value](qsizetype i) {
        const QChar c = value[i];
        if (DigitsOnly(type)) return isDigit(c);
        switch (type) {
        case VBarCode::Code39:
            return code39Index(c) >= 0 && c != QLatin1Char('*');
        case VBarCode::Code93:
            return code93Value(c) >= 0;
        case VBarCode::Codabar: {
            const bool startStop = c >= QLatin1Char('A') && c <= QLatin1Char('D');
            // Start and stop letters only at the ends, where they stand for themselves.
            if (startStop) return i == 0 || i == value.size() - 1;
            return QLatin1String(VBarCode::kCodabarChars).indexOf(c) >= 0;
        }
        case VBarCode::Code128:
            return set128 == 'C' ||
                   BT::Code128Value(set128, c == QLatin1Char(' ') ? QStringLiteral("SP") : QString(c)) >= 0;
        default:
            return true;
        }
    };
    for (qsizetype i = 0; i < value.size(); ++i)
        if (!holds(i)) {
            check.badIndex = int(i);
            return check;
        }
    switch (type) {
    case VBarCode::Ean8:
    case VBarCode::Ean13:
    case VBarCode::UpcA:
    case VBarCode::UpcE:
    case VBarCode::Code39:
    case VBarCode::Code93:
    case VBarCode::Code128:
    case VBarCode::Itf:
    case VBarCode::Codabar: {
        VBarCodeCalc calc;
        const QString result = calc.Encode(type, value, checkDigitComputed);
        if (calc.Patterns().isEmpty())
            check.message = result.isEmpty() ? QStringLiteral("Data Length error") : result;
        break;
    }
    default:
        break;
    }
    return check;
}
