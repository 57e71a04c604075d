#pragma once

#include "export/page_markup.h"

#include <QSize>
#include <QString>
#include <functional>

class VDoc;

// Outcome of a PDF export. The message is the text the user must see (in the language of the
// code page where one is defined); title is the caption it goes under.
struct PdfExportResult {
    bool ok = true;
    QString message;
    QString title;
    explicit operator bool() const { return ok; }
};

// Replays the page markup into a PDF of pages pageWidth x pageHeight points. codePage selects
// the encoding name ("cp" + code page) and the language of the missing-font-map message.
// resourceFile empty: pdflib.upr beside the program (or the path set with SetPdfResourceFile).
PdfExportResult ExportPdf(const PageMarkup &pages, const QString &fileName, int pageWidth, int pageHeight,
                          int codePage, const QString &caption, const QString &resourceFile = QString());

// The callers' preparation: draws every page off-screen (writing the group, table and barcode
// pictures beside fileName) and writes its markup, a form-feed line closing every page but the
// last. pdfPageSize receives the PDF page size in points, taken from the last page.
PageMarkup WriteReportMarkup(VDoc &report, const QString &fileName, QSize *pdfPageSize);

// Draws every page of report off-screen (writing the group, table and barcode pictures beside
// fileName), writes its markup and exports it; the page size comes from the last page.
bool ExportReportPdf(VDoc &report, const QString &fileName, int codePage, const QString &caption,
                     QString *error = nullptr);

// How a text line of the markup is written: the font name with its ",Bold"/",Italic" suffixes
// (faces fontExists denies become Courier New), the size in points, the fitted text line's
// option list and reference point on a page pageHeight points high. options is empty when an
// unknown alignment or orientation code leaves the text out.
struct TextLinePlan {
    QString font;
    double size = 0;
    QString options;
    int x = 0;
    int y = 0;
};
TextLinePlan PlanTextLine(const QString &line, int pageHeight,
                          const std::function<bool(const QString &)> &fontExists);

// The font map the exports use: an explicit path set here wins over pdflib.upr beside the program.
QString PdfResourceFile();
void SetPdfResourceFile(const QString &path);
// "File <path> was not found!" and its Russian (1251) and Turkish (1254) forms.
QString MissingResourceMessage(const QString &path, int codePage);
