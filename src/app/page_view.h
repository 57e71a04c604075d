#pragma once

#include <QPoint>
#include <QSize>
#include <QWidget>

class VGrfElement;
class VPage;

// Where a page sits in its scroll box: centred while it fits (with 7 and 5 pixels to spare),
// else at 7, 5.
QPoint PagePosition(const QSize &client, const QSize &page);

// One element's window in the design view; its children are child windows, as in the tree.
class ElementWidget : public QWidget
{
public:
    ElementWidget(VGrfElement &element, const VPage &page, QWidget *parent);
    VGrfElement &element() const { return m_element; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    VGrfElement &m_element;
    const VPage &m_page;
};

// A page: in design mode a window per element drawn by the element painter, in preview the page as
// it prints.
class PageView : public QWidget
{
public:
    explicit PageView(QWidget *parent = nullptr);
    void setPage(VPage *page);
    VPage *page() const { return m_page; }
    // Rebuilds the element windows after a change of zoom, mode or document.
    void refresh();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildElements(VGrfElement &element, QWidget *parent);
    VPage *m_page = nullptr;
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
