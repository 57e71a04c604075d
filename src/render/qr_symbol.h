#pragma once

#include "render/qr_penalty.h"

#include <QImage>
#include <QString>

// The modules of the QR Code symbol of a text (UTF-8, automatic mode choice, error correction
// level L), without its quiet zone; side 0 when the text is empty or cannot be encoded.
QrBits QrSymbolBits(const QString &text);
// The quiet zone drawn around the symbol, in modules.
constexpr int kQrQuietZone = 1;
// True when the mask is chosen here rather than by libqrencode's public encoder (same symbols,
// a fraction of the time); false with a libqrencode whose inner steps differ.
bool QrScoredHere();

// The same symbol as a picture with its quiet zone: one pixel per module, black on white. Null
// when the text is empty or cannot be encoded.
QImage QrSymbolImage(const QString &text);
