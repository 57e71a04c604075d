#pragma once

#include "export/export_result.h"

#include <QString>
#include <memory>
#include <vector>

class VDoc;
class VGrfElement;
class VPage;

// One line of the text output and the element it comes from.
struct TextLine {
    const VGrfElement *element = nullptr;
    QString text; // line ends as "\n"; empty for every element but a label without a picture
};
// The lines of one page, in the text output's order (the spreadsheet places the same texts).
std::vector<TextLine> PageTextLines(const VPage &page);

// The report's texts, one line per element of every page (a label without a picture gives its
// displayed caption, every other element an empty line; panels and groups give their children's
// lines before their own), optionally a form-feed line between pages and a final line holding
// character 26. CR LF line ends, 8-bit text in codePage. A character the code page lacks is
// written as '?' and named in a warning (never as the byte 26 the end-of-file line uses).
ExportResult ExportText(VDoc &report, const QString &path, bool newPageChar, bool eofChar, int codePage);

// The same, page by page as the report is made: each page is written as it comes and can be
// freed, so memory stays that of one page. Nothing replaces the target before Finish().
class TextWriter
{
public:
    TextWriter(const QString &path, bool newPageChar, bool eofChar, int codePage);
    ~TextWriter();
    TextWriter(const TextWriter &) = delete;
    TextWriter &operator=(const TextWriter &) = delete;

    // False once anything failed; Finish() then gives the reason.
    bool AddPage(const VPage &page);
    ExportResult Finish();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
