#include "cli/cli_command.h"
#include "cli/cli_util.h"

#include "export/pdf_export.h"
#include "model/code_page.h"
#include "model/v_doc.h"
#include "report/report_generation.h"
#include "report/report_outputs.h"

#include <QFileInfo>

namespace
{

const char *const kUsage =
    "export DOC [--data DATA] --format txt|html|rtf|doc|pdf|bmp|jpeg|gif|ico|png|edf -o OUT "
    "[--new-page-char] [--eof-char] [--code-page 1251|1252|1254] [--keep-pictures]";

// The file is written even when something could not be drawn; the exit code says it is incomplete.
int reportPdf(const PdfExportResult &r)
{
    if (!r) {
        cliError(r.message.trimmed());
        return kExitFailure;
    }
    for (const QString &warning : r.warnings)
        cliError(QStringLiteral("warning: ") + warning);
    return r.warnings.isEmpty() ? kExitOk : kExitFailure;
}

int runExport(const QStringList &args)
{
    CliArgs a(
        args,
        {QStringLiteral("--data"), QStringLiteral("--format"), QStringLiteral("-o"),
         QLatin1String(kCodePageOption)},
        {QStringLiteral("--new-page-char"), QStringLiteral("--eof-char"), QStringLiteral("--keep-pictures")});
    const auto format = a.value(QStringLiteral("--format"));
    const auto out = a.value(QStringLiteral("-o"));
    if (!a.ok() || a.positional().size() != 1 || !format || !out || out->isEmpty()) return cliUsage(kUsage);
    if (!cliApplyCodePage(a)) return kExitUsage;
    static const QStringList formats = {"txt",  "html", "rtf", "doc", "pdf", "bmp",
                                        "jpeg", "gif",  "ico", "png", "edf"};
    const QString f = format->toLower();
    if (!formats.contains(f)) return cliUsage(kUsage);
    if (f != QLatin1String("pdf")) {
        cliError(QStringLiteral("export: the %1 output is not available yet").arg(f));
        return kExitFailure;
    }
    const QString docPath = a.positional().first();
    const std::optional<QString> data = a.value(QStringLiteral("--data"));
    if (!cliOutputIsNew(*out, {docPath, data.value_or(QString())})) return kExitFailure;
    const QString pdfPath = QFileInfo(*out).absoluteFilePath();
    const bool keepPictures = a.flag(QStringLiteral("--keep-pictures"));
    VDoc doc;
    if (!cliLoadDocument(docPath, doc)) return kExitFailure;
    if (!data)
        return reportPdf(
            ExportReportPdf(doc, pdfPath, InterfaceCodePage(), QStringLiteral("Tessaly"), keepPictures));

    // DOC is the design; its report is exported page by page while the data is read.
    PdfFileSink pdf(doc, pdfPath, InterfaceCodePage(), keepPictures);
    VDoc report;
    QString reason;
    if (!ReadDataFile(*data, doc, report, &pdf, &reason)) {
        cliDataError(*data, reason);
        return kExitFailure;
    }
    const PdfExportResult r = pdf.Finish(report);
    if (!r && r.message == QLatin1String("The report has no pages")) {
        cliError(QStringLiteral("the report has no pages; %1 was not written").arg(*out));
        return kExitFailure;
    }
    return reportPdf(r);
}

} // namespace

TESSALY_CLI_COMMAND("export", kUsage, runExport);
