#include "cli/cli_command.h"
#include "cli/cli_util.h"

#include "files/data_file.h"
#include "files/data_template.h"
#include "model/code_page.h"
#include "model/v_doc.h"

#include <cstdio>

namespace
{
const char *const kUsage = "template DESIGN [--type 1|2] [-o OUT] [--code-page 1251|1252|1254]";

int runTemplate(const QStringList &args)
{
    CliArgs a(args, {QStringLiteral("--type"), QStringLiteral("-o"), QLatin1String(kCodePageOption)}, {});
    if (!a.ok() || a.positional().size() != 1) return cliUsage(kUsage);
    if (!cliApplyCodePage(a)) return kExitUsage;
    const std::optional<QString> out = a.value(QStringLiteral("-o"));
    if (out && !cliOutputIsNew(*out, a.positional())) return kExitFailure;
    const QString type = a.value(QStringLiteral("--type")).value_or(QStringLiteral("1"));
    if (type != QLatin1String("1") && type != QLatin1String("2")) return cliUsage(kUsage);
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
