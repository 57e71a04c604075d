#include "test_support.h"

#include "files/plain_file.h"
#include "model/v_grf_element.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <sys/stat.h>

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

std::vector<std::pair<QString, QString>> unreadablePictureFiles(const QTemporaryDir &dir)
{
    const QString fifo = dir.filePath("pipe.bmp"), folder = dir.filePath("folder.jpg"), big = dir.filePath("big.png");
    ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
    QDir().mkdir(folder);
    QFile sparse(big);
    if (sparse.open(QIODevice::WriteOnly)) sparse.resize(kMaxPictureFileBytes + 1);
    return {{"/dev/zero", "/dev/zero is not a plain file"},
            {fifo, fifo + " is not a plain file"},
            {folder, folder + " is not a plain file"},
            {big, big + " is larger than 64 MiB"}};
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
