#include "app/pages/page_view.h"

#include "app/design/element_widget.h"
#include "model/v_page.h"
#include "render/element_painter.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>

QPoint PagePosition(const QSize &client, const QSize &page)
{
    const int x = page.width() + 7 <= client.width() ? (client.width() - page.width()) / 2 - 1 : 7;
    const int y = page.height() + 5 <= client.height() ? (client.height() - page.height()) / 2 - 1 : 5;
    return QPoint(x, y);
}

PageView::PageView(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(false);
}

void PageView::setPage(VPage *page)
{
    m_page = page;
    refresh();
}

void PageView::refresh()
{
    // The focused element keeps the focus across the rebuild when it is still there.
    const auto *focused = dynamic_cast<const ElementWidget *>(QApplication::focusWidget());
    const VGrfElement *focusedElement = focused && isAncestorOf(focused) ? &focused->element() : nullptr;
    m_widgets.clear();
    qDeleteAll(findChildren<ElementWidget *>(QString(), Qt::FindDirectChildrenOnly));
    if (!m_page) {
        resize(0, 0);
        update();
        selectionChanged();
        return;
    }
    m_page->Root().UpdateWindowFromTwips(true);
    resize(m_page->PixelSize());
    if (!m_page->Preview()) buildElements(m_page->Root(), this);
    if (ElementWidget *w = widgetOf(focusedElement)) w->setFocus();
    update();
    selectionChanged();
}

void PageView::buildElements(VGrfElement &element, QWidget *parent)
{
    auto *w = new ElementWidget(element, *m_page, m_context, parent);
    m_widgets.insert(&element, w);
    for (const auto &child : element.ChildList())
        buildElements(*child, w);
    w->show();
}

ElementWidget *PageView::widgetOf(const VGrfElement *element) const
{
    return element ? m_widgets.value(element) : nullptr;
}

void PageView::syncElements(const std::vector<VGrfElement *> &elements)
{
    for (VGrfElement *e : elements)
        if (ElementWidget *w = widgetOf(e)) w->syncGeometry();
    selectionChanged();
}

void PageView::setGrid(const DesignGrid &grid)
{
    if (grid == m_grid) return;
    m_grid = grid;
    update();
    if (ElementWidget *panel = m_page ? widgetOf(&m_page->Root()) : nullptr) panel->update();
}

void PageView::selectionChanged(bool now)
{
    if (!m_selectionListener) return;
    if (now) return m_selectionListener();
    if (m_selectionQueued) return;
    m_selectionQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_selectionQueued = false;
            m_selectionListener();
        },
        Qt::QueuedConnection);
}

void PageView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_page) return;
    if (m_page->Preview()) {
        PaintPage(*m_page, painter);
    } else if (m_page->Background() && m_page->Background()->HasImage()) {
        painter.drawImage(rect(), m_page->Background()->Image());
    }
    if (!m_page->Preview() && m_grid.show)
        PaintGrid(painter, event->rect(), QPoint(0, 0), m_page->Zoom(), m_grid.stepMm);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

PageCanvas::PageCanvas(QWidget *parent) : QWidget(parent), m_view(new PageView(this))
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(p);
}

void PageCanvas::layoutFor(const QSize &client)
{
    const QSize page = m_view->size();
    const QPoint at = PagePosition(client, page);
    m_view->move(at);
    resize(std::max(client.width(), at.x() + page.width() + 7),
           std::max(client.height(), at.y() + page.height() + 5));
}
