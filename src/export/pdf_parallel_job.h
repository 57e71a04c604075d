#pragma once

#include "export/pdf_export.h"

#include <memory>

class VPage;

// One report PDF written in parts of a fixed number of pages, each part by one of a pool of
// writers, and joined in page order into the file as parts complete. The part boundaries do not
// depend on the number of writers, so every pool size gives the same bytes. Pages waiting and
// parts in flight are bounded: a report of any length needs the memory of a few parts.
class ParallelPdfJob
{
public:
    // jobs: writers at once, 1 (or less) writing every part on the calling thread; by default one
    // per core. A job that writes label pictures beside the PDF writes on the calling thread, as
    // the pictures of equal elements on different pages share a file name.
    ParallelPdfJob(const QString &fileName, int codePage, const QString &caption, bool writePictureFiles,
                   int jobs = DefaultJobs());
    ~ParallelPdfJob();
    // Pages in report order.
    void add(std::unique_ptr<VPage> page);
    // Completes the file; a job without pages writes nothing.
    PdfExportResult finish();
    // Drops everything; the previous file of that name stays.
    void abandon();

    static int DefaultJobs();
    // Pages in one part: enough to share the fixed cost of a PDF (fonts, pictures), few enough
    // that a thousand pages keep every core busy. A part of light pages (labels) grows until it
    // holds kPartElements elements, up to kMaxPartPages pages: embedding a part's fonts costs as
    // much as drawing a hundred labels. Parts depend on the pages alone, never on the threads.
    static constexpr int kPartPages = 250;
    static constexpr int kPartElements = 250 * 24;
    static constexpr int kMaxPartPages = 500;

private:
    struct Pool;
    std::unique_ptr<Pool> d;
};
