#include "files/design_file.h"
#include "export/edf_writer.h"
#include "model/code_page.h"
#include "model/v_doc.h"
#include "test_support.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testsupport::readAll;
using testsupport::writeAll;

namespace
{

VGrfElement *add(VGrfElement &parent, ElementKind kind, const QString &name, QRect twips,
                 const QString &caption = {})
{
    auto e = std::make_unique<VGrfElement>(kind);
    e->SetName(name);
    e->SetCaption(caption);
    e->Shape().SetRelLeft(twips.left());
    e->Shape().SetRelTop(twips.top());
    e->Shape().SetWidth(twips.width());
    e->Shape().SetHeight(twips.height());
    return parent.InsertChild(std::move(e));
}

VPage &page(VDoc &doc)
{
    VPage *p = doc.AddPage();
    p->Root().Shape().SetRelLeft(0);
    p->Root().Shape().SetRelTop(0);
    return *p;
}

QImage image(int w, int h)
{
    QImage i(w, h, QImage::Format_RGB32);
    i.fill(Qt::red);
    return i;
}

class EdfTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_codePage = InterfaceCodePage();
        SetInterfaceCodePage(1252);
    }
    void TearDown() override { SetInterfaceCodePage(m_codePage); }
    QString path(const QString &name) const { return dir.filePath(name); }
    EdfOptions options() const { return {dir.path()}; }
    QTemporaryDir dir;
    int m_codePage = 1252;
};

QByteArray dataLine(const QByteArray &file, int n)
{
    const QByteArray key = "\r\nline" + QByteArray::number(n) + "=\"";
    const qsizetype at = file.indexOf(key);
    if (at < 0) return {};
    const qsizetype start = at + key.size();
    return file.mid(start, file.indexOf("\"\r\n", start) - start);
}

} // namespace

TEST_F(EdfTest, EveryItemFormByteForByte)
{
    VDoc doc;
    VGrfElement &root = page(doc).Root();
    add(root, ElementKind::Label, "Label1", {567, 1134, 2835, 284}, "Total");

    VGrfElement *l2 = add(root, ElementKind::Label, "Label2", {1701, 2835, 2835, 567}, "[NAME]");
    TZelFont &f = l2->Font();
    f.SetFontHeight(5.0);
    f.SetFontWidth(3.0);
    f.SetFontColor(255);
    f.SetFontOrientation(90);
    f.SetVertSpace(0.5);
    f.SetFontWeight(700);
    f.SetFontItalic(1);
    f.SetFontUnderline(1);
    f.SetFontStrikeOut(1);
    f.SetFontName("Arial");
    f.SetHorzPos(0);
    f.SetVertPos(2);
    l2->Shape().SetPenStyle(0);
    l2->Shape().SetPenWidth(2);
    l2->Shape().SetBrushStyle(0);
    l2->Shape().SetBrushColor(65280);

    VShape &s3 = add(root, ElementKind::Label, "Label3", {567, 567, 567, 567})->Shape();
    s3.SetFigure(3);
    s3.SetBorderLine(VShape::BorderTop, {true, 0, 1, 0});
    s3.SetBorderLine(VShape::BorderBottom, {true, 0, 1, 3});
    s3.SetBorderLine(VShape::BorderLeft, {true, 255, 3, 2});
    s3.SetBorderLine(VShape::BorderRising, {true, 0, 1, 4});
    s3.SetBorderLine(VShape::BorderFalling, {true, 0, 1, 1});

    VGrfElement *l4 = add(root, ElementKind::Label, "Label4", {0, 5670, 1134, 1134}, "not written");
    l4->EnsurePicture().SetImage(image(7, 5));
    l4->Picture()->SetSizeSet(2);

    VGrfElement *b1 = add(root, ElementKind::BarCode, "BarCode1", {2835, 5670, 2835, 1134});
    VBarCode &bc = b1->EnsureBarCode();
    bc.SetRawType(VBarCode::Code128);
    bc.SetRawValue("ABC-1");
    bc.SetValueType(1);
    bc.SetOrientation(1);
    bc.SetColor(255);
    bc.SetManualWidth(true);
    bc.SetLineWidth(20.5);
    bc.SetManualHeight(true);
    bc.SetMarginTop(1.5);
    bc.SetMarginBottom(2.0);
    bc.SetShowValue(true);
    bc.SetValuePos(0);
    bc.SetFontSizeSet(1);
    b1->Shape().SetFigure(1);
    b1->Shape().SetPenStyle(1);
    b1->Shape().SetPenColor(16711680);
    b1->Shape().SetBrushStyle(5);
    b1->Shape().SetBrushColor(0);

    VGrfElement *b2 = add(root, ElementKind::BarCode, "BarCode2", {0, 8505, 1134, 567});
    b2->EnsureBarCode();
    b2->Shape().SetFigure(3);

    VGrfElement *g1 = add(root, ElementKind::Group, "Group1", {0, 11340, 5670, 1134});
    g1->Shape().SetFigure(2);
    g1->Shape().SetPenStyle(6);
    g1->Shape().SetBrushStyle(7);
    add(*g1, ElementKind::Label, "Group1_E1", {567, 0, 1134, 567}, "In group");

    VGrfElement *g2 = add(root, ElementKind::Group, "Group2", {0, 14175, 5670, 567});
    g2->SetRepeatability(true);
    add(*g2, ElementKind::Label, "Group2_E1", {0, 0, 1134, 567}, "[QTY]");

    VGrfElement *table = add(root, ElementKind::Table, "Table1", {5670, 0, 1134, 567});
    add(*table, ElementKind::Cell, "Cell1", {0, 0, 1134, 567}, "C");

    VPage &second = page(doc);
    second.EnsureBackground().SetImage(image(3, 2));
    second.Background()->SetSizeSet(1);
    add(second.Root(), ElementKind::Label, "Label1", {567, 567, 567, 567}, QString::fromUtf8("Größe"));

    const FileResult r = ExportEdf(doc, path("out.edf"), options());
    ASSERT_TRUE(r) << r.error.toStdString();
    EXPECT_TRUE(r.warnings.isEmpty());

    const QString picture = QDir(dir.path()).absoluteFilePath("zel_convert.bmp");
    const QString background = QDir(dir.path()).absoluteFilePath("zel_convert_2.bmp");
    QByteArray expected = readAll(TESSALY_SOURCE_DIR "/tests/data/edf/every_item.edf");
    ASSERT_FALSE(expected.isEmpty());
    expected.replace("@PICTURE@", picture.toLocal8Bit()).replace("@PICTURE2@", background.toLocal8Bit());
    EXPECT_EQ(readAll(path("out.edf")).toStdString(), expected.toStdString());
    // Each picture keeps its own file.
    EXPECT_EQ(QImage(picture).size(), QSize(7, 5));
    EXPECT_EQ(QImage(background).size(), QSize(3, 2));
}

TEST_F(EdfTest, ExistingFileKeepsItsOtherSectionsAndGetsNewData)
{
    VDoc doc;
    add(page(doc).Root(), ElementKind::Label, "Label1", {567, 1134, 2835, 284}, "Total");
    writeAll(path("old.edf"),
             "; kept\r\n[printer]\r\nname=Kasa 1\r\n[HEAD]\r\nsubject = 7\r\ncustom=keep me\r\n\r\n"
             "[data]\r\nline1=\"old\"\r\nline9=\"old\"\r\n[footer]\ntext=\xDCnvan");
    ASSERT_TRUE(ExportEdf(doc, path("old.edf"), options()));
    const QByteArray expected =
        "; kept\r\n[printer]\r\nname=Kasa 1\r\n"
        // existing keys keep their place, new ones follow the section's last key
        "[HEAD]\r\nsubject=1\r\ncustom=keep me\r\nmodulenum=1\r\npagesize=\r\nlinenumber=\r\ncalc_height=\r\n"
        "calc_width=\r\ncalc_flag=0\r\nprint_mode=0\r\npaket=1\r\nvatincluded=0\r\nyuvarlama=0\r\n"
        "cumulativetotal=0\r\ninvoicewcur=0\r\nrbgrouping=0\r\nmalhizmet=0\r\nherfis_yenisayfa=0\r\n"
        "rbgroupingno=\r\ndetails_type=0\r\n\r\n"
        // a section of someone else's, its bytes and line ends as they were
        "[footer]\ntext=\xDCnvan\r\n"
        "[width]\r\n0=35\r\n1=75\r\n2=75\r\n3=75\r\n4=75\r\n5=575\r\n6=75\r\n7=75\r\n8=75\r\n9=75\r\n"
        // the old data section is gone; one label writes line1 only
        "[data]\r\nline1=\"33| | | |<text tc=\"Total\" height=35 width=24 left=10 top=20 right=60 bottom=25 "
        "alignH=1 alignV=1/>| | | | \"\r\n";
    EXPECT_EQ(readAll(path("old.edf")).toStdString(), expected.toStdString());
    // Writing again changes nothing: no section or key is doubled.
    ASSERT_TRUE(ExportEdf(doc, path("old.edf"), options()));
    EXPECT_EQ(readAll(path("old.edf")).toStdString(), expected.toStdString());
}

TEST_F(EdfTest, RowCodesAndBarcodeTypeNames)
{
    EXPECT_EQ(EdfRow("[X]"), "12| | | |[X]| | | | ");
    EXPECT_EQ(EdfRow("#H1"), "31| | | |#H1| | | | ");
    EXPECT_EQ(EdfRow("13"), "13| | | | | | | | ");
    EXPECT_EQ(EdfRow("4"), "4| | | | | | | | ");
    EXPECT_EQ(EdfRow("New Page"), "1| | | |New Page| | | | ");
    EXPECT_EQ(EdfRow("4 "), "33| | | |4 | | | | ");

    VDoc doc;
    VGrfElement &root = page(doc).Root();
    const char *const names[] = {"EAN_8",   "EAN_13",     "UPCA",      "UPCE", "39", "128",
                                 "CodeBar", "InterLeave", "FullASCII", "ITF",  "93"};
    for (int type = 1; type <= 12; ++type) {
        VGrfElement *b =
            add(root, ElementKind::BarCode, QStringLiteral("BarCode%1").arg(type), {0, 0, 567, 567});
        b->EnsureBarCode().SetRawType(type);
        b->Shape().SetFigure(3); // no shape rows between the barcodes
    }
    const FileResult r = ExportEdf(doc, path("types"), options()); // no extension: .edf is added
    ASSERT_TRUE(r) << r.error.toStdString();
    const QByteArray file = readAll(path("types.edf"));
    for (int type = 1; type <= 11; ++type)
        EXPECT_TRUE(dataLine(file, type).contains(" br_type=\"" + QByteArray(names[type - 1]) + "\" "))
            << type << " " << dataLine(file, type).toStdString();
    // QR has no name in the engine: the row goes without one, and the caller hears of it.
    EXPECT_TRUE(dataLine(file, 12).startsWith("33| | | |<barcode "));
    EXPECT_FALSE(dataLine(file, 12).contains("br_type"));
    ASSERT_EQ(r.warnings.size(), 1);
    EXPECT_TRUE(r.warnings.first().contains("BarCode12"));
}

TEST_F(EdfTest, RefusesItsInputAndBadTargets)
{
    VDoc doc;
    add(page(doc).Root(), ElementKind::Label, "Label1", {0, 0, 567, 567}, QString::fromUtf8("Юг"));
    // A design kept under an .edf name is never written over, not even through another extension.
    ASSERT_TRUE(WriteDesignFile(doc, path("design.edf")));
    const QByteArray design = readAll(path("design.edf"));
    VDoc read;
    ASSERT_TRUE(ReadDesignFile(read, path("design.edf")));
    for (const char *target : {"design.edf", "design.edt"}) {
        const FileResult r = ExportEdf(read, path(target), options());
        EXPECT_FALSE(r) << target;
        EXPECT_TRUE(r.error.contains("same file")) << r.error.toStdString();
    }
    EXPECT_EQ(readAll(path("design.edf")), design);

    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.edf"));
    FileResult r = ExportEdf(doc, path("folder.edf"), options());
    EXPECT_FALSE(r);
    EXPECT_TRUE(r.error.contains("not a plain file")) << r.error.toStdString();

    VDoc empty;
    EXPECT_FALSE(ExportEdf(empty, path("empty.edf"), options()));
    EXPECT_FALSE(QFile::exists(path("empty.edf")));

    // Letters the code page has no room for are written, as '?', and reported.
    r = ExportEdf(doc, path("cyrillic.edf"), options());
    ASSERT_TRUE(r);
    const QByteArray line = dataLine(readAll(path("cyrillic.edf")), 1);
    EXPECT_TRUE(line.contains("tc=\"??\"")) << line.toStdString();
    ASSERT_EQ(r.warnings.size(), 1);
    EXPECT_TRUE(r.warnings.first().contains("line1"));
}

TEST_F(EdfTest, ValuesNeitherBreakLinesNorRowsAndPicturesKeepTheirFiles)
{
    VDoc doc;
    VGrfElement &root = page(doc).Root();
    VGrfElement *code = add(root, ElementKind::BarCode, "BarCode1", {0, 0, 2835, 1134});
    code->EnsureBarCode().SetRawType(VBarCode::Code128);
    code->BarCode()->SetRawValue("A1\r\n[data]\r\nline1=\"x\"\rB\nC");
    code->Shape().SetFigure(3);
    add(root, ElementKind::Label, "Label1", {0, 1134, 2835, 567}, "a|b|c\"d\" \u2028e");
    add(root, ElementKind::Label, "Label2", {0, 1701, 2835, 567}, "[F|\nG]");
    // Two different pictures and one shared by two labels: two files.
    add(root, ElementKind::Label, "Pic1", {0, 2835, 567, 567})->EnsurePicture().SetImage(image(4, 4));
    add(root, ElementKind::Label, "Pic2", {0, 3402, 567, 567})->EnsurePicture().SetImage(image(6, 2));
    add(root, ElementKind::Label, "Pic3", {0, 3969, 567, 567})->EnsurePicture().SetImage(image(4, 4));

    const FileResult r = ExportEdf(doc, path("hostile.edf"), options());
    ASSERT_TRUE(r) << r.error.toStdString();
    const QByteArray file = readAll(path("hostile.edf"));
    // Every line a section or a key; three sections; the data keys numbered without gaps.
    const QList<QByteArray> lines = file.split('\n');
    int sections = 0, dataKeys = 0;
    bool inData = false;
    for (const QByteArray &line : lines) {
        if (line.isEmpty()) continue;
        ASSERT_TRUE(line.endsWith('\r')) << line.toStdString();
        if (line.startsWith('[')) {
            ++sections;
            inData = line == "[data]\r";
            continue;
        }
        ASSERT_TRUE(line.contains('=')) << line.toStdString();
        if (inData) {
            ++dataKeys;
            EXPECT_TRUE(line.startsWith("line" + QByteArray::number(dataKeys) + "=\"")) << line.toStdString();
            EXPECT_EQ(line.count('|'), 8) << line.toStdString();
        }
    }
    EXPECT_EQ(sections, 3);
    EXPECT_EQ(dataKeys, 6);
    EXPECT_TRUE(dataLine(file, 1).contains("value=\"A1 [data] line1='x' B C\" "))
        << dataLine(file, 1).toStdString();
    // '|' becomes the broken bar, which the code page holds as 0xA6.
    EXPECT_TRUE(dataLine(file, 2).contains("tc=\"a\xA6"
                                           "b\xA6"
                                           "c'd' "
                                           " e\" "))
        << dataLine(file, 2).toStdString();
    EXPECT_TRUE(dataLine(file, 3).contains("tc=[F\xA6 G] ")) << dataLine(file, 3).toStdString();
    const QString first = QDir(dir.path()).absoluteFilePath("zel_convert.bmp");
    const QString second = QDir(dir.path()).absoluteFilePath("zel_convert_2.bmp");
    EXPECT_TRUE(dataLine(file, 4).contains("image=\"" + first.toLocal8Bit() + "\""));
    EXPECT_TRUE(dataLine(file, 5).contains("image=\"" + second.toLocal8Bit() + "\""));
    EXPECT_TRUE(dataLine(file, 6).contains("image=\"" + first.toLocal8Bit() + "\""));
    EXPECT_EQ(QImage(first).size(), QSize(4, 4));
    EXPECT_EQ(QImage(second).size(), QSize(6, 2));
    EXPECT_FALSE(QFile::exists(QDir(dir.path()).absoluteFilePath("zel_convert_3.bmp")));
}
