#include "export/page_markup.h"

#include "files/atomic_file.h"
#include "model/v_grf_element.h"
#include "model/v_page.h"

#include <QFile>
#include <QLocale>
#include <QPainter>

namespace
{

QString tag(const char *name, const QString &value)
{
    const QLatin1String n(name);
    return QLatin1Char('[') + n + QLatin1Char(':') + value + QLatin1Char(':') + n + QLatin1Char(']');
}

QString intTag(const char *name, int value)
{
    return tag(name, QString::number(value));
}
QString colorTag(const char *name, ColorRef value)
{
    return tag(name, QString::number(quint32(value)));
}

QString fontTags(const TZelFont &font)
{
    QString s = tag("fn", font.FontName()) + tag("fs", FloatText(font.FontHeight())) +
                colorTag("fc", font.FontColor());
    if (font.FontWeight() >= 700) s += tag("fb", QStringLiteral("1"));
    if (font.FontItalic()) s += tag("fi", QStringLiteral("1"));
    return s;
}

QString borderTags(const VShape &shape)
{
    static const char *const names[6] = {"f0", "f1", "f2", "f3", "f4", "f5"};
    QString s;
    for (int i = 0; i < 6; ++i)
        if (shape.BorderLine(i).visible) s += colorTag(names[i], shape.BorderLine(i).PenColor);
    return s;
}

QString geometryTags(const char *l, const char *t, const char *r, const char *b, const VShape &shape)
{
    return intTag(l, shape.Left()) + intTag(t, shape.Top()) + intTag(r, shape.Width()) +
           intTag(b, shape.Height());
}

// An undecodable picture counts too: it is drawn as a placeholder rather than as text.
bool holdsPicture(const VGrfElement &e)
{
    return e.Picture() && e.Picture()->HasData();
}

// Saves a label's picture beside the output; an old file of that name is replaced.
QString savePicture(const VGrfElement &e, const QString &outputName, bool write)
{
    const QString path = PictureFileName(e, outputName);
    if (write && e.Picture()->HasImage())
        SaveImageAtomically(path, FlattenOnWhite(e.Picture()->Image()), "BMP");
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

QString ElementMarkupLine(const VGrfElement &e, const QString &outputName, bool writePictureFile)
{
    const ElementKind kind = e.Kind();
    const VShape &shape = e.Shape();
    QString line;
    // The blocks are tried in order; a later one that applies replaces what an earlier one wrote.
    if (kind == ElementKind::Panel || kind == ElementKind::Group) {
        line = fontTags(e.Font()) + intTag("gf", shape.Figure()) +
               geometryTags("gl", "gt", "gr", "gb", shape) + colorTag("gc", shape.PenColor()) +
               intTag("pt", shape.PenStyle()) + borderTags(shape);
    }
    if (kind == ElementKind::BarCode && e.BarCode()) {
        line = tag("bcv", e.BarCode()->Value()) + geometryTags("gl", "gt", "gr", "gb", shape) +
               colorTag("gc", shape.PenColor()) + intTag("pt", shape.PenStyle());
    }
    if (kind == ElementKind::Table) {
        line = intTag("st", shape.Figure()) + geometryTags("gl", "gt", "gr", "gb", shape) +
               colorTag("gc", shape.PenColor());
    }
    if (kind == ElementKind::Group && (shape.BrushStyle() != 1 || holdsPicture(e))) {
        line = intTag("gst", shape.Figure()) + geometryTags("gl", "gt", "gr", "gb", shape) +
               colorTag("gc", shape.PenColor());
    }
    if (kind == ElementKind::Label && !holdsPicture(e)) {
        const TZelFont &f = e.Font();
        line = fontTags(f) + intTag("fo", f.FontOrientation()) + tag("tca", DisplayedCaption(e)) +
               geometryTags("tl", "tt", "tr", "tb", shape) + colorTag("tc", shape.PenColor()) +
               intTag("tv", f.VertPos()) + intTag("ts", shape.PenStyle()) + intTag("th", f.HorzPos()) +
               borderTags(shape);
    }
    if (kind == ElementKind::Label && holdsPicture(e)) {
        line = tag("ifn", savePicture(e, outputName, writePictureFile)) +
               geometryTags("il", "it", "ir", "ib", shape) + colorTag("ic", shape.PenColor()) +
               intTag("iss", e.Picture()->SizeSet());
    }
    return line;
}

namespace
{
void appendLines(const VGrfElement &container, std::vector<MarkupLine> &lines, const QString &outputName,
                 bool writePictureFiles)
{
    for (const auto &child : container.ChildList()) {
        if (child->Printable() == pmNever) continue;
        lines.push_back({ElementMarkupLine(*child, outputName, writePictureFiles), child.get()});
        appendLines(*child, lines, outputName, writePictureFiles);
    }
}
} // namespace

std::vector<MarkupLine> PageMarkupLines(const VPage &page, const QString &outputName, bool writePictureFiles)
{
    std::vector<MarkupLine> lines;
    // The page is the outermost container: its root panel gives the first line.
    if (page.Root().Printable() == pmNever) return lines;
    lines.push_back({ElementMarkupLine(page.Root(), outputName, writePictureFiles), &page.Root()});
    appendLines(page.Root(), lines, outputName, writePictureFiles);
    return lines;
}

void WriteElementMarkup(const VGrfElement &container, PageMarkup &pages, int pageIndex,
                        const QString &outputName)
{
    if (pageIndex < 0) return;
    if (pages.size() <= size_t(pageIndex)) pages.resize(size_t(pageIndex) + 1);
    std::vector<MarkupLine> lines;
    appendLines(container, lines, outputName, true);
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

QString TagValue(const QString &line, const QString &name)
{
    const QString open = QLatin1Char('[') + name + QLatin1Char(':');
    const QString close = QLatin1Char(':') + name + QLatin1Char(']');
    const int start = line.indexOf(open);
    if (start < 0) return QString();
    const int from = start + int(open.size());
    const int end = line.indexOf(close);
    // A closing marker before the value (a caption holding ":tca]" elsewhere) yields nothing.
    if (end < from) return QString();
    return line.mid(from, end - from);
}

bool HasTag(const QString &line, const QString &name)
{
    return line.contains(QLatin1Char('[') + name + QLatin1Char(':'));
}
