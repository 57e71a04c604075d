#include "report/convert_output.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
bool inside(const QString &path, const QString &folder)
{
    return path == folder ||
           path.startsWith(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

// The deepest part of path that exists, with every link resolved.
QString existingCanonical(QString path)
{
    for (;;) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        if (!canonical.isEmpty()) return canonical;
        const QString parent = QFileInfo(path).path();
        if (parent == path) return {};
        path = parent;
    }
}
} // namespace

QString ConvertTargetProblem(const QString &path)
{
    struct stat s {
    };
    const QByteArray name = QFile::encodeName(path);
    if (::lstat(name.constData(), &s) != 0) return {};
    if (S_ISLNK(s.st_mode)) return QStringLiteral("it is a symbolic link, which is never written through");
    if (!S_ISREG(s.st_mode)) return QStringLiteral("it exists and is not a plain file");
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return QStringLiteral("it exists and cannot be read to see what it is");
    char head[5] = {};
    const ssize_t got = ::read(fd, head, sizeof head);
    ::close(fd);
    if (got != ssize_t(sizeof head) || QByteArray(head, sizeof head) != "%PDF-")
        return QStringLiteral("it exists and is not a PDF file");
    return {};
}

ConvertOutput PrepareConvertOutput(const QString &name, const QString &folder)
{
    ConvertOutput out;
    if (!name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        out.refusal = QStringLiteral("the name does not end in .pdf");
        return out;
    }
    if (folder.isEmpty()) {
        out.path = QFileInfo(name).absoluteFilePath();
    } else {
        const QString root = QFileInfo(folder).canonicalFilePath();
        if (root.isEmpty() || !QFileInfo(root).isDir()) {
            out.refusal = QStringLiteral("the output folder ") + folder + QStringLiteral(" does not exist");
            return out;
        }
        if (QDir::isAbsolutePath(name) || name.startsWith(QLatin1Char('~'))) {
            out.refusal = QStringLiteral("absolute names are refused with an output folder");
            return out;
        }
        const QString clean = QDir::cleanPath(name);
        if (clean == QLatin1String("..") || clean.startsWith(QLatin1String("../"))) {
            out.refusal = QStringLiteral("the name leaves the output folder ") + folder;
            return out;
        }
        out.path = root + QLatin1Char('/') + clean;
        // A symbolic link on the way may lead anywhere: what exists of the path must resolve inside.
        if (!inside(existingCanonical(QFileInfo(out.path).path()), root)) {
            out.refusal = QStringLiteral("the name leaves the output folder ") + folder +
                          QStringLiteral(" through a symbolic link");
            out.path.clear();
            return out;
        }
    }
    if (QString problem = ConvertTargetProblem(out.path); !problem.isEmpty()) {
        out.refusal = problem;
        return out;
    }
    if (!QDir().mkpath(QFileInfo(out.path).path()))
        out.refusal = QStringLiteral("its folder cannot be created");
    return out;
}
