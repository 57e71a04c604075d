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

TEST(DataLineReader, lineLimitIsTheWindowLessCrLf)
{
    const QByteArray fits(8190, 'x');
    // 8191 bytes and the CR fill the window, the LF lies outside it: the window is lost, and
    // the leftover LF is trimmed off the following line
    EXPECT_EQ(readAllLines(fits + "\r\n" + QByteArray(8191, 'y') + "\r\n<next/>\r\n"),
              (QStringList{QString::fromLatin1(fits), "", "<next/>"}));
}

TEST(DataLineReader, manyLinesAcrossWindowBoundaries)
{
    QStringList expected;
    QByteArray bytes;
    QRandomGenerator random(7);
    for (int i = 0; i < 3000; ++i) {
        expected << QString::number(i) +
                        QString(random.bounded(i % 50 == 0 ? 8000 : 120), QLatin1Char('a' + i % 26));
        bytes += expected.last().toLatin1() + "\r\n";
    }
    EXPECT_EQ(readAllLines(bytes), expected);
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

TEST(DataAttributes, firstOccurrenceQuoteToQuote)
{
    const struct {
        const char *name, *line;
        bool found;
        const char *value;
    } cases[] = {
        // "Type" is found inside "ValueType" when that comes first
        {"Type", R"(<Data Status="BarCode" ValueType="2" Type="5"/>)", true, "2"},
        {"Type", R"(<Data Status="BarCode" Type="5" ValueType="2"/>)", true, "5"},
        {"Value", R"(<Data Value="9" ValueType="2"/>)", true, "9"},
        {"Caption", R"(<Data Status="Label" Caption=""/>)", true, ""},
        {"DesignName", R"(<Data Status="Label" ID="3"/>)", false, ""},
        {"caption", R"(<Data Caption="x"/>)", false, ""},     // names are case-sensitive
        {"ID", R"(<Page ID "7" DesignName="P">)", true, "7"}, // no "=" check: the next quoted text
        // a caption holding another attribute's name captures that search
        {"DesignName", R"(<Data Caption="DesignName" DesignName="L1"/>)", true, " DesignName="},
        {"Caption", R"(<Data Caption="open)", true, "open"}, // an unclosed value runs to the end
    };
    for (const auto &c : cases) {
        QString v = "old";
        const bool found = GetAttribute(c.name, c.line, v);
        EXPECT_EQ(std::make_pair(found, found ? v : QString()), std::make_pair(c.found, QString(c.value)))
            << c.line;
    }
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
