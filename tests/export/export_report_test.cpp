#include "export/export_report.h"
#include "export_test_util.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace exporttest;
using testsupport::readAll;
using testsupport::writeAll;

TEST(ExportReport, ExtensionsNameTheirFormats)
{
    PictureFormats pictures;
    EXPECT_EQ(ExportFormatForExtension("PDF"), ExportPdfFormat);
    EXPECT_EQ(ExportFormatForExtension("mht"), ExportHtmlFormat);
    EXPECT_EQ(ExportFormatForExtension("edf"), ExportEdfFormat);
    EXPECT_EQ(ExportFormatForExtension("xlsx"), ExportSheetFormat);
    EXPECT_EQ(ExportFormatForExtension("jpg", &pictures), ExportPictureFormat);
    EXPECT_EQ(pictures, PictureFormats(PictureFormat::Jpeg));
    EXPECT_EQ(ExportFormatForExtension("Ico", &pictures), ExportPictureFormat);
    EXPECT_EQ(pictures, PictureFormats(PictureFormat::Ico));
    EXPECT_EQ(ExportFormatForExtension("odt"), -1);
    EXPECT_EQ(ExportFormatForExtension(""), -1);
}

// Each format gets the options that concern it, names what it wrote, and never replaces an input.
TEST(ExportReport, OptionsReachTheWritersAndInputsStay)
{
    QTemporaryDir dir;
    VDoc report;
    for (int i = 0; i < 2; ++i)
        addLabel(addPage(report)->Root(), QString::fromUtf8("Счёт %1").arg(i + 1), 1440, 1440, 4000, 400);

    ExportOptions options;
    options.codePage = 1251;
    options.newPageChar = true;
    const QString text = dir.filePath("r.txt");
    ExportResult r = ExportReport(report, ExportTextFormat, text, options);
    ASSERT_TRUE(r) << r.message.toStdString();
    EXPECT_EQ(r.written, QStringList{text});
    const QByteArray bytes = readAll(text);
    EXPECT_TRUE(bytes.contains(QByteArray("\xD1\xF7\xB8\xF2 2"))) << bytes.toHex().constData(); // cp1251
    EXPECT_TRUE(bytes.contains('\f'));

    options.pictures = PictureFormat::Png | PictureFormat::Bmp;
    r = ExportReport(report, ExportPictureFormat, dir.filePath("p.png"), options);
    ASSERT_TRUE(r) << r.message.toStdString();
    EXPECT_EQ(r.written.size(), 4);
    for (const QString &file : r.written)
        EXPECT_TRUE(QFile::exists(file)) << file.toStdString();

    r = ExportReport(report, ExportEdfFormat, dir.filePath("e.txt"), options);
    ASSERT_TRUE(r) << r.message.toStdString();
    EXPECT_EQ(r.written, QStringList{dir.filePath("e.edf")});
    EXPECT_TRUE(QFile::exists(dir.filePath("e.edf")));

    // A picture of page 2 would land on an input: nothing is written at all.
    const QString input = dir.filePath("q(2).png");
    writeAll(input, "mine");
    options.inputs = {input};
    options.pictures = PictureFormat::Png;
    r = ExportReport(report, ExportPictureFormat, dir.filePath("q.png"), options);
    EXPECT_FALSE(r);
    EXPECT_TRUE(r.message.contains(input)) << r.message.toStdString();
    EXPECT_EQ(readAll(input), QByteArray("mine"));
    EXPECT_FALSE(QFile::exists(dir.filePath("q(1).png")));

    // The spreadsheet may not replace an input either, and names what it wrote.
    options.inputs = {dir.filePath("s.xlsx")};
    writeAll(dir.filePath("s.xlsx"), "mine");
    EXPECT_FALSE(ExportReport(report, ExportSheetFormat, dir.filePath("s.xlsx"), options));
    EXPECT_EQ(readAll(dir.filePath("s.xlsx")), QByteArray("mine"));
    r = ExportReport(report, ExportSheetFormat, dir.filePath("t.xlsx"), options);
    ASSERT_TRUE(r) << r.message.toStdString();
    EXPECT_EQ(r.written, QStringList{dir.filePath("t.xlsx")});
}

// Page by page the output is the whole report's; a source that fails leaves no file and its reason.
TEST(ExportReport, PagesFromASource)
{
    QTemporaryDir dir;
    VDoc report;
    for (int i = 0; i < 3; ++i)
        addLabel(addPage(report)->Root(), QStringLiteral("Line %1").arg(i + 1), 1440, 1440 + 400 * i, 4000,
                 400);
    ExportOptions options;
    options.eofChar = true;
    const auto everyPage = [&report](const std::function<bool(VPage &)> &add, QString *) {
        for (int i = 0; i < report.PageCount(); ++i)
            if (!add(*report.PageAt(i))) return false;
        return true;
    };
    ExportResult r = ExportPages(everyPage, ExportTextFormat, dir.filePath("s.txt"), options, "Arial");
    ASSERT_TRUE(r) << r.message.toStdString();
    ASSERT_TRUE(ExportReport(report, ExportTextFormat, dir.filePath("w.txt"), options));
    EXPECT_EQ(readAll(dir.filePath("s.txt")), readAll(dir.filePath("w.txt")));
    EXPECT_TRUE(readAll(dir.filePath("s.txt")).contains("Line 3"));

    const auto broken = [&report](const std::function<bool(VPage &)> &add, QString *reason) {
        add(*report.PageAt(0));
        *reason = QStringLiteral("line 7: no page");
        return false;
    };
    r = ExportPages(broken, ExportHtmlFormat, dir.filePath("b.html"), options, "Arial");
    EXPECT_FALSE(r);
    EXPECT_EQ(r.message, QStringLiteral("line 7: no page"));
    EXPECT_FALSE(QFile::exists(dir.filePath("b.html")));
}
