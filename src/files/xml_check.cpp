#include "files/xml_check.h"

#include "files/file_checks.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QXmlStreamReader>
#include <vector>

namespace
{

QString at(qint64 line, qint64 column)
{
    return QStringLiteral(" (line %1, column %2)").arg(line).arg(column);
}

// The encoding the declaration names, empty when there is none.
QString declaredEncoding(const QByteArray &head)
{
    static const QRegularExpression declaration(
        QStringLiteral("^(?:\\xEF\\xBB\\xBF)?<\\?xml[^>]*encoding\\s*=\\s*[\"']([^\"']*)"));
    return declaration.match(QString::fromLatin1(head)).captured(1).toLower();
}

// The declared encoding when the file says one; UTF-16 files announce themselves by their marks.
bool declaresUtf8(const QByteArray &head)
{
    if (head.startsWith("\xFE\xFF") || head.startsWith("\xFF\xFE")) return false;
    const QString name = declaredEncoding(head);
    return name.isEmpty() || name == QLatin1String("utf-8") || name == QLatin1String("utf8");
}

QString nonCharacter(char32_t c, qint64 line, qint64 column)
{
    return QStringLiteral("The file holds the character U+") + QString::number(c, 16).toUpper() +
           QStringLiteral(", which XML does not allow") + at(line, column);
}

// U+FFFE and U+FFFF in a file of another encoding (UTF-16 and the like): the stream reader
// stops at them with a message that quotes them invisibly, so they are looked for first.
QString checkNonCharacters(QFile &file, const QByteArray &head)
{
    const auto marked = QStringConverter::encodingForData(head);
    QStringDecoder decoder =
        marked ? QStringDecoder(*marked) : QStringDecoder(declaredEncoding(head).toLatin1().constData());
    if (!decoder.isValid()) return {}; // the stream reader says what it makes of it
    qint64 line = 1, column = 1;
    char buffer[65536];
    qint64 n = 0;
    while ((n = file.read(buffer, sizeof buffer)) > 0) {
        const QString text = decoder.decode(QByteArrayView(buffer, n));
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t u = text[i].unicode();
            if (u == 0xFFFE || u == 0xFFFF) return nonCharacter(u, line, column);
            if (u == '\n') {
                ++line;
                column = 1;
            } else if (!QChar::isLowSurrogate(u)) {
                ++column;
            }
        }
    }
    return {};
}

// Finds the first byte sequence that is not UTF-8 and says where it stands.
QString checkUtf8(QFile &file)
{
    qint64 line = 1, column = 1;
    int pending = 0;       // continuation bytes still expected
    quint32 codePoint = 0; // the character being assembled
    quint32 minimum = 0;   // smallest value its length may encode
    char buffer[65536];
    qint64 n = 0;
    while ((n = file.read(buffer, sizeof buffer)) > 0) {
        for (qint64 i = 0; i < n; ++i) {
            const quint8 b = quint8(buffer[i]);
            bool bad = false;
            if (pending > 0) {
                bad = (b & 0xC0) != 0x80;
                if (!bad) {
                    codePoint = (codePoint << 6) | (b & 0x3F);
                    if (--pending == 0) {
                        bad = codePoint < minimum || codePoint > 0x10FFFF ||
                              (codePoint >= 0xD800 && codePoint <= 0xDFFF);
                        // Valid UTF-8, but not a character XML allows; the stream reader would
                        // quote it invisibly.
                        if (!bad && (codePoint == 0xFFFE || codePoint == 0xFFFF))
                            return nonCharacter(codePoint, line, column);
                        ++column;
                    }
                }
            } else if (b < 0x20 && b != '\t' && b != '\n' && b != '\r') {
                return QStringLiteral("The file holds the control character \\x%1, which XML does not allow")
                           .arg(b, 2, 16, QLatin1Char('0')) +
                       at(line, column);
            } else if (b < 0x80) {
                if (b == '\n') {
                    ++line;
                    column = 1;
                } else {
                    ++column;
                }
            } else if ((b & 0xE0) == 0xC0) {
                pending = 1, codePoint = b & 0x1F, minimum = 0x80;
            } else if ((b & 0xF0) == 0xE0) {
                pending = 2, codePoint = b & 0x0F, minimum = 0x800;
            } else if ((b & 0xF8) == 0xF0) {
                pending = 3, codePoint = b & 0x07, minimum = 0x10000;
            } else {
                bad = true;
            }
            if (bad)
                return QStringLiteral("The file is not valid UTF-8: byte 0x%1")
                           .arg(QString::number(b, 16).toUpper().rightJustified(2, QLatin1Char('0'))) +
                       at(line, column);
        }
    }
    if (pending > 0)
        return QStringLiteral("The file is not valid UTF-8: it ends inside a character") + at(line, column);
    return {};
}

bool nameStart(char32_t c)
{
    return c == ':' || c == '_' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) ||
           (c >= 0x370 && c <= 0x37D) || (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D) ||
           (c >= 0x2070 && c <= 0x218F) || (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) ||
           (c >= 0xF900 && c <= 0xFDCF) || (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}

bool nameChar(char32_t c)
{
    return nameStart(c) || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 0xB7 ||
           (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

// The XML Name production; the stream reader lets some wrong characters through.
bool isXmlName(QStringView name)
{
    if (name.isEmpty()) return false;
    const QList<uint> points = name.toUcs4();
    for (qsizetype i = 0; i < points.size(); ++i)
        if (!(i == 0 ? nameStart(points[i]) : nameChar(points[i]))) return false;
    return true;
}

// XML's Char production: most control characters may not appear, not even as references, and
// neither may half of a surrogate pair, which encodings other than UTF-8 (UTF-7, UTF-16) can
// carry. None of them could be written back.
QString forbiddenCharacter(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            ++i;
            continue;
        }
        if ((u < 0x20 && u != 0x9 && u != 0xA && u != 0xD) || u == 0xFFFE || u == 0xFFFF ||
            QChar::isSurrogate(u))
            return QStringLiteral("U+%1").arg(
                QString::number(u, 16).toUpper().rightJustified(4, QLatin1Char('0')));
    }
    return {};
}

} // namespace

QString VisibleText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F)
            out += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else if (u == 0xFFFE || u == 0xFFFF) // shown as nothing at all
            out += QStringLiteral("U+") + QString::number(u, 16).toUpper();
        else
            out += c;
    }
    return out;
}

XmlOutline CheckXmlFile(QFile &file, int maxDepth, const QStringList &flat)
{
    XmlOutline outline;
    outline.problem = PlainFileProblem(file.fileName());
    if (!outline.problem.isEmpty()) return outline;
    if (!file.open(QIODevice::ReadOnly)) {
        outline.problem =
            QStringLiteral("The system cannot open the file %1: %2").arg(file.fileName(), file.errorString());
        return outline;
    }
    const QByteArray head = file.peek(256);
    outline.problem = declaresUtf8(head) ? checkUtf8(file) : checkNonCharacters(file, head);
    if (!outline.problem.isEmpty()) return outline;
    file.seek(0);
    QXmlStreamReader reader(&file);
    int depth = 0;          // levels that count
    std::vector<bool> open; // whether each open element counts
    auto fail = [&](const QString &text) {
        outline.problem = text + at(reader.lineNumber(), reader.columnNumber());
    };
    while (!reader.atEnd() && outline.problem.isEmpty()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            const bool counts = (open.empty() || open.back()) && !flat.contains(reader.name());
            open.push_back(counts);
            depth += counts;
            if (depth > maxDepth) {
                fail(QStringLiteral("Elements nested too deeply"));
                break;
            }
            if (open.size() == 1) outline.root = reader.name().toString();
            if (open.size() == 2 && reader.name() == QLatin1String("Page")) ++outline.pages;
            if (!isXmlName(reader.qualifiedName())) {
                fail(QStringLiteral("'%1' is not a valid element name")
                         .arg(VisibleText(reader.qualifiedName().toString())));
                break;
            }
            for (const QXmlStreamAttribute &a : reader.attributes()) {
                if (!isXmlName(a.qualifiedName()))
                    fail(QStringLiteral("'%1' is not a valid attribute name")
                             .arg(VisibleText(a.qualifiedName().toString())));
                else if (const QString c = forbiddenCharacter(a.value()); !c.isEmpty())
                    fail(QStringLiteral(
                             "The value of attribute %1 holds the character %2, which XML does not allow")
                             .arg(a.qualifiedName().toString(), c));
                if (!outline.problem.isEmpty()) break;
            }
            break;
        }
        case QXmlStreamReader::EndElement:
            depth -= open.back();
            open.pop_back();
            break;
        case QXmlStreamReader::DTD:
            // Each reference may expand to kilobytes, so a small file could spell out gigabytes of
            // text; the files we read never declare entities.
            if (!reader.entityDeclarations().isEmpty())
                fail(QStringLiteral("The file declares entities, which our files never use"));
            break;
        case QXmlStreamReader::Characters:
            if (const QString c = forbiddenCharacter(reader.text()); !c.isEmpty())
                fail(QStringLiteral("The text holds the character %1, which XML does not allow").arg(c));
            break;
        default:
            break;
        }
    }
    // The reader quotes the offending character, which may be invisible.
    if (outline.problem.isEmpty() && reader.hasError()) fail(VisibleText(reader.errorString()));
    if (outline.problem.isEmpty() && outline.root.isEmpty())
        outline.problem = QStringLiteral("The document has no root element.");
    if (outline.problem.isEmpty()) file.seek(0);
    return outline;
}
