#include "model/v_bar_code.h"
#include "render/barcode_calc.h"
#include "render/barcode_tables.h"

#include <QSet>
#include <gtest/gtest.h>

namespace BT = BarcodeTables;

namespace
{

QString joined(std::initializer_list<const char *> pieces)
{
    QString s;
    for (const char *p : pieces)
        s += QLatin1String(p);
    return s;
}

int countRuns(const QString &pattern, QChar c)
{
    int runs = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i)
        if (pattern[i] == c && (i == 0 || pattern[i - 1] != c)) ++runs;
    return runs;
}

} // namespace

// The tables are typed in by hand; these properties of the standards catch slips in them.
TEST(BarcodeTables, PropertiesOfTheStandardTables)
{
    for (int d = 0; d < 10; ++d) {
        const QString a = BT::EanDigit('A', d), b = BT::EanDigit('B', d), c = BT::EanDigit('C', d);
        ASSERT_EQ(a.size(), 7);
        EXPECT_EQ(a.count(QLatin1Char('1')) % 2, 1) << "set A has odd parity, digit " << d;
        EXPECT_EQ(b.count(QLatin1Char('1')) % 2, 0) << "set B has even parity, digit " << d;
        QString complement = a;
        for (QChar &ch : complement)
            ch = ch == QLatin1Char('1') ? QLatin1Char('0') : QLatin1Char('1');
        EXPECT_EQ(c, complement) << "set C mirrors set A in colour";
        QString reversed = c;
        std::reverse(reversed.begin(), reversed.end());
        EXPECT_EQ(b, reversed) << "set B is set C read backwards";
        EXPECT_EQ(countRuns(a, QLatin1Char('1')), 2);
    }
    QSet<QString> seen;
    for (int v = 0; v <= 105; ++v) {
        const QString p = BT::Code128(v);
        ASSERT_EQ(p.size(), 11) << v;
        EXPECT_TRUE(p.startsWith(QLatin1Char('1')) && p.endsWith(QLatin1Char('0'))) << v;
        EXPECT_EQ(countRuns(p, QLatin1Char('1')), 3) << v;
        EXPECT_EQ(p.count(QLatin1Char('1')) % 2, 0) << "bar modules are even, value " << v;
        seen.insert(p);
    }
    EXPECT_EQ(seen.size(), 106);
    EXPECT_EQ(BT::Code128(BT::kCode128Stop) + QLatin1String(BT::kCode128Termination), "1100011101011");

    seen.clear();
    for (int v = 0; v < 48; ++v) {
        const QString p = BT::Code93(v);
        ASSERT_EQ(p.size(), 9) << v;
        EXPECT_EQ(countRuns(p, QLatin1Char('1')), 3) << v;
        EXPECT_TRUE(p.startsWith(QLatin1Char('1')) && p.endsWith(QLatin1Char('0'))) << v;
        seen.insert(p);
    }
    EXPECT_EQ(seen.size(), 48);

    seen.clear();
    for (int i = 0; i < 44; ++i) {
        const QString p = BT::Code39(i);
        ASSERT_EQ(p.size(), 12) << i; // three wide elements of nine
        EXPECT_EQ(countRuns(p, QLatin1Char('1')), 5) << i;
        seen.insert(p);
    }
    EXPECT_EQ(seen.size(), 44);
    EXPECT_EQ(BT::Code39(BT::kCode39Star), "100101101101");

    seen.clear();
    for (int i = 0; i < 20; ++i) {
        const QString p = BT::Codabar(i);
        EXPECT_EQ(countRuns(p, QLatin1Char('1')), 4) << i;
        seen.insert(p);
    }
    EXPECT_EQ(seen.size(), 20);
    for (int d = 0; d < 10; ++d)
        EXPECT_EQ(QLatin1String(BT::ItfWidths(d)).count(QLatin1Char('W')), 2) << d;

    EXPECT_EQ(BT::Code128Name('A', 64), "NUL");
    EXPECT_EQ(BT::Code128Name('B', 101), "CodeA");
    EXPECT_EQ(BT::Code128Name('C', 100), "CodeB");
}

TEST(BarcodeCalc, EanAndUpcFullPatterns)
{
    VBarCodeCalc calc;
    EXPECT_EQ(calc.Encode(VBarCode::Ean13, "400638133393", true),
              joined({"101", "0001101", "0100111", "0101111", "0111101", "0001001", "0110011", "01010",
                      "1000010", "1000010", "1000010", "1110100", "1000010", "1100110", "101"}));
    EXPECT_EQ(calc.EncodedData(), "4006381333931");
    ASSERT_EQ(calc.Patterns().size(), 15);
    EXPECT_EQ(calc.Texts().join(QLatin1Char('|')), "|0|0|6|3|8|1||3|3|3|9|3|1|")
        << "guards carry empty texts and the first digit has no piece";

    EXPECT_EQ(calc.Encode(VBarCode::Ean8, "5512345", true),
              joined({"101", "0110001", "0110001", "0011001", "0010011", "01010", "1000010", "1011100",
                      "1001110", "1000100", "101"}));
    EXPECT_EQ(calc.EncodedData(), "55123457");

    EXPECT_EQ(calc.Encode(VBarCode::UpcA, "03600029145", true),
              joined({"101", "0001101", "0111101", "0101111", "0001101", "0001101", "0001101", "01010",
                      "1101100", "1110100", "1100110", "1011100", "1001110", "1101100", "101"}));
    EXPECT_EQ(calc.EncodedData(), "036000291452");

    // 0123456 stands for UPC-A 01234500006, check digit 5: parity EOOEEO of number system 0.
    EXPECT_EQ(calc.Encode(VBarCode::UpcE, "0123456", true),
              joined({"101", "0110011", "0010011", "0111101", "0011101", "0111001", "0101111", "010101"}));
    EXPECT_EQ(calc.EncodedData(), "01234565");
    EXPECT_EQ(calc.Texts().join(QLatin1Char('|')), "|1|2|3|4|5|6|");
}

TEST(BarcodeCalc, CheckDigitsGivenOrComputed)
{
    VBarCodeCalc calc;
    EXPECT_EQ(calc.CheckCharacter(VBarCode::Ean13, "400638133393"), "1");
    EXPECT_EQ(calc.CheckCharacter(VBarCode::Ean13, "4006381333930"), "1") << "a typed check digit is ignored";
    EXPECT_EQ(calc.CheckCharacter(VBarCode::UpcA, "03600029145"), "2");
    EXPECT_EQ(calc.CheckCharacter(VBarCode::Ean8, "5512345"), "7");
    EXPECT_EQ(calc.CheckCharacter(VBarCode::Ean13, "40063"), "");

    // A wrong given check digit is replaced by the computed one.
    const QString good = calc.Encode(VBarCode::Ean13, "400638133393", true);
    EXPECT_EQ(calc.Encode(VBarCode::Ean13, "4006381333930", false), good);
    EXPECT_EQ(calc.EncodedData(), "4006381333931");
    EXPECT_EQ(calc.Encode(VBarCode::UpcA, "036000291459", false),
              calc.Encode(VBarCode::UpcA, "03600029145", true));

    // UPC-E: the check digit of the UPC-A expansion, never a sum over the seven UPC-E digits
    // (which would give 1 for 0654321 instead of 7).
    EXPECT_EQ(VBarCodeCalc::UpcEToUpcA("0654321"), "06510000432");
    EXPECT_EQ(calc.CheckCharacter(VBarCode::UpcE, "0654321"), "7");
    EXPECT_EQ(calc.CheckCharacter(VBarCode::UpcE, "06543211"), "7");
    EXPECT_EQ(calc.CheckCharacter(VBarCode::UpcE, "06510000432"), "7");
    calc.Encode(VBarCode::UpcE, "0654321", true);
    EXPECT_EQ(calc.EncodedData(), "06543217");
    calc.Encode(VBarCode::UpcE, "06543210", false);
    EXPECT_EQ(calc.EncodedData(), "06543217");
    calc.Encode(VBarCode::UpcE, "065100004320", false);
    EXPECT_EQ(calc.EncodedData(), "06543217");

    EXPECT_EQ(calc.CheckCharacter(VBarCode::Itf, "1234567"), "0");
    EXPECT_EQ(calc.CheckCharacter(VBarCode::Itf, "1234"), "6");
    EXPECT_EQ(calc.CheckCharacter(VBarCode::Code39, "CODE39"), "W"); // (12+24+13+14+3+9) mod 43 = 32
    EXPECT_EQ(calc.CheckCharacter(VBarCode::Code93, "TEST93"), "+");
    EXPECT_EQ(calc.CheckCharacter(VBarCode::Code128, "12345"), "");
    EXPECT_EQ(calc.CheckCharacter(VBarCode::Qr, "x"), "");
}

TEST(BarcodeCalc, LengthMessagesLeaveNoPattern)
{
    VBarCodeCalc calc;
    const struct {
        int type;
        const char *value;
        bool computed;
        const char *message;
    } cases[] = {
        {VBarCode::Ean13, "40063813339", true, "Data Length error must be 12"},
        {VBarCode::Ean13, "400638133393", false, "Data Length error must be 13"},
        {VBarCode::Ean8, "551234", true, "Data Length error must be 7"},
        {VBarCode::Ean8, "5512345", false, "Data Length error must be 8"},
        {VBarCode::UpcA, "0360002914", true, "Data Length error must be 11"},
        {VBarCode::UpcA, "03600029145", false, "Data Length error must be 12"},
        {VBarCode::UpcE, "01234567", true, "Data Length error must be 7 or 11 in UPC-A format"},
        {VBarCode::UpcE, "0123456", false, "Data Length error must be 8 or 12 in UPC-A format"},
        {VBarCode::UpcE, "12345678901", true, "Can not convert UPC-A TO UPC-E"},
        {VBarCode::Itf, "", true, "Data Length error"},
    };
    for (const auto &c : cases) {
        calc.Encode(VBarCode::Ean13, "400638133393", true); // the lists must be cleared
        EXPECT_EQ(calc.Encode(c.type, QString::fromLatin1(c.value), c.computed), c.message) << c.value;
        EXPECT_TRUE(calc.Patterns().isEmpty());
        EXPECT_TRUE(calc.Texts().isEmpty());
    }
    // Raw values read from a file are not validated: nothing is encoded, nothing crashes.
    EXPECT_EQ(calc.Encode(VBarCode::Ean13, "ABCDEFGHIJKL", true), "");
    EXPECT_EQ(calc.Encode(VBarCode::Invalid, "ERROR", true), "");
    EXPECT_EQ(calc.Encode(VBarCode::Qr, "text", true), "");
    EXPECT_TRUE(calc.Patterns().isEmpty());
}

TEST(BarcodeCalc, UpcAToUpcEZeroSuppressionInOrder)
{
    struct Case {
        const char *upcA; // without check digit
        const char *upcE; // without check digit
    };
    const Case cases[] = {
        {"01200000345", "0123450"}, // manufacturer x0000, x200: product 00ppp
        {"01230000045", "0123453"}, // manufacturer xx300: product 000pp
        {"01234000005", "0123454"}, // manufacturer xxxx0: product 0000p
        {"01234500007", "0123457"}, // product 0000p with p 5 to 9
        {"01200000005", "0120050"}, // fits the first and the third rule: the first wins
        {"11200000345", "1123450"}, // number system 1
    };
    VBarCodeCalc calc;
    for (const Case &c : cases) {
        const QString a = QString::fromLatin1(c.upcA);
        const QString check = calc.CheckCharacter(VBarCode::UpcA, a);
        EXPECT_EQ(VBarCodeCalc::UpcAToUpcE(a + check), QLatin1String(c.upcE) + check) << c.upcA;
        EXPECT_EQ(VBarCodeCalc::UpcEToUpcA(QLatin1String(c.upcE)), a)
            << "the expansion gives the number back";
        calc.Encode(VBarCode::UpcE, a, true);
        EXPECT_EQ(calc.EncodedData(), QLatin1String(c.upcE) + check);
    }
    // Product 00456 of manufacturer 12300 keeps three product digits; UPC-E has room for two,
    // so suppressing would print another number.
    EXPECT_EQ(VBarCodeCalc::UpcAToUpcE("012300004563"), "");
    EXPECT_EQ(calc.Encode(VBarCode::UpcE, "01230000456", true), "Can not convert UPC-A TO UPC-E");
    EXPECT_EQ(VBarCodeCalc::UpcAToUpcE("012345678905"), "");

    // Number system 1 takes the complemented parity table: check digit 0 gives OOOEEE.
    EXPECT_EQ(QLatin1String(BT::UpcEParity(1, 0)), "000111");
    EXPECT_EQ(QLatin1String(BT::UpcEParity(0, 0)), "111000");
}

TEST(BarcodeCalc, Code39AndCode93)
{
    VBarCodeCalc calc;
    EXPECT_EQ(calc.Encode(VBarCode::Code39, "A1", true),
              joined({"100101101101", "0", "110101001011", "0", "110100101011", "0", "100101101101"}));
    EXPECT_EQ(calc.Texts(), QStringList({"*", "A", "1", "*"}));

    // TEST93 carries the check characters C = '+' (41) and K = '6' before the stop.
    EXPECT_EQ(calc.Encode(VBarCode::Code93, "TEST93", true),
              joined({"101011110", "110100110", "110010010", "110101100", "110100110", "100001010",
                      "101000010", "101110110", "100100010", "101011110", "1"}));
    EXPECT_EQ(calc.Texts(), QStringList({" ", "T", "E", "S", "T", "9", "3", " ", " ", " "}))
        << "check characters are not printed";
    EXPECT_EQ(calc.EncodedData(), "TEST93");

    // The K weights wrap after 15 and the C weights after 20: a 25-character value uses both.
    const QString longValue = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY");
    calc.Encode(VBarCode::Code93, longValue, true);
    // C: values 10..34, weights 1..20 then 1..5 from the right.
    int sumC = 0;
    for (int i = 0; i < 25; ++i)
        sumC += (34 - i) * (i % 20 + 1);
    const int c = sumC % 47;
    int sumK = c;
    for (int i = 0; i < 25; ++i)
        sumK += (34 - i) * ((i + 1) % 15 + 1);
    const int k = sumK % 47;
    const QStringList &p = calc.Patterns();
    ASSERT_EQ(p.size(), 29);
    EXPECT_EQ(p[26], BT::Code93(c));
    EXPECT_EQ(p[27], BT::Code93(k));
}

TEST(BarcodeCalc, Code128SetsAndCheckValue)
{
    VBarCodeCalc calc;
    // Set C: 12 34 05, check (105 + 12 + 2*34 + 3*5) mod 103 = 97.
    EXPECT_EQ(calc.Encode(VBarCode::Code128, "12345", true),
              joined({"11010011100", "10110011100", "10001011000", "10001001100", "11110101000",
                      "11000111010", "11"}));
    EXPECT_EQ(calc.Texts(),
              QStringList({QString(11, ' '), "12", "34", "5", QString(11, ' '), QString(11, ' '), "  "}));
    EXPECT_EQ(calc.EncodedData(), "123405");

    // Set B: a lower-case letter chooses it even after an upper-case one. Check (104+33+2*66+3*17) mod 103
    // = 11.
    EXPECT_EQ(calc.Encode(VBarCode::Code128, "Ab1", true),
              joined({"11010010000", "10100011000", "10010000110", "10011100110", "11000100100",
                      "11000111010", "11"}));
    // Set A: no lower-case letter.
    calc.Encode(VBarCode::Code128, "AB1", true);
    EXPECT_EQ(calc.Patterns().first(), BT::Code128(BT::kCode128StartA));
    EXPECT_EQ(calc.Patterns()[3], BT::Code128(17));
    EXPECT_EQ(calc.Patterns()[4], BT::Code128((103 + 33 + 2 * 34 + 3 * 17) % 103));

    // Set C with spaces: a space is the pair 00, a lone digit is padded.
    calc.Encode(VBarCode::Code128, "12 3 456", true);
    const QStringList names = calc.Texts().mid(1, calc.Texts().size() - 4);
    EXPECT_EQ(names, QStringList({"12", " ", "3", " ", "45", "6"}));
    EXPECT_EQ(calc.EncodedData(), "120003004506");

    // Characters the chosen set lacks are left out of the symbol and of the check value.
    calc.Encode(VBarCode::Code128, "A{B", true); // '{' is not in set A
    EXPECT_EQ(calc.EncodedData(), "AB");
    EXPECT_EQ(calc.Patterns().size(), 2 + 4);
    EXPECT_EQ(calc.Patterns()[3], BT::Code128((103 + 33 + 2 * 34) % 103));
}

TEST(BarcodeCalc, InterleavedTwoOfFiveAndCodabar)
{
    VBarCodeCalc calc;
    EXPECT_EQ(
        calc.Encode(VBarCode::Itf, "1234567", true),
        joined({"1010", "11010010101100", "11011010010100", "11010011001010", "10101001100110", "1101"}));
    EXPECT_EQ(calc.Texts(), QStringList({"", "12", "34", "56", "70", ""}));
    calc.Encode(VBarCode::Itf, "1234", true);
    EXPECT_EQ(calc.EncodedData(), "1236");
    calc.Encode(VBarCode::Itf, "1236", false);
    EXPECT_EQ(calc.EncodedData(), "1236");

    EXPECT_EQ(calc.Encode(VBarCode::Codabar, "A40156B", true),
              joined({"1011001001", "0", "101101001", "0", "101010011", "0", "101011001", "0", "110101001",
                      "0", "100101011", "0", "1001001011"}));
    calc.Encode(VBarCode::Codabar, "40156", true);
    EXPECT_EQ(calc.EncodedData(), "A40156A") << "A is the default start and stop";
    calc.Encode(VBarCode::Codabar, "C12A34", true);
    EXPECT_EQ(calc.EncodedData(), "C1234A") << "a start/stop letter inside the data is left out";
}
