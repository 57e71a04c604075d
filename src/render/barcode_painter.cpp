#include "render/barcode_painter.h"

// Filled in by the barcode drawing work; until then barcodes draw nothing.
void DrawBarcode(VBarCode &, QPainter &, const QRect &, const TZelFont &, DrawSurface) {}

QString BarcodePictureFile(VBarCode &, const QRect &, const TZelFont &, const QString &)
{
    return {};
}
