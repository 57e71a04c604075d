#include "app/page_view.h"

#include "model/v_page.h"
#include "render/element_painter.h"

#include <QEvent>
#include <QPainter>
#include <QToolTip>

QPoint PagePosition(const QSize &client, const QSize &page)
{
    const int x = page.width() + 7 <= client.width() ? (client.width() - page.width()) / 2 - 1 : 7;
    const int y = page.height() + 5 <= client.height() ? (client.height() - page.height()) / 2 - 1 : 5;
    return QPoint(x, y);
}

ElementWidget::ElementWidget(VGrfElement &element, const VPage &page, QWidget *parent)
    : QWidget(parent), m_element(element), m_page(page)
{
    setGeometry(element.WindowBounds());
    setAttribute(Qt::WA_NoSystemBackground);
}

void ElementWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    DrawElementDesign(m_element, painter, size(), &m_page);
}

bool ElementWidget::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        // The hint names the element and gives its place and size in millimetres.
        setToolTip(m_element.Name() + QLatin1Char('\n') + m_element.InfoText());
    }
    return QWidget::event(event);
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
    qDeleteAll(findChildren<ElementWidget *>(QString(), Qt::FindDirectChildrenOnly));
    if (!m_page) {
        resize(0, 0);
        update();
        return;
    }
    m_page->Root().UpdateWindowFromTwips(true);
    resize(m_page->PixelSize());
    if (!m_page->Preview()) buildElements(m_page->Root(), this);
    update();
}

void PageView::buildElements(VGrfElement &element, QWidget *parent)
{
    auto *w = new ElementWidget(element, *m_page, parent);
    for (const auto &child : element.ChildList())
        buildElements(*child, w);
    w->show();
}

void PageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_page) return;
    if (m_page->Preview()) {
        PaintPage(*m_page, painter);
    } else if (m_page->Background() && m_page->Background()->HasImage()) {
        painter.drawImage(rect(), m_page->Background()->Image());
    }
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
