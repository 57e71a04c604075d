#include "export/pdf_job.h"

#include "model/v_page.h"

PdfJob::PdfJob(const QString &fileName, int codePage, const QString &caption, bool writePictureFiles,
               const QSize &pageSize)
    : m_writer(fileName, codePage, caption, writePictureFiles), m_pageSize(pageSize)
{
}

PdfJob::~PdfJob()
{
    if (m_started) m_writer.abandon();
}

bool PdfJob::start(const QSize &size)
{
    m_started = true;
    if (!m_writer.begin(size)) m_failed = true;
    return !m_failed;
}

void PdfJob::add(std::unique_ptr<VPage> page)
{
    if (m_failed || !page) return;
    ++m_pages;
    if (!m_pageSize.isValid()) {
        m_held.push_back(std::move(page));
        return;
    }
    // The writer checks every page's paper; the first is checked before the file is begun.
    if (!m_started && page->PaperSizeProblem().isEmpty() && !start(m_pageSize)) return;
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
    if (!m_held.empty() && !m_failed && start(ReportPdfPageSize(*m_held.back())))
        for (auto &page : m_held) {
            if (!m_writer.addPage(*page)) break;
            page.reset();
        }
    m_held.clear();
    if (m_started && m_writer.result().ok) m_writer.finish();
    m_started = false;
    return m_writer.result();
}

void PdfJob::abandon()
{
    m_held.clear();
    if (m_started) m_writer.abandon();
    m_started = false;
    m_failed = true;
}
