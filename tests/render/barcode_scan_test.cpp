// Barcodes drawn by DrawBarcode must scan: zbarimg, a reader nobody here wrote, decodes them.
#include "model/units.h"
#include "model/v_bar_code.h"
#include "model/zel_font.h"
#include "render/barcode_painter.h"
#include "test_support.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

namespace
{

class BarcodeScan : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!testsupport::haveTool(QStringLiteral("zbarimg")))
            GTEST_SKIP() << "zbarimg (zbar-tools) is not installed";
        ASSERT_TRUE(m_dir.isValid());
    }

    QString newPath() { return m_dir.filePath(QStringLiteral("scan%1.png").arg(m_count++)); }

    // Decoded text of every symbol zbarimg finds, one per line.
    QString scanFile(const QString &path, const char *option = "")
    {
        QStringList args{QStringLiteral("--nodbus"), QStringLiteral("--raw"), QStringLiteral("-q")};
        if (*option) args << QString::fromLatin1(option);
        QString out = QString::fromUtf8(testsupport::runProgram(QStringLiteral("zbarimg"), args << path).out);
        if (out.endsWith(QLatin1Char('\n'))) out.chop(1);
        return out;
    }

    QString scan(const QImage &image, const char *option = "")
    {
        const QString path = newPath();
        return image.save(path) ? scanFile(path, option) : QStringLiteral("<image not saved>");
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

// Values that reach every entry of the hand-typed tables, in all four orientations in turn.
TEST_F(BarcodeScan, EveryTableEntryOfEverySymbology)
{
    struct Sample {
        int type;
        QString value;
        QString decoded; // with its check digit, as the reader returns it; empty: value + check digit
        const char *option;
    };
    QString printable;
    for (int c = 33; c < 127; ++c)
        printable += QChar(c);
    QString pairs;
    for (int v = 0; v < 100; ++v)
        pairs += QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
    const QString code39 = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%");
    QString setB = printable.mid(63); // '`' to '~' and a space
    setB.insert(1, QLatin1Char(' '));
    // zbar reports UPC-A as EAN-13 and UPC-E expanded unless those are enabled by name.
    std::vector<Sample> samples = {
        {VBarCode::Ean8, "5512345", "55123457", ""},
        {VBarCode::UpcA, "03600029145", "036000291452", "-Supca.enable"},
        {VBarCode::UpcE, "03600000029", "03602900", "-Supce.enable"}, // given as UPC-A
        {VBarCode::Code39, code39, code39, ""},
        {VBarCode::Code93, code39, code39, ""}, // zbar verifies both check characters
        {VBarCode::Code128, printable.left(63), printable.left(63), ""}, // '!' to '_': set A
        {VBarCode::Code128, setB, setB, ""},                             // set B
        {VBarCode::Code128, pairs, pairs, ""},                           // set C: values 0 to 99
        {VBarCode::Code128, "A{B", "AB", ""},                            // left out of the check value too
        {VBarCode::Itf, "1234567", "12345670", "-Si25.enable"},
        {VBarCode::Itf, "01234567890123456789", "01234567890123456789", "-Si25.enable"},
        {VBarCode::Codabar, "40156", "A40156A", "-Scodabar.enable"},
        {VBarCode::Codabar, "A0123456789-$:/.+B", "A0123456789-$:/.+B", "-Scodabar.enable"},
    };
    // Each leading digit selects another parity row of the EAN-13 table; the digits after it
    // rotate so that every digit appears in every number set.
    for (int first = 1; first <= 9; ++first) {
        QString value = QString::number(first);
        for (int i = 0; i < 11; ++i)
            value += QChar('0' + (first + i) % 10);
        samples.push_back({VBarCode::Ean13, value, {}, ""});
    }
    // UPC-E parity rows of number system 0: values whose check digits are 0, 1, ..., 9.
    const char *const upcE[10] = {"0123400", "0123409", "0123415", "0123405", "0123408",
                                  "0123412", "0123403", "0123407", "0123402", "0123401"};
    for (int check = 0; check < 10; ++check)
        samples.push_back({VBarCode::UpcE, upcE[check], QLatin1String(upcE[check]) + QString::number(check),
                           "-Supce.enable"});

    for (size_t i = 0; i < samples.size(); ++i) {
        const Sample &s = samples[i];
        VBarCode b = record(s.type, s.value);
        const int orientation = int(i % 4);
        b.SetOrientation(orientation);
        b.SetShowValue(true); // the printed value must not disturb the reader
        const QSize size(std::max(MeasureBarcode(b, 1).modules * 20, MmToTwips(40)), MmToTwips(20));
        const QString decoded = scan(drawAt300Dpi(b, orientation % 2 ? size.transposed() : size), s.option);
        if (s.decoded.isEmpty())
            EXPECT_TRUE(decoded.startsWith(s.value) && decoded.size() == s.value.size() + 1)
                << decoded.toStdString();
        else
            EXPECT_EQ(decoded, s.decoded) << "type " << s.type << " orientation " << orientation;
    }
}

TEST_F(BarcodeScan, QrSymbols)
{
    for (const QString &text :
         {QStringLiteral("https://example.com/p/400638133393"), QStringLiteral("Grüße, Привет, 12345")}) {
        VBarCode b = record(VBarCode::Qr, text);
        EXPECT_EQ(scan(drawAt300Dpi(b, QSize(MmToTwips(25), MmToTwips(25)))), text);
    }
}

// Pictures for exports and the command line's PNGs take another path (whole-pixel modules).
TEST_F(BarcodeScan, ExportedPictureFilesAndCliOutput)
{
    VBarCode ean = record(VBarCode::Ean13, QStringLiteral("400638133393"));
    const QRect rect(MmToTwips(20), MmToTwips(10), MmToTwips(50), MmToTwips(25));
    const QString jpeg =
        BarcodePictureFile(ean, rect, TZelFont(), m_dir.filePath(QStringLiteral("report.html")));
    ASSERT_FALSE(jpeg.isEmpty());
    EXPECT_EQ(scanFile(jpeg), "4006381333931");

    for (const auto &[type, value, size] :
         {std::tuple{"Code128", "Tessaly 1.0", "70x20"}, std::tuple{"12", "KareKod", "20x20"}}) {
        const QString out = newPath();
        const auto run = testsupport::runCli(
            {"barcode", "--type", type, "--value", value, "-o", out, "--size", size, "--dpi", "300"});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(scanFile(out), QString::fromLatin1(value));
    }
}
