// Report generation from data files: a 10,000-page report from a type 1 data file, and a convert
// file of 1,000 documents each written as a PDF. Reports pages (or documents) per second; run one
// benchmark at a time under /usr/bin/time -v for the peak memory.
#include "files/data_file.h"
#include "files/design_file.h"
#include "model/code_page.h"
#include "model/v_doc.h"
#include "report/convert_pdf_sink.h"
#include "report/report_generation.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace
{
constexpr int kReportPages = 10000;
constexpr int kConvertDocuments = 1000;

QString example(const char *name)
{
    return QStringLiteral(TESSALY_SOURCE_DIR "/examples/") + QLatin1String(name);
}

// One filled invoice page, as the accounting system writes it.
QStringList invoicePage(int n)
{
    QStringList lines{
        QStringLiteral("    <Page ID=\"%1\" DesignName=\"Page1\">").arg(n),
        QStringLiteral("        <Data Status=\"Label\" DesignName=\"Label3\" Caption=\"No. %1\"/>").arg(n),
        QStringLiteral("        <Data Status=\"Label\" DesignName=\"Label4\" Caption=\"5 December 2026\"/>"),
        QStringLiteral("        <Data Status=\"Group\" DesignName=\"Group1\">"),
        QStringLiteral("            <f1=\"Customer %1\"/>").arg(n),
        QStringLiteral("            <f2=\"Street %1\"/>").arg(n % 200),
        QStringLiteral("            <f3=\"%1 City\"/>").arg(10000 + n % 90000),
        QStringLiteral("            <f4=\"VAT DE%1\"/>").arg(100000000 + n),
        QStringLiteral("        </Data>"),
        QStringLiteral("        <Data Status=\"Group\" DesignName=\"Group3\">")};
    for (int item = 0; item < 4; ++item) {
        lines << QStringLiteral("            <f%1=\"Article %2\"/>").arg(item * 4 + 1).arg(n * 4 + item)
              << QStringLiteral("            <f%1=\"%2\"/>").arg(item * 4 + 2).arg(1 + item)
              << QStringLiteral("            <f%1=\"12.50\"/>").arg(item * 4 + 3)
              << QStringLiteral("            <f%1=\"%2.50\"/>").arg(item * 4 + 4).arg(12 * (1 + item));
    }
    lines << QStringLiteral("        </Data>")
          << QStringLiteral("        <Data Status=\"Label\" DesignName=\"Label6\" Caption=\"125.00\"/>")
          << QStringLiteral("    </Page>");
    return lines;
}

struct Fixture {
    QTemporaryDir dir;
    VDoc design;
    QString reportData = dir.filePath("report.edd");
    QString convertData = dir.filePath("convert.edd");

    Fixture()
    {
        ReadDesignFile(design, example("invoice.edt"));
        // Written page by page, so that building the input adds nothing to the peak memory.
        QFile report(reportData);
        report.open(QIODevice::WriteOnly);
        report.write(encode({QStringLiteral("<?xml version=\"1.0\"?>"),
                             QStringLiteral("<Document DesignFile=\"invoice.edt\" DataType=\"1\">")}));
        for (int n = 1; n <= kReportPages; ++n)
            report.write(encode(invoicePage(n)));
        report.write(encode({QStringLiteral("</Document>")}));

        QFile convert(convertData);
        convert.open(QIODevice::WriteOnly);
        convert.write(encode({QStringLiteral("<?xml version=\"1.0\"?>")}));
        for (int n = 1; n <= kConvertDocuments; ++n) {
            QStringList lines{QStringLiteral("<ConvertFile ConvertFileName=\"%1\">")
                                  .arg(dir.filePath("pdf/doc%1.pdf").arg(n)),
                              QStringLiteral("<Document DesignFile=\"invoice.edt\" DataType=\"1\">")};
            lines += invoicePage(n);
            lines << QStringLiteral("</Document>") << QStringLiteral("</ConvertFile>");
            convert.write(encode(lines));
        }
    }

    static QByteArray encode(const QStringList &lines) { return EncodeDataLines(lines, InterfaceCodePage()); }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

void BM_GenerateReport(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        VDoc report;
        if (!ReadDataFile(f.reportData, f.design, report) || report.PageCount() != kReportPages)
            state.SkipWithError("generation failed");
        benchmark::DoNotOptimize(report.PageCount());
    }
    state.SetItemsProcessed(state.iterations() * kReportPages);
    state.counters["pages"] = kReportPages;
}

void BM_ConvertFile(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        VDoc report;
        ConvertPdfSink pdfs(f.design, ConvertPdfSink::Options());
        const bool ok = ReadDataFile(f.convertData, f.design, report, &pdfs);
        if (!pdfs.Finish() || !ok || pdfs.Written() != kConvertDocuments)
            state.SkipWithError("convert file failed");
    }
    state.SetItemsProcessed(state.iterations() * kConvertDocuments);
    state.counters["documents"] = kConvertDocuments;
}

BENCHMARK(BM_GenerateReport)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ConvertFile)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace
