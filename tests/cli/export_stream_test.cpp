#include "test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testsupport::readAll;
using testsupport::runCli;

// With --data the outputs take the report page by page while it is made; what they write is what
// the export of the same report, made first and read back, writes.
TEST(CliExportStream, PageByPageWritesWhatTheWholeReportWrites)
{
    const QString design = QStringLiteral(TESSALY_SOURCE_DIR "/examples/invoice.edt");
    const QString data = QStringLiteral(TESSALY_SOURCE_DIR "/examples/invoice.edd");
    QTemporaryDir dir;
    const QString report = dir.filePath("invoice.edr");
    testsupport::Run r = runCli({"generate", design, data, "-o", report});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    for (const char *format : {"txt", "edf", "rtf", "html", "mht", "png"}) {
        const QString name = QStringLiteral("out.") + QLatin1String(format);
        QDir(dir.path()).mkpath(QStringLiteral("streamed/") + format);
        QDir(dir.path()).mkpath(QStringLiteral("whole/") + format);
        const QString streamed = dir.filePath(QStringLiteral("streamed/%1/").arg(format) + name);
        const QString whole = dir.filePath(QStringLiteral("whole/%1/").arg(format) + name);
        r = runCli(
            {"export", design, "--data", data, "--format", format, "-o", streamed, "--code-page", "1252"});
        ASSERT_EQ(r.exitCode, 0) << format << r.err.toStdString();
        r = runCli({"export", report, "--format", format, "-o", whole, "--code-page", "1252"});
        ASSERT_EQ(r.exitCode, 0) << format << r.err.toStdString();
        const QStringList files = QDir(QFileInfo(streamed).path()).entryList(QDir::Files);
        ASSERT_FALSE(files.isEmpty()) << format;
        // The pictures beside the HTML page and the pages of a picture output are the same too.
        EXPECT_EQ(files, QDir(QFileInfo(whole).path()).entryList(QDir::Files)) << format;
        for (const QString &file : files) {
            QByteArray a = readAll(QFileInfo(streamed).path() + '/' + file);
            QByteArray b = readAll(QFileInfo(whole).path() + '/' + file);
            if (QLatin1String(format) == QLatin1String("mht")) {
                // Each archive has a boundary of its own.
                const auto boundary = [](const QByteArray &m) {
                    const qsizetype at = m.indexOf("boundary=\"") + 10;
                    return m.mid(at, m.indexOf('"', at) - at);
                };
                a.replace(boundary(a), "B").replace("/streamed/mht/", "/whole/mht/");
                b.replace(boundary(b), "B");
                EXPECT_EQ(a.count("Content-ID: <picture"),
                          readAll(dir.filePath("whole/html/out.html")).count("<img "));
            }
            EXPECT_EQ(a, b) << format << " " << file.toStdString();
        }
    }
}

// UTF-8 is there for pipelines: the same text as the interface code page gives, other bytes, and
// the HTML head says which; the outputs with fonts of their own refuse it.
TEST(CliExportStream, Utf8TextAndHtml)
{
    const QString design = QStringLiteral(TESSALY_SOURCE_DIR "/examples/invoice.edt");
    const QString data = QStringLiteral(TESSALY_SOURCE_DIR "/examples/invoice.edd");
    QTemporaryDir dir;
    const auto run = [&](const char *format, const char *codePage) {
        const QString out = dir.filePath(QStringLiteral("%1-%2.%1").arg(format, codePage));
        const testsupport::Run r =
            runCli({"export", design, "--data", data, "--format", format, "-o", out, "--code-page", codePage});
        EXPECT_EQ(r.exitCode, 0) << format << codePage << r.err.toStdString();
        return readAll(out);
    };
    const QByteArray ansi = run("txt", "1252");
    const QByteArray utf8 = run("txt", "utf-8");
    EXPECT_NE(ansi, utf8); // the invoice has umlauts
    EXPECT_EQ(QString::fromUtf8(utf8), QString(QStringDecoder("windows-1252").decode(ansi)));
    const QByteArray html = run("html", "UTF-8");
    EXPECT_TRUE(html.contains("charset=utf-8\">")) << html.left(300).constData();
    EXPECT_TRUE(html.contains(QStringLiteral("M\u00fcller").toUtf8()));

    const testsupport::Run r = runCli({"export", design, "--data", data, "--format", "rtf", "-o",
                                       dir.filePath("x.rtf"), "--code-page", "utf-8"});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains("utf-8")) << r.err.constData();
    EXPECT_FALSE(QFile::exists(dir.filePath("x.rtf")));
}
