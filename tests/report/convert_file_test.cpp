#include "report/data_type_state.h"
#include "report/report_generation.h"

#include "report/design_builder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace testdesign;

namespace
{
struct Written {
    QString path;
    QStringList pageNames;
    QStringList firstLabels; // Label1 of each page
};

class ConvertFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetCurrentDataType();
        label(design.AddPage()->Root());
        label(design.AddPage()->Root());
    }

    bool run(const QStringList &lines)
    {
        const QString path = dir.filePath("convert.edd");
        writeLines(path, lines);
        written.clear();
        DocumentRecorder recorder([this](VDoc &doc, const ConvertDocument &document) {
            Written w{document.pdfPath, {}, {}};
            for (int i = 0; i < doc.PageCount(); ++i) {
                w.pageNames << doc.PageAt(i)->Name();
                w.firstLabels << find(*doc.PageAt(i), "Label1")->Caption();
            }
            written.push_back(w);
        });
        const bool ok = ReadDataFile(path, design, report, &recorder, &reason);
        warnings = recorder.warnings;
        return ok;
    }

    QString out(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    VDoc design;
    VDoc report;
    std::vector<Written> written;
    QStringList warnings;
    QString reason;
};

QStringList doc(const QString &page, const QString &value)
{
    return {"<Document DataType=\"1\">", "<Page DesignName=\"" + page + "\">",
            "<Data Status=\"Label\" DesignName=\"Label1\" Caption=\"" + value + "\"/>", "</Page>",
            "</Document>"};
}
} // namespace

TEST_F(ConvertFile, eachDocumentGoesToItsOwnFile)
{
    const QString first = out("a/b/c/first.pdf");
    const QString second = out("second.pdf");
    QStringList lines{"<?xml version=\"1.0\"?>", "<ConvertFile ConvertFileName=\"" + first + "\">"};
    lines += doc("Page1", "one") + doc("Page2", "two");
    lines += QStringList{"</ConvertFile>", "<ConvertFile ConvertFileName=\"" + second + "\">"};
    lines += doc("Page2", "three");
    lines += QStringList{"</ConvertFile>"};
    ASSERT_TRUE(run(lines)) << reason.toStdString();
    // the folder exists before the first document is written
    EXPECT_TRUE(QDir(out("a/b/c")).exists());
    ASSERT_EQ(written.size(), 3u);
    // the name stays in force for the following document
    EXPECT_EQ(written[0].path, first);
    EXPECT_EQ(written[1].path, first);
    EXPECT_EQ(written[2].path, second);
    EXPECT_EQ(written[0].pageNames, QStringList{"Page1"});
    EXPECT_EQ(written[1].pageNames, QStringList{"Page2"});
    EXPECT_EQ(written[2].firstLabels, QStringList{"three"});
    // each document starts a fresh report; nothing is left after the last
    EXPECT_EQ(report.PageCount(), 0);
}

TEST_F(ConvertFile, aBlankLineEndsTheFile)
{
    QStringList lines{"<ConvertFile ConvertFileName=\"" + out("x.pdf") + "\">"};
    lines += doc("Page1", "before");
    lines += QStringList{"   "};
    lines += doc("Page1", "after");
    ASSERT_TRUE(run(lines));
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].firstLabels, QStringList{"before"});
    EXPECT_EQ(report.PageCount(), 0);
}

TEST_F(ConvertFile, endsAndFailures)
{
    // without an output name the first </Document> ends the reading
    QStringList lines{"<ConvertFile ConvertFileName=\" \">"};
    lines += doc("Page1", "one") + doc("Page1", "two");
    ASSERT_TRUE(run(lines));
    EXPECT_TRUE(written.empty());
    ASSERT_EQ(report.PageCount(), 1);
    EXPECT_EQ(find(*report.PageAt(0), "Label1")->Caption(), "one");

    // the end of the file ends a convert file without error, the open document unwritten
    report.Clear();
    lines = QStringList{"<ConvertFile ConvertFileName=\"" + out("y.pdf") + "\">"} + doc("Page1", "one");
    lines.removeLast();
    ASSERT_TRUE(run(lines));
    EXPECT_TRUE(written.empty());
    EXPECT_EQ(report.PageCount(), 1);

    // lines ending in LF alone run into one: the document never ends, and that is said
    report.Clear();
    ASSERT_TRUE(run({"<ConvertFile ConvertFileName=\"" + out("lf.pdf") + "\">",
                     "<Document DataType=\"1\">\n<Page DesignName=\"Page1\">\n</Page>\n</Document>"}));
    EXPECT_TRUE(written.empty());
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains("LF alone")) << warnings[0].toStdString();

    // data outside a known page still breaks it; what was written stays written
    report.Clear();
    lines = QStringList{"<ConvertFile ConvertFileName=\"" + out("z.pdf") + "\">"} + doc("Page1", "ok") +
            doc("Page9", "bad");
    EXPECT_FALSE(run(lines));
    EXPECT_EQ(written.size(), 1u);
}

TEST(ConvertFileDetection, blankSeparatedTokenAnywhere)
{
    QTemporaryDir dir;
    const auto isConvert = [&](const QByteArray &bytes) {
        const QString path = dir.filePath("d.edd");
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
        f.close();
        return IsConvertFile(path);
    };
    EXPECT_TRUE(isConvert("<ConvertFile ConvertFileName=\"a.pdf\">\r\n"));
    EXPECT_TRUE(isConvert("<?xml?>\r\n\t<ConvertFile\r\n"));
    EXPECT_TRUE(isConvert("x <ConvertFile"));
    // deep in a file, past the first window
    EXPECT_TRUE(isConvert(QByteArray(20000, ' ') + "<ConvertFile "));
    EXPECT_FALSE(isConvert("<ConvertFile>\r\n"));
    EXPECT_FALSE(isConvert("a<ConvertFile b\r\n"));
    EXPECT_FALSE(isConvert("<ConvertFileName=\"x\"\r\n"));
    EXPECT_FALSE(isConvert("</ConvertFile>\r\n"));
    EXPECT_FALSE(isConvert("<convertfile x\r\n"));
    EXPECT_FALSE(IsConvertFile(dir.filePath("missing.edd")));
}
