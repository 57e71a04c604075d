// Reading design and report files into the document model.
#include "files/design_file.h"
#include "files/picture_text.h"
#include "files/xml_check.h"

#include "model/v_doc.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>
#include <climits>
#include <cmath>

namespace
{

// The tag and attributes of the element the stream stands on.
struct Attrs {
    QString tag;
    QXmlStreamAttributes attributes;
    explicit Attrs(const QXmlStreamReader &x) : tag(x.name().toString()), attributes(x.attributes()) {}
    bool has(const QString &name) const { return attributes.hasAttribute(name); }
    QString attr(const QString &name) const { return attributes.value(name).toString(); }
};

// A value that does not convert aborts the load where it stands; what was read stays.
struct ConvertError {
    QString text;
};

[[noreturn]] void failConvert(const Attrs &node, const QString &name, const QString &value, const char *type)
{
    throw ConvertError{QStringLiteral("'%1' is not a valid %2 value (attribute %3 of %4)")
                           .arg(VisibleText(value), QLatin1String(type), name, node.tag)};
}

// Positions, sizes and barcode measures, in twips: within this bound, absolute and relative
// positions and a position plus a size all stay within an int.
constexpr int kMaxTwips = 1000000000;

[[noreturn]] void failRange(const Attrs &node, const QString &name, const QString &value, double low,
                            double high)
{
    throw ConvertError{QStringLiteral("'%1' is out of range for attribute %2 of %3 (%4 to %5)")
                           .arg(VisibleText(value), name, node.tag, QString::number(low, 'g', 10),
                                QString::number(high, 'g', 10))};
}

// Where the reader stands, for the warnings about what it keeps but cannot use.
struct Context {
    QStringList warnings;
    QString page;
    PictureBudget pictures;
};

int readInt(const Attrs &node, const QString &name)
{
    const QString v = node.attr(name);
    bool ok = false;
    const int n = v.trimmed().toInt(&ok);
    if (!ok) failConvert(node, name, v, "integer");
    return n;
}

ColorRef readColor(const Attrs &node, const QString &name)
{
    const QString v = node.attr(name);
    bool ok = false;
    const qlonglong n = v.trimmed().toLongLong(&ok);
    if (!ok || n < INT_MIN || n > UINT_MAX) failConvert(node, name, v, "integer");
    return ColorRef(quint32(n));
}

bool readFlag(const Attrs &node, const QString &name)
{
    const QString v = node.attr(name).trimmed();
    if (v.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
    if (v.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
    bool ok = false;
    const double n = v.toDouble(&ok);
    if (!ok) failConvert(node, name, node.attr(name), "boolean");
    return n != 0.0;
}

double readReal(const Attrs &node, const QString &name)
{
    QString v = node.attr(name).trimmed();
    v.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok || !std::isfinite(d)) failConvert(node, name, node.attr(name), "floating point");
    if (std::abs(d) > kMaxTwips) failRange(node, name, node.attr(name), -kMaxTwips, kMaxTwips);
    return d;
}

int readTwips(const Attrs &node, const QString &name)
{
    const int n = readInt(node, name);
    if (n < -kMaxTwips || n > kMaxTwips) failRange(node, name, node.attr(name), -kMaxTwips, kMaxTwips);
    return n;
}

// A page size in millimetres from a value in units of 1/divisor mm. It must fit the file's
// thousandths of a millimetre, or the design could not be written and read back.
double readPageSize(const Attrs &node, const QString &name, double divisor)
{
    const int n = readInt(node, name);
    const double limit = INT_MAX / 1000.0 * divisor;
    if (std::abs(double(n)) > limit)
        failRange(node, name, node.attr(name), -std::floor(limit), std::floor(limit));
    return n / divisor;
}

double readTenths(const Attrs &node, const QString &name)
{
    return readInt(node, name) / 10.0;
}

// Applies each attribute present to the font; refused values keep the old one.
void readFont(const Attrs &n, TZelFont &f)
{
    if (n.has(u"FontHeight"_qs)) f.SetFontHeight(readTenths(n, u"FontHeight"_qs));
    if (n.has(u"FontWidth"_qs)) f.SetFontWidth(readTenths(n, u"FontWidth"_qs));
    if (n.has(u"FontColor"_qs)) f.SetFontColor(readColor(n, u"FontColor"_qs));
    if (n.has(u"FontOrientation"_qs)) f.SetFontOrientation(readInt(n, u"FontOrientation"_qs));
    if (n.has(u"VertSpace"_qs)) f.SetVertSpace(readTenths(n, u"VertSpace"_qs));
    if (n.has(u"mmPos"_qs)) f.SetmmPos(readFlag(n, u"mmPos"_qs));
    if (n.has(u"VertPos"_qs)) f.SetVertPos(readInt(n, u"VertPos"_qs));
    if (n.has(u"HorzPos"_qs)) f.SetHorzPos(readInt(n, u"HorzPos"_qs));
    if (n.has(u"LeftPos"_qs)) f.SetLeftPos(readTenths(n, u"LeftPos"_qs));
    if (n.has(u"TopPos"_qs)) f.SetTopPos(readTenths(n, u"TopPos"_qs));
    if (n.has(u"Offset"_qs)) f.SetOffset(readInt(n, u"Offset"_qs));
    if (n.has(u"TextLength"_qs)) f.SetTextLength(readInt(n, u"TextLength"_qs));
    if (n.has(u"FontWeight"_qs)) f.SetFontWeight(readInt(n, u"FontWeight"_qs));
    if (n.has(u"FontItalic"_qs)) f.SetFontItalic(readInt(n, u"FontItalic"_qs));
    if (n.has(u"FontUnderline"_qs)) f.SetFontUnderline(readInt(n, u"FontUnderline"_qs));
    if (n.has(u"FontStrikeOut"_qs)) f.SetFontStrikeOut(readInt(n, u"FontStrikeOut"_qs));
    if (n.has(u"FontCharSet"_qs)) f.SetFontCharSet(readInt(n, u"FontCharSet"_qs));
    if (n.has(u"FontName"_qs)) f.SetFontName(n.attr(u"FontName"_qs));
}

void readShape(const Attrs &n, VShape &s)
{
    if (n.has(u"Left"_qs)) s.SetLeft(readTwips(n, u"Left"_qs));
    if (n.has(u"Top"_qs)) s.SetTop(readTwips(n, u"Top"_qs));
    if (n.has(u"Width"_qs)) s.SetWidth(readTwips(n, u"Width"_qs));
    if (n.has(u"Height"_qs)) s.SetHeight(readTwips(n, u"Height"_qs));
    if (n.has(u"Figure"_qs)) s.SetFigure(readInt(n, u"Figure"_qs));
    if (n.has(u"RectRound"_qs)) s.SetRectRound(readInt(n, u"RectRound"_qs));
    if (n.has(u"PenColor"_qs)) s.SetPenColor(readColor(n, u"PenColor"_qs));
    if (n.has(u"PenWidth"_qs)) s.SetPenWidth(readInt(n, u"PenWidth"_qs));
    if (n.has(u"PenStyle"_qs)) s.SetPenStyle(readInt(n, u"PenStyle"_qs));
    if (n.has(u"BrushColor"_qs)) s.SetBrushColor(readColor(n, u"BrushColor"_qs));
    if (n.has(u"BrushStyle"_qs)) s.SetBrushStyle(readInt(n, u"BrushStyle"_qs));
}

// Reads a Shape and its border lines; the stream ends on the Shape's end tag.
void readShapeElement(QXmlStreamReader &x, VShape &s)
{
    readShape(Attrs(x), s);
    while (x.readNextStartElement()) {
        const Attrs child(x);
        bool ok = false;
        const int index = child.tag.startsWith(QLatin1String("Border")) ? child.tag.mid(6).toInt(&ok) : -1;
        if (ok && index >= 0 && index <= 5) {
            VBorder line;
            line.visible = true;
            if (child.has(u"PenColor"_qs)) line.PenColor = readColor(child, u"PenColor"_qs);
            if (child.has(u"PenWidth"_qs)) line.PenWidth = readInt(child, u"PenWidth"_qs);
            if (child.has(u"PenStyle"_qs)) line.PenStyle = uint8_t(readInt(child, u"PenStyle"_qs));
            s.SetBorderLine(index, line);
        }
        x.skipCurrentElement();
    }
}

std::unique_ptr<VBarCode> readBarCode(const Attrs &n)
{
    auto b = std::make_unique<VBarCode>();
    if (n.has(u"Value"_qs)) b->SetRawValue(n.attr(u"Value"_qs));
    if (n.has(u"Type"_qs)) b->SetRawType(readInt(n, u"Type"_qs));
    if (n.has(u"ValueType"_qs)) b->SetValueType(readInt(n, u"ValueType"_qs));
    if (n.has(u"Orientation"_qs)) b->SetOrientation(readInt(n, u"Orientation"_qs));
    if (n.has(u"Color"_qs)) b->SetColor(readColor(n, u"Color"_qs));
    if (n.has(u"ManualWidth"_qs)) b->SetManualWidth(readFlag(n, u"ManualWidth"_qs));
    if (n.has(u"LineWidth"_qs)) b->SetLineWidth(readReal(n, u"LineWidth"_qs));
    if (n.has(u"ManualHeight"_qs)) b->SetManualHeight(readFlag(n, u"ManualHeight"_qs));
    if (n.has(u"MarginTop"_qs)) b->SetMarginTop(readReal(n, u"MarginTop"_qs));
    if (n.has(u"MarginBottom"_qs)) b->SetMarginBottom(readReal(n, u"MarginBottom"_qs));
    if (n.has(u"ShowValue"_qs)) b->SetShowValue(readFlag(n, u"ShowValue"_qs));
    if (n.has(u"ValuePos"_qs)) b->SetValuePos(readInt(n, u"ValuePos"_qs));
    if (n.has(u"FontSizeSet"_qs)) b->SetFontSizeSet(readInt(n, u"FontSizeSet"_qs));
    if (n.has(u"CheckSum"_qs)) b->SetCheckDigitComputed(readFlag(n, u"CheckSum"_qs));
    if (n.has(u"CustomSize"_qs)) b->SetCustomSize(readFlag(n, u"CustomSize"_qs));
    if (n.has(u"Factor"_qs)) b->SetFactor(float(readReal(n, u"Factor"_qs)));
    return b;
}

std::unique_ptr<VPicture> readPicture(QXmlStreamReader &x, Context &context, const QString &owner)
{
    const Attrs n(x);
    auto p = std::make_unique<VPicture>();
    if (n.has(u"SizeSet"_qs)) p->SetSizeSet(readInt(n, u"SizeSet"_qs));
    if (n.has(u"Height"_qs)) p->SetHeight(readInt(n, u"Height"_qs));
    if (n.has(u"Width"_qs)) p->SetWidth(readInt(n, u"Width"_qs));
    if (n.has(u"PosSetX"_qs)) p->SetPosSetX(readInt(n, u"PosSetX"_qs));
    if (n.has(u"Left"_qs)) p->SetLeft(readInt(n, u"Left"_qs));
    if (n.has(u"PosSetY"_qs)) p->SetPosSetY(readInt(n, u"PosSetY"_qs));
    if (n.has(u"Top"_qs)) p->SetTop(readInt(n, u"Top"_qs));
    if (n.has(u"Format"_qs)) p->SetFormat(readInt(n, u"Format"_qs));
    const QString text = x.readElementText(QXmlStreamReader::SkipChildElements);
    QString problem;
    if (!DecodePictureText(text, *p, &problem, &context.pictures) && !problem.isEmpty())
        context.warnings << QStringLiteral("page %1, %2: %3; it is kept unchanged and drawn as a placeholder")
                                .arg(context.page, owner, problem);
    return p;
}

// Reads a graphic element and its subtree; the stream ends on the element's end tag.
void readElement(QXmlStreamReader &x, VGrfElement &e, Context &context)
{
    const Attrs n(x);
    e.SetKind(KindFromTag(n.tag));
    if (n.has(u"Name"_qs)) e.SetName(n.attr(u"Name"_qs));
    if (n.has(u"Num"_qs)) e.SetNum(readInt(n, u"Num"_qs));
    if (n.has(u"Caption"_qs)) e.SetCaption(n.attr(u"Caption"_qs));
    if (n.has(u"ValueType"_qs)) e.SetValueType(readInt(n, u"ValueType"_qs));
    if (n.has(u"Description"_qs)) e.SetDescription(n.attr(u"Description"_qs));
    if (n.has(u"Printable"_qs)) e.SetPrintable(readInt(n, u"Printable"_qs));
    for (int i = 0; i < kDataCodeFieldCount; ++i) {
        const QString name = QStringLiteral("Code") + QLatin1String(kDataCodeFields[i]);
        if (n.has(name)) e.SetDataCode(i, n.attr(name));
    }
    if (n.has(u"Repeatability"_qs)) e.SetRepeatability(readFlag(n, u"Repeatability"_qs));
    const VGrfElement *parent = e.Parent();
    const int originLeft = parent ? parent->Shape().Left() : 0;
    const int originTop = parent ? parent->Shape().Top() : 0;
    while (x.readNextStartElement()) {
        const QStringView tag = x.name();
        if (tag == QLatin1String("Shape")) {
            readShapeElement(x, e.Shape());
            e.Shape().SetRelativeFromOrigin(originLeft, originTop);
            e.UpdateWindowFromTwips(false);
        } else if (tag == QLatin1String("Font")) {
            readFont(Attrs(x), e.Font());
            x.skipCurrentElement();
        } else if (tag == QLatin1String("BarCodeSet")) {
            e.SetBarCode(readBarCode(Attrs(x)));
            x.skipCurrentElement();
        } else if (tag == QLatin1String("Picture")) {
            e.SetPicture(readPicture(x, context, QStringLiteral("element ") + e.Name()));
        } else {
            auto element = std::make_unique<VGrfElement>(KindFromTag(tag.toString()));
            element->Font() = e.Font();
            element->SetZoom(e.Zoom());
            VGrfElement *added = e.InsertChild(std::move(element));
            readElement(x, *added, context);
        }
    }
    // The writer always stores a barcode record; one read without it gets the defaults.
    if (e.Kind() == ElementKind::BarCode && !e.BarCode()) e.SetBarCode(std::make_unique<VBarCode>());
}

void readRootElement(QXmlStreamReader &x, VPage &page, Context &context)
{
    VGrfElement &root = page.Root();
    root.Font() = page.Font();
    root.SetZoom(page.Zoom());
    readElement(x, root, context);
}

void readPageChildren(QXmlStreamReader &x, VPage &page, Context &context)
{
    const Attrs pageNode(x);
    if (pageNode.has(u"Name"_qs)) page.Settings().Name = pageNode.attr(u"Name"_qs);
    if (pageNode.has(u"Num"_qs)) page.Settings().Num = readInt(pageNode, u"Num"_qs);
    context.page = page.Name();
    while (x.readNextStartElement()) {
        if (x.name() == QLatin1String("Font")) {
            readFont(Attrs(x), page.Font());
            x.skipCurrentElement();
        } else if (x.name() == QLatin1String("Picture")) {
            page.SetBackground(readPicture(x, context, QStringLiteral("background picture")));
        } else {
            readRootElement(x, page, context);
        }
    }
}

void readDocumentRoot(QXmlStreamReader &x, VDoc &doc, Context &context)
{
    const Attrs root(x);
    VSetPage &s = doc.Settings();
    const bool hasPaperSize = root.has(u"PaperSize"_qs);
    // Files of the older layout have no PaperSize and keep the page size in tenths of a millimetre.
    const double divisor = hasPaperSize ? 1000.0 : 10.0;
    if (hasPaperSize) s.PaperSize = readInt(root, u"PaperSize"_qs);
    if (root.has(u"Width"_qs)) s.Width = readPageSize(root, u"Width"_qs, divisor);
    if (root.has(u"Height"_qs)) s.Height = readPageSize(root, u"Height"_qs, divisor);
    if (root.has(u"Orientation"_qs)) s.Orientation = readInt(root, u"Orientation"_qs);
    while (x.readNextStartElement()) {
        if (x.name() == QLatin1String("Font")) {
            readFont(Attrs(x), doc.Font());
            x.skipCurrentElement();
        } else if (x.name() == QLatin1String("Page")) {
            VPage *page = doc.AddPage();
            readPageChildren(x, *page, context);
            page->ClearModified();
        } else {
            x.skipCurrentElement();
        }
    }
}

// The first pass: well-formed, within the nesting limit, and shaped like a design file.
// Document, Page and the page's root stand above the element levels; settings are no level.
QString checkDesignFile(QFile &file)
{
    static const QStringList settings = {QStringLiteral("Shape"), QStringLiteral("Font"),
                                         QStringLiteral("BarCodeSet"), QStringLiteral("Picture")};
    const XmlOutline outline = CheckXmlFile(file, kMaxElementDepth + 3, settings);
    if (!outline.problem.isEmpty()) return outline.problem;
    if (outline.root != QLatin1String("Document"))
        return QStringLiteral("The file is not a design file: its root element is %1, not Document")
            .arg(VisibleText(outline.root));
    if (outline.pages == 0) return QStringLiteral("The file is not a design file: it holds no Page");
    return {};
}

} // namespace

FileResult ReadDesignFile(VDoc &doc)
{
    const QString path = doc.FileName();
    doc.Clear();
    doc.SetFileName(path);
    QFile file(path);
    const QString problem = checkDesignFile(file);
    if (!problem.isEmpty()) return FileResult::failure(problem);
    QXmlStreamReader x(&file);
    x.readNextStartElement();
    FileResult result;
    Context context;
    try {
        readDocumentRoot(x, doc, context);
    } catch (const ConvertError &e) {
        result = FileResult::failure(e.text);
    }
    result.warnings = context.warnings;
    doc.ClearModified();
    return result;
}

FileResult ReadDesignFile(VDoc &doc, const QString &path)
{
    doc.SetFileName(path);
    return ReadDesignFile(doc);
}

QString PageSourcePath(int index, const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("tmp0%1.xml").arg(index));
}

FileResult LoadPageSource(VDoc &doc, int index, const QString &folder)
{
    VPage *page = doc.PageAt(index);
    if (!page) return FileResult::failure(QStringLiteral("There is no page %1.").arg(index + 1));
    QFile file(PageSourcePath(index, folder));
    const QString problem = checkDesignFile(file);
    if (!problem.isEmpty()) return FileResult::failure(problem);
    page->Clear();
    QXmlStreamReader x(&file);
    x.readNextStartElement();
    FileResult result;
    Context context;
    try {
        while (x.readNextStartElement()) {
            if (x.name() == QLatin1String("Page"))
                readPageChildren(x, *page, context);
            else
                x.skipCurrentElement();
        }
    } catch (const ConvertError &e) {
        result = FileResult::failure(e.text);
    }
    result.warnings = context.warnings;
    return result;
}
