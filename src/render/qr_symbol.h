#pragma once

#include <QImage>
#include <QString>

// QR Code symbol of a text (UTF-8, automatic mode choice, error correction level L) with a
// quiet zone of one module: one pixel per module, black on white. Null when the text is empty
// or cannot be encoded.
QImage QrSymbolImage(const QString &text);
