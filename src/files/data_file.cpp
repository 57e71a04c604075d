#include "files/data_file.h"

#include "files/atomic_file.h"
#include "model/code_page.h"

#include <QFile>
#include <algorithm>
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

namespace
{
constexpr qsizetype kChunk = 64 * 1024;

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

// Appends the next chunk of the device; false at its end or when it fails.
bool DataLineReader::fill()
{
    if (m_eof || m_failed) return false;
    if (m_begin > 0) {
        m_buffer.remove(0, m_begin);
        m_scanned -= m_begin;
        m_begin = 0;
    }
    const qsizetype held = m_buffer.size();
    // A long line grew the buffer; the lines after it need no more than a few chunks.
    if (held < kChunk && m_buffer.capacity() > 8 * kChunk) m_buffer.squeeze();
    m_buffer.resize(held + kChunk);
    const qint64 n = m_device.read(m_buffer.data() + held, kChunk);
    m_buffer.resize(held + std::max<qint64>(n, 0));
    if (n < 0) m_failed = true;
    // Known at once, so that the last line is not followed by an empty one.
    if (n <= 0 || m_device.atEnd()) m_eof = true;
    return n > 0;
}

void DataLineReader::noteLineFeeds(qsizetype from, qsizetype to)
{
    if (!m_bareLineFeed && to > from)
        m_bareLineFeed = std::memchr(m_buffer.constData() + from, '\n', size_t(to - from)) != nullptr;
}

QString DataLineReader::ReadLine()
{
    m_tooLong = false;
    for (;;) {
        const char *data = m_buffer.constData();
        const char *cr = findCrLf(data + m_scanned, data + m_buffer.size());
        if (cr) {
            const qsizetype end = cr - data;
            noteLineFeeds(m_begin, end);
            const char *first = data + m_begin;
            const char *last = cr;
            const bool tooLong = m_skipping || last - first > kMaxLineBytes;
            m_begin = m_scanned = end + 2;
            if (tooLong) {
                m_skipping = false;
                m_tooLong = true;
                return {};
            }
            while (first < last && isBlank(*first))
                ++first;
            while (last > first && isBlank(last[-1]))
                --last;
            const QByteArrayView bytes(first, last - first);
            if (!m_decoder.isValid()) return QString::fromLatin1(bytes);
            return m_decoder.decode(bytes);
        }
        // A CR at the very end may pair with the LF that the next chunk starts with.
        m_scanned = std::max(m_begin, m_buffer.size() - 1);
        // Over the limit (its CR may be held too): keep nothing of the line but that last byte.
        if (m_skipping || m_buffer.size() - m_begin > kMaxLineBytes + 1) {
            noteLineFeeds(m_begin, m_scanned);
            m_begin = m_scanned;
            m_skipping = true;
        }
        if (!fill()) {
            if (m_failed) return QStringLiteral("EOF");
            // Bytes without a CR LF after them never make a line.
            noteLineFeeds(m_begin, m_buffer.size());
            m_begin = m_scanned = m_buffer.size();
            m_tooLong = m_skipping;
            m_skipping = false;
            return {};
        }
    }
}

namespace
{
bool startsWithTag(QStringView line, QLatin1StringView tag)
{
    if (!line.startsWith(tag)) return false;
    if (line.size() == tag.size()) return true;
    const QChar next = line[tag.size()];
    return next.unicode() <= ' ' || next == QLatin1Char('>') || next == QLatin1Char('/');
}

bool isBlankChar(QChar c)
{
    return c.unicode() <= ' ';
}
} // namespace

DataTag LeadingTag(QStringView line)
{
    if (line.size() < 2 || line[0] != QLatin1Char('<')) return DataTag::Other;
    if (line[1] == QLatin1Char('/')) {
        static const std::pair<QLatin1StringView, DataTag> ends[] = {
            {QLatin1StringView("</Data>"), DataTag::DataEnd},
            {QLatin1StringView("</Page>"), DataTag::PageEnd},
            {QLatin1StringView("</Document>"), DataTag::DocumentEnd},
            {QLatin1StringView("</ConvertFile>"), DataTag::ConvertEnd},
        };
        for (const auto &[tag, kind] : ends)
            if (line.startsWith(tag)) return kind;
        return DataTag::Other;
    }
    static const std::pair<QLatin1StringView, DataTag> starts[] = {
        {QLatin1StringView("<Data"), DataTag::DataStart},
        {QLatin1StringView("<Page"), DataTag::PageStart},
        {QLatin1StringView("<Document"), DataTag::DocumentStart},
        {QLatin1StringView("<ConvertFile"), DataTag::ConvertStart},
    };
    for (const auto &[tag, kind] : starts)
        if (startsWithTag(line, tag)) return kind;
    if (line[1] == QLatin1Char('f')) return DataTag::Field;
    return DataTag::Other;
}

DataAttributes::DataAttributes(QStringView line)
{
    qsizetype at = 0;
    if (at < line.size() && line[at] == QLatin1Char('<')) {
        while (at < line.size() && !isBlankChar(line[at]) && line[at] != QLatin1Char('>') &&
               line[at] != QLatin1Char('/') && line[at] != QLatin1Char('"'))
            ++at;
    }
    parse(line, at);
}

DataAttributes::DataAttributes(QStringView line, qsizetype start)
{
    parse(line, start);
}

void DataAttributes::parse(QStringView line, qsizetype at)
{
    const qsizetype size = line.size();
    const auto skipBlanks = [&] {
        while (at < size && isBlankChar(line[at]))
            ++at;
    };
    for (;;) {
        skipBlanks();
        if (at >= size || line[at] == QLatin1Char('/') || line[at] == QLatin1Char('>')) return;
        const qsizetype nameStart = at;
        while (at < size && !isBlankChar(line[at]) && line[at] != QLatin1Char('=') &&
               line[at] != QLatin1Char('"') && line[at] != QLatin1Char('>') && line[at] != QLatin1Char('/'))
            ++at;
        const QStringView name = line.sliced(nameStart, at - nameStart);
        skipBlanks();
        if (name.isEmpty() || at >= size || line[at] != QLatin1Char('=')) return;
        ++at;
        skipBlanks();
        if (at >= size || line[at] != QLatin1Char('"')) return;
        const qsizetype open = ++at;
        const qsizetype close = line.indexOf(QLatin1Char('"'), open);
        if (close < 0) {
            m_pairs.emplace_back(name, line.sliced(open));
            return;
        }
        m_pairs.emplace_back(name, line.sliced(open, close - open));
        at = close + 1;
    }
}

bool DataAttributes::Get(QStringView name, QString &value) const
{
    for (const auto &[n, v] : m_pairs) {
        if (n == name) {
            value = v.toString();
            return true;
        }
    }
    return false;
}

bool GetAttribute(const QString &name, const QString &line, QString &value)
{
    return DataAttributes(line).Get(name, value);
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
    if (!line.startsWith(QLatin1String("<f"))) return FieldLine::Malformed;
    const qsizetype eq = line.indexOf(QLatin1Char('='), 2);
    if (eq < 0 || !ParseDataInt(line.mid(2, eq - 2), number)) return FieldLine::BadNumber;
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
