#pragma once

#include "export/export_result.h"

#include <QString>
#include <memory>

class VDoc;
class VPage;

struct RtfOptions {
    int codePage = 1252;
    // Off: the texts alone, no picture of any kind.
    bool savePictures = true;
};

// The report as RTF, one section per page at the page's paper size with no margins. Every label
// is a frame at its place on the page holding its caption in the font and size the PDF export
// uses; group, table, barcode and label pictures are PNG pictures in frames of their own.
ExportResult ExportRtf(VDoc &report, const QString &path, const RtfOptions &options);

// The same, page by page as the report is made: each page is drawn and its text goes to a
// temporary file at once, so memory stays that of one page. Nothing replaces the target before
// Finish().
class RtfWriter
{
public:
    RtfWriter(const QString &path, const RtfOptions &options);
    ~RtfWriter();
    RtfWriter(const RtfWriter &) = delete;
    RtfWriter &operator=(const RtfWriter &) = delete;

    // False once anything failed (a page of a size no output takes); Finish() gives the reason.
    bool AddPage(VPage &page);
    ExportResult Finish();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// The same document as a Word 97 file: the RTF is converted by LibreOffice (soffice) in a
// temporary folder and the result moved over path. The texts are in the interface code page.
// Fails with a message naming the package when soffice is not installed, and when the conversion
// fails or takes longer than timeoutMs (LibreOffice is then killed).
ExportResult ExportDoc(VDoc &report, const QString &path, bool savePictures, int timeoutMs = 120000);

// The same, page by page as the report is made, through RtfWriter in the temporary folder.
class DocWriter
{
public:
    DocWriter(const QString &path, bool savePictures, int timeoutMs = 120000);
    ~DocWriter();
    DocWriter(const DocWriter &) = delete;
    DocWriter &operator=(const DocWriter &) = delete;

    bool AddPage(VPage &page);
    ExportResult Finish();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// The soffice program on PATH, or empty.
QString OfficeProgram();
