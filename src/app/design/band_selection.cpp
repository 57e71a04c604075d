#include "app/design/band_selection.h"

#include "model/v_grf_element.h"

#include <QApplication>
#include <QRubberBand>

std::vector<VGrfElement *> ElementsInBand(const VGrfElement &panel, const QRect &band)
{
    std::vector<VGrfElement *> inside;
    for (const auto &child : panel.ChildList())
        if (band.contains(child->WindowBounds())) inside.push_back(child.get());
    return inside;
}

BandSelection::BandSelection(QWidget &panel, const QPoint &press, bool additive, bool panelWasSelected)
    : m_panel(panel), m_press(press), m_now(press), m_additive(additive), m_panelWasSelected(panelWasSelected)
{
}

BandSelection::~BandSelection() = default;

bool BandSelection::moveTo(const QPoint &point)
{
    m_now = point;
    if (!m_band && (m_now - m_press).manhattanLength() < QApplication::startDragDistance()) return false;
    // A child of the page, not of the panel: the panel's element windows would cover it.
    QWidget *page = m_panel.parentWidget() ? m_panel.parentWidget() : &m_panel;
    if (!m_band) m_band = std::make_unique<QRubberBand>(QRubberBand::Rectangle, page);
    const QRect r = rect();
    m_band->setGeometry(QRect(m_panel.mapTo(page, r.topLeft()), r.size()));
    m_band->show();
    m_band->raise();
    return true;
}
