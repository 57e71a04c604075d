#include "test_support.h"

#include "model/v_grf_element.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace testsupport
{

Run runProgram(const QString &program, const QStringList &args, int timeoutMs, const QStringList &env)
{
    QProcess p;
    if (!env.isEmpty()) {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        for (const QString &pair : env)
            e.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
        p.setProcessEnvironment(e);
    }
    p.start(program, args);
    Run r;
    if (!p.waitForStarted(timeoutMs)) {
        r.err = "could not start " + program.toUtf8();
        return r;
    }
    p.closeWriteChannel();
    p.waitForFinished(timeoutMs);
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

Run runCli(const QStringList &args, const QStringList &env)
{
    return runProgram(QStringLiteral(TESSALY_CLI), args, 120000, env);
}

bool haveTool(const QString &name)
{
    return !QStandardPaths::findExecutable(name).isEmpty();
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

} // namespace testsupport

VGrfElement *testsupport::firstOfKind(VGrfElement &root, ElementKind kind)
{
    if (root.Kind() == kind) return &root;
    for (const auto &child : root.ChildList())
        if (VGrfElement *found = firstOfKind(*child, kind)) return found;
    return nullptr;
}

VGrfElement *testsupport::findElement(VGrfElement &root, const QString &name)
{
    if (root.Name() == name) return &root;
    for (const auto &child : root.ChildList())
        if (VGrfElement *found = findElement(*child, name)) return found;
    return nullptr;
}
