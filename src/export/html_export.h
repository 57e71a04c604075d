#pragma once

#include "export/export_result.h"

#include <QString>

class VDoc;

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
