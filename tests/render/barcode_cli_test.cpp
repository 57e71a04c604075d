#include "test_support.h"

#include <QFile>
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

// Each of the designer's type names, in any case and with or without its hyphen, is the same type as its
// number: the same pattern comes out.
TEST(BarcodeCli, TypesByNameAsByNumber)
{
    const struct {
        QStringList names;
        int code;
        const char *value;
    } types[] = {
        {{"Other", "other"}, 0, "123"},
        {{"EAN-8", "EAN8", "ean-8"}, 1, "1234567"},
        {{"EAN-13", "EAN13", "ean-13", "Ean13"}, 2, "400638133393"},
        {{"UPCA", "UPC-A", "upca"}, 3, "03600029145"},
        {{"UPCE", "upc-e"}, 4, "0123456"},
        {{"Code39", "CODE-39"}, 5, "ABC-1"},
        {{"Code128", "code128", "Code-128"}, 6, "Tessaly 1"},
        {{"CodeBar", "codebar"}, 7, "A123B"},
        {{"ITF", "itf"}, 10, "123456"},
        {{"Code93", "code-93"}, 11, "TEST93"},
        {{"KareKod", "QR", "qr", "karekod"}, 12, "https://example.org"},
    };
    for (const auto &t : types) {
        const auto byNumber =
            runCli({"barcode", "--type", QString::number(t.code), "--value", t.value, "--pattern"});
        // Other draws nothing: its name must still give the number's message.
        ASSERT_EQ(byNumber.exitCode, t.code == 0 ? 1 : 0) << t.code << byNumber.err.toStdString();
        for (const QString &name : t.names) {
            const auto byName = runCli({"barcode", "--type", name, "--value", t.value, "--pattern"});
            EXPECT_EQ(byName.exitCode, byNumber.exitCode) << name.toStdString() << byName.err.toStdString();
            EXPECT_EQ(byName.out, byNumber.out) << name.toStdString();
            EXPECT_EQ(byName.err, byNumber.err) << name.toStdString();
        }
    }
    // The help lists every name.
    const auto help = runCli({"barcode", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char *name : {"Other", "EAN-8", "EAN-13", "UPCA", "UPCE", "Code39", "Code128", "CodeBar",
                             "InterLeave", "FullASCII", "ITF", "Code93", "KareKod", "QR"})
        EXPECT_TRUE(help.out.contains(name)) << name;
}

TEST(BarcodeCli, PatternPngCheckCharacterAndExitCodes)
{
    auto r = runCli({"barcode", "--type", "EAN-13", "--value", "400638133393", "--pattern"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList ean = lines(r.out);
    ASSERT_GE(ean.size(), 2);
    EXPECT_EQ(ean[0].size(), 95);
    EXPECT_TRUE(ean[0].startsWith("1010001101") && ean[0].endsWith("1100110101"));
    EXPECT_EQ(ean[1], "1");

    // A QR pattern is its rows of modules, quiet zone included.
    r = runCli({"barcode", "--type", "12", "--value", "A", "--pattern"});
    ASSERT_EQ(r.exitCode, 0);
    const QStringList rows = lines(r.out).first().split(QLatin1Char(' '));
    EXPECT_EQ(rows.size(), 23);
    EXPECT_EQ(rows.first(), QString(23, QLatin1Char('0')));
    EXPECT_EQ(rows[1].left(9), "011111110");

    // The encoder's messages are errors: stderr, nothing on stdout.
    r = runCli({"barcode", "--type", "4", "--value", "12345678901", "--pattern"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(lines(r.err).first(), "Can not convert UPC-A TO UPC-E");
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    r = runCli({"barcode", "--type", "4", "--value", "0123456", "--no-check-digit"});
    EXPECT_EQ(lines(r.err).first(), "Data Length error must be 8 or 12 in UPC-A format");
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();

    const struct {
        QStringList args;
        int exitCode;
    } cases[] = {
        {{"--type", "5", "--value", "ab"}, 1}, // lower case is not Code 39
        {{"--type", "8", "--value", "12"}, 1}, // InterLeave is not stored
        {{"--type", "interleave", "--value", "12"}, 1},
        {{"--type", "13", "--value", "12"}, 2},
        {{"--type", "EAN-14", "--value", "12"}, 2},
        {{"--type", "2"}, 2},
        {{"--type", "2", "--value", "1", "--size", "50"}, 2},
        {{"--type", "2", "--value", "1", "--dpi", "-3"}, 2},
        {{"--type", "2", "--value", "1", "--bogus"}, 2},
    };
    for (const auto &c : cases)
        EXPECT_EQ(runCli(QStringList{"barcode"} + c.args).exitCode, c.exitCode)
            << c.args.join(' ').toStdString();

    // A PNG of the given size: the resolution is nudged from 300 DPI so that modules are whole pixels.
    QTemporaryDir dir;
    const QString out = dir.filePath("ean.png");
    r = runCli({"barcode", "--type", "2", "--value", "400638133393", "-o", out, "--size", "60x30"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QImage image(out);
    ASSERT_FALSE(image.isNull());
    const double dpi = image.dotsPerMeterX() * 0.0254;
    EXPECT_NEAR(dpi, 300, 30);
    EXPECT_NEAR(image.width() / dpi * 25.4, 60.0, 0.3);
    EXPECT_NEAR(image.height() / dpi * 25.4, 30.0, 0.3);

    const QString none = dir.filePath("none.png");
    EXPECT_EQ(runCli({"barcode", "--type", "2", "--value", "1", "-o", none}).exitCode, 1);
    EXPECT_FALSE(QFile::exists(none)) << "a length message writes no picture";
    EXPECT_EQ(runCli({"barcode", "--type", "2", "--value", "400638133393", "-o", dir.filePath("no/x.png")})
                  .exitCode,
              1);
}
