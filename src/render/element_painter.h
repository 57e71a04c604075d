#pragma once

#include <QRect>
#include <QSize>

class QPainter;
class VGrfElement;
class VPage;

// The element's rectangle on a page surface in twips (x/y/width/height, Windows edges): the
// absolute position less the offsets, one screen pixel less on the right and the bottom.
QRect ElementOutputRect(const VGrfElement &element, int offsetX, int offsetY);

// Preview and print: draws the element and its subtree by the printable-mode rules. The painter
// is already in twips; the offsets (the printer's unprintable margin) are subtracted.
void DrawElementOutput(VGrfElement &element, QPainter &painter, bool blackWhite, bool printableOnly,
                       int offsetX, int offsetY);
// The same for a group or table as its export picture shows it: the element with the cells
// below it, the other children having output of their own.
void DrawElementWithCells(VGrfElement &element, QPainter &painter, bool blackWhite, bool printableOnly,
                          int offsetX, int offsetY);

// The design view: paints the element's own window of clientSizePx pixels. The painter is in the
// window's pixels; page (may be null) gives the background picture the element lets show through.
void DrawElementDesign(VGrfElement &element, QPainter &painter, const QSize &clientSizePx, const VPage *page);

// The page on the screen at its zoom: background picture (not with printable only), then every
// element with DrawElementOutput. Clears the pending Cut element. The painter is in pixels.
void PaintPage(VPage &page, QPainter &painter);

// The same on a painter already in twips, with the output switches given; the pending Cut stays
// (exports and bitmaps must not disturb the design view's editing).
void PaintPageOutput(VPage &page, QPainter &painter, bool blackWhite, bool printableOnly);

// Side of the selection grips in twips at a zoom.
int GripSideTwips(int zoom);
