// PDF export of a 100-page report made of the example invoice: pages per second and bytes per page.
#include "export/pdf_export.h"
#include "files/design_file.h"
#include "model/v_doc.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace
{

constexpr int kPages = 100;

bool buildReport(VDoc &report)
{
    VDoc design;
    if (!ReadDesignFile(design, QStringLiteral(TESSALY_SOURCE_DIR "/examples/invoice.edt")) ||
        design.IsEmpty())
        return false;
    for (int i = 0; i < kPages; ++i)
        CopyPageContent(*design.FirstPage(), *report.AddPage());
    return true;
}

void BM_ExportInvoicePdf(benchmark::State &state)
{
    VDoc report;
    if (!buildReport(report)) {
        state.SkipWithError("examples/invoice.edt could not be read");
        return;
    }
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("invoice.pdf"));
    qint64 bytes = 0;
    for (auto _ : state) {
        const PdfExportResult r = ExportReportPdf(report, pdf, 1252, QStringLiteral("Tessaly"));
        if (!r) {
            state.SkipWithError(r.message.toUtf8().constData());
            return;
        }
        bytes = QFileInfo(pdf).size();
    }
    state.counters["pages/s"] =
        benchmark::Counter(double(kPages) * state.iterations(), benchmark::Counter::kIsRate);
    state.counters["bytes/page"] = double(bytes) / kPages;
}
BENCHMARK(BM_ExportInvoicePdf)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

} // namespace
