#include "model/units.h"
#include "model/v_bar_code.h"
#include "model/zel_font.h"
#include "render/barcode_painter.h"
#include "render/qr_symbol.h"
#include "render_test_util.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace rendertest;

namespace
{

const QRgb kBar = qRgb(0, 0, 255);

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
    f.SetFontColor(Rgb(255, 0, 0));
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

// Rows [first, last] of column x in the bar colour.
std::pair<int, int> barRows(const QImage &image, int x)
{
    const QRect bar = boundsOf(image.copy(x, 0, 1, image.height()), isBar);
    return {bar.top(), bar.bottom()};
}

// EAN-13 has 11 + 95 + 7 = 113 modules; 2834 twips is about 50 mm.
constexpr int kGuard = 275 + 12;            // inside the first bar of the start guard
constexpr int kDataBar = 275 + 6 * 25 + 12; // the first bar of the second digit's piece
constexpr int kBand = 208;                  // text band: trunc(25 / 18.7087 * 155.9055)

} // namespace

TEST(BarcodeDrawing, ModuleWidthAndOffsetBySizeMode)
{
    VBarCode custom = ean13();
    QImage image = draw(custom, QSize(2834, 400));
    EXPECT_EQ(custom.LineWidth(), 25.0) << "2834 div 113, written back for the properties dialog";
    EXPECT_FALSE(custom.Changed()) << "drawing does not make the document modified";
    // The end guard's last bar is the symbol's last dark module: every module is 25 twips.
    EXPECT_TRUE(isBar(image.pixel(275 + 95 * 25 - 1, 200)));
    EXPECT_FALSE(isBar(image.pixel(275 + 95 * 25, 200)));

    const struct {
        bool customSize;
        float factor;
        double manualWidth;
        int firstBar;
    } cases[] = {
        {true, 1, 0, 11 * 25},                          // custom size starts at the edge
        {false, 1, 0, 359 + 11 * 18},                   // 0.33 mm modules centred, advancing by trunc(w)
        {false, 2, 0, 11 * 37},                         // too wide for the rectangle: from the edge
        {true, 1, 20, (2834 - 113 * 20) / 2 + 11 * 20}, // a manual width is kept and centred
    };
    for (const auto &c : cases) {
        VBarCode b = ean13();
        b.SetCustomSize(c.customSize);
        b.SetFactor(c.factor);
        b.SetManualWidth(c.manualWidth > 0);
        if (c.manualWidth > 0) b.SetLineWidth(c.manualWidth);
        EXPECT_EQ(firstBarColumn(draw(b, QSize(2834, 400)), 200), c.firstBar) << c.firstBar;
    }

    // More modules than twips: width 0, nothing visible, nothing breaks.
    VBarCode tiny = ean13();
    EXPECT_TRUE(inkBounds(draw(tiny, QSize(100, 100))).isEmpty());
    EXPECT_EQ(tiny.LineWidth(), 0.0);
}

TEST(BarcodeDrawing, BarLengthTextBandAndGuards)
{
    VBarCode below = ean13();
    below.SetShowValue(true);
    QImage image = draw(below, QSize(2834, 1000));
    EXPECT_EQ(barRows(image, kGuard), std::pair(0, 999)) << "guard bars reach down through the text band";
    EXPECT_EQ(barRows(image, kDataBar), std::pair(0, 1000 - kBand - 1));
    // Digits in the font colour under their pieces, the first one in the left quiet zone; none above.
    EXPECT_GT(countPixels(image.copy(275 + 75, 1000 - kBand, 42 * 25, kBand), isText), 500);
    EXPECT_GT(countPixels(image.copy(0, 1000 - kBand, 275, kBand), isText), 50);
    EXPECT_EQ(countPixels(image.copy(0, 0, 2834, 1000 - kBand), isText), 0);

    // Value above: every bar starts below the band and the guards are not lengthened.
    below.SetValuePos(0);
    image = draw(below, QSize(2834, 1000));
    EXPECT_EQ(barRows(image, kGuard), std::pair(kBand, 999));
    EXPECT_EQ(barRows(image, kDataBar), std::pair(kBand, 999));

    // Manual height: margins cut the bars; a manual font size sets the band.
    VBarCode margins = ean13();
    margins.SetManualHeight(true);
    margins.SetMarginTop(100);
    margins.SetMarginBottom(150);
    EXPECT_EQ(barRows(draw(margins, QSize(2834, 1000)), kDataBar), std::pair(100, 849));
    margins.SetShowValue(true);
    margins.SetFontSizeSet(1);
    TZelFont font = redFont();
    font.SetFontHeight(5.0); // 283 twips
    image = draw(margins, QSize(2834, 1000), font);
    EXPECT_EQ(barRows(image, kDataBar), std::pair(100, 1000 - 150 - 283 - 1));
    EXPECT_EQ(barRows(image, kGuard), std::pair(100, 1000 - 150 - 1));

    // Standard size: t = trunc(155.9055 * factor).
    VBarCode standard = ean13();
    standard.SetCustomSize(false);
    standard.SetShowValue(true);
    image = draw(standard, QSize(2834, 600));
    EXPECT_EQ(barRows(image, firstBarColumn(image, 10) + 6 * 18 + 5), std::pair(0, 600 - 155 - 1));
}

TEST(BarcodeDrawing, OrientationsTurnCounterClockwise)
{
    // The symbol starts 11 modules from the start edge: left (0), bottom (90), right (180), top (270);
    // the text band lies on the bars' far side: bottom, right, top, left.
    for (int o = 0; o < 4; ++o) {
        VBarCode b = ean13();
        b.SetOrientation(o);
        b.SetShowValue(true);
        const QImage image = draw(b, o % 2 ? QSize(1000, 2834) : QSize(2834, 1000));
        EXPECT_EQ(b.LineWidth(), 25.0) << o;
        // A point (along, across) of the unturned symbol in the turned image.
        auto barAt = [&](int along, int across) {
            const QPoint p = o == 0   ? QPoint(along, across)
                             : o == 1 ? QPoint(across, 2833 - along)
                             : o == 2 ? QPoint(2833 - along, 999 - across)
                                      : QPoint(999 - across, along);
            return isBar(image.pixel(p));
        };
        int start = 0;
        while (start < 2834 && !barAt(start, 500))
            ++start;
        EXPECT_EQ(start, 275) << "orientation " << o;
        EXPECT_TRUE(barAt(kDataBar, 1000 - kBand - 1)) << o;
        EXPECT_FALSE(barAt(kDataBar, 1000 - kBand + 5)) << o << ": a data bar stops at the band";
        EXPECT_TRUE(barAt(kGuard, 995)) << o << ": a guard goes through it";
    }
}

TEST(BarcodeDrawing, Code128PrintsOneStretchedLine)
{
    // 12345678: start, 4 pairs, check, stop (79 modules with the termination bar) + 18 quiet.
    VBarCode b;
    b.SetType(VBarCode::Code128);
    b.SetValue(QStringLiteral("12345678"));
    b.SetShowValue(true);
    const QRect ink = boundsOf(draw(b, QSize(97 * 20, 600)), isText);
    ASSERT_FALSE(ink.isEmpty());
    // From 11 modules after the start character's first module to 11 modules before the end.
    EXPECT_NEAR(ink.left(), (11 + 11) * 20, 60);
    EXPECT_NEAR(ink.right(), (11 + 79 - 11) * 20, 60);
    EXPECT_GE(ink.top(), 600 - 166) << "t = trunc(20 / 18.7087 * 155.9055)";
}

TEST(BarcodeDrawing, QrSymbolStretchedOntoTheRectangle)
{
    EXPECT_TRUE(QrSymbolImage(QString()).isNull());

    VBarCode qr;
    qr.SetType(VBarCode::Qr);
    qr.SetValue(QStringLiteral("A"));
    for (DrawSurface surface : {DrawSurface::Screen, DrawSurface::Printer}) {
        // 460 x 230: modules of 20 x 10.
        const QImage image = draw(qr, QSize(460, 230), redFont(), surface);
        auto module = [&](int col, int row) { return qGray(image.pixel(col * 20 + 10, row * 10 + 5)) < 128; };
        EXPECT_FALSE(module(0, 0) || module(2, 2) || module(22, 22)) << "quiet zone, finder ring";
        EXPECT_TRUE(module(1, 1) && module(4, 4)) << "finder corner and centre";
        EXPECT_TRUE(module(21, 1) && module(1, 21)) << "the other two finder patterns";
        // Edges are sharp: every pixel is black or white.
        EXPECT_EQ(countPixels(image, [](QRgb c) { return qGray(c) > 30 && qGray(c) < 225; }), 0);
    }
    qr.SetRawValue(QString());
    EXPECT_TRUE(inkBounds(draw(qr, QSize(230, 230))).isEmpty());
}

TEST(BarcodeDrawing, NothingForInvalidOtherOrUnencodableValues)
{
    const std::function<void(VBarCode &)> cases[] = {
        [](VBarCode &b) { b.SetValue(QStringLiteral("12AB")); }, // type -1, value ERROR
        [](VBarCode &b) { b.SetType(VBarCode::Other); },
        [](VBarCode &b) { b.SetValue(QStringLiteral("12345")); }, // the encoder's length message
        [](VBarCode &b) { b.SetRawValue(QStringLiteral("not digits")); },
        [](VBarCode &b) { // bars longer than the rectangle
            b.SetManualWidth(true);
            b.SetLineWidth(1e12);
            b.SetManualHeight(true);
            b.SetMarginTop(5000);
        },
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        VBarCode b = ean13();
        cases[i](b);
        EXPECT_TRUE(inkBounds(draw(b, QSize(2834, 500))).isEmpty()) << "case " << i;
    }
}

TEST(BarcodeDrawing, PictureFilesAreNamedByPositionAndHaveWholePixelModules)
{
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("invoice.rtf"));
    const QRect rect(MmToTwips(20), MmToTwips(10), 2834, 1000); // 20 mm, 10 mm (567 twips rounds to 10)
    EXPECT_EQ(
        BarcodePictureFileName(QStringLiteral("A/B\\C"), QRect(0, 0, 10, 10), QStringLiteral("/x/out.pdf")),
        QStringLiteral("/x/out_barcode_A_B_C_0_0.jpeg"));
    VBarCode b = ean13();
    const QString written = BarcodePictureFile(b, rect, redFont(), output);
    ASSERT_EQ(written, dir.filePath(QStringLiteral("invoice_barcode_400638133393_20_10.jpeg")));
    EXPECT_EQ(BarcodePictureFileName(QStringLiteral("400638133393"), rect, output), written);

    // At about 300 DPI a 25-twip module becomes 5 pixels: every bar and space is a multiple of 5.
    const QImage image = RenderBarcodeImage(b, rect.size(), redFont(), 300);
    EXPECT_EQ(image.width(), 567);
    EXPECT_EQ(QImage(written).size(), image.size());
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
