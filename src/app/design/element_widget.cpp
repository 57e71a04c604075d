#include "app/design/element_widget.h"

#include "app/app_texts.h"
#include "app/pages/page_view.h"
#include "model/design_editor.h"
#include "model/grid_snap.h"
#include "model/v_page.h"
#include "render/element_painter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

ElementWidget::ElementWidget(VGrfElement &element, const VPage &page, DesignViewContext *context, QWidget *parent)
    : QWidget(parent), m_element(element), m_page(page), m_context(context)
{
    setGeometry(element.WindowBounds());
    setAttribute(Qt::WA_NoSystemBackground);
    for (QWidget *w = parent; w && !m_view; w = w->parentWidget())
        m_view = dynamic_cast<PageView *>(w);
    // The press handler takes the focus itself: Qt's click focus would select before the press
    // could tell a Shift-click on a selected element from one on an unselected one.
    if (m_context) setFocusPolicy(Qt::TabFocus);
}

void ElementWidget::syncGeometry()
{
    setGeometry(m_element.WindowBounds());
    update();
}

void ElementWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    DrawElementDesign(m_element, painter, size(), &m_page);
    // The grid lies on the page's panel, under the elements.
    if (m_view && m_view->grid().show && !m_element.Parent())
        PaintGrid(painter, event->rect(), pos(), m_element.Zoom() > 0 ? m_element.Zoom() : 100,
                  m_view->grid().stepMm);
}

void ElementWidget::showHint(const QPoint &globalPos)
{
    QToolTip::showText(globalPos, m_element.Name() + QLatin1Char('\n') + m_element.InfoText(), this);
}

bool ElementWidget::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        // The hint names the element and gives its place and size in millimetres.
        setToolTip(m_element.Name() + QLatin1Char('\n') + m_element.InfoText());
    }
    return QWidget::event(event);
}

ElementWidget *ElementWidget::widgetOf(VGrfElement *element) const
{
    if (m_view) return m_view->widgetOf(element);
    return element == &m_element ? const_cast<ElementWidget *>(this) : nullptr;
}

void ElementWidget::setSelected(bool on)
{
    static quint64 selections = 0;
    if (on && !m_element.Selected()) m_selectionOrder = ++selections;
    m_element.SetSelected(on);
    update();
    if (m_view) m_view->selectionChanged();
}

// ---------------------------------------------------------------- selection

void ElementWidget::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (m_context) setSelected(true);
}

void ElementWidget::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (!m_context) return;
    // A context menu or the element's own caption editor takes the focus only for a while.
    const QWidget *next = QApplication::focusWidget();
    if (event->reason() == Qt::PopupFocusReason || (next && next == m_editor)) return;
    const bool shift = m_shiftHeld || (QGuiApplication::keyboardModifiers() & Qt::ShiftModifier);
    if (!shift && !editingState().propertiesOpen) setSelected(false);
    m_shiftHeld = false;
    editingState().propertiesOpen = false;
}

void ElementWidget::mousePressEvent(QMouseEvent *event)
{
    if (!m_context) return QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && m_context->placeInsert(m_element, event->pos())) return;
    m_pressAt = event->pos();
    const Qt::KeyboardModifiers mods = event->modifiers();
    // The panel's body draws a selection band rather than moving the panel; its edges still resize.
    const bool band = event->button() == Qt::LeftButton && m_element.Kind() == ElementKind::Panel &&
                      !m_element.Parent() && DragZone(event->pos(), size()) == 0;
    m_band.reset();
    if (band)
        m_band.emplace(*this, event->pos(), bool(mods & (Qt::ShiftModifier | Qt::ControlModifier)),
                       m_element.Selected());
    // Ctrl keeps the selection for the band; a Ctrl-click without a band selects at the release.
    if (band && (mods & Qt::ControlModifier) && !(mods & Qt::ShiftModifier)) return;
    if (mods & Qt::ShiftModifier) {
        // Shift adds to the selection or takes the element out of it.
        m_shiftHeld = true;
        if (!m_element.Selected()) {
            setSelected(true);
            setFocus(Qt::MouseFocusReason);
        } else {
            setSelected(false);
            clearFocus();
        }
        return;
    }
    const ElementKind kind = m_element.Kind();
    if (m_element.Selected() && kind != ElementKind::Group && kind != ElementKind::Panel) {
        // The selection moves or resizes together. The focus stays on a selected element that
        // has it: moving it would take that one out of the selection.
        m_moving = SelectionWalk(m_element);
        if (std::find(m_moving.begin(), m_moving.end(), &m_element) == m_moving.end()) m_moving.push_back(&m_element);
        const auto *focused = dynamic_cast<const ElementWidget *>(QApplication::focusWidget());
        if (!focused || std::find(m_moving.begin(), m_moving.end(), &focused->m_element) == m_moving.end())
            setFocus(Qt::MouseFocusReason);
    } else {
        selectAlone();
        m_moving = {&m_element};
    }
    if (event->button() != Qt::LeftButton || band) return;
    m_zone = DragZone(event->pos(), size());
    setCursor(ZoneCursor(m_zone));
    m_dragging = true;
    m_start = DragStart::At(event->pos(), size());
    m_before = GeometryCommand::Capture(m_moving);
}

void ElementWidget::selectAlone()
{
    for (VGrfElement *selected : SelectionWalk(m_element)) {
        selected->SetSelected(false);
        if (ElementWidget *w = widgetOf(selected)) w->update();
    }
    setFocus(Qt::MouseFocusReason);
    setSelected(true);
}

void ElementWidget::finishBand()
{
    const bool drawn = m_band->drawn(), additive = m_band->additive(),
               panelWasSelected = m_band->panelWasSelected();
    const QRect rect = m_band->rect();
    m_band.reset();
    if (!drawn) {
        // A Ctrl-click that drew nothing: the click's own selection, put off from the press.
        if (additive && !(QGuiApplication::keyboardModifiers() & Qt::ShiftModifier) && !m_shiftHeld)
            selectAlone();
        return;
    }
    const std::vector<VGrfElement *> inside = ElementsInBand(m_element, rect);
    if (!additive)
        for (const auto &child : m_element.ChildList())
            if (ElementWidget *w = widgetOf(child.get()); w && child->Selected()) w->setSelected(false);
    for (VGrfElement *e : inside)
        if (ElementWidget *w = widgetOf(e)) w->setSelected(true);
    // The focus goes to an element of the selection, so that the keys and the Edit and Arrange
    // menus act on it; one that already holds it keeps it.
    const auto *focused = dynamic_cast<const ElementWidget *>(QApplication::focusWidget());
    const bool keep = focused && focused != this && focused->m_element.Selected() &&
                      focused->m_element.Parent() == &m_element;
    if (!keep && !inside.empty())
        if (ElementWidget *w = widgetOf(inside.front())) w->setFocus(Qt::MouseFocusReason);
    setSelected(additive && panelWasSelected);
    m_shiftHeld = false;
}

void ElementWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (m_band) {
        m_band->moveTo(event->pos());
        return;
    }
    if (!m_dragging) return QWidget::mouseMoveEvent(event);
    const QRect old = m_element.WindowBounds();
    const QRect now = DraggedWindow(old, m_zone, event->pos(), m_start);
    if (now != old) dragTo(now);
    showHint(event->globalPosition().toPoint());
}

void ElementWidget::dragTo(const QRect &now)
{
    const double step = m_view ? m_view->grid().snapStep() : 0.0;
    if (step > 0) {
        // The element snaps in twips; the others of the selection follow by its change in twips.
        const QRect before = AbsoluteTwips(m_element);
        SnapDraggedElement(m_element, now, m_zone, step);
        const QRect after = AbsoluteTwips(m_element);
        const QMargins edges(before.left() - after.left(), before.top() - after.top(),
                             after.left() + after.width() - before.left() - before.width(),
                             after.top() + after.height() - before.top() - before.height());
        for (VGrfElement *e : m_moving)
            if (e != &m_element) MoveElementEdges(*e, edges);
    } else {
        // The others of the selection follow by the same amounts.
        const QRect old = m_element.WindowBounds();
        const QMargins change(old.left() - now.left(), old.top() - now.top(), now.right() - old.right(),
                              now.bottom() - old.bottom());
        for (VGrfElement *e : m_moving)
            SetElementWindow(*e, e == &m_element ? now : e->WindowBounds() + change);
    }
    for (VGrfElement *e : m_moving)
        if (ElementWidget *w = widgetOf(e)) w->syncGeometry();
    if (m_view) m_view->selectionChanged(true);
}

void ElementWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_band) return finishBand();
    if (!m_dragging) return QWidget::mouseReleaseEvent(event);
    m_dragging = false;
    unsetCursor();
    // A snap can change the twips and leave the window where it was.
    auto twips = [](const VShape &s) { return QRect(s.RelLeft(), s.RelTop(), s.Width(), s.Height()); };
    bool changed = false;
    for (const GeometryCommand::State &s : m_before)
        changed =
            changed || s.window != s.element->WindowBounds() || twips(s.shape) != twips(s.element->Shape());
    if (changed) m_context->editor().geometryChanged(m_before, m_zone == 0 ? T("Move") : T("Resize"));
    m_before.clear();
}

void ElementWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!m_context) return QWidget::mouseDoubleClickEvent(event);
    if (m_context->propertiesAvailable()) m_context->showProperties(m_element);
}

// ---------------------------------------------------------------- keys and commands

void ElementWidget::keyPressEvent(QKeyEvent *event)
{
    if (!m_context) return QWidget::keyPressEvent(event);
    if (event->key() == Qt::Key_Escape && m_context->cancelInsert()) return;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    int dx = 0, dy = 0;
    switch (event->key()) {
    case Qt::Key_Shift:
        m_shiftHeld = true;
        return;
    case Qt::Key_F11:
        if (m_context->propertiesAvailable()) m_context->showProperties(m_element);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_element.Kind() == ElementKind::Label) startCaptionEdit();
        return;
    case Qt::Key_Delete:
        m_context->editor().remove(SelectionWalk(m_element));
        return;
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    default:
        return QWidget::keyPressEvent(event);
    }
    // Ctrl moves, Shift resizes, both together do nothing.
    if (ctrl != shift) m_context->editor().nudge(SelectionWalk(m_element), dx, dy, shift);
}

void ElementWidget::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Shift) m_shiftHeld = false;
    QWidget::keyReleaseEvent(event);
}

void ElementWidget::contextMenuEvent(QContextMenuEvent *event)
{
    if (!m_context) return QWidget::contextMenuEvent(event);
    std::vector<ContextMenuItem> items = ContextMenuFor(m_element);
    for (ContextMenuItem &item : items)
        if (item.command == cmdProperties) item.enabled = m_context->propertiesAvailable();
    const int command = m_context->runContextMenu(items, event->globalPos());
    if (command) run(command, event->pos());
}

void ElementWidget::run(int command, const QPoint &at)
{
    DesignEditor &editor = m_context->editor();
    auto repaintCut = [this](VGrfElement *cut) {
        // A pending cut is drawn on the element and its direct children.
        if (ElementWidget *w = widgetOf(cut)) {
            w->update();
            for (const auto &child : cut->ChildList())
                if (ElementWidget *c = widgetOf(child.get())) c->update();
        }
    };
    auto table = [&](TableEdit edit) {
        if (!editor.editTable(m_element, edit))
            m_context->refuse(T("The cells of this table do not form a grid of rows and columns."));
    };
    switch (command) {
    case cmdCut: {
        VGrfElement *previous = editingState().cutElement;
        editingState().cutElement = &m_element;
        if (previous) repaintCut(previous);
        repaintCut(&m_element);
        break;
    }
    case cmdCopy:
        editingState().copiedElement = &m_element;
        break;
    case cmdPaste: {
        QString refusal;
        if (!editor.paste(m_element, &refusal) && !refusal.isEmpty()) m_context->refuse(T(qPrintable(refusal)));
        break;
    }
    case cmdDelete:
        editor.remove({&m_element});
        break;
    case cmdDeleteTable:
        editor.deleteTable(m_element);
        break;
    case cmdDeleteRow:
        return table(TableEdit::DeleteRow);
    case cmdDeleteColumn:
        return table(TableEdit::DeleteColumn);
    case cmdAddRowUp:
        return table(TableEdit::AddRowUp);
    case cmdAddRowDown:
        return table(TableEdit::AddRowDown);
    case cmdAddColumnLeft:
        return table(TableEdit::AddColumnLeft);
    case cmdAddColumnRight:
        return table(TableEdit::AddColumnRight);
    case cmdToFront:
        editor.toFront(m_element);
        break;
    case cmdAddGroup:
        editor.add(m_element, ElementKind::Group, at);
        break;
    case cmdAddTable:
        editor.add(m_element, ElementKind::Table, at);
        break;
    case cmdAddLabel:
        editor.add(m_element, ElementKind::Label, at);
        break;
    case cmdAddBarCode:
        editor.add(m_element, ElementKind::BarCode, at);
        break;
    case cmdProperties:
        if (m_context->propertiesAvailable()) m_context->showProperties(m_element);
        break;
    case cmdEditCaption:
        startCaptionEdit();
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------- in-place caption

void ElementWidget::startCaptionEdit()
{
    if (m_element.Kind() != ElementKind::Label || m_editor || !m_context) return;
    m_editor = new QLineEdit(this);
    m_editor->setObjectName(QStringLiteral("captionEditor"));
    m_editor->setFont(QFont(QStringLiteral("Courier New")));
    m_editor->setText(m_element.Caption());
    m_editor->setGeometry(InPlaceEditRect(size()));
    m_editor->installEventFilter(this);
    m_editor->show();
    m_editor->setFocus();
}

void ElementWidget::finishCaptionEdit(bool keep)
{
    if (!m_editor) return;
    const QString text = m_editor->text();
    m_editor->removeEventFilter(this);
    m_editor->hide();
    m_editor->deleteLater();
    m_editor = nullptr;
    if (keep) m_context->editor().setCaption(m_element, text);
}

bool ElementWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_editor) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            finishCaptionEdit(key != Qt::Key_Escape);
            setFocus(Qt::OtherFocusReason);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut &&
               static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
        // Only a focus that goes back to the label keeps the text; anywhere else discards it.
        finishCaptionEdit(QApplication::focusWidget() == this);
    }
    return QWidget::eventFilter(watched, event);
}
