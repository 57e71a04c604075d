// What a careless or hostile batch user does to the command-line tool: nothing they have may be
// lost, and every refusal says why.
#include "test_support.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

using testsupport::readAll;
using testsupport::runCli;
using testsupport::writeAll;

namespace
{
QString example(const char *name)
{
    return QStringLiteral(TESSALY_SOURCE_DIR "/examples/") + QLatin1String(name);
}

QByteArray digest(const QString &path)
{
    return QCryptographicHash::hash(readAll(path), QCryptographicHash::Sha1);
}

// Files in a folder other than the hidden temporary ones a crash may leave.
QStringList visibleFiles(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}
} // namespace

TEST(HostileUse, OutputsThatAreInputsAreRefused)
{
    QTemporaryDir dir;
    const QString design = dir.filePath("D.edt"), data = dir.filePath("A.edd");
    QFile::copy(example("invoice.edt"), design);
    QFile::copy(example("invoice.edd"), data);
    ASSERT_TRUE(QFile::link(design, dir.filePath("link.edt")));
    ASSERT_EQ(::link(QFile::encodeName(design).constData(),
                     QFile::encodeName(dir.filePath("hard.edt")).constData()),
              0);
    const QByteArray before = digest(design), dataBefore = digest(data);
    const QList<QStringList> uses = {
        {"generate", design, data, "-o", design},
        {"generate", design, data, "-o", data},
        {"template", design, "-o", design},
        {"export", design, "--format", "pdf", "-o", design},
        {"export", design, "--data", data, "--format", "pdf", "-o", data},
        {"render", design, "-o", design},
        {"render", design, "--data", data, "-o", dir.filePath("link.edt")},
        {"export", design, "--format", "pdf", "-o", dir.filePath("hard.edt")},
    };
    for (const QStringList &use : uses) {
        const testsupport::Run r = runCli(use);
        EXPECT_EQ(r.exitCode, 1) << use.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("is the same file as the input")) << r.err.toStdString();
    }
    EXPECT_EQ(digest(design), before);
    EXPECT_EQ(digest(data), dataBefore);
}

// A full disk fails every writer with the system's reason and leaves the previous file whole.
TEST(HostileUse, FullDiskKeepsThePreviousFiles)
{
    if (geteuid() != 0) GTEST_SKIP() << "mounting a small file system needs root";
    QTemporaryDir dir;
    const QString disk = dir.filePath("disk");
    QDir().mkpath(disk);
    if (::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    const QStringList targets = {"d.edt", "t.edd", "r.edr", "e.pdf", "p.png", "b.png"};
    for (const QString &t : targets)
        writeAll(disk + '/' + t, "previous " + t.toUtf8());
    // Fill what is left of the disk.
    {
        QFile filler(disk + "/filler");
        filler.open(QIODevice::WriteOnly);
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    const QString design = example("invoice.edt"), data = example("invoice.edd");
    const QList<QStringList> uses = {
        {"save", design, "-o", disk + "/d.edt"},
        {"template", design, "-o", disk + "/t.edd"},
        {"generate", design, data, "-o", disk + "/r.edr"},
        {"export", design, "--data", data, "--format", "pdf", "-o", disk + "/e.pdf"},
        {"render", design, "-o", disk + "/p.png"},
        {"barcode", "--type", "EAN-13", "--value", "400638133393", "-o", disk + "/b.png"},
    };
    for (const QStringList &use : uses) {
        const testsupport::Run r = runCli(use);
        EXPECT_EQ(r.exitCode, 1) << use.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("No space left on device"))
            << use.first().toStdString() << ": " << r.err.toStdString();
    }
    for (const QString &t : targets)
        EXPECT_EQ(readAll(disk + '/' + t), "previous " + t.toUtf8()) << t.toStdString();
    EXPECT_EQ(visibleFiles(disk).size(), targets.size() + 1); // no temporary file stays
    ::umount(QFile::encodeName(disk).constData());
}

// Killed half way, an export leaves either the old PDF or a new, whole one; never a torn file.
TEST(HostileUse, KilledExportNeverTearsThePdf)
{
    if (!testsupport::haveTool("qpdf")) GTEST_SKIP() << "qpdf is needed";
    QTemporaryDir dir;
    // 400 invoice pages.
    QStringList lines = {"<?xml version=\"1.0\"?>", "<Document DataType=\"1\">"};
    for (int i = 0; i < 400; ++i)
        lines << "<Page DesignName=\"Page1\">"
              << QStringLiteral("<Data Status=\"Label\" DesignName=\"Label3\" Caption=\"No. %1\"/>").arg(i)
              << "</Page>";
    lines << "</Document>";
    writeAll(dir.filePath("many.edd"), lines.join("\r\n").toLatin1() + "\r\n");
    const QString pdf = dir.filePath("out.pdf");
    writeAll(pdf, "old");
    for (int delay : {30, 120, 250, 400, 600}) {
        QProcess p;
        p.start(TESSALY_CLI, {"export", example("invoice.edt"), "--data", dir.filePath("many.edd"),
                              "--format", "pdf", "-o", pdf});
        ASSERT_TRUE(p.waitForStarted());
        QThread::msleep(delay);
        p.kill();
        p.waitForFinished();
        const QByteArray now = readAll(pdf);
        if (now != "old") {
            EXPECT_EQ(testsupport::runProgram("qpdf", {"--check", pdf}).exitCode, 0)
                << "after " << delay << " ms";
        }
    }
}

TEST(HostileUse, CodePageComesFromTheLocaleOrTheOption)
{
    QTemporaryDir dir;
    // "Sipariş" in windows-1254 is "Sipari\xFE": windows-1252 would read "Sipariþ".
    const QByteArray data =
        "<?xml version=\"1.0\"?>\r\n<Document DataType=\"1\">\r\n<Page DesignName=\"Page1\">\r\n"
        "<Data Status=\"Label\" DesignName=\"Label3\" Caption=\"Sipari\xFE\"/>\r\n</Page>\r\n</Document>\r\n";
    writeAll(dir.filePath("tr.edd"), data);
    auto caption = [&](const QStringList &extra, const QStringList &env) {
        const QString out = dir.filePath("r.edr");
        QFile::remove(out);
        const testsupport::Run r = runCli(
            QStringList{"generate", example("invoice.edt"), dir.filePath("tr.edd"), "-o", out} + extra, env);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return QString::fromUtf8(readAll(out));
    };
    EXPECT_TRUE(caption({}, {"LANG=tr_TR.UTF-8", "LC_ALL="}).contains(QString::fromUtf8("Sipariş")));
    EXPECT_TRUE(
        caption({"--code-page", "1254"}, {"LANG=C", "LC_ALL="}).contains(QString::fromUtf8("Sipariş")));
    EXPECT_TRUE(caption({}, {"LANG=C", "LC_ALL="}).contains(QString::fromUtf8("Sipariþ")));
}

// A picture that cannot be decoded stays the user's: saved unchanged, reported by check, drawn
// as a placeholder in the PDF, whose export then counts as incomplete.
TEST(HostileUse, UndecodablePictureIsKeptReportedAndStoodIn)
{
    QTemporaryDir dir;
    const QByteArray text = "object Image: TImage\n  Picture.Data = {\n    0954506E67496D616765G9}\nend\n";
    const QString design = dir.filePath("odd.edt");
    writeAll(
        design,
        "<?xml version='1.0' encoding='UTF-8'?>\n<Document PaperSize=\"9\" Width=\"210000\" "
        "Height=\"297000\" "
        "Orientation=\"1\"><Font/><Page Name=\"Page1\" Num=\"1\"><Panel Name=\"\" Num=\"0\"><Shape "
        "Left=\"0\" "
        "Top=\"0\" Width=\"11000\" Height=\"16000\"/><Label Name=\"Logo\" Num=\"1\"><Picture SizeSet=\"1\" "
        "Format=\"0\">" +
            text +
            "</Picture><Shape Left=\"1440\" Top=\"1440\" Width=\"2880\" Height=\"1440\"/>"
            "</Label></Panel></Page></Document>");
    testsupport::Run r = runCli({"check", design});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains("warning: page Page1, element Logo")) << r.err.toStdString();
    ASSERT_EQ(runCli({"save", design, "-o", dir.filePath("saved.edt")}).exitCode, 0);
    EXPECT_TRUE(readAll(dir.filePath("saved.edt")).contains(text));

    const QString pdf = dir.filePath("odd.pdf");
    r = runCli({"export", design, "--format", "pdf", "-o", pdf});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("element Logo: the picture cannot be drawn")) << r.err.toStdString();
    ASSERT_TRUE(QFile::exists(pdf));
    if (testsupport::haveTool("pdftoppm")) {
        // The placeholder's grey fill inside the element, 1 inch from the top-left corner.
        testsupport::runProgram("pdftoppm", {"-r", "72", "-png", "-singlefile", pdf, dir.filePath("page")});
        const QImage page(dir.filePath("page.png"));
        ASSERT_FALSE(page.isNull());
        const QColor inside = page.pixelColor(72 + 30, 72 + 20);
        EXPECT_TRUE(inside.red() < 240 && inside.red() > 180) << inside.name().toStdString();
    }
}

// Batch commands leave no picture files behind unless asked to keep them.
TEST(HostileUse, PicturesBesideAPdfOnlyWhenKept)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("inv.pdf");
    ASSERT_EQ(runCli({"export", example("invoice.edt"), "--format", "pdf", "-o", pdf}).exitCode, 0);
    EXPECT_EQ(visibleFiles(dir.path()), QStringList{"inv.pdf"});
    ASSERT_EQ(
        runCli({"export", example("invoice.edt"), "--format", "pdf", "-o", pdf, "--keep-pictures"}).exitCode,
        0);
    EXPECT_TRUE(visibleFiles(dir.path()).contains("inv_pict_(1).bmp"))
        << visibleFiles(dir.path()).join(' ').toStdString();
}

// One rule for every output: a paper size no output can hold is refused by each, and a design
// error names the file it is about when a command reads two.
TEST(HostileUse, AbsurdPapersAndWhichFileIsWrong)
{
    QTemporaryDir dir;
    const QByteArray invoice = readAll(example("invoice.edt"));
    for (const char *width : {"2147483647", "0", "-5"}) {
        QByteArray design = invoice;
        design.replace("Width=\"210000\"", QByteArray("Width=\"") + width + "\"");
        writeAll(dir.filePath("odd.edt"), design);
        for (const QStringList &use :
             {QStringList{"export", dir.filePath("odd.edt"), "--format", "pdf", "-o",
                          dir.filePath("odd.pdf")},
              QStringList{"render", dir.filePath("odd.edt"), "-o", dir.filePath("odd.png")}}) {
            const testsupport::Run r = runCli(use);
            EXPECT_EQ(r.exitCode, 1) << width;
            EXPECT_TRUE(r.err.contains("lies outside 1 to 5080 mm")) << r.err.toStdString();
        }
    }
    EXPECT_EQ(visibleFiles(dir.path()), QStringList{"odd.edt"});

    writeAll(dir.filePath("bad.edt"), "<Document><Page><Panel></Page></Document>");
    const testsupport::Run r =
        runCli({"generate", dir.filePath("bad.edt"), example("invoice.edd"), "-o", dir.filePath("r.edr")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith((dir.filePath("bad.edt") + ": ").toUtf8())) << r.err.toStdString();
}
