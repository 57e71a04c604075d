#include "cli/cli_command.h"
#include "cli/cli_util.h"

#include "files/design_file.h"
#include "model/v_doc.h"
#include "report/report_generation.h"

#include <unistd.h>

namespace
{
const char *const kUsage = "generate DESIGN DATA [-o REPORT]";

int runGenerate(const QStringList &args)
{
    CliArgs a(args, {QStringLiteral("-o")}, {});
    if (!a.ok() || a.positional().size() != 2) return cliUsage(kUsage);
    const QString dataPath = a.positional().at(1);
    const std::optional<QString> out = a.value(QStringLiteral("-o"));
    const bool convert = IsConvertFile(dataPath);
    if (!out && !convert) {
        cliError(QStringLiteral("-o REPORT is needed unless DATA is a convert file"));
        return cliUsage(kUsage);
    }
    VDoc design;
    if (!cliLoadDocument(a.positional().first(), design)) return kExitFailure;

    bool pdfFailed = false;
    int written = 0;
    const bool showProgress = isatty(STDERR_FILENO);
    const ConvertPdfWriter defaultWriter = DefaultConvertPdfWriter();
    const ConvertPdfWriter writePdf = [&](VDoc &report, const QString &pdfPath) {
        const bool ok = defaultWriter(report, pdfPath);
        if (ok && showProgress) // long convert files: say how far they got
            cliError(QStringLiteral("%1: %2").arg(++written).arg(pdfPath));
        if (!ok) {
            cliError(QStringLiteral("cannot write %1").arg(pdfPath));
            pdfFailed = true;
        }
        return ok;
    };
    VDoc report;
    if (!ReadDataFile(dataPath, design, report, writePdf)) {
        cliError(QStringLiteral("Data structure error =>  ") + dataPath);
        return kExitFailure;
    }
    if (out) {
        if (report.IsEmpty()) {
            cliError(QStringLiteral("the report has no pages; %1 was not written").arg(*out));
            return convert && !pdfFailed ? kExitOk : kExitFailure;
        }
        const FileResult r = WriteDesignFile(report, *out);
        if (!r) {
            cliError(r.error);
            return kExitFailure;
        }
    }
    return pdfFailed ? kExitFailure : kExitOk;
}
} // namespace

TESSALY_CLI_COMMAND("generate", kUsage, runGenerate);
