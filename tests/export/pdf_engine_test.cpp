#include "export/pdf_engine.h"
#include "export_test_util.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace exporttest;

TEST(PdfEngine, FontMapFacesStylesAndFallbacks)
{
    QTemporaryDir dir;
    PdfEngine pdf;
    ASSERT_TRUE(pdf.beginDocument(dir.filePath("f.pdf")));
    // The font database keeps a registered file for the whole process: the map and its font stay
    // until the end, or later tests would draw Arial bold from a file that is gone.
    static QTemporaryDir fonts;
    const QString map = fonts.filePath("map.upr");
    testsupport::writeAll(map,
                          "# comment\n; another\nCourier New = /usr/share/fonts/truetype/liberation/"
                          "LiberationMono-Regular.ttf\nBroken line\nArial,Bold=LiberationSans-Bold.ttf\n");
    // A relative file name is taken from the map's folder.
    QFile::copy("/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf",
                fonts.filePath("LiberationSans-Bold.ttf"));
    pdf.setParameter("resourcefile", map);
    EXPECT_EQ(pdf.mappedFaces(), QStringList({"Courier New", "Arial"}));

    const int mono = pdf.loadFont("Courier New", "cp1251");
    EXPECT_EQ(pdf.fontFamily(mono), "Liberation Mono");
    EXPECT_EQ(pdf.loadFont("courier new", "cp1251"), mono); // one handle per font
    const int bold = pdf.loadFont("Arial,Bold", "cp1254");
    EXPECT_EQ(pdf.fontFamily(bold), "Liberation Sans");
    EXPECT_NE(bold, mono);
    // No mapped bold mono: the regular face, made bold by the font system.
    const int monoBold = pdf.loadFont("Courier New,Bold", "cp1252");
    EXPECT_EQ(pdf.fontFamily(monoBold), "Liberation Mono");
    EXPECT_NE(monoBold, mono);
    EXPECT_EQ(pdf.loadFont(QString(), "cp1252"), -1);
    EXPECT_EQ(pdf.loadFont("Arial", "no-such-encoding"), -1);
    pdf.abandonDocument();
    EXPECT_FALSE(QFile::exists(dir.filePath("f.pdf")));
}

TEST(PdfEngine, ImagesPlacedByDpiAndBox)
{
    if (!haveReaders()) GTEST_SKIP() << "poppler-utils are needed";
    QTemporaryDir dir;
    const QString picture = dir.filePath("p.png");
    QImage image(96, 48, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(picture));

    const QString file = dir.filePath("i.pdf");
    PdfEngine pdf;
    ASSERT_TRUE(pdf.beginDocument(file));
    pdf.beginPage(300, 300);
    EXPECT_EQ(pdf.loadImage("auto", dir.filePath("none.png")), -1);
    const int handle = pdf.loadImage("auto", picture);
    ASSERT_GE(handle, 0);
    EXPECT_EQ(pdf.getValue("imagewidth", handle), 96);
    EXPECT_EQ(pdf.getValue("imageheight", handle), 48);
    // 96 x 48 pixels at 96 dpi hang from (10, 290): 72 x 36 points.
    pdf.fitImage(handle, 10, 290, "position={left top} dpi 96");
    // Stretched into a 100 x 20 box whose lower-left corner is (100, 100).
    pdf.fitImage(handle, 100, 100, "boxsize={100 20} position={left top} fitmethod=entire");
    // Kept in proportion and centred in a 40 x 100 box at (200, 100): 40 x 20 at y 140..160.
    pdf.fitImage(handle, 200, 100, "boxsize={40 100} position={center} fitmethod=meet");
    pdf.closeImage(handle);
    EXPECT_EQ(pdf.getValue("imagewidth", handle), 0);
    pdf.endPage();
    pdf.endDocument();

    const QImage page = renderPdfPage(file, 1, 72);
    ASSERT_EQ(page.size(), QSize(300, 300));
    auto red = [&](int x, int y) {
        const QColor c = page.pixelColor(x, y);
        return c.red() > 200 && c.green() < 60 && c.blue() < 60;
    };
    // Page rows count from the top: y_top = 300 - y.
    EXPECT_TRUE(red(12, 12) && red(80, 44));
    EXPECT_FALSE(red(84, 12) || red(12, 48));
    EXPECT_TRUE(red(102, 182) && red(198, 198));
    EXPECT_FALSE(red(102, 178) || red(102, 202));
    EXPECT_TRUE(red(202, 142) && red(238, 158));
    EXPECT_FALSE(red(220, 136) || red(220, 164));
}
