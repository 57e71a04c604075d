// Documents written as one batch and cut apart must each be the PDF they would have been alone.
#include "export/pdf_batch.h"
#include "export_test_util.h"
#include "model/v_doc.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace exporttest;

TEST(PdfBatch, DocumentsComeOutWholeAndApart)
{
    if (!haveReaders()) GTEST_SKIP() << "poppler-utils and qpdf are needed";
    ASSERT_TRUE(PdfBatch::Works());
    QTemporaryDir dir;
    VDoc doc;
    VPage *a4 = addPage(doc);
    addLabel(a4->Root(), "first", 1134, 1134, 3000, 400);
    VPage *card = addPage(doc, 256, 100, 60); // a page size of its own
    addLabel(card->Root(), "second", 300, 300, 3000, 400);
    VPage *broken = addPage(doc, 256, 0, 60); // no output can hold it
    addLabel(broken->Root(), "broken", 300, 300, 3000, 400);

    PdfBatch batch(1252, false);
    const QString paths[] = {dir.filePath("a.pdf"), dir.filePath("b.pdf"), dir.filePath("c.pdf"),
                             dir.filePath("d.pdf")};
    batch.beginDocument(paths[0], ReportPdfPageSize(*a4));
    batch.addPage(*a4);
    batch.addPage(*a4);
    batch.beginDocument(paths[1], ReportPdfPageSize(*card));
    batch.addPage(*card);
    batch.beginDocument(paths[2], QSize(100, 100));
    batch.addPage(*card);
    batch.addPage(*broken); // fails its document only
    batch.beginDocument(paths[3], ReportPdfPageSize(*card));
    // Cut apart but not committed: no target appears yet, the batch's own file is gone.
    batch.writeFiles();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 0);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    const std::vector<PdfExportResult> results = batch.commit();
    ASSERT_EQ(results.size(), 4u);
    EXPECT_TRUE(results[0] && results[1]);
    EXPECT_TRUE(results[2].message.contains("lies outside")) << results[2].message.toStdString();
    EXPECT_EQ(results[3].message, "The report has no pages");
    EXPECT_FALSE(QFile::exists(paths[2]) || QFile::exists(paths[3]));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);

    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(testsupport::runProgram("qpdf", {"--check", paths[i]}).exitCode, 0) << i;
        EXPECT_EQ(pdfInfo(paths[i], "Pages"), i == 0 ? "2" : "1");
        const std::vector<PdfWord> words = pdfWords(paths[i]);
        EXPECT_NE(findWord(words, i == 0 ? "first" : "second"), nullptr);
        EXPECT_EQ(findWord(words, i == 0 ? "second" : "first"), nullptr);
    }
    // Each part's paper sizes are checked with the other PDF writers' in pdf_export_test.
}
