#include "cli/cli_command.h"
#include "cli/cli_util.h"

#include "files/design_file.h"
#include "export/edf_writer.h"
#include "model/v_doc.h"

#include <QFileInfo>

namespace
{
int runSave(const QStringList &args)
{
    static const char *usage = "save DOC -o OUT";
    CliArgs a(args, {QStringLiteral("-o")}, {});
    if (!a.ok() || a.positional().size() != 1 || !a.value(QStringLiteral("-o"))) return cliUsage(usage);
    VDoc doc;
    if (!cliLoadDocument(a.positional().first(), doc)) return kExitFailure;
    const QString out = *a.value(QStringLiteral("-o"));
    const QString ext = QFileInfo(out).suffix().toLower();
    if (!QStringList{"edt", "ebt", "edr", "ebr", "xml", "edf"}.contains(ext)) {
        cliError(QStringLiteral("cannot save as .%1 (use .edt, .ebt, .edr, .ebr or .edf)").arg(ext));
        return kExitUsage;
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

TESSALY_CLI_COMMAND("save", "save DOC -o OUT", runSave);
