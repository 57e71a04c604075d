#pragma once

#include "export/pdf_export.h"

#include <memory>

class VPage;

// One report PDF fed page by page, each page written and freed as it comes, so that a report of
// any length needs the memory of one page. The result is the file ExportReportPdf writes for
// the same pages.
class PdfJob
{
public:
    PdfJob(const QString &fileName, int codePage, const QString &caption, bool writePictureFiles);
    ~PdfJob();
    void add(std::unique_ptr<VPage> page);
    // Completes the file; a job without pages writes nothing.
    PdfExportResult finish();
    // Drops everything; the previous file of that name stays.
    void abandon();

private:
    PdfReportWriter m_writer;
    bool m_started = false;
    bool m_failed = false;
    int m_pages = 0;
};
