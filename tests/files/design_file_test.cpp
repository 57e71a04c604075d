#include "files/design_file.h"
#include "files/picture_text.h"
#include "model/element_ops.h"
#include "model/v_doc.h"
#include "test_support.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>
#include <sys/stat.h>

using testsupport::readAll;
using testsupport::writeAll;

namespace
{

std::unique_ptr<VGrfElement> element(ElementKind kind, const QString &name, int num, QRect twips)
{
    auto e = std::make_unique<VGrfElement>(kind);
    e->SetName(name);
    e->SetNum(num);
    e->Shape().SetLeft(twips.left());
    e->Shape().SetTop(twips.top());
    e->Shape().SetWidth(twips.width());
    e->Shape().SetHeight(twips.height());
    return e;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QString pictureText(const QByteArray &className, const QByteArray &stream, bool withCount)
{
    QByteArray data;
    data.append(char(className.size()));
    data.append(className);
    if (withCount) {
        QByteArray count(4, '\0');
        qToLittleEndian<quint32>(quint32(stream.size()), count.data());
        data.append(count);
    }
    data.append(stream);
    return QStringLiteral("object Image1: TImage\n  Picture.Data = {\n    ") +
           QString::fromLatin1(data.toHex().toUpper()) + QStringLiteral("}\nend");
}

QImage testImage()
{
    QImage image(7, 5, QImage::Format_ARGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            image.setPixelColor(x, y, QColor(x * 30, y * 50, 200, 255));
    return image;
}

bool samePixels(const QImage &a, const QImage &b)
{
    return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

// The record as read back: reading leaves nothing marked as changed.
template <typename T> T unchanged(T record)
{
    record.SetChanged(false);
    return record;
}

class DesignFileTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
};

} // namespace

TEST_F(DesignFileTest, WritesTheExactLayout)
{
    VDoc doc;
    VPage *page = doc.AddPage();
    VGrfElement &root = page->Root();
    root.SetName("Panel");
    root.Shape().SetRelLeft(0);
    root.Shape().SetRelTop(0);
    root.Shape().SetWidth(11905);
    root.Shape().SetHeight(16837);
    VGrfElement *label =
        root.InsertChild(element(ElementKind::Label, "Label1", 1, QRect(567, 1134, 2835, 283)));
    label->Shape().SetRelLeft(567);
    label->Shape().SetRelTop(1134);
    label->SetCaption("Total & <sum>");
    label->SetValueType(vtVariable);
    label->SetDescription("amount");
    label->Font() = root.Font();
    label->Font().SetFontWeight(700);
    label->Font().SetHorzPos(2);
    VGrfElement *cell = root.InsertChild(element(ElementKind::Cell, "Cell1", 3, QRect(0, 0, 100, 100)));
    cell->SetCaption("not written");
    cell->Font() = root.Font();
    cell->Shape().SetFigure(3);
    cell->Shape().SetBrushStyle(0);
    cell->Shape().SetBorderLine(2, VBorder{true, 255, 2, 0});
    cell->Shape().SetBorderLine(0, VBorder{true, 0, 1, 0});

    ASSERT_TRUE(WriteDesignFile(doc, path("small.edt")));
    const QByteArray expected =
        "<?xml version='1.0' encoding='UTF-8'?>\n"
        "<Document PaperSize=\"9\" Width=\"210000\" Height=\"297000\" Orientation=\"1\">\n"
        "\t<Font FontHeight=\"35\" FontWidth=\"24\"/>\n"
        "\t<Page Name=\"Page1\" Num=\"1\">\n"
        "\t\t<Font/>\n"
        "\t\t<Panel Name=\"Panel\" Num=\"0\">\n"
        "\t\t\t<Shape Left=\"0\" Top=\"0\" Width=\"11905\" Height=\"16837\"/>\n"
        "\t\t\t<Font/>\n"
        "\t\t\t<Label Name=\"Label1\" Num=\"1\" Caption=\"Total &amp; &lt;sum&gt;\" ValueType=\"0\" "
        "Description=\"amount\">\n"
        "\t\t\t\t<Shape Left=\"567\" Top=\"1134\" Width=\"2835\" Height=\"283\"/>\n"
        "\t\t\t\t<Font HorzPos=\"2\" FontWeight=\"700\"/>\n"
        "\t\t\t</Label>\n"
        "\t\t\t<Cell Name=\"Cell1\" Num=\"3\">\n"
        "\t\t\t\t<Shape Left=\"0\" Top=\"0\" Width=\"100\" Height=\"100\" Figure=\"3\" BrushStyle=\"0\">\n"
        "\t\t\t\t\t<Border0/>\n"
        "\t\t\t\t\t<Border2 PenColor=\"255\" PenWidth=\"2\"/>\n"
        "\t\t\t\t</Shape>\n"
        "\t\t\t\t<Font/>\n"
        "\t\t\t</Cell>\n"
        "\t\t</Panel>\n"
        "\t</Page>\n"
        "</Document>";
    EXPECT_EQ(readAll(path("small.edt")).toStdString(), expected.toStdString());
    EXPECT_FALSE(doc.IsModified()); // saving clears the marks
}

TEST_F(DesignFileTest, EveryRecordSurvivesARoundTrip)
{
    VDoc doc;
    doc.Settings().PaperSize = 256;
    doc.Settings().Width = 100.5;
    doc.Settings().Height = 60.25;
    doc.Settings().Orientation = 2;
    doc.Font().SetFontName("Arial");
    doc.Font().SetFontHeight(4.2);
    doc.Font().SetmmPos(true);
    doc.Font().SetLeftPos(1.5);
    VPage *page = doc.AddPage();
    page->Settings().Name = "Front";
    page->Settings().Num = 7;
    page->Font().SetFontColor(Rgb(1, 2, 3));
    page->EnsureBackground().SetImage(testImage());
    page->Background()->SetSizeSet(3);
    page->Background()->SetWidth(40);
    page->Background()->SetHeight(30);
    page->Background()->SetPosSetX(3);
    page->Background()->SetLeft(120);

    VGrfElement &root = page->Root();
    root.Font() = page->Font();
    VGrfElement *group = AddElement(root, ElementKind::Group, QRect(10, 10, 300, 200));
    group->SetCaption("Lines");
    group->SetRepeatability(true);
    group->SetPrintable(pmAll);
    VShape &gs = group->Shape();
    gs.SetFigure(1);
    gs.SetRectRound(7);
    gs.SetPenColor(Rgb(10, 20, 30));
    gs.SetPenWidth(3);
    gs.SetPenStyle(2);
    gs.SetBrushColor(Rgb(255, 255, 0));
    gs.SetBrushStyle(6);
    group->EnsurePicture().SetImage(testImage());
    group->Picture()->SetSizeSet(1);
    group->Picture()->SetPosSetY(3);
    group->Picture()->SetTop(99);
    group->Picture()->SetFormat(2);

    VGrfElement *label = AddElement(*group, ElementKind::Label, QRect(5, 6, 80, 20));
    label->SetCaption("Ünïcödé Привет İş");
    label->SetValueType(vtPictureStretch);
    label->SetPrintable(pmTextOnly);
    TZelFont &f = label->Font();
    f.SetFontHeight(5.1);
    f.SetFontWidth(3.3);
    f.SetFontColor(Rgb(200, 0, 0));
    f.SetFontOrientation(90);
    f.SetVertSpace(0.4);
    f.SetmmPos(false);
    f.SetVertPos(0);
    f.SetHorzPos(2);
    f.SetOffset(2);
    f.SetTextLength(3);
    f.SetFontWeight(600);
    f.SetFontItalic(1);
    f.SetFontUnderline(1);
    f.SetFontStrikeOut(1);
    f.SetFontCharSet(204);
    f.SetFontName("Times New Roman");

    VGrfElement *bar = AddElement(root, ElementKind::BarCode, QRect(100, 100, 150, 60));
    bar->SetCaption("code");
    bar->SetPrintable(pmNever);
    bar->SetValueType(vtVariable); // a barcode has no value type of its own: not kept
    VBarCode &b = *bar->BarCode();
    b.SetType(VBarCode::Code128);
    b.SetValue("Ab 12");
    b.SetValueType(3);
    b.SetOrientation(2);
    b.SetColor(Rgb(0, 0, 128));
    b.SetManualWidth(true);
    b.SetLineWidth(22.0);
    b.SetManualHeight(true);
    b.SetMarginTop(12.5);
    b.SetMarginBottom(3.25);
    b.SetShowValue(true);
    b.SetValuePos(0);
    b.SetFontSizeSet(1);

    VGrfElement *table = AddElement(root, ElementKind::Table, QRect(0, 300, 200, 100));
    auto cell = std::make_unique<VGrfElement>(ElementKind::Cell);
    cell->SetName("C1");
    cell->Shape().SetFigure(3);
    cell->Shape().SetBorderLine(4, VBorder{true, 77, 4, 3});
    cell->Shape().SetBorderLine(5, VBorder{true, 0, 1, 1});
    cell->Font() = table->Font();
    table->InsertChild(std::move(cell));
    VGrfElement *fixed = AddElement(root, ElementKind::Label, QRect(0, 0, 50, 50));
    fixed->SetDescription("kept while the label is fixed");
    fixed->Font().SetFontHeight(3.6);
    doc.PageAt(0)->Root().RecomputeAbsolute(0, 0);

    ASSERT_TRUE(WriteDesignFile(doc, path("full.edt")));
    EXPECT_TRUE(readAll(path("full.edt")).contains("FontHeight=\"36\""));
    VDoc back;
    ASSERT_TRUE(ReadDesignFile(back, path("full.edt")));
    EXPECT_FALSE(back.IsModified());
    const VSetPage &settings = back.Settings();
    EXPECT_EQ(std::make_tuple(settings.PaperSize, settings.Width, settings.Height, settings.Orientation),
              std::make_tuple(256, 100.5, 60.25, 2));
    EXPECT_TRUE(back.Font().SameValues(doc.Font()));
    ASSERT_EQ(back.PageCount(), 1);
    VPage *p2 = back.PageAt(0);
    EXPECT_EQ(std::make_pair(p2->Name(), p2->Num()), std::make_pair(QString("Front"), 7));
    EXPECT_TRUE(p2->Font().SameValues(page->Font()));
    const VPicture *background = p2->Background();
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(std::make_tuple(background->SizeSet(), background->Width(), background->Left()),
              std::make_tuple(3, 40, 120));
    EXPECT_TRUE(samePixels(background->Image(), testImage()));

    const VGrfElement &r2 = p2->Root();
    ASSERT_EQ(r2.ChildCount(), 4);
    const VGrfElement *g2 = r2.Child(0);
    EXPECT_EQ(std::make_tuple(g2->Name(), g2->Caption(), g2->Repeatability(), g2->Printable()),
              std::make_tuple(group->Name(), QString("Lines"), true, int(pmAll)));
    EXPECT_EQ(g2->Shape(), unchanged(gs));
    ASSERT_NE(g2->Picture(), nullptr);
    EXPECT_EQ(g2->Picture()->PosSetY(), 3); // kept while a stretch leaves it unused
    EXPECT_EQ(g2->Picture()->Format(), 2);

    const VGrfElement *l2 = g2->Child(0);
    EXPECT_EQ(std::make_tuple(l2->Caption(), l2->ValueType(), l2->Printable()),
              std::make_tuple(label->Caption(), int(vtPictureStretch), int(pmTextOnly)));
    EXPECT_TRUE(l2->Font().SameValues(f));
    EXPECT_EQ(l2->Shape(), unchanged(label->Shape()));
    EXPECT_EQ(std::make_tuple(r2.Child(1)->Caption(), r2.Child(1)->Printable(), r2.Child(1)->ValueType()),
              std::make_tuple(QString("code"), int(pmNever), int(vtFixed)));
    ASSERT_NE(r2.Child(1)->BarCode(), nullptr);
    EXPECT_EQ(*r2.Child(1)->BarCode(), unchanged(b));
    const VGrfElement *c2 = r2.Child(2)->Child(0);
    EXPECT_EQ(c2->Kind(), ElementKind::Cell);
    EXPECT_EQ(c2->Shape(), unchanged(table->Child(0)->Shape()));
    EXPECT_EQ(r2.Child(3)->Description(), "kept while the label is fixed");
    EXPECT_DOUBLE_EQ(r2.Child(3)->Font().FontHeight(), 3.6);

    // What the writer leaves out comes back as the defaults.
    ASSERT_TRUE(WriteDesignFile(back, path("again.edt")));
    EXPECT_EQ(readAll(path("again.edt")), readAll(path("full.edt")));
}

TEST_F(DesignFileTest, OldLayoutUnknownTagsAndMissingRecords)
{
    writeAll(path("old.edt"),
             "<?xml version=\"1.0\"?>\n"
             "<Document Width=\"2100\" Height=\"2970\">"
             "<Page><Panel Name=\"P\"><Shape Left=\"100\" Top=\"200\" Width=\"5000\" Height=\"6000\"/>"
             "<Line Name=\"L\"><Shape Left=\"150\" Top=\"260\" Width=\"10\" Height=\"10\"/></Line>"
             "<Mystery Name=\"M\"/>"
             "<BarCode Name=\"B\"/>"
             "</Panel></Page></Document>");
    VDoc doc;
    ASSERT_TRUE(ReadDesignFile(doc, path("old.edt")));
    EXPECT_DOUBLE_EQ(doc.Settings().Width, 210.0);
    EXPECT_DOUBLE_EQ(doc.Settings().Height, 297.0);
    ASSERT_EQ(doc.PageCount(), 1);
    EXPECT_EQ(doc.PageAt(0)->Name(), "Page1");
    const VGrfElement &root = doc.PageAt(0)->Root();
    ASSERT_EQ(root.ChildCount(), 3);
    EXPECT_EQ(root.Child(0)->Kind(), ElementKind::Group);
    EXPECT_EQ(root.Child(0)->Shape().RelLeft(), 50);
    EXPECT_EQ(root.Child(0)->Shape().RelTop(), 60);
    EXPECT_EQ(root.Child(1)->Kind(), ElementKind::Panel);
    EXPECT_NE(root.Child(2)->BarCode(), nullptr);

    writeAll(path("new.edt"), "<Document PaperSize=\"9\" Width=\"2100\" Height=\"2970\"><Page/></Document>");
    ASSERT_TRUE(ReadDesignFile(doc, path("new.edt")));
    EXPECT_DOUBLE_EQ(doc.Settings().Width, 2.1);
}

TEST_F(DesignFileTest, BadFilesReportTheReasonAndKeepWhatWasRead)
{
    VDoc doc;
    FileResult r = ReadDesignFile(doc, path("missing.edt"));
    EXPECT_FALSE(r);
    EXPECT_FALSE(r.error.isEmpty());

    writeAll(path("broken.edt"), "<Document><Page><Panel></Page></Document>");
    r = ReadDesignFile(doc, path("broken.edt"));
    EXPECT_FALSE(r);
    EXPECT_TRUE(r.error.contains("line 1")) << r.error.toStdString();
    EXPECT_TRUE(doc.IsEmpty()); // nothing of a malformed file is read

    writeAll(path("letter.edt"), "<Document PaperSize=\"9\" Width=\"210000\" Height=\"297000\">"
                                 "<Page Name=\"A\"><Panel><Label Name=\"ok\"><Shape Width=\"100\"/></Label>"
                                 "<Label Name=\"bad\"><Shape Width=\"1O0\"/></Label>"
                                 "<Label Name=\"never\"/></Panel></Page>"
                                 "<Page Name=\"B\"/></Document>");
    r = ReadDesignFile(doc, path("letter.edt"));
    EXPECT_FALSE(r);
    EXPECT_TRUE(r.error.contains("1O0")) << r.error.toStdString();
    ASSERT_EQ(doc.PageCount(), 1);
    const VGrfElement &root = doc.PageAt(0)->Root();
    ASSERT_EQ(root.ChildCount(), 2);
    EXPECT_EQ(root.Child(0)->Shape().Width(), 100);
    EXPECT_EQ(root.Child(1)->Name(), "bad");
    EXPECT_FALSE(doc.IsModified());

    // Values that would overflow the model's arithmetic or could not be written back are refused
    // by name: a page size beyond the file's thousandths of a millimetre, positions beyond any
    // page, measures that are not finite.
    const struct {
        const char *bytes;
        const char *reason;
    } ranges[] = {
        {"<Document Width=\"2147483647\"><Page/></Document>",
         "'2147483647' is out of range for attribute Width of Document (-21474836 to 21474836)"},
        {"<Document><Page><Panel><Group><Shape Left=\"5\"/><Label><Shape Left=\"-2147483648\"/></Label>"
         "</Group></Panel></Page></Document>",
         "attribute Left of Shape (-1000000000 to 1000000000)"},
        {"<Document><Page><Panel><BarCode><BarCodeSet "
         "LineWidth=\"1e300\"/></BarCode></Panel></Page></Document>",
         "'1e300' is out of range for attribute LineWidth of BarCodeSet"},
        {"<Document><Page><Panel><BarCode><BarCodeSet "
         "MarginTop=\"nan\"/></BarCode></Panel></Page></Document>",
         "'nan' is not a valid floating point value (attribute MarginTop of BarCodeSet)"},
    };
    for (const auto &c : ranges) {
        writeAll(path("range.edt"), c.bytes);
        r = ReadDesignFile(doc, path("range.edt"));
        EXPECT_FALSE(r) << c.reason;
        EXPECT_TRUE(r.error.contains(QString::fromUtf8(c.reason))) << r.error.toStdString();
    }
}

// Files that are not design files, or are malformed in ways the XML reader lets through, are
// refused with the reason and where it stands; nothing of them reaches the document.
TEST_F(DesignFileTest, HostileFilesAreRefusedWithTheirReason)
{
    const QByteArray page = "<Page><Panel><Shape Width=\"100\"/></Panel></Page>";
    const struct {
        QByteArray bytes;
        const char *reason;
    } cases[] = {
        {"<svg xmlns=\"http://www.w3.org/2000/svg\"><rect/></svg>",
         "not a design file: its root element is svg"},
        {"<Document><Pag/></Document>", "not a design file: it holds no Page"},
        {"<Document><Page Na}e=\"x\"/></Document>", "'Na}e' is not a valid attribute name (line 1, column"},
        {QByteArray("<Document><Page><Panel><Shape Hei\0ght=\"5\"/></Panel></Page></Document>", 66),
         "control character \\x00, which XML does not allow (line 1, column 34)"},
        {"<Document><Page><Panel Name=\"a&#11;b\"/></Page></Document>", "(line 1, column"},
        {"<Document>\n<Page>\n<Panel Name=\"a\xFF"
         "b\"/></Page></Document>",
         "not valid UTF-8: byte 0xFF (line 3, column 15)"},
        {"<Document>\n" + page +
             "\n<Page><Panel Name=\"a\x0B"
             "b\"/></Page></Document>",
         "\\x0b"},
        // A few kilobytes of entity references could expand to gigabytes of text.
        {"<!DOCTYPE d [<!ENTITY a \"aaaa\">]><Document><Page Name=\"&a;&a;\"/></Document>",
         "declares entities, which our files never use (line 1, column"},
        // Encodings other than UTF-8 can carry half a surrogate pair, which no XML file can hold.
        {"<?xml version='1.0' encoding='UTF7'?><Document><Page><Picture>+293</Picture></Page></Document>",
         "the character U+DBDD, which XML does not allow (line 1, column"},
        // U+FFFE is valid UTF-8 but no XML character; in a name, a value and a text
        {"<Document>\n<Page N\xEF\xBF\xBE"
         "ame=\"x\"/></Document>",
         "holds the character U+FFFE, which XML does not allow (line 2, column 8)"},
        {"<Document>\n<Page Name=\"a\xEF\xBF\xBF\"/></Document>",
         "holds the character U+FFFF, which XML does not allow (line 2, column 14)"},
        {QByteArray("\xFF\xFE<\0D\0>\0\xFE\xFF<\0/\0D\0>\0", 18),
         "holds the character U+FFFE, which XML does not allow (line 1, column 4)"}, // UTF-16
    };
    for (const auto &c : cases) {
        writeAll(path("hostile.edt"), c.bytes);
        VDoc doc;
        const FileResult r = ReadDesignFile(doc, path("hostile.edt"));
        EXPECT_FALSE(r) << c.reason;
        EXPECT_TRUE(r.error.contains(QString::fromUtf8(c.reason))) << r.error.toStdString();
        EXPECT_TRUE(doc.IsEmpty());
    }

    // Pipes could block for ever: only plain files are read.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo.edt")).constData(), 0600), 0);
    VDoc doc;
    EXPECT_TRUE(ReadDesignFile(doc, path("fifo.edt")).error.contains("is not a plain file"));

    // Nesting: at the limit every walk copes (read, write, read back); one level more is refused.
    auto nested = [&](int depth) {
        QByteArray xml = "<Document><Page><Panel>";
        for (int i = 0; i < depth; ++i)
            xml += "<Group Name=\"G\"><Shape Width=\"100\"/>";
        for (int i = 0; i < depth; ++i)
            xml += "</Group>";
        return xml + "</Panel></Page></Document>";
    };
    writeAll(path("deep.edt"), nested(kMaxElementDepth));
    ASSERT_TRUE(ReadDesignFile(doc, path("deep.edt")));
    ASSERT_TRUE(WriteDesignFile(doc, path("deep2.edt")));
    ASSERT_TRUE(ReadDesignFile(doc, path("deep2.edt")));
    writeAll(path("deeper.edt"), nested(kMaxElementDepth + 1));
    EXPECT_TRUE(
        ReadDesignFile(doc, path("deeper.edt")).error.startsWith("Elements nested too deeply (line 1"));
    writeAll(path("deepest.edt"), nested(30000));
    EXPECT_FALSE(ReadDesignFile(doc, path("deepest.edt")));
}

TEST_F(DesignFileTest, SavingIsAtomicAndEmptyDocumentsWriteNothing)
{
    VDoc empty;
    EXPECT_TRUE(WriteDesignFile(empty, path("empty.edt")));
    EXPECT_FALSE(QFile::exists(path("empty.edt")));

    VDoc doc;
    doc.AddPage();
    EXPECT_FALSE(WriteDesignFile(doc, path("no/such/folder/x.edt")));

    writeAll(path("keep.edt"), "previous");
    QDir().mkpath(path("keep.edt.dir"));
    // A target that cannot be replaced leaves the previous content alone.
    EXPECT_FALSE(WriteDesignFile(doc, path("keep.edt.dir")));
    EXPECT_EQ(readAll(path("keep.edt")), QByteArray("previous"));
    ASSERT_TRUE(WriteDesignFile(doc, path("keep.edt")));
    EXPECT_TRUE(readAll(path("keep.edt")).startsWith("<?xml"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no temporary file left behind
}

TEST_F(DesignFileTest, PicturesOfEveryClassReadBack)
{
    const QImage image = testImage();
    struct Case {
        const char *className;
        const char *format;
        bool count;
    } cases[] = {{"TBitmap", "BMP", true}, {"TPngImage", "PNG", false}, {"TGIFImage", "GIF", false},
                 {"TIcon", "ICO", false},  {"TBitmap", "BMP", false},   {"TJPEGImage", "JPG", true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.className);
        const bool gif = QByteArray(c.format) == "GIF";
        // Qt writes no GIF; a one-pixel GIF spelt out byte by byte stands in.
        const QByteArray stream = gif ? QByteArray::fromHex("47494638396101000100800000000000FFFFFF21F904"
                                                            "01000000002C00000000010001000002024401003B")
                                      : encoded(image, c.format);
        ASSERT_FALSE(stream.isEmpty());
        VPicture picture;
        ASSERT_TRUE(DecodePictureText(pictureText(c.className, stream, c.count), picture));
        ASSERT_TRUE(picture.HasImage());
        EXPECT_EQ(picture.Image().size(), gif ? QSize(1, 1) : image.size());
        if (QByteArray(c.format) != "JPG" && QByteArray(c.format) != "GIF") {
            EXPECT_TRUE(samePixels(picture.Image(), image));
        }

        // Through a design file and back: the class name and stream exactly as they came.
        VDoc doc;
        VGrfElement *label = AddElement(doc.AddPage()->Root(), ElementKind::Label, QRect(0, 0, 20, 20));
        label->SetPicture(std::make_unique<VPicture>(picture));
        ASSERT_TRUE(WriteDesignFile(doc, path("pic.edt")));
        VDoc back;
        ASSERT_TRUE(ReadDesignFile(back, path("pic.edt")));
        const VPicture *p2 = back.PageAt(0)->Root().Child(0)->Picture();
        ASSERT_NE(p2, nullptr);
        EXPECT_TRUE(samePixels(p2->Image(), picture.Image()));
        EXPECT_EQ(p2->StoredClass(), QByteArray(c.className));
        EXPECT_EQ(p2->StoredStream().right(stream.size()), stream);
    }
}

// A picture is the user's data even when it cannot be drawn: its bytes survive a save.
TEST_F(DesignFileTest, UndecodablePicturesAreKeptAndReported)
{
    // A PNG whose header claims 40000 x 40000 pixels (far past the decoder's allocation limit),
    // a text with one bad hexadecimal digit, and a stream in no known format.
    QByteArray huge = encoded(testImage(), "PNG");
    qToBigEndian<quint32>(40000, huge.data() + 16);
    qToBigEndian<quint32>(40000, huge.data() + 20);
    quint32 crc = 0xFFFFFFFF; // the IHDR chunk's CRC-32 over its type and data, so the file stays valid
    for (int i = 12; i < 29; ++i) {
        crc ^= quint8(huge[i]);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    qToBigEndian<quint32>(~crc, huge.data() + 29);
    const QString badDigit =
        pictureText("TPngImage", encoded(testImage(), "PNG"), false).replace(40, 1, QLatin1Char('G'));
    const QString texts[] = {pictureText("TPngImage", huge, false), badDigit,
                             pictureText("TMetafile", QByteArray("\x01\x00\x09\x00", 4), true)};
    QString xml = "<Document><Page><Panel><Shape Width=\"4000\" Height=\"4000\"/>";
    for (int i = 0; i < 3; ++i)
        xml += QStringLiteral(
                   "<Label Name=\"L%1\"><Picture SizeSet=\"1\">%2</Picture><Shape Width=\"900\"/></Label>")
                   .arg(i + 1)
                   .arg(texts[i]);
    writeAll(path("odd.edt"), (xml + "</Panel></Page></Document>").toUtf8());

    VDoc doc;
    const FileResult read = ReadDesignFile(doc, path("odd.edt"));
    ASSERT_TRUE(read) << read.error.toStdString();
    ASSERT_EQ(read.warnings.size(), 3);
    EXPECT_TRUE(read.warnings[0].contains("element L1")) << read.warnings[0].toStdString();
    EXPECT_TRUE(read.warnings[1].contains("hexadecimal")) << read.warnings[1].toStdString();
    ASSERT_TRUE(WriteDesignFile(doc, path("saved.edt")));
    VDoc back;
    ASSERT_TRUE(ReadDesignFile(back, path("saved.edt")));
    for (int i = 0; i < 3; ++i) {
        const VPicture *before = doc.PageAt(0)->Root().Child(i)->Picture();
        const VPicture *after = back.PageAt(0)->Root().Child(i)->Picture();
        ASSERT_TRUE(after && after->IsUndecodable()) << i;
        EXPECT_EQ(EncodePictureText(*after), EncodePictureText(*before)) << i;
    }
    EXPECT_EQ(back.PageAt(0)->Root().Child(1)->Picture()->StoredText(), badDigit);
    EXPECT_EQ(back.PageAt(0)->Root().Child(0)->Picture()->StoredStream(), huge);

    // The pictures of one file share a budget of decoded pixels: a repeated picture costs it
    // once, one that would go beyond it is kept undecoded with the reason.
    PictureBudget budget;
    budget.limitBytes = 7 * 5 * 4; // testImage() is 7 x 5
    const QString png = pictureText("TPngImage", encoded(testImage(), "PNG"), false);
    VPicture first, repeated, beyond;
    QString problem;
    EXPECT_TRUE(DecodePictureText(png, first, &problem, &budget));
    EXPECT_TRUE(DecodePictureText(png, repeated, &problem, &budget));
    EXPECT_EQ(budget.usedBytes, budget.limitBytes);
    EXPECT_FALSE(DecodePictureText(pictureText("TBitmap", encoded(testImage(), "BMP"), true), beyond,
                                   &problem, &budget));
    EXPECT_TRUE(problem.contains("(7 x 5 pixels) would take the file's pictures beyond"))
        << problem.toStdString();
    EXPECT_TRUE(beyond.IsUndecodable());
}

TEST_F(DesignFileTest, PageSourceRoundTrip)
{
    VDoc doc;
    doc.AddPage();
    VPage *page = doc.AddPage();
    VGrfElement *label = AddElement(page->Root(), ElementKind::Label, QRect(0, 0, 40, 20));
    label->SetCaption("source");
    const QString folder = path("tmp");
    ASSERT_TRUE(SavePageSource(doc, 1, folder));
    EXPECT_TRUE(QFile::exists(QDir(folder).filePath("tmp01.xml")));
    const QByteArray text = readAll(QDir(folder).filePath("tmp01.xml"));
    EXPECT_TRUE(text.contains("<Document>"));
    EXPECT_FALSE(text.contains("Page1"));

    label->SetCaption("changed");
    AddElement(page->Root(), ElementKind::Group, QRect(0, 0, 40, 20));
    ASSERT_TRUE(LoadPageSource(doc, 1, folder));
    ASSERT_EQ(page->Root().ChildCount(), 1);
    EXPECT_EQ(page->Root().Child(0)->Caption(), "source");
    EXPECT_EQ(page->Name(), "Page2");
    EXPECT_FALSE(LoadPageSource(doc, 5, folder));
}
