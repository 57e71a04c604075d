#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <utime.h>

using testsupport::readAll;
using testsupport::runCli;

namespace
{
const QString kDesign = QStringLiteral(TESSALY_SOURCE_DIR "/examples/invoice.edt");
const QStringList kReproducible = {QStringLiteral("SOURCE_DATE_EPOCH=1700000000")};

// A convert file of count one-page invoices, doc0000.pdf onwards, each with its own text.
QString writeBatch(const QTemporaryDir &dir, int count)
{
    QByteArray lines = "<?xml version=\"1.0\"?>\r\n";
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        lines += "<ConvertFile ConvertFileName=\"doc" + n.rightJustified(4, '0') +
                 ".pdf\">\r\n<Document DataType=\"1\">\r\n<Page ID=\"1\" DesignName=\"Page1\">\r\n"
                 "<Data Status=\"Label\" DesignName=\"Label3\" Caption=\"No. " +
                 n + "\"/>\r\n<Data Status=\"Group\" DesignName=\"Group1\">\r\n<f1=\"Customer " + n +
                 "\"/>\r\n</Data>\r\n</Page>\r\n</Document>\r\n</ConvertFile>\r\n";
    }
    const QString path = dir.filePath("batch.edd");
    testsupport::writeAll(path, lines);
    return path;
}

QStringList pdfsIn(const QString &folder)
{
    return QDir(folder).entryList({"*.pdf"}, QDir::Files, QDir::Name);
}

// Every file of the folder, hidden ones (an unfinished write's temporary) included.
QStringList everythingIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QString folder(const QTemporaryDir &dir, const QString &name)
{
    QDir(dir.path()).mkpath(name);
    return dir.filePath(name);
}
} // namespace

// N shards write every document once, each only its own, and together exactly what one
// unsharded run writes, byte for byte; a second run writes the same bytes again, report PDFs too.
TEST(CliShard, ShardsTogetherAreTheWholeBatch)
{
    QTemporaryDir dir;
    const QString data = writeBatch(dir, 11);
    const QString whole = folder(dir, "whole"), again = folder(dir, "again"), shards = folder(dir, "shards");
    for (const QString &out : {whole, again}) {
        const auto r = runCli({"generate", kDesign, data, "--outdir", out}, kReproducible);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    }
    const QStringList all = pdfsIn(whole);
    ASSERT_EQ(all.size(), 11);
    for (int k = 1; k <= 3; ++k) {
        const QStringList before = pdfsIn(shards);
        const auto r =
            runCli({"generate", kDesign, data, "--outdir", shards, "--shard", QStringLiteral("%1/3").arg(k)},
                   kReproducible);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        QStringList added;
        for (const QString &f : pdfsIn(shards))
            if (!before.contains(f)) added << f;
        QStringList expected;
        for (int i = k - 1; i < 11; i += 3)
            expected << all[i];
        EXPECT_EQ(added, expected) << k;
    }
    ASSERT_EQ(pdfsIn(shards), all);
    for (const QString &f : all) {
        const QByteArray bytes = readAll(whole + '/' + f);
        EXPECT_EQ(readAll(shards + '/' + f), bytes) << f.toStdString();
        EXPECT_EQ(readAll(again + '/' + f), bytes) << f.toStdString();
    }
    // The time comes from SOURCE_DATE_EPOCH, not from the clock.
    EXPECT_TRUE(readAll(whole + '/' + all[0]).contains("/CreationDate (D:20231114221320Z)"));

    const QString examples = QStringLiteral(TESSALY_SOURCE_DIR "/examples/");
    for (const char *name : {"one.pdf", "two.pdf"}) {
        const auto r = runCli({"export", kDesign, "--data", examples + "invoice.edd", "--format", "pdf", "-o",
                               dir.filePath(name)},
                              kReproducible);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    }
    EXPECT_EQ(readAll(dir.filePath("one.pdf")), readAll(dir.filePath("two.pdf")));

    for (const char *bad : {"0/3", "4/3", "1/0", "-1/2", "3", "a/b", "1/2/3", ""}) {
        const auto r = runCli({"generate", kDesign, data, "--outdir", shards, "--shard", bad});
        EXPECT_EQ(r.exitCode, 1) << bad;
        EXPECT_TRUE(r.err.contains("--shard")) << bad << r.err.toStdString();
    }
    // Another shard's documents are not even built: a data error in one fails only its own shard.
    QByteArray broken = readAll(data);
    broken.replace("Caption=\"No. 1\"/>",
                   "Caption=\"No. 1\"/>\r\n<Data Status=\"BarCode\" DesignName=\"B\" Type=\"x\"/>");
    testsupport::writeAll(data, broken);
    for (int k = 1; k <= 3; ++k) {
        const auto r =
            runCli({"generate", kDesign, data, "--outdir", folder(dir, QStringLiteral("broken%1").arg(k)),
                    "--shard", QStringLiteral("%1/3").arg(k)});
        EXPECT_EQ(r.exitCode, k == 2 ? 1 : 0) << k << r.err.toStdString();
    }
    const auto report = runCli(
        {"generate", kDesign, examples + "invoice.edd", "-o", dir.filePath("r.edr"), "--shard", "1/2"});
    EXPECT_EQ(report.exitCode, 1);
    EXPECT_TRUE(report.err.contains("convert files")) << report.err.toStdString();
}

// A task killed mid-batch leaves only complete PDFs, and a rerun with --skip-existing writes what
// is missing or incomplete and nothing else.
TEST(CliShard, SkipExistingFinishesAKilledBatch)
{
    QTemporaryDir dir;
    constexpr int kDocuments = 80;
    const QString data = writeBatch(dir, kDocuments);
    const QString reference = folder(dir, "reference"), out = folder(dir, "out");
    auto r = runCli({"generate", kDesign, data, "--outdir", reference}, kReproducible);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();

    QProcess task;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SOURCE_DATE_EPOCH", "1700000000");
    task.setProcessEnvironment(env);
    task.start(TESSALY_CLI, {"generate", kDesign, data, "--outdir", out});
    ASSERT_TRUE(task.waitForStarted());
    for (int i = 0; i < 2000 && pdfsIn(out).size() < 5; ++i)
        QThread::msleep(5);
    ::kill(pid_t(task.processId()), SIGKILL);
    task.waitForFinished();
    const QStringList left = pdfsIn(out);
    ASSERT_GE(left.size(), 5);
    ASSERT_LT(left.size(), kDocuments) << "the task ended before it was killed";
    for (const QString &f : left)
        EXPECT_EQ(readAll(out + '/' + f), readAll(reference + '/' + f)) << f.toStdString();

    r = runCli({"generate", kDesign, data, "--outdir", out, "--skip-existing"}, kReproducible);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("%1 written, %2 already complete")
                                   .arg(kDocuments - left.size())
                                   .arg(left.size())
                                   .toUtf8()))
        << r.err.toStdString();
    EXPECT_EQ(everythingIn(out), pdfsIn(reference)); // the killed task's temporary is gone too

    // Old times mark what a rerun must not touch; one output removed, one cut short, one empty.
    const QStringList all = pdfsIn(out);
    for (const QString &f : all) {
        const utimbuf old{1000000000, 1000000000};
        ASSERT_EQ(::utime(QFile::encodeName(out + '/' + f).constData(), &old), 0);
    }
    QFile::remove(out + '/' + all[3]);
    const QByteArray whole = readAll(out + '/' + all[7]);
    testsupport::writeAll(out + '/' + all[7], whole.left(whole.size() - 40));
    testsupport::writeAll(out + '/' + all[9], "%PDF-");
    r = runCli({"generate", kDesign, data, "--outdir", out, "--skip-existing"}, kReproducible);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("3 written, %1 already complete").arg(kDocuments - 3).toUtf8()))
        << r.err.toStdString();
    for (int i = 0; i < all.size(); ++i) {
        const QString path = out + '/' + all[i];
        EXPECT_EQ(readAll(path), readAll(reference + '/' + all[i])) << all[i].toStdString();
        const bool rewritten = i == 3 || i == 7 || i == 9;
        EXPECT_EQ(QFileInfo(path).lastModified().toSecsSinceEpoch() != 1000000000, rewritten) << i;
    }
}
