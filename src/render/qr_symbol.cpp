#include "render/qr_symbol.h"

#include <memory>
#include <qrencode.h>

QImage QrSymbolImage(const QString &text)
{
    if (text.isEmpty()) return {};
    const QByteArray utf8 = text.toUtf8();
    // QR_MODE_8 as the hint lets the encoder pick numeric, alphanumeric or byte segments itself.
    std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_L, QR_MODE_8, 1), &QRcode_free);
    if (!code) return {};
    constexpr int quiet = 1;
    const int n = code->width;
    QImage image(n + 2 * quiet, n + 2 * quiet, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int row = 0; row < n; ++row)
        for (int col = 0; col < n; ++col)
            if (code->data[row * n + col] & 1) image.setPixel(col + quiet, row + quiet, qRgb(0, 0, 0));
    return image;
}
