#include "render_test_util.h"
#include "test_support.h"

#include "files/design_file.h"
#include "model/v_doc.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace rendertest;
using testsupport::runCli;

namespace
{

QString example(const char *name)
{
    return QStringLiteral(TESSALY_SOURCE_DIR "/examples/") + QLatin1String(name);
}

// Two small pages, the second with a yellow solid rectangle.
QString writeTwoPages(const QTemporaryDir &dir)
{
    VDoc doc;
    for (int i = 0; i < 2; ++i) {
        VPage *page = doc.AddPage();
        page->Settings().Width = 50;
        page->Settings().Height = 30;
        page->Settings().PaperSize = 256;
        page->PlaceRoot();
    }
    VGrfElement &box = addElement(doc.PageAt(1)->Root(), ElementKind::Label, 150, 150, 900, 600);
    solidFill(box, qRgb(255, 255, 0));
    const QString path = dir.filePath(QStringLiteral("two.edt"));
    EXPECT_TRUE(WriteDesignFile(doc, path).ok);
    return path;
}

} // namespace

TEST(RenderCli, ExamplesAtZoomDpiAndModes)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("invoice.png"));
    auto run = runCli({QStringLiteral("render"), example("invoice.edt"), QStringLiteral("-o"), out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QImage image(out);
    EXPECT_EQ(image.size(), QSize(793, 1122)); // A4 at 96 DPI
    const QRgb customerFill = qRgb(0xFF, 0xFA, 0xD7);
    EXPECT_GT(countPixels(image, colour(customerFill, 3)), 1000);
    EXPECT_EQ(countPixels(image, colour(qRgb(0, 0, 255), 3)), 0); // no helper outline in the preview

    run = runCli({QStringLiteral("render"), example("invoice.edt"), QStringLiteral("--zoom"),
                  QStringLiteral("200"), QStringLiteral("--bw"), QStringLiteral("-o"), out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    image = QImage(out);
    EXPECT_EQ(image.size(), QSize(1587, 2245));
    EXPECT_EQ(countPixels(image, colour(customerFill, 3)), 0);

    run = runCli({QStringLiteral("render"), example("invoice.edt"), QStringLiteral("--dpi"),
                  QStringLiteral("300"), QStringLiteral("-o"), out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QImage(out).width(), 2480);

    run = runCli({QStringLiteral("render"), example("label.ebt"), QStringLiteral("--design-view"),
                  QStringLiteral("-o"), out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    image = QImage(out);
    EXPECT_GT(countPixels(image, colour(qRgb(0, 0, 255), 3)), 100); // the panel's helper outline
}

TEST(RenderCli, PagesAndErrors)
{
    QTemporaryDir dir;
    const QString doc = writeTwoPages(dir);
    const QString out = dir.filePath(QStringLiteral("page.png"));
    auto run = runCli({QStringLiteral("render"), doc, QStringLiteral("--page"), QStringLiteral("all"),
                       QStringLiteral("-o"), out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage first(dir.filePath(QStringLiteral("page_1.png")));
    const QImage second(dir.filePath(QStringLiteral("page_2.png")));
    ASSERT_FALSE(first.isNull());
    ASSERT_FALSE(second.isNull());
    EXPECT_EQ(countPixels(first, colour(qRgb(255, 255, 0), 3)), 0);
    EXPECT_GT(countPixels(second, colour(qRgb(255, 255, 0), 3)), 1000);

    run = runCli({QStringLiteral("render"), doc, QStringLiteral("--page"), QStringLiteral("2"),
                  QStringLiteral("-o"), out});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(QImage(out), second);

    // Bad input: exit 1; wrong usage: exit 2; nothing is written.
    QFile::remove(out);
    EXPECT_EQ(runCli({QStringLiteral("render"), doc, QStringLiteral("--page"), QStringLiteral("3"),
                      QStringLiteral("-o"), out})
                  .exitCode,
              1);
    EXPECT_EQ(runCli({QStringLiteral("render"), dir.filePath(QStringLiteral("missing.edt")),
                      QStringLiteral("-o"), out})
                  .exitCode,
              1);
    EXPECT_EQ(runCli({QStringLiteral("render"), doc, QStringLiteral("--dpi"), QStringLiteral("4800"),
                      QStringLiteral("--zoom"), QStringLiteral("1000"), QStringLiteral("-o"), out})
                  .exitCode,
              1); // far too large a bitmap
    EXPECT_EQ(runCli({QStringLiteral("render"), doc, QStringLiteral("--zoom"), QStringLiteral("abc"),
                      QStringLiteral("-o"), out})
                  .exitCode,
              2);
    EXPECT_EQ(runCli({QStringLiteral("render"), doc, QStringLiteral("--page"), QStringLiteral("0"),
                      QStringLiteral("-o"), out})
                  .exitCode,
              2);
    EXPECT_EQ(runCli({QStringLiteral("render"), doc}).exitCode, 2);
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(runCli({QStringLiteral("render"), doc, QStringLiteral("-o"),
                      dir.filePath(QStringLiteral("no/such/folder/x.png"))})
                  .exitCode,
              1);
}
