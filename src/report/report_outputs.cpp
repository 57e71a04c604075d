#include "report/report_outputs.h"

#include "export/pdf_batch.h"
#include "export/pdf_job.h"
#include "export/pdf_parallel_job.h"
#include "model/v_doc.h"

ReportFileSink::ReportFileSink(const QString &path) : m_stream(path) {}

ReportFileSink::~ReportFileSink() = default;

bool ReportFileSink::write(VDoc &report, int index)
{
    if (!m_error.isEmpty()) return false;
    if (!m_begun) {
        m_begun = true;
        const FileResult r = m_stream.begin(report);
        if (!r) m_error = r.error;
    }
    if (!m_error.isEmpty()) return false;
    std::unique_ptr<VPage> page = report.TakePage(index);
    m_stream.writePage(*page);
    ++m_pages;
    m_error = m_stream.error();
    return m_error.isEmpty();
}

void ReportFileSink::PageDone(VDoc &report, int index)
{
    write(report, index);
}

FileResult ReportFileSink::Finish(VDoc &report)
{
    while (!report.IsEmpty() && write(report, 0)) {
    }
    if (!m_error.isEmpty()) return FileResult::failure(m_error);
    if (m_pages == 0)
        return FileResult::failure(
            QStringLiteral("the report has no pages; %1 was not written").arg(m_stream.target()));
    return m_stream.commit();
}

PdfFileSink::PdfFileSink(const VDoc &, const QString &path, int codePage, bool writePictureFiles, int jobs)
{
    // The parts are joined by reading the PDFs this Qt writes; a build whose PDFs cannot be read
    // so writes the file in one piece.
    if (PdfBatch::Works())
        m_parts =
            std::make_unique<ParallelPdfJob>(path, codePage, QStringLiteral("Tessaly"), writePictureFiles,
                                             jobs < 0 ? ParallelPdfJob::DefaultJobs() : jobs);
    else
        m_job = std::make_unique<PdfJob>(path, codePage, QStringLiteral("Tessaly"), writePictureFiles);
}

PdfFileSink::~PdfFileSink() = default;

void PdfFileSink::add(std::unique_ptr<VPage> page)
{
    if (m_parts)
        m_parts->add(std::move(page));
    else
        m_job->add(std::move(page));
}

void PdfFileSink::PageDone(VDoc &report, int index)
{
    add(report.TakePage(index));
}

PdfExportResult PdfFileSink::Finish(VDoc &report)
{
    while (!report.IsEmpty())
        add(report.TakePage(0));
    return m_parts ? m_parts->finish() : m_job->finish();
}
