#include "report/report_generation.h"

#include "export/pdf_export.h"
#include "model/code_page.h"

#include <QFileInfo>

ConvertPdfWriter DefaultConvertPdfWriter()
{
    return [](VDoc &report, const QString &pdfPath) {
        // Relative names count from the current directory, also for the pictures written beside.
        return ExportReportPdf(report, QFileInfo(pdfPath).absoluteFilePath(), InterfaceCodePage(),
                               QStringLiteral("Tessaly"));
    };
}
