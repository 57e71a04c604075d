#include "test_support.h"

#include <QDir>
#include <QFileInfo>
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
