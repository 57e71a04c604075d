#include "render_test_util.h"
#include "test_support.h"

#include "files/design_file.h"
#include "model/v_doc.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace rendertest;
using testsupport::runCli;

namespace
{
const QString kInvoice = QStringLiteral(TESSALY_SOURCE_DIR "/examples/invoice.edt");

// Runs render with args and -o out; the image written, null when the run failed.
QImage render(const QStringList &args, const QString &out)
{
    const auto run =
        runCli(QStringList{QStringLiteral("render")} + args + QStringList{QStringLiteral("-o"), out});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return QImage(out);
}
} // namespace

TEST(RenderCli, ExamplesAtZoomDpiAndModes)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("invoice.png"));
    const auto customerFill = colour(qRgb(0xFF, 0xFA, 0xD7), 3);
    const auto helperBlue = colour(qRgb(0, 0, 255), 3);
    QImage image = render({kInvoice}, out);
    EXPECT_EQ(image.size(), QSize(793, 1122)); // A4 at 96 DPI
    EXPECT_GT(countPixels(image, customerFill), 1000);
    EXPECT_EQ(countPixels(image, helperBlue), 0) << "no helper outline in the preview";

    image = render({kInvoice, QStringLiteral("--zoom"), QStringLiteral("200"), QStringLiteral("--bw")}, out);
    EXPECT_EQ(image.size(), QSize(1587, 2245));
    EXPECT_EQ(countPixels(image, customerFill), 0);
    EXPECT_EQ(render({kInvoice, QStringLiteral("--dpi"), QStringLiteral("300")}, out).width(), 2480);

    image = render(
        {QStringLiteral(TESSALY_SOURCE_DIR "/examples/label.ebt"), QStringLiteral("--design-view")}, out);
    EXPECT_GT(countPixels(image, helperBlue), 100) << "the panel's helper outline";
}

TEST(RenderCli, PagesAndErrors)
{
    // Two small pages, the second with a yellow solid rectangle.
    QTemporaryDir dir;
    VDoc design;
    for (int i = 0; i < 2; ++i) {
        VPage *page = design.AddPage();
        page->Settings().Width = 50;
        page->Settings().Height = 30;
        page->Settings().PaperSize = 256;
        page->PlaceRoot();
    }
    solidFill(addElement(design.PageAt(1)->Root(), ElementKind::Label, 150, 150, 900, 600),
              qRgb(255, 255, 0));
    const QString doc = dir.filePath(QStringLiteral("two.edt"));
    ASSERT_TRUE(WriteDesignFile(design, doc).ok);

    const QString out = dir.filePath(QStringLiteral("page.png"));
    render({doc, QStringLiteral("--page"), QStringLiteral("all")}, out);
    const QImage first(dir.filePath(QStringLiteral("page_1.png")));
    const QImage second(dir.filePath(QStringLiteral("page_2.png")));
    ASSERT_FALSE(first.isNull() || second.isNull());
    EXPECT_EQ(countPixels(first, colour(qRgb(255, 255, 0), 3)), 0);
    EXPECT_GT(countPixels(second, colour(qRgb(255, 255, 0), 3)), 1000);
    EXPECT_EQ(render({doc, QStringLiteral("--page"), QStringLiteral("2")}, out), second);

    // Bad input: exit 1; wrong usage: exit 2; nothing is written.
    QFile::remove(out);
    const struct {
        QStringList args;
        int exitCode;
    } cases[] = {
        {{doc, "--page", "3", "-o", out}, 1},
        {{dir.filePath("missing.edt"), "-o", out}, 1},
        {{doc, "--dpi", "4800", "--zoom", "1000", "-o", out}, 1}, // far too large a bitmap
        {{doc, "--zoom", "abc", "-o", out}, 2},
        {{doc, "--page", "0", "-o", out}, 2},
        {{doc}, 2},
        {{doc, "-o", dir.filePath("no/such/folder/x.png")}, 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(runCli(QStringList{"render"} + c.args).exitCode, c.exitCode)
            << c.args.join(' ').toStdString();
    EXPECT_FALSE(QFile::exists(out));
}
