#include "report/convert_shard.h"

#include <QByteArray>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString ConvertShard::Parse(const QString &text, ConvertShard *shard)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    bool okK = false, okN = false;
    const int k = parts.size() == 2 ? parts[0].toInt(&okK) : 0;
    const int n = parts.size() == 2 ? parts[1].toInt(&okN) : 0;
    if (!okK || !okN) return QStringLiteral("--shard %1: give it as K/N, two whole numbers (2/8)").arg(text);
    if (n < 1 || k < 1 || k > n)
        return QStringLiteral("--shard %1: K must be 1 to N and N at least 1").arg(text);
    shard->number = k;
    shard->count = n;
    return {};
}

bool IsCompletePdf(const QString &path)
{
    // The trailer is at most a few hundred bytes; a valid PDF has %%EOF within its last 1024.
    constexpr off_t kTail = 1024;
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat s {
    };
    bool complete = false;
    if (::fstat(fd, &s) == 0 && S_ISREG(s.st_mode) && s.st_size > 16) {
        char head[5] = {};
        QByteArray tail(int(std::min<off_t>(kTail, s.st_size)), '\0');
        if (::pread(fd, head, sizeof head, 0) == ssize_t(sizeof head) && QByteArray(head, 5) == "%PDF-" &&
            ::pread(fd, tail.data(), size_t(tail.size()), s.st_size - tail.size()) == ssize_t(tail.size())) {
            tail = tail.trimmed();
            complete = tail.endsWith("%%EOF") && tail.contains("startxref");
        }
    }
    ::close(fd);
    return complete;
}
