#pragma once

#include <vector>

class VGrfElement;

// Aligning, spacing and sizing a set of elements against each other, in twips. The first
// element given is the reference: the others line up with it or take its size. Distribution
// keeps the outermost two where they are and spaces the rest with equal gaps between them.
enum class ArrangeMode {
    AlignLeft,
    AlignRight,
    AlignTop,
    AlignBottom,
    AlignCentresHorizontally, // one common x centre (a vertical axis)
    AlignCentresVertically,   // one common y centre (a horizontal axis)
    DistributeHorizontally,
    DistributeVertically,
    SameWidth,
    SameHeight,
    SameSize,
};

// The elements an arrangement moves: a page's Panel and table cells stay put (moving a cell
// would break its table's grid), and an element goes with a chosen container rather than on its own.
std::vector<VGrfElement *> ArrangeableElements(const std::vector<VGrfElement *> &elements);

// Arranges elements (already filtered) and returns whether any of them changed. Positions are
// compared on the page, so elements of different containers line up too; each element's relative
// twips and window follow its new place.
bool ArrangeElements(const std::vector<VGrfElement *> &elements, ArrangeMode mode);

// The English name of an arrangement (menu text and undo step).
const char *ArrangeText(ArrangeMode mode);
