#include "export/export_pictures.h"
#include "export/pdf_export.h"
#include "export_test_util.h"
#include "pdf_reader_util.h"
#include "test_support.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace exporttest;
using testsupport::runProgram;

namespace
{

#define REQUIRE_READERS()                                                                                    \
    if (!haveReaders()) GTEST_SKIP() << "poppler-utils and qpdf are needed"

QString pdfFonts(const QString &pdf)
{
    return QString::fromUtf8(runProgram(QStringLiteral("pdffonts"), {pdf}).out);
}

// Every font row of pdffonts says "yes" in the embedded column.
bool allFontsEmbedded(const QString &listing)
{
    const QStringList lines = listing.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.size() < 3) return false;
    for (int i = 2; i < lines.size(); ++i) {
        const QStringList cols = lines[i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (cols.size() < 6 || cols[cols.size() - 5] != QLatin1String("yes")) return false;
    }
    return true;
}

PageMarkup onePage(const QStringList &lines)
{
    return PageMarkup{lines};
}

bool isRed(const QColor &c)
{
    return c.red() > 190 && c.green() < 90 && c.blue() < 90;
}
bool isBlue(const QColor &c)
{
    return c.blue() > 190 && c.red() < 90 && c.green() < 90;
}
bool isDark(const QColor &c)
{
    return c.red() < 90 && c.green() < 90 && c.blue() < 90;
}
bool isWhite(const QColor &c)
{
    return c.red() > 235 && c.green() > 235 && c.blue() > 235;
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
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    VDoc doc;
    const QStringList words = {QStringLiteral("Привет"), QStringLiteral("İstanbul"),
                               QStringLiteral("ağaçlığı")};
    for (int i = 0; i < 3; ++i) {
        VPage *page = addPage(doc);
        // 20 mm, 30 mm, 60 x 8 mm, centred.
        VGrfElement *centred = addLabel(page->Root(), words[i], 1134, 1701, 3402, 454);
        centred->Font().SetFontName(QStringLiteral("Arial"));
        centred->Font().SetFontWeight(700);
        VGrfElement *topLeft =
            addLabel(page->Root(), QStringLiteral("page%1").arg(i + 1), 1134, 2835, 3402, 454);
        topLeft->Font().SetFontName(QStringLiteral("Times New Roman"));
        topLeft->Font().SetFontItalic(1);
        topLeft->Font().SetHorzPos(0);
        topLeft->Font().SetVertPos(0);
    }
    const PdfExportResult exported = ExportReportPdf(doc, pdf, 1254, QStringLiteral("Tessaly"));
    ASSERT_TRUE(exported) << exported.message.toStdString();

    EXPECT_EQ(runProgram(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf}).exitCode, 0);
    EXPECT_EQ(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("3"));
    EXPECT_TRUE(pdfInfo(pdf, QStringLiteral("Page size")).startsWith(QStringLiteral("612 x 866 pts")));

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
    EXPECT_TRUE(fonts.contains(QStringLiteral("LiberationSans-Bold"))) << fonts.toStdString();
    EXPECT_TRUE(fonts.contains(QStringLiteral("LiberationSerif-Italic"))) << fonts.toStdString();
}

TEST(PdfExport, PageSizeComesFromTheLastPage)
{
    REQUIRE_READERS();
    QTemporaryDir dir;
    struct Case {
        int paper;
        double w, h;
        int orientation;
        const char *expected;
    } cases[] = {
        {9, 210, 297, 1, "612 x 866 pts"},
        {10, 210, 297, 1, "601 x 850 pts"},
        {9, 210, 297, 2, "866 x 612 pts"},
        {1, 215.9, 279.4, 1, "612 x 792 pts"},
    };
    int n = 0;
    for (const Case &c : cases) {
        VDoc doc;
        addPage(doc, 9); // the first page's own size does not count
        VPage *last = addPage(doc, c.paper, c.w, c.h);
        last->Settings().Orientation = c.orientation;
        addLabel(last->Root(), QStringLiteral("x"), 1000, 1000, 1000, 300);
        const QString pdf = dir.filePath(QStringLiteral("size%1.pdf").arg(n++));
        ASSERT_TRUE(ExportReportPdf(doc, pdf, 1252, QString()));
        EXPECT_EQ(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("2"));
        EXPECT_TRUE(pdfInfo(pdf, QStringLiteral("Page size")).startsWith(QLatin1String(c.expected)))
            << c.expected << " got " << pdfInfo(pdf, QStringLiteral("Page size")).toStdString();
    }
}

TEST(PdfExport, FramesBordersAndDashesWhereTheMarkupPutsThem)
{
    REQUIRE_READERS();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("frames.pdf"));
    const QString font = QStringLiteral("[fn:Arial:fn][fs:3.5:fs][fc:0:fc]");
    const QStringList lines = {
        // red solid frame 72..216 x 72..144 pt
        font +
            QStringLiteral("[gf:0:gf][gl:1440:gl][gt:1440:gt][gr:2880:gr][gb:1440:gb][gc:255:gc][pt:0:pt]"),
        // pen colour 0 on a frame is white; black bottom border (0), green rising diagonal
        font + QStringLiteral("[gf:3:gf][gl:1440:gl][gt:4320:gt][gr:2880:gr][gb:1440:gb][gc:0:gc][pt:0:pt]"
                              "[f2:0:f2][f4:65280:f4]"),
        // a text frame of pen colour 0 is black
        font +
            QStringLiteral("[fo:0:fo][tca:Boxed:tca][tl:5760:tl][tt:1440:tt][tr:1440:tr][tb:720:tb][tc:0:tc]"
                           "[tv:1:tv][ts:0:ts][th:1:th]"),
        // pen style 5: no rectangle, but a blue left border
        font +
            QStringLiteral("[fo:0:fo][tca:Open:tca][tl:5760:tl][tt:4320:tt][tr:1440:tr][tb:720:tb][tc:255:tc]"
                           "[tv:1:tv][ts:5:ts][th:1:th][f3:16711680:f3]"),
        // dashed (style 1) red frame, solid blue frame of style 6, no frame for style 5
        font + QStringLiteral("[gf:0:gf][gl:1440:gl][gt:7200:gt][gr:2880:gr][gb:720:gb][gc:255:gc][pt:1:pt]"),
        font + QStringLiteral(
                   "[gf:0:gf][gl:5760:gl][gt:7200:gt][gr:2880:gr][gb:720:gb][gc:16711680:gc][pt:6:pt]"),
        font + QStringLiteral("[gf:0:gf][gl:5760:gl][gt:8640:gt][gr:2880:gr][gb:720:gb][gc:255:gc][pt:5:pt]"),
    };
    ASSERT_TRUE(ExportPdf(onePage(lines), pdf, 600, 600, 1252, QString()).ok);
    const QImage page = renderPdfPage(pdf, 1, 144);
    ASSERT_EQ(page.size(), QSize(1200, 1200));

    EXPECT_TRUE(isRed(at(page, 144, 72)));
    EXPECT_TRUE(isRed(at(page, 72, 108)));
    EXPECT_TRUE(isRed(at(page, 216, 108)));
    EXPECT_TRUE(isWhite(at(page, 144, 108)));

    EXPECT_TRUE(isWhite(at(page, 144, 216)));
    EXPECT_TRUE(isDark(at(page, 144, 288)));
    EXPECT_TRUE(anyNear(page, 144, 252, [](const QColor &c) { return c.green() > 150 && c.red() < 100; }));

    EXPECT_TRUE(isDark(at(page, 324, 72)));
    EXPECT_TRUE(isDark(at(page, 360, 90)));

    EXPECT_TRUE(isWhite(at(page, 330, 216)));
    EXPECT_TRUE(isBlue(at(page, 288, 234)));

    int red = 0, white = 0;
    for (double x = 80; x < 200; x += 0.5) {
        red += isRed(at(page, x, 360));
        white += isWhite(at(page, x, 360));
    }
    EXPECT_GT(red, 40);
    EXPECT_GT(white, 20); // the gaps of the dash
    for (double x = 80; x < 200; x += 0.5)
        ASSERT_TRUE(isRed(at(page, x, 72))) << x; // the solid frame has none
    for (double x = 300; x < 420; x += 0.5)
        ASSERT_TRUE(isBlue(at(page, x, 360))) << x;
    EXPECT_TRUE(isWhite(at(page, 330, 432)));
}

TEST(PdfExport, TextAlignmentFittingOrientationAndFonts)
{
    REQUIRE_READERS();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("text.pdf"));
    auto text = [](const QString &caption, int l, int t, int w, int h, int horz, int vert, int orientation,
                   const QString &extra = QStringLiteral("[fn:Arial:fn][fs:3.5:fs][fc:0:fc]")) {
        return extra +
               QStringLiteral("[fo:%1:fo][tca:%2:tca][tl:%3:tl][tt:%4:tt][tr:%5:tr][tb:%6:tb][tc:0:tc]"
                              "[tv:%7:tv][ts:5:ts][th:%8:th]")
                   .arg(orientation)
                   .arg(caption)
                   .arg(l)
                   .arg(t)
                   .arg(w)
                   .arg(h)
                   .arg(vert)
                   .arg(horz);
    };
    const QStringList lines = {
        text(QStringLiteral("Lefttop"), 1134, 1701, 2000, 283, 0, 0, 0),
        text(QStringLiteral("Rightbottom"), 1134, 2835, 2000, 283, 2, 2, 0),
        text(QStringLiteral("Middle"), 680, 3969, 2000, 283, 1, 1, 0),
        text(QStringLiteral("Tall"), 4000, 5103, 1440, 1440, 1, 0, 0),
        text(QStringLiteral("Deep"), 6000, 5103, 1440, 1440, 1, 2, 0),
        text(QStringLiteral("Much too long for its little box"), 1134, 8000, 1000, 300, 0, 1, 0),
        text(QStringLiteral("Rotated"), 8000, 1134, 400, 2400, 1, 1, 90),
        text(QStringLiteral("Skewed"), 1134, 9000, 2000, 300, 0, 0, 45),
        text(QStringLiteral("Nowhere"), 1134, 9500, 2000, 300, 3, 0, 0),
        text(QStringLiteral("Huge"), 1134, 10000, 4000, 1000, 0, 0, 0,
             QStringLiteral("[fn:Arial:fn][fs:0:fs][fc:0:fc]")),
        text(QStringLiteral("Fallback"), 1134, 11500, 4000, 300, 0, 0, 0,
             QStringLiteral("[fn:No Such Face:fn][fs:3.5:fs][fc:0:fc][fb:1:fb]")),
    };
    ASSERT_TRUE(ExportPdf(onePage(lines), pdf, 595, 842, 1252, QString()).ok);
    const std::vector<PdfWord> words = pdfWords(pdf);

    const PdfWord *w = findWord(words, QStringLiteral("Lefttop"));
    ASSERT_NE(w, nullptr);
    EXPECT_NEAR(w->box.left(), 56.7, 1.0);
    w = findWord(words, QStringLiteral("Rightbottom"));
    ASSERT_NE(w, nullptr);
    EXPECT_NEAR(w->box.right(), 156.7, 1.0);
    w = findWord(words, QStringLiteral("Middle"));
    ASSERT_NE(w, nullptr);
    EXPECT_NEAR(w->box.center().x(), 84.0, 1.0);
    EXPECT_NEAR(w->box.center().y(), 3969 / 20.0 + 7.075, 2.5);

    const PdfWord *top = findWord(words, QStringLiteral("Tall"));
    const PdfWord *bottom = findWord(words, QStringLiteral("Deep"));
    ASSERT_TRUE(top && bottom);
    EXPECT_LT(top->box.center().y(), 5103 / 20.0 + 18);
    EXPECT_GT(bottom->box.center().y(), 5103 / 20.0 + 54);

    // Shrunk into 50 points, never past the box.
    double left = 1e9, right = 0;
    for (const QString &part : QStringLiteral("Much too long for its little box").split(QLatin1Char(' '))) {
        const PdfWord *p = findWord(words, part);
        ASSERT_NE(p, nullptr) << part.toStdString();
        left = std::min(left, p->box.left());
        right = std::max(right, p->box.right());
    }
    EXPECT_GE(left, 56 - 0.5); // the integer conversion of 1134 twips
    EXPECT_LE(right, 56 + 50 + 0.5);

    w = findWord(words, QStringLiteral("Rotated"));
    ASSERT_NE(w, nullptr);
    EXPECT_GT(w->box.height(), 2 * w->box.width());
    EXPECT_GT(w->box.left(), 400.0 - 1);
    EXPECT_LT(w->box.right(), 420.0 + 1);

    EXPECT_EQ(findWord(words, QStringLiteral("Skewed")), nullptr);
    EXPECT_EQ(findWord(words, QStringLiteral("Nowhere")), nullptr);

    w = findWord(words, QStringLiteral("Huge"));
    ASSERT_NE(w, nullptr);
    EXPECT_GT(w->box.height(), 25.0); // 10 mm: 28 points

    ASSERT_NE(findWord(words, QStringLiteral("Fallback")), nullptr);
    EXPECT_TRUE(pdfFonts(pdf).contains(QStringLiteral("LiberationMono-Bold")));
}

// Groups, tables and barcodes are vectors at the place their pictures would have had: no image
// goes into the file and none is left beside it, and the symbols still scan.
TEST(PdfExport, GroupsTablesAndBarcodesAreVectors)
{
    REQUIRE_READERS();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("vectors.pdf"));
    VDoc doc;
    VPage *page = addPage(doc);
    VGrfElement *group = addElement(page->Root(), ElementKind::Group, 1134, 2268, 4536, 1701);
    group->Shape().SetBrushStyle(0);
    group->Shape().SetBrushColor(Rgb(255, 255, 0));
    VGrfElement *inside = addLabel(*group, QStringLiteral("Inside"), 1400, 2500, 2000, 400);
    inside->Font().SetFontHeight(6);
    VGrfElement *table = addElement(page->Root(), ElementKind::Table, 1134, 4536, 5670, 1134);
    for (int i = 0; i < 2; ++i) {
        VGrfElement *cell = addElement(*table, ElementKind::Cell, 1134 + i * 2835, 4536, 2835, 1134);
        cell->Shape().SetPenStyle(0);
        cell->Shape().SetBrushStyle(0);
        cell->Shape().SetBrushColor(Rgb(0, 0, 255));
    }
    VGrfElement *ean = addElement(page->Root(), ElementKind::BarCode, 1134, 7000, 2835, 1417);
    ean->EnsureBarCode().SetType(VBarCode::Ean13);
    ean->BarCode()->SetValue(QStringLiteral("400638133393"));
    ean->BarCode()->SetShowValue(true);
    VGrfElement *qr = addElement(page->Root(), ElementKind::BarCode, 5670, 7000, 1701, 1701);
    qr->EnsureBarCode().SetType(VBarCode::Qr);
    qr->BarCode()->SetValue(QStringLiteral("Tessaly/QR 1"));

    ASSERT_TRUE(ExportReportPdf(doc, pdf, 1252, QString()));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("vectors.pdf")});
    const QByteArray images = runProgram(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).out;
    EXPECT_EQ(images.count('\n'), 2) << images.toStdString(); // the listing's two header lines only

    const QImage rendered = renderPdfPage(pdf, 1, 144);
    const QColor yellow = at(rendered, (1134 + 4000) / 20.0, (2268 + 1500) / 20.0);
    EXPECT_TRUE(yellow.red() > 200 && yellow.green() > 200 && yellow.blue() < 120)
        << yellow.name().toStdString();
    EXPECT_TRUE(isBlue(at(rendered, (1134 + 1400) / 20.0, (4536 + 567) / 20.0)));
    EXPECT_TRUE(isBlue(at(rendered, (1134 + 4200) / 20.0, (4536 + 567) / 20.0)));
    EXPECT_TRUE(isWhite(at(rendered, (1134 + 1400) / 20.0, (4536 + 1300) / 20.0)));
    const std::vector<PdfWord> words = pdfWords(pdf);
    EXPECT_NE(findWord(words, QStringLiteral("Inside")), nullptr);
    QString text;
    for (const PdfWord &w : words)
        text += w.text;
    EXPECT_TRUE(text.contains(QStringLiteral("4006381333931"))) << text.toStdString(); // the digits are text

    if (!testsupport::haveTool(QStringLiteral("zbarimg"))) return;
    const QString png = pdf + QStringLiteral(".png");
    ASSERT_TRUE(renderPdfPage(pdf, 1, 300).save(png));
    const QString decoded =
        QString::fromUtf8(runProgram(QStringLiteral("zbarimg"), {QStringLiteral("-q"), png}).out);
    EXPECT_TRUE(decoded.contains(QStringLiteral("EAN-13:4006381333931"))) << decoded.toStdString();
    EXPECT_TRUE(decoded.contains(QStringLiteral("QR-Code:Tessaly/QR 1"))) << decoded.toStdString();
}

TEST(PdfExport, FailuresReportAndStop)
{
    QTemporaryDir dir;
    const QStringList text = {
        QStringLiteral("[fn:Arial:fn][fs:3.5:fs][fc:0:fc][fo:0:fo][tca:Survivor:tca][tl:1440:tl]"
                       "[tt:1440:tt][tr:2880:tr][tb:400:tb][tc:0:tc][tv:0:tv][ts:5:ts][th:0:th]")};

    // An output folder that cannot be written.
    const QString unwritable = dir.filePath(QStringLiteral("missing-folder/out.pdf"));
    PdfExportResult r = ExportPdf(onePage(text), unwritable, 595, 842, 1252, QStringLiteral("Tessaly"));
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.startsWith(QStringLiteral("Error: "))) << r.message.toStdString();
    EXPECT_FALSE(QFile::exists(unwritable));

    // A missing font map: the message in the language of the code page, and no new PDF; the one
    // that was there before stays.
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    const QString resource = dir.filePath(QStringLiteral("none/pdflib.upr"));
    testsupport::writeAll(pdf, "old");
    r = ExportPdf(onePage(text), pdf, 595, 842, 1252, QStringLiteral("Tessaly"), resource);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, QStringLiteral("File ") + resource + QStringLiteral(" was not found!"));
    EXPECT_EQ(r.title, QStringLiteral("Tessaly"));
    EXPECT_EQ(testsupport::readAll(pdf), QByteArray("old"));
    EXPECT_EQ(ExportPdf(onePage(text), pdf, 595, 842, 1251, QString(), resource).message,
              resource + QString::fromUtf8(" файл не найден!"));
    EXPECT_EQ(ExportPdf(onePage(text), pdf, 595, 842, 1254, QString(), resource).message,
              resource + QString::fromUtf8(" dosyası bulunamadı!"));
    EXPECT_EQ(ExportPdf(onePage(text), pdf, 595, 842, 437, QString(), resource).message,
              QStringLiteral("File ") + resource + QStringLiteral(" was not found!"));

    // Pictures that cannot be loaded are skipped; the rest of the page is written.
    const QString garbage = dir.filePath(QStringLiteral("garbage.bmp"));
    testsupport::writeAll(garbage, "not a picture");
    QStringList lines = {
        QStringLiteral("[ifn:%1:ifn][il:0:il][it:0:it][ir:1440:ir][ib:1440:ib][ic:0:ic][iss:1:iss]")
            .arg(garbage),
        QStringLiteral("[ifn:%1:ifn][il:0:il][it:0:it][ir:1440:ir][ib:1440:ib][ic:0:ic][iss:0:iss]")
            .arg(dir.filePath(QStringLiteral("absent.bmp"))),
        QStringLiteral("[ifn::ifn][il:0:il][it:0:it][ir:1440:ir][ib:1440:ib][ic:0:ic][iss:2:iss]"),
        QStringLiteral("[gst:0:gst][gl:100:gl][gt:100:gt][gr:100:gr][gb:100:gb][gc:0:gc]"),
        QStringLiteral("[st:0:st][gl:100:gl][gt:100:gt][gr:100:gr][gb:100:gb][gc:0:gc]"),
        QStringLiteral("[bcv:123:bcv][gl:100:gl][gt:100:gt][gr:100:gr][gb:100:gb][gc:0:gc][pt:5:pt]"),
        QStringLiteral("[tca:"), // a broken line
        QString(),
    };
    lines += text;
    r = ExportPdf(onePage(lines), pdf, 595, 842, 1252, QString());
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    if (haveReaders()) {
        EXPECT_EQ(runProgram(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf}).exitCode, 0);
        EXPECT_NE(findWord(pdfWords(pdf), QStringLiteral("Survivor")), nullptr);
    }

    VDoc empty;
    const PdfExportResult none = ExportReportPdf(empty, pdf, 1252, QString());
    EXPECT_FALSE(none);
    EXPECT_FALSE(none.message.isEmpty());
}

TEST(PdfExport, MarkupOfAReportEndsEachPageButTheLastWithAFormFeed)
{
    QTemporaryDir dir;
    VDoc doc;
    for (int i = 0; i < 3; ++i)
        addLabel(addPage(doc)->Root(), QStringLiteral("p%1").arg(i), 1000, 1000, 1000, 300);
    QSize size;
    const PageMarkup pages = WriteReportMarkup(doc, dir.filePath(QStringLiteral("r.pdf")), &size);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].size(), 3);
    EXPECT_EQ(pages[0].last(), QString(QChar(0x0C)));
    EXPECT_EQ(pages[1].last(), QString(QChar(0x0C)));
    EXPECT_EQ(pages[2].size(), 2);
    EXPECT_EQ(TagValue(pages[2].last(), QStringLiteral("tca")), QStringLiteral("p2"));
    EXPECT_EQ(size, QSize(612, 866));
}

TEST(PdfExport, CommandLine)
{
    REQUIRE_READERS();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("invoice.pdf"));
    const QString invoice = QStringLiteral(TESSALY_SOURCE_DIR "/examples/invoice.edt");
    if (!QFile::exists(invoice)) GTEST_SKIP() << "examples/invoice.edt is missing";
    testsupport::Run r = testsupport::runCli({QStringLiteral("export"), invoice, QStringLiteral("--format"),
                                              QStringLiteral("pdf"), QStringLiteral("-o"), pdf});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(runProgram(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf}).exitCode, 0);
    EXPECT_EQ(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("1"));
    EXPECT_NE(findWord(pdfWords(pdf), QStringLiteral("INVOICE")), nullptr);

    // With data, DOC is the design and the merged report is exported.
    const QString data = QStringLiteral(TESSALY_SOURCE_DIR "/examples/invoice.edd");
    if (QFile::exists(data)) {
        const QString merged = dir.filePath(QStringLiteral("merged.pdf"));
        r = testsupport::runCli({QStringLiteral("export"), invoice, QStringLiteral("--data"), data,
                                 QStringLiteral("--format"), QStringLiteral("pdf"), QStringLiteral("-o"),
                                 merged});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(pdfInfo(merged, QStringLiteral("Pages")), QStringLiteral("2"));
        const std::vector<PdfWord> words = pdfWords(merged);
        const PdfWord *number = findWord(words, QStringLiteral("2026-0418"));
        ASSERT_NE(number, nullptr);
        EXPECT_EQ(number->page, 1);
        EXPECT_NE(findWord(words, QStringLiteral("Müller")), nullptr);
    }

    r = testsupport::runCli({QStringLiteral("export"), invoice, QStringLiteral("--format"),
                             QStringLiteral("xyz"), QStringLiteral("-o"), pdf});
    EXPECT_EQ(r.exitCode, 2);
    r = testsupport::runCli({QStringLiteral("export"), dir.filePath(QStringLiteral("none.edt")),
                             QStringLiteral("--format"), QStringLiteral("pdf"), QStringLiteral("-o"), pdf});
    EXPECT_EQ(r.exitCode, 1);
    r = testsupport::runCli({QStringLiteral("export"), invoice, QStringLiteral("--format"),
                             QStringLiteral("pdf"), QStringLiteral("-o"),
                             dir.filePath(QStringLiteral("no/such/folder/x.pdf"))});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith("Error: ")) << r.err.toStdString();
}

TEST(PdfExport, GarbageInTheMarkupGivesAValidFile)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("garbage.pdf"));
    const QStringList lines = {
        QStringLiteral(
            "[fn:Arial:fn][fs:1e300:fs][fc:x:fc][fo:0:fo][tca:Enormous:tca][tl:1:tl][tt:1:tt][tr:99:tr]"
            "[tb:99:tb][tv:1:tv][th:1:th]"),
        QStringLiteral("[fn::fn][fs:abc:fs][fo::fo][tca:Plain:tca][tl:2147483647:tl][tt:-2147483647:tt]"
                       "[tr:99999999999:tr][tb:-5:tb][tv: 1,0:tv][th:nan:th][ts:-3:ts]"),
        QStringLiteral("[gf:9:gf][gl:2147483647:gl][gt:2147483647:gt][gr:2147483647:gr][gb:2147483647:gb]"
                       "[gc:4294967295:gc][pt:77:pt][f0:-1:f0][f4::f4]"),
        QStringLiteral("[ifn:/dev/null:ifn][iss:9:iss][ic:-1:ic]"),
        QStringLiteral("[bcv:../../x:bcv][gl:0:gl][gt:0:gt][gr:0:gr][gb:0:gb]"),
        QStringLiteral(":tca][tca:\x0c"), // a form feed inside a broken line still turns the page
        QStringLiteral("[tca:Last:tca][tl:1440:tl][tt:1440:tt][tr:2880:tr][tb:400:tb]"),
    };
    const PdfExportResult r = ExportPdf(onePage(lines), pdf, 300, 300, 1252, QString());
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    if (!haveReaders()) return;
    EXPECT_EQ(runProgram(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf}).exitCode, 0);
    EXPECT_EQ(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("2"));
    const std::vector<PdfWord> words = pdfWords(pdf);
    const PdfWord *last = findWord(words, QStringLiteral("Last"));
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->page, 1);
    EXPECT_EQ(findWord(words, QStringLiteral("Plain")), nullptr); // an unknown alignment code
}
