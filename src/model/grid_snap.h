#pragma once

#include <QRect>

class VGrfElement;

// The design grid: lines every step millimetres from the paper's top-left corner, each line k at
// MmToTwips(k x step) so that an element on a line reads back as a whole number of steps in mm.

// The twips of grid line k (negative k mirrors the positive lines).
int GridLineTwips(int k, double stepMm);
// The twips of the grid line nearest to twips.
int NearestGridLine(int twips, double stepMm);

// After a drag step in zone (0 moves, 1 to 8 the edges of the drag zone table), puts the edges
// that the zone moves onto their nearest grid lines in absolute page twips; the other edges stay.
// An edge whose snap would cross the opposite edge or shrink the window below its minimum keeps
// its place. The window follows from the twips by the model's truncation, as when a design is read.
void SnapElementToGrid(VGrfElement &element, int zone, double stepMm);

// A drag step in zone that gives the element the window (pixels in its parent): the edges the zone
// moves take their twips from the window by the drag's truncation and then the nearest lines,
// the others keep their twips, so that a snapped move keeps the size to the twip. Without a step
// it is the plain drag step (SetElementWindow).
void SnapDraggedElement(VGrfElement &element, const QRect &window, int zone, double stepMm);

// Moves the element's edges by the twips in edges (left, top, right, bottom, outwards positive)
// and its window after them: the others of a selection follow a snapped element by its change.
void MoveElementEdges(VGrfElement &element, const QMargins &edges);

// The element's absolute place on the page in twips.
QRect AbsoluteTwips(const VGrfElement &element);
// The bounding box in absolute twips of the selected elements under root (root included); null
// when none is selected.
QRect SelectionExtentTwips(const VGrfElement &root);
