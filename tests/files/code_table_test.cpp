#include "files/code_table.h"
#include "model/code_page.h"
#include "test_support.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testsupport::writeAll;

namespace
{
using Rows = std::vector<CodeRow>;

const QString LongText(300, QChar(0x0416)); // 600 bytes in UTF-8, beyond the parser's line buffer

QByteArray sampleTable()
{
    return "; operation codes\r\n"
           "[KONU]\r\n"
           "30 = Sales invoice   \r\n"
           "  10=Purchase invoice\r\n"
           "20=Returns\r\n"
           "[10]\n"
           "HEADER=Purchase\n"
           "1=Goods\n"
           "2=\n"
           "1=repeated key, ignored\n"
           "[30]\n"
           "LINK=20\n"
           "9=only through a second link\n"
           "[20]\n"
           "HEADER=Returns\n"
           "5=Damaged ; a comment\n"
           "6=Late\n"
           "7=" +
           LongText.toUtf8() +
           "\n"
           "[50]\n"
           "LINK=30\n"
           "1=x\n"
           "[40]\n"
           "LINK=abc\n"
           "1=own rows\n"
           "[60]\n"
           "LINK=20\n";
}
} // namespace

TEST(CodeTable, keepsFileOrderAndFollowsOneLink)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("codes.efi");
    writeAll(path, sampleTable());

    EXPECT_EQ(ReadCodes(path, 1252),
              (Rows{{"30", "Sales invoice"}, {"10", "Purchase invoice"}, {"20", "Returns"}}));
    // The first key of a code's section is its header; an empty explanation shows as a blank.
    EXPECT_EQ(ReadSubcodes(path, 10, 1252), (Rows{{"1", "Goods"}, {"2", " "}}));

    const Rows linked = ReadSubcodes(path, 30, 1252);
    ASSERT_EQ(linked.size(), 3u);
    EXPECT_EQ(linked[0], (CodeRow{"5", "Damaged"}));
    EXPECT_EQ(linked[1], (CodeRow{"6", "Late"}));
    // An overlong line keeps its start, whole characters only, and leaves no stray keys.
    EXPECT_EQ(linked[2].code, "7");
    EXPECT_GT(linked[2].explanation.size(), 50);
    EXPECT_TRUE(LongText.startsWith(linked[2].explanation)) << linked[2].explanation.toStdString();

    // One level only: [30] is used as it stands, its LINK header skipped.
    EXPECT_EQ(ReadSubcodes(path, 50, 1252), (Rows{{"9", "only through a second link"}}));
    // A LINK that is no number means the code itself; a lone LINK key is only a header.
    EXPECT_EQ(ReadSubcodes(path, 40, 1252), (Rows{{"1", "own rows"}}));
    EXPECT_TRUE(ReadSubcodes(path, 60, 1252).empty());
    EXPECT_TRUE(ReadSubcodes(path, 99, 1252).empty());
}

TEST(CodeTable, decodesEightBitOrUtf8AndRefusesWhatIsNoTable)
{
    QTemporaryDir dir;
    const QString turkish = QString::fromUtf8("Satış faturası");
    const QString ansi = dir.filePath("ansi.efi");
    writeAll(ansi, "[KONU]\r\n1=" + EncodeAnsi(turkish, 1254) + "\r\n");
    EXPECT_EQ(ReadCodes(ansi, 1254), (Rows{{"1", turkish}}));
    // Valid UTF-8 wins over the code page.
    const QString utf8 = dir.filePath("utf8.efi");
    writeAll(utf8, "\xEF\xBB\xBF[KONU]\n1=" + turkish.toUtf8() + "\n");
    EXPECT_EQ(ReadCodes(utf8, 1251), (Rows{{"1", turkish}}));

    EXPECT_TRUE(CodeTableFileName(1250).isEmpty());
    EXPECT_TRUE(ReadCodes(dir.filePath("missing.efi")).empty());
    EXPECT_TRUE(ReadCodes(dir.path()).empty());
    const QString huge = dir.filePath("huge.efi");
    writeAll(huge, "[KONU]\n1=a\n" + QByteArray(3 * 1024 * 1024, ' '));
    EXPECT_TRUE(ReadCodes(huge).empty());

    // Binary garbage after a table (NUL bytes, no line ends for long stretches) is read through.
    QByteArray noise(512 * 1024, '\0');
    QRandomGenerator random(7);
    for (char &c : noise)
        c = char(random.bounded(256));
    const QString binary = dir.filePath("binary.efi");
    writeAll(binary, "[KONU]\n1=a\n" + noise);
    const Rows rows = ReadCodes(binary, 1252);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front(), (CodeRow{"1", "a"}));
}

// The shipped tables are found under each language's name and every code has sub-codes.
TEST(CodeTable, shippedTablesGiveSubcodesForEveryCode)
{
    for (int codePage : {1252, 1254, 1251}) {
        const QString path = QStringLiteral(TESSALY_SOURCE_DIR "/examples/") + CodeTableFileName(codePage);
        const Rows codes = ReadCodes(path, codePage);
        ASSERT_EQ(codes.size(), 5u) << path.toStdString();
        for (const CodeRow &code : codes)
            EXPECT_FALSE(ReadSubcodes(path, code.code.toInt(), codePage).empty()) << code.code.toStdString();
        EXPECT_EQ(ReadSubcodes(path, 3, codePage), ReadSubcodes(path, 1, codePage)) << path.toStdString();
    }
}
