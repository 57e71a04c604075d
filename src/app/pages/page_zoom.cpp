// The zoom commands beyond the menu's percentages: around the mouse pointer, and to fit the box.
#include "app/pages/page_tab.h"

#include "app/pages/page_view.h"
#include "model/units.h"
#include "model/v_page.h"

#include <QAction>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>

int FitZoom(const QSize &pageTwips, const QSize &client, bool widthOnly, int scrollBar)
{
    const ScreenMetrics &m = screenMetrics();
    // The box keeps 7 pixels on either side of the page and 5 above and below it.
    auto fit = [](int room, int twips, int twipsPerPixel) {
        return twips > 0 ? int(std::floor(double(room) * twipsPerPixel * 100.0 / twips)) : 500;
    };
    auto bounded = [](int zoom) { return std::clamp(zoom, 12, 500); };
    const int byHeight = fit(client.height() - 10, pageTwips.height(), m.twipsPerPixelY());
    int byWidth = fit(client.width() - 14, pageTwips.width(), m.twipsPerPixelX());
    if (!widthOnly) return bounded(std::min(byWidth, byHeight));
    if (byWidth > byHeight)
        byWidth = fit(client.width() - 14 - scrollBar, pageTwips.width(), m.twipsPerPixelX());
    return bounded(byWidth);
}

void PageTab::addFitActions(const char *zoomMenu)
{
    m_zoomMenu->addSeparator();
    m_fitPage = m_zoomMenu->addAction(QString(), this, [this] { fitPage(); });
    m_fitPage->setObjectName(QLatin1String(zoomMenu) + QLatin1String("_FitPage"));
    m_fitWidth = m_zoomMenu->addAction(QString(), this, [this] { fitWidth(); });
    m_fitWidth->setObjectName(QLatin1String(zoomMenu) + QLatin1String("_FitWidth"));
}

void PageTab::zoomAround(int value, const QPoint &at)
{
    PageView *view = m_canvas->view();
    const QPoint before = view->mapFrom(m_scroll->viewport(), at);
    const int old = m_zoom;
    setZoom(value);
    if (!view->page() || old <= 0) return;
    // setZoom scrolled to the top-left: the view's place in the canvas is its place in the box.
    const QPoint after(int(std::lround(double(before.x()) * value / old)),
                       int(std::lround(double(before.y()) * value / old)));
    m_scroll->horizontalScrollBar()->setValue(view->x() + after.x() - at.x());
    m_scroll->verticalScrollBar()->setValue(view->y() + after.y() - at.y());
}

void PageTab::wheelZoom(int delta, const QPoint &at)
{
    if (delta == 0) return;
    int next = 0;
    for (int tag : kZoomTags)
        if (delta > 0 ? tag > m_zoom : (tag < m_zoom && !next)) next = tag;
    if (next) zoomAround(next, at);
}

void PageTab::fitPage()
{
    if (const VPage *page = shownPage())
        setZoom(FitZoom(page->TwipsSize(), m_scroll->contentsRect().size(), false, 0));
}

void PageTab::fitWidth()
{
    const VPage *page = shownPage();
    if (!page) return;
    const int bar = m_scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll);
    setZoom(FitZoom(page->TwipsSize(), m_scroll->contentsRect().size(), true, bar));
}
