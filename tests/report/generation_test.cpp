#include "files/data_template.h"
#include "files/design_file.h"
#include "report/data_type_state.h"
#include "report/report_generation.h"
#include "report/report_names.h"
#include "report/report_outputs.h"
#include "test_support.h"

#include "report/design_builder.h"

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace testdesign;

namespace
{
// Page1: Label1 (variable), Label2 (fixed "Total:"), Group1 with Group1_E1 and Group1_E2
// (variable) and a picture label Group1_E3, BarCode1.
void buildDesign(VDoc &design)
{
    VGrfElement &root = design.AddPage()->Root();
    label(root, vtVariable, "design text");
    label(root, vtFixed, "Total:");
    VGrfElement *g = group(root);
    label(*g, vtVariable, "a");
    label(*g, vtVariable, "b");
    label(*g, vtPictureStretch, "logo");
    barCode(root);
}

class Generation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetCurrentDataType();
        buildDesign(design);
    }

    // Writes the lines as a data file and merges it into design.
    bool generate(const QStringList &lines)
    {
        const QString path = dir.filePath(QStringLiteral("data%1.edd").arg(++files));
        writeLines(path, lines);
        reason.clear();
        return ReadDataFile(path, design, report, &keepAll(), &reason);
    }

    QTemporaryDir dir;
    VDoc design;
    VDoc report;
    QString reason;
    int files = 0;
};

QStringList document(const QStringList &body, const QString &dataType = "1")
{
    return QStringList{"<?xml version=\"1.0\"?>",
                       "<Document DesignFile=\"d.edt\" DataType=\"" + dataType + "\">"} +
           body + QStringList{"</Document>"};
}

QString caption(const VPage *page, const QString &path)
{
    const VGrfElement *e = page ? find(*page, path) : nullptr;
    return e ? e->Caption() : QStringLiteral("<missing>");
}
} // namespace

TEST_F(Generation, pageCopiesAreClearedFilledAndIndependent)
{
    ASSERT_TRUE(generate(document({
        "<Page ID=\"1\" DesignName=\"Page1\">",
        "    <Data Status=\"Label\" DesignName=\"Label1\" Caption=\"first\"/>",
        "    <Data Status=\"Group\" DesignName=\"Group1\">",
        "        <f2=\"b1\"/>",
        "    </Data>",
        "</Page>",
        "<Page ID=\"2\" DesignName=\"Page1\">",
        "    <Data Status=\"Label\" DesignName=\"Label1\" Caption=\"second\"/>",
        "</Page>",
    }))) << reason.toStdString();
    ASSERT_EQ(report.PageCount(), 2);
    const VPage *p1 = report.PageAt(0);
    const VPage *p2 = report.PageAt(1);
    EXPECT_EQ(p1->Name(), "Page1");
    EXPECT_EQ(p2->Name(), "Page1");
    EXPECT_EQ(p1->Num(), 1);
    EXPECT_EQ(p2->Num(), 2);
    EXPECT_TRUE(p1->Preview());
    EXPECT_TRUE(p1->Hidden());
    EXPECT_EQ(caption(p1, "Label1"), "first");
    EXPECT_EQ(caption(p2, "Label1"), "second");
    EXPECT_EQ(caption(p1, "Group1/Group1_E2"), "b1");
    // variable content of the copies is cleared, fixed texts and pictures' texts stay
    EXPECT_EQ(caption(p1, "Group1/Group1_E1"), "");
    EXPECT_EQ(caption(p2, "Group1/Group1_E2"), "");
    EXPECT_EQ(caption(p2, "Label2"), "Total:");
    EXPECT_EQ(caption(p2, "Group1/Group1_E3"), "logo");
    EXPECT_EQ(find(*p2, "BarCode1")->BarCode()->Value(), "");
    // the design is untouched
    EXPECT_EQ(caption(design.PageAt(0), "Label1"), "design text");
    EXPECT_EQ(find(*design.PageAt(0), "BarCode1")->BarCode()->Value(), "012345678901");
    EXPECT_EQ(design.PageCount(), 1);
}

TEST_F(Generation, labelsByNameOneLevelDownOrById)
{
    ASSERT_TRUE(generate(document({
        "<Page DesignName=\"Page1\">",
        // a label inside a group, named from the page
        "<Data Status=\"Label\" DesignName=\"Group1_E1\" Caption=\"found below\"/>",
        // DesignName wins over ID (ID 2 is Label2)
        "<Data Status=\"Label\" DesignName=\"Label1\" ID=\"2\" Caption=\"by name\"/>",
        "<Data Status=\"Label\" ID=\"2\" Caption=\"by id\"/>",
        // not found: skipped silently
        "<Data Status=\"Label\" DesignName=\"Nobody\" Caption=\"x\"/>",
        "<Data Status=\"Label\" ID=\"99\" Caption=\"x\"/>",
        "<Data Status=\"Label\" Caption=\"neither name nor id\"/>",
        // unknown lines and stray closing tags are ignored
        "<Unknown thing=\"1\"/>",
        "</Data>",
        "</Page>",
        "</Page>",
    })));
    const VPage *p = report.PageAt(0);
    EXPECT_EQ(caption(p, "Group1/Group1_E1"), "found below");
    EXPECT_EQ(caption(p, "Label1"), "by name");
    EXPECT_EQ(caption(p, "Label2"), "by id");
}

TEST_F(Generation, failuresKeepThePagesMadeBefore)
{
    // a data page naming a page the design lacks, holding a label line
    EXPECT_FALSE(generate(document({
        "<Page DesignName=\"Page1\">",
        "<Data Status=\"Label\" DesignName=\"Label1\" Caption=\"kept\"/>",
        "</Page>",
        "<Page DesignName=\"Page2\">",
        "<Data Status=\"Label\" DesignName=\"Label1\" Caption=\"x\"/>",
        "</Page>",
    })));
    EXPECT_TRUE(reason.contains("outside a page")) << reason.toStdString();
    ASSERT_EQ(report.PageCount(), 1);
    EXPECT_EQ(caption(report.PageAt(0), "Label1"), "kept");

    // the same missing page without data lines is only skipped
    report.Clear();
    EXPECT_TRUE(generate(
        document({"<Page DesignName=\"Page2\">", "</Page>", "<Page DesignName=\"page1\">", "</Page>"})));
    EXPECT_EQ(report.PageCount(), 0);

    // data before any page
    EXPECT_FALSE(generate(document({"<f1=\"x\"/>"})));
    // a field number that is not a number
    EXPECT_FALSE(generate(document({"<Page DesignName=\"Page1\">", "<fx=\"y\"/>", "</Page>"})));
    EXPECT_TRUE(reason.contains("field number")) << reason.toStdString();
    // a non-integer DataType, label ID, barcode Type
    EXPECT_FALSE(generate({"<Document DataType=\"one\">", "</Document>"}));
    EXPECT_FALSE(generate(document({"<Page DesignName=\"Page1\">", "<Data Status=\"Label\" ID=\"2a\"/>"})));
    EXPECT_FALSE(generate(document(
        {"<Page DesignName=\"Page1\">", "<Data Status=\"BarCode\" DesignName=\"BarCode1\" Type=\"x\"/>"})));
    // no </Document>
    EXPECT_FALSE(generate({"<Document DataType=\"1\">", "<Page DesignName=\"Page1\">", "</Page>"}));
    EXPECT_TRUE(reason.contains("</Document>")) << reason.toStdString();
}

TEST_F(Generation, lfOnlyFileIsNotRead)
{
    const QString path = dir.filePath("lf.edd");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<Document DataType=\"1\">\n<Page DesignName=\"Page1\">\n<Data Status=\"Label\" "
            "DesignName=\"Label1\" "
            "Caption=\"x\"/>\n</Page>\n</Document>\n");
    f.close();
    EXPECT_FALSE(ReadDataFile(path, design, report, &keepAll(), &reason));
    EXPECT_TRUE(reason.contains("</Document>")) << reason.toStdString();
    EXPECT_EQ(report.PageCount(), 0);
    EXPECT_TRUE(reason.contains("LF alone")) << reason.toStdString(); // the likely cause is named
    EXPECT_FALSE(ReadDataFile(dir.filePath("missing.edd"), design, report, &keepAll(), &reason));
    EXPECT_TRUE(reason.contains("No such file")) << reason.toStdString();
    // endless devices and folders are refused, not read for ever
    EXPECT_FALSE(ReadDataFile("/dev/zero", design, report, &keepAll(), &reason));
    EXPECT_TRUE(reason.contains("not a plain file")) << reason.toStdString();
    EXPECT_FALSE(ReadDataFile(dir.path(), design, report, &keepAll(), &reason));
    EXPECT_FALSE(IsConvertFile("/dev/zero"));

    // A value XML cannot store is refused where it stands, so the report can always be saved.
    EXPECT_FALSE(generate(document({"<Page DesignName=\"Page1\">",
                                    "<Data Status=\"Label\" DesignName=\"Label1\" Caption=\"a\x0b" "b\"/>"})));
    EXPECT_TRUE(reason.startsWith("line 4: the value \"a\\x0bb\" holds the control character \\x0b")) << reason.toStdString();
}

// The report written page by page while it is generated is byte for byte the file of the whole
// report, with the pages numbered as if all were still held.
TEST_F(Generation, streamedReportFileIsTheWholeReportsFile)
{
    QStringList body;
    for (int i = 0; i < 5; ++i)
        body << "<Page DesignName=\"Page1\">" << QStringLiteral("<Data Status=\"Label\" DesignName=\"Label1\" Caption=\"p%1\"/>").arg(i)
             << "</Page>";
    ASSERT_TRUE(generate(document(body)));
    ASSERT_TRUE(WriteDesignFile(report, dir.filePath("whole.edr")));
    const QString data = dir.filePath(QStringLiteral("data%1.edd").arg(files));
    VDoc streamed;
    ReportFileSink sink(dir.filePath("streamed.edr"));
    ASSERT_TRUE(ReadDataFile(data, design, streamed, &sink, &reason)) << reason.toStdString();
    EXPECT_LE(streamed.PageCount(), 1); // only the page being filled is ever held
    ASSERT_TRUE(sink.Finish(streamed));
    EXPECT_EQ(testsupport::readAll(dir.filePath("streamed.edr")), testsupport::readAll(dir.filePath("whole.edr")));
    EXPECT_EQ(report.PageAt(4)->Num(), 5);
}

TEST_F(Generation, barCodes)
{
    ASSERT_TRUE(generate(document({
        "<Page DesignName=\"Page1\">",
        "<Data Status=\"BarCode\" DesignName=\"BarCode1\" Caption=\"Article\" Type=\"6\" Value=\"AB-12\" "
        "ValueType=\"1\"/>",
        "</Page>",
        "<Page DesignName=\"Page1\">",
        // ValueType written before Type: "Type" is found inside "ValueType"
        "<Data Status=\"BarCode\" DesignName=\"BarCode1\" ValueType=\"2\" Type=\"5\"/>",
        "</Page>",
        "<Page DesignName=\"Page1\">",
        // empty attributes change nothing; a value the type rejects becomes the error value
        "<Data Status=\"BarCode\" DesignName=\"BarCode1\" Caption=\"\" Type=\"\" Value=\"12AB\" "
        "ValueType=\"\"/>",
        "</Page>",
    })));
    ASSERT_EQ(report.PageCount(), 3);
    const VGrfElement *b1 = find(*report.PageAt(0), "BarCode1");
    EXPECT_EQ(b1->Caption(), "Article");
    EXPECT_EQ(b1->BarCode()->Type(), VBarCode::Code128);
    EXPECT_EQ(b1->BarCode()->Value(), "AB-12");
    EXPECT_EQ(b1->BarCode()->ValueType(), 1);
    EXPECT_EQ(find(*report.PageAt(1), "BarCode1")->BarCode()->Type(), 2);
    const VGrfElement *b3 = find(*report.PageAt(2), "BarCode1");
    EXPECT_EQ(b3->BarCode()->Type(), VBarCode::Invalid); // EAN-13 refuses letters
    EXPECT_EQ(b3->BarCode()->Value(), "ERROR");
}

TEST_F(Generation, pictureLabels)
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(QColor(200, 10, 10));
    for (const char *name : {"p.bmp", "p.JPG", "p.jpeg", "p.png"})
        ASSERT_TRUE(image.save(dir.filePath(name), QByteArray(name).mid(2).toUpper().replace("JPG", "JPEG")));
    // Qt writes no GIF: a 40 x 20 one-colour GIF by hand
    const QByteArray gif = QByteArray::fromHex(
        "47494638396128001400800000c80a0affffff2c000000002800140000021a848fa9cbed0fa39cb4da8b"
        "b3debcfb0f86e24896e689a6ea8a15003b");
    QFile gifFile(dir.filePath("p.gif"));
    ASSERT_TRUE(gifFile.open(QIODevice::WriteOnly));
    gifFile.write(gif);
    gifFile.close();
    ASSERT_EQ(QImage(dir.filePath("p.gif")).size(), QSize(40, 20));
    writeLines(dir.filePath("note.txt"), {"text"});
    VGrfElement *pic = find(*design.PageAt(0), "Group1/Group1_E3");
    const auto page = [&](const QString &file) {
        return QStringList{"<Page DesignName=\"Page1\">", "<Data Status=\"Group\" DesignName=\"Group1\">",
                           "<f3=\"" + file + "\"/>", "</Data>", "</Page>"};
    };
    QStringList body;
    for (const char *name : {"p.bmp", "p.JPG", "p.jpeg", "p.gif", "p.png", "note.txt", "absent.bmp"})
        body += page(dir.filePath(name));
    ASSERT_TRUE(generate(document(body))) << reason.toStdString();
    ASSERT_EQ(report.PageCount(), 7);
    for (int i = 0; i < 5; ++i) {
        const VGrfElement *e = find(*report.PageAt(i), "Group1/Group1_E3");
        EXPECT_EQ(e->Caption(), "") << i;
        ASSERT_TRUE(e->Picture() && e->Picture()->HasImage()) << i;
        EXPECT_EQ(e->Picture()->Image().size(), QSize(40, 20));
        EXPECT_EQ(e->Picture()->SizeSet(), VPicture::Stretch);
    }
    // an existing file of another kind and a missing file stay as text
    EXPECT_EQ(caption(report.PageAt(5), "Group1/Group1_E3"), dir.filePath("note.txt"));
    EXPECT_EQ(caption(report.PageAt(6), "Group1/Group1_E3"), dir.filePath("absent.bmp"));
    EXPECT_EQ(find(*report.PageAt(6), "Group1/Group1_E3")->Picture(), nullptr);

    // pages naming the same file share one image
    report.Clear();
    ASSERT_TRUE(generate(document(page(dir.filePath("p.png")) + page(dir.filePath("p.png")))));
    EXPECT_EQ(find(*report.PageAt(0), "Group1/Group1_E3")->Picture()->Image().cacheKey(),
              find(*report.PageAt(1), "Group1/Group1_E3")->Picture()->Image().cacheKey());

    // the size mode follows the value type
    pic->SetValueType(vtPictureStretchProportion);
    report.Clear();
    ASSERT_TRUE(generate(document(page(dir.filePath("p.png")))));
    EXPECT_EQ(find(*report.PageAt(0), "Group1/Group1_E3")->Picture()->SizeSet(),
              VPicture::StretchProportional);

    // a file named .jpg that is no JPEG breaks the data
    writeLines(dir.filePath("fake.jpg"), {"not a picture"});
    EXPECT_FALSE(generate(document(page(dir.filePath("fake.jpg")))));
    EXPECT_TRUE(reason.contains("cannot be read")) << reason.toStdString();
    // a PNG named .bmp is read as a bitmap, which it is not
    QFile::copy(dir.filePath("p.png"), dir.filePath("png.bmp"));
    EXPECT_FALSE(generate(document(page(dir.filePath("png.bmp")))));
}

TEST_F(Generation, groupsAndTheGroup5Rule)
{
    // a Group5 container with the label names the rule looks for
    design.Clear();
    VGrfElement &root = design.AddPage()->Root();
    for (int i = 0; i < 4; ++i)
        group(root);
    VGrfElement *g5 = group(root);
    ASSERT_EQ(g5->Name(), "Group5");
    for (int i = 1; i <= 5; ++i)
        label(*g5, vtVariable, QString());
    VGrfElement *inner = group(*g5);
    label(*inner, vtVariable);
    ASSERT_TRUE(generate(document({
        "<Page DesignName=\"Page1\">",
        "<Data Status=\"Group\" DesignName=\"Group5\">",
        "<f3=\"  \"/>",
        "<f5=\"shown\"/>",
        // Group5_E3 is blank and examined before the match: it and E2, E4 leave the print
        "<Data Status=\"Group\" DesignName=\"Group5_G1\">",
        "<f1=\"inner\"/>",
        "</Data>",
        "<f1=\"back in Group5\"/>",
        // no such group: its lines are read in Group5 and its </Data> returns to Group5 itself
        "<Data Status=\"Group\" DesignName=\"NoGroup\">",
        "<f2=\"still Group5\"/>",
        "</Data>",
        "<f4=\"Group5 again\"/>",
        "</Data>",
        "</Page>",
    })));
    const VPage *p = report.PageAt(0);
    EXPECT_EQ(caption(p, "Group5/Group5_G1/Group5_G1_E1"), "inner");
    EXPECT_EQ(caption(p, "Group5/Group5_E1"), "back in Group5");
    EXPECT_EQ(caption(p, "Group5/Group5_E2"), "still Group5");
    EXPECT_EQ(caption(p, "Group5/Group5_E4"), "Group5 again");
    for (const char *hidden : {"Group5/Group5_E2", "Group5/Group5_E3", "Group5/Group5_E4"})
        EXPECT_EQ(find(*p, hidden)->Printable(), pmNever) << hidden;
    EXPECT_EQ(find(*p, "Group5/Group5_E5")->Printable(), pmNormal);
    EXPECT_EQ(find(*p, "Group5/Group5_E1")->Printable(), pmNormal);
}

TEST_F(Generation, repeatingBlocks)
{
    design.Clear();
    VGrfElement &root = design.AddPage()->Root();
    label(root, vtVariable);
    group(root); // Group1, not a band
    for (int i = 0; i < 4; ++i) {
        VGrfElement *band = group(root, true); // Group2 .. Group5
        label(*band, vtVariable);
        label(*band, vtVariable);
    }
    const QStringList body{
        "<Page DesignName=\"Page1\">",
        "<Data Status=\"Group\" Repeat=\"1\" ID=\"3\" RepeatCount=\"2\">",
        "<f1=\"10.5\" f2=\"Pen\"/>",
        "<f2=\"Ink\" f7=\"none\"/>",
        "<f1=\"third\" f2=\"ignored\"/>",
        "</Data>",
        "<Data Status=\"Label\" DesignName=\"Label1\" Caption=\"after\"/>",
        "</Page>",
    };
    ASSERT_TRUE(generate(document(body, "2"))) << reason.toStdString();
    EXPECT_EQ(CurrentDataType(), 2);
    const VPage *p = report.PageAt(0);
    EXPECT_EQ(caption(p, "Group3/Group3_E1"), "10.5");
    EXPECT_EQ(caption(p, "Group3/Group3_E2"), "Pen");
    EXPECT_EQ(caption(p, "Group4/Group4_E1"), "");
    EXPECT_EQ(caption(p, "Group4/Group4_E2"), "Ink");
    EXPECT_EQ(caption(p, "Group5/Group5_E1"), "");
    EXPECT_EQ(caption(p, "Label1"), "after");

    // the type stays 2 for a following document that names none
    report.Clear();
    QStringList untyped = document(body);
    untyped[1] = "<Document>";
    ASSERT_TRUE(generate(untyped));
    EXPECT_EQ(caption(report.PageAt(0), "Group3/Group3_E1"), "10.5");

    // count 0: the block is skipped up to its exact </Data>
    report.Clear();
    ASSERT_TRUE(generate(document(
        {"<Page DesignName=\"Page1\">", "<Data Status=\"Group\" Repeat=\"1\" ID=\"3\" RepeatCount=\"0\">",
         "<f1=\"x\"/>", "</Data> ", "<Data Status=\"Label\" DesignName=\"Label1\" Caption=\"y\"/>",
         "  </Data>", "</Page>"},
        "2")));
    EXPECT_EQ(caption(report.PageAt(0), "Group3/Group3_E1"), "");
    EXPECT_EQ(caption(report.PageAt(0), "Label1"), "y"); // trimming makes "</Data> " exact

    // in type 1 the same block is an ordinary group line without a name
    report.Clear();
    ASSERT_TRUE(generate(document(body, "1")));
    EXPECT_EQ(caption(report.PageAt(0), "Group3/Group3_E1"), "");

    // an empty count breaks the data
    EXPECT_FALSE(generate(
        document({"<Page DesignName=\"Page1\">",
                  "<Data Status=\"Group\" Repeat=\"1\" ID=\"3\" RepeatCount=\"\">", "</Data>", "</Page>"},
                 "2")));
    // and a block that never ends is the end of the file without </Document>
    EXPECT_FALSE(
        generate({"<Document DataType=\"2\">", "<Page DesignName=\"Page1\">",
                  "<Data Status=\"Group\" Repeat=\"1\" ID=\"3\" RepeatCount=\"1\">", "<f1=\"x\"/>"}));
}

TEST_F(Generation, newDataSampleReadsBack)
{
    design.Clear();
    VGrfElement &root = design.AddPage()->Root();
    VGrfElement *g = group(root);
    for (int i = 0; i < 3; ++i)
        label(*g, vtVariable);
    label(root, vtVariable);
    QStringList lines;
    WriteNewDataTemplate(lines);
    ASSERT_TRUE(generate(lines)) << reason.toStdString();
    ASSERT_EQ(report.PageCount(), 3);
    EXPECT_EQ(caption(report.PageAt(0), "Group1/Group1_E3"), "Group1_E3");
    EXPECT_EQ(caption(report.PageAt(0), "Label1"), "Label1");
    EXPECT_EQ(caption(report.PageAt(2), "Label1"), "");
}

TEST(ReportNames, lastExtensionLetter)
{
    EXPECT_EQ(ReportFileName("orders.edt"), "orders.edr");
    EXPECT_EQ(ReportFileName("/a.b/label.ebt"), "/a.b/label.ebr");
    EXPECT_EQ(DataFileName("C:\\forms\\orders.edt"), "C:\\forms\\orders.edd");
    EXPECT_EQ(DataFileName("label.ebt"), "label.ebd");
    EXPECT_EQ(ReportFileName("x.edtx"), "x.edrx");
    // names the rule cannot change never come back unchanged
    for (const char *odd : {"orders", "dir.v2/orders", "x.ed", "x."})
        EXPECT_NE(ReportFileName(QString::fromLatin1(odd)), QString::fromLatin1(odd)) << odd;
}

TEST_F(Generation, reportFileKeepsWhatTheDataFilled)
{
    QImage image(30, 30, QImage::Format_RGB32);
    image.fill(QColor(0, 90, 200));
    ASSERT_TRUE(image.save(dir.filePath("logo.png")));
    ASSERT_TRUE(generate(document({
        "<Page DesignName=\"Page1\">",
        "<Data Status=\"Label\" DesignName=\"Label1\" Caption=\"filled\"/>",
        "<Data Status=\"BarCode\" DesignName=\"BarCode1\" Type=\"6\" Value=\"R-42\"/>",
        "<Data Status=\"Group\" DesignName=\"Group1\">",
        "<f3=\"" + dir.filePath("logo.png") + "\"/>",
        "</Data>",
        "</Page>",
    })));
    const QString path = dir.filePath("d.edr");
    ASSERT_TRUE(WriteDesignFile(report, path));
    VDoc back;
    ASSERT_TRUE(ReadDesignFile(back, path));
    ASSERT_EQ(back.PageCount(), 1);
    const VPage &p = *back.PageAt(0);
    EXPECT_EQ(p.Name(), "Page1");
    EXPECT_EQ(caption(&p, "Label1"), "filled");
    EXPECT_EQ(caption(&p, "Label2"), "Total:");
    EXPECT_EQ(find(p, "BarCode1")->BarCode()->Value(), "R-42");
    EXPECT_EQ(find(p, "BarCode1")->BarCode()->Type(), VBarCode::Code128);
    const VGrfElement *logo = find(p, "Group1/Group1_E3");
    EXPECT_EQ(logo->Caption(), "");
    ASSERT_TRUE(logo->Picture() && logo->Picture()->HasImage());
    EXPECT_EQ(logo->Picture()->Image().pixelColor(15, 15), QColor(0, 90, 200));
    EXPECT_EQ(logo->Picture()->SizeSet(), VPicture::Stretch);
}
