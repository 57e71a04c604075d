#pragma once

#include "export/page_markup.h"
#include "export/pdf_replay.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class PdfEngine;
class QIODevice;
class VDoc;
class VPage;

// Outcome of a PDF export. The message is the text the user must see (in the language of the
// code page where one is defined); title is the caption it goes under. warnings name what could
// not be drawn (the file is still written; the export counts as incomplete).
struct PdfExportResult {
    bool ok = true;
    QString message;
    QString title;
    QStringList warnings;
    explicit operator bool() const { return ok; }
};

// Replays the page markup into a PDF whose pages are all pageWidth x pageHeight points. codePage selects
// the encoding name ("cp" + code page) and the language of the missing-font-map message.
// resourceFile empty: pdflib.upr beside the program (or the path set with SetPdfResourceFile).
// The file replaces an old one of that name only once it is complete.
PdfExportResult ExportPdf(const PageMarkup &pages, const QString &fileName, int pageWidth, int pageHeight,
                          int codePage, const QString &caption, const QString &resourceFile = QString());

// A report's PDF written page by page, so that a report of any length needs the memory of one
// page: begin() with the first page's size in points, addPage() for each page in order (each
// later page turns to its own paper size), finish().
// Groups, tables and barcodes are drawn as vectors; picture files (label bitmaps) are written
// beside the PDF only when writePictureFiles is set.
class PdfReportWriter
{
public:
    PdfReportWriter(const QString &fileName, int codePage, const QString &caption,
                    bool writePictureFiles = false);
    ~PdfReportWriter();
    bool begin(const QSize &pageSize);
    // The same into device, which the caller owns and finishes; warnings number the pages from
    // firstNumber on (a part of a longer report). The pages' underlays (PdfEngine) are then
    // kept apart, for the splitter that copies the pages on.
    bool begin(const QSize &pageSize, QIODevice *device, int firstNumber);
    // False (and result()) when the page cannot be exported; the file is then abandoned.
    bool addPage(VPage &page);
    bool finish();
    // Gives up: the previous file of that name stays.
    void abandon();
    const PdfExportResult &result() const { return m_result; }
    // After finish(), for a writer begun on a device: one per page, empty for a page without.
    std::vector<QByteArray> takeUnderlays() { return std::exchange(m_underlays, {}); }

private:
    struct Open;
    std::vector<QByteArray> m_underlays;
    QString m_fileName;
    int m_codePage;
    bool m_writePictureFiles;
    int m_pages = 0;
    int m_firstNumber = 1;
    PdfExportResult m_result;
    std::unique_ptr<Open> m_open;
};

// Building blocks of the report writers. SetUpPdf: the steps after the document is open (first
// page, parameters, font map); false with the message when the font map is missing.
// ReplayReportPage: one report page's markup into the replay (turnPage: after a page break),
// with a warning per picture it cannot draw naming it as page `number` of its document.
bool SetUpPdf(PdfEngine &pdf, int pageWidth, int pageHeight, int codePage, const QString &resourceFile,
              PdfExportResult &result);
void ReplayReportPage(PdfReplay &replay, VPage &page, const QString &fileName, bool writePictureFiles,
                      bool turnPage, int number, QStringList &warnings);

// The PDF page size in points of a report page: its paper in its orientation (A4 595 x 842).
QSize ReportPdfPageSize(const VPage &page);

// The preparation for ExportPdf: the markup of every page, a form-feed line closing every page
// but the last. pdfPageSize receives the first page's size, which ExportPdf gives every page.
PageMarkup WriteReportMarkup(VDoc &report, const QString &fileName, QSize *pdfPageSize);

// Writes the whole report as a PDF, each page the size of its own paper, drawn in parts on every
// core as ParallelPdfJob draws them.
PdfExportResult ExportReportPdf(VDoc &report, const QString &fileName, int codePage, const QString &caption,
                                bool writePictureFiles = false, int jobs = -1);

// The font map the exports use: an explicit path set here wins over pdflib.upr beside the program.
QString PdfResourceFile();
void SetPdfResourceFile(const QString &path);
// "File <path> was not found!" and its Russian (1251) and Turkish (1254) forms.
QString MissingResourceMessage(const QString &path, int codePage);
