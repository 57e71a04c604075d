#include "model/v_bar_code.h"

#include <gtest/gtest.h>

TEST(VBarCodeValidation, TypeCodesOutsideTheListBecomeInvalid)
{
    for (int type : {-1, 0, 1, 7, 10, 11, 12}) {
        VBarCode b;
        EXPECT_TRUE(b.SetType(type)) << type;
        EXPECT_EQ(b.Type(), type);
    }
    for (int type : {8, 9, 13, -2}) {
        VBarCode b;
        EXPECT_FALSE(b.SetType(type)) << type;
        EXPECT_EQ(b.Type(), VBarCode::Invalid) << type;
        EXPECT_TRUE(b.Changed());
    }
}

TEST(VBarCodeValidation, ValuesAreCheckedTrimmedAndLoseATypedCheckDigit)
{
    const struct {
        int type;
        const char *value;
        const char *stored; // nullptr: rejected, the type becomes -1 and the value "ERROR"
        bool checkDigitComputed = true;
    } cases[] = {
        {VBarCode::Ean13, "40063813339X", nullptr},
        {VBarCode::Ean8, "12a4567", nullptr},
        {VBarCode::UpcE, "01234 56", nullptr},
        {VBarCode::Code39, "ab", nullptr},
        {VBarCode::Code39, "A*B", nullptr},
        {VBarCode::Code128, "", nullptr},
        {VBarCode::Codabar, "12E4", nullptr},
        {VBarCode::Itf, "12 34", nullptr},
        {VBarCode::Code93, "Code93", nullptr},
        // Only the numeric types trim.
        {VBarCode::Code39, "CODE-39 $/+%. ", "CODE-39 $/+%. "},
        {VBarCode::Code128, "Any text, {even} this ~", "Any text, {even} this ~"},
        {VBarCode::Codabar, "A12-$:/.+B", "A12-$:/.+B"},
        {VBarCode::Code93, "CODE 93", "CODE 93"},
        {VBarCode::Qr, "https://example.com/?q=1", "https://example.com/?q=1"},
        {VBarCode::Ean13, " 4006381333931 ", "400638133393"},
        {VBarCode::Ean13, "4006381", "4006381"}, // short values stay; the encoder reports the length
        {VBarCode::Ean8, "55123457", "5512345"},
        {VBarCode::UpcA, "036000291452", "03600029145"},
        // UPC-E takes its own 7 digits or a UPC-A number of 11, each with a typed check digit.
        {VBarCode::UpcE, "01234565", "0123456"},
        {VBarCode::UpcE, "036000000290", "03600000029"},
        // Without the computed check digit the data length includes it: only a further digit goes.
        {VBarCode::Ean13, "4006381333930", "4006381333930", false},
        {VBarCode::Ean13, "40063813339307", "4006381333930", false},
        {VBarCode::Itf, "1234", "1234"}, // the encoder decides about the check digit by the length
    };
    for (const auto &c : cases) {
        VBarCode b;
        b.SetCheckDigitComputed(c.checkDigitComputed);
        b.SetType(c.type);
        EXPECT_EQ(b.SetValue(QString::fromLatin1(c.value)), c.stored != nullptr) << c.value;
        EXPECT_EQ(b.Type(), c.stored ? c.type : int(VBarCode::Invalid)) << c.value;
        EXPECT_EQ(b.Value(), QLatin1String(c.stored ? c.stored : "ERROR")) << c.value;
    }
}
