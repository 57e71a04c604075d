#include "model/v_bar_code.h"

#include <gtest/gtest.h>

namespace
{
VBarCode withType(int type, bool checkDigitComputed = true)
{
    VBarCode b;
    b.SetCheckDigitComputed(checkDigitComputed);
    b.SetType(type);
    return b;
}
} // namespace

TEST(VBarCodeValidation, TypeCodesOutsideTheListBecomeInvalid)
{
    for (int type : {-1, 0, 1, 2, 3, 4, 5, 6, 7, 10, 11, 12}) {
        VBarCode b;
        EXPECT_TRUE(b.SetType(type)) << type;
        EXPECT_EQ(b.Type(), type);
    }
    for (int type : {8, 9, 13, -2, 1000}) {
        VBarCode b;
        EXPECT_FALSE(b.SetType(type)) << type;
        EXPECT_EQ(b.Type(), VBarCode::Invalid) << type;
        EXPECT_TRUE(b.Changed());
    }
}

TEST(VBarCodeValidation, RejectedValuesTurnIntoError)
{
    const struct {
        int type;
        const char *value;
    } rejected[] = {
        {VBarCode::Ean13, "40063813339X"}, {VBarCode::Ean8, "12a4567"}, {VBarCode::UpcA, "0360002914-"},
        {VBarCode::UpcE, "01234 56"},      {VBarCode::Code39, "ab"},    {VBarCode::Code39, "A*B"},
        {VBarCode::Code128, ""},           {VBarCode::Codabar, "12E4"}, {VBarCode::Itf, "12 34"},
        {VBarCode::Code93, "Code93"},
    };
    for (const auto &r : rejected) {
        VBarCode b = withType(r.type);
        EXPECT_FALSE(b.SetValue(QString::fromLatin1(r.value))) << r.type << " " << r.value;
        EXPECT_EQ(b.Type(), VBarCode::Invalid) << r.value;
        EXPECT_EQ(b.Value(), "ERROR") << r.value;
    }
    const struct {
        int type;
        const char *value;
    } accepted[] = {
        {VBarCode::Code39, "CODE-39 $/+%. "}, {VBarCode::Code128, "Any text, {even} this ~"},
        {VBarCode::Codabar, "A12-$:/.+B"},    {VBarCode::Itf, "0123"},
        {VBarCode::Code93, "CODE 93"},        {VBarCode::Qr, "https://example.com/?q=1"},
    };
    for (const auto &a : accepted) {
        VBarCode b = withType(a.type);
        EXPECT_TRUE(b.SetValue(QString::fromLatin1(a.value))) << a.value;
        EXPECT_EQ(b.Type(), a.type);
        EXPECT_EQ(b.Value(), QString::fromLatin1(a.value)) << "only the numeric types trim";
    }
}

TEST(VBarCodeValidation, NumericTypesTrimAndDropATypedCheckDigit)
{
    VBarCode ean13 = withType(VBarCode::Ean13);
    EXPECT_TRUE(ean13.SetValue(" 4006381333931 "));
    EXPECT_EQ(ean13.Value(), "400638133393");
    EXPECT_TRUE(ean13.SetValue("400638133393"));
    EXPECT_EQ(ean13.Value(), "400638133393");
    EXPECT_TRUE(ean13.SetValue("4006381")); // short values stay; the encoder reports the length
    EXPECT_EQ(ean13.Value(), "4006381");

    VBarCode ean8 = withType(VBarCode::Ean8);
    EXPECT_TRUE(ean8.SetValue("55123457"));
    EXPECT_EQ(ean8.Value(), "5512345");

    VBarCode upcA = withType(VBarCode::UpcA);
    EXPECT_TRUE(upcA.SetValue("036000291452"));
    EXPECT_EQ(upcA.Value(), "03600029145");

    // UPC-E takes its own 7 digits or a UPC-A number of 11, each with a typed check digit.
    VBarCode upcE = withType(VBarCode::UpcE);
    EXPECT_TRUE(upcE.SetValue("01234565"));
    EXPECT_EQ(upcE.Value(), "0123456");
    EXPECT_TRUE(upcE.SetValue("036000000290"));
    EXPECT_EQ(upcE.Value(), "03600000029");

    // Without the computed check digit the data length includes it, so only a further digit goes.
    VBarCode manual = withType(VBarCode::Ean13, false);
    EXPECT_TRUE(manual.SetValue("4006381333930"));
    EXPECT_EQ(manual.Value(), "4006381333930");
    EXPECT_TRUE(manual.SetValue("40063813339307"));
    EXPECT_EQ(manual.Value(), "4006381333930");

    // ITF keeps its digits: the encoder decides about the check digit by the length.
    VBarCode itf = withType(VBarCode::Itf);
    EXPECT_TRUE(itf.SetValue("1234"));
    EXPECT_EQ(itf.Value(), "1234");
}
