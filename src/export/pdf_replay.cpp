#include "export/pdf_replay.h"

#include "export/export_pictures.h"
#include "export/page_markup.h"
#include "export/pdf_engine.h"
#include "model/v_grf_element.h"
#include "render/barcode_painter.h"
#include "render/element_painter.h"
#include "render/picture_painter.h"

#include <QFontDatabase>
#include <QHash>
#include <QLocale>
#include <QPainter>
#include <QSet>
#include <cmath>

namespace
{

// Group and table pictures are drawn at 96 pixels per inch: 15 twips a pixel.
constexpr int kExportTwipsPerPixel = 15;
constexpr double kPixelsPerPoint = 96.0 / 72.0;

// Twips to points: the truncating integer form and the floating form.
int ip(int twips)
{
    return int(qint64(twips) * 72 / 1440);
}
double fp(int twips)
{
    return twips * 72.0 / 1440.0;
}

int intTag(const MarkupTags &line, const char *name)
{
    return line.intValue(QLatin1String(name));
}

bool has(const MarkupTags &line, const char *name)
{
    return line.has(QLatin1String(name));
}

// COLORREF to the engine's rgb components; zeroWhite turns the value 0 into white.
void setColorRef(PdfEngine &pdf, const char *type, const QString &value, bool zeroWhite)
{
    const quint32 c = value.trimmed().toUInt();
    if (c == 0 && zeroWhite) {
        pdf.setColor(QLatin1String(type), QStringLiteral("rgb"), 1, 1, 1, 0);
        return;
    }
    pdf.setColor(QLatin1String(type), QStringLiteral("rgb"), (c & 255) / 255.0, ((c >> 8) & 255) / 255.0,
                 ((c >> 16) & 255) / 255.0, 0);
}

void setPenDash(PdfEngine &pdf, int style)
{
    switch (style) {
    case 1:
        pdf.setPolyDash({4, 2});
        break;
    case 2:
        pdf.setPolyDash({2, 2});
        break;
    case 3:
        pdf.setPolyDash({4, 3, 1, 3});
        break;
    case 4:
        pdf.setPolyDash({4, 3, 1, 3, 1, 3});
        break;
    default:
        pdf.setDash(0, 0);
        break;
    }
}

// The frame rectangle in the element's pen style; style 5 draws none.
void strokeFrame(PdfEngine &pdf, int style, int l, int t, int w, int h, int pageHeight)
{
    if (style == 5) return;
    setPenDash(pdf, style);
    pdf.rect(ip(l), pageHeight - ip(t) - ip(h), ip(w), ip(h));
    pdf.stroke();
    pdf.setDash(0, 0);
}

void strokeLine(PdfEngine &pdf, const QString &color, double x1, double y1, double x2, double y2)
{
    setColorRef(pdf, "stroke", color, false);
    pdf.moveTo(x1, y1);
    pdf.lineTo(x2, y2);
    pdf.stroke();
}

// Per-side border lines; frames and texts draw the two diagonals in opposite orders.
void strokeBorders(PdfEngine &pdf, const MarkupTags &line, int l, int t, int w, int h, int pageHeight,
                   bool fallingFirst)
{
    const double left = ip(l), right = ip(l) + ip(w);
    const double top = pageHeight - ip(t), bottom = pageHeight - ip(t) - ip(h);
    if (has(line, "f0")) strokeLine(pdf, line.value(QLatin1String("f0")), left, top, right, top);
    if (has(line, "f1")) strokeLine(pdf, line.value(QLatin1String("f1")), right, bottom, right, top);
    if (has(line, "f2")) strokeLine(pdf, line.value(QLatin1String("f2")), left, bottom, right, bottom);
    if (has(line, "f3")) strokeLine(pdf, line.value(QLatin1String("f3")), left, bottom, left, top);
    const auto falling = [&] {
        if (has(line, "f5")) strokeLine(pdf, line.value(QLatin1String("f5")), left, top, right, bottom);
    };
    const auto rising = [&] {
        if (has(line, "f4")) strokeLine(pdf, line.value(QLatin1String("f4")), left, bottom, right, top);
    };
    if (fallingFirst) {
        falling();
        rising();
    } else {
        rising();
        falling();
    }
}

double readNumber(QString text)
{
    text = text.trimmed();
    bool ok = false;
    double v = QLocale::c().toDouble(text, &ok);
    if (!ok) v = QLocale::c().toDouble(QString(text).replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    return ok ? v : 0.0;
}

// round() of the tag read as a number with blanks and commas removed; absent gives 0.
int alignmentCode(const MarkupTags &line, const char *name)
{
    QString text = line.value(QLatin1String(name));
    text.remove(QLatin1Char(' ')).remove(QLatin1Char(','));
    bool ok = false;
    const double v = QLocale::c().toDouble(text, &ok);
    if (!ok) return 0;
    return std::isfinite(v) && std::abs(v) < 1e6 ? int(std::lround(v)) : -1; // -1: an unknown code
}

void placePicture(PdfEngine &pdf, const QString &file, double x, double y, const QString &options,
                  QStringList &warnings)
{
    const int image = pdf.loadImage(QStringLiteral("auto"), file);
    if (image == -1 && !pdf.imageError().isEmpty()) warnings << pdf.imageError();
    if (image == -1) return;
    pdf.fitImage(image, x, y, options);
    pdf.closeImage(image);
}

// The font families of the system, read once: asking the font database per document is slow.
const QSet<QString> &installedFamilies()
{
    static const QSet<QString> families = [] {
        QSet<QString> lower;
        for (const QString &family : QFontDatabase::families())
            lower.insert(family.toLower());
        return lower;
    }();
    return families;
}

} // namespace

struct PdfReplay::Lines {
    Lines(PdfEngine &pdf, const QString &fileName, int pageWidth, int pageHeight, const QString &encoding)
        : pdf(pdf), fileName(fileName), base(OutputBase(fileName)), PW(pageWidth), PH(pageHeight),
          encoding(encoding), installed(installedFamilies())
    {
    }

    void resetLine()
    {
        pdf.setFont(pdf.loadFont(QStringLiteral("Courier New"), encoding), 28);
        pdf.setTextPos(0, PH);
        pdf.setDash(0, 0);
    }

    void turnPage(int width, int height)
    {
        PW = width;
        PH = height;
        pdf.endPage();
        pdf.beginPage(PW, PH);
        pdf.setParameter(QStringLiteral("openaction"), QStringLiteral("fitbbox"));
        pdf.setTextPos(0, PH);
        pdf.setFont(pdf.loadFont(QStringLiteral("Courier New"), encoding), 28);
    }

    // With its element the picture comes from the element (an undecodable one as the
    // placeholder over the element), otherwise from the file the line names.
    void pictureLine(const MarkupTags &line, const VGrfElement *element)
    {
        const QString file = line.value(QLatin1String("ifn"));
        const int l = intTag(line, "il"), t = intTag(line, "it"), w = intTag(line, "ir"),
                  h = intTag(line, "ib");
        const int sizeSet = intTag(line, "iss");
        setColorRef(pdf, "stroke", line.value(QLatin1String("ic")), true);
        int iw = 0, ih = 0;
        bool loaded = false;
        const VPicture *picture = element ? element->Picture() : nullptr;
        if (picture && picture->IsUndecodable()) {
            pdf.drawTwips(fp(l), PH - fp(t) - fp(h), fp(w), fp(h), [&](QPainter &painter) {
                DrawPicturePlaceholder(painter, QRect(0, 0, w, h), true);
            });
        } else if (picture || !file.isEmpty()) {
            const int image = picture ? pdf.loadImageOnWhite(picture->Image())
                                      : pdf.loadImage(QStringLiteral("auto"), file);
            if (image == -1 && !picture && !pdf.imageError().isEmpty()) warnings << pdf.imageError();
            if (image != -1) {
                loaded = true;
                iw = int(pdf.getValue(QStringLiteral("imagewidth"), image));
                ih = int(pdf.getValue(QStringLiteral("imageheight"), image));
                const QString box =
                    QStringLiteral("boxsize={") + FloatText(fp(w)) + QLatin1Char(' ') + FloatText(fp(h));
                if (sizeSet == 1)
                    pdf.fitImage(image, fp(l), PH - fp(t) - ip(h),
                                 box + QStringLiteral("} position={left top} fitmethod=entire"));
                else if (sizeSet == 2)
                    pdf.fitImage(image, fp(l), PH - fp(t) - ip(h),
                                 box + QStringLiteral("} position={center} fitmethod=meet"));
                else if (sizeSet == 0)
                    pdf.fitImage(image, ip(l), PH - ip(t), QStringLiteral("position={left top} dpi 96"));
                pdf.closeImage(image);
            }
        }
        if (sizeSet == 2) {
            pdf.rect(fp(l), PH - fp(t) - ip(h), fp(w), fp(h));
            pdf.stroke();
        } else if (sizeSet == 0 && loaded) {
            const double pw = iw / kPixelsPerPoint, ph = ih / kPixelsPerPoint;
            pdf.rect(ip(l), PH - ip(t) - ph, pw, ph);
            pdf.stroke();
        }
    }

    void frameLine(const MarkupTags &line)
    {
        const int l = intTag(line, "gl"), t = intTag(line, "gt"), w = intTag(line, "gr"),
                  h = intTag(line, "gb");
        setColorRef(pdf, "stroke", line.value(QLatin1String("gc")), true);
        strokeFrame(pdf, intTag(line, "pt"), l, t, w, h, PH);
        strokeBorders(pdf, line, l, t, w, h, PH, true);
    }

    // Group and table pictures hang from the element's top-left corner at screen resolution.
    // With the element at hand it is drawn there as vectors, clipped to the picture's size.
    void elementPictureLine(const MarkupTags &line, const QString &middle, const VGrfElement *element)
    {
        const int l = intTag(line, "gl"), t = intTag(line, "gt");
        if (element) {
            const VShape &s = element->Shape();
            const int pw = std::max(1, s.Width() / kExportTwipsPerPixel) * kExportTwipsPerPixel;
            const int ph = std::max(1, s.Height() / kExportTwipsPerPixel) * kExportTwipsPerPixel;
            pdf.drawTwips(ip(l), PH - ip(t) - fp(ph), fp(pw), fp(ph), [&](QPainter &painter) {
                DrawElementWithCells(const_cast<VGrfElement &>(*element), painter, blackWhite, printableOnly,
                                     s.Left(), s.Top());
            });
            return;
        }
        const QString file = base + middle + QString::number(WholeMillimetres(l)) + QLatin1Char('_') +
                             QString::number(WholeMillimetres(t)) + QStringLiteral(".jpeg");
        placePicture(pdf, file, ip(l), PH - ip(t), QStringLiteral("position={left top} dpi 96"), warnings);
    }

    void textLine(const MarkupTags &line)
    {
        const int l = intTag(line, "tl"), t = intTag(line, "tt"), w = intTag(line, "tr"),
                  h = intTag(line, "tb");
        const TextLinePlan plan =
            PlanTextLine(line, PH, [this](const QString &face) { return fontExists(face); });
        const int font = pdf.loadFont(plan.font, encoding);
        pdf.setFont(font, plan.size);
        pdf.setValue(QStringLiteral("leading"), plan.size);
        setColorRef(pdf, "fill", line.value(QLatin1String("fc")), false);
        if (!plan.options.isEmpty()) {
            pdf.setFont(font, plan.size);
            pdf.fitTextLine(line.value(QLatin1String("tca")), plan.x, plan.y, plan.options);
        }
        setColorRef(pdf, "stroke", line.value(QLatin1String("tc")), false);
        strokeFrame(pdf, intTag(line, "ts"), l, t, w, h, PH);
        strokeBorders(pdf, line, l, t, w, h, PH, false);
    }

    // Barcode pictures are drawn finer than the screen; placing them at the element's size keeps
    // every module where the symbol needs it. With the element the bars and modules are drawn
    // there as vectors and the digits as text: sharp at any zoom and a fraction of the size.
    void barcodeLine(const MarkupTags &line, const VGrfElement *element)
    {
        const QString value = line.value(QLatin1String("bcv"));
        const int l = intTag(line, "gl"), t = intTag(line, "gt"), w = intTag(line, "gr"),
                  h = intTag(line, "gb");
        setColorRef(pdf, "stroke", line.value(QLatin1String("gc")), false);
        VBarCode *code = element ? element->BarCode() : nullptr;
        const double x = fp(l), y = PH - fp(t) - fp(h);
        if (code) {
            // A QR Code is its modules alone: beneath the page it needs no drawing state at all.
            if (!pdf.stencilSink() ||
                !pdf.placeStencil(x, y, fp(w), fp(h), QrStencil(*code, QRect(0, 0, w, h))))
                pdf.drawTwips(x, y, fp(w), fp(h), [&](QPainter &painter) {
                    DrawBarcode(*code, painter, QRect(0, 0, w, h), element->Font(), DrawSurface::Vector,
                                pdf.stencilSink());
                });
        } else {
            const QString file = BarcodePictureName(fileName, value, l, t);
            placePicture(pdf, file, x, y,
                         QStringLiteral("boxsize={") + FloatText(fp(w)) + QLatin1Char(' ') +
                             FloatText(fp(h)) + QStringLiteral("} position={left top} fitmethod=entire"),
                         warnings);
        }
        strokeFrame(pdf, intTag(line, "pt"), l, t, w, h, PH);
    }

    void line(const QString &text, const VGrfElement *element)
    {
        const MarkupTags tags(text);
        if (tags.pageBreak()) turnPage(PW, PH);
        resetLine();
        if (has(tags, "ifn")) pictureLine(tags, element);
        if (has(tags, "gf")) frameLine(tags);
        if (has(tags, "gst")) elementPictureLine(tags, QStringLiteral("_group_"), element);
        if (has(tags, "tca")) textLine(tags);
        if (has(tags, "st")) elementPictureLine(tags, QStringLiteral("_table_"), element);
        if (has(tags, "bcv")) barcodeLine(tags, element);
    }

    bool fontExists(const QString &face) const
    {
        return installed.contains(face.toLower()) || pdf.mappedFaces().contains(face, Qt::CaseInsensitive);
    }

    PdfEngine &pdf;
    QString fileName;
    QString base;
    int PW;
    int PH;
    QString encoding;
    const QSet<QString> &installed;
    bool blackWhite = false;
    bool printableOnly = false;
    QStringList warnings;
};

PdfReplay::PdfReplay(PdfEngine &pdf, const QString &fileName, int pageWidth, int pageHeight, int codePage)
    : d(std::make_unique<Lines>(pdf, fileName, pageWidth, pageHeight,
                                QStringLiteral("cp") + QString::number(codePage)))
{
}

PdfReplay::~PdfReplay() = default;

void PdfReplay::setPageSwitches(bool blackWhite, bool printableOnly)
{
    d->blackWhite = blackWhite;
    d->printableOnly = printableOnly;
}

void PdfReplay::turnPage(const QSize &size)
{
    d->turnPage(size.width(), size.height());
}

void PdfReplay::line(const QString &text, const VGrfElement *element)
{
    d->line(text, element);
}

QStringList PdfReplay::warnings() const
{
    return d->warnings;
}

TextLinePlan PlanTextLine(const QString &line, int pageHeight,
                          const std::function<bool(const QString &)> &fontExists)
{
    return PlanTextLine(MarkupTags(line), pageHeight, fontExists);
}

TextLinePlan PlanTextLine(const MarkupTags &line, int pageHeight,
                          const std::function<bool(const QString &)> &fontExists)
{
    TextLinePlan plan;
    QString face = line.value(QLatin1String("fn"));
    if (face.isEmpty()) face = QStringLiteral("Courier New");
    if (face == QLatin1String("@Arial Unicode MS")) face = QStringLiteral("Arial Unicode MS");
    if (!fontExists || !fontExists(face)) face = QStringLiteral("Courier New");
    if (line.value(QLatin1String("fb")) == QLatin1String("1")) face += QStringLiteral(",Bold");
    if (line.value(QLatin1String("fi")) == QLatin1String("1")) face += QStringLiteral(",Italic");
    plan.font = face;

    double height = readNumber(line.value(QLatin1String("fs")));
    if (!(height >= 1.0)) height = 10;
    plan.size = std::round(height * 72 / 25.4);

    const int vert = alignmentCode(line, "tv");
    const int horz = alignmentCode(line, "th");
    const int orientation = intTag(line, "fo");
    static const char *const horzNames[3] = {"left", "center", "right"};
    static const char *const vertNames[3] = {"top", "center", "bottom"};
    const char *orientate = nullptr;
    switch (orientation) {
    case 0:
        orientate = " fitmethod=auto";
        break;
    case 90:
        orientate = " fitmethod=auto orientate=west";
        break;
    case 180:
        orientate = " fitmethod=auto orientate=south";
        break;
    case 270:
        orientate = " fitmethod=auto orientate=east";
        break;
    default:
        break;
    }
    // Unknown alignment or orientation codes leave the text out (the frame is still drawn).
    if (!orientate || vert < 0 || vert > 2 || horz < 0 || horz > 2) return plan;
    const int l = intTag(line, "tl"), t = intTag(line, "tt"), w = intTag(line, "tr"), h = intTag(line, "tb");
    plan.options = QStringLiteral("boxsize={") + FloatText(fp(w)) + QLatin1Char(' ') + FloatText(fp(h)) +
                   QStringLiteral("} position={") + QLatin1String(horzNames[horz]) + QLatin1Char(' ') +
                   QLatin1String(vertNames[vert]) + QLatin1Char('}') + QLatin1String(orientate);
    plan.x = ip(l);
    plan.y = orientation == 0 || orientation == 90 ? pageHeight - ip(t) - ip(h)
                                                   : pageHeight - ip(t) - ip(h) + ip(w);
    return plan;
}
