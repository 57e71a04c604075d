#pragma once

#include "model/v_doc.h"

#include <QColor>
#include <QImage>
#include <memory>

namespace exporttest
{

// A child of parent at an absolute twip rectangle.
inline VGrfElement *addElement(VGrfElement &parent, ElementKind kind, int left, int top, int width,
                               int height)
{
    auto e = std::make_unique<VGrfElement>(kind);
    VShape &s = e->Shape();
    s.SetLeft(left);
    s.SetTop(top);
    s.SetWidth(width);
    s.SetHeight(height);
    s.SetRelLeft(left - parent.Shape().Left());
    s.SetRelTop(top - parent.Shape().Top());
    return parent.InsertChild(std::move(e));
}

inline VGrfElement *addLabel(VGrfElement &parent, const QString &caption, int left, int top, int width,
                             int height)
{
    VGrfElement *e = addElement(parent, ElementKind::Label, left, top, width, height);
    e->SetCaption(caption);
    return e;
}

// A page of the given paper whose root panel covers the page.
inline VPage *addPage(VDoc &doc, int paperSize = 9, double widthMm = 210, double heightMm = 297)
{
    VPage *page = doc.AddPage();
    page->Settings().PaperSize = paperSize;
    page->Settings().Width = widthMm;
    page->Settings().Height = heightMm;
    VShape &s = page->Root().Shape();
    s.SetLeft(0);
    s.SetTop(0);
    s.SetWidth(MmToTwips(widthMm));
    s.SetHeight(MmToTwips(heightMm));
    return page;
}

inline QImage solidPicture(int w, int h, const QColor &color)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

} // namespace exporttest
