#include "model/code_page.h"
#include "report/convert_pdf_sink.h"
#include "report/data_type_state.h"
#include "report/report_generation.h"

#include "report/design_builder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace testdesign;
using testsupport::haveTool;
using testsupport::runProgram;

namespace
{
class ConvertPdf : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!haveTool("pdfinfo") || !haveTool("pdftotext")) GTEST_SKIP() << "poppler-utils missing";
        ResetCurrentDataType();
        for (int i = 0; i < 2; ++i) {
            VGrfElement *l = AddElement(design.AddPage()->Root(), ElementKind::Label, QRect(20, 20, 500, 40));
            l->SetValueType(vtVariable);
            l->Font().SetFontName(QStringLiteral("Arial"));
        }
    }
    void TearDown() override { SetInterfaceCodePage(savedCodePage); }

    QString text(const QString &pdf) { return QString::fromUtf8(runProgram("pdftotext", {pdf, "-"}).out); }
    int pages(const QString &pdf)
    {
        const QByteArray info = runProgram("pdfinfo", {pdf}).out;
        const qsizetype at = info.indexOf("Pages:");
        return at < 0 ? -1 : info.mid(at + 6, info.indexOf('\n', at) - at - 6).trimmed().toInt();
    }

    QTemporaryDir dir;
    VDoc design;
    VDoc report;
    const int savedCodePage = InterfaceCodePage();
};

QByteArray document(const QList<QPair<QString, QString>> &pages)
{
    QString text = "<Document DataType=\"1\">\r\n";
    for (const auto &[page, value] : pages)
        text += "<Page DesignName=\"" + page +
                "\">\r\n<Data Status=\"Label\" DesignName=\"Label1\" Caption=\"" + value +
                "\"/>\r\n</Page>\r\n";
    return (text + "</Document>\r\n").toLatin1();
}
} // namespace

TEST_F(ConvertPdf, twoDocumentsTwoFiles)
{
    const QString data = dir.filePath("c.edd");
    testsupport::writeAll(data, "<ConvertFile ConvertFileName=\"" + dir.filePath("out/one.pdf").toUtf8() +
                                    "\">\r\n" + document({{"Page1", "Alpha page"}, {"Page2", "Beta page"}}) +
                                    "</ConvertFile>\r\n<ConvertFile ConvertFileName=\"" +
                                    dir.filePath("out/two.pdf").toUtf8() + "\">\r\n" +
                                    document({{"Page1", "Gamma page"}}) + "</ConvertFile>\r\n");
    QString reason;
    ASSERT_TRUE(ReadDataFile(data, design, report, &reason)) << reason.toStdString();
    EXPECT_EQ(pages(dir.filePath("out/one.pdf")), 2);
    EXPECT_EQ(pages(dir.filePath("out/two.pdf")), 1);
    const QString one = text(dir.filePath("out/one.pdf"));
    const QString two = text(dir.filePath("out/two.pdf"));
    EXPECT_TRUE(one.contains("Alpha page") && one.contains("Beta page")) << one.toStdString();
    EXPECT_TRUE(two.contains("Gamma page")) << two.toStdString();
    EXPECT_FALSE(two.contains("Alpha") || two.contains("Beta")) << two.toStdString();
}

TEST_F(ConvertPdf, cyrillicDataInCodePage1251ReachesThePdf)
{
    SetInterfaceCodePage(1251);
    const QString value = QStringLiteral("Счёт-фактура № 17, Москва");
    const QString data = dir.filePath("ru.edd");
    testsupport::writeAll(data, "<ConvertFile ConvertFileName=\"" + dir.filePath("ru.pdf").toUtf8() +
                                    "\">\r\n" +
                                    EncodeAnsi("<Document DataType=\"1\">\r\n<Page DesignName=\"Page1\">\r\n"
                                               "<Data Status=\"Label\" DesignName=\"Label1\" Caption=\"" +
                                                   value + "\"/>\r\n</Page>\r\n</Document>\r\n",
                                               1251));
    ASSERT_TRUE(ReadDataFile(data, design, report));
    const QString pdfText = text(dir.filePath("ru.pdf"));
    EXPECT_TRUE(pdfText.contains(value)) << pdfText.toStdString();
}

TEST_F(ConvertPdf, commandLine)
{
    // the example convert file, relative names resolved against the working directory
    QTemporaryDir work;
    const QString examples = QStringLiteral(TESSALY_SOURCE_DIR "/examples/");
    QProcess p;
    p.setWorkingDirectory(work.path());
    p.start(QStringLiteral(TESSALY_CLI), {"generate", examples + "invoice.edt", examples + "convert.edd"});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QString first = work.filePath("out/pdf/invoice-2026-0417.pdf");
    const QString second = work.filePath("out/pdf/invoice-2026-0418.pdf");
    EXPECT_EQ(pages(first), 1);
    EXPECT_EQ(pages(second), 1);
    EXPECT_TRUE(text(first).contains(QStringLiteral("Müller & Söhne GmbH")));
    EXPECT_TRUE(text(second).contains(QStringLiteral("Café Lumière SARL")));
    EXPECT_FALSE(text(second).contains(QStringLiteral("Müller")));
}

// Documents are written side by side, yet the files and the messages come as the data file
// orders them: a later document into the same file wins, and no output replaces an input.
TEST_F(ConvertPdf, parallelDocumentsKeepTheirOrder)
{
    const QString data = dir.filePath("batch.edd");
    QByteArray bytes = "<?xml version=\"1.0\"?>\r\n";
    for (int i = 0; i < 12; ++i) {
        const QString out = i == 5 ? dir.filePath("same.pdf") : i == 9 ? data : dir.filePath(QStringLiteral("d%1.pdf").arg(i));
        bytes += ("<ConvertFile ConvertFileName=\"" + (i == 7 ? dir.filePath("same.pdf") : out) + "\">\r\n").toUtf8();
        bytes += document({{"Page1", QStringLiteral("doc%1").arg(i)}});
    }
    testsupport::writeAll(data, bytes);
    ConvertPdfSink::Options options;
    options.threads = 2;
    options.inputs = {data};
    QStringList messages;
    options.message = [&](const QString &m, bool failed) { messages << (failed ? "!" : "") + QFileInfo(m.section(' ', -1)).fileName(); };
    ConvertPdfSink pdfs(design, options);
    ASSERT_TRUE(ReadDataFile(data, design, report, &pdfs));
    EXPECT_FALSE(pdfs.Finish()); // one document was refused
    EXPECT_EQ(pdfs.Written(), 11);
    ASSERT_EQ(messages.size(), 12);
    EXPECT_EQ(messages[0], "d0.pdf");
    EXPECT_EQ(messages[7], "same.pdf");
    EXPECT_TRUE(messages[9].startsWith("!")) << messages[9].toStdString();
    EXPECT_EQ(messages[11], "d11.pdf");
    EXPECT_TRUE(text(dir.filePath("same.pdf")).contains("doc7"));
    EXPECT_TRUE(text(dir.filePath("d11.pdf")).contains("doc11"));
    EXPECT_EQ(testsupport::readAll(data), bytes);
}
