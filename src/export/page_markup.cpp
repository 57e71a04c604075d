#include "export/page_markup.h"

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

bool holdsPicture(const VGrfElement &e)
{
    return e.Picture() && e.Picture()->HasImage();
}

// Saves a label's picture beside the output; an old file of that name is replaced, a file that
// cannot be removed is left alone.
QString savePicture(const VGrfElement &e, const QString &outputName)
{
    const QString path = OutputBase(outputName) + QStringLiteral("_pict_(") +
                         QString::number(std::max(0, e.IndexInParent())) + QStringLiteral(").bmp");
    if (QFile::exists(path)) QFile::remove(path);
    if (!QFile::exists(path)) {
        // A bitmap has no transparency: what shows through in the preview is white paper.
        const QImage &picture = e.Picture()->Image();
        QImage flat(picture.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter(&flat).drawImage(0, 0, picture);
        flat.save(path, "BMP");
    }
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

QString ElementMarkupLine(const VGrfElement &e, const QString &outputName)
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
        line = tag("ifn", savePicture(e, outputName)) + geometryTags("il", "it", "ir", "ib", shape) +
               colorTag("ic", shape.PenColor()) + intTag("iss", e.Picture()->SizeSet());
    }
    return line;
}

void WriteElementMarkup(const VGrfElement &container, PageMarkup &pages, int pageIndex,
                        const QString &outputName)
{
    if (pageIndex < 0) return;
    if (pages.size() <= size_t(pageIndex)) pages.resize(size_t(pageIndex) + 1);
    for (const auto &child : container.ChildList()) {
        if (child->Printable() == pmNever) continue;
        pages[size_t(pageIndex)].append(ElementMarkupLine(*child, outputName));
        WriteElementMarkup(*child, pages, pageIndex, outputName);
    }
}

void WritePageMarkup(const VPage &page, PageMarkup &pages, int pageIndex, const QString &outputName)
{
    if (pageIndex < 0) return;
    if (pages.size() <= size_t(pageIndex)) pages.resize(size_t(pageIndex) + 1);
    // The page is the outermost container: its root panel gives the first line.
    if (page.Root().Printable() == pmNever) return;
    pages[size_t(pageIndex)].append(ElementMarkupLine(page.Root(), outputName));
    WriteElementMarkup(page.Root(), pages, pageIndex, outputName);
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
