#include "render/barcode_painter.h"

#include "files/atomic_file.h"
#include "model/units.h"
#include "model/v_bar_code.h"
#include "model/zel_font.h"
#include "render/barcode_calc.h"
#include "render/qr_symbol.h"
#include "render/text_font.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QRawFont>
#include <QHash>
#include <QPainter>
#include <cmath>

namespace
{

constexpr double kNominalModule = 18.70866139824; // 0.33 mm
constexpr double kNominalText = 155.905511652;    // 2.75 mm
constexpr int kQuietBefore = 11;
constexpr int kQuietAfter = 7;
constexpr double kMaxModuleWidth = 100000.0;
constexpr int kMaxImageSide = 20000;

class PainterState
{
public:
    explicit PainterState(QPainter &p) : m_p(p) { m_p.save(); }
    ~PainterState() { m_p.restore(); }
    PainterState(const PainterState &) = delete;
    PainterState &operator=(const PainterState &) = delete;

private:
    QPainter &m_p;
};

bool isLinear(int type)
{
    return (type >= VBarCode::Ean8 && type <= VBarCode::Codabar) || type == VBarCode::Itf ||
           type == VBarCode::Code93;
}

// The encoder's pieces framed by the quiet zones.
struct Symbol {
    QStringList patterns;
    QStringList texts;
    QString data;
    int modules = 0;
};

Symbol encode(const VBarCode &record)
{
    Symbol s;
    if (!isLinear(record.Type())) return s;
    VBarCodeCalc &calc = VBarCodeCalc::Shared();
    calc.Encode(record.Type(), record.Value(), record.CheckDigitComputed());
    if (calc.Patterns().isEmpty()) return s;
    s.patterns << QString(kQuietBefore, QLatin1Char('0')) << calc.Patterns()
               << QString(kQuietAfter, QLatin1Char('0'));
    s.texts << QString(kQuietBefore, QLatin1Char(' ')) << calc.Texts()
            << QString(kQuietAfter, QLatin1Char(' '));
    s.data = calc.EncodedData();
    for (const QString &p : s.patterns)
        s.modules += int(p.size());
    return s;
}

BarcodeMetrics measure(const VBarCode &record, int modules, int extent)
{
    BarcodeMetrics m;
    if (modules <= 0) return m;
    m.modules = modules;
    const bool standard = !record.CustomSize();
    if (record.ManualWidth())
        m.moduleWidth = record.LineWidth();
    else if (standard)
        m.moduleWidth = kNominalModule * record.Factor();
    else
        m.moduleWidth = extent > 0 ? extent / modules : 0;
    if (!(m.moduleWidth > 0)) // also catches NaN
        m.moduleWidth = 0;
    m.moduleWidth = std::min(m.moduleWidth, kMaxModuleWidth);
    m.step = int(m.moduleWidth);
    if (record.ManualWidth() || standard) {
        const double length = modules * m.moduleWidth;
        m.offset = length < extent ? int((extent - length) / 2) : 0;
    }
    return m;
}

int orientationOf(const VBarCode &record)
{
    const int o = record.Orientation();
    return o >= 0 && o <= 3 ? o : 0;
}

int textHeight(const VBarCode &record, const TZelFont &font, double moduleWidth)
{
    if (!record.ShowValue()) return 0;
    double t;
    if (!record.CustomSize())
        t = kNominalText * record.Factor();
    else if (record.FontSizeSet() == 0)
        t = moduleWidth / kNominalModule * kNominalText;
    else
        t = font.FontHeight() * 1440.0 / 25.4;
    return t > 0 && t < kMaxModuleWidth ? int(t) : 0;
}

// Maps the rectangle so that the symbol runs along +x from the local origin and its bars hang
// down along +y; rotations turn counter-clockwise, as text escapement does.
QSize rotateInto(QPainter &painter, const QRect &rect, int orientation)
{
    const double l = rect.x(), t = rect.y(), r = l + rect.width(), b = t + rect.height();
    switch (orientation) {
    case 1:
        painter.translate(l, b);
        painter.rotate(-90);
        break;
    case 2:
        painter.translate(r, b);
        painter.rotate(180);
        break;
    case 3:
        painter.translate(r, t);
        painter.rotate(90);
        break;
    default:
        painter.translate(l, t);
        break;
    }
    return orientation % 2 ? rect.size().transposed() : rect.size();
}

struct Bars {
    double top = 0;
    double length = 0;
    double bandTop = 0; // text band
    int t = 0;
    bool below = true;
};

Bars barsLayout(const VBarCode &record, int height, int t)
{
    Bars b;
    b.t = t;
    b.below = record.ValuePos() != 0;
    if (!record.ManualHeight()) {
        b.length = height - t;
        b.top = b.below ? 0 : t;
    } else {
        b.length = std::trunc(height - record.MarginTop() - record.MarginBottom() - t);
        b.top = std::trunc(record.MarginTop() + (b.below ? 0 : t));
    }
    b.bandTop = b.below ? b.top + b.length : b.top - t;
    return b;
}

QFont valueFont(const VBarCode &record, const TZelFont &font, int t)
{
    const bool manualSize = record.CustomSize() && record.FontSizeSet() != 0;
    QFont f = MakeCellFont(font, t, manualSize ? font.FontWidth() * 1440.0 / 25.4 : 0.0);
    if (font.VertSpace() != 0) f.setLetterSpacing(QFont::AbsoluteSpacing, font.VertSpace() * 1440.0 / 25.4);
    return f;
}

// Single characters go out as one run of glyphs at their places: a PDF then holds one text
// object for the line instead of a drawing state per digit. Anything a glyph run cannot carry
// (stretch, underline, longer texts) is drawn text by text.
void drawDigits(QPainter &painter, const QFont &font, const QList<std::pair<QString, double>> &digits,
                double baseline)
{
    const bool plain = (font.stretch() == 100 || font.stretch() == QFont::AnyStretch) && !font.underline() &&
                       !font.strikeOut() && font.letterSpacing() == 0;
    const QRawFont raw = plain ? QRawFont::fromFont(font) : QRawFont();
    QList<quint32> glyphs;
    QList<QPointF> positions;
    for (const auto &[text, x] : digits) {
        const QList<quint32> one = raw.isValid() && text.size() == 1 ? raw.glyphIndexesForString(text) : QList<quint32>();
        if (one.size() == 1 && one[0] != 0) {
            glyphs << one[0];
            positions << QPointF(x, baseline);
        } else {
            painter.drawText(QPointF(x, baseline), text);
        }
    }
    if (glyphs.isEmpty()) return;
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    painter.drawGlyphRun(QPointF(0, 0), run);
}

// The advance of a piece of the value: the digits come again on every label, each shaped once per
// font and thread.
double advanceOf(const QFont &font, const QFontMetricsF &metrics, const QString &text)
{
    thread_local QHash<QFont, QHash<QString, double>> known;
    constexpr qsizetype kFonts = 64, kTexts = 4096;
    if (known.size() > kFonts) known.clear();
    QHash<QString, double> &advances = known[font];
    if (const auto it = advances.constFind(text); it != advances.cend()) return *it;
    if (advances.size() > kTexts) advances.clear();
    return *advances.insert(text, metrics.horizontalAdvance(text));
}

void drawLinear(VBarCode &record, QPainter &painter, const QRect &rect, const TZelFont &font, StencilSink *sink)
{
    const Symbol symbol = encode(record);
    if (symbol.modules == 0) return;
    const int orientation = orientationOf(record);
    const int extent = orientation % 2 ? rect.height() : rect.width();
    const BarcodeMetrics m = measure(record, symbol.modules, extent);
    if (!record.ManualWidth()) {
        // Shown by the properties dialog; drawing alone does not make the document modified.
        const bool changed = record.Changed();
        record.SetLineWidth(m.moduleWidth);
        record.SetChanged(changed);
    }
    if (m.step <= 0) return;

    PainterState state(painter);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QSize local = rotateInto(painter, rect, orientation);
    const int t = textHeight(record, font, m.moduleWidth);
    const Bars bars = barsLayout(record, local.height(), t);
    const QColor barColor = ColorFromRef(record.Color());
    const bool printValue = t > 0;
    const bool extendGuards = printValue && bars.below;

    const bool stencils = sink && bars.length > 0;
    QList<double> pieceStart;
    QList<QRectF> barRects;
    double x = m.offset;
    int modules = 0;
    for (qsizetype i = 0; i < symbol.patterns.size(); ++i) {
        const QString &p = symbol.patterns[i];
        pieceStart << x;
        const double length = bars.length + (extendGuards && symbol.texts[i].isEmpty() ? t : 0);
        for (qsizetype j = 0; j < p.size();) {
            if (p[j] != QLatin1Char('1')) {
                ++j;
                continue;
            }
            qsizetype end = j;
            while (end < p.size() && p[end] == QLatin1Char('1'))
                ++end;
            if (!stencils && length > 0)
                barRects << QRectF(x + j * m.step, bars.top, double(end - j) * m.step, length);
            j = end;
        }
        x += double(p.size()) * m.step;
        modules += int(p.size());
    }
    pieceStart << x;
    if (stencils) {
        // The bars as samples of one module each: the guards that reach into the text band
        // apart, as they are longer.
        ModuleStencil body(modules, 1, QRectF(m.offset, bars.top, modules * m.step, bars.length), barColor);
        ModuleStencil guards(modules, 1, QRectF(m.offset, bars.top, modules * m.step, bars.length + t), barColor);
        int at = 0;
        bool anyGuard = false;
        for (qsizetype i = 0; i < symbol.patterns.size(); ++i) {
            const bool guard = extendGuards && symbol.texts[i].isEmpty();
            ModuleStencil &into = guard ? guards : body;
            for (const QChar c : symbol.patterns[i]) {
                if (c == QLatin1Char('1')) {
                    into.setDark(at, 0);
                    anyGuard = anyGuard || guard;
                }
                ++at;
            }
        }
        PutStencil(painter, body, sink);
        if (anyGuard) PutStencil(painter, guards, sink);
    } else {
        // All bars in one go: a PDF then holds one path of rectangles, not a drawing state per bar.
        painter.setPen(Qt::NoPen);
        painter.setBrush(barColor);
        painter.drawRects(barRects);
    }
    painter.setBrush(Qt::NoBrush);
    if (!printValue) return;

    QFont textFont = valueFont(record, font, t);
    painter.setPen(ColorFromRef(font.FontColor()));
    painter.setBackgroundMode(Qt::TransparentMode);
    const double symbolStart = pieceStart[1];
    const double symbolEnd = pieceStart[pieceStart.size() - 2];

    if (record.Type() == VBarCode::Code128) {
        // One line stretched from the end of the start character to 11 modules before the end.
        const QString line = symbol.texts.join(QString()).trimmed();
        const double x0 = symbolStart + 11.0 * m.step;
        const double span = symbolEnd - 11.0 * m.step - x0;
        if (line.isEmpty() || span <= 0) return;
        textFont.setStretch(100);
        const double natural = QFontMetricsF(textFont).horizontalAdvance(line);
        if (natural > 0) textFont.setStretch(std::clamp(int(std::lround(100.0 * span / natural)), 1, 4000));
        painter.setFont(textFont);
        painter.drawText(QPointF(x0, bars.bandTop + QFontMetricsF(textFont).ascent()), line);
        return;
    }

    painter.setFont(textFont);
    const QFontMetricsF fm(textFont);
    const double baseline = bars.bandTop + fm.ascent();
    QList<std::pair<QString, double>> digits; // text and where it starts
    for (qsizetype i = 0; i < symbol.texts.size(); ++i) {
        const QString &text = symbol.texts[i];
        if (text.trimmed().isEmpty()) continue;
        const double width = pieceStart[i + 1] - pieceStart[i];
        digits.append({text, pieceStart[i] + (width - advanceOf(textFont, fm, text)) / 2});
    }
    // Digits that have no piece of their own stand in the quiet zones, as on retail labels.
    const int type = record.Type();
    if ((type == VBarCode::Ean13 || type == VBarCode::UpcE) && !symbol.data.isEmpty()) {
        const QString first = symbol.data.left(1);
        digits.append({first, symbolStart - advanceOf(textFont, fm, first)});
    }
    if (type == VBarCode::UpcE && symbol.data.size() == 8) digits.append({symbol.data.right(1), symbolEnd});
    drawDigits(painter, textFont, digits, baseline);
}

void drawQr(const VBarCode &record, QPainter &painter, const QRect &rect, DrawSurface surface, StencilSink *sink)
{
    if (rect.width() <= 0 || rect.height() <= 0) return;
    const QRectF target(rect);
    if (surface == DrawSurface::Vector) {
        // Lossless at any zoom.
        const ModuleStencil stencil = QrStencil(record, rect);
        if (stencil.columns > 0) PutStencil(painter, stencil, sink);
        return;
    }
    const QImage symbol = QrSymbolImage(record.Value());
    if (symbol.isNull()) return;
    PainterState state(painter);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (surface == DrawSurface::Printer) {
        // Printer drivers and PDF viewers smooth a small bitmap when they enlarge it; handing
        // them one module block per device pixel keeps the module edges sharp.
        const QSize device = painter.combinedTransform().mapRect(target).size().toSize();
        if (device.width() > symbol.width() && device.height() > symbol.height() &&
            device.width() <= kMaxImageSide && device.height() <= kMaxImageSide) {
            painter.drawImage(target, symbol.scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation));
            return;
        }
    }
    painter.drawImage(target, symbol);
}

} // namespace

ModuleStencil QrStencil(const VBarCode &record, const QRect &rect)
{
    if (record.Type() != VBarCode::Qr || rect.width() <= 0 || rect.height() <= 0) return {};
    const QrBits symbol = QrSymbolBits(record.Value());
    if (symbol.side == 0) return {};
    const int side = symbol.side + 2 * kQrQuietZone;
    ModuleStencil stencil(side, side, QRectF(rect), Qt::black);
    uchar *bits = reinterpret_cast<uchar *>(stencil.bits.data());
    for (int y = 0; y < symbol.side; ++y) {
        uchar *row = bits + (y + kQrQuietZone) * stencil.rowBytes();
        for (int x = 0; x < symbol.side; ++x)
            if (symbol.at(x, y)) row[(x + kQrQuietZone) / 8] |= uchar(0x80 >> ((x + kQrQuietZone) % 8));
    }
    return stencil;
}

BarcodeMetrics MeasureBarcode(const VBarCode &record, int extent)
{
    return measure(record, encode(record).modules, extent);
}

void DrawBarcode(VBarCode &record, QPainter &painter, const QRect &rect, const TZelFont &font,
                 DrawSurface surface, StencilSink *sink)
{
    if (record.Type() == VBarCode::Qr)
        drawQr(record, painter, rect, surface, sink);
    else if (isLinear(record.Type()))
        drawLinear(record, painter, rect, font, surface == DrawSurface::Vector ? sink : nullptr);
}

QImage RenderBarcodeImage(VBarCode &record, QSize twips, const TZelFont &font, double dpi)
{
    if (twips.width() <= 0 || twips.height() <= 0 || !(dpi > 0)) return {};
    double sx = dpi / 1440.0;
    double sy = sx;
    if (record.Type() == VBarCode::Qr) {
        const int code = QrSymbolBits(record.Value()).side;
        const int n = code > 0 ? code + 2 * kQrQuietZone : 0;
        if (n > 0) {
            sx = double(n * std::max(1L, std::lround(twips.width() * sx / n))) / twips.width();
            sy = double(n * std::max(1L, std::lround(twips.height() * sy / n))) / twips.height();
        }
    } else {
        const int extent = orientationOf(record) % 2 ? twips.height() : twips.width();
        const BarcodeMetrics m = MeasureBarcode(record, extent);
        if (m.step > 0) sx = sy = double(std::max(1L, std::lround(m.step * sx))) / m.step;
    }
    QSize pixels(std::max(1L, std::lround(twips.width() * sx)),
                 std::max(1L, std::lround(twips.height() * sy)));
    if (pixels.width() > kMaxImageSide || pixels.height() > kMaxImageSide) {
        sx = sy = std::min(dpi / 1440.0, double(kMaxImageSide) / std::max(twips.width(), twips.height()));
        pixels = QSize(std::max(1L, std::lround(twips.width() * sx)),
                       std::max(1L, std::lround(twips.height() * sy)));
    }
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(int(std::lround(sx * 1440.0 / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(sy * 1440.0 / 0.0254)));
    QPainter painter(&image);
    painter.scale(sx, sy);
    DrawBarcode(record, painter, QRect(QPoint(0, 0), twips), font, DrawSurface::Bitmap);
    return image;
}

QString BarcodePictureFileName(const QString &value, const QRect &rect, const QString &outputName)
{
    QString base = outputName;
    const QString suffix = QFileInfo(outputName).suffix();
    if (!suffix.isEmpty()) base.chop(suffix.size() + 1);
    // The value becomes part of a file name: path separators and control characters cannot stay,
    // and file systems cap a name's length.
    // Bidirectional controls are dropped: they would show the name in another order than it has.
    QString value2 = value.left(100);
    value2.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069) ||
               u == 0x061C;
    });
    for (QChar &c : value2)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 32) c = QLatin1Char('_');
    auto mm = [](int twips) { return QString::number(std::lround(twips * 25.4 / 1440.0)); };
    return base + QStringLiteral("_barcode_") + value2 + QLatin1Char('_') + mm(rect.left()) +
           QLatin1Char('_') + mm(rect.top()) + QStringLiteral(".jpeg");
}

QString BarcodePictureFile(VBarCode &record, const QRect &rect, const TZelFont &font,
                           const QString &outputName)
{
    const QString name = BarcodePictureFileName(record.Value(), rect, outputName);
    const QImage image = RenderBarcodeImage(record, rect.size(), font, 300.0);
    if (image.isNull() || !SaveImageAtomically(name, image, "JPEG", 95)) return {};
    return name;
}
