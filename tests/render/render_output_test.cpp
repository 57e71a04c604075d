#include "render_test_util.h"

#include "render/gdi_style.h"
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
} // namespace

TEST(RenderOutput, PrintableModesAgainstPrintableOnly)
{
    VGrfElement root; // a Panel with the default mode 1: with printable only its children still print
    setSize(root, 3600, 1800);
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
}

TEST(RenderOutput, BlackWhiteTurnsEverythingButWhiteBlack)
{
    EXPECT_EQ(OutputColor(Rgb(255, 255, 254), true), QColor(Qt::black)) << "only pure white stays white";
    VGrfElement root;
    setSize(root, 1815, 915);
    solidFill(addElement(root, ElementKind::Label, 0, 0, 900, 900), kYellow);
    VGrfElement &white = addElement(root, ElementKind::Label, 900, 0, 900, 900);
    solidFill(white, qRgb(255, 255, 255));
    white.Shape().SetPenStyle(0);
    white.Shape().SetPenColor(RefFromColor(QColor(kGreen)));
    white.SetCaption(QStringLiteral("W"));
    white.Font().SetFontHeight(8.0);
    white.Font().SetFontColor(Rgb(0, 0, 255));
    for (bool bw : {false, true}) {
        const QImage image = drawOutput(root, 130, 70, bw);
        EXPECT_TRUE(near(image.pixel(30, 30), bw ? qRgb(0, 0, 0) : kYellow)) << bw;
        EXPECT_TRUE(near(image.pixel(60, 30), bw ? qRgb(0, 0, 0) : kGreen)) << bw << ": the frame";
        EXPECT_TRUE(isWhite(image.pixel(65, 5))) << bw;
        EXPECT_EQ(has(image, kBlue), !bw) << "the text";
        EXPECT_GT(countPixels(image.copy(62, 2, 56, 56), colour(bw ? qRgb(0, 0, 0) : kBlue, 60)), 8);
    }
}

TEST(RenderOutput, DesignHelperOutlinesGripsAndCut)
{
    VPage page;
    setUpPage(page, 60, 40, 3300, 2200);
    addElement(page.Root(), ElementKind::Group, 150, 150, 1500, 1500).SetName(QString()); // no name text
    VGrfElement &label = addElement(page.Root(), ElementKind::Label, 1800, 150, 1500, 1500);
    label.SetName(QStringLiteral(" "));

    // Pen style 5: dotted helper outlines in the design view (blue panel, red group, black label),
    // nothing in the preview.
    QImage image = RenderPageImage(page, {.designView = true});
    const auto black = colour(qRgb(0, 0, 0), 10);
    EXPECT_EQ(boundsOf(image, colour(qRgb(255, 0, 0), 10)), QRect(10, 10, 100, 100));
    EXPECT_EQ(boundsOf(image, black), QRect(120, 10, 100, 100));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 255));
    // Dotted: about half of the outline's pixels.
    const int redPixels = countPixels(image, colour(qRgb(255, 0, 0), 10));
    EXPECT_GT(redPixels, 150);
    EXPECT_LT(redPixels, 250);
    EXPECT_TRUE(inkBounds(RenderPageImage(page, PageImageOptions{})).isEmpty());

    // Grips: eight black squares of 4 pixels (plus the pen) at zoom 100 inside the window's
    // corners and edge middles, 16 at zoom 200.
    label.SetSelected(true);
    image = RenderPageImage(page, {.designView = true});
    EXPECT_EQ(countPixels(image.copy(120, 10, 5, 5), black), 25);
    EXPECT_TRUE(isWhite(image.pixel(126, 16)));
    EXPECT_EQ(countPixels(image.copy(215, 105, 5, 5), black), 25);
    EXPECT_EQ(countPixels(image.copy(165, 55, 10, 10), black), 0); // no centre grip
    EXPECT_GT(countPixels(image.copy(165, 10, 10, 6), black), 15); // top middle
    image = RenderPageImage(page, {.zoom = 200, .designView = true});
    EXPECT_GE(countPixels(image.copy(240, 20, 20, 20), black), 16 * 16);

    // The pending Cut turns the outline, the fill and the grips silver.
    solidFill(label, kYellow);
    editingState().cutElement = &label;
    image = RenderPageImage(page, {.designView = true}).copy(120, 10, 101, 101);
    EXPECT_GT(countPixels(image, colour(qRgb(192, 192, 192), 2)), 9000);
    EXPECT_EQ(countPixels(image, black), 0);
    editingState().cutElement = nullptr;
}

TEST(RenderOutput, BackgroundPictureAndSeeThrough)
{
    VPage page;
    setUpPage(page, 40, 40, 2265, 2265);
    QImage background(10, 10, QImage::Format_ARGB32);
    background.fill(kGreen);
    page.EnsureBackground().SetImage(background);
    addElement(page.Root(), ElementKind::Label, 150, 150, 900, 900).SetName(QStringLiteral(" "));
    addElement(page.Root(), ElementKind::Table, 1200, 150, 900, 900);

    // Preview: the background fills the page; printable only leaves it out.
    const QImage preview = RenderPageImage(page, PageImageOptions{});
    EXPECT_TRUE(near(preview.pixel(5, 5), kGreen));
    EXPECT_TRUE(near(preview.pixel(140, 140), kGreen));
    EXPECT_TRUE(isWhite(RenderPageImage(page, {.printableOnly = true}).pixel(5, 5)));

    // Design view: panels, groups and labels let the background show through their windows,
    // other kinds keep their white window.
    const QImage image = RenderPageImage(page, {.designView = true});
    EXPECT_TRUE(near(image.pixel(30, 30), kGreen));   // inside the label
    EXPECT_TRUE(isWhite(image.pixel(110, 30)));       // inside the table
    EXPECT_TRUE(near(image.pixel(100, 100), kGreen)); // the panel between them

    // PaintPage draws at the page's zoom on a pixel painter.
    page.SetZoom(200);
    for (bool printableOnly : {false, true}) {
        page.SetPrintableOnly(printableOnly);
        QImage screen = whiteImage(300, 300);
        QPainter painter(&screen);
        PaintPage(page, painter);
        painter.end();
        EXPECT_TRUE(printableOnly ? isWhite(screen.pixel(280, 280)) : near(screen.pixel(280, 280), kGreen));
    }
}

TEST(RenderOutput, AbsurdValuesFromAFileStillDraw)
{
    VGrfElement root;
    setSize(root, 3000, 1500);
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
    solidFill(addElement(root, ElementKind::Label, 1500, 0, 1500, 1500), kYellow);
    // The element after the wild ones is still drawn where it belongs.
    EXPECT_TRUE(near(drawOutput(root, 220, 110).pixel(150, 50), kYellow));
    EXPECT_EQ(DesignElementRect(QSize(0, 0), 0), QRect(0, 0, 0, 0));
}
