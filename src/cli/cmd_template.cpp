#include "cli/cli_command.h"
#include "cli/cli_util.h"

#include "files/data_file.h"
#include "files/data_template.h"
#include "model/code_page.h"
#include "model/v_doc.h"

#include <cstdio>

namespace
{
const char *const kUsage = "template DESIGN [--type 1|2] [-o OUT] [--code-page 1251|1252|1254]\n"
                           "  the data template of the design (type 1 normal, 2 repeating) to OUT or stdout";

int runTemplate(const QStringList &args)
{
    CliArgs a(args, {QStringLiteral("--type"), QStringLiteral("-o"), QLatin1String(kCodePageOption)}, {});
    if (const QString problem = a.problem({QStringLiteral("DESIGN")}); !problem.isEmpty())
        return cliUsage(kUsage, problem);
    if (!cliApplyCodePage(a)) return cliUsage(kUsage);
    const std::optional<QString> out = a.value(QStringLiteral("-o"));
    if (out && !cliOutputIsNew(*out, a.positional())) return kExitFailure;
    const QString type = a.value(QStringLiteral("--type")).value_or(QStringLiteral("1"));
    if (type != QLatin1String("1") && type != QLatin1String("2"))
        return cliUsage(kUsage,
                        QStringLiteral("--type takes 1 (normal data) or 2 (repeating design), not ") + type);
    VDoc design;
    if (!cliLoadDocument(a.positional().first(), design)) return kExitFailure;
    QStringList lines;
    QStringList unwritable;
    WriteDataTemplate(design, lines, type.toInt(), &unwritable);
    // A template that silently lacks elements would look complete: nothing is written.
    if (!unwritable.isEmpty()) {
        for (const QString &problem : unwritable)
            cliError(problem);
        cliError(QStringLiteral("no template written; rename these in the design"));
        return kExitFailure;
    }
    if (!out) {
        // The same bytes a file would get, so that a redirected template reads back.
        const QByteArray bytes = EncodeDataLines(lines, InterfaceCodePage());
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        return kExitOk;
    }
    QString error;
    if (!WriteDataLines(lines, *out, &error)) {
        cliError(error);
        return kExitFailure;
    }
    return kExitOk;
}
} // namespace

TESSALY_CLI_COMMAND("template", kUsage, runTemplate);
