#include "files/atomic_file.h"

#include "files/file_checks.h"
#include "files/source_date.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>

#include <QMutex>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// The process umask without changing it: umask() would race with files other threads create.
mode_t processUmask()
{
    static const mode_t mask = [] {
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly))
            while (!status.atEnd()) {
                const QByteArray line = status.readLine();
                if (line.startsWith("Umask:")) return mode_t(line.mid(6).trimmed().toUInt(nullptr, 8));
            }
        return mode_t(022);
    }();
    return mask;
}

// Temporaries are named ".tessaly-<host>-<pid>-XXXXXX": short whatever the target's name (a
// name the file system just accepts must still work), and telling which process made them. The
// host part keeps a folder shared over the network from losing another machine's temporaries.
QByteArray hostTag()
{
    static const QByteArray tag = [] {
        char name[256] = {};
        ::gethostname(name, sizeof name - 1);
        return QByteArray::number(qChecksum(QByteArrayView(name, qsizetype(qstrlen(name)))), 16)
            .rightJustified(4, '0');
    }();
    return tag;
}

// A temporary of this host whose process is gone: what a crash or a kill left behind.
bool isStaleTemporary(const QByteArray &name)
{
    const QByteArray prefix = AtomicTemporaryPrefix();
    if (!name.startsWith(prefix)) return false;
    const QByteArray rest = name.mid(prefix.size());
    const int dash = rest.indexOf('-');
    if (dash <= 0 || rest.size() - dash - 1 != 6) return false;
    bool ok = false;
    const qint64 pid = rest.left(dash).toLongLong(&ok);
    if (!ok || pid <= 0 || pid > INT_MAX || pid == ::getpid()) return false;
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

// Removes stale temporaries from folder, once per folder and process: a writer that died while
// this process runs leaves at most its own, for the next run to remove.
void removeStaleTemporaries(const QString &folder)
{
    static QMutex mutex;
    static QSet<QString> cleaned;
    {
        const QMutexLocker lock(&mutex);
        if (cleaned.contains(folder)) return;
        cleaned.insert(folder);
    }
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir) return;
    const int fd = ::dirfd(dir);
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        struct stat s {
        };
        if (!isStaleTemporary(name) || ::fstatat(fd, entry->d_name, &s, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(s.st_mode) || s.st_uid != ::geteuid())
            continue;
        ::unlinkat(fd, entry->d_name, 0);
    }
    ::closedir(dir);
}
} // namespace

QByteArray AtomicTemporaryPrefix()
{
    return QByteArrayLiteral(".tessaly-") + hostTag() + '-';
}

AtomicFile::AtomicFile(const QString &target) : m_target(target) {}

AtomicFile::~AtomicFile()
{
    discard();
}

void AtomicFile::fail(const QString &reason)
{
    if (m_error.isEmpty()) m_error = QStringLiteral("Cannot write %1: %2").arg(m_target, reason);
}

void AtomicFile::closeDescriptor()
{
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
}

bool AtomicFile::open(OpenMode mode)
{
    m_error.clear();
    if (m_target.isEmpty()) {
        fail(QStringLiteral("no file name"));
        return false;
    }
    // A link is written through, as editors do, so that the link itself survives.
    QFileInfo info(m_target);
    QString path = m_target;
    if (info.isSymLink() && info.exists()) {
        path = info.canonicalFilePath();
        info = QFileInfo(path);
    }
    struct stat existing {
    };
    const bool exists = ::stat(QFile::encodeName(path).constData(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        fail(QStringLiteral("it is not a plain file"));
        return false;
    }
    const QString folder = info.absolutePath();
    removeStaleTemporaries(folder);
    QByteArray pattern = QFile::encodeName(folder) + '/' + AtomicTemporaryPrefix() +
                         QByteArray::number(::getpid()) + "-XXXXXX";
    m_fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (m_fd < 0) {
        fail(SystemErrorText(errno));
        return false;
    }
    m_temporary = QFile::decodeName(pattern);
    ::fchmod(m_fd, exists ? existing.st_mode & 07777 : 0666 & ~processUmask());
    m_final = QFileInfo(path).absoluteFilePath();
    return QIODevice::open(mode | WriteOnly | Unbuffered);
}

namespace
{
constexpr qsizetype kBufferSize = 1 << 16;
} // namespace

qint64 AtomicFile::writeData(const char *data, qint64 size)
{
    if (m_fd < 0 || !m_error.isEmpty()) return -1;
    m_buffer.append(data, size);
    if (m_buffer.size() >= kBufferSize && !flushBuffer()) return -1;
    return size;
}

bool AtomicFile::flushBuffer()
{
    const char *data = m_buffer.constData();
    qint64 done = 0;
    while (m_error.isEmpty() && done < m_buffer.size()) {
        const ssize_t n = ::write(m_fd, data + done, size_t(m_buffer.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0)
            fail(SystemErrorText(errno));
        else
            done += n;
    }
    m_buffer.clear();
    return m_error.isEmpty();
}

bool AtomicFile::commit()
{
    if (m_fd < 0) {
        if (m_error.isEmpty()) fail(QStringLiteral("the file was not opened"));
        return false;
    }
    QIODevice::close();
    flushBuffer();
    stamp();
    // Full disks and network file systems report some failures only when the data is flushed.
    if (m_error.isEmpty() && ::fsync(m_fd) != 0) fail(SystemErrorText(errno));
    if (::close(m_fd) != 0) fail(SystemErrorText(errno));
    m_fd = -1;
    if (m_error.isEmpty() &&
        ::rename(QFile::encodeName(m_temporary).constData(), QFile::encodeName(m_final).constData()) != 0)
        fail(SystemErrorText(errno));
    if (!m_error.isEmpty()) {
        discard();
        return false;
    }
    m_temporary.clear();
    // The rename itself is durable only once the folder is synced.
    const int dir = ::open(QFile::encodeName(QFileInfo(m_final).absolutePath()).constData(),
                           O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool AtomicFile::setAside()
{
    if (m_fd < 0) {
        if (m_error.isEmpty()) fail(QStringLiteral("the file was not opened"));
        return false;
    }
    QIODevice::close();
    if (flushBuffer()) stamp();
    if (::close(m_fd) != 0) fail(SystemErrorText(errno));
    m_fd = -1;
    m_setAside = m_error.isEmpty();
    return m_setAside;
}

void AtomicFile::CommitAll(const std::vector<AtomicFile *> &files)
{
    for (AtomicFile *f : files)
        if (f->m_fd >= 0) f->setAside();
    // One sync of each file system, through a folder on it, and one of each folder after the
    // renames.
    struct Folder {
        QString path;
        int fd = -1;
        dev_t device = 0;
        QString failure; // of its file system's sync
    };
    std::vector<Folder> folders;
    std::vector<size_t> folderOf(files.size());
    for (size_t i = 0; i < files.size(); ++i) {
        if (!files[i]->m_setAside) continue;
        const QString path = QFileInfo(files[i]->m_final).absolutePath();
        auto it =
            std::find_if(folders.begin(), folders.end(), [&](const Folder &f) { return f.path == path; });
        if (it == folders.end()) {
            Folder folder;
            folder.path = path;
            folder.fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            struct stat s {
            };
            if (folder.fd >= 0 && ::fstat(folder.fd, &s) == 0) {
                folder.device = s.st_dev;
                auto same = std::find_if(folders.begin(), folders.end(),
                                         [&](const Folder &f) { return f.fd >= 0 && f.device == s.st_dev; });
                if (same != folders.end())
                    folder.failure = same->failure;
                else if (::syncfs(folder.fd) != 0)
                    folder.failure = SystemErrorText(errno);
            }
            folders.push_back(folder);
            it = folders.end() - 1;
        }
        folderOf[i] = size_t(it - folders.begin());
    }
    for (size_t i = 0; i < files.size(); ++i) {
        AtomicFile *f = files[i];
        if (f->m_fd < 0 && !f->m_setAside && f->m_temporary.isEmpty() && f->m_error.isEmpty())
            f->fail(QStringLiteral("the file was not opened"));
        if (f->m_setAside && !folders[folderOf[i]].failure.isEmpty()) f->fail(folders[folderOf[i]].failure);
        if (f->m_error.isEmpty() && f->m_setAside &&
            ::rename(QFile::encodeName(f->m_temporary).constData(),
                     QFile::encodeName(f->m_final).constData()) != 0)
            f->fail(SystemErrorText(errno));
        f->m_setAside = false;
        if (!f->m_error.isEmpty()) {
            f->discard();
            continue;
        }
        f->m_temporary.clear();
    }
    for (const Folder &folder : folders)
        if (folder.fd >= 0) {
            ::fsync(folder.fd);
            ::close(folder.fd);
        }
}

void AtomicFile::stamp()
{
    // Every PDF passes here, whichever writer made it.
    if (m_error.isEmpty() && ReproducibleOutput() && !StampReproduciblePdf(m_fd, OutputTime()))
        fail(SystemErrorText(errno));
}

void AtomicFile::discard()
{
    m_buffer.clear();
    m_setAside = false;
    if (isOpen()) QIODevice::close();
    closeDescriptor();
    if (!m_temporary.isEmpty()) ::unlink(QFile::encodeName(m_temporary).constData());
    m_temporary.clear();
}

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    AtomicFile file(path);
    const bool ok = file.open() && file.write(bytes) == bytes.size() && file.commit();
    if (!ok && error) *error = file.error();
    return ok;
}

bool SaveImageAtomically(const QString &path, const QImage &image, const char *format, int quality,
                         QString *error)
{
    AtomicFile file(path);
    bool ok = file.open();
    if (ok) {
        QImageWriter writer(&file, format);
        if (quality >= 0) writer.setQuality(quality);
        ok = writer.write(image);
        if (!ok && file.error().isEmpty()) {
            // The encoder's own reason when the disk did not fail.
            const QString reason = writer.errorString();
            file.discard();
            if (error) *error = QStringLiteral("Cannot write %1: %2").arg(path, reason);
            return false;
        }
        ok = ok && file.commit();
    }
    if (!ok && error) *error = file.error();
    return ok;
}
