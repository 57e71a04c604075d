#include "export/pdf_batch.h"
#include "export/pdf_export.h"
#include "export/pdf_job.h"
#include "export/pdf_parallel_job.h"
#include "export/pdf_split.h"
#include "export_test_util.h"
#include "files/design_file.h"
#include "files/plain_file.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace exporttest;
using testsupport::runProgram;

namespace
{

#define REQUIRE_READERS()                                                                                    \
    if (!haveReaders()) GTEST_SKIP() << "poppler-utils and qpdf are needed"

QString pdfFonts(const QString &pdf)
{
    return QString::fromUtf8(runProgram("pdffonts", {pdf}).out);
}

// pdffonts lists fonts, and every one says "yes" in the embedded column (the fifth from the end).
bool allFontsEmbedded(const QString &listing)
{
    const QStringList rows = listing.split('\n', Qt::SkipEmptyParts).mid(2);
    return !rows.isEmpty() && std::all_of(rows.begin(), rows.end(), [](const QString &row) {
        const QStringList cols = row.split(' ', Qt::SkipEmptyParts);
        return cols.size() >= 6 && cols[cols.size() - 5] == "yes";
    });
}

// Each channel of c within tolerance of want's.
bool like(const QColor &c, const QColor &want, int tolerance = 90)
{
    return std::abs(c.red() - want.red()) < tolerance && std::abs(c.green() - want.green()) < tolerance &&
           std::abs(c.blue() - want.blue()) < tolerance;
}

// Colour of the page point (points from the top-left) in an image of scale pixels per point.
QColor at(const QImage &image, double xPt, double yPt, double scale = 2.0)
{
    return image.pixelColor(int(xPt * scale), int(yPt * scale));
}

template <typename Pred> bool anyNear(const QImage &image, double xPt, double yPt, Pred pred, int radius = 3)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (pred(image.pixelColor(int(xPt * 2) + dx, int(yPt * 2) + dy))) return true;
    return false;
}

} // namespace

TEST(PdfExport, ReportPagesTextAndFontsAsReadersSeeThem)
{
    REQUIRE_READERS();
    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    VDoc doc;
    const QStringList words = {"Привет", "İstanbul", "ağaçlığı"};
    for (int i = 0; i < 3; ++i) {
        VPage *page = addPage(doc);
        // 20 mm, 30 mm, 60 x 8 mm, centred.
        VGrfElement *centred = addLabel(page->Root(), words[i], 1134, 1701, 3402, 454);
        centred->Font().SetFontName("Arial");
        centred->Font().SetFontWeight(700);
        TZelFont &topLeft =
            addLabel(page->Root(), QStringLiteral("page%1").arg(i + 1), 1134, 2835, 3402, 454)->Font();
        topLeft.SetFontName("Times New Roman");
        topLeft.SetFontItalic(1);
        topLeft.SetHorzPos(0);
        topLeft.SetVertPos(0);
    }
    const PdfExportResult exported = ExportReportPdf(doc, pdf, 1254, "Tessaly");
    ASSERT_TRUE(exported) << exported.message.toStdString();

    EXPECT_EQ(runProgram("qpdf", {"--check", pdf}).exitCode, 0);
    EXPECT_EQ(pdfPageSizes(pdf), QStringList({"595 x 842", "595 x 842", "595 x 842"})); // and no more

    const std::vector<PdfWord> found = pdfWords(pdf);
    for (int i = 0; i < 3; ++i) {
        const PdfWord *w = findWord(found, words[i]);
        ASSERT_NE(w, nullptr) << words[i].toStdString();
        EXPECT_EQ(w->page, i);
        EXPECT_NEAR(w->box.center().x(), (1134 + 3402 / 2) / 20.0, 1.5);
        EXPECT_GT(w->box.top(), 1701 / 20.0 - 2);
        EXPECT_LT(w->box.bottom(), (1701 + 454) / 20.0 + 2);
        const PdfWord *p = findWord(found, QStringLiteral("page%1").arg(i + 1));
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->page, i);
        EXPECT_NEAR(p->box.left(), 1134 / 20.0, 1.0);
        // Top alignment puts the capitals' top at the box top; the ascenders reach a little above.
        EXPECT_GT(p->box.top(), 2835 / 20.0 - 5);
        EXPECT_LT(p->box.top(), 2835 / 20.0 + 1);
    }

    const QString fonts = pdfFonts(pdf);
    EXPECT_TRUE(allFontsEmbedded(fonts)) << fonts.toStdString();
    EXPECT_TRUE(fonts.contains("LiberationSans-Bold") && fonts.contains("LiberationSerif-Italic"))
        << fonts.toStdString();
}

namespace
{
// A4 portrait, A5 landscape and a 100 x 150 mm label, each with a word 20 mm, 30 mm from its
// top-left corner; the word of page i is "page<i+1>".
std::unique_ptr<VDoc> mixedPapers()
{
    auto doc = std::make_unique<VDoc>();
    const struct {
        int paper;
        double w, h;
        int orientation;
    } papers[] = {{9, 210, 297, 1}, {11, 148, 210, 2}, {256, 100, 150, 1}};
    for (const auto &p : papers) {
        VPage *page = addPage(*doc, p.paper, p.w, p.h);
        page->Settings().Orientation = p.orientation;
        const QSize twips = page->TwipsSize();
        page->Root().Shape().SetWidth(twips.width());
        page->Root().Shape().SetHeight(twips.height());
        TZelFont &font =
            addLabel(page->Root(), QStringLiteral("page%1").arg(doc->PageCount()), 1134, 1701, 3402, 454)
                ->Font();
        font.SetHorzPos(0);
        font.SetVertPos(0);
    }
    return doc;
}

// Every page the size of its paper in points (twips / 20, rounded) and the word where its
// twips put it on that page, whichever way the PDF was written.
void expectPapers(const QString &pdf)
{
    EXPECT_EQ(pdfPageSizes(pdf), QStringList({"595 x 842", "595 x 420", "283 x 425"})) << pdf.toStdString();
    const std::vector<PdfWord> words = pdfWords(pdf);
    for (int i = 0; i < 3; ++i) {
        const PdfWord *w = findWord(words, QStringLiteral("page%1").arg(i + 1));
        ASSERT_NE(w, nullptr) << i;
        EXPECT_EQ(w->page, i);
        EXPECT_NEAR(w->box.left(), 1134 * 72 / 1440.0, 1.0) << i;
        EXPECT_GT(w->box.top(), 1701 * 72 / 1440.0 - 5) << i;
        EXPECT_LT(w->box.top(), 1701 * 72 / 1440.0 + 1) << i;
    }
}
} // namespace

// Parts drawn on threads and joined (object streams, fonts and resources shared between parts)
// look as the same pages written in one piece; invoices and labels alternate, so that the parts
// differ in fonts, paper and barcodes.
TEST(PdfExport, JoinedPartsLookAsOnePiece)
{
    REQUIRE_READERS();
    VDoc invoice, label, report;
    ASSERT_TRUE(ReadDesignFile(invoice, QStringLiteral(TESSALY_SOURCE_DIR "/examples/invoice.edt")));
    ASSERT_TRUE(ReadDesignFile(label, QStringLiteral(TESSALY_SOURCE_DIR "/examples/label.ebt")));
    constexpr int kPages = 560;
    // Each part's pages write letters of their own, so that the parts' font subsets differ.
    const QStringList letters{"abc", "XYZ", "jkl"};
    for (int i = 0; i < kPages; ++i) {
        VPage *page = report.AddPage();
        CopyPageContent(*(i % 2 ? label : invoice).FirstPage(), *page);
        for (const auto &e : page->Root().ChildList())
            if (e->Kind() == ElementKind::Label) e->SetCaption(letters[i / 250] + QString::number(i));
    }
    QTemporaryDir dir;
    const QString one = dir.filePath("one.pdf"), joined = dir.filePath("joined.pdf");
    // One engine, its pages copied out whole.
    QBuffer piece;
    piece.open(QIODevice::WriteOnly);
    PdfReportWriter writer(one, 1252, QStringLiteral("Tessaly"));
    ASSERT_TRUE(writer.begin(ReportPdfPageSize(*report.PageAt(0)), &piece, 1));
    for (int i = 0; i < kPages; ++i)
        ASSERT_TRUE(writer.addPage(*report.PageAt(i)));
    ASSERT_TRUE(writer.finish()) << writer.result().message.toStdString();
    PdfSplitter splitter;
    ASSERT_TRUE(splitter.open(piece.data(), writer.takeUnderlays()));
    QFile onePiece(one);
    ASSERT_TRUE(onePiece.open(QIODevice::WriteOnly) && splitter.write(0, kPages, onePiece));
    onePiece.close();
    ParallelPdfJob job(joined, 1252, QStringLiteral("Tessaly"), false, 2);
    for (int i = 0; i < kPages; ++i)
        job.add(ClonePage(*report.PageAt(i)));
    ASSERT_TRUE(job.finish().ok);
    EXPECT_EQ(runProgram("qpdf", {"--check", joined}).exitCode, 0);
    for (int page : {1, 2, 250, 251, 502, kPages}) {
        const QString n = QString::number(page);
        const auto picture = [&](const QString &pdf) {
            return runProgram("pdftoppm", {"-r", "40", "-gray", "-f", n, "-l", n, pdf}).out;
        };
        const QByteArray want = picture(one);
        EXPECT_FALSE(want.isEmpty());
        EXPECT_TRUE(picture(joined) == want) << "page " << page << " looks different";
    }
}

TEST(PdfExport, EachPageIsItsOwnPaper)
{
    REQUIRE_READERS();
    QTemporaryDir dir;
    const QString whole = dir.filePath("whole.pdf");
    std::unique_ptr<VDoc> doc = mixedPapers();
    ASSERT_TRUE(ExportReportPdf(*doc, whole, 1252, QString()));
    expectPapers(whole);

    // Streamed page by page, each page freed once written.
    const QString streamed = dir.filePath("streamed.pdf");
    PdfJob job(streamed, 1252, QString(), false);
    doc = mixedPapers();
    while (doc->PageCount() > 0)
        job.add(doc->TakePage(0));
    ASSERT_TRUE(job.finish());
    expectPapers(streamed);

    // Two documents in one batch: the second's first page turns from the first's last.
    ASSERT_TRUE(PdfBatch::Works());
    PdfBatch batch(1252, false);
    doc = mixedPapers();
    const QString parts[] = {dir.filePath("a.pdf"), dir.filePath("b.pdf")};
    for (const QString &part : parts) {
        batch.beginDocument(part, ReportPdfPageSize(*doc->PageAt(0)));
        for (int i = 0; i < doc->PageCount(); ++i)
            batch.addPage(*doc->PageAt(i));
    }
    for (const PdfExportResult &r : batch.finish())
        EXPECT_TRUE(r) << r.message.toStdString();
    for (const QString &part : parts)
        expectPapers(part);
}

TEST(PdfExport, FramesBordersAndDashesWhereTheMarkupPutsThem)
{
    REQUIRE_READERS();
    QTemporaryDir dir;
    const QString pdf = dir.filePath("frames.pdf");
    const QString font = "[fn:Arial:fn][fs:3.5:fs][fc:0:fc]";
    const QStringList lines = {
        // red solid frame 72..216 x 72..144 pt
        font + "[gf:0:gf][gl:1440:gl][gt:1440:gt][gr:2880:gr][gb:1440:gb][gc:255:gc][pt:0:pt]",
        // pen colour 0 on a frame is white; black bottom border (0), green rising diagonal
        font + "[gf:3:gf][gl:1440:gl][gt:4320:gt][gr:2880:gr][gb:1440:gb][gc:0:gc][pt:0:pt]"
               "[f2:0:f2][f4:65280:f4]",
        // a text frame of pen colour 0 is black
        font + "[fo:0:fo][tca:Boxed:tca][tl:5760:tl][tt:1440:tt][tr:1440:tr][tb:720:tb]"
               "[tc:0:tc][tv:1:tv][ts:0:ts][th:1:th]",
        // pen style 5: no rectangle, but a blue left border
        font + "[fo:0:fo][tca:Open:tca][tl:5760:tl][tt:4320:tt][tr:1440:tr][tb:720:tb]"
               "[tc:255:tc][tv:1:tv][ts:5:ts][th:1:th][f3:16711680:f3]",
        // dashed (style 1) red frame, solid blue frame of style 6, no frame for style 5
        font + "[gf:0:gf][gl:1440:gl][gt:7200:gt][gr:2880:gr][gb:720:gb][gc:255:gc][pt:1:pt]",
        font + "[gf:0:gf][gl:5760:gl][gt:7200:gt][gr:2880:gr][gb:720:gb][gc:16711680:gc][pt:6:pt]",
        font + "[gf:0:gf][gl:5760:gl][gt:8640:gt][gr:2880:gr][gb:720:gb][gc:255:gc][pt:5:pt]",
    };
    ASSERT_TRUE(ExportPdf(PageMarkup{lines}, pdf, 600, 600, 1252, QString()).ok);
    const QImage page = renderPdfPage(pdf, 1, 144);
    ASSERT_EQ(page.size(), QSize(1200, 1200));

    const struct {
        double x, y;
        QColor colour;
    } points[] = {
        {144, 72, Qt::red},    {72, 108, Qt::red},    {216, 108, Qt::red},
        {144, 108, Qt::white},                                               // red frame
        {144, 216, Qt::white}, {144, 288, Qt::black},                        // white frame
        {324, 72, Qt::black},  {360, 90, Qt::black},                         // text frame
        {330, 216, Qt::white}, {288, 234, Qt::blue},  {330, 432, Qt::white}, // no frames
    };
    for (const auto &p : points)
        EXPECT_TRUE(like(at(page, p.x, p.y), p.colour))
            << p.x << ", " << p.y << ": " << p.colour.name().toStdString();
    EXPECT_TRUE(anyNear(page, 144, 252, [](const QColor &c) { return like(c, Qt::green); }));

    int red = 0, white = 0;
    for (double x = 80; x < 200; x += 0.5) {
        red += like(at(page, x, 360), Qt::red);
        white += like(at(page, x, 360), Qt::white);
        ASSERT_TRUE(like(at(page, x, 72), Qt::red)) << x; // the solid frame has no gaps
    }
    EXPECT_GT(red, 40);
    EXPECT_GT(white, 20); // the gaps of the dash
    for (double x = 300; x < 420; x += 0.5)
        ASSERT_TRUE(like(at(page, x, 360), Qt::blue)) << x;
}

TEST(PdfExport, TextAlignmentFittingOrientationAndFonts)
{
    REQUIRE_READERS();
    QTemporaryDir dir;
    const QString pdf = dir.filePath("text.pdf");
    const QString longText = "Much too long for its little box";
    const QStringList lines = {
        textLine("Lefttop", 1134, 1701, 2000, 283, 0, 0, 0),
        textLine("Rightbottom", 1134, 2835, 2000, 283, 2, 2, 0),
        textLine("Middle", 680, 3969, 2000, 283, 1, 1, 0),
        textLine("Tall", 4000, 5103, 1440, 1440, 1, 0, 0),
        textLine("Deep", 6000, 5103, 1440, 1440, 1, 2, 0),
        textLine(longText, 1134, 8000, 1000, 300, 0, 1, 0),
        textLine("Rotated", 8000, 1134, 400, 2400, 1, 1, 90),
        textLine("Skewed", 1134, 9000, 2000, 300, 0, 0, 45),
        textLine("Nowhere", 1134, 9500, 2000, 300, 3, 0, 0),
        textLine("Huge", 1134, 10000, 4000, 1000, 0, 0, 0, "[fn:Arial:fn][fs:0:fs][fc:0:fc]"),
        textLine("Fallback", 1134, 11500, 4000, 300, 0, 0, 0,
                 "[fn:No Such Face:fn][fs:3.5:fs][fc:0:fc][fb:1:fb]"),
    };
    ASSERT_TRUE(ExportPdf(PageMarkup{lines}, pdf, 595, 842, 1252, QString()).ok);
    const std::vector<PdfWord> words = pdfWords(pdf);
    for (const char *gone : {"Skewed", "Nowhere"}) // unknown orientation or alignment: no text
        EXPECT_EQ(findWord(words, gone), nullptr) << gone;
    const auto box = [&](const QString &text) {
        const PdfWord *w = findWord(words, text);
        EXPECT_NE(w, nullptr) << text.toStdString();
        return w ? w->box : QRectF();
    };
    EXPECT_NEAR(box("Lefttop").left(), 56.7, 1.0);
    EXPECT_NEAR(box("Rightbottom").right(), 156.7, 1.0);
    EXPECT_NEAR(box("Middle").center().x(), 84.0, 1.0);
    EXPECT_NEAR(box("Middle").center().y(), 3969 / 20.0 + 7.075, 2.5);
    EXPECT_LT(box("Tall").center().y(), 5103 / 20.0 + 18);
    EXPECT_GT(box("Deep").center().y(), 5103 / 20.0 + 54);

    // Shrunk into 50 points, never past the box.
    double left = 1e9, right = 0;
    for (const QString &part : longText.split(' ')) {
        left = std::min(left, box(part).left());
        right = std::max(right, box(part).right());
    }
    EXPECT_GE(left, 56 - 0.5); // the integer conversion of 1134 twips
    EXPECT_LE(right, 56 + 50 + 0.5);

    const QRectF rotated = box("Rotated");
    EXPECT_GT(rotated.height(), 2 * rotated.width());
    EXPECT_GT(rotated.left(), 400.0 - 1);
    EXPECT_LT(rotated.right(), 420.0 + 1);
    EXPECT_GT(box("Huge").height(), 25.0); // 10 mm: 28 points
    box("Fallback");
    EXPECT_TRUE(pdfFonts(pdf).contains("LiberationMono-Bold"));
}

// The rows of pdfimages' listing after its header, pictures apart from stencils (image masks).
QByteArrayList imageRows(const QString &pdf, bool stencils)
{
    QByteArrayList rows = runProgram("pdfimages", {"-list", pdf}).out.split('\n').mid(2);
    rows.removeIf([&](const QByteArray &row) {
        const bool stencil = row.simplified().split(' ').value(2) == "stencil";
        return row.trimmed().isEmpty() || stencil != stencils;
    });
    return rows;
}

// Barcode stencils go beneath the page unless something drawn before them overlaps them; no
// picture goes into the file or is left beside it.
TEST(PdfExport, GroupsTablesAndBarcodesAreVectorsOrStencils)
{
    REQUIRE_READERS();
    QTemporaryDir dir;
    const QString pdf = dir.filePath("vectors.pdf");
    VDoc doc;
    VPage *page = addPage(doc);
    VGrfElement *group = addElement(page->Root(), ElementKind::Group, 1134, 2268, 4536, 1701);
    group->Shape().SetBrushStyle(0);
    group->Shape().SetBrushColor(Rgb(255, 255, 0));
    addLabel(*group, "Inside", 1400, 2500, 2000, 400)->Font().SetFontHeight(6);
    VGrfElement *table = addElement(page->Root(), ElementKind::Table, 1134, 4536, 5670, 1134);
    for (int i = 0; i < 2; ++i) {
        VShape &cell = addElement(*table, ElementKind::Cell, 1134 + i * 2835, 4536, 2835, 1134)->Shape();
        cell.SetPenStyle(0);
        cell.SetBrushStyle(0);
        cell.SetBrushColor(Rgb(0, 0, 255));
    }
    VBarCode &ean = addElement(page->Root(), ElementKind::BarCode, 1134, 7000, 2835, 1417)->EnsureBarCode();
    ean.SetType(VBarCode::Ean13);
    ean.SetValue("400638133393");
    ean.SetShowValue(true);
    // A frame drawn before the first QR Code, around it: the symbol still goes beneath the page.
    VShape &frame = addElement(page->Root(), ElementKind::Panel, 5500, 6800, 2100, 2100)->Shape();
    frame.SetPenStyle(0);
    frame.SetBrushStyle(1);
    VBarCode &qr = addElement(page->Root(), ElementKind::BarCode, 5670, 7000, 1701, 1701)->EnsureBarCode();
    qr.SetType(VBarCode::Qr);
    qr.SetValue("Tessaly/QR 1");
    // Turned a quarter: the stencil turns with it.
    VBarCode &turned =
        addElement(page->Root(), ElementKind::BarCode, 8000, 7000, 1134, 3402)->EnsureBarCode();
    turned.SetType(VBarCode::Code128);
    turned.SetValue("ART-00042");
    turned.SetOrientation(1);
    // On the yellow group, which is drawn first: drawn over it in its turn, not beneath the page.
    VBarCode &onGroup =
        addElement(page->Root(), ElementKind::BarCode, 4000, 2400, 1000, 1000)->EnsureBarCode();
    onGroup.SetType(VBarCode::Qr);
    onGroup.SetValue("Tessaly/QR 2");

    ASSERT_TRUE(ExportReportPdf(doc, pdf, 1252, QString()));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"vectors.pdf"});
    EXPECT_TRUE(imageRows(pdf, false).isEmpty()) << imageRows(pdf, false).join('\n').toStdString();
    // The bars (the guards apart) and the first QR Code: modules by modules, quiet zones included.
    QStringList stencils;
    for (const QByteArray &row : imageRows(pdf, true))
        stencils << QString::fromLatin1(row.simplified().split(' ').mid(3, 2).join('x'));
    EXPECT_EQ(stencils, QStringList({"113x1", "113x1", "23x23", "152x1"}));

    const QImage rendered = renderPdfPage(pdf, 1, 144);
    const QColor yellow = at(rendered, (1134 + 4000) / 20.0, (2268 + 1500) / 20.0);
    EXPECT_TRUE(yellow.red() > 200 && yellow.green() > 200 && yellow.blue() < 120)
        << yellow.name().toStdString();
    EXPECT_TRUE(like(at(rendered, (1134 + 1400) / 20.0, (4536 + 567) / 20.0), Qt::blue));
    EXPECT_TRUE(like(at(rendered, (1134 + 4200) / 20.0, (4536 + 567) / 20.0), Qt::blue));
    EXPECT_TRUE(like(at(rendered, (1134 + 1400) / 20.0, (4536 + 1300) / 20.0), Qt::white));
    // The middle of the top-left finder pattern: 4.5 of 23 modules in.
    EXPECT_TRUE(like(at(rendered, (4000 + 196) / 20.0, (2400 + 196) / 20.0), Qt::black));
    const std::vector<PdfWord> words = pdfWords(pdf);
    EXPECT_NE(findWord(words, "Inside"), nullptr);
    QString text;
    for (const PdfWord &w : words)
        text += w.text;
    EXPECT_TRUE(text.contains("4006381333931")) << text.toStdString(); // the digits are text

    if (!testsupport::haveTool("zbarimg")) return;
    const QString png = pdf + ".png";
    ASSERT_TRUE(renderPdfPage(pdf, 1, 300).save(png));
    const QString decoded = QString::fromUtf8(runProgram("zbarimg", {"-q", png}).out);
    EXPECT_TRUE(decoded.contains("EAN-13:4006381333931")) << decoded.toStdString();
    EXPECT_TRUE(decoded.contains("QR-Code:Tessaly/QR 1")) << decoded.toStdString();
    EXPECT_TRUE(decoded.contains("QR-Code:Tessaly/QR 2")) << decoded.toStdString();
    EXPECT_TRUE(decoded.contains("CODE-128:ART-00042")) << decoded.toStdString();
}

TEST(PdfExport, FailuresReportAndStop)
{
    QTemporaryDir dir;
    const QStringList text = {textLine("Survivor", 1440, 1440, 2880, 400, 0, 0, 0)};

    // An output folder that cannot be written.
    const QString unwritable = dir.filePath("missing-folder/out.pdf");
    PdfExportResult r = ExportPdf(PageMarkup{text}, unwritable, 595, 842, 1252, "Tessaly");
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.startsWith("Error: ")) << r.message.toStdString();
    EXPECT_FALSE(QFile::exists(unwritable));

    // A missing font map: the message in the language of the code page, and no new PDF; the one
    // that was there before stays.
    const QString pdf = dir.filePath("out.pdf");
    const QString resource = dir.filePath("none/pdflib.upr");
    testsupport::writeAll(pdf, "old");
    const std::pair<int, QString> messages[] = {{1252, "File " + resource + " was not found!"},
                                                {1251, resource + " файл не найден!"},
                                                {1254, resource + " dosyası bulunamadı!"},
                                                {437, "File " + resource + " was not found!"}};
    for (const auto &[codePage, message] : messages) {
        r = ExportPdf(PageMarkup{text}, pdf, 595, 842, codePage, "Tessaly", resource);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, message);
        EXPECT_EQ(r.title, "Tessaly");
    }
    EXPECT_EQ(testsupport::readAll(pdf), QByteArray("old"));

    // Pictures that cannot be loaded are skipped; the rest of the page is written.
    const QString garbage = dir.filePath("garbage.bmp");
    testsupport::writeAll(garbage, "not a picture");
    const QString box = "[il:0:il][it:0:it][ir:1440:ir][ib:1440:ib][ic:0:ic]";
    const QStringList lines = {
        "[ifn:" + garbage + ":ifn]" + box + "[iss:1:iss]",
        "[ifn:" + dir.filePath("absent.bmp") + ":ifn]" + box + "[iss:0:iss]",
        "[ifn::ifn]" + box + "[iss:2:iss]",
        "[gst:0:gst][gl:100:gl][gt:100:gt][gr:100:gr][gb:100:gb][gc:0:gc]",
        "[st:0:st][gl:100:gl][gt:100:gt][gr:100:gr][gb:100:gb][gc:0:gc]",
        "[bcv:123:bcv][gl:100:gl][gt:100:gt][gr:100:gr][gb:100:gb][gc:0:gc][pt:5:pt]",
        "[tca:", // a broken line
        QString(),
        text[0],
    };
    r = ExportPdf(PageMarkup{lines}, pdf, 595, 842, 1252, QString());
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    if (haveReaders()) {
        EXPECT_EQ(runProgram("qpdf", {"--check", pdf}).exitCode, 0);
        EXPECT_NE(findWord(pdfWords(pdf), "Survivor"), nullptr);
    }

    VDoc empty;
    const PdfExportResult none = ExportReportPdf(empty, pdf, 1252, QString());
    EXPECT_FALSE(none);
    EXPECT_FALSE(none.message.isEmpty());
}

TEST(PdfExport, CommandLine)
{
    REQUIRE_READERS();
    QTemporaryDir dir;
    const QString invoice = TESSALY_SOURCE_DIR "/examples/invoice.edt";
    const QString design = dir.filePath("design.pdf"), merged = dir.filePath("merged.pdf");
    testsupport::Run r = testsupport::runCli({"export", invoice, "--format", "pdf", "-o", design});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(pdfInfo(design, "Pages"), "1");
    EXPECT_NE(findWord(pdfWords(design), "INVOICE"), nullptr);

    // With data, DOC is the design and the merged report is exported.
    r = testsupport::runCli({"export", invoice, "--data", TESSALY_SOURCE_DIR "/examples/invoice.edd",
                             "--format", "pdf", "-o", merged});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(runProgram("qpdf", {"--check", merged}).exitCode, 0);
    EXPECT_EQ(pdfInfo(merged, "Pages"), "2");
    const std::vector<PdfWord> words = pdfWords(merged);
    const PdfWord *number = findWord(words, "2026-0418");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->page, 1);
    EXPECT_NE(findWord(words, "Müller"), nullptr);

    EXPECT_EQ(testsupport::runCli({"export", invoice, "--format", "xyz", "-o", design}).exitCode, 2);
    EXPECT_EQ(
        testsupport::runCli({"export", dir.filePath("none.edt"), "--format", "pdf", "-o", design}).exitCode,
        1);
    r = testsupport::runCli(
        {"export", invoice, "--format", "pdf", "-o", dir.filePath("no/such/folder/x.pdf")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith("Error: ")) << r.err.toStdString();
}

TEST(PdfExport, GarbageInTheMarkupGivesAValidFile)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("garbage.pdf");
    const QStringList lines = {
        "[fn:Arial:fn][fs:1e300:fs][fc:x:fc][fo:0:fo][tca:Enormous:tca][tl:1:tl][tt:1:tt][tr:99:tr][tb:99:tb]"
        "[tv:1:tv][th:1:th]",
        "[fn::fn][fs:abc:fs][fo::fo][tca:Plain:tca][tl:2147483647:tl][tt:-2147483647:tt][tr:99999999999:tr]"
        "[tb:-5:tb][tv: 1,0:tv][th:nan:th][ts:-3:ts]",
        "[gf:9:gf][gl:2147483647:gl][gt:2147483647:gt][gr:2147483647:gr][gb:2147483647:gb][gc:4294967295:gc]"
        "[pt:77:pt][f0:-1:f0][f4::f4]",
        "[ifn:/dev/null:ifn][iss:9:iss][ic:-1:ic]",
        "[bcv:../../x:bcv][gl:0:gl][gt:0:gt][gr:0:gr][gb:0:gb]",
        ":tca][tca:\x0c", // a form feed inside a broken line still turns the page
        "[tca:Last:tca][tl:1440:tl][tt:1440:tt][tr:2880:tr][tb:400:tb]",
    };
    const PdfExportResult r = ExportPdf(PageMarkup{lines}, pdf, 300, 300, 1252, QString());
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    if (!haveReaders()) return;
    EXPECT_EQ(runProgram("qpdf", {"--check", pdf}).exitCode, 0);
    EXPECT_EQ(pdfInfo(pdf, "Pages"), "2");
    const std::vector<PdfWord> words = pdfWords(pdf);
    const PdfWord *last = findWord(words, "Last");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->page, 1);
    EXPECT_EQ(findWord(words, "Plain"), nullptr); // an unknown alignment code
}

// Captions, font names and barcode values holding the markup's own tags are drawn exactly as
// typed, where their labels are, and never turn the page or pull a picture file in.
TEST(PdfExport, ValuesHoldingMarkupAreDrawnAsTyped)
{
    REQUIRE_READERS();
    QTemporaryDir dir;
    const QString pdf = dir.filePath("values.pdf");
    const QString picture = dir.filePath("secret.png");
    QImage red(40, 40, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(picture));
    const QStringList vocabulary = {"fn", "fs",  "fc",  "fb", "fi", "fo", "gf", "gl", "gt", "gr",
                                    "gb", "gc",  "pt",  "f0", "f1", "f2", "f3", "f4", "f5", "gst",
                                    "st", "bcv", "tca", "tl", "tt", "tr", "tb", "tc", "tv", "ts",
                                    "th", "ifn", "il",  "it", "ir", "ib", "ic", "iss"};
    VDoc doc;
    VPage *page = addPage(doc);
    QStringList captions;
    QString everyMarker;
    for (int i = 0; i < vocabulary.size(); ++i) {
        const QString &t = vocabulary[i];
        // Both markers, a whole tag and the markers in the wrong order.
        captions << "[" + t + ":9999:" + t + "]:" + t + "]z[" + t + ":";
        everyMarker += "[" + t + "::" + t + "]";
        addLabel(page->Root(), captions.last(), 1134, 567 + i * 340, 7000, 300)->Font().SetHorzPos(0);
    }
    const QString pulling = "[ifn:" + picture + ":ifn][il:0:il][it:0:it][ir:2880:ir][ib:2880:ib][iss:1:iss]";
    addLabel(page->Root(), pulling, 1134, 14000, 9000, 300)->Font().SetHorzPos(0);
    VGrfElement *fontNamed = addLabel(page->Root(), "FontNamed", 1134, 14400, 3000, 300);
    fontNamed->Font().SetFontName("Arial:fn][tl:9999:tl][fo:90:fo]");
    fontNamed->Font().SetHorzPos(0);
    addLabel(page->Root(), QString("Feed") + QChar(0x0C) + "Feed", 1134, 14800, 3000, 300);
    VGrfElement *qrElement = addElement(page->Root(), ElementKind::BarCode, 5670, 14400, 2268, 2268);
    VBarCode &qr = qrElement->EnsureBarCode();
    qr.SetType(VBarCode::Qr);
    qr.SetRawValue(everyMarker + pulling);

    const PdfExportResult r = ExportReportPdf(doc, pdf, 1252, QString());
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_EQ(pdfInfo(pdf, "Pages"), "1");
    EXPECT_TRUE(imageRows(pdf, false).isEmpty()) << "a picture was pulled in";

    const std::vector<PdfWord> words = pdfWords(pdf);
    for (int i = 0; i < captions.size(); ++i) {
        const PdfWord *w = findWord(words, captions[i]);
        ASSERT_NE(w, nullptr) << captions[i].toStdString();
        EXPECT_NEAR(w->box.left(), 1134 / 20.0, 1.5) << captions[i].toStdString();
        EXPECT_NEAR(w->box.center().y(), (567 + i * 340 + 150) / 20.0, 6) << captions[i].toStdString();
    }
    const PdfWord *pulled = findWord(words, pulling);
    EXPECT_NE(pulled, nullptr);
    const PdfWord *named = findWord(words, "FontNamed");
    ASSERT_NE(named, nullptr);
    EXPECT_NEAR(named->box.left(), 1134 / 20.0, 1.5);
    EXPECT_LT(named->box.width(), 3000 / 20.0); // upright, where its own box is

    if (testsupport::haveTool("zbarimg")) {
        const QString png = pdf + ".png";
        ASSERT_TRUE(renderPdfPage(pdf, 1, 300).save(png));
        QString decoded = QString::fromUtf8(runProgram("zbarimg", {"--nodbus", "--raw", "-q", png}).out);
        if (decoded.endsWith('\n')) decoded.chop(1);
        EXPECT_EQ(decoded, qr.Value());
    }
}

// A picture line naming a device, a pipe or a folder reads nothing and waits for nothing; the
// export names the file, and the rest of the page is written.
TEST(PdfExport, PictureFilesAreReadOnlyFromPlainFiles)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("out.pdf");
    const auto files = testsupport::unreadablePictureFiles(dir);
    const QString box = "[il:0:il][it:0:it][ir:1440:ir][ib:1440:ib][ic:0:ic][iss:1:iss]";
    QStringList lines, reasons;
    for (const auto &[name, reason] : files) {
        lines << EscapeMarkupValue(name).prepend("[ifn:") + ":ifn]" + box;
        reasons << reason;
    }
    lines << textLine("Survivor", 1440, 1440, 2880, 400, 0, 0, 0);
    const PdfExportResult r = ExportPdf(PageMarkup{lines}, pdf, 595, 842, 1252, QString());
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_EQ(r.warnings, reasons);
    if (haveReaders()) {
        EXPECT_NE(findWord(pdfWords(pdf), "Survivor"), nullptr);
    }
    // Pictures chosen for a design are read by the same rule.
    VPicture chosen;
    for (const auto &[name, reason] : files)
        EXPECT_FALSE(chosen.LoadFile(name)) << name.toStdString();
}

// A label picture that --keep-pictures cannot write beside the PDF is reported, exit code 1.
TEST(PdfExport, KeptPicturesThatCannotBeWrittenFailTheCommand)
{
    QTemporaryDir dir;
    const QString picture = dir.filePath("logo.png"), design = dir.filePath("d.edt");
    QImage blue(30, 30, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    ASSERT_TRUE(blue.save(picture));
    VDoc doc;
    VPage *page = addPage(doc);
    VGrfElement *label = addLabel(page->Root(), QString(), 1134, 1134, 1134, 1134);
    auto pic = std::make_unique<VPicture>();
    pic->SetImage(blue);
    label->SetPicture(std::move(pic));
    ASSERT_TRUE(WriteDesignFile(doc, design));

    const QString pdf = dir.filePath("out.pdf");
    const QString kept = PictureFileName(*label, pdf);
    testsupport::Run ok =
        testsupport::runCli({"export", design, "--format", "pdf", "--keep-pictures", "-o", pdf});
    ASSERT_EQ(ok.exitCode, 0) << ok.err.toStdString();
    EXPECT_FALSE(QImage(kept).isNull());

    // A folder where the picture goes: the write fails as on a full disk, and says so.
    ASSERT_TRUE(QFile::remove(kept) && QDir().mkdir(kept));
    const testsupport::Run failed =
        testsupport::runCli({"export", design, "--format", "pdf", "--keep-pictures", "-o", pdf});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(failed.err).contains(kept)) << failed.err.toStdString();
}
