#include "files/data_file.h"

#include "model/code_page.h"
#include "report/design_builder.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{
QStringList readAllLines(const QByteArray &bytes, int codePage = 1252, int maxCalls = 100000)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    DataLineReader reader(buffer, codePage);
    QStringList lines;
    while (!reader.AtEnd() && maxCalls-- > 0)
        lines << reader.ReadLine();
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
    const QStringList lines =
        readAllLines("  <Page DesignName=\"P\">\t \r\n\r\n\t<f1=\"a b\"/>\r\nlast without end");
    // the bytes after the last CR LF never make a line
    EXPECT_EQ(lines, (QStringList{"<Page DesignName=\"P\">", "", "<f1=\"a b\"/>", ""}));

    // LF-only line ends: the whole window holds no CR LF and is dropped
    const QStringList lf = readAllLines("<Document DataType=\"1\">\n<Page DesignName=\"P\">\n</Document>\n");
    EXPECT_EQ(lf, QStringList{""});

    // a lone CR and a CR at the very end of the data do not end a line
    EXPECT_EQ(readAllLines("a\rb\r\nc\r"), (QStringList{"a\rb", ""}));
}

TEST(DataLineReader, lineLimitIsTheWindowLessCrLf)
{
    const QByteArray fits(8190, 'x');
    const QByteArray tooLong(8191, 'y');
    const QStringList lines = readAllLines(fits + "\r\n" + tooLong + "\r\n<next/>\r\n");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QString::fromLatin1(fits));
    // 8191 bytes and the CR fill the window, the LF lies outside it: the window is lost, and
    // the leftover LF is trimmed off the following line
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[2], QStringLiteral("<next/>"));
}

TEST(DataLineReader, decodesWithTheGivenCodePage)
{
    const QString text = QStringLiteral("<f1=\"Счёт №5\"/>");
    EXPECT_EQ(readAllLines(EncodeAnsi(text, 1251) + "\r\n", 1251), QStringList{text});
    // the same bytes read as 1252 are something else: the code page really is applied
    EXPECT_NE(readAllLines(EncodeAnsi(text, 1251) + "\r\n", 1252), QStringList{text});
}

TEST(DataLineReader, manyLinesAcrossWindowBoundaries)
{
    QStringList expected;
    QByteArray bytes;
    QRandomGenerator random(7);
    for (int i = 0; i < 3000; ++i) {
        const int length = random.bounded(i % 50 == 0 ? 8000 : 120);
        QString line = QString::number(i) + QString(length, QLatin1Char('a' + i % 26));
        expected << line;
        bytes += line.toLatin1() + "\r\n";
    }
    QTemporaryDir dir;
    QFile file(dir.filePath("big.edd"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    DataLineReader reader(file, 1252);
    QStringList lines;
    while (!reader.AtEnd())
        lines << reader.ReadLine();
    EXPECT_EQ(lines, expected);
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
    QString v;
    // "Type" is found inside "ValueType" when that comes first
    EXPECT_TRUE(GetAttribute("Type", R"(<Data Status="BarCode" ValueType="2" Type="5"/>)", v));
    EXPECT_EQ(v, "2");
    EXPECT_TRUE(GetAttribute("Type", R"(<Data Status="BarCode" Type="5" ValueType="2"/>)", v));
    EXPECT_EQ(v, "5");
    EXPECT_TRUE(GetAttribute("Value", R"(<Data Value="9" ValueType="2"/>)", v));
    EXPECT_EQ(v, "9");

    // present but empty, and absent (the old value is not kept on absence either way)
    v = "old";
    EXPECT_TRUE(GetAttribute("Caption", R"(<Data Status="Label" Caption=""/>)", v));
    EXPECT_TRUE(v.isEmpty());
    EXPECT_FALSE(GetAttribute("DesignName", R"(<Data Status="Label" ID="3"/>)", v));
    // names are case-sensitive
    EXPECT_FALSE(GetAttribute("caption", R"(<Data Caption="x"/>)", v));

    // no "=" check: the value is simply the next quoted text
    EXPECT_TRUE(GetAttribute("ID", R"(<Page ID "7" DesignName="P">)", v));
    EXPECT_EQ(v, "7");
    // a caption holding another attribute's name captures that search
    EXPECT_TRUE(GetAttribute("DesignName", R"(<Data Caption="DesignName" DesignName="L1"/>)", v));
    EXPECT_EQ(v, " DesignName=");
    // an unclosed value runs to the end of the line
    EXPECT_TRUE(GetAttribute("Caption", R"(<Data Caption="open)", v));
    EXPECT_EQ(v, "open");
}

TEST(DataAttributes, fieldLines)
{
    int n = 0;
    QString v;
    EXPECT_EQ(ParseFieldLine(R"(<f12="x y"/>)", n, v), FieldLine::Valid);
    EXPECT_EQ(n, 12);
    EXPECT_EQ(v, "x y");
    // a description comment after the value is not part of it
    EXPECT_EQ(ParseFieldLine(R"(<f3="a"/>                    // "/> in a comment)", n, v), FieldLine::Valid);
    EXPECT_EQ(v, "a");
    EXPECT_EQ(ParseFieldLine(R"(<f4=""/>)", n, v), FieldLine::Valid);
    EXPECT_EQ(v, "");
    EXPECT_EQ(ParseFieldLine(R"(<fx="y"/>)", n, v), FieldLine::BadNumber);
    EXPECT_EQ(ParseFieldLine(R"(<f="y"/>)", n, v), FieldLine::BadNumber);
    EXPECT_EQ(ParseFieldLine(R"(<f 1="y"/>)", n, v), FieldLine::BadNumber);
    EXPECT_EQ(ParseFieldLine(R"(<font>)", n, v), FieldLine::BadNumber);
    EXPECT_EQ(ParseFieldLine(R"(<f1="y">)", n, v), FieldLine::Malformed);
    EXPECT_EQ(ParseFieldLine(R"(<f1=)", n, v), FieldLine::Malformed);
}

TEST(DataAttributes, integers)
{
    int n = 0;
    EXPECT_TRUE(ParseDataInt("-17", n));
    EXPECT_EQ(n, -17);
    EXPECT_TRUE(ParseDataInt("2147483647", n));
    EXPECT_TRUE(ParseDataInt("-2147483648", n));
    EXPECT_EQ(n, std::numeric_limits<int>::min());
    for (const char *bad : {"", "-", "2147483648", "1.5", " 1", "1 ", "0x1F", "99999999999999999999"})
        EXPECT_FALSE(ParseDataInt(QString::fromLatin1(bad), n)) << bad;
}

TEST(DataLines, writtenLinesReadBackInTheirCodePage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.edd");
    const QStringList lines{"<?xml version=\"1.0\"?>", "    <f1=\"Ğüzel şey\"/>", "", "</Document>"};
    ASSERT_TRUE(WriteDataLines(lines, path, 1254));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.endsWith("</Document>\r\n"));
    EXPECT_EQ(bytes.count('\n'), 4);
    qsizetype singleByteSize = 0; // one byte per Turkish letter, not UTF-8
    for (const QString &l : lines)
        singleByteSize += l.size() + 2;
    EXPECT_EQ(bytes.size(), singleByteSize);
    EXPECT_EQ(readAllLines(bytes, 1254), (QStringList{lines[0], "<f1=\"Ğüzel şey\"/>", "", "</Document>"}));
    EXPECT_FALSE(WriteDataLines(lines, dir.filePath("missing/folder/t.edd"), 1254));
}
