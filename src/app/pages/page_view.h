#pragma once

#include "app/design/design_grid.h"

#include <QHash>
#include <QPoint>
#include <QSize>
#include <QWidget>
#include <functional>
#include <vector>

class DesignViewContext;
class ElementWidget;
class VGrfElement;
class VPage;

// Where a page sits in its scroll box: centred while it fits (with 7 and 5 pixels to spare),
// else at 7, 5.
QPoint PagePosition(const QSize &client, const QSize &page);

// A page: in design mode a window per element drawn by the element painter, in preview the page
// as it prints.
class PageView : public QWidget
{
public:
    explicit PageView(QWidget *parent = nullptr);
    void setPage(VPage *page);
    VPage *page() const { return m_page; }
    // Element windows edit the page through context; null leaves them read-only.
    void setContext(DesignViewContext *context) { m_context = context; }
    // Rebuilds the element windows after a change of zoom, mode or document.
    void refresh();
    // Moves the windows of elements to their model geometry and repaints them.
    void syncElements(const std::vector<VGrfElement *> &elements);
    ElementWidget *widgetOf(const VGrfElement *element) const;
    // The grid drawn under the elements of a design page, and the step drags snap to.
    void setGrid(const DesignGrid &grid);
    const DesignGrid &grid() const { return m_grid; }
    // Told when the selection, or the place of a selected element, changed: at once for a drag
    // step (the status and rulers follow the mouse), else once the event that changed it is over.
    void setSelectionListener(std::function<void()> listener) { m_selectionListener = std::move(listener); }
    void selectionChanged(bool now = false);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildElements(VGrfElement &element, QWidget *parent);
    VPage *m_page = nullptr;
    DesignViewContext *m_context = nullptr;
    QHash<const VGrfElement *, ElementWidget *> m_widgets;
    DesignGrid m_grid;
    std::function<void()> m_selectionListener;
    bool m_selectionQueued = false;
};

// The scroll box content: keeps the page view placed by PagePosition.
class PageCanvas : public QWidget
{
public:
    explicit PageCanvas(QWidget *parent = nullptr);
    PageView *view() const { return m_view; }
    void layoutFor(const QSize &client);

private:
    PageView *m_view;
};
