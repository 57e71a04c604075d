#include "files/code_table.h"

#include "files/file_checks.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringDecoder>

#include <cstring>
#include <ini.h>

namespace
{
// A code table is a few kilobytes; anything far larger is not one, and is not worth the memory.
constexpr qint64 MaxTableBytes = 2 * 1024 * 1024;

struct Section {
    std::vector<CodeRow> keys; // in file order, first occurrence of each key
    QSet<QString> seen;        // lower-case keys, so that huge files stay linear
};

struct Table {
    std::vector<Section> sections;
    QHash<QString, int> index; // lower-case section name -> position in sections

    const Section *find(const QString &name) const
    {
        const auto it = index.constFind(name.toLower());
        return it == index.constEnd() ? nullptr : &sections[*it];
    }
};

// Feeds inih one line at a time from memory. inih cuts lines longer than its buffer and parses
// the rest as a line of its own; here an overlong line is cut at a character boundary instead and
// its rest dropped, so a long explanation loses its tail rather than turning into a bogus key.
struct LineSource {
    const char *pos;
    const char *end;
};

char *readLine(char *buffer, int size, void *stream)
{
    auto *src = static_cast<LineSource *>(stream);
    // Windows ignores indentation; inih would take an indented key for a continued value.
    while (src->pos < src->end && (*src->pos == ' ' || *src->pos == '\t'))
        ++src->pos;
    if (src->pos >= src->end || size < 2) return nullptr;
    const char *lineEnd = static_cast<const char *>(std::memchr(src->pos, '\n', src->end - src->pos));
    const char *next = lineEnd ? lineEnd + 1 : src->end;
    qsizetype length = next - src->pos;
    if (length > size - 1) {
        length = size - 1;
        while (length > 0 && (static_cast<unsigned char>(src->pos[length]) & 0xC0) == 0x80)
            --length; // do not split a UTF-8 sequence
    }
    std::memcpy(buffer, src->pos, length);
    buffer[length] = '\0';
    src->pos = next;
    return buffer;
}

int keepEntry(void *user, const char *section, const char *name, const char *value)
{
    auto *table = static_cast<Table *>(user);
    const QString sectionName = QString::fromUtf8(section);
    const QString key = QString::fromUtf8(name);
    auto it = table->index.find(sectionName.toLower());
    if (it == table->index.end()) {
        it = table->index.insert(sectionName.toLower(), int(table->sections.size()));
        table->sections.emplace_back();
    }
    Section &s = table->sections[*it];
    // Windows reads the first of repeated keys.
    if (s.seen.contains(key.toLower())) return 1;
    s.seen.insert(key.toLower());
    s.keys.push_back({key, QString::fromUtf8(value)});
    return 1;
}

bool isUtf8(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    return !utf8.hasError();
}

Table readTable(const QString &path, int codePage)
{
    Table table;
    if (path.isEmpty() || !PlainFileProblem(path).isEmpty()) return table;
    QFile file(path);
    if (file.size() > MaxTableBytes || !file.open(QIODevice::ReadOnly)) return table;
    QByteArray bytes = file.read(MaxTableBytes + 1);
    if (bytes.size() > MaxTableBytes) return table; // grew while we looked

    // Tables are written in the accounting system's 8-bit code page, or by hand in UTF-8.
    if (!isUtf8(bytes)) bytes = DecodeAnsi(bytes, codePage).toUtf8();

    LineSource source{bytes.constData(), bytes.constData() + bytes.size()};
    ini_parse_stream(readLine, &source, keepEntry, &table);
    return table;
}

const QString SubcodeBlank = QStringLiteral(" ");
} // namespace

QString CodeTableFileName(int codePage)
{
    switch (codePage) {
    case 1254:
        return QStringLiteral("ZelDizayn.efi");
    case 1252:
        return QStringLiteral("ZelDizayn_01.efi");
    case 1251:
        return QStringLiteral("ZelDizayn_02.efi");
    default:
        return {};
    }
}

std::vector<CodeRow> ReadCodes(const QString &path, int codePage)
{
    const Table table = readTable(path, codePage);
    const Section *konu = table.find(QStringLiteral("KONU"));
    return konu ? konu->keys : std::vector<CodeRow>{};
}

std::vector<CodeRow> ReadSubcodes(const QString &path, int code, int codePage)
{
    const Table table = readTable(path, codePage);
    const Section *section = table.find(QString::number(code));
    if (!section) return {};
    if (section->keys.size() > 1 &&
        section->keys.front().code.compare(QLatin1String("LINK"), Qt::CaseInsensitive) == 0) {
        bool ok = false;
        const int linked = section->keys.front().explanation.toInt(&ok);
        section = table.find(QString::number(ok ? linked : code));
        if (!section) return {};
    }
    std::vector<CodeRow> rows;
    for (size_t i = 1; i < section->keys.size(); ++i) {
        const CodeRow &key = section->keys[i];
        rows.push_back({key.code, key.explanation.isEmpty() ? SubcodeBlank : key.explanation});
    }
    return rows;
}
