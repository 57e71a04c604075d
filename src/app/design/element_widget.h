#pragma once

#include "app/design/band_selection.h"
#include "model/design_commands.h"
#include "model/design_editing.h"

#include <QWidget>
#include <optional>
#include <vector>

class DesignEditor;
class PageView;
class QLineEdit;
class VGrfElement;
class VPage;

// What the element windows of an editable page need from the design tab.
class DesignViewContext
{
public:
    virtual ~DesignViewContext() = default;
    virtual DesignEditor &editor() = 0;
    // Opens the element properties dialog; false while there is none.
    virtual bool propertiesAvailable() const = 0;
    virtual void showProperties(VGrfElement &element) = 0;
    // Shows the context menu at globalPos and returns the command chosen, 0 for none.
    virtual int runContextMenu(const std::vector<ContextMenuItem> &items, const QPoint &globalPos) = 0;
    // Tells the user why a command did nothing.
    virtual void refuse(const QString &text) = 0;
    // An Insert command waiting for a click places its element at at (pixels of element's
    // window); false when none waits. Escape calls off the waiting one.
    virtual bool placeInsert(VGrfElement &element, const QPoint &at)
    {
        (void)element, (void)at;
        return false;
    }
    virtual bool cancelInsert() { return false; }
};

// One element's window in the design view; its children are child windows, as in the tree. With
// a context the window edits: it is selected by focus and Shift-click, moved and resized by the
// mouse and the arrow keys, and offers the context menu and the in-place caption editor. A drag
// on the panel's empty space draws a band that selects the elements inside it; drags snap to the
// page's grid when it says so.
class ElementWidget : public QWidget
{
public:
    ElementWidget(VGrfElement &element, const VPage &page, DesignViewContext *context, QWidget *parent);
    VGrfElement &element() const { return m_element; }
    // The window as the model has it now.
    void syncGeometry();
    // The in-place caption editor of a label (command 117).
    void startCaptionEdit();
    QLineEdit *captionEditor() const { return m_editor; }
    // A context-menu command on this element (the Edit menu runs Cut, Copy and Paste through it);
    // at is where an added element goes, in this window's pixels.
    void run(int command, const QPoint &at);
    void setSelected(bool on);
    // When the element joined the selection, counted across all windows: the arrangements take
    // the element selected first as their reference.
    quint64 selectionOrder() const { return m_selectionOrder; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void finishCaptionEdit(bool keep);
    ElementWidget *widgetOf(VGrfElement *element) const;
    void showHint(const QPoint &globalPos);
    // The press handling of a click without Shift on an unselected element.
    void selectAlone();
    void finishBand();
    // One drag step to the window now, snapped to the grid and followed by the selection.
    void dragTo(const QRect &now);

    VGrfElement &m_element;
    const VPage &m_page;
    DesignViewContext *m_context;
    PageView *m_view = nullptr;
    std::optional<BandSelection> m_band;
    bool m_shiftHeld = false;
    bool m_dragging = false;
    int m_zone = -1;
    DragStart m_start;
    QPoint m_pressAt; // for the Add commands of the context menu
    std::vector<VGrfElement *> m_moving; // the elements a drag moves together
    std::vector<GeometryCommand::State> m_before;
    QLineEdit *m_editor = nullptr;
    quint64 m_selectionOrder = 0;
};
