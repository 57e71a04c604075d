#include "files/data_file.h"
#include "model/code_page.h"
#include "test_support.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{
QStringList readAllLines(QByteArray bytes, int codePage = 1252, bool *sawBareLf = nullptr)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    DataLineReader reader(buffer, codePage);
    QStringList lines;
    for (int calls = 0; !reader.AtEnd() && calls < 100000; ++calls)
        lines << reader.ReadLine();
    if (sawBareLf) *sawBareLf = reader.SawBareLineFeed();
    return lines;
}

// A device whose reads always fail.
class BrokenDevice : public QIODevice
{
protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64) override { return -1; }
};
} // namespace

TEST(DataLineReader, splitsOnCrLfOnlyAndTrims)
{
    bool bareLf = true;
    // the bytes after the last CR LF never make a line
    EXPECT_EQ(readAllLines("  <Page DesignName=\"P\">\t \r\n\r\n\t<f1=\"a b\"/>\r\nlast without end", 1252,
                           &bareLf),
              (QStringList{"<Page DesignName=\"P\">", "", "<f1=\"a b\"/>", ""}));
    EXPECT_FALSE(bareLf);
    // LF-only line ends: the whole window holds no CR LF and is dropped, and the cause is noted
    EXPECT_EQ(
        readAllLines("<Document DataType=\"1\">\n<Page DesignName=\"P\">\n</Document>\n", 1252, &bareLf),
        QStringList{""});
    EXPECT_TRUE(bareLf);
    // a lone CR and a CR at the very end of the data do not end a line
    EXPECT_EQ(readAllLines("a\rb\r\nc\r"), (QStringList{"a\rb", ""}));
}

// Long lines are read whole up to the limit; a longer one is skipped and said to be so, and the
// reading goes on with the line after it.
TEST(DataLineReader, longLinesWholeUpToTheLimit)
{
    const qsizetype limit = DataLineReader::kMaxLineBytes;
    // the CR of the first line is the last byte of the first chunk, its LF the first of the next
    const QByteArray chunkEdge(65535, 'c');
    const QByteArray atLimit(limit, 'x');
    const QByteArray over = QByteArray(limit - 5, 'y') + "\n" + QByteArray(5, 'y');
    QByteArray bytes = chunkEdge + "\r\n" + QByteArray(20000, 'z') + "\r\n" + atLimit + "\r\n" + over +
                       "\r\n<f1=\"after\"/>\r\n";
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    DataLineReader reader(buffer, 1252);
    QList<std::pair<qsizetype, bool>> seen; // length and whether it was refused
    while (!reader.AtEnd())
        seen.append({reader.ReadLine().size(), reader.LineTooLong()});
    const QList<std::pair<qsizetype, bool>> expected{
        {65535, false}, {20000, false}, {limit, false}, {0, true}, {13, false}};
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(reader.SawBareLineFeed()); // the refused line held one

    // an over-long last line without CR LF is dropped like any such tail, and said to be too long
    QByteArray tail = "<a/>\r\n" + QByteArray(limit + 10, 'w');
    QBuffer tailBuffer(&tail);
    tailBuffer.open(QIODevice::ReadOnly);
    DataLineReader tailReader(tailBuffer, 1252);
    EXPECT_EQ(tailReader.ReadLine(), "<a/>");
    EXPECT_EQ(tailReader.ReadLine(), "");
    EXPECT_TRUE(tailReader.LineTooLong());
    EXPECT_TRUE(tailReader.AtEnd());
}

TEST(DataLineReader, failingDeviceReportsEofInsteadOfLooping)
{
    BrokenDevice device;
    device.open(QIODevice::ReadOnly);
    DataLineReader reader(device, 1252);
    EXPECT_EQ(reader.ReadLine(), QStringLiteral("EOF"));
    EXPECT_TRUE(reader.Failed());
    EXPECT_TRUE(reader.AtEnd());
}

TEST(DataAttributes, wholeNamesLeftToRight)
{
    const struct {
        const char *name, *line;
        bool found;
        const char *value;
    } cases[] = {
        {"Type", R"(<Data Status="BarCode" ValueType="2" Type="5"/>)", true, "5"},
        {"Value", R"(<Data ValueType="2" Value="9"/>)", true, "9"},
        // names inside values are text
        {"Type", R"(<Data Status="BarCode" Caption="Type A widget" Value="1"/>)", false, ""},
        {"Value", R"(<Data Status="BarCode" Caption="Value pack" Type="6"/>)", false, ""},
        {"DesignName", R"(<Data Caption="DesignName=" DesignName="L1"/>)", true, "L1"},
        {"Caption", R"(<Data Status="Label" Caption="<Page ID=1> </Document> <ConvertFile a>"/>)", true,
         "<Page ID=1> </Document> <ConvertFile a>"},
        {"Caption", R"(<Data Status="Label" Caption=""/>)", true, ""},
        {"Caption", R"(<Data Caption="a" Caption="b"/>)", true, "a"}, // the first of two
        {"DesignName", R"(<Page DesignName = "P1">)", true, "P1"},
        {"DesignName", R"(<Data Status="Label" ID="3"/>)", false, ""},
        {"caption", R"(<Data Caption="x"/>)", false, ""}, // names are case-sensitive
        // reading stops where the pairs do: at a name without "=" and at the tag's end
        {"DesignName", R"(<Page ID "7" DesignName="P">)", false, ""},
        {"Type", R"(<Data Status="Label" Caption="x"/>   // Type="3")", false, ""},
        {"Caption", R"(<Data Caption="open)", true, "open"}, // an unclosed value runs to the end
    };
    for (const auto &c : cases) {
        QString v = "old";
        const bool found = GetAttribute(c.name, c.line, v);
        EXPECT_EQ(std::make_pair(found, found ? v : QString()), std::make_pair(c.found, QString(c.value)))
            << c.line;
    }
}

TEST(DataAttributes, leadingTagAlone)
{
    const std::pair<const char *, DataTag> cases[] = {
        {R"(<Document DataType="1">)", DataTag::DocumentStart},
        {"<Document>", DataTag::DocumentStart},
        {"</Document>", DataTag::DocumentEnd},
        {R"(<Page DesignName="P">)", DataTag::PageStart},
        {"</Page>", DataTag::PageEnd},
        {R"(<Data Status="Label" Caption="</Document>"/>)", DataTag::DataStart},
        {"</Data>", DataTag::DataEnd},
        {R"(<f1="</Page>"/>)", DataTag::Field},
        {R"(<ConvertFile ConvertFileName="a.pdf">)", DataTag::ConvertStart},
        {"</ConvertFile>", DataTag::ConvertEnd},
        {R"(<?xml version="1.0"?>)", DataTag::Other},
        {R"(x <Page DesignName="P">)", DataTag::Other},
        {"<Pages>", DataTag::Other},
        {"<DataX>", DataTag::Other},
        {"<ConvertFileName=\"a\">", DataTag::Other},
        {"// </Document>", DataTag::Other},
    };
    for (const auto &[line, tag] : cases)
        EXPECT_EQ(LeadingTag(QString::fromLatin1(line)), tag) << line;
}

TEST(DataAttributes, fieldLinesAndIntegers)
{
    const struct {
        const char *line;
        FieldLine result;
        int number;
        const char *value;
    } cases[] = {
        {R"(<f12="x y"/>)", FieldLine::Valid, 12, "x y"},
        // a description comment after the value is not part of it
        {R"(<f3="a"/>                    // "/> in a comment)", FieldLine::Valid, 3, "a"},
        {R"(<f4=""/>)", FieldLine::Valid, 4, ""},
        {R"(<fx="y"/>)", FieldLine::BadNumber, 0, ""},
        {R"(<f="y"/>)", FieldLine::BadNumber, 0, ""},
        {R"(<f 1="y"/>)", FieldLine::BadNumber, 0, ""},
        {R"(<font>)", FieldLine::BadNumber, 0, ""},
        {R"(<f1="y">)", FieldLine::Malformed, 0, ""},
        {R"(<f1=)", FieldLine::Malformed, 0, ""},
        // the value runs to its "/>, tags and quotes inside it included
        {R"(<f2="<Page DesignName="P"> </Document>"/>)", FieldLine::Valid, 2,
         R"(<Page DesignName="P"> </Document>)"},
        {R"(<Data Caption="<f1="x"/>"/>)", FieldLine::Malformed, 0, ""}, // not a field line's own tag
    };
    for (const auto &c : cases) {
        int n = -1;
        QString v;
        EXPECT_EQ(ParseFieldLine(c.line, n, v), c.result) << c.line;
        if (c.result == FieldLine::Valid) {
            EXPECT_EQ(std::make_pair(n, v), std::make_pair(c.number, QString(c.value)));
        }
    }

    int n = 0;
    EXPECT_TRUE(ParseDataInt("-17", n) && n == -17);
    EXPECT_TRUE(ParseDataInt("2147483647", n) && n == std::numeric_limits<int>::max());
    EXPECT_TRUE(ParseDataInt("-2147483648", n) && n == std::numeric_limits<int>::min());
    for (const char *bad : {"", "-", "2147483648", "1.5", " 1", "1 ", "0x1F", "99999999999999999999"})
        EXPECT_FALSE(ParseDataInt(QString::fromLatin1(bad), n)) << bad;
}

TEST(DataLines, writtenLinesReadBackInTheirCodePage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.edd");
    const QStringList lines{"<?xml version=\"1.0\"?>", "    <f1=\"Ğüzel şey\"/>", "", "</Document>"};
    ASSERT_TRUE(WriteDataLines(lines, path, 1254));
    // one byte per Turkish letter (not UTF-8), CR LF after every line
    const QByteArray bytes = testsupport::readAll(path);
    EXPECT_EQ(bytes, "<?xml version=\"1.0\"?>\r\n    <f1=\"\xD0\xFCzel \xFE"
                     "ey\"/>\r\n\r\n</Document>\r\n");
    EXPECT_EQ(readAllLines(bytes, 1254), (QStringList{lines[0], "<f1=\"Ğüzel şey\"/>", "", "</Document>"}));
    // the same bytes read as 1252 are something else: the code page really is applied
    EXPECT_NE(readAllLines(bytes, 1252)[1], "<f1=\"Ğüzel şey\"/>");

    QString error;
    EXPECT_FALSE(WriteDataLines(lines, dir.filePath("missing/folder/t.edd"), 1254, &error));
    EXPECT_TRUE(error.startsWith("Cannot write " + dir.filePath("missing/folder/t.edd") + ": "))
        << error.toStdString();
}
