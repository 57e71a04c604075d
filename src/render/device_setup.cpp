#include "render/device_setup.h"

#include "model/units.h"

#include <QPainter>
#include <QSize>
#include <QTransform>

void SetupTwips(QPainter &painter, double ppiX, double ppiY)
{
    if (ppiX <= 0 || ppiY <= 0) return;
    painter.setWorldTransform(QTransform::fromScale(ppiX / 1440.0, ppiY / 1440.0), true);
}

int ScreenPpiX(int zoom)
{
    return screenMetrics().ppiX * zoom / 100;
}

int ScreenPpiY(int zoom)
{
    return screenMetrics().ppiY * zoom / 100;
}

void SetupScreen(QPainter &painter, int zoom)
{
    SetupTwips(painter, ScreenPpiX(zoom), ScreenPpiY(zoom));
}

int TwipsPerPixelX()
{
    return screenMetrics().twipsPerPixelX();
}

int TwipsPerPixelY()
{
    return screenMetrics().twipsPerPixelY();
}

QRect DesignElementRect(const QSize &clientPx, int zoom)
{
    if (zoom <= 0) zoom = 100;
    const qint64 w = qint64(clientPx.width() - 1) * TwipsPerPixelX() * 100 / zoom;
    const qint64 h = qint64(clientPx.height() - 1) * TwipsPerPixelY() * 100 / zoom;
    return QRect(0, 0, int(std::max<qint64>(w, 0)), int(std::max<qint64>(h, 0)));
}
