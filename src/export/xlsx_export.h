#pragma once

#include "export/export_result.h"

#include <QString>
#include <memory>

class VDoc;
class VPage;

// The report as an .xlsx workbook (libxlsxwriter): one sheet per page, named after the page with
// its number, each text in the cell of its row and column (LayOutSheet), texts that read as
// numbers (ReadSheetNumber) stored as numbers shown as the text showed them, table cells with
// their frames and fills. The text is Unicode whatever the code page.
ExportResult ExportXlsx(VDoc &report, const QString &path);

// The same, page by page as the report is made: the pages can be freed as they come, their cells
// stay in the workbook (some 11 KB for a page like the invoice example's) until Finish() writes it
// to a temporary file; only a complete workbook replaces the target.
class XlsxWriter
{
public:
    explicit XlsxWriter(const QString &path);
    ~XlsxWriter();
    XlsxWriter(const XlsxWriter &) = delete;
    XlsxWriter &operator=(const XlsxWriter &) = delete;

    // False once anything failed; Finish() then gives the reason.
    bool AddPage(const VPage &page);
    ExportResult Finish();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
