#include "test_support.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testsupport::readAll;
using testsupport::runCli;
using testsupport::runProgram;

namespace
{
// Invoice pages numbered 1..pages, enough to make several parts of the parallel writer.
QString invoiceData(const QString &folder, int pages)
{
    QByteArray data = "<?xml version=\"1.0\"?>\r\n<Document DataType=\"1\">\r\n";
    for (int n = 1; n <= pages; ++n)
        data += QStringLiteral("<Page ID=\"%1\" DesignName=\"Page1\">\r\n"
                               "<Data Status=\"Label\" DesignName=\"Label3\" Caption=\"No. %1\"/>\r\n"
                               "</Page>\r\n")
                    .arg(n)
                    .toLatin1();
    data += "</Document>\r\n";
    const QString path = folder + QStringLiteral("/invoice.edd");
    testsupport::writeAll(path, data);
    return path;
}

QString pageText(const QString &pdf, int page)
{
    const QString n = QString::number(page);
    return QString::fromUtf8(runProgram("pdftotext", {"-f", n, "-l", n, pdf, "-"}).out).simplified();
}
} // namespace

// Pages drawn on several threads come out in order, in a file whose bytes do not depend on how
// many threads drew them and shows what the one-piece export of the same report shows.
TEST(CliExportJobs, AnyNumberOfThreadsWritesTheSameFile)
{
    if (!testsupport::haveTool("pdftotext") || !testsupport::haveTool("qpdf"))
        GTEST_SKIP() << "poppler-utils and qpdf are needed";
    const QString design = QStringLiteral(TESSALY_SOURCE_DIR "/examples/invoice.edt");
    QTemporaryDir dir;
    constexpr int kPages = 560;
    const QString data = invoiceData(dir.path(), kPages);
    const QStringList env{"SOURCE_DATE_EPOCH=0"};
    QByteArray first;
    for (const char *jobs : {"1", "2", "3"}) {
        const QString pdf = dir.filePath(QStringLiteral("jobs%1.pdf").arg(jobs));
        const testsupport::Run r =
            runCli({"export", design, "--data", data, "--format", "pdf", "-o", pdf, "--jobs", jobs}, env);
        ASSERT_EQ(r.exitCode, 0) << jobs << r.err.toStdString();
        const QByteArray bytes = readAll(pdf);
        if (first.isEmpty())
            first = bytes;
        else
            EXPECT_TRUE(bytes == first) << "--jobs " << jobs << " wrote other bytes than --jobs 1";
    }
    // The joined file's dates come from SOURCE_DATE_EPOCH too, though they lie far past its start.
    EXPECT_TRUE(first.contains("/CreationDate (D:19700101000000Z)"));
    const QString joined = dir.filePath("jobs3.pdf");
    EXPECT_EQ(runProgram("qpdf", {"--check", joined}).exitCode, 0);

    // The same report made first, read back and exported.
    const QString report = dir.filePath("invoice.edr");
    ASSERT_EQ(runCli({"generate", design, data, "-o", report}).exitCode, 0);
    const QString whole = dir.filePath("whole.pdf");
    ASSERT_EQ(runCli({"export", report, "--format", "pdf", "-o", whole, "--jobs", "2"}, env).exitCode, 0);
    EXPECT_TRUE(readAll(whole) == first) << "the report file's PDF differs from the data's";
    const QString pages = QString::fromUtf8(runProgram("pdfinfo", {joined}).out);
    EXPECT_TRUE(pages.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(kPages))))
        << pages.toStdString();
    for (int page : {1, 250, 251, 501, kPages}) {
        const QString text = pageText(joined, page);
        EXPECT_TRUE(text.contains(QStringLiteral("No. %1 ").arg(page))) << page << text.toStdString();
    }
    // The parts' resources are written once, their empty annotation lists not at all.
    const QString plain = dir.filePath("plain.pdf");
    ASSERT_EQ(runProgram("qpdf", {"--qdf", "--object-streams=disable", joined, plain}).exitCode, 0);
    const QByteArray objects = readAll(plain);
    EXPECT_LT(objects.count("/ExtGState"), 10); // about one per part, not one per page
    EXPECT_EQ(objects.count("/Annots"), 0);

    const testsupport::Run bad = runCli(
        {"export", design, "--data", data, "--format", "pdf", "-o", dir.filePath("x.pdf"), "--jobs", "0"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains("--jobs")) << bad.err.constData();
}
