#include "files/ordered_ini.h"

#include "files/atomic_file.h"
#include "files/file_checks.h"
#include "model/code_page.h"

#include <QFile>
#include <QFileInfo>

namespace
{
const QByteArray kLineEnd = QByteArrayLiteral("\r\n");
// An initialisation file of this size is not one we wrote; reading it whole could exhaust memory.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

QByteArray withoutLineEnd(const QByteArray &line)
{
    qsizetype n = line.size();
    while (n > 0 && (line[n - 1] == '\n' || line[n - 1] == '\r'))
        --n;
    return line.left(n);
}

// The section name of a "[name]" line, or null when the line is something else.
QByteArray sectionName(const QByteArray &line)
{
    const QByteArray t = withoutLineEnd(line).trimmed();
    if (t.size() < 2 || t.front() != '[') return {};
    const qsizetype close = t.indexOf(']');
    if (close < 0) return {};
    const QByteArray name = t.mid(1, close - 1).trimmed();
    return name.isNull() ? QByteArray("") : name;
}

// The key of a "key=value" line, or null for comments and lines without '='.
QByteArray keyOf(const QByteArray &line)
{
    const QByteArray t = withoutLineEnd(line);
    const qsizetype eq = t.indexOf('=');
    if (eq < 0 || t.trimmed().startsWith(';')) return {};
    const QByteArray key = t.left(eq).trimmed();
    return key.isNull() ? QByteArray("") : key;
}

bool sameName(const QByteArray &a, const QByteArray &b)
{
    return !a.isNull() && a.compare(b, Qt::CaseInsensitive) == 0;
}

QByteArray lineEndOf(const QByteArray &line)
{
    return line.mid(withoutLineEnd(line).size());
}
} // namespace

OrderedIni::OrderedIni(int codePage) : m_codePage(codePage)
{
    m_sections.push_back({});
}

bool OrderedIni::load(const QString &path, QString *error)
{
    m_sections.assign(1, {});
    if (!QFileInfo::exists(path)) return true;
    QString problem = PlainFileProblem(path);
    if (problem.isEmpty() && QFileInfo(path).size() > kMaxFileSize)
        problem = QStringLiteral("%1 is too large to be a print-engine file; nothing was written").arg(path);
    QFile file(path);
    if (problem.isEmpty() && !file.open(QIODevice::ReadOnly))
        problem = QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
    if (!problem.isEmpty()) {
        if (error) *error = problem;
        return false;
    }
    const QByteArray all = file.readAll();
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = all.indexOf('\n', start);
        end = end < 0 ? all.size() : end + 1;
        QByteArray line = all.mid(start, end - start);
        // A byte order mark belongs to the file, not to the first section's name.
        const bool bom = start == 0 && line.startsWith("\xEF\xBB\xBF");
        const QByteArray name = sectionName(bom ? line.mid(3) : line);
        if (!name.isNull() && !bom)
            m_sections.push_back({name, line, {}});
        else if (!name.isNull()) {
            m_sections.front().body.push_back(line.left(3));
            m_sections.push_back({name, line.mid(3), {}});
        } else
            m_sections.back().body.push_back(line);
        start = end;
    }
    return true;
}

OrderedIni::Section *OrderedIni::find(const QByteArray &name)
{
    for (Section &s : m_sections)
        if (sameName(s.name, name)) return &s;
    return nullptr;
}

void OrderedIni::endLastLine()
{
    for (auto s = m_sections.rbegin(); s != m_sections.rend(); ++s) {
        QByteArray *last = !s->body.empty() ? &s->body.back() : (!s->header.isEmpty() ? &s->header : nullptr);
        if (!last) continue;
        if (!last->endsWith('\n')) last->append(kLineEnd);
        return;
    }
}

void OrderedIni::setValue(const QString &section, const QString &key, const QString &value)
{
    const QByteArray sectionBytes = section.toLatin1();
    const QByteArray keyBytes = key.toLatin1();
    Section *s = find(sectionBytes);
    if (!s) {
        endLastLine();
        m_sections.push_back({sectionBytes, '[' + sectionBytes + ']' + kLineEnd, {}});
        s = &m_sections.back();
    }
    const QByteArray encoded = EncodeAnsi(value, m_codePage);
    for (QByteArray &line : s->body) {
        const QByteArray k = keyOf(line);
        if (sameName(k, keyBytes)) {
            const QByteArray end = lineEndOf(line);
            line = k + '=' + encoded + (end.isEmpty() ? kLineEnd : end);
            return;
        }
    }
    // After the section's last key: blank lines and comments that close it stay where they are.
    qsizetype at = 0;
    for (qsizetype i = 0; i < qsizetype(s->body.size()); ++i)
        if (!keyOf(s->body[size_t(i)]).isNull()) at = i + 1;
    QByteArray &before = at > 0 ? s->body[size_t(at - 1)] : s->header;
    if (!before.endsWith('\n')) before.append(kLineEnd);
    s->body.insert(s->body.begin() + at, keyBytes + '=' + encoded + kLineEnd);
}

void OrderedIni::removeSection(const QString &section)
{
    const QByteArray name = section.toLatin1();
    std::erase_if(m_sections, [&](const Section &s) { return sameName(s.name, name); });
}

void OrderedIni::replaceSection(const QString &section, const std::vector<std::pair<QString, QString>> &keys)
{
    removeSection(section);
    endLastLine();
    const QByteArray name = section.toLatin1();
    Section s{name, '[' + name + ']' + kLineEnd, {}};
    s.body.reserve(keys.size());
    for (const auto &[key, value] : keys)
        s.body.push_back(key.toLatin1() + '=' + EncodeAnsi(value, m_codePage) + kLineEnd);
    m_sections.push_back(std::move(s));
}

QByteArray OrderedIni::bytes() const
{
    QByteArray out;
    for (const Section &s : m_sections) {
        out += s.header;
        for (const QByteArray &line : s.body)
            out += line;
    }
    return out;
}

bool OrderedIni::save(const QString &path, QString *error) const
{
    return WriteFileAtomically(path, bytes(), error);
}
