#include "files/data_template.h"
#include "files/design_file.h"
#include "files/plain_file.h"
#include "report/data_type_state.h"
#include "report/design_builder.h"
#include "report/report_generation.h"
#include "report/report_names.h"
#include "report/report_outputs.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>

using namespace testdesign;
using testsupport::readAll;

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
    add(root, ElementKind::BarCode);
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
        writeLines(dataPath(++files), lines);
        reason.clear();
        return ReadDataFile(dataPath(files), design, report, &keepAll(), &reason);
    }
    QString dataPath(int n) const { return dir.filePath(QStringLiteral("data%1.edd").arg(n)); }

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

// The captions of the elements at the paths, "<missing>" where there is none.
QStringList captions(const VPage *page, const QStringList &paths)
{
    QStringList out;
    for (const QString &path : paths) {
        const VGrfElement *e = page ? find(*page, path) : nullptr;
        out << (e ? e->Caption() : QStringLiteral("<missing>"));
    }
    return out;
}

QString caption(const VPage *page, const QString &path)
{
    return captions(page, {path}).first();
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
    EXPECT_EQ(QStringList({p1->Name(), p2->Name()}), QStringList({"Page1", "Page1"}));
    EXPECT_EQ(std::make_pair(p1->Num(), p2->Num()), std::make_pair(1, 2));
    EXPECT_TRUE(p1->Preview() && p1->Hidden());
    // variable content of the copies is cleared, fixed texts and pictures' texts stay
    const QStringList paths{"Label1", "Label2", "Group1/Group1_E1", "Group1/Group1_E2", "Group1/Group1_E3"};
    EXPECT_EQ(captions(p1, paths), (QStringList{"first", "Total:", "", "b1", "logo"}));
    EXPECT_EQ(captions(p2, paths), (QStringList{"second", "Total:", "", "", "logo"}));
    EXPECT_EQ(find(*p2, "BarCode1")->BarCode()->Value(), "");
    // the design is untouched
    EXPECT_EQ(design.PageCount(), 1);
    EXPECT_EQ(captions(design.PageAt(0), paths), (QStringList{"design text", "Total:", "a", "b", "logo"}));
    EXPECT_EQ(find(*design.PageAt(0), "BarCode1")->BarCode()->Value(), "012345678901");
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
    EXPECT_EQ(captions(report.PageAt(0), {"Group1/Group1_E1", "Label1", "Label2"}),
              (QStringList{"found below", "by name", "by id"}));
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
    EXPECT_EQ(reason, "line 7: data outside a page of the design");
    ASSERT_EQ(report.PageCount(), 1);
    EXPECT_EQ(caption(report.PageAt(0), "Label1"), "kept");

    // the same missing page without data lines is only skipped
    report.Clear();
    EXPECT_TRUE(generate(
        document({"<Page DesignName=\"Page2\">", "</Page>", "<Page DesignName=\"page1\">", "</Page>"})));
    EXPECT_EQ(report.PageCount(), 0);

    const QString page = "<Page DesignName=\"Page1\">";
    const struct {
        QStringList lines;
        const char *reason;
    } broken[] = {
        {document({"<f1=\"x\"/>"}), "line 3: data outside a page of the design"},
        {document({page, "<fx=\"y\"/>", "</Page>"}), "line 4: field number is not an integer"},
        {{"<Document DataType=\"one\">", "</Document>"}, "line 1: DataType is not an integer: \"one\""},
        {document({page, "<Data Status=\"Label\" ID=\"2a\"/>"}), "line 4: ID is not an integer: \"2a\""},
        {document({page, "<Data Status=\"BarCode\" DesignName=\"BarCode1\" Type=\"x\"/>"}),
         "line 4: Type is not an integer: \"x\""},
        {{"<Document DataType=\"1\">", page, "</Page>"}, "</Document>"},
    };
    for (const auto &c : broken) {
        EXPECT_FALSE(generate(c.lines)) << c.reason;
        EXPECT_TRUE(reason.contains(c.reason)) << reason.toStdString();
    }
}

TEST_F(Generation, lfOnlyFileIsNotRead)
{
    const QString path = dir.filePath("lf.edd");
    testsupport::writeAll(path,
                          "<Document DataType=\"1\">\n<Page DesignName=\"Page1\">\n<Data Status=\"Label\" "
                          "DesignName=\"Label1\" Caption=\"x\"/>\n</Page>\n</Document>\n");
    EXPECT_FALSE(ReadDataFile(path, design, report, &keepAll(), &reason));
    EXPECT_TRUE(reason.contains("</Document>")) << reason.toStdString();
    EXPECT_TRUE(reason.contains("LF alone")) << reason.toStdString(); // the likely cause is named
    EXPECT_EQ(report.PageCount(), 0);
    EXPECT_FALSE(ReadDataFile(dir.filePath("missing.edd"), design, report, &keepAll(), &reason));
    EXPECT_TRUE(reason.contains("No such file")) << reason.toStdString();
    // endless devices and folders are refused, not read for ever
    EXPECT_FALSE(ReadDataFile("/dev/zero", design, report, &keepAll(), &reason));
    EXPECT_TRUE(reason.contains("not a plain file")) << reason.toStdString();
    EXPECT_FALSE(ReadDataFile(dir.path(), design, report, &keepAll(), &reason));
    EXPECT_FALSE(IsConvertFile("/dev/zero"));

    // A value XML cannot store is refused where it stands, so the report can always be saved.
    const QString control =
        "<Data Status=\"Label\" DesignName=\"Label1\" Caption=\"a%1" + QString(QChar(0x0b)) + "b\"/>";
    EXPECT_FALSE(generate(document({"<Page DesignName=\"Page1\">", control})));
    // quoted as it is, "%1" included
    EXPECT_TRUE(reason.startsWith("line 4: the value \"a%1\\x0bb\" holds the control character \\x0b"))
        << reason.toStdString();
}

// Only the page being filled is held, yet the pages are numbered as if all were.
TEST_F(Generation, streamedReportFileIsTheWholeReportsFile)
{
    QImage image(30, 30, QImage::Format_RGB32);
    image.fill(QColor(0, 90, 200));
    ASSERT_TRUE(image.save(dir.filePath("logo.png")));
    QStringList body;
    for (int i = 0; i < 5; ++i)
        body << "<Page DesignName=\"Page1\">"
             << QStringLiteral("<Data Status=\"Label\" DesignName=\"Label1\" Caption=\"p%1\"/>").arg(i)
             << "</Page>";
    body << "<Page DesignName=\"Page1\">"
         << "<Data Status=\"BarCode\" DesignName=\"BarCode1\" Type=\"6\" Value=\"R-42\"/>"
         << "<Data Status=\"Group\" DesignName=\"Group1\">"
         << "<f3=\"" + dir.filePath("logo.png") + "\"/>"
         << "</Data>"
         << "</Page>";
    ASSERT_TRUE(generate(document(body))) << reason.toStdString();
    ASSERT_TRUE(WriteDesignFile(report, dir.filePath("whole.edr")));
    VDoc streamed;
    ReportFileSink sink(dir.filePath("streamed.edr"));
    ASSERT_TRUE(ReadDataFile(dataPath(files), design, streamed, &sink, &reason)) << reason.toStdString();
    EXPECT_LE(streamed.PageCount(), 1); // only the page being filled is ever held
    ASSERT_TRUE(sink.Finish(streamed));
    EXPECT_EQ(readAll(dir.filePath("streamed.edr")), readAll(dir.filePath("whole.edr")));

    VDoc back;
    ASSERT_TRUE(ReadDesignFile(back, dir.filePath("streamed.edr")));
    ASSERT_EQ(back.PageCount(), 6);
    EXPECT_EQ(back.PageAt(4)->Num(), 5);
    EXPECT_EQ(back.PageAt(5)->Name(), "Page1");
    EXPECT_EQ(captions(back.PageAt(4), {"Label1", "Label2"}), (QStringList{"p4", "Total:"}));
    const VBarCode *bar = find(*back.PageAt(5), "BarCode1")->BarCode();
    EXPECT_EQ(std::make_pair(bar->Value(), bar->Type()),
              std::make_pair(QString("R-42"), int(VBarCode::Code128)));
    const VGrfElement *logo = find(*back.PageAt(5), "Group1/Group1_E3");
    EXPECT_EQ(logo->Caption(), "");
    ASSERT_TRUE(logo->Picture() && logo->Picture()->HasImage());
    EXPECT_EQ(logo->Picture()->Image().pixelColor(15, 15), QColor(0, 90, 200));
    EXPECT_EQ(logo->Picture()->SizeSet(), VPicture::Stretch);
}

TEST_F(Generation, barCodes)
{
    ASSERT_TRUE(generate(document({
        "<Page DesignName=\"Page1\">",
        "<Data Status=\"BarCode\" DesignName=\"BarCode1\" Caption=\"Article\" Type=\"6\" Value=\"AB-12\" "
        "ValueType=\"1\"/>",
        "</Page>",
        "<Page DesignName=\"Page1\">",
        // ValueType written before Type: each is read by its own name
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
    EXPECT_EQ(std::make_tuple(b1->Caption(), b1->BarCode()->Type(), b1->BarCode()->Value(),
                              b1->BarCode()->ValueType()),
              std::make_tuple(QString("Article"), int(VBarCode::Code128), QString("AB-12"), 1));
    const VBarCode *b2 = find(*report.PageAt(1), "BarCode1")->BarCode();
    EXPECT_EQ(std::make_pair(b2->Type(), b2->ValueType()), std::make_pair(5, 2));
    const VBarCode *b3 = find(*report.PageAt(2), "BarCode1")->BarCode();
    EXPECT_EQ(b3->Type(), VBarCode::Invalid); // EAN-13 refuses letters
    EXPECT_EQ(b3->Value(), "ERROR");
}

TEST_F(Generation, pictureLabelsFromPlainFilesOnly)
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(QColor(200, 10, 10));
    for (const char *name : {"p.bmp", "p.JPG", "p.jpeg", "p.png"})
        ASSERT_TRUE(image.save(dir.filePath(name), QByteArray(name).mid(2).toUpper().replace("JPG", "JPEG")));
    // Qt writes no GIF: a 40 x 20 one-colour GIF by hand
    testsupport::writeAll(
        dir.filePath("p.gif"),
        QByteArray::fromHex("47494638396128001400800000c80a0affffff2c000000002800140000021a848fa9"
                            "cbed0fa39cb4da8bb3debcfb0f86e24896e689a6ea8a15003b"));
    ASSERT_EQ(QImage(dir.filePath("p.gif")).size(), QSize(40, 20));
    writeLines(dir.filePath("note.txt"), {"text"});
    const auto page = [&](const QString &file) {
        return QStringList{"<Page DesignName=\"Page1\">", "<Data Status=\"Group\" DesignName=\"Group1\">",
                           "<f3=\"" + (QDir::isAbsolutePath(file) ? file : dir.filePath(file)) + "\"/>",
                           "</Data>", "</Page>"};
    };
    const auto picture = [&](int page) { return find(*report.PageAt(page), "Group1/Group1_E3")->Picture(); };
    QStringList body;
    for (const char *name : {"p.bmp", "p.JPG", "p.jpeg", "p.gif", "p.png", "note.txt", "absent.bmp"})
        body += page(name);
    ASSERT_TRUE(generate(document(body))) << reason.toStdString();
    ASSERT_EQ(report.PageCount(), 7);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(caption(report.PageAt(i), "Group1/Group1_E3"), "") << i;
        ASSERT_TRUE(picture(i) && picture(i)->HasImage()) << i;
        EXPECT_EQ(picture(i)->Image().size(), QSize(40, 20));
        EXPECT_EQ(picture(i)->SizeSet(), VPicture::Stretch);
    }
    // an existing file of another kind and a missing file stay as text
    EXPECT_EQ(caption(report.PageAt(5), "Group1/Group1_E3"), dir.filePath("note.txt"));
    EXPECT_EQ(caption(report.PageAt(6), "Group1/Group1_E3"), dir.filePath("absent.bmp"));
    EXPECT_EQ(picture(6), nullptr);

    // pages naming the same file share one image; the size mode follows the value type
    report.Clear();
    find(*design.PageAt(0), "Group1/Group1_E3")->SetValueType(vtPictureStretchProportion);
    ASSERT_TRUE(generate(document(page("p.png") + page("p.png"))));
    EXPECT_EQ(picture(0)->Image().cacheKey(), picture(1)->Image().cacheKey());
    EXPECT_EQ(picture(0)->SizeSet(), VPicture::StretchProportional);

    // a file named .jpg that is no JPEG breaks the data
    writeLines(dir.filePath("fake.jpg"), {"not a picture"});
    EXPECT_FALSE(generate(document(page("fake.jpg"))));
    EXPECT_TRUE(reason.contains("cannot be read")) << reason.toStdString();
    // a PNG named .bmp is read as a bitmap, which it is not
    QFile::copy(dir.filePath("p.png"), dir.filePath("png.bmp"));
    EXPECT_FALSE(generate(document(page("png.bmp"))));

    // devices, pipes and folders are refused by name without being read or waited on; so are
    // files beyond the size limit
    for (const auto &[value, message] : testsupport::unreadablePictureFiles(dir)) {
        report.Clear();
        EXPECT_FALSE(generate(document(page(value))));
        EXPECT_TRUE(reason.contains(message)) << reason.toStdString();
    }
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
        label(*g5);
    label(*group(*g5));
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
    EXPECT_EQ(captions(p, {"Group5/Group5_G1/Group5_G1_E1", "Group5/Group5_E1", "Group5/Group5_E2",
                           "Group5/Group5_E4"}),
              (QStringList{"inner", "back in Group5", "still Group5", "Group5 again"}));
    QList<int> printable;
    for (int i = 1; i <= 5; ++i)
        printable << find(*p, QStringLiteral("Group5/Group5_E%1").arg(i))->Printable();
    EXPECT_EQ(printable, (QList<int>{pmNormal, pmNever, pmNever, pmNever, pmNormal}));
}

TEST_F(Generation, repeatingBlocks)
{
    design.Clear();
    VGrfElement &root = design.AddPage()->Root();
    label(root);
    group(root); // Group1, not a band
    for (int i = 0; i < 4; ++i) {
        VGrfElement *band = group(root, true); // Group2 .. Group5
        label(*band);
        label(*band);
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
    const QStringList paths{"Group3/Group3_E1", "Group3/Group3_E2", "Group4/Group4_E1",
                            "Group4/Group4_E2", "Group5/Group5_E1", "Label1"};
    ASSERT_TRUE(generate(document(body, "2"))) << reason.toStdString();
    EXPECT_EQ(CurrentDataType(), 2);
    EXPECT_EQ(captions(report.PageAt(0), paths), (QStringList{"10.5", "Pen", "", "Ink", "", "after"}));

    // the type stays 2 for a following document that names none
    report.Clear();
    QStringList untyped = document(body);
    untyped[1] = "<Document>";
    ASSERT_TRUE(generate(untyped));
    EXPECT_EQ(caption(report.PageAt(0), "Group3/Group3_E1"), "10.5");

    // count 0: the block is skipped up to its exact </Data>, which trimming makes of "</Data> "
    report.Clear();
    ASSERT_TRUE(generate(document(
        {"<Page DesignName=\"Page1\">", "<Data Status=\"Group\" Repeat=\"1\" ID=\"3\" RepeatCount=\"0\">",
         "<f1=\"x\"/>", "</Data> ", "<Data Status=\"Label\" DesignName=\"Label1\" Caption=\"y\"/>",
         "  </Data>", "</Page>"},
        "2")));
    EXPECT_EQ(captions(report.PageAt(0), {"Group3/Group3_E1", "Label1"}), (QStringList{"", "y"}));

    // in type 1 the same block is an ordinary group line without a name
    report.Clear();
    ASSERT_TRUE(generate(document(body, "1")));
    EXPECT_EQ(caption(report.PageAt(0), "Group3/Group3_E1"), "");

    // an empty count breaks the data, and a block that never ends is a file without </Document>
    EXPECT_FALSE(generate(
        document({"<Page DesignName=\"Page1\">",
                  "<Data Status=\"Group\" Repeat=\"1\" ID=\"3\" RepeatCount=\"\">", "</Data>", "</Page>"},
                 "2")));
    EXPECT_FALSE(
        generate({"<Document DataType=\"2\">", "<Page DesignName=\"Page1\">",
                  "<Data Status=\"Group\" Repeat=\"1\" ID=\"3\" RepeatCount=\"1\">", "<f1=\"x\"/>"}));
    EXPECT_TRUE(reason.contains("</Document>")) << reason.toStdString();
}

TEST_F(Generation, newDataSampleReadsBack)
{
    design.Clear();
    VGrfElement &root = design.AddPage()->Root();
    VGrfElement *g = group(root);
    for (int i = 0; i < 3; ++i)
        label(*g);
    label(root);
    QStringList lines;
    WriteNewDataTemplate(lines);
    ASSERT_TRUE(generate(lines)) << reason.toStdString();
    ASSERT_EQ(report.PageCount(), 3);
    EXPECT_EQ(captions(report.PageAt(0), {"Group1/Group1_E3", "Label1"}),
              (QStringList{"Group1_E3", "Label1"}));
    EXPECT_EQ(caption(report.PageAt(2), "Label1"), "");
}

// Whatever a value holds, it is text: tags, attribute names and long lines in captions and
// field values never add or end a page, a group or the document, nor make a convert file.
TEST_F(Generation, valuesNeverBecomeStructure)
{
    const QString tags =
        "<Page DesignName=Page1> </Page> </Data> </Document> <ConvertFile ConvertFileName=x.pdf>";
    const QString field1 = "<Page DesignName=\"Page1\">";
    const QString field2 = "</Data></Page></Document>";
    const QString longCaption = QString(19980, QLatin1Char('w')) + " f1= Value Type </Document>";
    ASSERT_TRUE(generate(document({
        "<Page DesignName=\"Page1\">",
        "<Data Status=\"Label\" DesignName=\"Label1\" Caption=\"" + tags + "\"/>",
        "<Data Status=\"Group\" DesignName=\"Group1\">",
        "<f1=\"" + field1 + "\"/>",
        "<f2=\"" + field2 + "\"/>      // </Document>",
        "</Data>",
        "<Data Status=\"BarCode\" DesignName=\"BarCode1\" Caption=\"Value pack\" Value=\"AB-12\" Type=\"6\" "
        "ValueType=\"1\"/>",
        "</Page>",
        "<Page DesignName=\"Page1\">",
        "<Data Status=\"Label\" DesignName=\"Label1\" Caption=\"" + longCaption + "\"/>",
        "<Data Status=\"BarCode\" DesignName=\"BarCode1\" Caption=\"Type A widget\" Type=\"6\" "
        "Value=\"R-42\"/>",
        "</Page>",
        "<Page DesignName=\"Page1\">",
        "<Data Status=\"Label\" DesignName=\"Label1\" Caption=\"last\"/>",
        "</Page>",
    }))) << reason.toStdString();
    EXPECT_FALSE(IsConvertFile(dataPath(files)));
    ASSERT_EQ(report.PageCount(), 3);
    const QStringList paths{"Label1", "Group1/Group1_E1", "Group1/Group1_E2"};
    EXPECT_EQ(captions(report.PageAt(0), paths), (QStringList{tags, field1, field2}));
    EXPECT_EQ(captions(report.PageAt(1), paths), (QStringList{longCaption, "", ""}));
    EXPECT_EQ(caption(report.PageAt(2), "Label1"), "last");
    const QList<std::tuple<QString, QString, int>> codes{{"Value pack", "AB-12", int(VBarCode::Code128)},
                                                         {"Type A widget", "R-42", int(VBarCode::Code128)}};
    for (int i = 0; i < 2; ++i) {
        const VGrfElement *b = find(*report.PageAt(i), "BarCode1");
        EXPECT_EQ(std::make_tuple(b->Caption(), b->BarCode()->Value(), b->BarCode()->Type()), codes[i]) << i;
    }

    // a line over the limit is refused with its number; the pages before it stay
    report.Clear();
    const QString huge = "<Data Status=\"Label\" DesignName=\"Label1\" Caption=\"" +
                         QString(16 * 1024 * 1024, QLatin1Char('h')) + "\"/>";
    EXPECT_FALSE(generate(document(
        {"<Page DesignName=\"Page1\">", "</Page>", "<Page DesignName=\"Page1\">", huge, "</Page>"})));
    EXPECT_TRUE(reason.startsWith("line 6: the line is longer than 16 MiB"))
        << reason.left(200).toStdString();
    EXPECT_EQ(report.PageCount(), 2);
    EXPECT_EQ(caption(report.PageAt(1), "Label1"), "");
}

// Quotes and line breaks in sample texts are made writable; names holding them cannot be found
// by a data line, so their lines are left out and named, and the rest reads back as written.
TEST_F(Generation, templateOfAwkwardTextsReadsBack)
{
    design.Clear();
    VGrfElement &root = design.AddPage()->Root();
    label(root, vtVariable, "say \"hi\"\r\nthen </Document>")
        ->SetDescription("note\n<Page DesignName=\"Page1\">");
    label(*group(root), vtVariable, "a\"/>b");
    label(root, vtVariable, "x")->SetName("Bad\"Name");
    VGrfElement *hidden = group(root);
    hidden->SetName("Bad\nGroup");
    label(*hidden, vtVariable, "would fill Label1"); // its field line names number 1
    VGrfElement *code = add(root, ElementKind::BarCode, vtFixed, "\"Value\" pack");
    code->BarCode()->SetType(VBarCode::Code128);
    code->BarCode()->SetValue("A\"B");
    design.AddPage()->Settings().Name = "P\"2";
    QStringList lines, unwritable;
    WriteDataTemplate(design, lines, 1, &unwritable);
    ASSERT_EQ(unwritable.size(), 3) << unwritable.join('\n').toStdString();
    EXPECT_TRUE(unwritable[0].startsWith("label \"Bad\"Name\" holds a double quote"))
        << unwritable[0].toStdString();
    EXPECT_TRUE(unwritable[1].startsWith("group \"Bad\\x0aGroup\" holds a line break"))
        << unwritable[1].toStdString();
    EXPECT_TRUE(unwritable[2].startsWith("page \"P\"2\"")) << unwritable[2].toStdString();

    ASSERT_TRUE(generate(lines)) << reason.toStdString();
    ASSERT_EQ(report.PageCount(), 1);
    const VPage *p = report.PageAt(0);
    EXPECT_EQ(captions(p, {"Label1", "Group1/Group1_E1", "Bad\"Name"}),
              (QStringList{"say 'hi' then </Document>", "a'/>b", ""}));
    const VGrfElement *b = find(*p, "BarCode1");
    EXPECT_EQ(std::make_pair(b->Caption(), b->BarCode()->Value()),
              std::make_pair(QString("'Value' pack"), QString("A'B")));
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
