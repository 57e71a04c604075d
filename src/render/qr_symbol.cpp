#include "render/qr_symbol.h"

#include <memory>
#include <qrencode.h>

QrModules QrSymbolModules(const QString &text)
{
    QrModules symbol;
    if (text.isEmpty()) return symbol;
    const QByteArray utf8 = text.toUtf8();
    // QR_MODE_8 as the hint lets the encoder pick numeric, alphanumeric or byte segments itself.
    std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_L, QR_MODE_8, 1), &QRcode_free);
    if (!code) return symbol;
    constexpr int quiet = 1;
    const int n = code->width;
    symbol.side = n + 2 * quiet;
    symbol.dark.assign(size_t(symbol.side) * size_t(symbol.side), false);
    for (int row = 0; row < n; ++row)
        for (int col = 0; col < n; ++col)
            if (code->data[row * n + col] & 1)
                symbol.dark[size_t(row + quiet) * size_t(symbol.side) + size_t(col + quiet)] = true;
    return symbol;
}

QImage QrSymbolImage(const QString &text)
{
    const QrModules symbol = QrSymbolModules(text);
    if (symbol.side == 0) return {};
    QImage image(symbol.side, symbol.side, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < symbol.side; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < symbol.side; ++x)
            if (symbol.at(x, y)) line[x] = qRgb(0, 0, 0);
    }
    return image;
}
