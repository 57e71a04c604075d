// What a reader does not show: check digits, texts under the pieces, length messages, set choice
// and UPC-E zero suppression. The module patterns themselves are scanned in barcode_scan_test.cpp.
#include "model/v_bar_code.h"
#include "render/barcode_calc.h"
#include "render/barcode_tables.h"

#include <gtest/gtest.h>

namespace BT = BarcodeTables;

namespace
{
QString inverted(QString s)
{
    for (QChar &ch : s)
        ch = ch == QLatin1Char('1') ? QLatin1Char('0') : QLatin1Char('1');
    return s;
}
} // namespace

TEST(BarcodeCalc, EncodedDataWithComputedOrCorrectedCheckDigits)
{
    const struct {
        int type;
        const char *value;
        bool computed;
        const char *data;
    } cases[] = {
        {VBarCode::Ean13, "4006381333930", false, "4006381333931"}, // a wrong given digit is replaced
        {VBarCode::UpcA, "036000291459", false, "036000291452"},
        // UPC-E takes the check digit of the UPC-A expansion, not a sum over its own seven digits
        // (which would give 1 for 0654321).
        {VBarCode::UpcE, "0654321", true, "06543217"},
        {VBarCode::UpcE, "06543210", false, "06543217"},
        {VBarCode::UpcE, "065100004320", false, "06543217"},
        {VBarCode::Itf, "1236", false, "1236"},
        {VBarCode::Codabar, "C12A34", true, "C1234A"},         // a start/stop letter inside is left out
        {VBarCode::Code128, "12 3 456", true, "120003004506"}, // set C: a space is 00, a lone digit padded
    };
    VBarCodeCalc calc;
    for (const auto &c : cases) {
        calc.Encode(c.type, QLatin1String(c.value), c.computed);
        EXPECT_EQ(calc.EncodedData(), QLatin1String(c.data)) << c.value;
    }

    // The check character the properties dialog shows beside the value.
    const struct {
        int type;
        const char *value;
        const char *check;
    } shown[] = {
        {VBarCode::Ean13, "4006381333930", "1"}, {VBarCode::Ean13, "40063", ""},
        {VBarCode::Ean8, "5512345", "7"},        {VBarCode::UpcE, "0654321", "7"},
        {VBarCode::UpcE, "06510000432", "7"},    {VBarCode::Itf, "1234567", "0"},
        {VBarCode::Code39, "CODE39", "W"},       {VBarCode::Code93, "TEST93", "+"},
        {VBarCode::Code128, "12345", ""},        {VBarCode::Qr, "x", ""},
    };
    for (const auto &s : shown)
        EXPECT_EQ(calc.CheckCharacter(s.type, QLatin1String(s.value)), QLatin1String(s.check)) << s.value;
}

TEST(BarcodeCalc, TextsUnderThePiecesAndCode128Sets)
{
    const struct {
        int type;
        const char *value;
        const char *texts; // joined with '|'
    } cases[] = {
        {VBarCode::Ean13, "400638133393", "|0|0|6|3|8|1||3|3|3|9|3|1|"}, // the first digit has no piece
        {VBarCode::UpcE, "0123456", "|1|2|3|4|5|6|"},
        {VBarCode::Code39, "A1", "*|A|1|*"},
        {VBarCode::Code93, "TEST93", " |T|E|S|T|9|3| | | "}, // check characters are not printed
        {VBarCode::Itf, "1234567", "|12|34|56|70|"},
    };
    VBarCodeCalc calc;
    for (const auto &c : cases) {
        calc.Encode(c.type, QLatin1String(c.value), true);
        EXPECT_EQ(calc.Texts().join(QLatin1Char('|')), QLatin1String(c.texts)) << c.value;
    }
    // Digits only: set C; a lower-case letter: set B even after an upper-case one; else set A.
    for (const auto &[value, start] :
         {std::pair{"12345", BT::kCode128StartC}, std::pair{"Ab1", BT::kCode128StartB},
          std::pair{"AB1", BT::kCode128StartA}}) {
        calc.Encode(VBarCode::Code128, QLatin1String(value), true);
        EXPECT_EQ(calc.Patterns().first(), BT::Code128(start)) << value;
    }
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

    // zbar reads number system 0 only; number system 1 takes the complemented parity rows.
    for (int check = 0; check < 10; ++check)
        EXPECT_EQ(QLatin1String(BT::UpcEParity(1, check)), inverted(QLatin1String(BT::UpcEParity(0, check))));
}
