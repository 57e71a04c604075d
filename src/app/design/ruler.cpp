#include "app/design/ruler.h"

#include "app/pages/page_view.h"
#include "model/units.h"
#include "model/v_page.h"

#include <QEvent>
#include <QGridLayout>
#include <QLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <cmath>

Ruler::Ruler(Qt::Orientation orientation, PageView &view, QWidget *parent)
    : QWidget(parent), m_orientation(orientation), m_view(view)
{
    setObjectName(orientation == Qt::Horizontal ? QStringLiteral("rulerTop") : QStringLiteral("rulerLeft"));
    // The paint covers the whole ruler: nothing beneath it needs painting at every drag step.
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (orientation == Qt::Horizontal)
        setFixedHeight(kThickness);
    else
        setFixedWidth(kThickness);
    // The view moves when the box scrolls it (its canvas moves) or lays it out again, and grows
    // with the zoom.
    m_view.installEventFilter(this);
    if (m_view.parentWidget()) m_view.parentWidget()->installEventFilter(this);
}

QSize Ruler::sizeHint() const
{
    return m_orientation == Qt::Horizontal ? QSize(100, kThickness) : QSize(kThickness, 100);
}

bool Ruler::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) update();
    return QWidget::eventFilter(watched, event);
}

void Ruler::setMark(int fromTwips, int toTwips)
{
    if (fromTwips == m_markFrom && toTwips == m_markTo) return;
    m_markFrom = fromTwips;
    m_markTo = toTwips;
    update();
}

int Ruler::pageOrigin() const
{
    const QPoint at = m_view.mapTo(window(), QPoint(0, 0)) - mapTo(window(), QPoint(0, 0));
    return m_orientation == Qt::Horizontal ? at.x() : at.y();
}

int Ruler::toPixels(int twips) const
{
    const int zoom = m_view.page() ? m_view.page()->Zoom() : 100;
    const ScreenMetrics &m = screenMetrics();
    const int tpp = m_orientation == Qt::Horizontal ? m.twipsPerPixelX() : m.twipsPerPixelY();
    return pageOrigin() + int(std::trunc(double(twips) * zoom / 100.0 / tpp));
}

void Ruler::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const bool horizontal = m_orientation == Qt::Horizontal;
    const int length = horizontal ? width() : height();
    p.fillRect(rect(), palette().window());
    const VPage *page = m_view.page();
    if (page) {
        // The paper white, the selection's extent in the highlight colour.
        const int from = std::max(0, toPixels(0)), to = std::min(length, toPixels(page->TwipsSize().width()));
        const int toV = std::min(length, toPixels(page->TwipsSize().height()));
        p.fillRect(horizontal ? QRect(from, 0, to - from, kThickness)
                              : QRect(0, from, kThickness, toV - from),
                   palette().base());
        if (m_markTo != m_markFrom) {
            QColor mark = palette().highlight().color();
            mark.setAlpha(90);
            const int a = toPixels(m_markFrom), b = toPixels(m_markTo);
            p.fillRect(horizontal ? QRect(a, 0, b - a, kThickness) : QRect(0, a, kThickness, b - a), mark);
        }
    }
    p.setPen(palette().windowText().color());
    if (horizontal)
        p.drawLine(0, kThickness - 1, length, kThickness - 1);
    else
        p.drawLine(kThickness - 1, 0, kThickness - 1, length);
    if (!page) return;

    // Ticks at least 4 pixels apart, numbers at least 40: the steps in mm follow the zoom.
    const int zoom = page->Zoom() > 0 ? page->Zoom() : 100;
    const ScreenMetrics &m = screenMetrics();
    const double pixelsPerMm = (horizontal ? m.ppiX : m.ppiY) / 25.4 * zoom / 100.0;
    static const int steps[] = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};
    auto first = [&](double pixels, int multipleOf) {
        for (int s : steps)
            if (s * pixelsPerMm >= pixels && s % multipleOf == 0) return s;
        return steps[std::size(steps) - 1];
    };
    const int tick = first(4, 1), label = first(40, tick);
    QFont font = p.font();
    font.setPixelSize(9);
    p.setFont(font);
    // Only along the paper: its edges are the places that matter.
    const int origin = pageOrigin();
    const int paperMm = int(TwipsToMm(horizontal ? page->TwipsSize().width() : page->TwipsSize().height()));
    const int firstMm = std::max(0, int(std::floor(-origin / pixelsPerMm / tick)) * tick);
    const int lastMm = std::min(paperMm, int(std::ceil((length - origin) / pixelsPerMm)));
    for (int mm = firstMm; mm <= lastMm; mm += tick) {
        const int at = toPixels(MmToTwips(mm));
        const bool numbered = mm % label == 0;
        const int size = numbered ? kThickness - 2 : (mm % (tick * 5) == 0 ? kThickness / 2 : kThickness / 4);
        if (horizontal)
            p.drawLine(at, kThickness - 1 - size, at, kThickness - 1);
        else
            p.drawLine(kThickness - 1 - size, at, kThickness - 1, at);
        if (!numbered) continue;
        const QString text = QString::number(mm);
        if (horizontal) {
            p.drawText(at + 2, 9, text);
        } else {
            // Read from below, as the left rulers of layout programs are, just below the tick.
            p.save();
            p.translate(9, at + 2 + p.fontMetrics().horizontalAdvance(text));
            p.rotate(-90);
            p.drawText(0, 0, text);
            p.restore();
        }
    }
}

RulerFrame::RulerFrame(QScrollArea &scroll, PageView &view) : QWidget(scroll.parentWidget())
{
    setObjectName(QStringLiteral("designRulers"));
    if (QLayout *outer = scroll.parentWidget() ? scroll.parentWidget()->layout() : nullptr)
        delete outer->replaceWidget(&scroll, this);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    auto *corner = new QWidget(this);
    corner->setFixedSize(Ruler::kThickness, Ruler::kThickness);
    m_top = new Ruler(Qt::Horizontal, view, this);
    m_left = new Ruler(Qt::Vertical, view, this);
    grid->addWidget(corner, 0, 0);
    grid->addWidget(m_top, 0, 1);
    grid->addWidget(m_left, 1, 0);
    grid->addWidget(&scroll, 1, 1);
}
