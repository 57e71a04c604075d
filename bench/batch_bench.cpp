// What batch users run, timed as they run it: tessaly-cli in a process of its own, so that its
// peak memory (the child's maximum resident set) and the files it writes are measured too.
//   BM_LabelPdf/N      N barcode label pages to one PDF: pages/s, peak MB, bytes per page
//   BM_OnePdf/K/N/J    N pages (K 0 invoices, 1 labels) as one PDF drawn by J threads (0: one
//                      per core)
//   BM_ConvertFile/K/N the same N pages as a convert file of N one-page documents
//   BM_FlatMemory/W/N  N pages generated and written (W 0 report file, 1 label PDF, 2 invoice
//                      PDF): peak MB
#include "bench_data.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

namespace
{
using namespace benchdata;

struct ChildRun {
    bool ok = false;
    double seconds = 0;
    double peakMb = 0;
};

ChildRun runCli(const QStringList &args)
{
    QList<QByteArray> bytes{QByteArray(TESSALY_CLI)};
    for (const QString &a : args)
        bytes << a.toLocal8Bit();
    std::vector<char *> argv;
    for (QByteArray &b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    ChildRun run;
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return run;
    int status = 0;
    struct rusage usage {
    };
    if (wait4(pid, &status, 0, &usage) != pid) return run;
    run.seconds = timer.nsecsElapsed() / 1e9;
    run.peakMb = usage.ru_maxrss / 1024.0;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

qint64 folderBytes(const QString &folder)
{
    qint64 total = 0;
    for (const QFileInfo &f : QDir(folder).entryInfoList(QDir::Files))
        total += f.size();
    return total;
}

void report(benchmark::State &state, const ChildRun &run, int pages, qint64 bytes)
{
    if (!run.ok) state.SkipWithError("tessaly-cli failed");
    state.SetIterationTime(run.seconds);
    state.counters["pages/s"] = pages / run.seconds;
    state.counters["peak_MB"] = run.peakMb;
    if (bytes > 0) state.counters["bytes/page"] = double(bytes) / pages;
}

const char *design(int kind)
{
    return kind == 0 ? "invoice.edt" : "label.ebt";
}

PageLines pageOf(int kind)
{
    return kind == 0 ? invoicePage : labelPage;
}

void BM_LabelPdf(benchmark::State &state)
{
    const int pages = int(state.range(0));
    QTemporaryDir dir;
    writeData(dir.filePath("labels.ebd"), labelPage, pages);
    for (auto _ : state) {
        const QString pdf = dir.filePath("labels.pdf");
        const ChildRun run = runCli({"export", example("label.ebt"), "--data", dir.filePath("labels.ebd"),
                                     "--format", "pdf", "-o", pdf});
        report(state, run, pages, QFileInfo(pdf).size());
    }
}

void BM_OnePdf(benchmark::State &state)
{
    const int kind = int(state.range(0)), pages = int(state.range(1)), jobs = int(state.range(2));
    QTemporaryDir dir;
    writeData(dir.filePath("data.edd"), pageOf(kind), pages);
    for (auto _ : state) {
        const QString pdf = dir.filePath("one.pdf");
        QStringList args{
            "export", example(design(kind)), "--data", dir.filePath("data.edd"), "--format", "pdf", "-o",
            pdf};
        if (jobs > 0) args << "--jobs" << QString::number(jobs);
        const ChildRun run = runCli(args);
        report(state, run, pages, QFileInfo(pdf).size());
    }
}

void BM_ConvertFile(benchmark::State &state)
{
    const int kind = int(state.range(0)), documents = int(state.range(1));
    QTemporaryDir dir;
    writeData(dir.filePath("convert.edd"), pageOf(kind), documents, QStringLiteral("pdf"));
    int run = 0;
    for (auto _ : state) {
        // A folder of its own each time: deleting the last run's files first would time the file
        // system reusing their inodes, not the program (ext4 without a journal scans past
        // recently deleted ones on every create).
        const QString out = dir.filePath(QStringLiteral("run%1").arg(run++));
        QDir().mkpath(out);
        const ChildRun child =
            runCli({"generate", example(design(kind)), dir.filePath("convert.edd"), "--outdir", out});
        report(state, child, documents, folderBytes(out + QStringLiteral("/pdf")));
    }
}

// Report files get invoice pages; PDFs get labels or invoices.
void BM_FlatMemory(benchmark::State &state)
{
    const int what = int(state.range(0));
    const bool pdf = what > 0;
    const int pages = int(state.range(1));
    QTemporaryDir dir;
    writeData(dir.filePath("data.edd"), what == 1 ? labelPage : invoicePage, pages);
    for (auto _ : state) {
        const QString out = dir.filePath(pdf ? "out.pdf" : "out.edr");
        const QStringList args =
            pdf ? QStringList{"export",   example(what == 1 ? "label.ebt" : "invoice.edt"),
                              "--data",   dir.filePath("data.edd"),
                              "--format", "pdf",
                              "-o",       out}
                : QStringList{"generate", example("invoice.edt"), dir.filePath("data.edd"), "-o", out};
        const ChildRun run = runCli(args);
        report(state, run, pages, QFileInfo(out).size());
    }
}

BENCHMARK(BM_LabelPdf)->Arg(1000)->Arg(10000)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_OnePdf)
    ->Args({0, 200, 0})
    ->Args({1, 200, 0})
    ->Args({1, 1000, 0})
    ->Args({0, 1000, 1})
    ->Args({0, 1000, 0})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK(BM_ConvertFile)
    ->Args({0, 200})
    ->Args({1, 200})
    ->Args({1, 1000})
    ->Args({0, 1000})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK(BM_FlatMemory)
    ->Args({0, 1000})
    ->Args({0, 100000})
    ->Args({1, 1000})
    ->Args({1, 100000})
    ->Args({2, 1000})
    ->Args({2, 100000})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
} // namespace
