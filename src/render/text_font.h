#pragma once

#include <QFont>

class TZelFont;

// A font whose character cell (ascent + descent) is cellHeight logical units and whose average
// character width is avgWidth (0 keeps the natural width), as a Windows LOGFONT with a positive
// height and a width draws it. Logical units are twips on our painters.
QFont MakeCellFont(const TZelFont &font, double cellHeight, double avgWidth);

// Face name as the font system should look it up (Windows faces map to metric-compatible ones).
QString ResolveFaceName(const QString &face);
