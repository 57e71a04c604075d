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

ConvertOutput PrepareConvertOutput(const QString &name, const QString &folder, ConvertFolders *known)
{
    ConvertFolders once;
    ConvertFolders &folders = known ? *known : once;
    ConvertOutput out;
    if (!name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        out.refusal = QStringLiteral("the name does not end in .pdf");
        return out;
    }
    QString parent;
    if (folder.isEmpty()) {
        out.path = QFileInfo(name).absoluteFilePath();
        parent = QFileInfo(out.path).path();
    } else {
        if (folders.root.isEmpty() || folders.folder != folder) {
            folders = ConvertFolders{folder, QFileInfo(folder).canonicalFilePath(), {}};
            if (!folders.root.isEmpty() && !QFileInfo(folders.root).isDir()) folders.root.clear();
        }
        const QString &root = folders.root;
        if (root.isEmpty()) {
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
        parent = QFileInfo(out.path).path();
        // A symbolic link on the way may lead anywhere: what exists of the path must resolve inside.
        if (!folders.ready.contains(parent) && !inside(existingCanonical(parent), root)) {
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
    if (folders.ready.contains(parent)) return out;
    if (!QDir().mkpath(parent))
        out.refusal = QStringLiteral("its folder cannot be created");
    else
        folders.ready.insert(parent);
    return out;
}
