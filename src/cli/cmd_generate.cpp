#include "cli/cli_command.h"
#include "cli/cli_util.h"

#include "files/design_file.h"
#include "model/v_doc.h"
#include "report/convert_pdf_sink.h"
#include "report/report_generation.h"
#include "report/report_outputs.h"

#include <QFileInfo>

#include <unistd.h>

namespace
{
const char *const kUsage =
    "generate DESIGN DATA [-o REPORT] [--outdir DIR] [--code-page 1251|1252|1254] [--keep-pictures]\n"
    "         [--shard K/N] [--skip-existing] [--jobs N]\n"
    "  a convert file writes the PDFs it names (under --outdir DIR when given; --keep-pictures\n"
    "  leaves their label pictures beside them) on --jobs N threads, one per core by default;\n"
    "  -o REPORT writes the report file.\n"
    "  --shard K/N writes only the documents whose 0-based index i has i mod N = K-1;\n"
    "  --skip-existing leaves every output that is already a complete PDF";

int runGenerate(const QStringList &args)
{
    CliArgs a(args,
              {QStringLiteral("-o"), QStringLiteral("--outdir"), QLatin1String(kCodePageOption),
               QStringLiteral("--shard"), QStringLiteral("--jobs")},
              {QStringLiteral("--keep-pictures"), QStringLiteral("--skip-existing")});
    if (const QString problem = a.problem({QStringLiteral("DESIGN"), QStringLiteral("DATA")});
        !problem.isEmpty())
        return cliUsage(kUsage, problem);
    if (!cliApplyCodePage(a)) return cliUsage(kUsage);
    int jobs = -1;
    if (!cliParseInt(a.value(QStringLiteral("--jobs")), 1, kMaxJobs, &jobs))
        return cliUsage(kUsage, QStringLiteral("--jobs takes 1 to %1").arg(kMaxJobs));
    const QString designPath = a.positional().at(0);
    const QString dataPath = a.positional().at(1);
    const std::optional<QString> out = a.value(QStringLiteral("-o"));
    const bool convert = IsConvertFile(dataPath);
    if ((!out && !convert) || (out && out->isEmpty()))
        return cliUsage(kUsage, QStringLiteral("-o REPORT is needed unless DATA is a convert file"));
    if (out && !cliOutputIsNew(*out, {designPath, dataPath})) return kExitFailure;
    ConvertShard shard;
    if (const std::optional<QString> text = a.value(QStringLiteral("--shard"))) {
        if (const QString problem = ConvertShard::Parse(*text, &shard); !problem.isEmpty()) {
            cliError(problem);
            return kExitFailure;
        }
    }
    const bool skipExisting = a.flag(QStringLiteral("--skip-existing"));
    if (!convert && (a.value(QStringLiteral("--shard")) || skipExisting)) {
        cliError(QStringLiteral("--shard and --skip-existing are for convert files, and %1 is none")
                     .arg(dataPath));
        return kExitFailure;
    }
    // A convert file's names come from whoever wrote the data: --outdir keeps them in one folder.
    const QString outdir = a.value(QStringLiteral("--outdir")).value_or(QString());
    if (a.value(QStringLiteral("--outdir")) && !QFileInfo(outdir).isDir()) {
        cliError(QStringLiteral("--outdir: ") + outdir + QStringLiteral(" is not a folder"));
        return kExitFailure;
    }
    VDoc design;
    if (!cliLoadDocument(designPath, design)) return kExitFailure;

    VDoc report;
    QString reason;
    bool ok = true;
    if (convert) {
        // Each document's PDF; the report file, when asked for, gets the pages no document took.
        ConvertPdfSink::Options options;
        options.writePictureFiles = a.flag(QStringLiteral("--keep-pictures"));
        options.inputs = {designPath, dataPath};
        options.outputFolder = outdir;
        options.shard = shard;
        options.skipExisting = skipExisting;
        options.threads = jobs;
        const bool showProgress = isatty(STDERR_FILENO);
        int written = 0;
        options.message = [&](const QString &message, bool failed) {
            if (failed)
                cliError(message);
            else if (showProgress) // long convert files: say how far they got
                cliError(QString::number(++written) + QStringLiteral(": ") + message);
        };
        ConvertPdfSink pdfs(design, options);
        const bool read = ReadDataFile(dataPath, design, report, &pdfs, &reason);
        ok = pdfs.Finish();
        // A rerun that finishes a batch says how much was left to do.
        if (skipExisting)
            cliError(QStringLiteral("%1 written, %2 already complete and left as they were")
                         .arg(pdfs.Written())
                         .arg(pdfs.Skipped()));
        if (!read) {
            cliDataError(dataPath, reason);
            return kExitFailure;
        }
        if (out) {
            if (report.IsEmpty()) {
                cliError(QStringLiteral("the report has no pages; %1 was not written").arg(*out));
            } else if (const FileResult r = WriteDesignFile(report, *out); !r) {
                cliError(r.error);
                return kExitFailure;
            }
        }
        return ok ? kExitOk : kExitFailure;
    }

    ReportFileSink file(*out);
    if (!ReadDataFile(dataPath, design, report, &file, &reason)) {
        if (!file.StopReason().isEmpty())
            cliError(file.StopReason());
        else
            cliDataError(dataPath, reason);
        return kExitFailure;
    }
    const FileResult r = file.Finish(report);
    if (!r) {
        cliError(r.error);
        return kExitFailure;
    }
    return kExitOk;
}
} // namespace

TESSALY_CLI_COMMAND("generate", kUsage, runGenerate);
