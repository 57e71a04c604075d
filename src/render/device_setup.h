#pragma once

#include <QRect>

class QPainter;
class QSize;

// Every surface draws in twips (1/1440 inch). These set the painter's world transform so that one
// logical unit is one twip; any transform already set (a window offset) stays underneath.

// A device with ppiX x ppiY pixels per inch: printers pass their resolution, bitmaps the chosen DPI.
void SetupTwips(QPainter &painter, double ppiX, double ppiY);
// The painter's own device at its resolution (printers, PDF writers, images with a set DPI).
void SetupForDevice(QPainter &painter);
// The screen at a zoom percentage: the screen's logical DPI x zoom / 100, in whole pixels per inch.
void SetupScreen(QPainter &painter, int zoom);
// Pixels per inch of the screen at a zoom (integer arithmetic, as the screen set-up uses).
int ScreenPpiX(int zoom);
int ScreenPpiY(int zoom);

// Reads the primary screen's logical DPI into the screen metrics once the GUI runs; headless
// platforms (offscreen, minimal) and odd values keep 96.
void MeasureScreenMetrics();
// Twips per screen pixel from the screen metrics (15 at 96 DPI).
int TwipsPerPixelX();
int TwipsPerPixelY();

// The rectangle an element draws into in its own design-view window of clientPx pixels:
// (0, 0, (client - 1) x twips-per-pixel x 100 / zoom). x/y/width/height are the twips rectangle.
QRect DesignElementRect(const QSize &clientPx, int zoom);
