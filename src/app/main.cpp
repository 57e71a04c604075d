#include "app/command_line.h"
#include "app/headless_export.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/prompts.h"
#include "app/report/temporary_pictures.h"
#include "files/source_date.h"
#include "report/batch_memory.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <cstdio>
#include <exception>

namespace
{

// -g with -e: the report is exported and the program ends; only a GUI application without
// widgets exists, so that no display is needed.
int exportWithoutWindow(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setOrganizationName(QStringLiteral("ZEL"));
    QGuiApplication::setApplicationName(QStringLiteral("Tessaly"));
    SelectLanguage(CodePageForLocale(QLocale::system()));
    ConsolePrompts prompts;
    CommandLineOptions &options = commandLineOptions();
    // Help or a missing file: the message is out, and nothing was exported.
    if (StartupExitCode(app.arguments().mid(1), QDir::currentPath(), options, prompts)) return 1;
    HeadlessOutcome outcome;
    try {
        outcome = RunHeadlessExport(options);
    } catch (const std::exception &e) {
        outcome.error = QString::fromLocal8Bit(e.what());
    }
    for (const QString &file : outcome.written)
        std::fprintf(stdout, "%s\n", qPrintable(file));
    for (const QString &warning : outcome.warnings)
        std::fprintf(stderr, "warning: %s\n", qPrintable(warning));
    if (!outcome.ok) std::fprintf(stderr, "%s\n", qPrintable(outcome.error));
    return outcome.ok ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    SetUpReproducibleOutput();
    KeepFreedMemoryForReuse();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (AsksHeadlessExport(arguments)) return exportWithoutWindow(argc, argv);

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
