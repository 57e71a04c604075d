#pragma once

class VGrfElement;

// The sides of an element's geometry that can be typed in millimetres.
enum class GeometrySide { Left, Top, Width, Height };

// Left and top on the paper (the relative positions summed up to the page's panel, as the drag
// hint shows them), width and height; at the model's 0.1 mm resolution.
double GeometryMm(const VGrfElement &element, GeometrySide side);

// A typed value goes into twips by MmToTwips, so that what was typed reads back the same; the
// window follows by the twips-to-pixel truncation. A size below the smallest window a drag
// leaves is held there, its twips then taken from the window as a drag takes them. The element's
// children keep their places inside it.
void SetGeometryMm(VGrfElement &element, GeometrySide side, double mm);
