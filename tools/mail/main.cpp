#include "mail_job.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <curl/curl.h>
#include <memory>

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
    const bool window = showErrorWindow();
    std::unique_ptr<QCoreApplication> app =
        window ? std::make_unique<QApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    curl_global_init(CURL_GLOBAL_DEFAULT);

    QString error;
    const int rc = zelmail::Run(app->arguments().mid(1), &error);
    curl_global_cleanup();
    if (rc != 0) {
        std::fprintf(stderr, "ZelUtlMail: %s\n", error.toLocal8Bit().constData());
        if (window) QMessageBox::critical(nullptr, QStringLiteral("ZelUtlMail"), error);
    }
    return rc;
}
