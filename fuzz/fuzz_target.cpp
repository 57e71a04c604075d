#include "fuzz_target.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

// Qt's image and font code wants an application object; one lives for the whole run.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static char name[] = "tessaly-fuzz";
    static char *args[] = {name, nullptr};
    static int count = 1;
    new QGuiApplication(count, args);
    // Qt's image plugins warn about every broken picture: noise that slows the run down.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

int fuzzentry::RunInput(QString (*entry)(const QByteArray &), const uint8_t *data, size_t size)
{
    const QString problem = entry(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "broken promise: %s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
