#include "export/pdf_engine.h"
#include "pdf_reader_util.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace exporttest;

TEST(PdfEngine, FontMapFacesStylesAndFallbacks)
{
    QTemporaryDir dir;
    PdfEngine pdf;
    ASSERT_TRUE(pdf.beginDocument(dir.filePath(QStringLiteral("f.pdf"))));
    const QString map = dir.filePath(QStringLiteral("map.upr"));
    testsupport::writeAll(map,
                          "# comment\n; another\nCourier New = /usr/share/fonts/truetype/liberation/"
                          "LiberationMono-Regular.ttf\nBroken line\nArial,Bold=LiberationSans-Bold.ttf\n");
    // A relative file name is taken from the map's folder.
    QFile::copy(QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"),
                dir.filePath(QStringLiteral("LiberationSans-Bold.ttf")));
    pdf.setParameter(QStringLiteral("resourcefile"), map);
    EXPECT_EQ(pdf.mappedFaces(), QStringList({QStringLiteral("Courier New"), QStringLiteral("Arial")}));

    const int mono = pdf.loadFont(QStringLiteral("Courier New"), QStringLiteral("cp1251"));
    EXPECT_EQ(pdf.fontFamily(mono), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(pdf.loadFont(QStringLiteral("courier new"), QStringLiteral("cp1251")),
              mono); // one handle per font
    const int bold = pdf.loadFont(QStringLiteral("Arial,Bold"), QStringLiteral("cp1254"));
    EXPECT_EQ(pdf.fontFamily(bold), QStringLiteral("Liberation Sans"));
    EXPECT_NE(bold, mono);
    // No mapped bold mono: the regular face, made bold by the font system.
    const int monoBold = pdf.loadFont(QStringLiteral("Courier New,Bold"), QStringLiteral("cp1252"));
    EXPECT_EQ(pdf.fontFamily(monoBold), QStringLiteral("Liberation Mono"));
    EXPECT_NE(monoBold, mono);
    EXPECT_EQ(pdf.loadFont(QString(), QStringLiteral("cp1252")), -1);
    EXPECT_EQ(pdf.loadFont(QStringLiteral("Arial"), QStringLiteral("no-such-encoding")), -1);
    pdf.abandonDocument();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("f.pdf"))));
}

TEST(PdfEngine, ImagesPlacedByDpiAndBox)
{
    if (!haveReaders()) GTEST_SKIP() << "poppler-utils are needed";
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("p.png"));
    QImage image(96, 48, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(picture));

    const QString file = dir.filePath(QStringLiteral("i.pdf"));
    PdfEngine pdf;
    ASSERT_TRUE(pdf.beginDocument(file));
    pdf.beginPage(300, 300);
    EXPECT_EQ(pdf.loadImage(QStringLiteral("auto"), dir.filePath(QStringLiteral("none.png"))), -1);
    const int handle = pdf.loadImage(QStringLiteral("auto"), picture);
    ASSERT_GE(handle, 0);
    EXPECT_EQ(pdf.getValue(QStringLiteral("imagewidth"), handle), 96);
    EXPECT_EQ(pdf.getValue(QStringLiteral("imageheight"), handle), 48);
    // 96 x 48 pixels at 96 dpi hang from (10, 290): 72 x 36 points.
    pdf.fitImage(handle, 10, 290, QStringLiteral("position={left top} dpi 96"));
    // Stretched into a 100 x 20 box whose lower-left corner is (100, 100).
    pdf.fitImage(handle, 100, 100, QStringLiteral("boxsize={100 20} position={left top} fitmethod=entire"));
    // Kept in proportion and centred in a 40 x 100 box at (200, 100): 40 x 20 at y 140..160.
    pdf.fitImage(handle, 200, 100, QStringLiteral("boxsize={40 100} position={center} fitmethod=meet"));
    pdf.closeImage(handle);
    EXPECT_EQ(pdf.getValue(QStringLiteral("imagewidth"), handle), 0);
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
