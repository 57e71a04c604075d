#include "files/file_checks.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

QString SystemErrorText(int error)
{
    char buffer[256];
    // The GNU form returns the text, which need not be in buffer.
    return QString::fromLocal8Bit(strerror_r(error, buffer, sizeof buffer));
}

bool IsSameFile(const QString &a, const QString &b)
{
    struct stat sa {
    }, sb{};
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0) return false;
    if (::stat(QFile::encodeName(b).constData(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

QString OutputOverwritesInput(const QString &out, const QStringList &inputs)
{
    for (const QString &input : inputs)
        if (!input.isEmpty() && IsSameFile(out, input))
            return QStringLiteral("%1 is the same file as the input %2; choose another output file")
                .arg(out, input);
    return {};
}

QString PlainFileProblem(const QString &path)
{
    struct stat s {
    };
    if (::stat(QFile::encodeName(path).constData(), &s) != 0)
        return QStringLiteral("The system cannot open the file %1: %2").arg(path, SystemErrorText(errno));
    if (!S_ISREG(s.st_mode)) return QStringLiteral("%1 is not a plain file").arg(path);
    return {};
}
