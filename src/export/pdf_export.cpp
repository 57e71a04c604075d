#include "export/pdf_export.h"

#include "export/export_pictures.h"
#include "export/pdf_batch.h"
#include "export/pdf_parallel_job.h"
#include "export/pdf_engine.h"
#include "model/v_doc.h"
#include "model/v_page.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cmath>

namespace
{
QString g_resourceFile;
} // namespace

QString PdfResourceFile()
{
    if (!g_resourceFile.isEmpty()) return g_resourceFile;
    // Beside the program in the build folder; under <prefix>/share/tessaly when installed.
    const QDir programs(QCoreApplication::applicationDirPath());
    const QString beside = programs.filePath(QStringLiteral("pdflib.upr"));
    const QString installed = programs.filePath(QStringLiteral("../share/tessaly/pdflib.upr"));
    if (!QFile::exists(beside) && QFile::exists(installed)) return QDir::cleanPath(installed);
    return beside;
}

void SetPdfResourceFile(const QString &path)
{
    g_resourceFile = path;
}

QString MissingResourceMessage(const QString &path, int codePage)
{
    switch (codePage) {
    case 1251:
        return path + QString::fromUtf8(" файл не найден!");
    case 1254:
        return path + QString::fromUtf8(" dosyası bulunamadı!");
    default:
        return QStringLiteral("File ") + path + QStringLiteral(" was not found!");
    }
}

bool SetUpPdf(PdfEngine &pdf, int pageWidth, int pageHeight, int codePage, const QString &resourceFile,
              PdfExportResult &result)
{
    pdf.beginPage(pageWidth, pageHeight);
    pdf.setParameter(QStringLiteral("openaction"), QStringLiteral("fitbbox"));
    pdf.setParameter(QStringLiteral("nativeunicode"), QStringLiteral("true"));
    const QString resource = resourceFile.isEmpty() ? PdfResourceFile() : resourceFile;
    if (!QFile::exists(resource)) {
        pdf.abandonDocument();
        result.ok = false;
        result.message = MissingResourceMessage(QDir::toNativeSeparators(resource), codePage);
        return false;
    }
    pdf.setParameter(QStringLiteral("resourcefile"), resource);
    pdf.setTextPos(0, pageHeight);
    return true;
}

namespace
{
QString undrawablePicture(int page, const VGrfElement &element)
{
    return QStringLiteral(
               "page %1, element %2: the picture cannot be drawn; a placeholder stands in its place")
        .arg(QString::number(page), element.Name());
}
} // namespace

void ReplayReportPage(PdfReplay &replay, VPage &page, const QString &fileName, bool writePictureFiles,
                      bool turnPage, int number, QStringList &warnings)
{
    if (turnPage) replay.turnPage(ReportPdfPageSize(page));
    replay.setPageSwitches(page.BlackWhite(), page.PrintableOnly());
    for (const MarkupLine &line : PageMarkupLines(page, fileName, writePictureFiles, &warnings)) {
        replay.line(line.text, line.element);
        const VPicture *picture = line.element ? line.element->Picture() : nullptr;
        if (picture && picture->IsUndecodable()) warnings << undrawablePicture(number, *line.element);
    }
}

namespace
{
// Set-up: the document, its first page and the font map. False (with the message) when the
// export cannot start; nothing is then written.
bool startPdf(PdfEngine &pdf, const QString &fileName, int pageWidth, int pageHeight, int codePage,
              const QString &resourceFile, PdfExportResult &result)
{
    if (!pdf.beginDocument(fileName)) {
        result.ok = false;
        result.message = QStringLiteral("Error: ") + pdf.errorMessage() + QLatin1Char('\n');
        return false;
    }
    return SetUpPdf(pdf, pageWidth, pageHeight, codePage, resourceFile, result);
}

void endPdf(PdfEngine &pdf, PdfExportResult &result)
{
    pdf.endPage();
    if (!pdf.endDocument()) {
        result.ok = false;
        result.message = pdf.errorMessage();
    }
}
} // namespace

PdfExportResult ExportPdf(const PageMarkup &pages, const QString &fileName, int pageWidth, int pageHeight,
                          int codePage, const QString &caption, const QString &resourceFile)
{
    PdfExportResult result;
    result.title = caption;
    PdfEngine pdf;
    if (!startPdf(pdf, fileName, pageWidth, pageHeight, codePage, resourceFile, result)) return result;
    PdfReplay replay(pdf, fileName, pageWidth, pageHeight, codePage);
    for (const QStringList &page : pages)
        for (const QString &line : page)
            replay.line(line);
    result.warnings << replay.warnings();
    endPdf(pdf, result);
    return result;
}

struct PdfReportWriter::Open {
    PdfEngine pdf;
    std::unique_ptr<PdfReplay> replay;
};

PdfReportWriter::PdfReportWriter(const QString &fileName, int codePage, const QString &caption,
                                 bool writePictureFiles)
    : m_fileName(fileName), m_codePage(codePage), m_writePictureFiles(writePictureFiles)
{
    m_result.title = caption;
}

PdfReportWriter::~PdfReportWriter() = default;

bool PdfReportWriter::begin(const QSize &pageSize)
{
    m_open = std::make_unique<Open>();
    if (!startPdf(m_open->pdf, m_fileName, pageSize.width(), pageSize.height(), m_codePage, QString(),
                  m_result)) {
        m_open.reset();
        return false;
    }
    m_open->replay =
        std::make_unique<PdfReplay>(m_open->pdf, m_fileName, pageSize.width(), pageSize.height(), m_codePage);
    return true;
}

bool PdfReportWriter::begin(const QSize &pageSize, QIODevice *device, int firstNumber)
{
    m_open = std::make_unique<Open>();
    m_firstNumber = firstNumber;
    if (!m_open->pdf.beginDocument(device)) {
        m_result.ok = false;
        m_result.message = m_open->pdf.errorMessage();
        m_open.reset();
        return false;
    }
    m_open->pdf.collectUnderlays();
    if (!SetUpPdf(m_open->pdf, pageSize.width(), pageSize.height(), m_codePage, QString(), m_result)) {
        m_open.reset();
        return false;
    }
    m_open->replay =
        std::make_unique<PdfReplay>(m_open->pdf, m_fileName, pageSize.width(), pageSize.height(), m_codePage);
    return true;
}

bool PdfReportWriter::addPage(VPage &page)
{
    const QString problem = page.PaperSizeProblem();
    if (!problem.isEmpty()) {
        m_result.ok = false;
        m_result.message = problem;
        abandon();
        return false;
    }
    if (!m_open) return false;
    ++m_pages;
    // A label bitmap that cannot be written beside the PDF is a warning: the PDF itself is whole.
    ReplayReportPage(*m_open->replay, page, m_fileName, m_writePictureFiles, m_pages > 1,
                     m_firstNumber + m_pages - 1, m_result.warnings);
    return true;
}

bool PdfReportWriter::finish()
{
    if (!m_open) return false;
    endPdf(m_open->pdf, m_result);
    m_underlays = m_open->pdf.takeUnderlays();
    m_open.reset();
    return m_result.ok;
}

void PdfReportWriter::abandon()
{
    if (m_open) m_open->pdf.abandonDocument();
    m_open.reset();
}

QSize ReportPdfPageSize(const VPage &page)
{
    // The paper itself, from its millimetres (the twips round up a little), in the page's
    // orientation as TwipsSize turns it.
    const VSetPage &s = page.Settings();
    const auto points = [](double mm) { return int(std::lround(mm * 72.0 / 25.4)); };
    int w = points(s.Width), h = points(s.Height);
    if (s.Landscape() && w < h) std::swap(w, h);
    return QSize(w, h);
}

PageMarkup WriteReportMarkup(VDoc &report, const QString &fileName, QSize *pdfPageSize)
{
    PageMarkup pages(size_t(report.PageCount()));
    for (int i = 0; i < report.PageCount(); ++i) {
        WritePageMarkup(*report.PageAt(i), pages, i, fileName);
        if (i + 1 < report.PageCount()) pages[size_t(i)].append(PageBreakLine());
    }
    if (pdfPageSize && report.PageCount() > 0) *pdfPageSize = ReportPdfPageSize(*report.PageAt(0));
    return pages;
}

PdfExportResult ExportReportPdf(VDoc &report, const QString &fileName, int codePage, const QString &caption,
                                bool writePictureFiles, int jobs)
{
    const QString problem = report.PageCount() == 0 ? QStringLiteral("The report has no pages") : report.PaperSizeProblem();
    if (!problem.isEmpty()) {
        PdfExportResult result;
        result.ok = false;
        result.message = problem;
        return result;
    }
    // Drawn in parts on every core and joined, as a report written while its data is read.
    if (PdfBatch::Works()) {
        ParallelPdfJob job(fileName, codePage, caption, writePictureFiles,
                           jobs < 0 ? ParallelPdfJob::DefaultJobs() : jobs);
        for (int i = 0; i < report.PageCount(); ++i)
            job.add(ClonePage(*report.PageAt(i)));
        return job.finish();
    }
    PdfReportWriter writer(fileName, codePage, caption, writePictureFiles);
    if (writer.begin(ReportPdfPageSize(*report.PageAt(0)))) {
        for (int i = 0; i < report.PageCount(); ++i)
            if (!writer.addPage(*report.PageAt(i))) break;
        writer.finish();
    }
    return writer.result();
}
