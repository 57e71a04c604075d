// The main window's keyboard and mouse wheel: the window sees keys first and scrolls or zooms the
// shown page.
#include "app/design/design_tab.h"
#include "app/design/element_widget.h"
#include "app/main_window.h"
#include "app/pages/page_tab.h"
#include "app/report/report_tab.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

void TfrmMain::scrollKey(int key, bool ctrl)
{
    const Mode mode = currentMode();
    if (mode == DataMode) return;
    QScrollArea *scroll = scrollArea(mode);
    QScrollBar *v = scroll->verticalScrollBar();
    QScrollBar *h = scroll->horizontalScrollBar();
    const int factor = ctrl ? 8 : 1;
    switch (key) {
    case Qt::Key_Up:
        if (!v->isVisible()) return;
        if (v->value() == v->minimum())
            QCoreApplication::postEvent(this,
                                        new QKeyEvent(QEvent::KeyPress, Qt::Key_PageUp, Qt::NoModifier));
        v->setValue(v->value() - v->singleStep() * factor);
        break;
    case Qt::Key_Down:
        if (!v->isVisible()) return;
        if (v->value() == v->maximum()) {
            v->setValue(v->minimum());
            QCoreApplication::postEvent(this,
                                        new QKeyEvent(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier));
        } else {
            v->setValue(v->value() + v->singleStep() * factor);
        }
        break;
    case Qt::Key_Left:
        h->setValue(h->value() - h->singleStep() * factor);
        break;
    case Qt::Key_Right:
        h->setValue(h->value() + h->singleStep() * factor);
        break;
    case Qt::Key_Home:
        v->setValue(v->minimum());
        break;
    case Qt::Key_End:
        v->setValue(v->maximum());
        break;
    default:
        break;
    }
}

void TfrmMain::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_F6:
        if (currentMode() == ReportMode) m_report->cmdView_ConvertClick();
        if (currentMode() == DesignMode) m_report->exportFromDesign();
        return;
    case Qt::Key_F5:
        if (currentMode() == ReportMode) m_report->cmdView_MailClick();
        if (currentMode() == DesignMode) m_report->mailFromDesign();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        if (currentMode() != DataMode) {
            scrollKey(event->key(), event->modifiers() & Qt::ControlModifier);
            return;
        }
        break;
    default:
        break;
    }
    QMainWindow::keyPressEvent(event);
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip) m_mnuTimer->start();
    for (PageTab *pages : {static_cast<PageTab *>(m_design), static_cast<PageTab *>(m_report)}) {
        if (watched != pages->scrollArea()->viewport()) continue;
        if (event->type() == QEvent::Resize) pages->relayout();
        if (event->type() == QEvent::Wheel) {
            const auto *wheel = static_cast<QWheelEvent *>(event);
            // Ctrl zooms around the pointer, as layout programs do.
            if (wheel->modifiers() & Qt::ControlModifier) {
                pages->wheelZoom(wheel->angleDelta().y(), wheel->position().toPoint());
                return true;
            }
            QScrollBar *v = pages->scrollArea()->verticalScrollBar();
            v->setValue(v->value() - wheel->angleDelta().y());
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && isActiveWindow() && currentMode() != DataMode) {
        // The window sees keys before the page widgets do.
        auto *key = static_cast<QKeyEvent *>(event);
        const int k = key->key();
        // Ctrl or Shift with an arrow on a focused element window moves or resizes it instead.
        const bool ctrl = key->modifiers() & Qt::ControlModifier,
                   shift = key->modifiers() & Qt::ShiftModifier;
        const bool arrow = k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_Left || k == Qt::Key_Right;
        if (arrow && ctrl != shift && dynamic_cast<ElementWidget *>(watched)) return false;
        // A caption being typed keeps its cursor keys.
        if (qobject_cast<QLineEdit *>(watched)) return false;
        if (arrow || k == Qt::Key_Home || k == Qt::Key_End) {
            if (watched != this && qobject_cast<QWidget *>(watched) &&
                isAncestorOf(static_cast<QWidget *>(watched))) {
                scrollKey(k, key->modifiers() & Qt::ControlModifier);
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
