#include "test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using testsupport::readAll;
using testsupport::runCli;
using testsupport::writeAll;

TEST(CliCheckSave, SummarisesSavesAndRefusesBadInput)
{
    const QString invoice = QStringLiteral(TESSALY_SOURCE_DIR "/examples/invoice.edt");
    testsupport::Run r = runCli({"check", invoice});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("1 page(s), normal document"));
    EXPECT_TRUE(r.out.contains("Cell 20"));
    EXPECT_TRUE(r.out.contains("elements: 60"));
    EXPECT_FALSE(r.err.contains("outside the paper")) << r.err.toStdString();
    r = runCli({"check", QStringLiteral(TESSALY_SOURCE_DIR "/examples/label.ebt")});
    EXPECT_TRUE(r.out.contains("barcode document"));

    QTemporaryDir dir;
    const QString copy = dir.filePath("copy.edr");
    r = runCli({"save", invoice, "-o", copy});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(readAll(copy), readAll(invoice)); // the example was written by the program itself

    // An element past the paper's edge is worth a warning, not a failure.
    QByteArray moved = readAll(invoice);
    const int at = moved.indexOf("<Shape Left=\"", moved.indexOf("Name=\"Label2\""));
    ASSERT_GT(at, 0);
    moved.insert(at + 13, "99");
    writeAll(dir.filePath("wide.edt"), moved);
    r = runCli({"check", dir.filePath("wide.edt")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("Label2 (Label)") && r.err.contains("lies outside the paper")) << r.err.toStdString();

    writeAll(dir.filePath("bad.edt"), "<Document><Page>");
    r = runCli({"check", dir.filePath("bad.edt")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(r.err.trimmed().isEmpty());
    r = runCli({"save", dir.filePath("bad.edt"), "-o", dir.filePath("out.edt")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath("out.edt")));

}
