#pragma once

#include "model/v_grf_element.h"

#include <QRect>

// Gives a new element its Num and Name among the children of parent (not yet inserted).
void NameNewElement(const VGrfElement &parent, VGrfElement &element);

// Adds a Group, Table, Label or BarCode to parent with the given window bounds (pixels):
// zoom and font copied from the parent, twips from the window, named, inserted last.
VGrfElement *AddElement(VGrfElement &parent, ElementKind kind, const QRect &window);

// Copies source's subtree into target by the copy rules; the copy is placed at the source's
// relative position. Returns null when target lies inside source's own subtree (or is source
// itself for a group), where the copy would never end.
VGrfElement *CopySubtree(const VGrfElement &source, VGrfElement &target);
bool CanPasteInto(const VGrfElement &source, const VGrfElement &target);

// Paste into target: consumes the pending Cut element when there is one, else copies the
// copied element. Returns the new subtree or null.
VGrfElement *PasteInto(VGrfElement &target);

// An exact deep copy: names, numbers and every field kept (report pages are clones of design pages).
std::unique_ptr<VGrfElement> CloneElement(const VGrfElement &source);
// Every field of source but its kind and children, into target.
void CopyElementFields(const VGrfElement &source, VGrfElement &target);
