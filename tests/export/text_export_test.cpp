#include "export/text_export.h"
#include "export_test_util.h"
#include "files/design_file.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace exporttest;

TEST(TextExport, LinesPagesAndCodePage)
{
    QTemporaryDir dir;
    VDoc doc;
    VPage *first = addPage(doc);
    addLabel(first->Root(), "Total", 100, 100, 2000, 300);
    VGrfElement *group = addElement(first->Root(), ElementKind::Group, 100, 500, 4000, 2000);
    addLabel(*group, QString::fromUtf8("şu"), 200, 600, 2000, 300);
    addLabel(*group, "has picture", 200, 1000, 600, 600)
        ->EnsurePicture()
        .SetImage(QImage(4, 4, QImage::Format_RGB32));
    addElement(first->Root(), ElementKind::Table, 100, 3000, 2000, 600);
    addLabel(first->Root(), "never printed", 100, 4000, 2000, 300)->SetPrintable(pmNever);
    VPage *second = addPage(doc);
    addLabel(second->Root(), "End", 100, 100, 2000, 300)->Font().SetTextLength(2);

    // Children before their group; the root panel's own line closes each page.
    const QByteArray page1 = "Total\r\n\xFEu\r\n\r\n\r\n\r\n\r\n";
    const QByteArray page2 = "En\r\n\r\n";
    const QString path = dir.filePath("r.txt");
    ASSERT_TRUE(ExportText(doc, path, true, true, 1254));
    EXPECT_EQ(testsupport::readAll(path), page1 + "\x0C\r\n" + page2 + "\x1A\r\n");
    ASSERT_TRUE(ExportText(doc, path, false, false, 1254));
    EXPECT_EQ(testsupport::readAll(path), page1 + page2);
    // The same caption in Russian's code page has no "ş".
    ASSERT_TRUE(ExportText(doc, path, false, false, 1251));
    EXPECT_FALSE(testsupport::readAll(path).contains('\xFE'));

    const ExportResult failed = ExportText(doc, dir.filePath("missing/r.txt"), false, false, 1252);
    EXPECT_FALSE(failed);
    EXPECT_FALSE(failed.message.isEmpty());

    // A character the code page lacks is never the byte 26 that ends the file: it is written as '?'
    // and named, once, with the line it first stands on; the command line then exits 1.
    VDoc lacking;
    VPage *page = addPage(lacking);
    addLabel(page->Root(), "Total", 100, 100, 2000, 300);
    addLabel(page->Root(), QString::fromUtf8("Łódź Łask"), 100, 500, 2000, 300);
    const ExportResult named = ExportText(lacking, path, false, true, 1252);
    ASSERT_TRUE(named) << named.message.toStdString();
    EXPECT_EQ(testsupport::readAll(path), "Total\r\n?\xF3"
                                          "d? ?ask\r\n\r\n\x1A\r\n");
    ASSERT_EQ(named.warnings.size(), 2) << named.warnings.join('\n').toStdString();
    EXPECT_TRUE(named.warnings[0].contains("line 2") && named.warnings[0].contains("U+0141"))
        << named.warnings[0].toStdString();
    EXPECT_TRUE(named.warnings[1].contains(QString::fromUtf8("'ź'")) && named.warnings[1].contains("U+017A"))
        << named.warnings[1].toStdString();

    const QString design = dir.filePath("d.edt");
    ASSERT_TRUE(WriteDesignFile(lacking, design));
    const testsupport::Run cli = testsupport::runCli(
        {"export", design, "--format", "txt", "-o", dir.filePath("c.txt"), "--code-page", "1252"});
    EXPECT_EQ(cli.exitCode, 1);
    EXPECT_TRUE(cli.err.contains("U+0141")) << cli.err.toStdString();
    EXPECT_FALSE(testsupport::readAll(dir.filePath("c.txt")).contains('\x1A'));
}

TEST(TextExport, CommandLineWithData)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("invoice.txt");
    const testsupport::Run r =
        testsupport::runCli({"export", TESSALY_SOURCE_DIR "/examples/invoice.edt", "--data",
                             TESSALY_SOURCE_DIR "/examples/invoice.edd", "--format", "txt", "-o", out,
                             "--new-page-char", "--eof-char", "--code-page", "1252"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QByteArray text = testsupport::readAll(out);
    EXPECT_EQ(text.count("\r\n\x0C\r\n"), 1); // two pages
    EXPECT_TRUE(text.endsWith("\r\n\x1A\r\n"));
    EXPECT_EQ(text.count('\n'), text.count("\r\n"));
    EXPECT_TRUE(text.contains("M\xFCller")) << text.toStdString();

    // The output may not replace an input.
    EXPECT_EQ(testsupport::runCli({"export", out, "--format", "txt", "-o", out}).exitCode, 1);
    EXPECT_EQ(testsupport::readAll(out), text);
}
