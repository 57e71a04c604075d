#pragma once

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

// The same symbol as a picture: one pixel per module, black on white. Null when the text is
// empty or cannot be encoded.
QImage QrSymbolImage(const QString &text);
