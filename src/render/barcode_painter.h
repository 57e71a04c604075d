#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include "render/module_stencil.h"

class QPainter;
class StencilSink;
class TZelFont;
class VBarCode;

// What the barcode is drawn on: QR bitmaps are stretched onto the element's rectangle in
// page coordinates; on a vector surface (PDF) every dark module is a filled square instead.
enum class DrawSurface { Screen, Printer, Bitmap, Vector };

// Draws the symbol of record into rect (twips; the painter maps one logical unit to one twip).
// The module width computed in custom or standard size is written back into LineWidth. On a
// vector surface the modules go to sink when it takes them (see StencilSink).
void DrawBarcode(VBarCode &record, QPainter &painter, const QRect &rect, const TZelFont &font,
                 DrawSurface surface, StencilSink *sink = nullptr);

// A QR Code's modules as a stencil on rect (twips); none (no columns) for another symbol, an
// empty rect or a value that cannot be encoded.
ModuleStencil QrStencil(const VBarCode &record, const QRect &rect);

// Writes the barcode as a JPEG beside the export being written (outputName) and returns its path:
// base + "_barcode_" + value + "_" + left mm + "_" + top mm + ".jpeg". Empty when writing fails.
QString BarcodePictureFile(VBarCode &record, const QRect &rect, const TZelFont &font,
                           const QString &outputName);
// The path BarcodePictureFile writes; exports that place the picture find it by the same rule.
QString BarcodePictureFileName(const QString &value, const QRect &rect, const QString &outputName);

// How a linear symbol lies along its extent E (twips): M modules of width moduleWidth, drawn
// step = trunc(moduleWidth) apart from offset. modules is 0 when nothing is drawn.
struct BarcodeMetrics {
    int modules = 0;
    double moduleWidth = 0.0;
    int step = 0;
    int offset = 0;
};
BarcodeMetrics MeasureBarcode(const VBarCode &record, int extent);

// The barcode drawn on white into an image of rect's size (twips) at about dpi, the resolution
// nudged so that every module is a whole number of pixels; the image carries the resolution used.
QImage RenderBarcodeImage(VBarCode &record, QSize twips, const TZelFont &font, double dpi);
