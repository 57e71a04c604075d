#pragma once

#include "export/pdf_deflate.h"
#include "render/module_stencil.h"

#include <QByteArray>
#include <QRectF>
#include <vector>

// What a PDF page draws beneath everything the painter draws on it, as a content stream of its
// own that comes first in the page's /Contents: barcode and QR stencils as image masks of one
// sample per module. Written inline, a QR Code costs its modules' bits instead of a rectangle
// per run, and a barcode a bit per module instead of a rectangle per bar.
//
// A stencil may go beneath only when nothing drawn earlier on the page overlaps it; it is then
// drawn in its turn instead. The pages' painter draws on the device y-down in points.
class PdfUnderlay : public StencilSink
{
public:
    void startPage(double pageHeight);
    // Something was drawn on the page within bounds (device points).
    void drawn(const QRectF &bounds);
    // The box the painter is clipped to while a stencil may come (device points); null for none,
    // in which case stencils are drawn.
    void setClip(const QRectF &clip) { m_clip = clip; }
    bool place(const QTransform &toDevice, const ModuleStencil &stencil) override;
    // The page's stream object (dictionary and data, as between "obj" and "endobj"), empty when
    // nothing went beneath.
    QByteArray finishPage();

private:
    double m_pageHeight = 0;
    QRectF m_clip;
    std::vector<QRectF> m_drawn;
    QByteArray m_content;
    PdfDeflater m_deflater{true};
};
