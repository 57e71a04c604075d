#pragma once

#include <QRect>
#include <QString>

class QPainter;
class TZelFont;
class VBarCode;

// What the barcode is drawn on: QR bitmaps are stretched onto the element's rectangle in
// page coordinates on every surface.
enum class DrawSurface { Screen, Printer, Bitmap };

// Draws the symbol of record into rect (twips; the painter maps one logical unit to one twip).
// The module width computed in custom or standard size is written back into LineWidth.
void DrawBarcode(VBarCode &record, QPainter &painter, const QRect &rect, const TZelFont &font,
                 DrawSurface surface);

// Writes the barcode as a JPEG beside the export being written (outputName) and returns its path:
// base + "_barcode_" + value + "_" + left mm + "_" + top mm + ".jpeg".
QString BarcodePictureFile(VBarCode &record, const QRect &rect, const TZelFont &font, const QString &outputName);
