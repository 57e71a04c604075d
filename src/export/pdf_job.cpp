#include "export/pdf_job.h"

#include "model/v_page.h"

PdfJob::PdfJob(const QString &fileName, int codePage, const QString &caption, bool writePictureFiles)
    : m_writer(fileName, codePage, caption, writePictureFiles)
{
}

PdfJob::~PdfJob()
{
    if (m_started) m_writer.abandon();
}

void PdfJob::add(std::unique_ptr<VPage> page)
{
    if (m_failed || !page) return;
    ++m_pages;
    // The writer checks every page's paper; the first is checked before the file is begun, and
    // the file begins with that page's size.
    if (!m_started && page->PaperSizeProblem().isEmpty()) {
        m_started = true;
        if (!m_writer.begin(ReportPdfPageSize(*page))) {
            m_failed = true;
            return;
        }
    }
    if (!m_writer.addPage(*page)) m_failed = true;
}

PdfExportResult PdfJob::finish()
{
    if (m_pages == 0) {
        PdfExportResult result = m_writer.result();
        result.ok = false;
        result.message = QStringLiteral("The report has no pages");
        return result;
    }
    if (m_started && m_writer.result().ok) m_writer.finish();
    m_started = false;
    return m_writer.result();
}

void PdfJob::abandon()
{
    if (m_started) m_writer.abandon();
    m_started = false;
    m_failed = true;
}
