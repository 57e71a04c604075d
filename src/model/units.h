#pragma once

#include <QColor>
#include <QtGlobal>

// Windows COLORREF layout: 0x00BBGGRR, red in the low byte.
using ColorRef = quint32;

constexpr ColorRef kWhite = 0xFFFFFF;
constexpr ColorRef kBlack = 0;

// Element geometry is in twips (1/1440 inch); the added 1.0 is part of the rule (10 mm -> 567).
int MmToTwips(double mm);
// Integer divisions truncating toward zero give a 0.1 mm resolution (567 -> 10.0).
double TwipsToMm(int twips);
// mm -> twips without the added 1.0, used for fonts, spacing, text and picture positions.
int MmToTwipsPlain(double mm);
// Millimetre values keep 0.1 mm: trunc(value * 10) / 10.
double TruncTenth(double mm);

QColor ColorFromRef(ColorRef c);
ColorRef RefFromColor(const QColor &c);
inline ColorRef Rgb(int r, int g, int b)
{
    return ColorRef(r & 255) | (ColorRef(g & 255) << 8) | (ColorRef(b & 255) << 16);
}

// Screen pixels per inch, measured once at start-up; headless programs keep 96.
struct ScreenMetrics {
    int ppiX = 96;
    int ppiY = 96;
    int twipsPerPixelX() const { return 1440 / ppiX; }
    int twipsPerPixelY() const { return 1440 / ppiY; }
};

ScreenMetrics &screenMetrics();
