#include "render/device_setup.h"

#include "model/units.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QScreen>
#include <QSize>
#include <QTransform>

void SetupTwips(QPainter &painter, double ppiX, double ppiY)
{
    if (ppiX <= 0 || ppiY <= 0) return;
    painter.setWorldTransform(QTransform::fromScale(ppiX / 1440.0, ppiY / 1440.0), true);
}

void SetupForDevice(QPainter &painter)
{
    if (const QPaintDevice *device = painter.device())
        SetupTwips(painter, device->logicalDpiX(), device->logicalDpiY());
}

void MeasureScreenMetrics()
{
    ScreenMetrics &m = screenMetrics();
    m.ppiX = m.ppiY = 96;
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) return;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // Twips per pixel divide 1440 by these, so keep them in a sensible range.
    const int x = qRound(screen->logicalDotsPerInchX());
    const int y = qRound(screen->logicalDotsPerInchY());
    if (x >= 48 && x <= 1440 && y >= 48 && y <= 1440) {
        m.ppiX = x;
        m.ppiY = y;
    }
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
