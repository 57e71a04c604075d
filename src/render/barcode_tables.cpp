#include "render/barcode_tables.h"

#include <QHash>
#include <QStringList>

namespace BarcodeTables
{
namespace
{

const char *const kEanA[10] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                               "0110001", "0101111", "0111011", "0110111", "0001011"};
const char *const kEanB[10] = {"0100111", "0110011", "0011011", "0100001", "0011101",
                               "0111001", "0000101", "0010001", "0001001", "0010111"};
const char *const kEanC[10] = {"1110010", "1100110", "1101100", "1000010", "1011100",
                               "1001110", "1010000", "1000100", "1001000", "1110100"};
const char *const kEan13Parity[10] = {"000000", "001011", "001101", "001110", "010011",
                                      "011001", "011100", "010101", "010110", "011010"};
const char *const kUpcEParity0[10] = {"111000", "110100", "110010", "110001", "101100",
                                      "100110", "100011", "101010", "101001", "100101"};
const char *const kUpcEParity1[10] = {"000111", "001011", "001101", "001110", "010011",
                                      "011001", "011100", "010101", "010110", "011010"};

// Code 39 as the standard lists it: nine elements (bar, space, ...), 1 = wide.
const char *const kCode39Wide[44] = {
    "000110100", "100100001", "001100001", "101100000", "000110001", "100110000", "001110000", "000100101",
    "100100100", "001100100", "100001001", "001001001", "101001000", "000011001", "100011000", "001011000",
    "000001101", "100001100", "001001100", "000011100", "100000011", "001000011", "101000010", "000010011",
    "100010010", "001010010", "000000111", "100000110", "001000110", "000010110", "110000001", "011000001",
    "111000000", "010010001", "110010000", "011010000", "010000101", "110000100", "011000100", "010101000",
    "010100010", "010001010", "000101010", "010010100"};

// Code 93 element widths (bar, space, bar, space, bar, space), nine modules each.
const char *const kCode93Widths[48] = {
    "131112", "111213", "111312", "111411", "121113", "121212", "121311", "111114", "131211", "141111",
    "211113", "211212", "211311", "221112", "221211", "231111", "112113", "112212", "112311", "122112",
    "132111", "111123", "111222", "111321", "121122", "131121", "212112", "212211", "211122", "211221",
    "221121", "222111", "112122", "112221", "122121", "123111", "121131", "311112", "311211", "321111",
    "112131", "113121", "211131", "121221", "312111", "311121", "122211", "111141"};

// Code 128 element widths (bar first), eleven modules each; 106 is the stop without its bar.
const char *const kCode128Widths[107] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",
    "114131", "311141", "411131", "211412", "211214", "211232", "233111"};

const char *const kItf[10] = {"NNWWN", "WNNNW", "NWNNW", "WWNNN", "NNWNW",
                              "WNWNN", "NWWNN", "NNNWW", "WNNWN", "NWNWN"};

// Codabar: seven elements (bar, space, ...), 1 = wide.
const char *const kCodabarWide[20] = {"0000011", "0000110", "0001001", "1100000", "0010010",
                                      "1000010", "0100001", "0100100", "0110000", "1001000",
                                      "0001100", "0011000", "1000101", "1010001", "1010100",
                                      "0010101", "0011010", "0101001", "0001011", "0001110"};

// Bars and spaces alternate, starting with a bar.
QString fromWidths(const char *widths)
{
    QString out;
    bool dark = true;
    for (const char *p = widths; *p; ++p, dark = !dark)
        out += QString(*p - '0', dark ? QLatin1Char('1') : QLatin1Char('0'));
    return out;
}

QString fromWideFlags(const char *flags)
{
    QString out;
    bool dark = true;
    for (const char *p = flags; *p; ++p, dark = !dark)
        out += QString(*p == '1' ? 2 : 1, dark ? QLatin1Char('1') : QLatin1Char('0'));
    return out;
}

QStringList code128Names(char set)
{
    static const char *const control[32] = {"NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL",
                                            "BS",  "HT",  "LF",  "VT",  "FF",  "CR",  "SO",  "SI",
                                            "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB",
                                            "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};
    QStringList names;
    auto printable = [&](int from, int to) {
        for (int c = from; c <= to; ++c)
            names << (c == 32 ? QStringLiteral("SP") : QString(QChar(c)));
    };
    if (set == 'A') {
        printable(32, 95);
        for (const char *name : control)
            names << QLatin1String(name);
        names << QStringLiteral("FNC3") << QStringLiteral("FNC2") << QStringLiteral("SHIFT")
              << QStringLiteral("CodeC") << QStringLiteral("CodeB") << QStringLiteral("FNC4")
              << QStringLiteral("FNC1");
    } else if (set == 'B') {
        printable(32, 126);
        names << QStringLiteral("DEL") << QStringLiteral("FNC3") << QStringLiteral("FNC2")
              << QStringLiteral("SHIFT") << QStringLiteral("CodeC") << QStringLiteral("FNC4")
              << QStringLiteral("CodeA") << QStringLiteral("FNC1");
    } else {
        for (int v = 0; v < 100; ++v)
            names << QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
        names << QStringLiteral("CodeB") << QStringLiteral("CodeA") << QStringLiteral("FNC1");
    }
    names << QStringLiteral("STARTA") << QStringLiteral("STARTB") << QStringLiteral("STARTC")
          << QStringLiteral("STOP");
    return names;
}

const QStringList &namesOf(char set)
{
    static const QStringList a = code128Names('A');
    static const QStringList b = code128Names('B');
    static const QStringList c = code128Names('C');
    return set == 'A' ? a : set == 'B' ? b : c;
}

bool inRange(int v, int size)
{
    return v >= 0 && v < size;
}

} // namespace

QString EanDigit(char set, int digit)
{
    if (!inRange(digit, 10)) return {};
    const char *const *table = set == 'A' ? kEanA : set == 'B' ? kEanB : kEanC;
    return QLatin1String(table[digit]);
}

const char *Ean13Parity(int firstDigit)
{
    return inRange(firstDigit, 10) ? kEan13Parity[firstDigit] : "";
}

const char *UpcEParity(int numberSystem, int checkDigit)
{
    if (!inRange(checkDigit, 10)) return "";
    return numberSystem == 0 ? kUpcEParity0[checkDigit] : kUpcEParity1[checkDigit];
}

QString Code39(int index)
{
    return inRange(index, 44) ? fromWideFlags(kCode39Wide[index]) : QString();
}

QString Code93(int value)
{
    return inRange(value, 48) ? fromWidths(kCode93Widths[value]) : QString();
}

QString Code128(int value)
{
    return inRange(value, 107) ? fromWidths(kCode128Widths[value]) : QString();
}

QString Code128Name(char set, int value)
{
    const QStringList &names = namesOf(set);
    return inRange(value, int(names.size())) ? names[value] : QString();
}

int Code128Value(char set, const QString &name)
{
    // The first of equal names, as a search along the table finds it.
    const auto indexOf = [](char of) {
        QHash<QString, int> index;
        const QStringList &names = namesOf(of);
        for (int i = int(names.size()) - 1; i >= 0; --i)
            index.insert(names[i], i);
        return index;
    };
    static const QHash<QString, int> a = indexOf('A'), b = indexOf('B'), c = indexOf('C');
    return (set == 'A' ? a : set == 'B' ? b : c).value(name, -1);
}

const char *ItfWidths(int digit)
{
    return inRange(digit, 10) ? kItf[digit] : "";
}

QString Codabar(int index)
{
    return inRange(index, 20) ? fromWideFlags(kCodabarWide[index]) : QString();
}

} // namespace BarcodeTables
