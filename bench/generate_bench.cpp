// Report generation in memory:
//   BM_GenerateReport   a 10,000-page invoice report from a type 1 data file: pages/s and the
//                       memory each report page holds (growth of the resident set per page)
//   BM_GenerateBigPage  one page of 100,000 labels, each filled by name
#include "bench_data.h"
#include "files/design_file.h"
#include "model/v_doc.h"
#include "report/report_generation.h"
#include "report/report_sink.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <unistd.h>

namespace
{
using namespace benchdata;

constexpr int kReportPages = 10000;
constexpr int kBigPageLabels = 100000;

double residentMb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

void BM_GenerateReport(benchmark::State &state)
{
    QTemporaryDir dir;
    VDoc design;
    ReadDesignFile(design, example("invoice.edt"));
    writeData(dir.filePath("report.edd"), invoicePage, kReportPages);
    ReportSink keep;
    for (auto _ : state) {
        VDoc report;
        const double before = residentMb();
        if (!ReadDataFile(dir.filePath("report.edd"), design, report, &keep) ||
            report.PageCount() != kReportPages)
            state.SkipWithError("generation failed");
        state.counters["KB/page"] = (residentMb() - before) * 1024.0 / kReportPages;
    }
    state.SetItemsProcessed(state.iterations() * kReportPages);
}

void BM_GenerateBigPage(benchmark::State &state)
{
    QTemporaryDir dir;
    VDoc design;
    VGrfElement &root = design.AddPage()->Root();
    for (int i = 0; i < kBigPageLabels; ++i) {
        auto label = std::make_unique<VGrfElement>(ElementKind::Label);
        label->SetName(QStringLiteral("L%1").arg(i));
        label->SetNum(i + 1);
        label->SetValueType(vtVariable);
        root.InsertChild(std::move(label));
    }
    QStringList lines{QStringLiteral("<?xml version=\"1.0\"?>"), QStringLiteral("<Document DataType=\"1\">"),
                      QStringLiteral("<Page DesignName=\"Page1\">")};
    for (int i = 0; i < kBigPageLabels; ++i)
        lines << QStringLiteral("<Data Status=\"Label\" DesignName=\"L%1\" Caption=\"value %1\"/>")
                     .arg(kBigPageLabels - 1 - i);
    lines << QStringLiteral("</Page>") << QStringLiteral("</Document>");
    WriteDataLines(lines, dir.filePath("big.edd"));
    ReportSink keep;
    for (auto _ : state) {
        VDoc report;
        if (!ReadDataFile(dir.filePath("big.edd"), design, report, &keep) ||
            report.PageAt(0)->Root().Child(0)->Caption() != QLatin1String("value 0"))
            state.SkipWithError("generation failed");
    }
    state.SetItemsProcessed(state.iterations() * kBigPageLabels);
}

BENCHMARK(BM_GenerateReport)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_GenerateBigPage)->Unit(benchmark::kMillisecond)->Iterations(3);
} // namespace
