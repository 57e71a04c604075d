#include "export/pdf_parallel_job.h"

#include "export/pdf_engine.h"
#include "export/pdf_join.h"
#include "files/atomic_file.h"
#include "model/v_grf_element.h"
#include "model/v_page.h"

#include <QBuffer>
#include <QThread>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace
{
struct Part {
    int firstNumber = 1; // of its first page in the report
    int handed = 0;
    qint64 elements = 0;
    std::deque<std::unique_ptr<VPage>> pages;
    bool closed = false; // every page handed over
    bool done = false;
    QByteArray pdf;
    std::vector<QByteArray> underlays;
    PdfExportResult result;
};
int elementsIn(const VGrfElement &element)
{
    int n = 1;
    for (int i = 0; i < element.ChildCount(); ++i)
        n += elementsIn(*element.Child(i));
    return n;
}
} // namespace

struct ParallelPdfJob::Pool {
    QString fileName;
    int codePage = 1252;
    QString caption;
    bool writePictureFiles = false;
    int threads = 0;

    std::unique_ptr<AtomicFile> file;
    std::unique_ptr<PdfJoiner> joiner;
    PdfExportResult result;
    bool started = false;
    bool failed = false;
    int pages = 0;
    Part *current = nullptr;

    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::unique_ptr<Part>> parts; // in page order, until joined
    std::deque<Part *> waiting;              // for a writer
    std::vector<std::thread> workers;
    bool stopping = false;
    bool cancelled = false;

    // The next page of part, waiting for the reader to hand it over when a lock is given; null
    // once the part is complete.
    std::unique_ptr<VPage> nextPage(Part &part, std::unique_lock<std::mutex> *lock)
    {
        if (lock) changed.wait(*lock, [&] { return !part.pages.empty() || part.closed; });
        if (part.pages.empty()) return nullptr;
        std::unique_ptr<VPage> page = std::move(part.pages.front());
        part.pages.pop_front();
        return page;
    }

    // On a worker the lock is held on entry and on return; on the calling thread there is none.
    void write(Part &part, std::unique_lock<std::mutex> *lock)
    {
        QBuffer buffer(&part.pdf);
        buffer.open(QIODevice::WriteOnly);
        PdfReportWriter writer(fileName, codePage, caption, writePictureFiles);
        bool begun = false, ok = true;
        while (std::unique_ptr<VPage> page = nextPage(part, lock)) {
            const bool skip = cancelled;
            if (lock) lock->unlock();
            if (ok && !skip) {
                if (!begun) ok = writer.begin(ReportPdfPageSize(*page), &buffer, part.firstNumber);
                begun = true;
                ok = ok && writer.addPage(*page);
            }
            page.reset();
            if (lock) lock->lock();
        }
        if (lock) lock->unlock();
        if (ok && begun)
            writer.finish();
        else
            writer.abandon();
        buffer.close();
        PdfExportResult r = writer.result();
        std::vector<QByteArray> underlays = writer.takeUnderlays();
        if (lock) lock->lock();
        part.result = std::move(r);
        part.underlays = std::move(underlays);
        part.done = true;
        changed.notify_all();
    }

    void work()
    {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            changed.wait(lock, [&] { return stopping || !waiting.empty(); });
            if (waiting.empty()) return;
            Part *part = waiting.front();
            waiting.pop_front();
            write(*part, &lock);
        }
    }

    void fail(const QString &message)
    {
        if (!failed) {
            result.ok = false;
            result.message = message;
        }
        failed = true;
    }

    bool start()
    {
        started = true;
        file = std::make_unique<AtomicFile>(fileName);
        // Opened before any page is drawn, so that an unwritable path is said at once.
        if (!file->open()) {
            fail(QStringLiteral("Error: Couldn't open PDF file '%1' for writing (%2)\n")
                     .arg(fileName, file->error().section(QStringLiteral(": "), -1)));
            file.reset();
            return false;
        }
        joiner = std::make_unique<PdfJoiner>(*file);
        if (threads > 0) {
            // Every writer finds the fonts registered once, before any of them starts.
            PdfEngine::preloadFontMap(PdfResourceFile());
            for (int i = 0; i < threads; ++i)
                workers.emplace_back([this] { work(); });
        }
        return true;
    }

    void close(Part &part)
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            part.closed = true;
            changed.notify_all();
        }
        if (threads == 0) write(part, nullptr);
    }

    // Joins the parts that are complete, in order; with wait, every part.
    void join(bool wait)
    {
        for (;;) {
            std::unique_ptr<Part> part;
            {
                std::unique_lock<std::mutex> lock(mutex);
                if (parts.empty()) return;
                if (!parts.front()->done && !wait) return;
                changed.wait(lock, [&] { return parts.front()->done; });
                part = std::move(parts.front());
                parts.pop_front();
            }
            if (failed) continue;
            result.warnings << part->result.warnings;
            if (!part->result.ok)
                fail(part->result.message);
            else if (!joiner->add(part->pdf, std::move(part->underlays)))
                fail(joiner->error());
        }
    }

    void stop()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            stopping = true;
            changed.notify_all();
        }
        for (std::thread &worker : workers)
            worker.join();
        workers.clear();
    }

    void cancel()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            cancelled = true;
            for (const auto &part : parts)
                part->closed = true;
            changed.notify_all();
        }
        current = nullptr;
        if (threads == 0) {
            std::lock_guard<std::mutex> lock(mutex);
            parts.clear();
        }
        join(true);
        stop();
        joiner.reset();
        file.reset(); // the temporary file goes; the target was never touched
    }
};

ParallelPdfJob::ParallelPdfJob(const QString &fileName, int codePage, const QString &caption,
                               bool writePictureFiles, int jobs)
    : d(std::make_unique<Pool>())
{
    d->fileName = fileName;
    d->codePage = codePage;
    d->caption = caption;
    d->writePictureFiles = writePictureFiles;
    d->threads = jobs > 1 && !writePictureFiles ? jobs : 0;
    d->result.title = caption;
}

ParallelPdfJob::~ParallelPdfJob()
{
    abandon();
}

int ParallelPdfJob::DefaultJobs()
{
    return QThread::idealThreadCount();
}

void ParallelPdfJob::add(std::unique_ptr<VPage> page)
{
    if (d->failed || !page) return;
    if (const QString problem = page->PaperSizeProblem(); !problem.isEmpty()) {
        d->fail(problem);
        d->cancel();
        return;
    }
    if (!d->started && !d->start()) return;
    if (!d->current) {
        // Parts in flight are bounded, and with them memory: one more than there are writers.
        std::unique_lock<std::mutex> lock(d->mutex);
        while (d->parts.size() > size_t(d->threads)) {
            lock.unlock();
            d->join(false);
            lock.lock();
            if (d->parts.size() > size_t(d->threads))
                d->changed.wait(lock, [&] { return d->parts.front()->done; });
        }
        auto part = std::make_unique<Part>();
        part->firstNumber = d->pages + 1;
        d->current = part.get();
        d->parts.push_back(std::move(part));
        if (d->threads > 0) {
            d->waiting.push_back(d->current);
            d->changed.notify_all();
        }
    }
    ++d->pages;
    const int elements = elementsIn(page->Root());
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        d->current->pages.push_back(std::move(page));
        ++d->current->handed;
        d->current->elements += elements;
        d->changed.notify_all();
    }
    if ((d->current->handed >= kPartPages && d->current->elements >= kPartElements) ||
        d->current->handed >= kMaxPartPages) {
        Part *full = d->current;
        d->current = nullptr;
        d->close(*full);
    }
    d->join(false);
    if (d->failed) d->cancel();
}

PdfExportResult ParallelPdfJob::finish()
{
    if (d->pages == 0 && !d->failed) {
        PdfExportResult result = d->result;
        result.ok = false;
        result.message = QStringLiteral("The report has no pages");
        return result;
    }
    if (d->failed) {
        d->cancel();
        return d->result;
    }
    if (d->current) {
        Part *last = d->current;
        d->current = nullptr;
        d->close(*last);
    }
    d->join(true);
    d->stop();
    if (!d->failed && !d->joiner->finish()) d->fail(d->joiner->error());
    if (!d->failed && !d->file->commit()) d->fail(d->file->error());
    if (d->failed) d->cancel();
    d->joiner.reset();
    d->file.reset();
    return d->result;
}

void ParallelPdfJob::abandon()
{
    if (!d->failed) d->fail(QStringLiteral("abandoned"));
    d->cancel();
}
