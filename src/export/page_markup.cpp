#include "export/page_markup.h"

#include "files/atomic_file.h"
#include "model/v_grf_element.h"
#include "model/v_page.h"

#include <QFile>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <charconv>

namespace
{

void appendEscaped(QString &out, const QString &value);

// A line is written into one string: building it from per-tag strings costs an allocation a tag.
class LineWriter
{
public:
    explicit LineWriter(QString &line) : m_line(line) { m_line.reserve(320); }

    void tag(const char *name, const QString &value)
    {
        open(name);
        appendEscaped(m_line, value);
        close(name);
    }
    void tag(const char *name, QLatin1String value)
    {
        open(name);
        m_line += value;
        close(name);
    }
    void intTag(const char *name, qint64 value)
    {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        tag(name, QLatin1String(digits, end));
    }
    void colorTag(const char *name, ColorRef value) { intTag(name, quint32(value)); }

    void fontTags(const TZelFont &font)
    {
        tag("fn", font.FontName());
        tag("fs", FloatText(font.FontHeight()));
        colorTag("fc", font.FontColor());
        if (font.FontWeight() >= 700) tag("fb", QLatin1String("1"));
        if (font.FontItalic()) tag("fi", QLatin1String("1"));
    }
    void borderTags(const VShape &shape)
    {
        static const char *const names[6] = {"f0", "f1", "f2", "f3", "f4", "f5"};
        for (int i = 0; i < 6; ++i)
            if (shape.BorderLine(i).visible) colorTag(names[i], shape.BorderLine(i).PenColor);
    }
    void geometryTags(const char *l, const char *t, const char *r, const char *b, const VShape &shape)
    {
        intTag(l, shape.Left());
        intTag(t, shape.Top());
        intTag(r, shape.Width());
        intTag(b, shape.Height());
    }

private:
    void open(const char *name)
    {
        m_line += QLatin1Char('[');
        m_line += QLatin1String(name);
        m_line += QLatin1Char(':');
    }
    void close(const char *name)
    {
        m_line += QLatin1Char(':');
        m_line += QLatin1String(name);
        m_line += QLatin1Char(']');
    }
    QString &m_line;
};

// An undecodable picture counts too: it is drawn as a placeholder rather than as text.
bool holdsPicture(const VGrfElement &e)
{
    return e.Picture() && e.Picture()->HasData();
}

// Saves a label's picture beside the output; an old file of that name is replaced.
QString savePicture(const VGrfElement &e, const QString &outputName, bool write, QStringList *errors)
{
    const QString path = PictureFileName(e, outputName);
    QString error;
    if (write && e.Picture()->HasImage() &&
        !SaveImageAtomically(path, FlattenOnWhite(e.Picture()->Image()), "BMP", -1, &error) && errors)
        *errors << error;
    return path;
}

} // namespace

QString FloatText(double value)
{
    return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest);
}

QString OutputBase(const QString &outputName)
{
    const int dot = outputName.lastIndexOf(QLatin1Char('.'));
    const int slash = outputName.lastIndexOf(QLatin1Char('/'));
    return dot > slash ? outputName.left(dot) : outputName;
}

QString DisplayedCaption(const VGrfElement &element)
{
    const TZelFont &f = element.Font();
    if (f.TextLength() < 0) return element.Caption();
    return element.Caption().mid(std::max(0, f.Offset()), f.TextLength());
}

QString PictureFileName(const VGrfElement &element, const QString &outputName)
{
    return OutputBase(outputName) + QStringLiteral("_pict_(") +
           QString::number(std::max(0, element.IndexInParent())) + QStringLiteral(").bmp");
}

QImage FlattenOnWhite(const QImage &picture)
{
    // A bitmap has no transparency: what shows through in the preview is white paper.
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, picture);
    return flat;
}

QString ElementMarkupLine(const VGrfElement &e, const QString &outputName, bool writePictureFile,
                          QStringList *errors)
{
    const ElementKind kind = e.Kind();
    const VShape &shape = e.Shape();
    QString line;
    LineWriter w(line);
    // A group with a fill or a picture is written as a picture; other groups and panels as frames.
    if (kind == ElementKind::Group && (shape.BrushStyle() != 1 || holdsPicture(e))) {
        w.intTag("gst", shape.Figure());
        w.geometryTags("gl", "gt", "gr", "gb", shape);
        w.colorTag("gc", shape.PenColor());
    } else if (kind == ElementKind::Panel || kind == ElementKind::Group) {
        w.fontTags(e.Font());
        w.intTag("gf", shape.Figure());
        w.geometryTags("gl", "gt", "gr", "gb", shape);
        w.colorTag("gc", shape.PenColor());
        w.intTag("pt", shape.PenStyle());
        w.borderTags(shape);
    } else if (kind == ElementKind::BarCode && e.BarCode()) {
        w.tag("bcv", e.BarCode()->Value());
        w.geometryTags("gl", "gt", "gr", "gb", shape);
        w.colorTag("gc", shape.PenColor());
        w.intTag("pt", shape.PenStyle());
    } else if (kind == ElementKind::Table) {
        w.intTag("st", shape.Figure());
        w.geometryTags("gl", "gt", "gr", "gb", shape);
        w.colorTag("gc", shape.PenColor());
    } else if (kind == ElementKind::Label && !holdsPicture(e)) {
        const TZelFont &f = e.Font();
        w.fontTags(f);
        w.intTag("fo", f.FontOrientation());
        w.tag("tca", DisplayedCaption(e));
        w.geometryTags("tl", "tt", "tr", "tb", shape);
        w.colorTag("tc", shape.PenColor());
        w.intTag("tv", f.VertPos());
        w.intTag("ts", shape.PenStyle());
        w.intTag("th", f.HorzPos());
        w.borderTags(shape);
    } else if (kind == ElementKind::Label) {
        w.tag("ifn", savePicture(e, outputName, writePictureFile, errors));
        w.geometryTags("il", "it", "ir", "ib", shape);
        w.colorTag("ic", shape.PenColor());
        w.intTag("iss", e.Picture()->SizeSet());
    }
    return line;
}

namespace
{
void appendLines(const VGrfElement &container, std::vector<MarkupLine> &lines, const QString &outputName,
                 bool writePictureFiles, QStringList *errors)
{
    for (const auto &child : container.ChildList()) {
        if (child->Printable() == pmNever) continue;
        lines.push_back({ElementMarkupLine(*child, outputName, writePictureFiles, errors), child.get()});
        appendLines(*child, lines, outputName, writePictureFiles, errors);
    }
}
} // namespace

std::vector<MarkupLine> PageMarkupLines(const VPage &page, const QString &outputName, bool writePictureFiles,
                                        QStringList *errors)
{
    std::vector<MarkupLine> lines;
    // The page is the outermost container: its root panel gives the first line.
    if (page.Root().Printable() == pmNever) return lines;
    lines.push_back({ElementMarkupLine(page.Root(), outputName, writePictureFiles, errors), &page.Root()});
    appendLines(page.Root(), lines, outputName, writePictureFiles, errors);
    return lines;
}

void WriteElementMarkup(const VGrfElement &container, PageMarkup &pages, int pageIndex,
                        const QString &outputName)
{
    if (pageIndex < 0) return;
    if (pages.size() <= size_t(pageIndex)) pages.resize(size_t(pageIndex) + 1);
    std::vector<MarkupLine> lines;
    appendLines(container, lines, outputName, true, nullptr);
    for (const MarkupLine &line : lines)
        pages[size_t(pageIndex)].append(line.text);
}

void WritePageMarkup(const VPage &page, PageMarkup &pages, int pageIndex, const QString &outputName)
{
    if (pageIndex < 0) return;
    if (pages.size() <= size_t(pageIndex)) pages.resize(size_t(pageIndex) + 1);
    for (const MarkupLine &line : PageMarkupLines(page, outputName, true))
        pages[size_t(pageIndex)].append(line.text);
}

namespace
{
bool needsEscape(QChar c)
{
    return c.unicode() < 0x20 || c == QLatin1Char('%') || c == QLatin1Char('[') || c == QLatin1Char(']');
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    return -1;
}

bool isNameChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9');
}
} // namespace

QString EscapeMarkupValue(const QString &value)
{
    if (std::none_of(value.begin(), value.end(), needsEscape)) return value;
    QString out;
    out.reserve(value.size() + 8);
    appendEscaped(out, value);
    return out;
}

namespace
{
void appendEscaped(QString &out, const QString &value)
{
    if (std::none_of(value.begin(), value.end(), needsEscape)) {
        out += value;
        return;
    }
    static const char digits[] = "0123456789ABCDEF";
    for (QChar c : value) {
        if (!needsEscape(c)) {
            out += c;
            continue;
        }
        const int u = c.unicode();
        out += QLatin1Char('%');
        out += QLatin1Char(digits[u >> 4]);
        out += QLatin1Char(digits[u & 15]);
    }
}
} // namespace

QString UnescapeMarkupValue(const QString &text)
{
    if (!text.contains(QLatin1Char('%'))) return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int high = i + 2 < text.size() && text[i] == QLatin1Char('%') ? hexDigit(text[i + 1]) : -1;
        const int low = high >= 0 ? hexDigit(text[i + 2]) : -1;
        if (low < 0) {
            out += text[i];
            continue;
        }
        out += QChar(char16_t(high * 16 + low));
        i += 2;
    }
    return out;
}

MarkupTags::MarkupTags(const QString &line) : m_line(line)
{
    const QStringView text(m_line);
    const qsizetype n = text.size();
    qsizetype i = 0;
    // The next ']' at or after some position, kept so that a line of many '[' is read in one pass.
    qsizetype nextClose = -2;
    while (i < n) {
        if (text[i] == QChar(0x0C)) m_pageBreak = true;
        if (text[i] != QLatin1Char('[')) {
            ++i;
            continue;
        }
        qsizetype colon = i + 1;
        while (colon < n && isNameChar(text[colon]))
            ++colon;
        if (nextClose != -1 && nextClose <= colon) nextClose = text.indexOf(QLatin1Char(']'), colon + 1);
        const qsizetype close =
            colon < n && text[colon] == QLatin1Char(':') && colon > i + 1 ? nextClose : -1;
        const QStringView name = text.mid(i + 1, colon - i - 1);
        // The closing marker ":name]" must end right at that ']' and not overlap the opening one.
        const qsizetype valueEnd = close - name.size() - 1;
        if (close < 0 || valueEnd <= colon || text[valueEnd] != QLatin1Char(':') ||
            text.mid(valueEnd + 1, name.size()) != name) {
            ++i;
            continue;
        }
        if (std::none_of(m_tags.begin(), m_tags.end(), [&](const Tag &t) { return t.name == name; }))
            m_tags.push_back({name, text.mid(colon + 1, valueEnd - colon - 1)});
        i = close + 1;
    }
}

const MarkupTags::Tag *MarkupTags::find(QLatin1String name) const
{
    // Tag names are two or three letters: length and first letter settle almost every miss
    // without a call into the string comparison.
    const qsizetype size = name.size();
    if (size == 0) return nullptr;
    const char16_t first = char16_t(name.front().unicode());
    for (const Tag &t : m_tags)
        if (t.name.size() == size && t.name.front().unicode() == first && t.name == name) return &t;
    return nullptr;
}

QString MarkupTags::value(QLatin1String name) const
{
    const Tag *t = find(name);
    return t ? UnescapeMarkupValue(t->value.toString()) : QString();
}

int MarkupTags::intValue(QLatin1String name) const
{
    const Tag *t = find(name);
    if (!t) return 0;
    // Numbers are written without escapes; reading them needs no copy.
    if (!t->value.contains(QLatin1Char('%'))) return t->value.trimmed().toInt();
    return UnescapeMarkupValue(t->value.toString()).trimmed().toInt();
}

QString TagValue(const QString &line, const QString &name)
{
    const QByteArray latin = name.toLatin1();
    return MarkupTags(line).value(QLatin1String(latin));
}

bool HasTag(const QString &line, const QString &name)
{
    const QByteArray latin = name.toLatin1();
    return MarkupTags(line).has(QLatin1String(latin));
}
