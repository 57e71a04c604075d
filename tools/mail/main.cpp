#include "mail_job.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <curl/curl.h>
#include <optional>

namespace
{
// The desktop program starts us without a console, so errors need a window as well; tests and
// scripts turn it off, and without a display there is nowhere to show one.
bool showErrorWindow()
{
    const QByteArray quiet = qgetenv("ZELUTLMAIL_QUIET");
    if (!quiet.isEmpty() && quiet != "0") return false;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.startsWith("offscreen") || platform.startsWith("minimal")) return false;
    return !platform.isEmpty() || qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}
} // namespace

int main(int argc, char **argv)
{
    // The work needs no display; the window comes up only for an error, after it is logged, so
    // an unusable display cannot stop a mail or swallow its error.
    std::optional<QCoreApplication> app(std::in_place, argc, argv);
    curl_global_init(CURL_GLOBAL_DEFAULT);
    QString error;
    const int rc = zelmail::Run(app->arguments().mid(1), &error);
    curl_global_cleanup();
    if (rc == 0) return 0;

    std::fprintf(stderr, "ZelUtlMail: %s\n", error.toLocal8Bit().constData());
    if (showErrorWindow()) {
        app.reset();
        // A display that cannot be opened falls back to offscreen instead of aborting, and an
        // offscreen box would wait for a click forever.
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        qputenv("QT_QPA_PLATFORM", (platform.isEmpty() ? QByteArray("xcb;wayland") : platform) + ";offscreen");
        QApplication gui(argc, argv);
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            QMessageBox::critical(nullptr, QStringLiteral("ZelUtlMail"), error);
    }
    return rc;
}
