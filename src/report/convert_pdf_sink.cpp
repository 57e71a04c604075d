#include "report/convert_pdf_sink.h"

#include "report/convert_output.h"

#include "export/pdf_batch.h"
#include "export/pdf_engine.h"
#include "export/pdf_job.h"
#include "files/file_checks.h"
#include "files/source_date.h"
#include "model/code_page.h"
#include "model/v_doc.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QThread>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace
{
// Pages waiting for a document's writer: enough to keep it busy, few enough to keep memory flat.
constexpr size_t kQueuedPages = 4;
// Documents a writer puts into one batch file before cutting it apart: enough to share the cost
// of the fonts and pictures, few enough that results come steadily.
constexpr int kBatchDocuments = 256;
constexpr int kBatchPages = 2048;
// Documents read ahead of the writers, holding their pages, per writer.
constexpr int kReadAhead = 16;

struct Job {
    int number = 0;
    QString path;     // as the data file named it
    QString absolute; // where it goes
    QString refusal;  // why it is not written at all
    std::deque<std::unique_ptr<VPage>> pages;
    bool closed = false;    // every page handed over
    bool abandoned = false; // the document never ended
    bool drawn = false;     // its pages are in a batch or its file: it holds them no more
    bool done = false;
    QString problem; // the data's reason when the document made no pages
    PdfExportResult result;
};
} // namespace

ConvertPdfSink::Options::Options() : codePage(InterfaceCodePage()) {}

struct ConvertPdfSink::Pool {
    Options options;
    QString pdfPath;      // the output named last
    ConvertOutput target; // where it goes, or why it may not
    ConvertFolders folders;
    int threads = 0;
    bool batching = false;
    int written = 0;
    bool failed = false;
    int numbered = 0;
    int ended = 0;    // documents that have ended: the index of the one being read
    int decided = -1; // the document skip is for
    bool skip = false;
    int skipped = 0;    // as already there
    QSet<QString> ours; // outputs of this run, under skipExisting: never taken for old ones

    bool skips()
    {
        if (decided == ended) return skip;
        decided = ended;
        skip = !options.shard.Owns(ended);
        if (!skip && options.skipExisting && !pdfPath.trimmed().isEmpty() && target.refusal.isEmpty() &&
            !ours.contains(target.path) && IsCompletePdf(target.path)) {
            skip = true;
            ++skipped;
        }
        return skip;
    }

    std::mutex mutex;
    // Each side waits on its own: the reader (one thread) for room and results, the writers for
    // documents and pages, the committer for written batches.
    std::condition_variable forReader;
    std::condition_variable forWriters;
    std::condition_variable forCommitter;
    std::deque<std::unique_ptr<Job>> jobs; // in document order, until their message is given
    std::deque<Job *> waiting;             // for a writer
    std::vector<std::thread> workers;
    // Batches drawn and cut apart, for the committer to make their files appear, in turn.
    struct Written {
        std::unique_ptr<PdfBatch> batch;
        std::vector<std::pair<Job *, bool>> run; // job, has a part in the batch
    };
    std::deque<Written> toCommit;
    std::thread committer;
    bool stopping = false;
    Job *current = nullptr;
    int holding = 0;                // documents not done that still hold pages
    QHash<QString, int> unfinished; // documents not done, by the file they go into

    // lock held for these two.
    void drawn(Job &job)
    {
        if (job.drawn) return;
        job.drawn = true;
        --holding;
        forReader.notify_one(); // room for the reader
    }
    void finished(Job &job)
    {
        drawn(job);
        job.done = true;
        if (--unfinished[job.absolute] == 0) unfinished.remove(job.absolute);
        forReader.notify_one();
    }

    // The next page of job, waiting for it when the reader has not handed it over yet; null
    // once the document is complete. lock is held on entry and exit, not while waiting.
    std::unique_ptr<VPage> nextPage(Job &job, std::unique_lock<std::mutex> *lock)
    {
        if (lock) forWriters.wait(*lock, [&] { return !job.pages.empty() || job.closed; });
        if (job.pages.empty()) return nullptr;
        std::unique_ptr<VPage> page = std::move(job.pages.front());
        job.pages.pop_front();
        forReader.notify_one(); // room for the reader
        return page;
    }

    // One document on its own (reproducible output, or on the reading thread): a batch of one
    // where batches work, so that its file is the one a batch would cut out for it.
    void writeAlone(Job &job, std::unique_lock<std::mutex> *lock)
    {
        if (PdfBatch::Works()) {
            PdfBatch batch(options.codePage, options.writePictureFiles);
            const bool part = addToBatch(batch, job, lock);
            if (lock) lock->unlock();
            const std::vector<PdfExportResult> results =
                part ? batch.finish() : std::vector<PdfExportResult>();
            if (lock) lock->lock();
            if (part && !results.empty()) job.result = results.front();
            finished(job);
            return;
        }
        PdfJob pdf(job.absolute, options.codePage, QStringLiteral("Tessaly"), options.writePictureFiles);
        while (std::unique_ptr<VPage> page = nextPage(job, lock)) {
            if (lock) lock->unlock();
            if (job.refusal.isEmpty()) pdf.add(std::move(page));
            page.reset();
            if (lock) lock->lock();
        }
        if (lock) lock->unlock();
        if (job.abandoned)
            pdf.abandon();
        else if (job.refusal.isEmpty())
            job.result = pdf.finish();
        if (lock) lock->lock();
        finished(job);
    }

    // Puts the job's pages into the batch; false when the job has no part in it. lock is held on
    // entry and exit where there is one.
    bool addToBatch(PdfBatch &batch, Job &job, std::unique_lock<std::mutex> *lock)
    {
        bool begun = false;
        while (std::unique_ptr<VPage> page = nextPage(job, lock)) {
            if (lock) lock->unlock();
            if (job.refusal.isEmpty()) {
                // The document begins with its first page's size; each page turns to its own.
                if (!begun) batch.beginDocument(job.absolute, ReportPdfPageSize(*page));
                begun = true;
                batch.addPage(*page);
            }
            page.reset();
            if (lock) lock->lock();
        }
        if (!job.refusal.isEmpty()) return false;
        if (lock) lock->unlock();
        if (!begun) batch.beginDocument(job.absolute, QSize(100, 100)); // no pages: its result says so
        if (job.abandoned) batch.dropDocument();
        if (lock) lock->lock();
        return true;
    }

    void work()
    {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            forWriters.wait(lock, [&] { return stopping || !waiting.empty(); });
            if (waiting.empty()) return;
            if (!batching) {
                Job *job = waiting.front();
                waiting.pop_front();
                writeAlone(*job, &lock);
                continue;
            }
            // Documents already waiting join the batch; it does not wait for more.
            auto batch = std::make_unique<PdfBatch>(options.codePage, options.writePictureFiles);
            Written w;
            while (!waiting.empty() && int(w.run.size()) < kBatchDocuments &&
                   batch->pageCount() < kBatchPages) {
                Job *job = waiting.front();
                waiting.pop_front();
                w.run.emplace_back(job, addToBatch(*batch, *job, &lock));
                drawn(*job);
            }
            lock.unlock();
            batch->writeFiles();
            lock.lock();
            // One batch waits per writer: the disk may lag the drawing, not run away from it.
            forWriters.wait(lock, [&] { return int(toCommit.size()) < threads; });
            w.batch = std::move(batch);
            toCommit.push_back(std::move(w));
            forCommitter.notify_one();
        }
    }

    // Makes written batches' files appear, while the writers draw the next batches.
    void commit()
    {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            forCommitter.wait(lock, [&] { return !toCommit.empty() || stopping; });
            if (toCommit.empty()) return;
            Written w = std::move(toCommit.front());
            toCommit.pop_front();
            forWriters.notify_all();
            lock.unlock();
            const std::vector<PdfExportResult> results = w.batch->commit();
            w.batch.reset();
            lock.lock();
            size_t next = 0;
            for (auto &[job, part] : w.run) {
                if (part && next < results.size()) job->result = results[next++];
                finished(*job);
            }
        }
    }

    Job &start()
    {
        if (threads > 0 && workers.empty()) {
            // A batch shares its fonts' subsets among its documents, so a document's bytes would
            // depend on which others shared its batch: reproducible output writes each alone.
            batching = !ReproducibleOutput() && PdfBatch::Works();
            // Every writer finds the fonts registered once, before any of them starts.
            PdfEngine::preloadFontMap(PdfResourceFile());
            for (int i = 0; i < threads; ++i)
                workers.emplace_back([this] { work(); });
            if (batching) committer = std::thread([this] { commit(); });
        }
        auto job = std::make_unique<Job>();
        job->number = ++numbered;
        job->path = pdfPath;
        job->absolute = target.path.isEmpty() ? QFileInfo(pdfPath).absoluteFilePath() : target.path;
        job->refusal = target.refusal;
        if (options.skipExisting) ours.insert(job->absolute);
        Job *raw = job.get();
        std::unique_lock<std::mutex> lock(mutex);
        // Documents holding pages are bounded (and with them memory), and never two go into one
        // file at once: the later one must end up in it.
        const int inFlight = std::max(1, threads) * (batching ? kReadAhead : 1);
        forReader.wait(lock, [&] { return holding < inFlight && !unfinished.contains(raw->absolute); });
        // Once an earlier document into the same file is done: what is there now must be its PDF.
        if (raw->refusal.isEmpty()) raw->refusal = ConvertTargetProblem(raw->absolute);
        if (raw->refusal.isEmpty()) raw->refusal = OutputOverwritesInput(raw->absolute, options.inputs);
        ++holding;
        ++unfinished[raw->absolute];
        jobs.push_back(std::move(job));
        if (threads > 0) {
            waiting.push_back(raw);
            forWriters.notify_all();
        }
        return *raw;
    }

    void hand(Job &job, std::unique_ptr<VPage> page)
    {
        std::unique_lock<std::mutex> lock(mutex);
        if (threads > 0) forReader.wait(lock, [&] { return job.pages.size() < kQueuedPages; });
        job.pages.push_back(std::move(page));
        forWriters.notify_all();
    }

    void close(Job &job, bool abandoned)
    {
        std::unique_lock<std::mutex> lock(mutex);
        job.closed = true;
        job.abandoned = abandoned;
        forWriters.notify_all();
        lock.unlock();
        if (threads == 0) writeAlone(job, nullptr);
    }

    void waitForAll()
    {
        std::unique_lock<std::mutex> lock(mutex);
        forReader.wait(lock, [&] {
            for (const auto &job : jobs)
                if (!job->done) return false;
            return true;
        });
    }

    // The messages of the documents that are done, in document order.
    void deliver()
    {
        for (;;) {
            std::unique_ptr<Job> job;
            {
                std::lock_guard<std::mutex> lock(mutex);
                if (jobs.empty() || !jobs.front()->done) return;
                job = std::move(jobs.front());
                jobs.pop_front();
            }
            if (!job->abandoned) report(*job);
        }
    }

    void report(const Job &job)
    {
        QString reason = job.refusal;
        if (reason.isEmpty()) reason = job.problem;
        if (reason.isEmpty() && !job.result.ok) reason = job.result.message.trimmed();
        const bool bad = !reason.isEmpty();
        if (!bad) ++written;
        failed = failed || bad || !job.result.warnings.isEmpty();
        if (!options.message) return;
        options.message(bad ? QStringLiteral("document ") + QString::number(job.number) +
                                  QStringLiteral(": cannot write ") + job.path + QStringLiteral(": ") + reason
                            : job.path,
                        bad);
        for (const QString &warning : job.result.warnings)
            options.message(QStringLiteral("%1: %2").arg(job.path, warning), true);
    }
};

ConvertPdfSink::ConvertPdfSink(const VDoc &, Options options) : d(std::make_unique<Pool>())
{
    d->options = std::move(options);
    int threads = d->options.threads;
    // Qt 6 draws text on any thread on every platform it supports.
    if (threads < 0) threads = QThread::idealThreadCount();
    d->threads = std::max(0, threads);
}

ConvertPdfSink::~ConvertPdfSink()
{
    Finish();
}

void ConvertPdfSink::OutputNamed(const QString &pdfPath)
{
    d->pdfPath = pdfPath;
    d->target = pdfPath.trimmed().isEmpty()
                    ? ConvertOutput{}
                    : PrepareConvertOutput(pdfPath, d->options.outputFolder, &d->folders);
}

void ConvertPdfSink::PageDone(VDoc &report, int index)
{
    if (d->pdfPath.trimmed().isEmpty()) return; // not a convert document's page: the report keeps it
    if (d->skips()) {
        report.TakePage(index);
        return;
    }
    if (!d->current) d->current = &d->start();
    d->hand(*d->current, report.TakePage(index));
    d->deliver();
}

void ConvertPdfSink::DocumentDone(VDoc &report, const ConvertDocument &document)
{
    const bool skip = d->skips();
    ++d->ended;
    if (skip) {
        while (!report.IsEmpty())
            report.TakePage(0);
        return;
    }
    if (!d->current) d->current = &d->start();
    // Pages read before the output was named go with the document they belong to.
    while (!report.IsEmpty())
        d->hand(*d->current, report.TakePage(0));
    if (document.pages == 0) {
        std::lock_guard<std::mutex> lock(d->mutex);
        d->current->problem = document.problem;
    }
    d->close(*d->current, false);
    d->current = nullptr;
    d->deliver();
}

void ConvertPdfSink::DataWarning(const QString &text)
{
    // Reading has ended: the documents read before it are reported first.
    if (d->current) {
        d->close(*d->current, true);
        d->current = nullptr;
    }
    d->waitForAll();
    d->deliver();
    d->failed = true;
    if (d->options.message) d->options.message(text, true);
}

bool ConvertPdfSink::Finish()
{
    if (d->current) {
        d->close(*d->current, true);
        d->current = nullptr;
    }
    d->waitForAll();
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        d->stopping = true;
        d->forWriters.notify_all();
        d->forCommitter.notify_one();
    }
    for (std::thread &worker : d->workers)
        worker.join();
    d->workers.clear();
    // Every document is done by now, so nothing waits to be committed.
    if (d->committer.joinable()) d->committer.join();
    d->deliver();
    return !d->failed;
}

bool ConvertPdfSink::SkipsDocument()
{
    return d->skips();
}

int ConvertPdfSink::Written() const
{
    return d->written;
}

int ConvertPdfSink::Skipped() const
{
    return d->skipped;
}
