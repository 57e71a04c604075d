#include "report/convert_pdf_sink.h"

#include "export/pdf_engine.h"
#include "export/pdf_job.h"
#include "files/file_checks.h"
#include "model/code_page.h"
#include "model/v_doc.h"

#include <QFileInfo>
#include <QThread>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace
{
// Pages waiting for a document's writer: enough to keep it busy, few enough to keep memory flat.
constexpr size_t kQueuedPages = 4;

struct Job {
    int number = 0;
    QString path;    // as the data file named it
    QString refusal; // why it is not written at all
    std::unique_ptr<PdfJob> pdf;
    std::deque<std::unique_ptr<VPage>> pages;
    bool closed = false;    // every page handed over
    bool abandoned = false; // the document never ended
    bool done = false;
    QString problem; // the data's reason when the document made no pages
    PdfExportResult result;
};
} // namespace

ConvertPdfSink::Options::Options() : codePage(InterfaceCodePage()) {}

struct ConvertPdfSink::Pool {
    Options options;
    QSize pageSize;
    QString pdfPath; // the output named last
    int threads = 0;
    int written = 0;
    bool failed = false;
    int numbered = 0;

    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::unique_ptr<Job>> jobs; // in document order, until their message is given
    std::deque<Job *> waiting;             // for a writer
    std::vector<std::thread> workers;
    bool stopping = false;
    Job *current = nullptr;

    // Runs on a writer thread, or on the reading thread when there are none.
    static void write(Job &job, std::unique_lock<std::mutex> *lock, std::condition_variable *changed)
    {
        for (;;) {
            std::unique_ptr<VPage> page;
            if (lock) changed->wait(*lock, [&] { return !job.pages.empty() || job.closed; });
            if (job.pages.empty()) break;
            page = std::move(job.pages.front());
            job.pages.pop_front();
            if (lock) {
                changed->notify_all(); // room for the reader
                lock->unlock();
            }
            if (job.refusal.isEmpty()) job.pdf->add(std::move(page));
            page.reset();
            if (lock) lock->lock();
        }
        if (lock) lock->unlock();
        if (job.abandoned) {
            job.pdf->abandon();
        } else if (job.refusal.isEmpty()) {
            job.result = job.pdf->finish();
        }
        if (lock) lock->lock();
        job.done = true;
        if (changed) changed->notify_all();
    }

    void work()
    {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            changed.wait(lock, [&] { return stopping || !waiting.empty(); });
            if (waiting.empty()) return;
            Job *job = waiting.front();
            waiting.pop_front();
            write(*job, &lock, &changed);
        }
    }

    Job &start()
    {
        if (threads > 0 && workers.empty()) {
            // Every writer finds the fonts registered once, before any of them starts.
            PdfEngine::preloadFontMap(PdfResourceFile());
            for (int i = 0; i < threads; ++i)
                workers.emplace_back([this] { work(); });
        }
        auto job = std::make_unique<Job>();
        job->number = ++numbered;
        job->path = pdfPath;
        const QString absolute = QFileInfo(pdfPath).absoluteFilePath();
        job->refusal = OutputOverwritesInput(absolute, options.inputs);
        job->pdf = std::make_unique<PdfJob>(absolute, options.codePage, QStringLiteral("Tessaly"),
                                            options.writePictureFiles, pageSize);
        Job *raw = job.get();
        std::unique_lock<std::mutex> lock(mutex);
        // As many documents in flight as writers, and never two into one file at once: the
        // later one must end up in it.
        changed.wait(lock, [&] {
            int busy = 0;
            for (const auto &j : jobs) {
                if (j->done) continue;
                ++busy;
                if (QFileInfo(j->path).absoluteFilePath() == absolute) return false;
            }
            return busy < std::max(1, threads);
        });
        jobs.push_back(std::move(job));
        if (threads > 0) {
            waiting.push_back(raw);
            changed.notify_all();
        }
        return *raw;
    }

    void hand(Job &job, std::unique_ptr<VPage> page)
    {
        if (threads == 0) {
            if (job.refusal.isEmpty()) job.pdf->add(std::move(page));
            return;
        }
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [&] { return job.pages.size() < kQueuedPages; });
        job.pages.push_back(std::move(page));
        changed.notify_all();
    }

    void close(Job &job, bool abandoned)
    {
        std::unique_lock<std::mutex> lock(mutex);
        job.closed = true;
        job.abandoned = abandoned;
        changed.notify_all();
        lock.unlock();
        if (threads == 0) write(job, nullptr, nullptr);
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
            if (job->abandoned) continue;
            report(*job);
        }
    }

    void report(const Job &job)
    {
        QString text;
        bool bad = true;
        if (!job.refusal.isEmpty())
            text = QStringLiteral("cannot write %1: %2").arg(job.path, job.refusal);
        else if (!job.problem.isEmpty())
            text = QStringLiteral("cannot write %1: %2").arg(job.path, job.problem);
        else if (!job.result.ok)
            text = QStringLiteral("cannot write %1: %2").arg(job.path, job.result.message.trimmed());
        else
            bad = false;
        if (!bad) ++written;
        failed = failed || bad || !job.result.warnings.isEmpty();
        if (!options.message) return;
        options.message(bad ? text : job.path, bad);
        for (const QString &warning : job.result.warnings)
            options.message(QStringLiteral("%1: %2").arg(job.path, warning), true);
    }
};

ConvertPdfSink::ConvertPdfSink(const VDoc &design, Options options) : d(std::make_unique<Pool>())
{
    d->options = std::move(options);
    d->pageSize = UniformPdfPageSize(design);
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
}

void ConvertPdfSink::PageDone(VDoc &report, int index)
{
    if (d->pdfPath.trimmed().isEmpty()) return; // not a convert document's page: the report keeps it
    if (!d->current) d->current = &d->start();
    d->hand(*d->current, report.TakePage(index));
    d->deliver();
}

void ConvertPdfSink::DocumentDone(VDoc &report, const ConvertDocument &document)
{
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
    // The documents read before it are reported first; reading has ended by now.
    if (d->current) {
        d->close(*d->current, true);
        d->current = nullptr;
    }
    {
        std::unique_lock<std::mutex> lock(d->mutex);
        d->changed.wait(lock, [&] {
            for (const auto &job : d->jobs)
                if (!job->done) return false;
            return true;
        });
    }
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
    {
        std::unique_lock<std::mutex> lock(d->mutex);
        d->changed.wait(lock, [&] {
            for (const auto &job : d->jobs)
                if (!job->done) return false;
            return true;
        });
        d->stopping = true;
        d->changed.notify_all();
    }
    for (std::thread &worker : d->workers)
        worker.join();
    d->workers.clear();
    d->deliver();
    return !d->failed;
}

int ConvertPdfSink::Written() const
{
    return d->written;
}
