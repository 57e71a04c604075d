#include "app/command_line.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/prompts.h"
#include "app/temporary_pictures.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <exception>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ZEL"));
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    QApplication::setApplicationVersion(QStringLiteral(TESSALY_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tessaly.svg")));

    // The language comes first so that even the command-line help speaks it.
    SelectLanguage(CodePageForLocale(QLocale::system()));

    WidgetPrompts prompts;
    CommandLineOptions &options = commandLineOptions();
    int result = 0;
    try {
        if (const std::optional<int> end =
                StartupExitCode(app.arguments().mid(1), QDir::currentPath(), options, prompts))
            return *end; // before any window exists
        TfrmMain window(prompts, [] {
            return std::make_unique<QSettings>(QStringLiteral("ZEL"), QStringLiteral("Tessaly"));
        });
        // Without a window manager "maximized" means nothing; start at the screen's size anyway.
        if (QScreen *screen = QGuiApplication::primaryScreen())
            window.setGeometry(screen->availableGeometry());
        window.showMaximized();
        app.exec();
        if (!options.designFile.isEmpty()) RemoveTemporaryPictures(options.designFile);
        if (options.deleteDataOnExit && QFile::exists(options.dataFile)) QFile::remove(options.dataFile);
    } catch (const std::exception &e) {
        QMessageBox::critical(nullptr, QStringLiteral("ZEL Tessaly"), QString::fromLocal8Bit(e.what()));
        result = 1;
    }
    return result;
}
