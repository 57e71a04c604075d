#include "test_support.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testsupport::readAll;
using testsupport::runCli;
using testsupport::writeAll;

namespace
{
const QString kExamples = QStringLiteral(TESSALY_SOURCE_DIR "/examples/");

QByteArray crlf(const QByteArray &lf)
{
    QByteArray bytes = lf;
    return bytes.replace("\n", "\r\n");
}
} // namespace

// A data file is checked as data, whatever it is called: its documents, pages and names, and
// with the design beside it the merge; never "not valid UTF-8" for its 8-bit text.
TEST(CliCheckData, SummarisesDataFilesAndMergesWithTheirDesign)
{
    testsupport::Run r = runCli({"check", kExamples + "invoice.edd"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("data file, 1 document(s), 2 page(s)")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("design pages used: Page1"));
    EXPECT_TRUE(r.out.contains("Label3, Label4, Group1, Group3"));
    EXPECT_TRUE(r.out.contains("merges")) << "invoice.edt lies beside it";

    r = runCli({"check", kExamples + "convert.edd"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("convert file, 2 output(s)), 2 document(s)")) << r.out.toStdString();

    // Another name, its design elsewhere: still data, checked without the design unless given.
    QTemporaryDir dir;
    const QString renamed = dir.filePath("data.txt");
    QFile::copy(kExamples + "invoice.edd", renamed);
    r = runCli({"check", renamed});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("data file")) << r.out.toStdString();
    EXPECT_FALSE(r.err.contains("UTF-8")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("invoice.edt is not beside the data")) << r.err.toStdString();
    r = runCli({"check", renamed, "--design", kExamples + "invoice.edt"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("merges"));

    r = runCli({"check", dir.filePath("missing.edd")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("missing.edd: the file does not exist")) << r.err.toStdString();
    EXPECT_TRUE(runCli({"check", dir.filePath("missing.edt")}).err.contains("does not exist"));
}

// What the reader would stumble over is named by line, and the check fails.
TEST(CliCheckData, NamesTheLinesThatBreakTheData)
{
    QTemporaryDir dir;
    QFile::copy(kExamples + "invoice.edt", dir.filePath("invoice.edt"));
    const QString data = dir.filePath("d.edd");

    // Line ends of LF alone: the reader sees none of the lines.
    QByteArray lf = readAll(kExamples + "invoice.edd");
    writeAll(data, lf.replace("\r\n", "\n"));
    testsupport::Run r = runCli({"check", data});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("lines 1, 2, 3") && r.err.contains("LF alone")) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains("UTF-8"));
    // One such line among good ones is named alone.
    writeAll(data, crlf("<Document DesignFile=\"invoice.edt\" DataType=\"1\">\n"
                        "<Page DesignName=\"Page1\">\n") +
                       "<Data Status=\"Label\" DesignName=\"Label3\" Caption=\"x\"/>\n" +
                       crlf("</Page>\n</Document>\n"));
    r = runCli({"check", data});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("line 3 ends in LF alone")) << r.err.toStdString();

    const struct {
        QByteArray lines;
        const char *says;
    } cases[] = {
        {"<Document DataType=\"1\">\n<Page DesignName=\"Page9\">\n</Page>\n</Document>\n",
         "line 2: the design has no page \"Page9\""},
        {"<Document DataType=\"1\">\n<Page DesignName=\"Page1\">\n<Data Status=\"Group\" "
         "DesignName=\"Group1\">\n"
         "<fx=\"1\"/>\n</Data>\n</Page>\n</Document>\n",
         "line 4: field number is not an integer"},
        {"<Document DataType=\"one\">\n</Document>\n", "line 1: DataType is not an integer"},
        {"<Document DataType=\"1\">\n<Data Status=\"Label\" DesignName=\"Label3\" "
         "Caption=\"x\"/>\n</Document>\n",
         "line 2: data outside a page"},
        {"<Document DataType=\"1\">\n<Page DesignName=\"Page1\">\n</Page>\n",
         "the file ends without </Document>"},
    };
    for (const auto &c : cases) {
        writeAll(data, crlf(c.lines));
        r = runCli({"check", data, "--design", dir.filePath("invoice.edt")});
        EXPECT_EQ(r.exitCode, 1) << c.says;
        EXPECT_TRUE(r.err.contains(c.says)) << r.err.toStdString();
    }

    // A name the design lacks is worth a warning; the data still merges.
    writeAll(data,
             crlf("<Document DesignFile=\"invoice.edt\" DataType=\"1\">\n<Page DesignName=\"Page1\">\n"
                  "<Data Status=\"Label\" DesignName=\"Nobody\" Caption=\"x\"/>\n</Page>\n</Document>\n"));
    r = runCli({"check", data});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("line 3: page \"Page1\" of the design has no element \"Nobody\""))
        << r.err.toStdString();
}
