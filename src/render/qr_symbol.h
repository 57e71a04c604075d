#pragma once

#include "render/qr_penalty.h"

#include <QImage>
#include <QString>
#include <vector>

// The modules of a QR Code symbol of a text (UTF-8, automatic mode choice, error correction
// level L) with a quiet zone of one module, row by row, true for dark. Empty (side 0) when the
// text is empty or cannot be encoded.
struct QrModules {
    int side = 0;
    std::vector<bool> dark;
    bool at(int x, int y) const { return dark[size_t(y) * size_t(side) + size_t(x)]; }
};
QrModules QrSymbolModules(const QString &text);
// The symbol alone, without its quiet zone; side 0 when the text is empty or cannot be encoded.
QrBits QrSymbolBits(const QString &text);
// The quiet zone QrSymbolModules and QrSymbolImage put around it, in modules.
constexpr int kQrQuietZone = 1;
// True when the mask is chosen here rather than by libqrencode's public encoder (same symbols,
// a fraction of the time); false with a libqrencode whose inner steps differ.
bool QrScoredHere();

// The same symbol as a picture: one pixel per module, black on white. Null when the text is
// empty or cannot be encoded.
QImage QrSymbolImage(const QString &text);
