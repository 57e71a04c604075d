#include "render_test_util.h"
#include "test_support.h"

#include "export/pdf_export.h"
#include "files/design_file.h"
#include "model/v_doc.h"

#include "render/page_image.h"
#include "render/text_font.h"
#include "render/text_painter.h"

#include <QPaintEngine>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace rendertest;

namespace
{

// A label on its own, drawn on the output path at 96 DPI or at 1440 DPI (one pixel per twip).
struct LabelScene {
    VGrfElement root;
    VGrfElement *label = nullptr;
    LabelScene(int width, int height, const QString &caption)
    {
        setSize(root, width, height);
        label = &addElement(root, ElementKind::Label, 0, 0, width, height);
        label->SetCaption(caption);
        label->Font().SetFontName(QStringLiteral("Arial"));
    }
    QImage render(int dpi = 96) const
    {
        const int w = root.Shape().Width() * dpi / 1440 + 2, h = root.Shape().Height() * dpi / 1440 + 2;
        QImage image = whiteImage(w, h);
        QPainter painter(&image);
        SetupTwips(painter, dpi, dpi);
        DrawElementOutput(*label, painter, false, false, 0, 0);
        return image;
    }
};

// A device that keeps the text drawn on it, as the screen, a printer or a picture receives it.
class TextRecorder : public QPaintDevice
{
public:
    QString text;
    QPaintEngine *paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
        case PdmHeight:
            return 4000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 1;
        }
    }

private:
    struct Engine : QPaintEngine {
        QString *out;
        explicit Engine(QString *o) : QPaintEngine(AllFeatures), out(o) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawPath(const QPainterPath &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF &, const QTextItem &item) override { *out += item.text(); }
        Type type() const override { return User; }
    };
    mutable Engine m_engine{&text};
};

} // namespace

TEST(RenderText, AmpersandsAreDrawnAsTheyStandAsInThePdf)
{
    const QString captions[] = {QString::fromUtf8("Müller & Söhne GmbH"), QStringLiteral("R&&D"),
                                QStringLiteral("Trailing&")};
    VDoc doc;
    ASSERT_TRUE(ReadDesignFile(doc, QStringLiteral(TESSALY_SOURCE_DIR "/examples/invoice.edt")));
    VGrfElement &root = doc.PageAt(0)->Root();
    int i = 0;
    for (const char *name : {"Label1", "Label2", "Label3"}) {
        VGrfElement *label = testsupport::findElement(root, QLatin1String(name));
        ASSERT_NE(label, nullptr);
        label->SetCaption(captions[i]);
        // On the screen, a printer or a picture the painter receives the caption as typed.
        TextRecorder device;
        QPainter painter(&device);
        SetupTwips(painter, 96, 96);
        DrawElementOutput(*label, painter, false, false, 0, 0);
        painter.end();
        EXPECT_EQ(device.text, captions[i]);
        ++i;
    }
    if (!testsupport::haveTool("pdftotext")) GTEST_SKIP() << "pdftotext missing";
    QTemporaryDir dir;
    const QString pdf = dir.filePath("amp.pdf");
    ASSERT_TRUE(ExportReportPdf(doc, pdf, 1252, QStringLiteral("t")).ok);
    const testsupport::Run text = testsupport::runProgram("pdftotext", {pdf, "-"});
    for (const QString &caption : captions)
        EXPECT_TRUE(QString::fromUtf8(text.out).contains(caption)) << caption.toStdString();
}

TEST(RenderText, AlignmentAndManualPosition)
{
    // Rectangle 0..300 x 0..100 pixels.
    LabelScene scene(4515, 1515, QStringLiteral("Wg"));
    TZelFont &font = scene.label->Font();
    font.SetFontHeight(5.0);
    font.SetFontWidth(2.5);
    QRect boxes[3][3];
    for (int v = 0; v < 3; ++v)
        for (int h = 0; h < 3; ++h) {
            font.SetHorzPos(h);
            font.SetVertPos(v);
            boxes[v][h] = inkBounds(scene.render());
            ASSERT_FALSE(boxes[v][h].isEmpty());
        }
    const QRect topLeft = boxes[0][0];
    EXPECT_LE(topLeft.left(), 2);
    EXPECT_LE(topLeft.top(), 6);
    EXPECT_GE(boxes[0][2].right(), 296);
    EXPECT_NEAR(boxes[0][1].center().x(), 150, 3);
    // The text cell (about 19 pixels) sits at the top, the middle and the bottom of the 100 pixels.
    EXPECT_NEAR(boxes[1][0].top() - topLeft.top(), (100 - 19) / 2, 2);
    EXPECT_NEAR(boxes[2][0].top() - topLeft.top(), 100 - 19, 2);

    // Manual position: 10 mm right and 5 mm down of the top-left placement, alignment ignored.
    font.SetmmPos(true);
    font.SetLeftPos(10.0);
    font.SetTopPos(5.0);
    const QRect manual = inkBounds(scene.render());
    EXPECT_NEAR(manual.left() - topLeft.left(), 567 / 15, 1);
    EXPECT_NEAR(manual.top() - topLeft.top(), 283 / 15, 1);

    // Aligned text is clipped to the element; manually placed text is not.
    font.SetmmPos(false);
    font.SetHorzPos(0);
    font.SetFontHeight(30.0);
    font.SetVertPos(0);
    EXPECT_LE(inkBounds(scene.render()).bottom(), 100);
}

TEST(RenderText, CellHeightAndAverageWidthAsWindows)
{
    // At 1440 DPI one pixel is one twip. A 5 mm cell is 283 twips: bottom minus top placement of the
    // same text moves it by the element height less the cell.
    LabelScene scene(8000, 1000, QStringLiteral("H"));
    TZelFont &font = scene.label->Font();
    font.SetFontHeight(5.0);
    font.SetHorzPos(0);
    font.SetVertPos(0);
    const int top = inkBounds(scene.render(1440)).top();
    font.SetVertPos(2);
    const int bottom = inkBounds(scene.render(1440)).top();
    EXPECT_NEAR((1000 - 15) - (bottom - top), 283, 1);

    // The average width is the weighted mean of the lower-case letters: 904 of 2048 em for Arial,
    // 821 for Times New Roman. With FontWidth 2.4 mm (136 twips) an "x" (1024 of 2048) advances
    // 136 * 1024 / average.
    font.SetVertPos(0);
    font.SetFontWidth(2.4);
    for (const auto &[face, average] : {std::pair{"Arial", 904.0}, std::pair{"Times New Roman", 821.0}}) {
        font.SetFontName(QLatin1String(face));
        scene.label->SetCaption(QString(20, QLatin1Char('x')));
        const int w20 = inkBounds(scene.render(1440)).width();
        scene.label->SetCaption(QString(40, QLatin1Char('x')));
        EXPECT_NEAR((inkBounds(scene.render(1440)).width() - w20) / 20.0, 136.0 * 1024 / average, 0.5)
            << face;
    }

    // Courier New is monospaced: every advance is the average width; VertSpace adds to each.
    font.SetFontName(QStringLiteral("Courier New"));
    font.SetFontWidth(3.0); // 170 twips
    scene.label->SetCaption(QStringLiteral("|") + QString(9, QLatin1Char(' ')) + QStringLiteral("|"));
    QImage image = scene.render(1440);
    const int firstBar = inkBounds(image.copy(0, 0, 100, image.height())).left();
    const int lastBar = inkBounds(image.copy(1000, 0, 1000, image.height())).left() + 1000;
    EXPECT_NEAR(lastBar - firstBar, 10 * 170, 2);
    font.SetVertSpace(1.0); // 56 twips
    image = scene.render(1440);
    const int spacedBar = inkBounds(image.copy(1000, 0, 1500, image.height())).left() + 1000;
    EXPECT_NEAR(spacedBar - firstBar, 10 * (170 + 56), 2);
}

TEST(RenderText, EscapementTurnsTheText)
{
    LabelScene scene(3000, 3000, QStringLiteral("ABCDEFGH"));
    TZelFont &font = scene.label->Font();
    font.SetHorzPos(0);
    font.SetVertPos(2);
    const QRect flat = inkBounds(scene.render());
    EXPECT_GT(flat.width(), 3 * flat.height());
    font.SetFontOrientation(90);
    const QRect upright = inkBounds(scene.render());
    EXPECT_GT(upright.height(), 3 * upright.width());
    // Rotated about the start of the text: it rises from the bottom-left placement.
    EXPECT_LE(upright.bottom(), flat.bottom() + 1);
    EXPECT_NEAR(upright.left(), flat.left(), 20);
}

TEST(RenderText, Parting)
{
    // TextLength 3 after Offset 2 of ABCDEFG shows CDE: the same pixels as the caption CDE.
    LabelScene parted(3000, 600, QStringLiteral("ABCDEFG"));
    parted.label->Font().SetTextLength(3);
    parted.label->Font().SetOffset(2);
    LabelScene plain(3000, 600, QStringLiteral("CDE"));
    const QImage a = parted.render();
    EXPECT_FALSE(inkBounds(a).isEmpty());
    EXPECT_EQ(a, plain.render());
    // Parting past the end shows nothing; -1 shows everything.
    parted.label->Font().SetOffset(7);
    EXPECT_TRUE(inkBounds(parted.render()).isEmpty());
    parted.label->Font().SetTextLength(-1);
    EXPECT_GT(inkBounds(parted.render()).width(), inkBounds(a).width());
}

TEST(RenderText, BoolTickWithoutWebdings)
{
    for (const QString &caption : {QStringLiteral("a"), QStringLiteral("r")}) {
        LabelScene scene(1515, 1515, caption);
        TZelFont &font = scene.label->Font();
        font.SetFontName(QStringLiteral("Webdings"));
        font.SetFontHeight(caption == QLatin1String("a") ? 7.0 : 5.0);
        font.SetFontWidth(caption == QLatin1String("a") ? 6.0 : 4.0);
        font.SetFontColor(Rgb(0, 0, 255));
        const QImage image = scene.render(480);
        const QRect ink = boundsOf(image, colour(qRgb(0, 0, 255), 90));
        ASSERT_FALSE(ink.isEmpty()) << caption.toStdString();
        if (FaceAvailable(QStringLiteral("Webdings"))) continue;
        // A tick: its long stroke ends high on the right, its short one starts halfway down on the left.
        const QImage right =
            image.copy(ink.right() - ink.width() / 5, ink.top(), ink.width() / 5, ink.height() / 3);
        const QImage left = image.copy(ink.left(), ink.top(), ink.width() / 5, ink.height() / 3);
        EXPECT_GT(countPixels(right, colour(qRgb(0, 0, 255), 90)), 0);
        EXPECT_EQ(countPixels(left, colour(qRgb(0, 0, 255), 90)), 0);
        EXPECT_NEAR(ink.width(), MmToTwipsPlain(font.FontWidth()) * 480 / 1440 * 0.75, 12);
    }
}

TEST(RenderText, DesignViewTexts)
{
    VPage page;
    setUpPage(page, 210, 297, 4500, 3000);
    VGrfElement &group = addElement(page.Root(), ElementKind::Group, 150, 150, 3000, 1500);
    group.SetName(QStringLiteral("Group1"));
    group.Font().SetFontHeight(5.0);
    VGrfElement &label = addElement(page.Root(), ElementKind::Label, 150, 1800, 3000, 600);
    label.SetName(QStringLiteral("Label1"));
    label.Font().SetFontColor(Rgb(0, 160, 0));

    QImage image = RenderPageImage(page, {.designView = true});
    const QRect blue = boundsOf(image.copy(10, 10, 200, 100), colour(qRgb(0, 0, 255), 60));
    ASSERT_FALSE(blue.isEmpty());
    EXPECT_LE(blue.top(), 6); // top-left, after a blank
    EXPECT_GE(blue.left(), 3);
    // The label shows its name when it has no caption; the preview shows neither.
    EXPECT_FALSE(boundsOf(image.copy(10, 120, 200, 40), colour(qRgb(0, 160, 0), 60)).isEmpty());
    EXPECT_TRUE(inkBounds(RenderPageImage(page, PageImageOptions{})).isEmpty());

    // A pending Cut greys the group name.
    editingState().cutElement = &group;
    image = RenderPageImage(page, {.designView = true});
    EXPECT_TRUE(boundsOf(image.copy(10, 10, 200, 100), colour(qRgb(0, 0, 255), 60)).isEmpty());
    EXPECT_FALSE(boundsOf(image.copy(10, 10, 200, 100), colour(qRgb(128, 128, 128), 40)).isEmpty());
    // Bitmaps for exports leave it; painting the preview page on the screen forgets it.
    RenderPageImage(page, PageImageOptions{});
    EXPECT_EQ(editingState().cutElement, &group);
    QImage screen = whiteImage(320, 220);
    QPainter painter(&screen);
    PaintPage(page, painter);
    painter.end();
    EXPECT_EQ(editingState().cutElement, nullptr);
}

TEST(RenderText, WeightUnderlineAndStrikeOut)
{
    LabelScene scene(4500, 900, QStringLiteral("ooooo"));
    TZelFont &font = scene.label->Font();
    font.SetFontHeight(8.0);
    font.SetHorzPos(0);
    auto ink = [](const QImage &image) { return countPixels(image, [](QRgb c) { return qGray(c) < 128; }); };
    // The longest run of dark pixels in any row.
    auto longestRun = [](const QImage &image, int fromRow, int toRow) {
        int best = 0;
        for (int y = fromRow; y < toRow; ++y) {
            int run = 0;
            for (int x = 0; x < image.width(); ++x) {
                run = qGray(image.pixel(x, y)) < 128 ? run + 1 : 0;
                best = std::max(best, run);
            }
        }
        return best;
    };
    const QImage plain = scene.render();
    const QRect glyphs = inkBounds(plain);
    font.SetFontWeight(700);
    EXPECT_GT(ink(scene.render()), ink(plain) * 5 / 4);
    font.SetFontWeight(400);

    // Strike-out crosses the middle of the letters in one stroke; plain "o"s leave gaps.
    const int middle = glyphs.center().y();
    EXPECT_LT(longestRun(plain, middle - 2, middle + 3), glyphs.width() / 4);
    font.SetFontStrikeOut(1);
    EXPECT_GT(longestRun(scene.render(), glyphs.top(), glyphs.bottom()), glyphs.width() * 9 / 10);
    font.SetFontStrikeOut(0);
    // Underline: a long stroke below the letters.
    font.SetFontUnderline(1);
    const QImage underlined = scene.render();
    EXPECT_GT(inkBounds(underlined).bottom(), glyphs.bottom());
    EXPECT_GT(longestRun(underlined, glyphs.bottom() + 1, underlined.height()), glyphs.width() * 9 / 10);
}

TEST(RenderText, BarcodeCaptionInTheDesignViewOnly)
{
    VPage page;
    setUpPage(page, 60, 40, 3300, 2200);
    VGrfElement &barcode = addElement(page.Root(), ElementKind::BarCode, 150, 150, 3000, 1500);
    barcode.SetCaption(QStringLiteral("EAN"));
    barcode.Font().SetFontHeight(6.0);
    barcode.EnsureBarCode().SetValue(QStringLiteral("400638133393"));
    barcode.BarCode()->SetColor(Rgb(200, 0, 0));
    const QImage image = RenderPageImage(page, {.designView = true});
    const QImage preview = RenderPageImage(page, PageImageOptions{});
    // The caption sits centred in its colour on an opaque white box that hides the bars under it.
    const QRect caption = image.rect().intersected(QRect(10 + 100 - 25, 10 + 50 - 8, 50, 16));
    EXPECT_GT(countPixels(image.copy(caption), colour(qRgb(200, 0, 0), 60)), 10);
    const int previewDark = countPixels(preview.copy(caption), [](QRgb c) { return !isWhite(c); });
    const int designWhite = countPixels(image.copy(caption), [](QRgb c) { return isWhite(c); });
    // The bars come from the barcode painter, in the barcode colour, under the caption too.
    EXPECT_GT(previewDark, caption.width() * caption.height() / 4);
    EXPECT_GT(designWhite, caption.width() * caption.height() / 2);
    // Without a barcode record nothing but the caption and the helper outline is drawn.
    barcode.SetBarCode(nullptr);
    EXPECT_TRUE(inkBounds(RenderPageImage(page, PageImageOptions{})).isEmpty());
}
