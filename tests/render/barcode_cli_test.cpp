#include "test_support.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testsupport::runCli;

namespace
{
QStringList lines(const QByteArray &out)
{
    return QString::fromUtf8(out).split(QLatin1Char('\n'));
}
} // namespace

TEST(BarcodeCli, PatternAndCheckCharacter)
{
    auto r = runCli({"barcode", "--type", "2", "--value", "400638133393", "--pattern"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList ean = lines(r.out);
    ASSERT_GE(ean.size(), 2);
    EXPECT_EQ(ean[0].size(), 95);
    EXPECT_TRUE(ean[0].startsWith("1010001101") && ean[0].endsWith("1100110101"));
    EXPECT_EQ(ean[1], "1");

    // A given wrong check digit is corrected: the same symbol.
    r = runCli({"barcode", "--type", "EAN-13", "--value", "4006381333930", "--no-check-digit", "--pattern"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(lines(r.out).first(), ean[0]);

    r = runCli({"barcode", "--type", "11", "--value", "TEST93", "--pattern"});
    EXPECT_EQ(lines(r.out).value(1), "+");
    r = runCli({"barcode", "--type", "6", "--value", "12345"});
    EXPECT_EQ(lines(r.out).value(1), "") << "Code 128 has no check character to show";

    r = runCli({"barcode", "--type", "12", "--value", "A", "--pattern"});
    ASSERT_EQ(r.exitCode, 0);
    const QStringList rows = lines(r.out).first().split(QLatin1Char(' '));
    EXPECT_EQ(rows.size(), 23);
    EXPECT_EQ(rows.first(), QString(23, QLatin1Char('0')));
    EXPECT_EQ(rows[1].left(9), "011111110");
}

TEST(BarcodeCli, MessagesAndExitCodes)
{
    auto r = runCli({"barcode", "--type", "2", "--value", "12345", "--pattern"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(lines(r.out).first(), "Data Length error must be 12");
    r = runCli({"barcode", "--type", "4", "--value", "12345678901", "--pattern"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(lines(r.out).first(), "Can not convert UPC-A TO UPC-E");
    r = runCli({"barcode", "--type", "4", "--value", "0123456", "--no-check-digit"});
    EXPECT_EQ(lines(r.out).first(), "Data Length error must be 8 or 12 in UPC-A format");

    EXPECT_EQ(runCli({"barcode", "--type", "5", "--value", "ab"}).exitCode, 1) << "lower case is not Code 39";
    EXPECT_EQ(runCli({"barcode", "--type", "8", "--value", "12"}).exitCode, 1) << "InterLeave is not stored";
    EXPECT_EQ(runCli({"barcode", "--type", "2"}).exitCode, 2);
    EXPECT_EQ(runCli({"barcode", "--type", "2", "--value", "1", "--size", "50"}).exitCode, 2);
    EXPECT_EQ(runCli({"barcode", "--type", "2", "--value", "1", "--dpi", "-3"}).exitCode, 2);
    EXPECT_EQ(runCli({"barcode", "--type", "2", "--value", "1", "--bogus"}).exitCode, 2);
}

TEST(BarcodeCli, PngOfTheGivenSize)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString out = dir.filePath("ean.png");
    auto r = runCli({"barcode", "--type", "2", "--value", "400638133393", "-o", out, "--size", "60x30"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QImage image(out);
    ASSERT_FALSE(image.isNull());
    // The resolution is nudged from 300 DPI so that modules are whole pixels; the size stays.
    const double dpi = image.dotsPerMeterX() * 0.0254;
    EXPECT_NEAR(dpi, 300, 30);
    EXPECT_NEAR(image.width() / dpi * 25.4, 60.0, 0.3);
    EXPECT_NEAR(image.height() / dpi * 25.4, 30.0, 0.3);

    EXPECT_EQ(runCli({"barcode", "--type", "2", "--value", "1", "-o", out}).exitCode, 1)
        << "a length message writes no picture";
    EXPECT_EQ(
        runCli({"barcode", "--type", "2", "--value", "400638133393", "-o", dir.filePath("no/such/x.png")})
            .exitCode,
        1);
}
