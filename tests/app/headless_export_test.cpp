#include "app/command_line.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testsupport::readAll;

namespace
{
testsupport::Run runProgram(const QStringList &args)
{
    return testsupport::runProgram(QStringLiteral(TESSALY_PROGRAM), args, 120000,
                                   {QStringLiteral("QT_QPA_PLATFORM=offscreen")});
}
} // namespace

TEST(HeadlessExport, OnlyGAndETogetherSkipTheWindow)
{
    EXPECT_TRUE(AsksHeadlessExport({"-t", "a.edt", "-d", "a.edd", "-g", "-e", "pdf"}));
    EXPECT_TRUE(AsksHeadlessExport({"-G", "-E", "png", "-r", "a.edr"}));
    EXPECT_FALSE(AsksHeadlessExport({"-t", "a.edt", "-g"}));
    EXPECT_FALSE(AsksHeadlessExport({"-t", "/x/-g -e/a.edt"})); // a path is no option
}

// The accounting system's call: the report is written beside the data under the design's name,
// the paths on stdout; every failure has its reason on stderr and exit code 1.
TEST(HeadlessExport, WritesBesideTheDataAndFailsClearly)
{
    QTemporaryDir dir;
    const QString design = dir.filePath("invoice.edt");
    QDir(dir.path()).mkdir("in");
    const QString data = dir.filePath("in/today.edd");
    ASSERT_TRUE(QFile::copy(TESSALY_SOURCE_DIR "/examples/invoice.edt", design));
    ASSERT_TRUE(QFile::copy(TESSALY_SOURCE_DIR "/examples/invoice.edd", data));

    // A report file is written in its own folder under its own name.
    const QString report = dir.filePath("saved.edr");
    ASSERT_EQ(testsupport::runCli({"generate", design, data, "-o", report}).exitCode, 0);
    const struct {
        QStringList args;
        QString file;
        QByteArray start;
    } written[] = {
        {{"-t", design, "-d", data, "-g", "-e", "pdf"}, dir.filePath("in/invoice.pdf"), "%PDF"},
        {{"-t", design, "-d", data, "-g", "-e", "xlsx"}, dir.filePath("in/invoice.xlsx"), "PK"},
        {{"-r", report, "-g", "-e", "edf"}, dir.filePath("saved.edf"), "[width]"},
    };
    testsupport::Run r;
    for (const auto &w : written) {
        r = runProgram(w.args);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(QString::fromLocal8Bit(r.out).trimmed(), w.file);
        EXPECT_TRUE(readAll(w.file).startsWith(w.start)) << w.file.toStdString();
    }
    // Several pages: one picture each, every path on a line.
    r = runProgram({"-t", design, "-d", data, "-G", "-E", "PNG"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList pngs = QString::fromLocal8Bit(r.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(pngs.size(), 2);
    for (const QString &png : pngs) {
        EXPECT_TRUE(png.startsWith(dir.filePath("in/invoice"))) << png.toStdString();
        EXPECT_TRUE(readAll(png).startsWith("\x89PNG")) << png.toStdString();
    }

    const struct {
        QStringList args;
        const char *reason;
    } failures[] = {
        {{"-t", design, "-d", data, "-g", "-e", "odt"}, "odt"},
        {{"-t", design, "-d", dir.filePath("gone.edd"), "-g", "-e", "pdf"}, "gone.edd"},
        {{"-t", design, "-g", "-e", "pdf"}, "-d DATA"},
        {{"-t", design, "-d", design, "-g", "-e", "txt"}, "Data structure error"},
    };
    for (const auto &f : failures) {
        r = runProgram(f.args);
        EXPECT_EQ(r.exitCode, 1) << f.reason;
        EXPECT_TRUE(r.out.isEmpty()) << f.reason << r.out.constData();
        EXPECT_TRUE(r.err.contains(f.reason)) << f.reason << ": " << r.err.constData();
    }

    // -dd: the data goes only after its report is out.
    r = runProgram({"-t", design, "-d", data, "-g", "-e", "odt", "-dd"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(QFile::exists(data));
    r = runProgram({"-t", design, "-d", data, "-g", "-e", "txt", "-dd"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath("in/invoice.txt")));
    EXPECT_FALSE(QFile::exists(data));
    EXPECT_FALSE(QFile::exists(dir.filePath("invoice.txt")));
}
