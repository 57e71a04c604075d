#include "render_test_util.h"

#include "render/page_image.h"

#include <gtest/gtest.h>

using namespace rendertest;

namespace
{
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kYellow = qRgb(255, 255, 0);
} // namespace

TEST(RenderGeometry, DesignWindowAndOutputWidths)
{
    // 850 twips: windows of 56 pixels at zoom 100 and 113 at zoom 200, covered wholly by a solid
    // outlined figure.
    VPage page;
    setUpPage(page, 50, 50, 2000, 2000);
    VGrfElement &label = addElement(page.Root(), ElementKind::Label, 150, 150, 850, 450);
    solidFill(label, kRed);
    label.Shape().SetPenStyle(0);
    label.Shape().SetPenColor(RefFromColor(Qt::red));
    label.SetName(QString());
    for (const auto &[zoom, expected] : {std::pair{100, 56}, std::pair{200, 113}}) {
        page.SetZoom(zoom);
        EXPECT_EQ(label.WindowBounds().width(), expected);
        const QImage image = RenderPageImage(page, {.zoom = zoom, .designView = true});
        const QPoint origin = page.Root().WindowBounds().topLeft() + label.WindowBounds().topLeft();
        const int y = origin.y() + label.WindowBounds().height() / 2;
        const QRect row = boundsOf(image.copy(0, y, image.width(), 1), colour(kRed));
        EXPECT_EQ(row.left(), origin.x()) << "zoom " << zoom;
        EXPECT_EQ(row.width(), expected) << "zoom " << zoom;
    }
    // A window of w pixels stands for (w - 1) pixels of twips at the zoom.
    EXPECT_EQ(DesignElementRect(QSize(113, 30), 200), QRect(0, 0, 840, 217));

    // Output: absolute position less offsets, one screen pixel (15 twips) less right and bottom.
    label.Shape().SetPenStyle(5);
    EXPECT_EQ(inkBounds(drawOutput(label, 120, 120)), QRect(10, 10, 56, 29));
    const QImage shifted =
        paintTwips(120, 120, [&](QPainter &p) { DrawElementOutput(label, p, false, false, 60, 30); });
    EXPECT_EQ(inkBounds(shifted), QRect(6, 8, 56, 29));
}

TEST(RenderShape, FiguresPensAndRoundCorners)
{
    VGrfElement root;
    setSize(root, 1815, 1815);
    solidFill(root, kBlue);
    root.Shape().SetPenStyle(0);
    root.Shape().SetPenWidth(3);
    root.Shape().SetPenColor(RefFromColor(Qt::red));

    QImage image = drawOutput(root, 120, 120);
    // Rectangle: corners carry the pen, the middle the brush; a 3-pixel pen is centred on the
    // edge, so 2 of its 3 pixels fall inside.
    EXPECT_TRUE(near(image.pixel(0, 0), kRed));
    EXPECT_TRUE(near(image.pixel(60, 60), kBlue));
    EXPECT_EQ(countPixels(image.copy(0, 60, 10, 1), colour(kRed)), 2);
    EXPECT_EQ(countPixels(image.copy(60, 0, 1, 30), colour(kRed)), 2);

    // Rounded rectangle and ellipse leave the corners unpainted.
    root.Shape().SetFigure(1);
    root.Shape().SetRectRound(40);
    image = drawOutput(root, 120, 120);
    EXPECT_TRUE(isWhite(image.pixel(3, 3)));
    EXPECT_TRUE(near(image.pixel(60, 1), kRed));
    root.Shape().SetFigure(2);
    image = drawOutput(root, 120, 120);
    EXPECT_TRUE(isWhite(image.pixel(12, 12)));
    EXPECT_TRUE(near(image.pixel(60, 60), kBlue));

    // Pen style 5 draws no frame; dotted pens leave gaps along the edge; 6 (inside frame) is solid.
    root.Shape().SetFigure(0);
    root.Shape().SetPenWidth(1);
    root.Shape().SetBrushStyle(1);
    root.Shape().SetPenStyle(5);
    EXPECT_TRUE(inkBounds(drawOutput(root, 120, 120)).isEmpty());
    root.Shape().SetPenStyle(2);
    const int dotted = countPixels(drawOutput(root, 120, 1), colour(kRed));
    EXPECT_GT(dotted, 20);
    EXPECT_LT(dotted, 90);
    root.Shape().SetPenStyle(6);
    EXPECT_GE(countPixels(drawOutput(root, 120, 1), colour(kRed)), 118);
}

TEST(RenderShape, HatchesStayEightDevicePixels)
{
    VGrfElement root;
    setSize(root, 1800, 1800);
    root.Shape().SetBrushColor(RefFromColor(Qt::black));
    // Ink pixels in an 80 x 80 area and the step along which the lines run (none for crosses).
    const struct {
        int style, ink, dx, dy;
    } cases[] = {
        {2, 800, 1, 0},               // horizontal: one row in eight
        {3, 800, 0, 1},               // vertical
        {4, 800, 1, 1},               // falls from left to right
        {5, 800, 1, -1},              // rises
        {6, 80 * 80 - 70 * 70, 0, 0}, // cross
        {7, 1600, 0, 0},              // diagonal cross
    };
    for (const auto &c : cases) {
        root.Shape().SetBrushStyle(c.style);
        const QImage image = drawOutput(root, 120, 120);
        auto ink = [&](int x, int y) { return !isWhite(image.pixel(x, y)); };
        int total = 0, broken = 0;
        for (int y = 20; y < 100; ++y)
            for (int x = 20; x < 100; ++x) {
                total += ink(x, y);
                broken += ink(x, y) != ink(x + 8, y) || ink(x, y) != ink(x, y + 8);
                if (c.dx || c.dy) broken += ink(x, y) != ink(x + c.dx, y + c.dy);
            }
        EXPECT_EQ(total, c.ink) << c.style;
        EXPECT_EQ(broken, 0) << c.style << ": an eight-pixel pattern along its lines";
    }
}

TEST(RenderShape, BordersOnTheirEdgesInOrder)
{
    VGrfElement root;
    setSize(root, 1515, 915); // 0..100 x 0..60 pixels
    root.Shape().SetFigure(3);
    solidFill(root, kYellow);
    root.Shape().SetBorderLine(VShape::BorderRight, VBorder{true, RefFromColor(Qt::red), 1, 0});
    root.Shape().SetBorderLine(VShape::BorderFalling, VBorder{true, RefFromColor(Qt::blue), 1, 0});
    const QImage image = drawOutput(root, 120, 120);
    // Fill with a one-pixel frame in the brush colour; the right line on the right edge only.
    EXPECT_TRUE(near(image.pixel(0, 30), kYellow));
    EXPECT_TRUE(near(image.pixel(50, 0), kYellow));
    EXPECT_EQ(countPixels(image.copy(100, 5, 1, 50), colour(kRed)), 50);
    EXPECT_TRUE(isWhite(image.pixel(102, 30)));
    // The falling diagonal runs from the top-left to the bottom-right corner, drawn after the right line.
    EXPECT_TRUE(near(image.pixel(50, 30), kBlue));
    EXPECT_TRUE(near(image.pixel(100, 60), kBlue) || near(image.pixel(99, 59), kBlue));
    EXPECT_FALSE(near(image.pixel(50, 10), kBlue));
    // Hollow brush: only the lines and the one-pixel frame in the brush colour.
    root.Shape().SetBrushStyle(1);
    const QImage hollow = drawOutput(root, 120, 120);
    EXPECT_TRUE(isWhite(hollow.pixel(70, 20)));
    EXPECT_TRUE(near(hollow.pixel(50, 0), kYellow));
}

TEST(RenderGeometry, DeviceSetUp)
{
    // Screen: whole pixels per inch at the zoom (96 x 33 / 100 = 31), so 1440 twips are 31 pixels.
    QImage image = whiteImage(100, 100);
    QPainter painter(&image);
    SetupScreen(painter, 33);
    EXPECT_EQ(painter.worldTransform().map(QPointF(1440, 2880)), QPointF(31, 62));
    painter.resetTransform();
    // A window offset set before stays underneath the twips scale.
    painter.translate(10, 20);
    SetupTwips(painter, 600, 300);
    EXPECT_EQ(painter.worldTransform().map(QPointF(1440, 1440)), QPointF(610, 320));
    painter.end();
    // A bitmap's own resolution.
    image.setDotsPerMeterX(11811); // 300 DPI
    image.setDotsPerMeterY(11811);
    painter.begin(&image);
    SetupForDevice(painter);
    EXPECT_NEAR(painter.worldTransform().map(QPointF(1440, 0)).x(), 300.0, 0.5);
}
