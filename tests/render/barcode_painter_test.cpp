#include "model/units.h"
#include "model/v_bar_code.h"
#include "model/zel_font.h"
#include "render/barcode_painter.h"
#include "render/qr_symbol.h"
#include "test_support.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

const QRgb kBar = qRgb(0, 0, 255);
const QRgb kText = qRgb(255, 0, 0);

VBarCode ean13()
{
    VBarCode b;
    b.SetValue(QStringLiteral("400638133393"));
    b.SetColor(RefFromColor(QColor(kBar)));
    b.SetChanged(false);
    return b;
}

TZelFont redFont()
{
    TZelFont f;
    f.SetFontColor(RefFromColor(QColor(kText)));
    return f;
}

// One pixel per twip, so positions read straight off the image.
QImage draw(VBarCode &b, QSize twips, const TZelFont &font = redFont(),
            DrawSurface surface = DrawSurface::Bitmap)
{
    QImage image(twips, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawBarcode(b, painter, QRect(QPoint(0, 0), twips), font, surface);
    return image;
}

bool isBar(QRgb c)
{
    return c == kBar;
}
bool isText(QRgb c)
{
    return qRed(c) > 128 && qGreen(c) < 128 && qBlue(c) < 128;
}

int firstBarColumn(const QImage &image, int row)
{
    for (int x = 0; x < image.width(); ++x)
        if (isBar(image.pixel(x, row))) return x;
    return -1;
}

// Rows [first, last] of column x in the bar colour, {-1, -1} when none.
std::pair<int, int> barRows(const QImage &image, int x)
{
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y)
        if (isBar(image.pixel(x, y))) {
            if (first < 0) first = y;
            last = y;
        }
    return {first, last};
}

bool allWhite(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
    return true;
}

} // namespace

// EAN-13 has 11 + 95 + 7 = 113 modules; 2834 twips is about 50 mm.
TEST(BarcodeDrawing, ModuleWidthAndOffsetBySizeMode)
{
    VBarCode custom = ean13();
    QImage image = draw(custom, QSize(2834, 400));
    EXPECT_EQ(custom.LineWidth(), 25.0) << "2834 div 113";
    EXPECT_FALSE(custom.Changed()) << "drawing does not make the document modified";
    EXPECT_EQ(firstBarColumn(image, 200), 11 * 25) << "custom size starts at the edge, after the quiet zone";
    // Start guard 101: bar, space, bar of one module each.
    EXPECT_TRUE(isBar(image.pixel(275, 200)) && isBar(image.pixel(299, 200)));
    EXPECT_FALSE(isBar(image.pixel(300, 200)) || isBar(image.pixel(324, 200)));
    EXPECT_TRUE(isBar(image.pixel(325, 200)));
    // The end guard's last bar is the symbol's last dark module.
    EXPECT_TRUE(isBar(image.pixel(275 + 95 * 25 - 1, 200)));
    EXPECT_FALSE(isBar(image.pixel(275 + 95 * 25, 200)));

    VBarCode standard = ean13();
    standard.SetCustomSize(false);
    EXPECT_EQ(MeasureBarcode(standard, 2834).offset, 359) << "trunc((2834 - 113 * 18.7087) / 2)";
    image = draw(standard, QSize(2834, 400));
    EXPECT_NEAR(standard.LineWidth(), 18.70866139824, 1e-9);
    EXPECT_EQ(firstBarColumn(image, 200), 359 + 11 * 18) << "modules advance by trunc(w)";

    standard.SetFactor(2.0f); // 113 * 37.4 > 2834: the symbol starts at the edge and runs over
    EXPECT_EQ(MeasureBarcode(standard, 2834).offset, 0);
    EXPECT_EQ(firstBarColumn(draw(standard, QSize(2834, 400)), 200), 11 * 37);

    VBarCode manual = ean13();
    manual.SetManualWidth(true);
    manual.SetLineWidth(20);
    image = draw(manual, QSize(2834, 400));
    EXPECT_EQ(manual.LineWidth(), 20.0) << "a manual width is kept";
    EXPECT_EQ(firstBarColumn(image, 200), (2834 - 113 * 20) / 2 + 11 * 20);

    // More modules than twips: width 0, nothing visible, nothing breaks.
    VBarCode tiny = ean13();
    EXPECT_TRUE(allWhite(draw(tiny, QSize(100, 100))));
    EXPECT_EQ(tiny.LineWidth(), 0.0);
}

TEST(BarcodeDrawing, BarLengthTextBandAndGuards)
{
    // Value below, automatic height: t = trunc(25 / 18.7087 * 155.9055) = 208.
    VBarCode below = ean13();
    below.SetShowValue(true);
    QImage image = draw(below, QSize(2834, 1000));
    const int guard = 275 + 12;                     // inside the first bar of the start guard
    const int dataBar = 275 + 3 * 25 + 3 * 25 + 12; // second digit piece "0001101": its first bar
    EXPECT_EQ(barRows(image, guard), std::make_pair(0, 999)) << "guard bars reach down through the text band";
    EXPECT_EQ(barRows(image, dataBar), std::make_pair(0, 1000 - 208 - 1));
    const QRect band(275 + 3 * 25, 1000 - 208, 42 * 25, 208); // under the left digits
    int textPixels = 0;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x)
            textPixels += isText(image.pixel(x, y));
    EXPECT_GT(textPixels, 500) << "digits are printed under their pieces in the font colour";
    // EAN-13's first digit stands in the left quiet zone.
    int quietText = 0;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = 0; x < 275; ++x)
            quietText += isText(image.pixel(x, y));
    EXPECT_GT(quietText, 50);
    int aboveBand = 0;
    for (int y = 0; y < 1000 - 208; ++y)
        for (int x = 0; x < 2834; ++x)
            aboveBand += isText(image.pixel(x, y));
    EXPECT_EQ(aboveBand, 0);

    // Value above: every bar starts below the band and the guards are not lengthened.
    VBarCode above = ean13();
    above.SetShowValue(true);
    above.SetValuePos(0);
    image = draw(above, QSize(2834, 1000));
    EXPECT_EQ(barRows(image, guard), std::make_pair(208, 999));
    EXPECT_EQ(barRows(image, dataBar), std::make_pair(208, 999));

    // Manual height: margins cut the bars; a manual font size sets the band.
    VBarCode margins = ean13();
    margins.SetManualHeight(true);
    margins.SetMarginTop(100);
    margins.SetMarginBottom(150);
    EXPECT_EQ(barRows(draw(margins, QSize(2834, 1000)), dataBar), std::make_pair(100, 849));
    margins.SetShowValue(true);
    margins.SetFontSizeSet(1);
    TZelFont font = redFont();
    font.SetFontHeight(5.0); // 283 twips
    image = draw(margins, QSize(2834, 1000), font);
    EXPECT_EQ(barRows(image, dataBar), std::make_pair(100, 1000 - 150 - 283 - 1));
    EXPECT_EQ(barRows(image, guard), std::make_pair(100, 1000 - 150 - 1));

    // Standard size: t = trunc(155.9055 * factor).
    VBarCode standard = ean13();
    standard.SetCustomSize(false);
    standard.SetShowValue(true);
    const int x = firstBarColumn(draw(standard, QSize(2834, 600)), 10) + 3 * 18 + 3 * 18 + 5;
    EXPECT_EQ(barRows(draw(standard, QSize(2834, 600)), x), std::make_pair(0, 600 - 155 - 1));
}

TEST(BarcodeDrawing, OrientationsTurnCounterClockwise)
{
    // The symbol starts 11 modules from the start edge: left (0), bottom (90), right (180), top (270).
    for (int o = 0; o < 4; ++o) {
        VBarCode b = ean13();
        b.SetOrientation(o);
        b.SetShowValue(true); // band on the bars' far side: bottom, right, top, left
        const QSize size = o % 2 ? QSize(1000, 2834) : QSize(2834, 1000);
        const QImage image = draw(b, size);
        EXPECT_EQ(b.LineWidth(), 25.0) << o;
        int start = -1;
        for (int i = 0; i < 2834 && start < 0; ++i) {
            const QPoint p = o == 0   ? QPoint(i, 500)
                             : o == 1 ? QPoint(500, 2833 - i)
                             : o == 2 ? QPoint(2833 - i, 500)
                                      : QPoint(500, i);
            if (isBar(image.pixel(p))) start = i;
        }
        EXPECT_EQ(start, 275) << "orientation " << o;
        // A data bar stops at the text band, a guard goes through it.
        const int across = 1000 - 208;
        const QPoint dataEnd = o == 0   ? QPoint(437, across - 1)
                               : o == 1 ? QPoint(across - 1, 2833 - 437)
                               : o == 2 ? QPoint(2833 - 437, 1000 - across)
                                        : QPoint(1000 - across, 437);
        const QPoint dataBand = o == 0   ? QPoint(437, across + 5)
                                : o == 1 ? QPoint(across + 5, 2833 - 437)
                                : o == 2 ? QPoint(2833 - 437, 1000 - across - 6)
                                         : QPoint(1000 - across - 6, 437);
        const QPoint guardBand = o == 0   ? QPoint(287, 995)
                                 : o == 1 ? QPoint(995, 2833 - 287)
                                 : o == 2 ? QPoint(2833 - 287, 4)
                                          : QPoint(4, 287);
        EXPECT_TRUE(isBar(image.pixel(dataEnd))) << o;
        EXPECT_FALSE(isBar(image.pixel(dataBand))) << o;
        EXPECT_TRUE(isBar(image.pixel(guardBand))) << o;
    }
}

TEST(BarcodeDrawing, Code128PrintsOneStretchedLine)
{
    // 12345678: start, 4 pairs, check, stop (79 modules with the termination bar) + 18 quiet.
    VBarCode b;
    b.SetType(VBarCode::Code128);
    b.SetValue(QStringLiteral("12345678"));
    b.SetShowValue(true);
    const QImage image = draw(b, QSize(97 * 20, 600));
    EXPECT_EQ(b.LineWidth(), 20.0);
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isText(image.pixel(x, y))) ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    // From 11 modules after the start character's first module to 11 modules before the end.
    const int x0 = (11 + 11) * 20, x1 = (11 + 79 - 11) * 20;
    EXPECT_NEAR(ink.left(), x0, 60);
    EXPECT_NEAR(ink.right(), x1, 60);
    EXPECT_GE(ink.top(), 600 - 166) << "t = trunc(20 / 18.7087 * 155.9055)";
}

TEST(BarcodeDrawing, QrSymbolStretchedOntoTheRectangle)
{
    const QImage symbol = QrSymbolImage(QStringLiteral("A"));
    ASSERT_EQ(symbol.size(), QSize(23, 23)) << "version 1 (21 x 21) and a one-module quiet zone";
    EXPECT_TRUE(QrSymbolImage(QString()).isNull());

    VBarCode qr;
    qr.SetType(VBarCode::Qr);
    qr.SetValue(QStringLiteral("A"));
    for (DrawSurface surface : {DrawSurface::Screen, DrawSurface::Printer}) {
        // 460 x 230: modules of 20 x 10.
        const QImage image = draw(qr, QSize(460, 230), redFont(), surface);
        auto module = [&](int col, int row) { return qGray(image.pixel(col * 20 + 10, row * 10 + 5)) < 128; };
        EXPECT_FALSE(module(0, 0)) << "quiet zone";
        EXPECT_TRUE(module(1, 1)) << "finder pattern corner";
        EXPECT_FALSE(module(2, 2)) << "finder pattern ring";
        EXPECT_TRUE(module(4, 4)) << "finder pattern centre";
        EXPECT_TRUE(module(21, 1) && module(1, 21)) << "the other two finder patterns";
        EXPECT_FALSE(module(22, 22));
        // Edges are sharp: every pixel is black or white.
        int grey = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int g = qGray(image.pixel(x, y));
                grey += g > 30 && g < 225;
            }
        EXPECT_EQ(grey, 0);
    }
    qr.SetRawValue(QString());
    EXPECT_TRUE(allWhite(draw(qr, QSize(230, 230))));
}

TEST(BarcodeDrawing, NothingForInvalidOtherOrUnencodableValues)
{
    VBarCode invalid = ean13();
    invalid.SetValue(QStringLiteral("12AB")); // type -1, value ERROR
    EXPECT_TRUE(allWhite(draw(invalid, QSize(2834, 500))));
    VBarCode other = ean13();
    other.SetType(VBarCode::Other);
    EXPECT_TRUE(allWhite(draw(other, QSize(2834, 500))));
    VBarCode shortValue = ean13();
    shortValue.SetValue(QStringLiteral("12345")); // the encoder answers with its length message
    EXPECT_TRUE(allWhite(draw(shortValue, QSize(2834, 500))));
    VBarCode raw = ean13();
    raw.SetRawValue(QStringLiteral("not digits"));
    EXPECT_TRUE(allWhite(draw(raw, QSize(2834, 500))));
    VBarCode huge = ean13();
    huge.SetManualWidth(true);
    huge.SetLineWidth(1e12);
    huge.SetManualHeight(true);
    huge.SetMarginTop(5000); // longer than the rectangle: no bars
    EXPECT_TRUE(allWhite(draw(huge, QSize(2834, 500))));
}

TEST(BarcodeDrawing, PictureFilesAreNamedByPositionAndHaveWholePixelModules)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString output = dir.filePath(QStringLiteral("invoice.rtf"));
    const QRect rect(MmToTwips(20), MmToTwips(10), 2834, 1000); // 20 mm, 10 mm (567 twips rounds to 10)
    EXPECT_EQ(BarcodePictureFileName(QStringLiteral("400638133393"), rect, output),
              dir.filePath(QStringLiteral("invoice_barcode_400638133393_20_10.jpeg")));
    EXPECT_EQ(
        BarcodePictureFileName(QStringLiteral("A/B\\C"), QRect(0, 0, 10, 10), QStringLiteral("/x/out.pdf")),
        QStringLiteral("/x/out_barcode_A_B_C_0_0.jpeg"));

    VBarCode b = ean13();
    const QString written = BarcodePictureFile(b, rect, redFont(), output);
    ASSERT_EQ(written, dir.filePath(QStringLiteral("invoice_barcode_400638133393_20_10.jpeg")));
    const QImage jpeg(written);
    ASSERT_FALSE(jpeg.isNull());

    // At about 300 DPI a 25-twip module becomes 5 pixels: every bar and space is a multiple of 5.
    const QImage image = RenderBarcodeImage(b, rect.size(), redFont(), 300);
    EXPECT_EQ(image.width(), 567);
    EXPECT_EQ(jpeg.size(), image.size());
    const int row = image.height() / 2;
    QList<int> runs{1};
    for (int x = 1; x < image.width(); ++x) {
        if (isBar(image.pixel(x, row)) == isBar(image.pixel(x - 1, row)))
            ++runs.last();
        else
            runs << 1;
    }
    ASSERT_EQ(runs.size(), 1 + 59 + 1) << "quiet zone, 30 bars and 29 spaces, quiet zone";
    EXPECT_EQ(runs.first(), 55);
    for (int i = 1; i < 60; ++i)
        EXPECT_EQ(runs[i] % 5, 0) << "run " << i << " is " << runs[i] << " pixels";

    // An unwritable place gives an empty name instead of a crash.
    EXPECT_TRUE(BarcodePictureFile(b, rect, redFont(), QStringLiteral("/nonexistent/dir/x.pdf")).isEmpty());
}
