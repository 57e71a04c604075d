#include "export/html_export.h"
#include "export/pdf_export.h"
#include "export/picture_export.h"
#include "export/rtf_export.h"
#include "export/text_export.h"
#include "export_test_util.h"
#include "export/edf_writer.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace exporttest;

// Every output refuses a page outside 1 to 5080 mm with the same message and writes nothing.
TEST(PaperSizeRule, EveryOutputRefusesTheSamePages)
{
    for (const auto &[width, height] : {std::pair{0.5, 297.0}, std::pair{210.0, 5081.0}}) {
        QTemporaryDir dir;
        VDoc doc;
        addPage(doc);
        addLabel(addPage(doc, 0, width, height)->Root(), "x", 100, 100, 500, 300);
        const QString message = doc.PageAt(1)->PaperSizeProblem();
        ASSERT_FALSE(message.isEmpty());
        EXPECT_EQ(doc.PaperSizeProblem(), message);

        HtmlOptions html;
        HtmlOptions mht;
        mht.mht = true;
        const std::pair<const char *, QString> refusals[] = {
            {"txt", ExportText(doc, dir.filePath("r.txt"), false, false, 1252).message},
            {"html", ExportHtml(doc, dir.filePath("r.html"), html).message},
            {"mht", ExportHtml(doc, dir.filePath("r.mht"), mht).message},
            {"png", ExportPictures(doc, dir.filePath("r.png"), PictureFormat::Png).message},
            {"rtf", ExportRtf(doc, dir.filePath("r.rtf"), RtfOptions{}).message},
            {"edf", ExportEdf(doc, dir.filePath("r.edf")).error},
            {"pdf", ExportReportPdf(doc, dir.filePath("r.pdf"), 1252, QString()).message},
        };
        for (const auto &[format, refusal] : refusals)
            EXPECT_EQ(refusal, message) << format;
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());

        // The rule itself: its edges are paper.
        doc.PageAt(1)->Settings().Width = 1;
        doc.PageAt(1)->Settings().Height = 5080;
        EXPECT_TRUE(doc.PaperSizeProblem().isEmpty());
    }
}
