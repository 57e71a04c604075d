#pragma once

#include "export/pdf_export.h"
#include "files/design_file.h"
#include "report/report_sink.h"

#include <QSize>
#include <QString>
#include <memory>

class ParallelPdfJob;
class PdfJob;
class VPage;

// Writes the report file while generation runs, each page as soon as it is complete, so that a
// report of any length needs the memory of one page. Finish() writes pages the report still
// holds and completes the file; until then the previous file stays.
class ReportFileSink : public ReportSink
{
public:
    explicit ReportFileSink(const QString &path);
    ~ReportFileSink() override;
    void PageDone(VDoc &report, int index) override;
    QString StopReason() const override { return m_error; }
    FileResult Finish(VDoc &report);
    int Pages() const { return m_pages; }

private:
    bool write(VDoc &report, int index);

    DesignFileStream m_stream;
    QString m_error;
    bool m_begun = false;
    int m_pages = 0;
};

// Exports the report as one PDF while generation runs, page by page, each PDF page the size of
// its own paper (the design is not needed for that any more). Pages are drawn by jobs writers
// at once (one per core by default); the file is the same for any number of them.
class PdfFileSink : public ReportSink
{
public:
    PdfFileSink(const VDoc &design, const QString &path, int codePage, bool writePictureFiles, int jobs = -1);
    ~PdfFileSink() override;
    void PageDone(VDoc &report, int index) override;
    PdfExportResult Finish(VDoc &report);

private:
    void add(std::unique_ptr<VPage> page);

    std::unique_ptr<PdfJob> m_job;
    std::unique_ptr<ParallelPdfJob> m_parts;
};
