// Printing: page lists, the printer set-up's fields, and real jobs on a CUPS queue that writes
// PDF files (scripts/start-test-printer), read back with poppler and zbar.
#include "files/design_file.h"
#include "model/v_doc.h"
#include "model/v_page.h"
#include "print/dev_mode.h"
#include "print/page_list.h"
#include "print/print_job.h"
#include "test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using testsupport::runCli;
using testsupport::runProgram;

TEST(PageList, RangesOrderDuplicatesAndBrokenItems)
{
    const struct {
        const char *text;
        std::vector<int> pages; // indexes of a 10-page document
        const char *error;
    } cases[] = {
        {"1,3,5-12", {0, 2, 4, 5, 6, 7, 8, 9}, ""},
        {"5-3", {}, ""},
        {"2,2", {1}, ""},
        {"9,1", {0, 8}, ""},
        {"", {}, ""},
        {"3-", {}, "'' is not a valid integer value"},
        {"1,x", {}, "'x' is not a valid integer value"},
    };
    for (const auto &c : cases) {
        const PageList list = ParsePageList(QString::fromLatin1(c.text));
        EXPECT_EQ(list.error, QString::fromLatin1(c.error)) << c.text;
        EXPECT_EQ(PagesInList(list, 10), c.pages) << c.text;
    }
    // Only the first 20 items count, and the list says which it dropped.
    QStringList many;
    for (int i = 1; i <= 25; ++i)
        many << QString::number(i);
    const PageList twenty = ParsePageList(many.join(','));
    EXPECT_EQ(PagesInList(twenty, 30).size(), 20u);
    EXPECT_EQ(twenty.dropped, (QStringList{"21", "22", "23", "24", "25"}));
    // A number is all of its text, however long: no cut after 255 characters.
    const PageList garbage = ParsePageList("3-5" + QString(300, ' ') + "x");
    EXPECT_FALSE(garbage.error.isEmpty());
    EXPECT_TRUE(garbage.ranges.empty());
    EXPECT_FALSE(ParsePageList("3-5x").error.isEmpty());
    EXPECT_EQ(PagesInList(ParsePageList("3-" + QString(300, '0') + "5"), 10), (std::vector<int>{2, 3, 4}));
    // Items naming pages the document lacks, or none.
    EXPECT_EQ(ItemsBeyond(ParsePageList("1,12,5-11,5-3,4-6"), 10), (QStringList{"12", "5-11", "5-3"}));
    EXPECT_TRUE(ItemsBeyond(ParsePageList("1,10"), 10).isEmpty());
}

// Whether or not there is a printer, the command line refuses before printing: what it refuses is said, and
// nothing printed means exit code 1.
TEST(PrintCommand, RefusedListsSayWhyAndFail)
{
    const QString label = TESSALY_SOURCE_DIR "/examples/label.ebt";
    QStringList many;
    for (int i = 1; i <= 21; ++i)
        many << QString::number(i);
    const struct {
        QString pages;
        const char *says;
    } cases[] = {
        {many.join(','), "would be left out: 21"},
        {"3-5x", "'5x' is not a valid integer value"},
        {"1,,2", "'' is not a valid integer value"},
        {"5-3,9", "names no page of the document"},
    };
    for (const auto &c : cases) {
        const auto run = runCli({"print", label, "--pages", c.pages});
        EXPECT_NE(run.exitCode, 0) << c.pages.toStdString();
        EXPECT_TRUE(run.err.contains(c.says)) << run.err.toStdString();
    }
}

TEST(DevModeTest, FieldsFollowTheSettingsAndReachQt)
{
    VSetPage s;
    s.Print.Copies = 3;
    s.Print.Quality = 4;
    DevMode m = MakeDevMode(s, 9);
    EXPECT_EQ(m.fields, uint32_t(DevMode::DM_ORIENTATION | DevMode::DM_COPIES | DevMode::DM_PRINTQUALITY));
    EXPECT_EQ(m.copies, 3);
    EXPECT_EQ(m.printQuality, -4);

    // A user paper of A4's size in landscape: width and length in tenths of a millimetre, swapped.
    s = VSetPage{};
    s.PaperSize = 256;
    s.Orientation = 2;
    s.Print.Colour = 1;
    m = MakeDevMode(s, 9);
    EXPECT_TRUE(m.has(DevMode::DM_PAPERSIZE) && m.has(DevMode::DM_PAPERWIDTH) && m.has(DevMode::DM_PAPERLENGTH));
    EXPECT_EQ(m.paperSize, 256);
    EXPECT_EQ(m.paperWidth, 2970);
    EXPECT_EQ(m.paperLength, 2100);
    EXPECT_EQ(m.orientation, 2);
    EXPECT_EQ(m.color, 1);
    s.PaperSize = 0; // the other marker of a user paper
    EXPECT_EQ(MakeDevMode(s, 9).paperSize, 256);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    ApplyDevMode(m, printer);
    EXPECT_EQ(printer.pageLayout().fullRect(QPageLayout::Millimeter).size().toSize(), QSize(297, 210));
    EXPECT_EQ(printer.colorMode(), QPrinter::GrayScale);
    s = VSetPage{};
    s.PaperSize = 11; // A5, the printer has A4
    s.Print.Copies = 2;
    s.Print.Quality = 1;
    ApplyDevMode(MakeDevMode(s, 9), printer);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A5);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(printer.copyCount(), 2);
    EXPECT_EQ(printer.resolution(), 150);

    EXPECT_EQ(PrintJobName("Invoice"), "Tessaly, Page: Invoice");
    EXPECT_EQ(PrintJobName(QString(100, QChar(0x00E7))).toUtf8().size(), 79); // whole characters
    VPage named, unnamed;
    named.Settings().Name = "Invoice";
    unnamed.Settings().Name = " ";
    EXPECT_EQ(PrintJobTitle(named, 2), "Tessaly, Page: Invoice");
    EXPECT_EQ(PrintJobTitle(unnamed, 3), "Tessaly, Page: 3");
}

namespace
{
// The PDF files the test queue wrote for the jobs after those already there, in job order.
class PrinterOutput
{
public:
    PrinterOutput() : m_dir(qEnvironmentVariable("TESSALY_TEST_PRINTER_OUT")) { m_seen = jobs(); }
    QStringList waitFor(int count)
    {
        QElapsedTimer t;
        t.start();
        QStringList fresh;
        while (t.elapsed() < 60000) {
            fresh = jobs();
            for (const QString &f : m_seen)
                fresh.removeAll(f);
            if (fresh.size() >= count) break;
            QThread::msleep(200);
        }
        QThread::msleep(300); // the last file is complete
        m_seen += fresh;
        return fresh;
    }

private:
    QStringList jobs() const
    {
        QStringList files = QDir(m_dir).entryList({"*.pdf"}, QDir::Files);
        static const QRegularExpression id("job_(\\d+)\\.pdf$");
        std::sort(files.begin(), files.end(), [](const QString &a, const QString &b) {
            return id.match(a).captured(1).toInt() < id.match(b).captured(1).toInt();
        });
        for (QString &f : files)
            f = m_dir + '/' + f;
        return files;
    }
    QString m_dir;
    QStringList m_seen;
};

QImage pdfPage(const QString &pdf, const QString &stem, int dpi)
{
    runProgram("pdftoppm", {"-r", QString::number(dpi), "-f", "1", "-l", "1", "-png", "-singlefile", pdf, stem});
    return QImage(stem + ".png");
}
} // namespace

// One test: the queue's jobs are told apart by their order.
TEST(RealPrinter, PagesPaperCopiesColourAndWhatIsPreviewed)
{
    const QString printer = qEnvironmentVariable("TESSALY_TEST_PRINTER");
    if (printer.isEmpty() || !testsupport::haveTool("pdftoppm"))
        GTEST_SKIP() << "no test printer (scripts/run-tests starts one)";
    QTemporaryDir dir;
    PrinterOutput output;
    const QString invoice = TESSALY_SOURCE_DIR "/examples/invoice.edt";

    // A ten-page report, "1,3,5-12": pages 1, 3 and 5 to 10, in order, a job each.
    QByteArray data = "<Document DataType=\"1\">\r\n";
    for (int n = 1; n <= 10; ++n)
        data += QStringLiteral("<Page DesignName=\"Page1\">\r\n<Data Status=\"Label\" DesignName=\"Label3\" "
                               "Caption=\"%1\"/>\r\n</Page>\r\n")
                    .arg(QString(n, QLatin1Char('W'))) // pages told apart by the caption's length
                    .toUtf8();
    data += "</Document>\r\n";
    const QString dataPath = dir.filePath("ten.edd");
    testsupport::writeAll(dataPath, data);
    auto run = runCli({"print", invoice, "--data", dataPath, "--printer", printer, "--pages", "1,3,5-12"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList jobs = output.waitFor(8);
    ASSERT_EQ(jobs.size(), 8);
    // Each job is told by its caption: the printed page is nearest to the page it should be,
    // compared where the rendered pages differ.
    auto run2 = runCli({"render", invoice, "--data", dataPath, "--page", "all", "--dpi", "100", "-o",
                        dir.filePath("shown.png")});
    ASSERT_EQ(run2.exitCode, 0) << run2.err.toStdString();
    std::vector<QImage> shown;
    for (int n = 1; n <= 10; ++n)
        shown.push_back(QImage(dir.filePath(QStringLiteral("shown(%1).png").arg(n))).convertToFormat(QImage::Format_Grayscale8));
    const QSize common = shown[0].size();
    std::vector<QPoint> differing;
    for (int y = 0; y < common.height(); ++y)
        for (int x = 0; x < common.width(); ++x)
            for (const QImage &other : shown)
                if (std::abs(qGray(other.pixel(x, y)) - qGray(shown[0].pixel(x, y))) > 64) {
                    differing.push_back({x, y});
                    break;
                }
    ASSERT_GT(differing.size(), 50u);
    const int expected[] = {1, 3, 5, 6, 7, 8, 9, 10};
    std::vector<QImage> printed;
    for (int i = 0; i < 8; ++i) {
        printed.push_back(pdfPage(jobs[i], dir.filePath(QStringLiteral("printed%1").arg(i)), 100)
                              .convertToFormat(QImage::Format_Grayscale8));
        ASSERT_FALSE(printed[i].isNull());
        int nearest = 0;
        qint64 best = -1;
        for (int n = 0; n < 10; ++n) {
            qint64 d = 0;
            for (const QPoint &p : differing)
                if (printed[i].valid(p)) d += std::abs(qGray(printed[i].pixel(p)) - qGray(shown[n].pixel(p)));
            if (best < 0 || d < best) best = d, nearest = n + 1;
        }
        EXPECT_EQ(nearest, expected[i]) << "job " << i;
    }

    // What is printed is what is previewed: the whole page as the renderer draws it.
    const QSize both = common.boundedTo(printed[0].size());
    ASSERT_GE(both.width(), 820);
    qint64 sum = 0, far = 0;
    for (int y = 0; y < both.height(); y += 2)
        for (int x = 0; x < both.width(); x += 2) {
            const int d = std::abs(qGray(printed[0].pixel(x, y)) - qGray(shown[0].pixel(x, y)));
            sum += d;
            far += d > 96;
        }
    const double pixels = double(both.width() / 2) * (both.height() / 2);
    EXPECT_LT(sum / pixels, 3.0) << "mean difference in grey levels";
    EXPECT_LT(far / pixels, 0.01) << "share of pixels far apart";

    // Landscape user paper, two copies, black and white: the page size, the copies and no colour.
    VDoc doc;
    ASSERT_TRUE(ReadDesignFile(doc, invoice));
    for (VSetPage *paper : {&doc.Settings(), &doc.PageAt(0)->Settings()}) {
        paper->PaperSize = 256;
        paper->Width = 150;
        paper->Height = 250;
        paper->Orientation = 2;
    }
    const QString wide = dir.filePath("wide.edt");
    ASSERT_TRUE(WriteDesignFile(doc, wide));
    run = runCli({"print", wide, "--printer", printer, "--copies", "2", "--bw"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList wideJob = output.waitFor(1);
    ASSERT_EQ(wideJob.size(), 1);
    const QString info = QString::fromUtf8(runProgram("pdfinfo", {wideJob[0]}).out);
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\b"))) << info.toStdString();
    const QRegularExpressionMatch size = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(info);
    ASSERT_TRUE(size.hasMatch());
    EXPECT_NEAR(size.captured(1).toDouble(), 250 / 25.4 * 72, 2);
    EXPECT_NEAR(size.captured(2).toDouble(), 150 / 25.4 * 72, 2);
    const QImage grey = pdfPage(wideJob[0], dir.filePath("grey"), 50);
    ASSERT_FALSE(grey.isNull());
    int coloured = 0;
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x)
            coloured += QColor(grey.pixel(x, y)).hsvSaturation() > 40;
    EXPECT_EQ(coloured, 0);

    // Barcodes on a printed label scan.
    run = runCli({"print", TESSALY_SOURCE_DIR "/examples/label.ebt", "--printer", printer, "--quality", "4"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList labelJob = output.waitFor(1);
    ASSERT_EQ(labelJob.size(), 1);
    pdfPage(labelJob[0], dir.filePath("label"), 300);
    if (testsupport::haveTool("zbarimg")) {
        const QString codes = QString::fromUtf8(runProgram("zbarimg", {"-q", dir.filePath("label.png")}).out);
        EXPECT_TRUE(codes.contains("EAN-13:4006381333931")) << codes.toStdString();
        EXPECT_TRUE(codes.contains("QR-Code:")) << codes.toStdString();
    }
}

TEST(RealPrinter, WithoutPrintersNothingPrints)
{
    // A print server that answers nothing: no printers, and printing says so.
    const QStringList nowhere = {"CUPS_SERVER=127.0.0.1:9"};
    const auto printers = runCli({"printers"}, nowhere);
    EXPECT_EQ(printers.exitCode, 1);
    EXPECT_EQ(printers.err.trimmed(), "no printers in system");
    const auto print = runCli({"print", TESSALY_SOURCE_DIR "/examples/label.ebt"}, nowhere);
    EXPECT_EQ(print.exitCode, 1);
    EXPECT_TRUE(print.err.contains("Printer not exists")) << print.err.toStdString();
}
