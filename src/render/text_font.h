#pragma once

#include <QFont>

class TZelFont;

// A font set up as a Windows LOGFONT with a positive height draws it: the character cell (the
// face's Windows ascent + descent) is cellHeight logical units and the average character width is
// avgWidth (0 keeps the natural width). Logical units are twips on our painters.
struct CellFont {
    QFont font;
    double ascent = 0;     // top of the cell to the baseline
    double cellHeight = 0; // the cell as realised (whole font pixel sizes round it slightly)
    // What whole stretch percentages miss of the requested width: draw with this horizontal scale
    // (and measure text times it) to meet the average width exactly.
    double xScale = 1.0;
};
CellFont MakeCellFontMetrics(const TZelFont &font, double cellHeight, double avgWidth);
QFont MakeCellFont(const TZelFont &font, double cellHeight, double avgWidth);

// Face name as the font system should look it up (Windows faces map to metric-compatible ones).
QString ResolveFaceName(const QString &face);

// True when the face is installed as itself (no substitution by the font system).
bool FaceAvailable(const QString &face);
