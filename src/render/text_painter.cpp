#include "render/text_painter.h"

#include "model/units.h"
#include "model/zel_font.h"
#include "render/painter_guard.h"
#include "render/text_font.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

QString PartedText(const QString &text, const TZelFont &font)
{
    if (font.TextLength() < 0) return text;
    const int offset = std::max(font.Offset(), 0);
    if (offset >= text.size()) return QString();
    return text.mid(offset, font.TextLength());
}

namespace
{

// Millimetres from a file can be anything; a hundred metres is more than any page needs.
double saneMm(double mm)
{
    return std::isfinite(mm) ? std::clamp(mm, -100000.0, 100000.0) : 0.0;
}

int twipsOf(double mm)
{
    return MmToTwipsPlain(saneMm(mm));
}

// The two tick characters of "Webdings" that Bool labels use, for machines without that face.
bool isWebdingsTick(const TZelFont &font, const QString &text)
{
    if (text.size() != 1 || (text[0] != QLatin1Char('a') && text[0] != QLatin1Char('r'))) return false;
    return font.FontName().compare(QLatin1String("Webdings"), Qt::CaseInsensitive) == 0 &&
           !FaceAvailable(QStringLiteral("Webdings"));
}

void drawTick(QPainter &painter, const QRectF &box, const QColor &color)
{
    const double w = box.width(), h = box.height();
    QPainterPath path;
    path.moveTo(box.left() + 0.15 * w, box.top() + 0.55 * h);
    path.lineTo(box.left() + 0.40 * w, box.top() + 0.80 * h);
    path.lineTo(box.left() + 0.85 * w, box.top() + 0.20 * h);
    QPen pen(color, 0.14 * std::min(w, h), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.drawPath(path);
}

} // namespace

void DrawElementText(QPainter &painter, const QRect &rect, const TZelFont &font, const QString &text,
                     const TextOptions &options)
{
    if (text.isEmpty()) return;
    CellFont cell = MakeCellFontMetrics(font, twipsOf(font.FontHeight()), twipsOf(font.FontWidth()));
    // The character extra is not widened with the glyphs.
    cell.font.setLetterSpacing(QFont::AbsoluteSpacing, twipsOf(font.VertSpace()) / cell.xScale);

    const bool manual = font.mmPos() && !options.topLeftOnly;
    // A caption is text: an ampersand shows as itself, as in every exported format.
    const QString &shown = text;
    const bool tick = isWebdingsTick(font, shown);

    const QFontMetricsF fm(cell.font);
    const double avgWidth = twipsOf(font.FontWidth());
    const double textWidth =
        tick ? (avgWidth > 0 ? avgWidth : cell.cellHeight) : fm.horizontalAdvance(shown) * cell.xScale;
    const qint64 extent = std::llround(std::min(textWidth, 1e12));
    const qint64 cellHeight = std::llround(cell.cellHeight);

    const qint64 L = rect.x(), T = rect.y(), R = L + rect.width(), B = T + rect.height();
    qint64 x = L, y = T;
    if (manual) {
        x = qint64(std::trunc(L + saneMm(font.LeftPos()) * 1440.0 / 25.4));
        y = qint64(std::trunc(T + saneMm(font.TopPos()) * 1440.0 / 25.4));
    } else if (!options.topLeftOnly) {
        if (font.HorzPos() == 1)
            x = L + (R - L - extent) / 2;
        else if (font.HorzPos() == 2)
            x = R - extent;
        if (font.VertPos() == 1)
            y = T + (B - T - cellHeight) / 2;
        else if (font.VertPos() == 2)
            y = B - cellHeight;
    }

    PainterGuard guard(painter);
    if (!manual) painter.setClipRect(QRectF(rect), Qt::IntersectClip);
    painter.translate(double(x), double(y));
    // Escapement turns the baseline counter-clockwise about the start of the text.
    if (font.FontOrientation() % 360 != 0) painter.rotate(-double(font.FontOrientation()));
    if (options.opaque) painter.fillRect(QRectF(0, 0, textWidth, cell.cellHeight), options.background);
    if (tick) {
        drawTick(painter, QRectF(0, 0, textWidth, cell.cellHeight), options.color);
        return;
    }
    painter.scale(cell.xScale, 1.0);
    painter.setFont(cell.font);
    painter.setPen(options.color);
    painter.drawText(QPointF(0, cell.ascent), shown);
}
