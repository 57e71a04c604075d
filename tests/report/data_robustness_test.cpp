#include "files/design_file.h"
#include "model/v_doc.h"
#include "report/data_type_state.h"
#include "report/design_builder.h"
#include "report/report_generation.h"

#include "test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{
// One to six random edits: a byte changed, a cut, a gap, a run of one character, a copied
// stretch, or the start of a repeating block.
QByteArray mutate(QByteArray bytes, QRandomGenerator &random)
{
    const int edits = 1 + random.bounded(6);
    for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
        const int at = random.bounded(int(bytes.size()));
        const int kind = random.bounded(6);
        if (kind == 0) bytes[at] = char(random.bounded(256));
        if (kind == 1) bytes.truncate(at);
        if (kind == 2) bytes.remove(at, random.bounded(40));
        if (kind == 3) bytes.insert(at, QByteArray(random.bounded(9000), "\"<\r\n x"[random.bounded(6)]));
        if (kind == 4) bytes.insert(at, bytes.mid(random.bounded(int(bytes.size())), random.bounded(300)));
        if (kind == 5)
            bytes.insert(at, "\r\n<Data Status=\"Group\" Repeat=\"1\" ID=\"1\" RepeatCount=\"9\">\r\n");
    }
    return bytes;
}
} // namespace

// Damaged data files end with a result, never with a crash or an endless loop.
TEST(DataRobustness, mutatedExampleFilesAlwaysFinish)
{
    const QString examples = QStringLiteral(TESSALY_SOURCE_DIR "/examples/");
    VDoc invoice, orders;
    ASSERT_TRUE(ReadDesignFile(invoice, examples + "invoice.edt"));
    ASSERT_TRUE(ReadDesignFile(orders, examples + "orders.edt"));
    const std::pair<QByteArray, const VDoc *> inputs[] = {
        {testsupport::readAll(examples + "invoice.edd"), &invoice},
        {testsupport::readAll(examples + "orders.edd"), &orders},
        {testsupport::readAll(examples + "convert.edd"), &invoice}};
    QTemporaryDir dir;
    // mutated convert files create the folders they name, relative ones here
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    QRandomGenerator random(20261205);
    QElapsedTimer timer;
    int failures = 0, successes = 0;
    for (int round = 0; round < 600; ++round) {
        const auto &[bytes, design] = inputs[round % 3];
        const QString path = dir.filePath("m.edd");
        testsupport::writeAll(path, mutate(bytes, random));
        ResetCurrentDataType();
        VDoc report;
        timer.start();
        testdesign::DocumentRecorder documents;
        const bool ok = ReadDataFile(path, *design, report, &documents);
        (ok ? successes : failures)++;
        EXPECT_LT(timer.elapsed(), 5000) << "round " << round;
        EXPECT_LE(report.PageCount(), 200);
    }
    QDir::setCurrent(saved);
    // the mutations really reach both outcomes
    EXPECT_GT(failures, 20);
    EXPECT_GT(successes, 20);
}
