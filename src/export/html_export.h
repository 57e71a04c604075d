#pragma once

#include "export/export_result.h"

#include <QString>
#include <memory>

class VDoc;
class VPage;

struct HtmlOptions {
    int codePage = 1252;
    // Off: neither picture files nor <img> lines, the texts alone.
    bool savePictures = true;
    // On: one MIME HTML file (multipart/related) holding the page and its pictures; nothing is
    // written beside it.
    bool mht = false;
    QString title = QStringLiteral("Tessaly");
    QString version;
};

// The charset the HTML names for a code page: cp866, windows-1251/1252/1254, empty otherwise.
QString HtmlCharset(int codePage);

// The report as an HTML page inside <pre>: a line per label (its colour, bold, escaped caption)
// and an <img> per group, table, barcode and label picture, the pictures written beside the
// file under the export picture names (or carried inside it with mht). The file is 8-bit text in
// the code page; characters it lacks are written as character references.
ExportResult ExportHtml(VDoc &report, const QString &path, const HtmlOptions &options);

// The same, page by page as the report is made: each page's texts and pictures are written as it
// comes, so memory stays that of one page (for mht the pictures wait in a temporary file, not in
// memory). A folder as path is refused before anything is written. Nothing replaces the target
// before Finish().
class HtmlWriter
{
public:
    // fontName: the report's font, named in <basefont>.
    HtmlWriter(const QString &path, const QString &fontName, const HtmlOptions &options);
    ~HtmlWriter();
    HtmlWriter(const HtmlWriter &) = delete;
    HtmlWriter &operator=(const HtmlWriter &) = delete;

    // False once anything failed; Finish() then gives the reason.
    bool AddPage(VPage &page);
    ExportResult Finish();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
