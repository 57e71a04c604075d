#include "fuzz_entries.h"
#include "test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <gtest/gtest.h>

// Every seed, and every input a fuzz target once failed on, goes through the entry the target
// uses: each must keep the reader's promises and finish (the bound only catches a hang; the
// sanitizer build on a busy machine is many times slower than the fuzzer's own time-out).
TEST(FuzzReplay, SeedsAndFoundInputsKeepTheReadersPromises)
{
    const QString root = QStringLiteral(TESSALY_SOURCE_DIR);
    for (const fuzzentry::Target &target : fuzzentry::Targets()) {
        const QString seeds = root + QStringLiteral("/fuzz/seeds/") + QLatin1String(target.name);
        const QString found =
            root + QStringLiteral("/tests/data/fuzz-regressions/") + QLatin1String(target.name);
        EXPECT_FALSE(QDir(seeds).isEmpty()) << qPrintable(seeds);
        for (const QString &folder : {seeds, found}) {
            for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files)) {
                QElapsedTimer clock;
                clock.start();
                EXPECT_EQ(target.run(testsupport::readAll(file.filePath())), QString())
                    << qPrintable(file.filePath());
                EXPECT_LT(clock.elapsed(), 120000) << qPrintable(file.filePath());
            }
        }
    }
}
