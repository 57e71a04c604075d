#pragma once

#include "export/pdf_export.h"

#include <QSize>
#include <memory>
#include <vector>

class VPage;

// One report PDF fed page by page. With the page size known beforehand each page is written
// and freed as it comes; otherwise (the size is that of the last page) pages are held until
// finish(). Either way the result is the file ExportReportPdf writes for the same pages.
class PdfJob
{
public:
    PdfJob(const QString &fileName, int codePage, const QString &caption, bool writePictureFiles,
           const QSize &pageSize);
    ~PdfJob();
    void add(std::unique_ptr<VPage> page);
    // Writes what is held and completes the file; a job without pages writes nothing.
    PdfExportResult finish();
    // Drops everything; the previous file of that name stays.
    void abandon();

private:
    bool start(const QSize &size);

    PdfReportWriter m_writer;
    QSize m_pageSize;
    bool m_started = false;
    bool m_failed = false;
    int m_pages = 0;
    std::vector<std::unique_ptr<VPage>> m_held;
};
