#pragma once

#include <QImage>

class VPage;

struct PageImageOptions {
    int zoom = 100;
    double dpi = 0;             // 0: the screen's; the bitmap has dpi x zoom / 100 pixels per inch
    bool designView = false;    // the design view's element windows instead of the preview
    bool blackWhite = false;    // preview only
    bool printableOnly = false; // preview only
};

// Largest bitmap the renderers agree to allocate (pixels).
constexpr qint64 kMaxPageImagePixels = 400LL * 1000 * 1000;

// Pixel size of the page image for these options (may exceed kMaxPageImagePixels).
QSize PageImageSize(const VPage &page, const PageImageOptions &options);

// Draws the page into a white ARGB32 image; a null image when it would be too large.
// The design view works at the screen's resolution and the given zoom (dpi is not used).
QImage RenderPageImage(VPage &page, const PageImageOptions &options);
QImage RenderPageImage(VPage &page, double dpi, bool designView);
