#pragma once

#include <QWidget>

class PageView;
class QScrollArea;

// A ruler in millimetres along one edge of the design view: 0 at the paper's corner, following
// the page's zoom and scrolling, with the selection's extent marked.
class Ruler : public QWidget
{
public:
    static constexpr int kThickness = 20;
    Ruler(Qt::Orientation orientation, PageView &view, QWidget *parent = nullptr);
    // The selection's extent along the ruler in page twips; from == to clears it.
    void setMark(int fromTwips, int toTwips);
    // Where page pixel 0 lies along the ruler, in the ruler's own pixels.
    int pageOrigin() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int toPixels(int twips) const;
    Qt::Orientation m_orientation;
    PageView &m_view;
    int m_markFrom = 0, m_markTo = 0;
};

// Puts rulers along the top and left edges of the scroll box that shows view, in the box's place
// in its parent's layout.
class RulerFrame : public QWidget
{
public:
    RulerFrame(QScrollArea &scroll, PageView &view);
    Ruler *top() const { return m_top; }
    Ruler *left() const { return m_left; }

private:
    Ruler *m_top;
    Ruler *m_left;
};
