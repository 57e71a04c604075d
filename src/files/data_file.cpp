#include "files/data_file.h"

#include "files/atomic_file.h"
#include "model/code_page.h"

#include <QFile>
#include <cstring>
#include <limits>

namespace
{
QByteArray encodingName(int codePage)
{
    return "windows-" + QByteArray::number(codePage);
}

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}
} // namespace

DataLineReader::DataLineReader(QIODevice &device, int codePage)
    : m_device(device), m_decoder(encodingName(codePage).constData())
{
}

DataLineReader::DataLineReader(QIODevice &device) : DataLineReader(device, InterfaceCodePage()) {}

void DataLineReader::fill()
{
    if (m_eof || m_failed || m_end - m_begin == kWindow) return;
    if (m_begin > 0) {
        std::memmove(m_buffer, m_buffer + m_begin, size_t(m_end - m_begin));
        m_end -= m_begin;
        m_begin = 0;
    }
    while (m_end < kWindow) {
        const qint64 n = m_device.read(m_buffer + m_end, kWindow - m_end);
        if (n < 0) {
            m_failed = true;
            return;
        }
        if (n == 0) {
            m_eof = true;
            return;
        }
        m_end += int(n);
    }
}

namespace
{
// First CR immediately followed by LF in [start, stop), or null.
const char *findCrLf(const char *start, const char *stop)
{
    const char *cr = start;
    while ((cr = static_cast<const char *>(std::memchr(cr, '\r', size_t(stop - cr))))) {
        if (cr + 1 < stop && cr[1] == '\n') return cr;
        ++cr;
    }
    return nullptr;
}
} // namespace

QString DataLineReader::ReadLine()
{
    // A CR LF among the bytes already held is also the first one of the full window, so the
    // window is only topped up (one read for many lines) when none is held.
    const char *cr = findCrLf(m_buffer + m_begin, m_buffer + m_end);
    if (!cr) {
        fill();
        if (m_failed) return QStringLiteral("EOF");
        if (m_begin == m_end) return {};
        cr = findCrLf(m_buffer + m_begin, m_buffer + m_end);
    }
    if (!cr) {
        // No line end inside the window: these bytes are lost.
        m_bareLineFeed |= std::memchr(m_buffer + m_begin, '\n', size_t(m_end - m_begin)) != nullptr;
        m_begin = m_end;
        return {};
    }
    m_bareLineFeed |= std::memchr(m_buffer + m_begin, '\n', size_t(cr - (m_buffer + m_begin))) != nullptr;
    const char *first = m_buffer + m_begin;
    const char *last = cr;
    while (first < last && isBlank(*first))
        ++first;
    while (last > first && isBlank(last[-1]))
        --last;
    m_begin = int(cr + 2 - m_buffer);
    const QByteArrayView bytes(first, last - first);
    if (!m_decoder.isValid()) return QString::fromLatin1(bytes);
    return m_decoder.decode(bytes);
}

bool GetAttribute(const QString &name, const QString &line, QString &value)
{
    const qsizetype at = line.indexOf(name);
    if (at < 0) return false;
    value.clear();
    const qsizetype open = line.indexOf(QLatin1Char('"'), at + name.size());
    if (open < 0) return true;
    const qsizetype close = line.indexOf(QLatin1Char('"'), open + 1);
    value = close < 0 ? line.mid(open + 1) : line.mid(open + 1, close - open - 1);
    return true;
}

bool ParseDataInt(const QString &text, int &value)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == text.size()) return false;
    qint64 n = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
        n = n * 10 + (c.unicode() - '0');
        if (n > qint64(std::numeric_limits<int>::max()) + 1) return false;
    }
    if (negative) n = -n;
    if (n > std::numeric_limits<int>::max() || n < std::numeric_limits<int>::min()) return false;
    value = int(n);
    return true;
}

FieldLine ParseFieldLine(const QString &line, int &number, QString &value)
{
    const qsizetype tag = line.indexOf(QLatin1String("<f"));
    if (tag < 0) return FieldLine::Malformed;
    const qsizetype eq = line.indexOf(QLatin1Char('='), tag + 2);
    if (eq < 0 || !ParseDataInt(line.mid(tag + 2, eq - tag - 2), number)) return FieldLine::BadNumber;
    const qsizetype start = eq + 2;
    const qsizetype end = start <= line.size() ? line.indexOf(QLatin1String("\"/>"), start) : -1;
    if (end < 0) return FieldLine::Malformed;
    value = line.mid(start, end - start);
    return FieldLine::Valid;
}

QByteArray EncodeDataLines(const QStringList &lines, int codePage)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += EncodeAnsi(line, codePage);
        bytes += "\r\n";
    }
    return bytes;
}

bool WriteDataLines(const QStringList &lines, const QString &path, int codePage, QString *error)
{
    return WriteFileAtomically(path, EncodeDataLines(lines, codePage), error);
}

bool WriteDataLines(const QStringList &lines, const QString &path, QString *error)
{
    return WriteDataLines(lines, path, InterfaceCodePage(), error);
}
