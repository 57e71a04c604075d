#include "render/picture_painter.h"

#include "model/v_picture.h"
#include "render/device_setup.h"
#include "render/painter_guard.h"

#include <QPainter>

QRect PictureTargetRect(const VPicture &picture, const QSize &imagePx, const QRect &elementRect)
{
    const qint64 L = elementRect.x(), T = elementRect.y();
    const qint64 W = elementRect.width(), H = elementRect.height();
    const qint64 R = L + W, B = T + H;
    const qint64 w = imagePx.width(), h = imagePx.height();
    const qint64 tpp = TwipsPerPixelX();

    auto rect = [](qint64 x, qint64 y, qint64 width, qint64 height) {
        auto clamp = [](qint64 v) { return int(std::clamp<qint64>(v, INT_MIN / 2, INT_MAX / 2)); };
        return QRect(clamp(x), clamp(y), clamp(width), clamp(height));
    };

    switch (picture.SizeSet()) {
    case VPicture::Stretch:
        return rect(L, T, W, H);
    case VPicture::StretchProportional:
        if (w <= 0 || h <= 0) return {};
        // W / H <= w / h, cross-multiplied so that an empty element divides by nothing.
        if (W * h <= w * H) {
            const qint64 height = W * h / w;
            return rect(L, T + H / 2 - height / 2, W, height);
        } else {
            const qint64 width = H * w / h;
            return rect(L + W / 2 - width / 2, T, width, H);
        }
    default:
        break;
    }

    qint64 width, height;
    if (picture.SizeSet() == VPicture::ManualSize) {
        width = qint64(picture.Width()) * tpp;
        height = qint64(picture.Height()) * tpp;
    } else {
        width = w * tpp;
        height = h * tpp;
    }
    qint64 x, y;
    switch (picture.PosSetX()) {
    case 0:
        x = L;
        break;
    case 2:
        x = R - width;
        break;
    case 3:
        x = L + picture.Left();
        break;
    default:
        x = L + W / 2 - width / 2;
        break;
    }
    switch (picture.PosSetY()) {
    case 0:
        y = T;
        break;
    case 2:
        y = B - height;
        break;
    case 3:
        y = T + picture.Top();
        break;
    default:
        y = T + H / 2 - height / 2;
        break;
    }
    return rect(x, y, width, height);
}

void DrawPicturePlaceholder(QPainter &painter, const QRect &rect, bool filled)
{
    if (rect.width() <= 0 || rect.height() <= 0) return;
    PainterGuard guard(painter);
    // A crossed box, so that a picture that is there but cannot be shown is not mistaken for none.
    QPen pen(QColor(96, 96, 96));
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(filled ? QBrush(QColor(224, 224, 224)) : QBrush(Qt::NoBrush));
    painter.drawRect(rect);
    painter.drawLine(rect.topLeft(), rect.bottomRight());
    painter.drawLine(rect.bottomLeft(), rect.topRight());
}

void DrawPicture(QPainter &painter, const VPicture &picture, const QRect &elementRect)
{
    if (picture.IsUndecodable()) {
        DrawPicturePlaceholder(painter, elementRect, true);
        return;
    }
    if (!picture.HasImage()) return;
    const QImage &image = picture.Image();
    const QRect target = PictureTargetRect(picture, image.size(), elementRect);
    if (target.width() <= 0 || target.height() <= 0) return;
    PainterGuard guard(painter);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(QRectF(target), image, QRectF(image.rect()));
}
