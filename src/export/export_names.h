#pragma once

#include <QString>

// The outputs of the export dialog, by their tab index (also the stored ID_of_Convert).
enum ExportFormat : int {
    ExportTextFormat = 0,
    ExportHtmlFormat = 1,
    ExportRtfFormat = 2,
    ExportDocFormat = 3,
    ExportPdfFormat = 4,
    ExportPictureFormat = 5,
    ExportSheetFormat = 6,
    // Not a tab of the dialog: the command line's way to the print engine's file.
    ExportEdfFormat = 7,
};

// The output name the dialog proposes for a report file: its folder and base name with the
// format's extension; "(conv)" keeps a text or Word output from taking the report's own name.
QString ProposedExportName(const QString &reportPath, int format);
// The save dialog's default extension and filter ("*.txt|*.txt") of a format.
QString ExportSuffix(int format);
QString ExportFilter(int format);
