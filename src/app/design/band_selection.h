#pragma once

#include <QPoint>
#include <QRect>
#include <memory>
#include <vector>

class QRubberBand;
class QWidget;
class VGrfElement;

// The panel's own elements that lie wholly inside band (pixels of the panel's window), in the
// panel's order. Enclosed, not touched, as layout programs choose: a band across a crowded page
// takes only what it was drawn around.
std::vector<VGrfElement *> ElementsInBand(const VGrfElement &panel, const QRect &band);

// A press on the panel's empty space that may become a selection band: it is drawn once the
// mouse has gone past the drag distance, above the element windows.
class BandSelection
{
public:
    BandSelection(QWidget &panel, const QPoint &press, bool additive, bool panelWasSelected);
    ~BandSelection();
    // Follows the mouse (pixels of the panel's window); true while the band is drawn.
    bool moveTo(const QPoint &point);
    bool drawn() const { return m_band != nullptr; }
    // The band in the panel's pixels.
    QRect rect() const { return QRect(m_press, m_now).normalized(); }
    // Shift or Ctrl held at the press: the band adds to the selection.
    bool additive() const { return m_additive; }
    bool panelWasSelected() const { return m_panelWasSelected; }

private:
    QWidget &m_panel;
    QPoint m_press, m_now;
    bool m_additive, m_panelWasSelected;
    std::unique_ptr<QRubberBand> m_band;
};
