#include "export/page_markup.h"
#include "export_test_util.h"

#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace exporttest;

namespace
{

QStringList pageLines(const VPage &page, const QString &outputName = "/nonexistent/out.pdf")
{
    PageMarkup pages;
    WritePageMarkup(page, pages, 0, outputName);
    return pages.at(0);
}

} // namespace

TEST(PageMarkup, PanelAndTextLineTagsFlagsAndBorders)
{
    VDoc doc;
    VPage *page = doc.AddPage();
    VShape &ps = page->Root().Shape();
    ps.SetLeft(566);
    ps.SetTop(1133);
    ps.SetWidth(2834);
    ps.SetHeight(1700);
    ps.SetPenStyle(0);
    ps.SetPenColor(0);
    page->Root().Font().SetFontName("Arial");
    page->Root().Font().SetFontColor(0);
    VGrfElement *label = addLabel(page->Root(), "ABCDEFG", 1134, 1701, 680, 283);
    TZelFont &f = label->Font();
    f.SetFontName("Times New Roman");
    f.SetFontHeight(4.2);
    f.SetFontColor(Rgb(255, 0, 0));
    f.SetFontWeight(700);
    f.SetFontItalic(1);
    f.SetFontOrientation(90);
    f.SetHorzPos(2);
    f.SetVertPos(0);
    f.SetOffset(2);
    f.SetTextLength(3);
    label->Shape().SetPenColor(Rgb(0, 0, 255));
    label->Shape().SetPenStyle(3);
    label->Shape().SetBorderLine(VShape::BorderTop, VBorder{true, Rgb(0, 128, 0), 1, 0});
    label->Shape().SetBorderLine(VShape::BorderFalling, VBorder{true, 0, 1, 0});
    label->Shape().SetBorderLine(VShape::BorderLeft, VBorder{false, 255, 1, 0});

    const QStringList lines = pageLines(*page);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], "[fn:Arial:fn][fs:3.5:fs][fc:0:fc][gf:0:gf][gl:566:gl][gt:1133:gt][gr:2834:gr]"
                        "[gb:1700:gb][gc:0:gc][pt:0:pt]");
    EXPECT_EQ(lines[1], "[fn:Times New Roman:fn][fs:4.2:fs][fc:255:fc][fb:1:fb][fi:1:fi][fo:90:fo]"
                        "[tca:CDE:tca][tl:1134:tl][tt:1701:tt][tr:680:tr][tb:283:tb]"
                        "[tc:16711680:tc][tv:0:tv][ts:3:ts][th:2:th][f0:32768:f0][f5:0:f5]");

    // Weight 600 is not bold; a plain label carries neither flag.
    f.SetFontWeight(600);
    f.SetFontItalic(0);
    const QString plain = pageLines(*page)[1];
    EXPECT_FALSE(HasTag(plain, "fb"));
    EXPECT_FALSE(HasTag(plain, "fi"));
}

TEST(PageMarkup, DepthFirstOrderAndBlockPrecedence)
{
    VDoc doc;
    VPage *page = addPage(doc);
    VGrfElement &root = page->Root();
    VGrfElement *plainGroup = addElement(root, ElementKind::Group, 100, 100, 3000, 2000);
    addLabel(*plainGroup, "inner", 200, 200, 1000, 300);
    VGrfElement *filled = addElement(*plainGroup, ElementKind::Group, 200, 600, 1000, 300);
    filled->Shape().SetBrushStyle(0);
    VGrfElement *table = addElement(root, ElementKind::Table, 100, 3000, 3000, 1000);
    addElement(*table, ElementKind::Cell, 100, 3000, 1500, 500);
    VGrfElement *barcode = addElement(root, ElementKind::BarCode, 100, 4500, 2000, 800);
    barcode->EnsureBarCode().SetRawValue("400638133393");
    addElement(root, ElementKind::BarCode, 100, 5500, 2000, 800); // no barcode record
    addLabel(root, "outer", 100, 6500, 1000, 300);

    const QStringList lines = pageLines(*page);
    ASSERT_EQ(lines.size(), 9);
    EXPECT_TRUE(HasTag(lines[0], "gf")); // the panel
    EXPECT_EQ(TagValue(lines[1], "gl"), "100");
    EXPECT_TRUE(HasTag(lines[1], "gf")); // a group without fill keeps its frame line
    EXPECT_EQ(TagValue(lines[2], "tca"), "inner");
    EXPECT_TRUE(lines[3].startsWith("[gst:0:gst][gl:200:gl][gt:600:gt]"));
    EXPECT_FALSE(HasTag(lines[3], "gf")); // the later block restarted the line
    EXPECT_TRUE(lines[4].startsWith("[st:0:st][gl:100:gl][gt:3000:gt]"));
    EXPECT_TRUE(lines[5].isEmpty()); // cell
    EXPECT_EQ(lines[6], "[bcv:400638133393:bcv][gl:100:gl][gt:4500:gt][gr:2000:gr][gb:800:gb]"
                        "[gc:0:gc][pt:5:pt]");
    EXPECT_TRUE(lines[7].isEmpty());
    EXPECT_EQ(TagValue(lines[8], "tca"), "outer");

    // A never-printed group takes its subtree with it.
    plainGroup->SetPrintable(pmNever);
    const QStringList hidden = pageLines(*page);
    EXPECT_EQ(hidden.size(), 6);
    EXPECT_FALSE(hidden.join(QLatin1Char('\n')).contains("inner"));
}

TEST(PageMarkup, PictureLabelsSaveBitmapsBySiblingIndex)
{
    QTemporaryDir dir;
    const QString output = dir.filePath("report.v2.pdf");
    VDoc doc;
    VPage *page = addPage(doc);
    VGrfElement &root = page->Root();
    VGrfElement *first = addLabel(root, QString(), 100, 100, 1500, 1500);
    QImage transparent(20, 10, QImage::Format_ARGB32);
    transparent.fill(Qt::transparent);
    first->EnsurePicture().SetImage(transparent);
    first->Picture()->SetSizeSet(2);
    addLabel(root, "text", 100, 1700, 1500, 300);
    VGrfElement *third = addLabel(root, QString(), 100, 2100, 1500, 1500);
    QImage red(30, 40, QImage::Format_ARGB32);
    red.fill(Qt::red);
    third->EnsurePicture().SetImage(red);
    addLabel(root, "no image", 100, 3700, 1500, 300)->EnsurePicture(); // empty record

    const QString stale = dir.filePath("report.v2_pict_(2).bmp");
    testsupport::writeAll(stale, "old");
    const QStringList lines = pageLines(*page, output);
    ASSERT_EQ(lines.size(), 5);
    const QString pict0 = dir.filePath("report.v2_pict_(0).bmp");
    EXPECT_EQ(lines[1],
              "[ifn:" + pict0 + ":ifn][il:100:il][it:100:it][ir:1500:ir][ib:1500:ib][ic:0:ic][iss:2:iss]");
    EXPECT_EQ(TagValue(lines[3], "ifn"), stale);
    EXPECT_EQ(TagValue(lines[4], "tca"), "no image");

    const QImage saved0(pict0);
    ASSERT_FALSE(saved0.isNull());
    EXPECT_EQ(saved0.size(), QSize(20, 10));
    EXPECT_EQ(saved0.pixelColor(5, 5), QColor(Qt::white)); // transparency becomes the paper
    const QImage saved2(stale);
    ASSERT_FALSE(saved2.isNull()); // the old file was replaced
    EXPECT_EQ(saved2.size(), QSize(30, 40));
    EXPECT_EQ(saved2.pixelColor(3, 3), QColor(Qt::red));
}

TEST(PageMarkup, ReaderConvention)
{
    const QString line = "[tca:a:b:tca][tl:10:tl][fs:3.5:fs]";
    EXPECT_EQ(TagValue(line, "tca"), "a:b");
    EXPECT_EQ(TagValue(line, "tl"), "10");
    EXPECT_TRUE(TagValue(line, "tt").isNull());
    EXPECT_FALSE(HasTag(line, "st"));
    // Text outside tags and broken tags are passed over; the first tag of a name counts.
    EXPECT_EQ(TagValue("[tca:x:tca] y:tca][tl:1:tl][tl:2:tl]", "tca"), "x");
    EXPECT_EQ(TagValue("[tca:x:tca] y:tca][tl:1:tl][tl:2:tl]", "tl"), "1");
    EXPECT_TRUE(TagValue(":tl][tl:5", "tl").isNull());
    EXPECT_TRUE(TagValue("[tl:tl]", "tl").isNull()); // the markers may not share the colon
    EXPECT_TRUE(TagValue("[tl::tl]", "tl").isEmpty());
    EXPECT_FALSE(TagValue("[tl::tl]", "tl").isNull());
    EXPECT_EQ(TagValue("[tca:[gf:1:tca][gf:2:gf]", "gf"), "2"); // a '[' inside a broken tag
    EXPECT_FALSE(MarkupTags("[tca:a%0Cb:tca]").pageBreak());
    EXPECT_TRUE(MarkupTags(PageBreakLine()).pageBreak());
}

// Whatever a value holds, it comes back whole from its own tag and adds no tag to the line.
TEST(PageMarkup, ValuesCannotFormTagsOrTurnThePage)
{
    const QStringList hostile = {":tca]", "[gf:",  "[ifn:/etc/passwd:ifn]", "[tl:9999:tl]",  "%5B", "%",
                                 "100%",  "a]b[c", QString(QChar(0x0C)),    "line\r\nbreak", "[:]", ""};
    VDoc doc;
    VPage *page = doc.AddPage();
    page->Root().Font().SetFontName("Arial:fn][gf:1:gf]");
    VGrfElement *label = addLabel(page->Root(), QString(), 100, 200, 300, 400);
    VBarCode &barcode = addElement(page->Root(), ElementKind::BarCode, 10, 20, 30, 40)->EnsureBarCode();
    for (const QString &value : hostile) {
        label->SetCaption("x" + value + "y");
        barcode.SetRawValue(value);
        const QStringList lines = pageLines(*page);
        ASSERT_EQ(lines.size(), 3);
        for (const QString &line : lines)
            EXPECT_FALSE(line.contains(QChar(0x0C)));
        const MarkupTags panel(lines[0]), text(lines[1]), code(lines[2]);
        EXPECT_EQ(panel.value(QLatin1String("fn")), "Arial:fn][gf:1:gf]");
        EXPECT_EQ(panel.value(QLatin1String("gf")), "0");
        EXPECT_EQ(text.value(QLatin1String("tca")), "x" + value + "y");
        EXPECT_EQ(text.value(QLatin1String("tl")), "100");
        EXPECT_FALSE(text.has(QLatin1String("ifn")) || text.has(QLatin1String("gf")));
        EXPECT_EQ(code.value(QLatin1String("bcv")), value);
        EXPECT_EQ(code.value(QLatin1String("gl")), "10");
        EXPECT_FALSE(code.has(QLatin1String("tca")) || code.has(QLatin1String("ifn")));
        EXPECT_EQ(UnescapeMarkupValue(EscapeMarkupValue(value)), value);
    }
}

TEST(PageMarkup, NumbersUseAPointWhateverTheLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // the shortest text that reads back, without float noise or a needless ".0"
    EXPECT_EQ(FloatText(10), "10");
    EXPECT_EQ(FloatText(283 * 72.0 / 1440.0), "14.15");
    VDoc doc;
    VPage *page = addPage(doc);
    addLabel(page->Root(), "x", 0, 0, 100, 100)->Font().SetFontHeight(2.5);
    EXPECT_TRUE(pageLines(*page)[1].contains("[fs:2.5:fs]"));
    QLocale::setDefault(saved);

    EXPECT_EQ(OutputBase("/a.b/report.pdf"), "/a.b/report");
    EXPECT_EQ(OutputBase("/a.b/report"), "/a.b/report");
}
