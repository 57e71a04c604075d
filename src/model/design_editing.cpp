#include "model/design_editing.h"

#include "model/element_ops.h"
#include "model/units.h"

#include <cmath>

int DragZone(const QPoint &p, const QSize &window, int m)
{
    const int w = window.width(), h = window.height();
    const bool left = p.x() <= m, right = p.x() >= w - m;
    const bool top = p.y() <= m, bottom = p.y() >= h - m;
    // A window no wider than two margins is all edge: the left side wins, as the table reads.
    if (left && top) return 5;
    if (right && top) return 6;
    if (left && bottom) return 7;
    if (right && bottom) return 8;
    if (top) return 1;
    if (bottom) return 2;
    if (left) return 3;
    if (right) return 4;
    return 0;
}

Qt::CursorShape ZoneCursor(int zone)
{
    switch (zone) {
    case 1:
    case 2:
        return Qt::SizeVerCursor;
    case 3:
    case 4:
        return Qt::SizeHorCursor;
    case 5:
    case 8:
        return Qt::SizeFDiagCursor;
    case 6:
    case 7:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::SizeAllCursor;
    }
}

QRect DraggedWindow(const QRect &window, int zone, const QPoint &mouse, const DragStart &start)
{
    const int dx = mouse.x() - start.press.x(), dy = mouse.y() - start.press.y();
    int left = window.left(), top = window.top(), width = window.width(), height = window.height();
    const bool topEdge = zone == 1 || zone == 5 || zone == 6;
    const bool bottomEdge = zone == 2 || zone == 7 || zone == 8;
    const bool leftEdge = zone == 3 || zone == 5 || zone == 7;
    const bool rightEdge = zone == 4 || zone == 6 || zone == 8;
    if (zone == 0) {
        left += dx;
        top += dy;
    }
    if (topEdge) {
        top += dy;
        height -= dy;
    }
    if (bottomEdge) height = mouse.y() + start.toBottom;
    if (leftEdge) {
        left += dx;
        width -= dx;
    }
    if (rightEdge) width = mouse.x() + start.toRight;
    return QRect(left, top, width, height);
}

void SetElementWindow(VGrfElement &element, const QRect &window)
{
    element.SetWindowBounds(window);
    element.UpdateTwipsFromWindow();
    element.Shape().SetChanged(true);
}

void NudgeElement(VGrfElement &element, int dx, int dy, bool resize)
{
    const int zoom = element.Zoom() > 0 ? element.Zoom() : 100;
    const int stepX = screenMetrics().twipsPerPixelX() * 100 / zoom;
    const int stepY = screenMetrics().twipsPerPixelY() * 100 / zoom;
    VShape &s = element.Shape();
    QRect w = element.WindowBounds();
    if (resize) {
        w.setWidth(w.width() + dx);
        w.setHeight(w.height() + dy);
        s.SetWidth(s.Width() + dx * stepX);
        s.SetHeight(s.Height() + dy * stepY);
    } else {
        w.translate(dx, dy);
        s.SetRelLeft(s.RelLeft() + dx * stepX);
        s.SetRelTop(s.RelTop() + dy * stepY);
    }
    const QRect before = w;
    element.SetWindowBounds(w);
    // A window held at its minimum size takes its twips from the window.
    if (element.WindowBounds().size() != before.size()) {
        element.UpdateTwipsFromWindow();
    } else {
        const VGrfElement *parent = element.Parent();
        element.RecomputeAbsolute(parent ? parent->Shape().Left() : 0, parent ? parent->Shape().Top() : 0);
    }
    s.SetChanged(true);
}

std::vector<VGrfElement *> SelectionWalk(VGrfElement &focused)
{
    std::vector<VGrfElement *> walk;
    for (VGrfElement *container = &focused; container; container = container->Parent()) {
        for (const auto &child : container->ChildList())
            if (child->Selected()) walk.push_back(child.get());
        if (container->Kind() == ElementKind::Panel && !container->Parent()) break;
    }
    return walk;
}

const VGrfElement *PasteSource()
{
    const EditingState &s = editingState();
    return s.cutElement ? s.cutElement : s.copiedElement;
}

bool CanPaste(const VGrfElement &target)
{
    const VGrfElement *source = PasteSource();
    if (!source) return false;
    if (target.Kind() == ElementKind::Panel) return true;
    return target.Kind() == ElementKind::Group && (source->Kind() != ElementKind::Group || source != &target);
}

std::vector<ContextMenuItem> ContextMenuFor(const VGrfElement &e)
{
    const ElementKind k = e.Kind();
    const bool panel = k == ElementKind::Panel, cell = k == ElementKind::Cell;
    const bool container = panel || k == ElementKind::Group;
    const bool pendingCut = editingState().cutElement == &e;
    std::vector<ContextMenuItem> items{{cmdCut, !panel && !pendingCut},
                                       {cmdCopy, !panel && !pendingCut},
                                       {cmdPaste, CanPaste(e)}};
    if (k == ElementKind::Panel || k == ElementKind::Group || k == ElementKind::Label)
        items.push_back({cmdDelete, !panel});
    if (cell)
        for (int c : {cmdDeleteTable, cmdDeleteRow, cmdDeleteColumn})
            items.push_back({c, true});
    if (!panel && !cell) {
        items.push_back({0, false});
        items.push_back({cmdToFront, true});
    }
    if (container || k == ElementKind::Label) {
        items.push_back({0, false});
        for (int c : {cmdAddGroup, cmdAddTable, cmdAddLabel, cmdAddBarCode})
            items.push_back({c, container});
    }
    if (cell)
        for (int c : {cmdAddRowUp, cmdAddRowDown, cmdAddColumnLeft, cmdAddColumnRight})
            items.push_back({c, true});
    items.push_back({0, false});
    items.push_back({cmdProperties, true});
    return items;
}

const char *ContextCommandText(int command)
{
    switch (command) {
    case cmdCut:
        return "Cut";
    case cmdCopy:
        return "Copy";
    case cmdPaste:
        return "Paste";
    case cmdDelete:
        return "Delete";
    case cmdDeleteTable:
        return "Delete Table";
    case cmdDeleteRow:
        return "Delete Row";
    case cmdDeleteColumn:
        return "Delete Column";
    case cmdToFront:
        return "to Front";
    case cmdAddGroup:
        return "Add Group";
    case cmdAddTable:
        return "Add Table";
    case cmdAddLabel:
        return "Add Label";
    case cmdAddBarCode:
        return "Add BarCode";
    case cmdAddRowUp:
        return "Add Row Up";
    case cmdAddRowDown:
        return "Add Row Down";
    case cmdAddColumnLeft:
        return "Add Column Left";
    case cmdAddColumnRight:
        return "Add Column Right";
    case cmdProperties:
        return "Properties";
    default:
        return "";
    }
}

QRect InPlaceEditRect(const QSize &label)
{
    const int w = label.width(), h = label.height();
    const int left = w < 30 ? 1 : w / 10;
    const int width = w < 30 ? w - 2 : w - w / 5;
    const int top = h < 20 ? 1 : h / 2 - 10;
    const int height = h < 20 ? h - 2 : 20;
    return QRect(left, top, width, height);
}
