#include "files/plain_file.h"

#include "files/file_checks.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// Closes the descriptor on every way out.
struct Descriptor {
    int fd;
    ~Descriptor()
    {
        if (fd >= 0) ::close(fd);
    }
};
} // namespace

bool ReadPlainFile(const QString &path, qint64 maxBytes, QByteArray &bytes, QString &error)
{
    bytes.clear();
    // Not blocking: opening a pipe with no writer would otherwise wait for one for ever. The type
    // is taken from the open descriptor, so a name swapped after a check cannot slip through.
    const Descriptor file{::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0) {
        error = QStringLiteral("The system cannot open the file ") + path + QStringLiteral(": ") +
                SystemErrorText(errno);
        return false;
    }
    struct stat s {
    };
    if (::fstat(file.fd, &s) != 0 || !S_ISREG(s.st_mode)) {
        error = path + QStringLiteral(" is not a plain file");
        return false;
    }
    const QString tooLarge =
        path + QStringLiteral(" is larger than ") + QString::number(maxBytes >> 20) + QStringLiteral(" MiB");
    if (s.st_size > maxBytes) {
        error = tooLarge;
        return false;
    }
    // The file may still grow while it is read: read one byte past the limit to see it.
    bytes.resize(qsizetype(s.st_size) + 1);
    qint64 done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (done > maxBytes) {
                bytes.clear();
                error = tooLarge;
                return false;
            }
            bytes.resize(qsizetype(std::min<qint64>(maxBytes + 1, done * 2 + 4096)));
        }
        const ssize_t n = ::read(file.fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            error = QStringLiteral("The system cannot read the file ") + path + QStringLiteral(": ") +
                    SystemErrorText(errno);
            bytes.clear();
            return false;
        }
        if (n == 0) break;
        done += n;
    }
    bytes.resize(qsizetype(done));
    return true;
}
