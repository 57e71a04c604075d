#include "render_test_util.h"

#include "render/element_painter.h"
#include "render/page_image.h"

#include <climits>
#include <gtest/gtest.h>
#include <limits>

using namespace rendertest;

namespace
{

const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kGreen = qRgb(0, 160, 0);

bool has(const QImage &image, QRgb rgb)
{
    return countPixels(image, colour(rgb, 40)) > 0;
}

QImage solidImage(int w, int h, QRgb rgb)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(rgb);
    return image;
}

} // namespace

TEST(RenderOutput, PrintableModesAgainstPrintableOnly)
{
    VGrfElement root; // a Panel with the default mode 1: with printable only its children still print
    root.Shape().SetWidth(3600);
    root.Shape().SetHeight(1800);
    VGrfElement &label = addElement(root, ElementKind::Label, 0, 0, 1515, 1515);
    solidFill(label, kYellow);
    label.SetCaption(QStringLiteral("W"));
    label.Font().SetFontHeight(8.0);
    label.Font().SetFontColor(Rgb(0, 0, 255));
    VGrfElement &child = addElement(label, ElementKind::Label, 1800, 0, 1515, 1515);
    solidFill(child, kGreen);
    child.SetPrintable(pmAll);

    struct Expect {
        bool shape, content, child;
    };
    // [mode][printable only]
    const Expect table[4][2] = {
        {{false, false, false}, {false, false, false}},
        {{true, true, true}, {false, false, true}},
        {{true, true, true}, {true, true, true}},
        {{true, true, true}, {false, true, true}},
    };
    for (int mode = 0; mode < 4; ++mode)
        for (int only = 0; only < 2; ++only) {
            label.SetPrintable(mode);
            const QImage image = paintTwips(
                250, 110, [&](QPainter &p) { DrawElementOutput(root, p, false, only == 1, 0, 0); });
            const Expect &e = table[mode][only];
            EXPECT_EQ(has(image, kYellow), e.shape) << "mode " << mode << " printable only " << only;
            EXPECT_EQ(has(image, kBlue), e.content) << "mode " << mode << " printable only " << only;
            EXPECT_EQ(has(image, kGreen), e.child) << "mode " << mode << " printable only " << only;
        }

    // Black/white: the fill prints black, the text black too, white stays white.
    label.SetPrintable(pmAll);
    label.Font().SetFontColor(kWhite);
    const QImage bw =
        paintTwips(250, 110, [&](QPainter &p) { DrawElementOutput(root, p, true, false, 0, 0); });
    EXPECT_FALSE(has(bw, kYellow));
    EXPECT_TRUE(near(bw.pixel(5, 5), qRgb(0, 0, 0)));
    EXPECT_GT(countPixels(bw.copy(0, 0, 100, 100), colour(qRgb(255, 255, 255), 10)), 8); // the white "W"
}

TEST(RenderOutput, DesignHelperOutlinesGripsAndCut)
{
    VPage page;
    page.Settings().Width = 60;
    page.Settings().Height = 40;
    page.Root().Shape().SetWidth(3300);
    page.Root().Shape().SetHeight(2200);
    VGrfElement &group = addElement(page.Root(), ElementKind::Group, 150, 150, 1500, 1500);
    group.SetName(QString()); // no name text in the way
    VGrfElement &label = addElement(page.Root(), ElementKind::Label, 1800, 150, 1500, 1500);
    label.SetName(QStringLiteral(" "));
    page.SetZoom(100);
    PageImageOptions design;
    design.designView = true;

    // Pen style 5: dotted helper outlines in the design view (blue panel, red group, black label),
    // nothing in the preview.
    QImage image = RenderPageImage(page, design);
    const QRect red = boundsOf(image, colour(qRgb(255, 0, 0), 10));
    EXPECT_EQ(red, QRect(10, 10, 100, 100));
    const QRect black = boundsOf(image, colour(qRgb(0, 0, 0), 10));
    EXPECT_EQ(black, QRect(120, 10, 100, 100));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 255));
    // Dotted: about half of the outline's pixels.
    const int redPixels = countPixels(image, colour(qRgb(255, 0, 0), 10));
    EXPECT_GT(redPixels, 150);
    EXPECT_LT(redPixels, 250);
    EXPECT_TRUE(inkBounds(RenderPageImage(page, PageImageOptions{})).isEmpty());

    // Grips: eight black squares of 4 pixels at zoom 100, 16 at zoom 200.
    label.SetSelected(true);
    image = RenderPageImage(page, design);
    // A 4-pixel side plus the one-pixel pen, inside the window's corner.
    EXPECT_EQ(countPixels(image.copy(120, 10, 5, 5), colour(qRgb(0, 0, 0), 10)), 25);
    EXPECT_TRUE(isWhite(image.pixel(126, 16)));
    EXPECT_EQ(countPixels(image.copy(215, 105, 5, 5), colour(qRgb(0, 0, 0), 10)), 25);
    EXPECT_EQ(countPixels(image.copy(165, 55, 10, 10), colour(qRgb(0, 0, 0), 10)), 0); // no centre grip
    EXPECT_GT(countPixels(image.copy(165, 10, 10, 6), colour(qRgb(0, 0, 0), 10)), 15); // top middle
    design.zoom = 200;
    image = RenderPageImage(page, design);
    EXPECT_GE(countPixels(image.copy(240, 20, 20, 20), colour(qRgb(0, 0, 0), 10)), 16 * 16);

    // The pending Cut turns the outline, the fill and the grips silver.
    design.zoom = 100;
    solidFill(label, kYellow);
    editingState().cutElement = &label;
    image = RenderPageImage(page, design);
    EXPECT_FALSE(has(image.copy(120, 10, 101, 101), kYellow));
    EXPECT_GT(countPixels(image.copy(120, 10, 101, 101), colour(qRgb(192, 192, 192), 2)), 9000);
    EXPECT_EQ(countPixels(image.copy(120, 10, 101, 101), colour(qRgb(0, 0, 0), 10)), 0);
    editingState().cutElement = nullptr;
    label.SetSelected(false);
}

TEST(RenderOutput, BackgroundPictureAndSeeThrough)
{
    VPage page;
    page.Settings().Width = 40;
    page.Settings().Height = 40;
    page.Root().Shape().SetWidth(2265);
    page.Root().Shape().SetHeight(2265);
    page.EnsureBackground().SetImage(solidImage(10, 10, kGreen));
    VGrfElement &label = addElement(page.Root(), ElementKind::Label, 150, 150, 900, 900);
    label.SetName(QStringLiteral(" "));
    VGrfElement &table = addElement(page.Root(), ElementKind::Table, 1200, 150, 900, 900);
    page.SetZoom(100);

    // Preview: the background fills the page; printable only leaves it out.
    QImage preview = RenderPageImage(page, PageImageOptions{});
    EXPECT_TRUE(near(preview.pixel(5, 5), kGreen));
    EXPECT_TRUE(near(preview.pixel(140, 140), kGreen));
    PageImageOptions only;
    only.printableOnly = true;
    EXPECT_TRUE(isWhite(RenderPageImage(page, only).pixel(5, 5)));

    // Design view: panels, groups and labels let the background show through their windows,
    // other kinds keep their white window.
    PageImageOptions design;
    design.designView = true;
    const QImage image = RenderPageImage(page, design);
    EXPECT_TRUE(near(image.pixel(30, 30), kGreen));   // inside the label
    EXPECT_TRUE(isWhite(image.pixel(110, 30)));       // inside the table
    EXPECT_TRUE(near(image.pixel(100, 100), kGreen)); // the panel between them

    // PaintPage draws at the page's zoom on a pixel painter.
    page.SetZoom(200);
    QImage screen = whiteImage(300, 300);
    QPainter painter(&screen);
    PaintPage(page, painter);
    painter.end();
    EXPECT_TRUE(near(screen.pixel(280, 280), kGreen));
    page.SetPrintableOnly(true);
    screen = whiteImage(300, 300);
    painter.begin(&screen);
    PaintPage(page, painter);
    painter.end();
    EXPECT_TRUE(isWhite(screen.pixel(280, 280)));
    (void)table;
}

TEST(RenderOutput, AbsurdValuesFromAFileStillDraw)
{
    VGrfElement root;
    root.Shape().SetWidth(3000);
    root.Shape().SetHeight(1500);
    VGrfElement &wild = addElement(root, ElementKind::Label, 0, 0, 1500, 1500);
    wild.SetCaption(QStringLiteral("overflow"));
    wild.Font().SetFontHeight(1e12);
    wild.Font().SetFontWidth(std::numeric_limits<double>::quiet_NaN());
    wild.Font().SetVertSpace(-1e12);
    wild.Font().SetmmPos(true);
    wild.Font().SetLeftPos(std::numeric_limits<double>::infinity());
    wild.Shape().SetPenStyle(0);
    wild.Shape().SetPenWidth(1 << 30);
    wild.Shape().SetFigure(1);
    wild.Shape().SetRectRound(INT_MAX);
    VGrfElement &huge = addElement(root, ElementKind::Label, INT_MAX - 10, INT_MAX - 10, INT_MAX, INT_MAX);
    huge.EnsurePicture().SetImage(QImage(4, 4, QImage::Format_ARGB32));
    huge.Picture()->SetSizeSet(3);
    huge.Picture()->SetWidth(INT_MAX);
    VGrfElement &sane = addElement(root, ElementKind::Label, 1500, 0, 1500, 1500);
    solidFill(sane, kYellow);
    const QImage image =
        paintTwips(220, 110, [&](QPainter &p) { DrawElementOutput(root, p, false, false, 0, 0); });
    // The element after the wild ones is still drawn where it belongs.
    EXPECT_TRUE(near(image.pixel(150, 50), kYellow));
    EXPECT_EQ(DesignElementRect(QSize(0, 0), 0), QRect(0, 0, 0, 0));
}
