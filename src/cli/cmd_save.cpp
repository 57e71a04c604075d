#include "cli/cli_command.h"
#include "cli/cli_util.h"

#include "files/design_file.h"
#include "export/edf_writer.h"
#include "model/v_doc.h"

#include <QFileInfo>

namespace
{
const char *const kUsage =
    "save DOC -o OUT\n"
    "  OUT's extension picks the file: .edt .ebt .edr .ebr (design XML), .edf (print engine)";

int runSave(const QStringList &args)
{
    CliArgs a(args, {QStringLiteral("-o")}, {});
    if (const QString problem = a.problem({QStringLiteral("DOC")}, {QStringLiteral("-o")});
        !problem.isEmpty())
        return cliUsage(kUsage, problem);
    VDoc doc;
    if (!cliLoadDocument(a.positional().first(), doc)) return kExitFailure;
    const QString out = *a.value(QStringLiteral("-o"));
    const QString ext = QFileInfo(out).suffix().toLower();
    if (!QStringList{"edt", "ebt", "edr", "ebr", "xml", "edf"}.contains(ext)) {
        return cliUsage(kUsage, QStringLiteral("-o ") + out + QStringLiteral(": cannot save as .") + ext +
                                    QStringLiteral(" (use .edt, .ebt, .edr, .ebr or .edf)"));
    }
    if (doc.IsEmpty()) {
        cliError(QStringLiteral("the document has no pages; nothing was written"));
        return kExitFailure;
    }
    if (ext == QLatin1String("edf")) {
        if (!cliOutputIsNew(out, {a.positional().first()})) return kExitFailure;
        return cliFileResult(ExportEdf(doc, out));
    }
    const FileResult r = WriteDesignFile(doc, out);
    if (!r) {
        cliError(r.error);
        return kExitFailure;
    }
    return kExitOk;
}
} // namespace

TESSALY_CLI_COMMAND("save", kUsage, runSave);
