#pragma once

#include "export/export_names.h"
#include "export/export_result.h"
#include "export/picture_export.h"

#include <QString>
#include <QStringList>
#include <functional>

class VDoc;
class VPage;

// What an output may be asked for; each format reads the options that concern it.
struct ExportOptions {
    // Code page of the text and HTML outputs, and of the RTF and PDF fonts; 0 for the interface's.
    // The spreadsheet is Unicode whatever it says.
    int codePage = 0;
    bool newPageChar = false; // text: a form-feed line between pages
    bool eofChar = false;     // text: character 26 at the end
    bool savePictures = true; // HTML beside the file, RTF and Word inside it
    bool mht = false;         // HTML as one MIME HTML file
    PictureFormats pictures = PictureFormat::Jpeg;
    bool keepPictures = false; // PDF: the label pictures stay beside the file
    int jobs = -1;             // PDF: threads drawing the parts, -1 for one per core
    QString title = QStringLiteral("Tessaly");
    QString version;
    // Files no output may replace (the design, the data, the report).
    QStringList inputs;
};

// The one way a whole report becomes a file of another format, for the export dialog, the mail
// command, the command line and the program started without a window. written lists the files
// made; warnings what they show differently from the report.
ExportResult ExportReport(VDoc &report, int format, const QString &path, const ExportOptions &options);

// Pages as they are made, for reports too long to hold: the source hands each page to add (which
// answers false once the output has failed) and returns false, with its reason, when it failed.
using PageSource = std::function<bool(const std::function<bool(VPage &)> &add, QString *reason)>;

// The same outputs page by page, so that memory stays that of one page (the spreadsheet keeps
// its cells, not its pages, until the end): all but PDF, which generation feeds through a sink of
// its own. fontName is the design's, for
// HTML. A source that fails leaves no output; its reason is the result's message.
ExportResult ExportPages(const PageSource &source, int format, const QString &path,
                         const ExportOptions &options, const QString &fontName);

// The format an extension names (txt, html, htm, mht, rtf, doc, pdf, edf, xlsx and the picture
// extensions, in any case); for a picture extension pictures receives its format. -1 when unknown.
int ExportFormatForExtension(const QString &extension, PictureFormats *pictures = nullptr);
