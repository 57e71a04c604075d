#include "cli/cli_util.h"

#include "files/design_file.h"
#include "files/file_checks.h"
#include "model/code_page.h"
#include "model/v_doc.h"
#include "report/report_generation.h"

#include "cli/cli_command.h"

#include <cstdio>

CliArgs::CliArgs(const QStringList &args, const QStringList &valueOptions, const QStringList &flagOptions)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (valueOptions.contains(a)) {
            if (i + 1 >= args.size()) {
                m_error = QStringLiteral("option ") + a + QStringLiteral(" needs a value");
                return;
            }
            m_valueNames << a;
            m_values << args[++i];
        } else if (flagOptions.contains(a)) {
            m_flags << a;
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            m_error = QStringLiteral("unknown option ") + a;
            return;
        } else {
            m_positional << a;
        }
    }
}

std::optional<QString> CliArgs::value(const QString &option) const
{
    const int i = m_valueNames.lastIndexOf(option);
    if (i < 0) return std::nullopt;
    return m_values[i];
}

QString CliArgs::problem(const QStringList &operands, const QStringList &required) const
{
    if (!m_error.isEmpty()) return m_error;
    if (m_positional.size() < operands.size())
        return QStringLiteral("missing ") + operands.mid(m_positional.size()).join(QLatin1Char(' '));
    if (m_positional.size() > operands.size())
        return QStringLiteral("unexpected argument: ") + m_positional[operands.size()];
    for (const QString &option : required) {
        const std::optional<QString> v = value(option);
        if (!v) return QStringLiteral("missing option ") + option;
        if (v->isEmpty()) return QStringLiteral("option ") + option + QStringLiteral(" needs a value");
    }
    return QString();
}

void cliError(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

void cliOut(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fputc('\n', stdout);
}

int cliUsage(const char *usage, const QString &problem)
{
    if (!problem.isEmpty()) cliError(problem);
    cliError(QStringLiteral("usage: tessaly-cli ") + QString::fromUtf8(usage));
    return kExitUsage;
}

bool cliLoadDocument(const QString &path, VDoc &doc)
{
    const FileResult r = ReadDesignFile(doc, path);
    for (const QString &warning : r.warnings)
        cliError(QStringLiteral("%1: warning: %2").arg(path, warning));
    if (!r) {
        cliError(QStringLiteral("%1: %2").arg(path, r.error));
        return false;
    }
    return true;
}

void cliDataError(const QString &dataPath, const QString &reason)
{
    cliError(DataErrorMessage(QStringLiteral("Data structure error =>  ") + dataPath, reason));
}

const char *const kCodePageOption = "--code-page";

bool cliApplyCodePage(const CliArgs &args)
{
    const std::optional<QString> value = args.value(QLatin1String(kCodePageOption));
    if (!value) return true;
    if (*value != QLatin1String("1251") && *value != QLatin1String("1252") &&
        *value != QLatin1String("1254")) {
        cliError(QStringLiteral("--code-page takes 1251, 1252 or 1254"));
        return false;
    }
    SetInterfaceCodePage(value->toInt());
    return true;
}

bool cliOutputIsNew(const QString &out, const QStringList &inputs)
{
    const QString refusal = OutputOverwritesInput(out, inputs);
    if (refusal.isEmpty()) return true;
    cliError(refusal);
    return false;
}

bool cliParseInt(const std::optional<QString> &text, int low, int high, int *value)
{
    if (!text) return true;
    bool ok = false;
    const int v = text->toInt(&ok);
    if (!ok || v < low || v > high) return false;
    *value = v;
    return true;
}

int cliFileResult(const FileResult &r)
{
    if (!r) {
        cliError(r.error);
        return kExitFailure;
    }
    for (const QString &warning : r.warnings)
        cliError(warning);
    return r.warnings.isEmpty() ? kExitOk : kExitFailure;
}
