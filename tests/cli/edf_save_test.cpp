#include "test_support.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testsupport::readAll;
using testsupport::runCli;
using testsupport::writeAll;

TEST(CliEdfSave, WritesThePrintEngineFileAndNeverItsInput)
{
    const QString orders = QStringLiteral(TESSALY_SOURCE_DIR "/examples/orders.edt");
    QTemporaryDir dir;
    const QString out = dir.filePath("orders.edf");
    writeAll(out, "[mine]\r\nkeep=1\r\n[data]\r\nline1=\"old\"\r\nline2=\"old\"\r\n");
    testsupport::Run r = runCli({"save", orders, "-o", out});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QByteArray file = readAll(out);
    EXPECT_TRUE(file.startsWith("[mine]\r\nkeep=1\r\n[width]\r\n0=35\r\n1=75\r\n"));
    EXPECT_TRUE(file.contains("\r\n[head]\r\nmodulenum=1\r\nsubject=1\r\n"));
    EXPECT_FALSE(file.contains("old"));
    EXPECT_TRUE(file.contains("\r\n[data]\r\nline1=\"33| | | |<"));

    // The label's QR code has no type name in the engine: written, but the run says so and fails.
    const QString label = QStringLiteral(TESSALY_SOURCE_DIR "/examples/label.ebt");
    r = runCli({"save", label, "-o", dir.filePath("label.edf")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("without br_type")) << r.err.toStdString();
    EXPECT_TRUE(readAll(dir.filePath("label.edf")).contains("<barcode  value=\""));

    // A document read from an .edf name is its own input.
    QFile::copy(label, dir.filePath("design.edf"));
    const QByteArray before = readAll(dir.filePath("design.edf"));
    r = runCli({"save", dir.filePath("design.edf"), "-o", dir.filePath("design.edf")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("same file")) << r.err.toStdString();
    EXPECT_EQ(readAll(dir.filePath("design.edf")), before);
}
