#include "export/picture_export.h"
#include "export_test_util.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace exporttest;
using testsupport::runProgram;

namespace
{
// A filled group 2 x 1 inches at (1, 1) inch: 96 x 96 pixels from the corner at 96 per inch.
void addGreenBlock(VPage &page)
{
    VGrfElement *block = addElement(page.Root(), ElementKind::Group, 1440, 1440, 2880, 1440);
    block->Shape().SetBrushStyle(0);
    block->Shape().SetBrushColor(Rgb(0, 160, 0));
}

bool green(const QColor &c)
{
    return c.green() > 120 && c.red() < 60 && c.blue() < 60;
}
} // namespace

TEST(PictureExport, NamesOrderSizesAndFormats)
{
    QTemporaryDir dir;
    VDoc two;
    addGreenBlock(*addPage(two));
    addPage(two, 8, 297, 420); // A3: cut to the A4 frame
    QStringList written;
    const QString base = dir.filePath("page");
    ASSERT_TRUE(ExportPictures(two, base + ".jpeg", PictureFormat::Png | PictureFormat::Bmp, &written));
    EXPECT_EQ(written, QStringList({base + "(1).bmp", base + "(1).png", base + "(2).bmp", base + "(2).png"}));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 4);
    const QImage first(base + "(1).png");
    EXPECT_EQ(first.size(), QSize(793, 1122));
    EXPECT_TRUE(green(first.pixelColor(150, 120)));
    EXPECT_EQ(first.pixelColor(50, 50), QColor(Qt::white));
    EXPECT_EQ(QImage(base + "(2).bmp").size(), QSize(793, 1122));

    VDoc one;
    addGreenBlock(*addPage(one, 256, 100, 60));
    written.clear();
    const QString single = dir.filePath("one.x");
    ASSERT_TRUE(
        ExportPictures(one, single, PictureFormat::Bmp | PictureFormat::Gif | PictureFormat::Ico, &written));
    EXPECT_EQ(written,
              QStringList({dir.filePath("one.bmp"), dir.filePath("one.gif"), dir.filePath("one.ico")}));

    // GIF and ICO as other readers see them: ImageMagick and Qt's own GIF decoder. The page is
    // smaller than the frame: drawn whole, at 15 twips a pixel.
    const QSize twips = one.PageAt(0)->TwipsSize();
    const QSize screen(twips.width() / 15, twips.height() / 15);
    const QImage gif(dir.filePath("one.gif"));
    EXPECT_EQ(gif.size(), screen);
    EXPECT_TRUE(green(gif.pixelColor(150, 120)));
    if (QFile::exists("/usr/bin/identify")) {
        for (const char *file : {"one.gif", "one.ico"}) {
            const testsupport::Run id =
                runProgram("/usr/bin/identify", {"-format", "%m %w %h\\n", dir.filePath(file)});
            EXPECT_EQ(id.exitCode, 0) << id.err.toStdString();
            EXPECT_TRUE(id.out.trimmed().endsWith(
                QStringLiteral(" %1 %2").arg(screen.width()).arg(screen.height()).toUtf8()))
                << file << ": " << id.out.toStdString();
        }
    }

    EXPECT_FALSE(ExportPictures(one, dir.filePath("no/such/x.png"), PictureFormat::Png));
    EXPECT_FALSE(ExportPictures(one, single, {}));
}

TEST(PictureExport, CommandLineBarcodeScans)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("label.png");
    const testsupport::Run r = testsupport::runCli(
        {"export", TESSALY_SOURCE_DIR "/examples/label.ebt", "--format", "png", "-o", out});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.trimmed(), out.toUtf8());
    if (!testsupport::haveTool("zbarimg")) GTEST_SKIP() << "zbarimg is needed";
    const QString decoded = QString::fromUtf8(runProgram("zbarimg", {"-q", out}).out);
    EXPECT_TRUE(decoded.contains("EAN-13:4006381333931")) << decoded.toStdString();
}
