#pragma once

#include "model/v_grf_element.h"
#include "model/v_page.h"
#include "render/device_setup.h"
#include "render/element_painter.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>

// Pixel-checking helpers for the rendering tests: a white 96-DPI canvas in twips (15 twips per
// pixel), element builders in twips and colour probes.
namespace rendertest
{

inline QImage whiteImage(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::white);
    return image;
}

// Runs draw with a painter set up in twips at 96 DPI on a fresh white image.
inline QImage paintTwips(int w, int h, const std::function<void(QPainter &)> &draw)
{
    QImage image = whiteImage(w, h);
    QPainter painter(&image);
    SetupTwips(painter, 96, 96);
    draw(painter);
    painter.end();
    return image;
}

// element and its children on the output path, w x h pixels.
inline QImage drawOutput(VGrfElement &element, int w, int h, bool blackWhite = false)
{
    return paintTwips(w, h, [&](QPainter &p) { DrawElementOutput(element, p, blackWhite, false, 0, 0); });
}

inline void setSize(VGrfElement &e, int width, int height)
{
    e.Shape().SetWidth(width);
    e.Shape().SetHeight(height);
}

// A page of w x h mm shown at zoom 100 whose root Panel is rootW x rootH twips.
inline void setUpPage(VPage &page, double w, double h, int rootW, int rootH)
{
    page.Settings().Width = w;
    page.Settings().Height = h;
    setSize(page.Root(), rootW, rootH);
    page.SetZoom(100);
}

// Adds a child at (left, top) relative to parent, width x height twips; absolute positions follow.
inline VGrfElement &addElement(VGrfElement &parent, ElementKind kind, int left, int top, int width,
                               int height)
{
    auto element = std::make_unique<VGrfElement>(kind);
    element->Shape().SetRelLeft(left);
    element->Shape().SetRelTop(top);
    setSize(*element, width, height);
    VGrfElement &added = *parent.InsertChild(std::move(element));
    added.RecomputeAbsolute(parent.Shape().Left(), parent.Shape().Top());
    return added;
}

inline void solidFill(VGrfElement &e, QRgb rgb)
{
    e.Shape().SetBrushStyle(0);
    e.Shape().SetBrushColor(RefFromColor(QColor(rgb)));
}

inline bool near(QRgb a, QRgb b, int tolerance = 8)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

inline bool isWhite(QRgb c)
{
    return near(c, qRgb(255, 255, 255), 2);
}

inline std::function<bool(QRgb)> colour(QRgb rgb, int tolerance = 8)
{
    return [rgb, tolerance](QRgb c) { return near(c, rgb, tolerance); };
}

// Bounding box of the pixels that satisfy test (empty when none).
inline QRect boundsOf(const QImage &image, const std::function<bool(QRgb)> &test)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixel(x, y))) box = box.united(QRect(x, y, 1, 1));
    return box;
}

inline QRect inkBounds(const QImage &image)
{
    return boundsOf(image, [](QRgb c) { return !isWhite(c); });
}

inline int countPixels(const QImage &image, const std::function<bool(QRgb)> &test)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

} // namespace rendertest
