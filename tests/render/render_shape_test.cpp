#include "render_test_util.h"

#include "render/element_painter.h"
#include "render/gdi_style.h"
#include "render/page_image.h"
#include "render/shape_painter.h"

#include <gtest/gtest.h>

using namespace rendertest;

namespace
{

// A frameless element drawn alone on the output path.
QImage drawAlone(VGrfElement &root, int w = 120, int h = 120)
{
    return paintTwips(w, h, [&](QPainter &p) { DrawElementOutput(root, p, false, false, 0, 0); });
}

int runLength(const QImage &image, int y, const std::function<bool(QRgb)> &test)
{
    int n = 0;
    for (int x = 0; x < image.width(); ++x)
        n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

} // namespace

TEST(RenderGeometry, DesignWindowAndOutputWidths)
{
    // 850 twips: windows of 56 pixels at zoom 100 and 113 at zoom 200; the design rectangle is one
    // pixel less than the window, and a solid outlined figure covers the whole window.
    VPage page;
    page.Settings().Width = 50;
    page.Settings().Height = 50;
    page.Root().Shape().SetWidth(2000);
    page.Root().Shape().SetHeight(2000);
    VGrfElement &label = addElement(page.Root(), ElementKind::Label, 150, 150, 850, 450);
    solidFill(label, qRgb(255, 0, 0));
    label.Shape().SetPenStyle(0);
    label.Shape().SetPenColor(RefFromColor(Qt::red));
    label.SetName(QString());
    for (const auto &[zoom, expected] : {std::pair{100, 56}, std::pair{200, 113}}) {
        page.SetZoom(zoom);
        EXPECT_EQ(label.WindowBounds().width(), expected);
        const QImage image = RenderPageImage(page, PageImageOptions{zoom, 0, true, false, false});
        ASSERT_FALSE(image.isNull());
        const QPoint origin = page.Root().WindowBounds().topLeft() + label.WindowBounds().topLeft();
        const int y = origin.y() + label.WindowBounds().height() / 2;
        int first = -1, last = -1;
        for (int x = 0; x < image.width(); ++x)
            if (near(image.pixel(x, y), qRgb(255, 0, 0))) {
                if (first < 0) first = x;
                last = x;
            }
        EXPECT_EQ(first, origin.x()) << "zoom " << zoom;
        EXPECT_EQ(last - first + 1, expected) << "zoom " << zoom;
    }
    EXPECT_EQ(DesignElementRect(QSize(56, 30), 100), QRect(0, 0, 825, 435));
    EXPECT_EQ(DesignElementRect(QSize(113, 30), 200), QRect(0, 0, 840, 217));

    // Output: absolute position less offsets, one screen pixel less right and bottom.
    EXPECT_EQ(ElementOutputRect(label, 0, 0), QRect(150, 150, 835, 435));
    EXPECT_EQ(ElementOutputRect(label, 30, 45), QRect(120, 105, 835, 435));
    label.Shape().SetPenStyle(5);
    const QImage out = drawAlone(label);
    EXPECT_EQ(inkBounds(out), QRect(10, 10, 56, 29));
    // Offsets move the drawing up and left.
    const QImage shifted =
        paintTwips(120, 120, [&](QPainter &p) { DrawElementOutput(label, p, false, false, 60, 30); });
    EXPECT_EQ(inkBounds(shifted), QRect(6, 8, 56, 29));
}

TEST(RenderShape, FiguresPensAndRoundCorners)
{
    VGrfElement root;
    root.Shape().SetWidth(1815);
    root.Shape().SetHeight(1815);
    solidFill(root, qRgb(0, 0, 255));
    root.Shape().SetPenStyle(0);
    root.Shape().SetPenWidth(3);
    root.Shape().SetPenColor(RefFromColor(Qt::red));

    QImage image = drawAlone(root);
    // Rectangle: corners carry the pen, the middle the brush; a 3-pixel pen is 3 pixels thick.
    EXPECT_TRUE(near(image.pixel(0, 0), qRgb(255, 0, 0)));
    EXPECT_TRUE(near(image.pixel(60, 60), qRgb(0, 0, 255)));
    EXPECT_EQ(runLength(image.copy(0, 0, 10, 120), 60, colour(qRgb(255, 0, 0))), 2);
    const int penRows = countPixels(image.copy(60, 0, 1, 30), colour(qRgb(255, 0, 0)));
    EXPECT_EQ(penRows, 2); // centred on the edge: half outside the image

    // Rounded rectangle and ellipse leave the corners unpainted.
    root.Shape().SetFigure(1);
    root.Shape().SetRectRound(40);
    image = drawAlone(root);
    EXPECT_TRUE(isWhite(image.pixel(3, 3)));
    EXPECT_TRUE(near(image.pixel(60, 1), qRgb(255, 0, 0)));
    root.Shape().SetFigure(2);
    image = drawAlone(root);
    EXPECT_TRUE(isWhite(image.pixel(12, 12)));
    EXPECT_TRUE(near(image.pixel(60, 60), qRgb(0, 0, 255)));

    // Pen style 5 draws no frame; dotted pens leave gaps along the edge.
    root.Shape().SetFigure(0);
    root.Shape().SetPenWidth(1);
    root.Shape().SetBrushStyle(1);
    root.Shape().SetPenStyle(5);
    EXPECT_TRUE(inkBounds(drawAlone(root)).isEmpty());
    root.Shape().SetPenStyle(2);
    image = drawAlone(root);
    const int dotted = runLength(image, 0, colour(qRgb(255, 0, 0)));
    EXPECT_GT(dotted, 20);
    EXPECT_LT(dotted, 90);
    root.Shape().SetPenStyle(6); // inside frame draws like solid
    EXPECT_GE(runLength(drawAlone(root), 0, colour(qRgb(255, 0, 0))), 118);
}

TEST(RenderShape, HatchesStayEightDevicePixels)
{
    VGrfElement root;
    root.Shape().SetWidth(1800);
    root.Shape().SetHeight(1800);
    root.Shape().SetBrushColor(RefFromColor(Qt::black));
    auto ink = [](const QImage &img, int x, int y) { return !isWhite(img.pixel(x, y)); };

    // Horizontal: whole rows of ink every 8 pixels, white rows between.
    root.Shape().SetBrushStyle(2);
    QImage image = drawAlone(root);
    int inkRows = 0;
    for (int y = 20; y < 100; ++y)
        inkRows += runLength(image, y, [](QRgb c) { return !isWhite(c); }) > 100 ? 1 : 0;
    EXPECT_EQ(inkRows, 10);
    // Vertical: the same in columns.
    root.Shape().SetBrushStyle(3);
    image = drawAlone(root);
    int inkColumns = 0;
    for (int x = 20; x < 100; ++x)
        inkColumns += ink(image, x, 50) ? 1 : 0;
    EXPECT_EQ(inkColumns, 10);

    // 4 falls from left to right ("\\"), 5 rises ("//").
    for (int style : {4, 5}) {
        root.Shape().SetBrushStyle(style);
        image = drawAlone(root);
        int along = 0, across = 0, total = 0;
        for (int y = 20; y < 100; ++y)
            for (int x = 20; x < 100; ++x) {
                if (!ink(image, x, y)) continue;
                ++total;
                along += ink(image, x + 1, style == 4 ? y + 1 : y - 1) ? 1 : 0;
                across += ink(image, x + 1, style == 4 ? y - 1 : y + 1) ? 1 : 0;
            }
        EXPECT_EQ(total, 800) << style; // one pixel in eight of an 80 x 80 area
        EXPECT_EQ(along, total) << style;
        EXPECT_EQ(across, 0) << style;
        EXPECT_EQ(ink(image, 40, 40), ink(image, 48, 40)) << style;
    }
    // Crosses: both directions, so more ink than either alone.
    root.Shape().SetBrushStyle(6);
    const int cross = countPixels(drawAlone(root).copy(20, 20, 80, 80), [](QRgb c) { return !isWhite(c); });
    EXPECT_EQ(cross, 80 * 80 - 70 * 70);
    root.Shape().SetBrushStyle(7);
    const int diagCross =
        countPixels(drawAlone(root).copy(20, 20, 80, 80), [](QRgb c) { return !isWhite(c); });
    EXPECT_EQ(diagCross, 1600);
}

TEST(RenderShape, BordersOnTheirEdgesInOrder)
{
    VGrfElement root;
    root.Shape().SetWidth(1515);
    root.Shape().SetHeight(915);
    root.Shape().SetFigure(3);
    solidFill(root, qRgb(255, 255, 0));
    VBorder right{true, RefFromColor(Qt::red), 1, 0};
    VBorder falling{true, RefFromColor(Qt::blue), 1, 0};
    root.Shape().SetBorderLine(VShape::BorderRight, right);
    root.Shape().SetBorderLine(VShape::BorderFalling, falling);
    // The rectangle is 0..100 x 0..60 pixels.
    const QImage image = drawAlone(root);
    // Fill with a one-pixel frame in the brush colour.
    EXPECT_TRUE(near(image.pixel(0, 30), qRgb(255, 255, 0)));
    EXPECT_TRUE(near(image.pixel(50, 0), qRgb(255, 255, 0)));
    // The right line is on the right edge only.
    for (int y = 5; y < 55; ++y)
        EXPECT_TRUE(near(image.pixel(100, y), qRgb(255, 0, 0))) << y;
    EXPECT_FALSE(near(image.pixel(0, 30), qRgb(255, 0, 0)));
    EXPECT_TRUE(isWhite(image.pixel(102, 30)));
    // The falling diagonal runs from the top-left to the bottom-right corner, drawn after the right line.
    EXPECT_TRUE(near(image.pixel(50, 30), qRgb(0, 0, 255)));
    EXPECT_TRUE(near(image.pixel(100, 60), qRgb(0, 0, 255)) || near(image.pixel(99, 59), qRgb(0, 0, 255)));
    EXPECT_FALSE(near(image.pixel(50, 10), qRgb(0, 0, 255)));
    // Hollow brush: only the lines and the one-pixel frame in the brush colour.
    root.Shape().SetBrushStyle(1);
    const QImage hollow = drawAlone(root);
    EXPECT_TRUE(isWhite(hollow.pixel(70, 20)));
    EXPECT_TRUE(near(hollow.pixel(50, 0), qRgb(255, 255, 0)));
}

TEST(RenderShape, BlackWhiteTurnsEverythingButWhiteBlack)
{
    EXPECT_EQ(OutputColor(Rgb(255, 255, 0), true), QColor(Qt::black));
    EXPECT_EQ(OutputColor(Rgb(255, 255, 254), true), QColor(Qt::black));
    EXPECT_EQ(OutputColor(kWhite, true), QColor(Qt::white));
    EXPECT_EQ(OutputColor(Rgb(255, 255, 0), false), QColor(255, 255, 0));

    VGrfElement root;
    root.Shape().SetWidth(1815);
    root.Shape().SetHeight(915);
    VGrfElement &yellow = addElement(root, ElementKind::Label, 0, 0, 900, 900);
    solidFill(yellow, qRgb(255, 255, 0));
    VGrfElement &white = addElement(root, ElementKind::Label, 900, 0, 900, 900);
    solidFill(white, qRgb(255, 255, 255));
    white.Shape().SetPenStyle(0);
    white.Shape().SetPenColor(RefFromColor(QColor(0, 160, 0)));
    QImage image = paintTwips(130, 70, [&](QPainter &p) { DrawElementOutput(root, p, true, false, 0, 0); });
    EXPECT_TRUE(near(image.pixel(30, 30), qRgb(0, 0, 0)));
    EXPECT_TRUE(near(image.pixel(90, 30), qRgb(255, 255, 255)));
    EXPECT_TRUE(near(image.pixel(60, 30), qRgb(0, 0, 0))); // the green frame prints black
    image = paintTwips(130, 70, [&](QPainter &p) { DrawElementOutput(root, p, false, false, 0, 0); });
    EXPECT_TRUE(near(image.pixel(30, 30), qRgb(255, 255, 0)));
    EXPECT_TRUE(near(image.pixel(60, 30), qRgb(0, 160, 0)));
}

TEST(RenderGeometry, DeviceSetUp)
{
    // Screen: whole pixels per inch at the zoom (96 x 33 / 100 = 31), so 1440 twips are 31 pixels.
    QImage image = whiteImage(100, 100);
    QPainter painter(&image);
    SetupScreen(painter, 33);
    EXPECT_DOUBLE_EQ(painter.worldTransform().map(QPointF(1440, 2880)).x(), 31.0);
    EXPECT_DOUBLE_EQ(painter.worldTransform().map(QPointF(1440, 2880)).y(), 62.0);
    painter.resetTransform();
    // A window offset set before stays underneath the twips scale.
    painter.translate(10, 20);
    SetupTwips(painter, 600, 300);
    EXPECT_EQ(painter.worldTransform().map(QPointF(1440, 1440)), QPointF(610, 320));
    painter.end();
    // A bitmap's own resolution.
    QImage bitmap = whiteImage(10, 10);
    bitmap.setDotsPerMeterX(11811); // 300 DPI
    bitmap.setDotsPerMeterY(11811);
    painter.begin(&bitmap);
    SetupForDevice(painter);
    EXPECT_NEAR(painter.worldTransform().map(QPointF(1440, 0)).x(), 300.0, 0.5);
    painter.end();
    // Headless programs keep 96 DPI: 15 twips per pixel.
    MeasureScreenMetrics();
    EXPECT_EQ(TwipsPerPixelX(), 15);
    EXPECT_EQ(TwipsPerPixelY(), 15);
}
