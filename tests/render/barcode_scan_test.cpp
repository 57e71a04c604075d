// Barcodes drawn by DrawBarcode must scan: zbarimg, a reader nobody here wrote, decodes them.
#include "model/units.h"
#include "model/v_bar_code.h"
#include "model/zel_font.h"
#include "render/barcode_painter.h"
#include "test_support.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testsupport::haveTool;
using testsupport::runProgram;

namespace
{

struct Sample {
    int type;
    const char *value;
    const char *decoded; // the value with its check digit, as the reader returns it
    const char *option;  // zbarimg option the symbology needs
};

// zbar reports UPC-A as EAN-13 with a leading 0 and UPC-E expanded to EAN-13 unless those
// symbologies are enabled by name; enabled, it returns their own 12 and 8 digits.
const Sample kSamples[] = {
    {VBarCode::Ean13, "400638133393", "4006381333931", ""},
    {VBarCode::Ean8, "5512345", "55123457", ""},
    {VBarCode::UpcA, "03600029145", "036000291452", "-Supca.enable"},
    {VBarCode::UpcE, "0654321", "06543217", "-Supce.enable"},
    {VBarCode::UpcE, "03600000029", "03602900", "-Supce.enable"}, // from a UPC-A number
    {VBarCode::Code39, "CODE-39 $/+%.X", "CODE-39 $/+%.X", ""},
    {VBarCode::Code93, "TEST93", "TEST93", ""}, // zbar verifies both check characters
    {VBarCode::Code93, "CODE 93-$/+%.", "CODE 93-$/+%.", ""},
    {VBarCode::Code128, "ABC-123", "ABC-123", ""},             // set A
    {VBarCode::Code128, "Hello, World!", "Hello, World!", ""}, // set B
    {VBarCode::Code128, "12345678", "12345678", ""},           // set C
    {VBarCode::Itf, "1234567", "12345670", "-Si25.enable"},
    {VBarCode::Codabar, "40156", "A40156A", "-Scodabar.enable"},
    {VBarCode::Codabar, "B1234-5D", "B1234-5D", "-Scodabar.enable"},
};

class BarcodeScan : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!haveTool(QStringLiteral("zbarimg"))) GTEST_SKIP() << "zbarimg (zbar-tools) is not installed";
        ASSERT_TRUE(m_dir.isValid());
    }

    // Decoded text of every symbol zbarimg finds, one per line.
    QString scan(const QImage &image, const char *option)
    {
        const QString path = m_dir.filePath(QStringLiteral("scan%1.png").arg(m_count++));
        if (!image.save(path)) return QStringLiteral("<image not saved>");
        return scanFile(path, option);
    }

    QString scanFile(const QString &path, const char *option)
    {
        QStringList args{QStringLiteral("--nodbus"), QStringLiteral("--raw"), QStringLiteral("-q")};
        if (*option) args << QString::fromLatin1(option);
        args << path;
        const auto run = runProgram(QStringLiteral("zbarimg"), args);
        QString out = QString::fromUtf8(run.out);
        if (out.endsWith(QLatin1Char('\n'))) out.chop(1);
        return out;
    }

    QTemporaryDir m_dir;
    int m_count = 0;
};

VBarCode record(int type, const QString &value)
{
    VBarCode b;
    b.SetType(type);
    EXPECT_TRUE(b.SetValue(value)) << value.toStdString();
    return b;
}

// Draws at exactly 300 DPI on a painter in twips, as a page print would: modules are whole
// twips but not whole pixels.
QImage drawAt300Dpi(VBarCode &b, QSize twips)
{
    const double scale = 300.0 / 1440.0;
    QImage image(int(std::ceil(twips.width() * scale)), int(std::ceil(twips.height() * scale)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    DrawBarcode(b, painter, QRect(QPoint(0, 0), twips), TZelFont(), DrawSurface::Printer);
    return image;
}

} // namespace

TEST_F(BarcodeScan, EverySymbologyAtThreeHundredDpiInEveryOrientation)
{
    const QSize wide(MmToTwips(60), MmToTwips(25));
    for (const Sample &s : kSamples) {
        for (int orientation = 0; orientation < 4; ++orientation) {
            VBarCode b = record(s.type, QString::fromLatin1(s.value));
            b.SetOrientation(orientation);
            b.SetShowValue(true); // the printed value must not disturb the reader
            const QImage image = drawAt300Dpi(b, orientation % 2 ? wide.transposed() : wide);
            EXPECT_EQ(scan(image, s.option), QString::fromLatin1(s.decoded))
                << "type " << s.type << " value " << s.value << " orientation " << orientation;
        }
    }
}

TEST_F(BarcodeScan, QrSymbolsAtThreeHundredDpi)
{
    const QString texts[] = {QStringLiteral("A"), QStringLiteral("https://example.com/p/400638133393"),
                             QStringLiteral("Grüße, Привет, 12345")};
    for (const QString &text : texts) {
        VBarCode b = record(VBarCode::Qr, text);
        EXPECT_EQ(scan(drawAt300Dpi(b, QSize(MmToTwips(25), MmToTwips(25))), ""), text);
    }
}

// Every entry of the tables a value can reach, decoded by the reader.
TEST_F(BarcodeScan, WholeCharacterSets)
{
    auto render = [&](int type, const QString &value) {
        VBarCode b = record(type, value);
        const int modules = MeasureBarcode(b, 1).modules;
        // 12 twips a module: whole pixels at the resolution RenderBarcodeImage chooses.
        return RenderBarcodeImage(b, QSize(modules * 12, MmToTwips(20)), TZelFont(), 300);
    };
    QString printable;
    for (int c = 32; c < 127; ++c)
        printable += QChar(c);
    for (int from = 0; from < printable.size(); from += 32) {
        const QString chunk = printable.mid(from, 32).trimmed();
        EXPECT_EQ(scan(render(VBarCode::Code128, chunk), ""), chunk) << "set B";
    }
    const QString setA = printable.mid(1, 63); // '!' to '_', no lower case
    EXPECT_EQ(scan(render(VBarCode::Code128, setA), ""), setA);
    QString pairs;
    for (int v = 0; v < 100; ++v)
        pairs += QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
    EXPECT_EQ(scan(render(VBarCode::Code128, pairs), ""), pairs);

    const QString code39 = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-.$/+%");
    EXPECT_EQ(scan(render(VBarCode::Code39, code39), ""), code39);
    EXPECT_EQ(scan(render(VBarCode::Code93, code39), ""), code39);
    EXPECT_EQ(scan(render(VBarCode::Codabar, QStringLiteral("A0123456789-$:/.+B")), "-Scodabar.enable"),
              "A0123456789-$:/.+B");
    EXPECT_EQ(scan(render(VBarCode::Itf, QStringLiteral("01234567890123456789")), "-Si25.enable"),
              "01234567890123456789");
    // Each leading digit selects another parity row of the EAN-13 table.
    for (int first = 1; first <= 9; ++first) {
        const QString value = QString::number(first) + QStringLiteral("23456789012");
        const QString decoded = scan(render(VBarCode::Ean13, value), "");
        EXPECT_TRUE(decoded.startsWith(value)) << decoded.toStdString();
    }
    // UPC-E parity rows: values whose check digits are 0, 1, ..., 9. zbar reads number system 0
    // only (its UPC-E expansion always writes a leading 0), so the complemented rows of number
    // system 1 are checked against the table in the encoder tests instead.
    const char *const upcE[10] = {"0123400", "0123409", "0123415", "0123405", "0123408",
                                  "0123412", "0123403", "0123407", "0123402", "0123401"};
    for (int check = 0; check < 10; ++check)
        EXPECT_EQ(scan(render(VBarCode::UpcE, QLatin1String(upcE[check])), "-Supce.enable"),
                  QLatin1String(upcE[check]) + QString::number(check));
}

TEST_F(BarcodeScan, ExportedPictureFilesAndCliOutput)
{
    VBarCode ean = record(VBarCode::Ean13, QStringLiteral("400638133393"));
    const QRect rect(MmToTwips(20), MmToTwips(10), MmToTwips(50), MmToTwips(25));
    const QString jpeg =
        BarcodePictureFile(ean, rect, TZelFont(), m_dir.filePath(QStringLiteral("report.html")));
    ASSERT_FALSE(jpeg.isEmpty());
    EXPECT_EQ(scanFile(jpeg, ""), "4006381333931");

    VBarCode code93 = record(VBarCode::Code93, QStringLiteral("TEST93"));
    code93.SetOrientation(3);
    const QString rotated = BarcodePictureFile(code93, QRect(0, 0, MmToTwips(20), MmToTwips(45)), TZelFont(),
                                               m_dir.filePath(QStringLiteral("report.rtf")));
    EXPECT_EQ(scanFile(rotated, ""), "TEST93");

    const struct {
        const char *type;
        const char *value;
        const char *size;
        const char *decoded;
        const char *option;
    } cli[] = {
        {"4", "0654321", "40x20", "06543217", "-Supce.enable"},
        {"Code128", "Tessaly 1.0", "70x20", "Tessaly 1.0", ""},
        {"12", "KareKod", "20x20", "KareKod", ""},
    };
    for (const auto &c : cli) {
        const QString out = m_dir.filePath(QStringLiteral("cli_%1.png").arg(m_count++));
        const auto run = testsupport::runCli(
            {"barcode", "--type", c.type, "--value", c.value, "-o", out, "--size", c.size, "--dpi", "300"});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(scanFile(out, c.option), QString::fromLatin1(c.decoded));
    }
}
