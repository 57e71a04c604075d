#include "render_test_util.h"
#include "test_support.h"

#include "export/picture_export.h"
#include "files/design_file.h"
#include "model/v_doc.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace rendertest;
using testsupport::readAll;
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

    // Every page: named as the picture export names them, the names listed on stdout.
    const QString out = dir.filePath(QStringLiteral("page.png"));
    const auto all = runCli({"render", doc, "--page", "all", "-o", out});
    ASSERT_EQ(all.exitCode, 0) << all.err.toStdString();
    const QStringList names = PicturePaths(2, out, PictureFormat::Png);
    EXPECT_EQ(QString::fromUtf8(all.out).split('\n', Qt::SkipEmptyParts), names);
    const QImage first(names.value(0));
    const QImage second(names.value(1));
    ASSERT_FALSE(first.isNull() || second.isNull());
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(countPixels(first, colour(qRgb(255, 255, 0), 3)), 0);
    EXPECT_GT(countPixels(second, colour(qRgb(255, 255, 0), 3)), 1000);
    EXPECT_EQ(render({doc, QStringLiteral("--page"), QStringLiteral("2")}, out), second);

    // The extension picks the format; a one-page document's every page is OUT itself.
    const struct {
        const char *name;
        QByteArray magic;
    } formats[] = {
        {"p.jpg", "\xFF\xD8\xFF"}, {"p.JPEG", "\xFF\xD8\xFF"}, {"p.bmp", "BM"}, {"p.png", "\x89PNG"}};
    for (const auto &f : formats) {
        const QString path = dir.filePath(f.name);
        const auto run = runCli({"render", kInvoice, "--page", "all", "-o", path});
        EXPECT_EQ(run.exitCode, 0) << f.name << run.err.toStdString();
        EXPECT_TRUE(readAll(path).startsWith(f.magic)) << f.name;
        EXPECT_EQ(QImage(path).size(), QSize(793, 1122)) << f.name;
    }
    const auto gif = runCli({"render", kInvoice, "-o", dir.filePath("p.gif")});
    EXPECT_EQ(gif.exitCode, 2);
    EXPECT_TRUE(gif.err.contains("p.gif") && gif.err.contains(".png, .jpg, .jpeg, .bmp"))
        << gif.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("p.gif")));

    // Bad input: exit 1; wrong usage: exit 2; nothing is written.
    QFile::remove(out);
    const struct {
        QStringList args;
        int exitCode;
    } cases[] = {
        {{doc, "--page", "3", "-o", out}, 1},
        {{dir.filePath("missing.edt"), "-o", out}, 1},
        {{doc, "--dpi", "4800", "--zoom", "1000", "-o", out}, 1}, // far too large a bitmap
        {{doc, "--page", "0", "-o", out}, 2},
        {{doc}, 2},
        {{doc, "-o", dir.filePath("no/such/folder/x.png")}, 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(runCli(QStringList{"render"} + c.args).exitCode, c.exitCode)
            << c.args.join(' ').toStdString();
    EXPECT_FALSE(QFile::exists(out));
}
