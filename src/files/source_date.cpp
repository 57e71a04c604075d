#include "files/source_date.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QHashFunctions>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const qint64 *epoch()
{
    static const struct Epoch {
        bool set = false;
        qint64 seconds = 0;
    } value = [] {
        Epoch e;
        const QByteArray text = qgetenv("SOURCE_DATE_EPOCH").trimmed();
        e.seconds = text.toLongLong(&e.set);
        e.set = e.set && e.seconds >= 0;
        return e;
    }();
    return value.set ? &value.seconds : nullptr;
}

// The writer puts Info's dates near the start and the trailer within the last kilobyte.
constexpr qsizetype kHead = 64 * 1024;
constexpr qsizetype kTail = 1024;

bool readAt(int fd, QByteArray &bytes, off_t at)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + done, size_t(bytes.size() - done), at + done);
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

bool writeAt(int fd, const QByteArray &bytes, off_t at)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), at + done);
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

// "(D:YYYYMMDDHHmmSS" and what follows up to ")": the digits get the output time; an offset
// from UTC ("+01'00'") becomes zero, "Z" stays; the length never changes.
void stampDates(QByteArray &head, const char *key, const QByteArray &date)
{
    const QByteArray open = QByteArray(key) + " (D:";
    for (qsizetype at = head.indexOf(open); at >= 0; at = head.indexOf(open, at + 1)) {
        const qsizetype digits = at + open.size();
        const qsizetype close = head.indexOf(')', digits);
        if (close < 0) return;
        for (qsizetype i = digits; i < close; ++i) {
            const qsizetype k = i - digits;
            char &c = head[i];
            if (k < date.size() && c >= '0' && c <= '9')
                c = date[k];
            else if (k >= date.size() && c >= '0' && c <= '9')
                c = '0';
            else if (k >= date.size() && c == '-')
                c = '+';
        }
    }
}
} // namespace

void StampPdfDates(QByteArray &bytes, const QDateTime &time)
{
    const QByteArray date = time.toUTC().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    stampDates(bytes, "/CreationDate", date);
    stampDates(bytes, "/ModDate", date);
}

bool ReproducibleOutput()
{
    return epoch() != nullptr;
}

void SetUpReproducibleOutput()
{
    if (ReproducibleOutput()) QHashSeed::setDeterministicGlobalSeed();
}

QDateTime OutputTime()
{
    if (const qint64 *seconds = epoch()) return QDateTime::fromSecsSinceEpoch(*seconds, Qt::UTC);
    return QDateTime::currentDateTimeUtc();
}

bool StampReproduciblePdf(int fd, const QDateTime &time)
{
    struct stat s {
    };
    if (::fstat(fd, &s) != 0) return false;
    QByteArray head(qsizetype(std::min<off_t>(kHead, s.st_size)), '\0');
    if (!readAt(fd, head, 0)) return false;
    if (!head.startsWith("%PDF-")) return true;
    const QByteArray before = head;
    StampPdfDates(head, time);
    if (head != before && !writeAt(fd, head, 0)) return false;

    // "/ID [<hex> <hex>]": both become the digest of the file up to the trailer.
    const off_t tailAt = s.st_size - std::min<off_t>(kTail, s.st_size);
    QByteArray tail(qsizetype(s.st_size - tailAt), '\0');
    if (!readAt(fd, tail, tailAt)) return false;
    const qsizetype trailer = tail.lastIndexOf("trailer");
    const qsizetype id = tail.indexOf("/ID", std::max<qsizetype>(0, trailer));
    if (trailer < 0 || id < 0) return true;
    QCryptographicHash digest(QCryptographicHash::Md5);
    QByteArray chunk;
    for (off_t at = 0; at < tailAt + trailer; at += chunk.size()) {
        chunk.resize(qsizetype(std::min<off_t>(1 << 20, tailAt + trailer - at)));
        if (!readAt(fd, chunk, at)) return false;
        digest.addData(chunk);
    }
    const QByteArray hex = digest.result().toHex();
    const qsizetype end = tail.indexOf(']', id);
    if (end < 0) return true;
    qsizetype k = 0;
    bool inString = false;
    for (qsizetype i = id; i < end; ++i) {
        char &c = tail[i];
        if (c == '<' || c == '>') {
            inString = c == '<';
            k = 0;
        } else if (inString && std::isxdigit(static_cast<unsigned char>(c))) {
            c = hex[k++ % hex.size()];
        }
    }
    return writeAt(fd, tail.mid(id, end - id), tailAt + id);
}
