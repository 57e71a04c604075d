// Writing design and report files: element order, attribute order and whitespace are fixed so
// that other programs reading these files see the same text every time.
#include "files/atomic_file.h"
#include "files/design_file.h"
#include "files/picture_text.h"

#include "model/v_doc.h"

#include <QDir>
#include <QXmlStreamWriter>
#include <cmath>
#include <functional>

namespace
{

QString num(qint64 v)
{
    return QString::number(v);
}
QString tenths(double mm)
{
    return num(std::llround(mm * 10.0));
} // values already hold 0.1 mm
// Millimetres cut to thousandths; the nudge away from zero keeps binary rounding (210.0 * 1000 =
// 209999.99...) from losing one, for negative sizes too, which would otherwise shrink per save.
QString thousandths(double mm)
{
    const double scaled = mm * 1000.0;
    return num(qint64(std::trunc(scaled + (scaled < 0 ? -1e-6 : 1e-6))));
}
QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}
QString real(double v)
{
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

class Writer
{
public:
    explicit Writer(QIODevice *device) : m_xml(device) { m_xml.setAutoFormatting(false); }

    void document(const VDoc &doc)
    {
        begin(doc);
        for (int i = 0; i < doc.PageCount(); ++i)
            page(*doc.PageAt(i), doc.Font(), 1);
        end();
    }

    // The Document element's start, its settings and font; pages and end() follow.
    void begin(const VDoc &doc)
    {
        m_xml.writeProcessingInstruction(QStringLiteral("xml"),
                                         QStringLiteral("version='1.0' encoding='UTF-8'"));
        indent(0);
        m_xml.writeStartElement(QStringLiteral("Document"));
        const VSetPage &s = doc.Settings();
        m_xml.writeAttribute(QStringLiteral("PaperSize"), num(s.PaperSize));
        m_xml.writeAttribute(QStringLiteral("Width"), thousandths(s.Width));
        m_xml.writeAttribute(QStringLiteral("Height"), thousandths(s.Height));
        m_xml.writeAttribute(QStringLiteral("Orientation"), num(s.Orientation));
        documentFont(doc.Font(), 1);
    }

    void end()
    {
        m_xml.writeCharacters(QStringLiteral("\n"));
        m_xml.writeEndElement();
    }

    // The page-source file: a bare Document root holding one page.
    void pageSource(const VDoc &doc, const VPage &p)
    {
        m_xml.writeProcessingInstruction(QStringLiteral("xml"),
                                         QStringLiteral("version='1.0' encoding='UTF-8'"));
        indent(0);
        m_xml.writeStartElement(QStringLiteral("Document"));
        page(p, doc.Font(), 1);
        m_xml.writeCharacters(QStringLiteral("\n"));
        m_xml.writeEndElement();
    }

    bool hasError() const { return m_xml.hasError(); }

    void page(const VPage &p, const TZelFont &docFont, int level)
    {
        indent(level);
        m_xml.writeStartElement(QStringLiteral("Page"));
        m_xml.writeAttribute(QStringLiteral("Name"), p.Name());
        m_xml.writeAttribute(QStringLiteral("Num"), num(p.Num()));
        relativeFont(p.Font(), docFont, level + 1);
        element(p.Root(), p.Font(), level + 1);
        if (p.Background()) picture(*p.Background(), level + 1);
        indent(level);
        m_xml.writeEndElement();
    }

private:
    void indent(int level)
    {
        m_xml.writeCharacters(QStringLiteral("\n") + QString(level, QLatin1Char('\t')));
    }

    void element(const VGrfElement &e, const TZelFont &reference, int level)
    {
        const ElementKind k = e.Kind();
        indent(level);
        m_xml.writeStartElement(KindName(k));
        m_xml.writeAttribute(QStringLiteral("Name"), e.Name());
        m_xml.writeAttribute(QStringLiteral("Num"), num(e.Num()));
        const bool captioned =
            k == ElementKind::Group || k == ElementKind::Label || k == ElementKind::BarCode;
        if (captioned && !e.Caption().isEmpty()) m_xml.writeAttribute(QStringLiteral("Caption"), e.Caption());
        if (k == ElementKind::Group && e.Repeatability())
            m_xml.writeAttribute(QStringLiteral("Repeatability"), QStringLiteral("1"));
        // Cells take a value type as labels do, and every kind can be kept from printing; a
        // reader that knows only the label's and group's attributes skips the others.
        const bool valued = k == ElementKind::Label || k == ElementKind::Cell;
        if (valued && e.ValueType() != vtFixed)
            m_xml.writeAttribute(QStringLiteral("ValueType"), num(e.ValueType()));
        // Kept whatever the value type, so that trying another type loses no typed description.
        if (valued && !e.Description().isEmpty())
            m_xml.writeAttribute(QStringLiteral("Description"), e.Description());
        if (e.Printable() != pmNormal) m_xml.writeAttribute(QStringLiteral("Printable"), num(e.Printable()));
        const QStringList &codes = e.DataCodes();
        for (int i = 0; i < codes.size(); ++i)
            if (!codes[i].isEmpty())
                m_xml.writeAttribute(QStringLiteral("Code") + QLatin1String(kDataCodeFields[i]), codes[i]);

        // A panel, table or cell can hold a picture too (the page's own panel as a backdrop).
        if (e.Picture()) picture(*e.Picture(), level + 1);
        if (k == ElementKind::BarCode) barCode(e.BarCode() ? *e.BarCode() : VBarCode(), level + 1);
        shape(e.Shape(), level + 1);
        relativeFont(e.Font(), reference, level + 1);
        for (const auto &child : e.ChildList())
            element(*child, e.Font(), level + 1);
        indent(level);
        m_xml.writeEndElement();
    }

    void shape(const VShape &s, int level)
    {
        indent(level);
        const bool borders = s.Figure() == 3 && s.HasVisibleBorder();
        if (borders)
            m_xml.writeStartElement(QStringLiteral("Shape"));
        else
            m_xml.writeEmptyElement(QStringLiteral("Shape"));
        m_xml.writeAttribute(QStringLiteral("Left"), num(s.Left()));
        m_xml.writeAttribute(QStringLiteral("Top"), num(s.Top()));
        m_xml.writeAttribute(QStringLiteral("Width"), num(s.Width()));
        m_xml.writeAttribute(QStringLiteral("Height"), num(s.Height()));
        if (s.Figure() != 0) m_xml.writeAttribute(QStringLiteral("Figure"), num(s.Figure()));
        // Per-side borders draw with their own pens, but the frame's pen is what the next border
        // takes and what a switch back to a standard frame shows: it is kept for every figure.
        if (s.RectRound() != 10) m_xml.writeAttribute(QStringLiteral("RectRound"), num(s.RectRound()));
        if (s.PenColor() != 0) m_xml.writeAttribute(QStringLiteral("PenColor"), num(s.PenColor()));
        if (s.PenWidth() != 1) m_xml.writeAttribute(QStringLiteral("PenWidth"), num(s.PenWidth()));
        if (s.PenStyle() != 5) m_xml.writeAttribute(QStringLiteral("PenStyle"), num(s.PenStyle()));
        if (s.BrushColor() != kWhite) m_xml.writeAttribute(QStringLiteral("BrushColor"), num(s.BrushColor()));
        if (s.BrushStyle() != 1) m_xml.writeAttribute(QStringLiteral("BrushStyle"), num(s.BrushStyle()));
        if (!borders) return;
        for (int i = 0; i < 6; ++i) {
            const VBorder &b = s.BorderLine(i);
            if (!b.visible) continue;
            indent(level + 1);
            m_xml.writeEmptyElement(QStringLiteral("Border") + num(i));
            if (b.PenColor != 0) m_xml.writeAttribute(QStringLiteral("PenColor"), num(b.PenColor));
            if (b.PenWidth != 1) m_xml.writeAttribute(QStringLiteral("PenWidth"), num(b.PenWidth));
            if (b.PenStyle != 0) m_xml.writeAttribute(QStringLiteral("PenStyle"), num(b.PenStyle));
        }
        indent(level);
        m_xml.writeEndElement();
    }

    void documentFont(const TZelFont &f, int level)
    {
        indent(level);
        m_xml.writeEmptyElement(QStringLiteral("Font"));
        const TZelFont d;
        attr(u"FontHeight"_qs, tenths(f.FontHeight()));
        attr(u"FontWidth"_qs, tenths(f.FontWidth()));
        if (f.FontColor() != 0) attr(u"FontColor"_qs, num(f.FontColor()));
        if (f.FontOrientation() != 0) attr(u"FontOrientation"_qs, num(f.FontOrientation()));
        if (f.VertSpace() != 0.0) attr(u"VertSpace"_qs, tenths(f.VertSpace()));
        if (f.mmPos()) attr(u"mmPos"_qs, flag(true));
        // Both placements are kept, so that switching between them loses neither.
        if (f.VertPos() != 1) attr(u"VertPos"_qs, num(f.VertPos()));
        if (f.HorzPos() != 1) attr(u"HorzPos"_qs, num(f.HorzPos()));
        if (f.LeftPos() != 0.0) attr(u"LeftPos"_qs, tenths(f.LeftPos()));
        if (f.TopPos() != 0.0) attr(u"TopPos"_qs, tenths(f.TopPos()));
        if (f.Offset() != 0) attr(u"Offset"_qs, num(f.Offset()));
        if (f.TextLength() != -1) attr(u"TextLength"_qs, num(f.TextLength()));
        if (f.FontWeight() != 400) attr(u"FontWeight"_qs, num(f.FontWeight()));
        if (f.FontItalic() != 0) attr(u"FontItalic"_qs, num(f.FontItalic()));
        if (f.FontUnderline() != 0) attr(u"FontUnderline"_qs, num(f.FontUnderline()));
        if (f.FontStrikeOut() != 0) attr(u"FontStrikeOut"_qs, num(f.FontStrikeOut()));
        if (f.FontCharSet() != 1) attr(u"FontCharSet"_qs, num(f.FontCharSet()));
        if (f.FontName() != d.FontName()) attr(u"FontName"_qs, f.FontName());
    }

    // Every font but the document's is written as its differences from the reference font.
    void relativeFont(const TZelFont &f, const TZelFont &r, int level)
    {
        indent(level);
        m_xml.writeEmptyElement(QStringLiteral("Font"));
        if (f.FontHeight() != r.FontHeight()) attr(u"FontHeight"_qs, tenths(f.FontHeight()));
        if (f.FontWidth() != r.FontWidth()) attr(u"FontWidth"_qs, tenths(f.FontWidth()));
        if (f.FontOrientation() != r.FontOrientation()) attr(u"FontOrientation"_qs, num(f.FontOrientation()));
        if (f.VertSpace() != r.VertSpace()) attr(u"VertSpace"_qs, tenths(f.VertSpace()));
        if (f.mmPos() != r.mmPos()) attr(u"mmPos"_qs, flag(f.mmPos()));
        if (f.VertPos() != r.VertPos()) attr(u"VertPos"_qs, num(f.VertPos()));
        if (f.HorzPos() != r.HorzPos()) attr(u"HorzPos"_qs, num(f.HorzPos()));
        if (f.LeftPos() != r.LeftPos()) attr(u"LeftPos"_qs, tenths(f.LeftPos()));
        if (f.TopPos() != r.TopPos()) attr(u"TopPos"_qs, tenths(f.TopPos()));
        if (f.Offset() != r.Offset()) attr(u"Offset"_qs, num(f.Offset()));
        if (f.TextLength() != r.TextLength()) attr(u"TextLength"_qs, num(f.TextLength()));
        if (f.FontColor() != r.FontColor()) attr(u"FontColor"_qs, num(f.FontColor()));
        if (f.FontWeight() != r.FontWeight()) attr(u"FontWeight"_qs, num(f.FontWeight()));
        if (f.FontItalic() != r.FontItalic()) attr(u"FontItalic"_qs, num(f.FontItalic()));
        if (f.FontUnderline() != r.FontUnderline()) attr(u"FontUnderline"_qs, num(f.FontUnderline()));
        if (f.FontStrikeOut() != r.FontStrikeOut()) attr(u"FontStrikeOut"_qs, num(f.FontStrikeOut()));
        if (f.FontCharSet() != r.FontCharSet()) attr(u"FontCharSet"_qs, num(f.FontCharSet()));
        if (f.FontName() != r.FontName()) attr(u"FontName"_qs, f.FontName());
    }

    void barCode(const VBarCode &b, int level)
    {
        indent(level);
        m_xml.writeEmptyElement(QStringLiteral("BarCodeSet"));
        attr(u"Value"_qs, b.Value());
        if (b.Type() != 2) attr(u"Type"_qs, num(b.Type()));
        if (b.ValueType() != 0) attr(u"ValueType"_qs, num(b.ValueType()));
        if (b.Orientation() != 0) attr(u"Orientation"_qs, num(b.Orientation()));
        if (b.Color() != 0) attr(u"Color"_qs, num(b.Color()));
        if (b.ManualWidth()) {
            attr(u"ManualWidth"_qs, flag(true));
            if (b.LineWidth() != 15.0) attr(u"LineWidth"_qs, num(qint64(std::trunc(b.LineWidth()))));
        }
        if (b.ManualHeight()) {
            attr(u"ManualHeight"_qs, flag(true));
            if (b.MarginTop() != 0.0) attr(u"MarginTop"_qs, real(b.MarginTop()));
            if (b.MarginBottom() != 0.0) attr(u"MarginBottom"_qs, real(b.MarginBottom()));
        }
        if (b.ShowValue()) attr(u"ShowValue"_qs, flag(true));
        // The text's place and size stay set while the text is switched off.
        if (b.ValuePos() != 1) attr(u"ValuePos"_qs, num(b.ValuePos()));
        if (b.FontSizeSet() != 0) attr(u"FontSizeSet"_qs, num(b.FontSizeSet()));
        // The sizing of the properties dialog: the check character, standard size and its factor.
        if (!b.CheckDigitComputed()) attr(u"CheckSum"_qs, flag(false));
        if (!b.CustomSize()) attr(u"CustomSize"_qs, flag(false));
        if (b.Factor() != 1.0f) attr(u"Factor"_qs, real(std::round(double(b.Factor()) * 100.0) / 100.0));
    }

    void picture(const VPicture &p, int level)
    {
        indent(level);
        m_xml.writeStartElement(QStringLiteral("Picture"));
        const int size = p.SizeSet();
        attr(u"SizeSet"_qs, num(size));
        if (size == 3 && p.Height() != 0) attr(u"Height"_qs, num(p.Height()));
        if (size == 3 && p.Width() != 0) attr(u"Width"_qs, num(p.Width()));
        // The position stays set while a stretch makes it unused.
        if (p.PosSetX() != 1) attr(u"PosSetX"_qs, num(p.PosSetX()));
        if (p.PosSetX() == 3 && p.Left() != 0) attr(u"Left"_qs, num(p.Left()));
        if (p.PosSetY() != 1) attr(u"PosSetY"_qs, num(p.PosSetY()));
        if (p.PosSetY() == 3 && p.Top() != 0) attr(u"Top"_qs, num(p.Top()));
        attr(u"Format"_qs, num(p.Format()));
        if (p.HasData()) m_xml.writeCharacters(EncodePictureText(p));
        m_xml.writeEndElement();
    }

    void attr(const QString &name, const QString &value) { m_xml.writeAttribute(name, value); }

    QXmlStreamWriter m_xml;
};

// A write the device refused is the disk's reason; the stream writer alone only knows that
// something failed, which without a device error means text that XML cannot hold.
FileResult finish(AtomicFile &file, const Writer &writer)
{
    if (writer.hasError() && file.error().isEmpty()) {
        file.discard();
        return FileResult::failure(
            QStringLiteral("Cannot write %1: a text holds a character that XML cannot store")
                .arg(file.target()));
    }
    if (!file.commit()) return FileResult::failure(file.error());
    return {};
}

FileResult saveWith(const QString &path, const std::function<void(Writer &)> &write)
{
    AtomicFile file(path);
    if (!file.open()) return FileResult::failure(file.error());
    Writer writer(&file);
    write(writer);
    return finish(file, writer);
}

} // namespace

FileResult WriteDesignFile(VDoc &doc)
{
    if (doc.IsEmpty()) return {};
    // Positions in the file are absolute: bring them up to date from the page roots down.
    for (int i = 0; i < doc.PageCount(); ++i)
        doc.PageAt(i)->Root().RecomputeAbsolute(0, 0);
    const FileResult r = saveWith(doc.FileName(), [&](Writer &w) { w.document(doc); });
    if (r) doc.ClearModified();
    return r;
}

FileResult WriteDesignFile(VDoc &doc, const QString &path)
{
    doc.SetFileName(path);
    return WriteDesignFile(doc);
}

FileResult SavePageSource(VDoc &doc, int index, const QString &folder)
{
    VPage *page = doc.PageAt(index);
    if (!page) return FileResult::failure(QStringLiteral("There is no page %1.").arg(index + 1));
    QDir().mkpath(folder);
    page->Root().RecomputeAbsolute(0, 0);
    return saveWith(PageSourcePath(index, folder), [&](Writer &w) { w.pageSource(doc, *page); });
}

struct DesignFileStream::Private {
    explicit Private(const QString &path) : file(path), writer(&file) {}
    AtomicFile file;
    Writer writer;
    TZelFont documentFont;
};

DesignFileStream::DesignFileStream(const QString &path) : d(std::make_unique<Private>(path)) {}

DesignFileStream::~DesignFileStream() = default;

FileResult DesignFileStream::begin(const VDoc &doc)
{
    if (!d->file.open()) return FileResult::failure(d->file.error());
    d->documentFont = doc.Font();
    d->writer.begin(doc);
    return {};
}

void DesignFileStream::writePage(VPage &page)
{
    page.Root().RecomputeAbsolute(0, 0);
    d->writer.page(page, d->documentFont, 1);
}

QString DesignFileStream::error() const
{
    return d->file.error();
}

QString DesignFileStream::target() const
{
    return d->file.target();
}

FileResult DesignFileStream::commit()
{
    d->writer.end();
    return finish(d->file, d->writer);
}
