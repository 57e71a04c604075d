#pragma once

#include "model/v_grf_element.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

// The rules of editing a design with mouse and keyboard, apart from any window: drag zones,
// what a drag step or an arrow key does to an element's window and twips, the selection walk,
// the context menu's items and the in-place editor's place.

// Width of the edge zone that resizes instead of moving (pixels).
constexpr int kGripMargin = 5;

// Zone of a press at point in a window of size: 0 inside (move), 1 top, 2 bottom, 3 left,
// 4 right, 5 top-left, 6 top-right, 7 bottom-left, 8 bottom-right.
int DragZone(const QPoint &point, const QSize &window, int margin = kGripMargin);
// The cursor each zone shows: move, up-down, left-right or one of the diagonals.
Qt::CursorShape ZoneCursor(int zone);

// Where a drag began: the press point and the distances to the right and bottom edges.
struct DragStart {
    QPoint press;
    int toRight = 0;
    int toBottom = 0;
    static DragStart At(const QPoint &press, const QSize &window)
    {
        return {press, window.width() - press.x(), window.height() - press.y()};
    }
};
// The window after a drag step to mouse (both in the window's own pixels at the press) in zone.
QRect DraggedWindow(const QRect &window, int zone, const QPoint &mouse, const DragStart &start);

// Gives the element a new window (no smaller than 5 zoomed pixels) and recomputes its relative
// twips from it by trunc(pixels x twips-per-pixel x 100 / zoom), then the absolute ones below.
void SetElementWindow(VGrfElement &element, const QRect &window);

// Ctrl + arrow moves by one pixel, Shift + arrow resizes by one; the twips change by
// trunc(twips-per-pixel x 100 / zoom) each time. dx, dy: -1, 0 or 1.
void NudgeElement(VGrfElement &element, int dx, int dy, bool resize);

// The elements the Delete key, the arrow keys and a common move act on: the selected children
// of focused, then of its parent and so on up to and including the page's Panel.
std::vector<VGrfElement *> SelectionWalk(VGrfElement &focused);

// Context menu command identifiers.
enum ContextCommand {
    cmdCut = 100,
    cmdCopy = 101,
    cmdPaste = 102,
    cmdDelete = 103,
    cmdDeleteTable = 104,
    cmdDeleteRow = 105,
    cmdDeleteColumn = 106,
    cmdToFront = 107,
    cmdAddGroup = 108,
    cmdAddTable = 109,
    cmdAddLabel = 110,
    cmdAddBarCode = 111,
    cmdAddRowUp = 112,
    cmdAddRowDown = 113,
    cmdAddColumnLeft = 114,
    cmdAddColumnRight = 115,
    cmdProperties = 116,
    cmdEditCaption = 117,
};

// One entry of an element's context menu: a command, enabled or greyed, or a separator
// (command 0). Items that are absent for the element's kind are not listed.
struct ContextMenuItem {
    int command = 0;
    bool enabled = false;
};
std::vector<ContextMenuItem> ContextMenuFor(const VGrfElement &element);
// The English text of a context menu command (the interface texts translate it).
const char *ContextCommandText(int command);

// Where the in-place caption editor sits inside a label of size (pixels).
QRect InPlaceEditRect(const QSize &label);

// The source a Paste into target would use (the pending Cut, else the copied element) and
// whether target takes it.
const VGrfElement *PasteSource();
bool CanPaste(const VGrfElement &target);
