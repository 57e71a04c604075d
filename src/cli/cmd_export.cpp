#include "cli/cli_command.h"
#include "cli/cli_util.h"

#include "export/pdf_export.h"
#include "model/code_page.h"
#include "model/v_doc.h"
#include "report/report_generation.h"

#include <QFileInfo>

namespace
{

const char *const kUsage =
    "export DOC [--data DATA] --format txt|html|rtf|doc|pdf|bmp|jpeg|gif|ico|png|edf -o OUT "
    "[--new-page-char] [--eof-char]";

int exportPdf(VDoc &doc, const QString &out)
{
    QString error;
    if (!ExportReportPdf(doc, QFileInfo(out).absoluteFilePath(), InterfaceCodePage(),
                         QStringLiteral("Tessaly"), &error)) {
        cliError(error);
        return kExitFailure;
    }
    return kExitOk;
}

int runExport(const QStringList &args)
{
    CliArgs a(args, {QStringLiteral("--data"), QStringLiteral("--format"), QStringLiteral("-o")},
              {QStringLiteral("--new-page-char"), QStringLiteral("--eof-char")});
    const auto format = a.value(QStringLiteral("--format"));
    const auto out = a.value(QStringLiteral("-o"));
    if (!a.ok() || a.positional().size() != 1 || !format || !out || out->isEmpty()) return cliUsage(kUsage);
    static const QStringList formats = {"txt",  "html", "rtf", "doc", "pdf", "bmp",
                                        "jpeg", "gif",  "ico", "png", "edf"};
    const QString f = format->toLower();
    if (!formats.contains(f)) return cliUsage(kUsage);
    VDoc doc;
    if (!cliLoadDocument(a.positional().first(), doc)) return kExitFailure;
    VDoc report;
    VDoc *source = &doc;
    if (const auto data = a.value(QStringLiteral("--data"))) {
        // DOC is the design; the export takes the report merged from DATA.
        if (!ReadDataFile(*data, doc, report)) {
            cliError(QStringLiteral("Data structure error =>  ") + *data);
            return kExitFailure;
        }
        if (report.IsEmpty()) {
            cliError(QStringLiteral("the report has no pages; %1 was not written").arg(*out));
            return kExitFailure;
        }
        source = &report;
    }
    if (f == QLatin1String("pdf")) return exportPdf(*source, *out);
    cliError(QStringLiteral("export: the %1 output is not available yet").arg(f));
    return kExitFailure;
}

} // namespace

TESSALY_CLI_COMMAND("export", kUsage, runExport);
