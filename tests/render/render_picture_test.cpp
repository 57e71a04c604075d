#include "render_test_util.h"

#include "render/element_painter.h"
#include "render/picture_painter.h"

#include <gtest/gtest.h>

using namespace rendertest;

namespace
{

QImage solidImage(int w, int h, QRgb rgb)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(rgb);
    return image;
}

// A picture label in a 120 x 80 pixel rectangle at (15, 15) pixels, drawn on the output path;
// returns where the picture's colour landed.
QRect placed(VGrfElement &root, VGrfElement &label)
{
    const QImage image =
        paintTwips(160, 120, [&](QPainter &p) { DrawElementOutput(root, p, false, false, 0, 0); });
    return boundsOf(image, colour(qRgb(255, 0, 0), 60));
}

} // namespace

TEST(RenderPicture, SizeModesAndPositions)
{
    VGrfElement root;
    root.Shape().SetWidth(2400);
    root.Shape().SetHeight(1800);
    VGrfElement &label = addElement(root, ElementKind::Label, 225, 225, 1815, 1215); // 0..120 x 0..80 px + 15
    VPicture &picture = label.EnsurePicture();
    picture.SetImage(solidImage(20, 10, qRgb(255, 0, 0)));

    // Original size: 20 x 10 screen pixels, centred by default.
    picture.SetSizeSet(0);
    EXPECT_EQ(placed(root, label), QRect(15 + 50, 15 + 35, 20, 10));
    picture.SetPosSetX(0);
    picture.SetPosSetY(0);
    EXPECT_EQ(placed(root, label), QRect(15, 15, 20, 10));
    picture.SetPosSetX(2);
    picture.SetPosSetY(2);
    EXPECT_EQ(placed(root, label), QRect(15 + 100, 15 + 70, 20, 10));
    picture.SetPosSetX(3);
    picture.SetPosSetY(3);
    picture.SetLeft(300);
    picture.SetTop(150);
    EXPECT_EQ(placed(root, label), QRect(15 + 20, 15 + 10, 20, 10));

    // Manual size in pixels at the manual position.
    picture.SetSizeSet(3);
    picture.SetWidth(40);
    picture.SetHeight(30);
    EXPECT_EQ(placed(root, label), QRect(35, 25, 40, 30));

    // Stretch: the whole rectangle.
    picture.SetSizeSet(1);
    EXPECT_EQ(placed(root, label), QRect(15, 15, 120, 80));

    // Proportional: a 2:1 picture in a 3:2 rectangle spans the width and is centred vertically...
    picture.SetSizeSet(2);
    EXPECT_EQ(placed(root, label), QRect(15, 15 + 10, 120, 60));
    // ...and a 1:2 picture spans the height and is centred horizontally.
    picture.SetImage(solidImage(10, 20, qRgb(255, 0, 0)));
    EXPECT_EQ(placed(root, label), QRect(15 + 40, 15, 40, 80));

    // Integer halving of odd sizes: T + H div 2 - height div 2.
    VPicture odd;
    odd.SetSizeSet(2);
    EXPECT_EQ(PictureTargetRect(odd, QSize(2, 1), QRect(0, 0, 1001, 1001)), QRect(0, 500 - 250, 1001, 500));
    odd.SetSizeSet(0);
    EXPECT_EQ(PictureTargetRect(odd, QSize(3, 3), QRect(0, 0, 101, 101)), QRect(50 - 22, 50 - 22, 45, 45));
    // An empty element or picture divides by nothing.
    EXPECT_TRUE(PictureTargetRect(odd, QSize(0, 0), QRect(0, 0, 0, 0)).isEmpty());
    odd.SetSizeSet(2);
    EXPECT_TRUE(PictureTargetRect(odd, QSize(0, 5), QRect(0, 0, 100, 0)).isEmpty());
    EXPECT_TRUE(PictureTargetRect(odd, QSize(4, 2), QRect(0, 0, 100, 0)).isEmpty());
}

TEST(RenderPicture, SquareElementWideImageAndAlpha)
{
    // A picture twice as wide as high in a square element fills the width, centred vertically.
    VGrfElement root;
    root.Shape().SetWidth(1800);
    root.Shape().SetHeight(1800);
    VGrfElement &label = addElement(root, ElementKind::Label, 0, 0, 1515, 1515); // 0..100 pixels
    solidFill(label, qRgb(0, 0, 255));
    QImage half(40, 20, QImage::Format_ARGB32);
    half.fill(Qt::transparent);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            half.setPixel(x, y, qRgb(255, 0, 0)); // left half opaque red, right half transparent
    label.EnsurePicture().SetImage(half);
    label.Picture()->SetSizeSet(2);
    const QImage image =
        paintTwips(110, 110, [&](QPainter &p) { DrawElementOutput(root, p, false, false, 0, 0); });
    const QRect red = boundsOf(image, colour(qRgb(255, 0, 0), 60));
    EXPECT_EQ(red.topLeft(), QPoint(0, 25));
    EXPECT_EQ(red.height(), 50);
    EXPECT_NEAR(red.width(), 50, 1); // the edge to the transparent half is smoothed
    // The transparent half shows the fill beneath (content is drawn after the shape).
    EXPECT_TRUE(near(image.pixel(75, 50), qRgb(0, 0, 255)));
    // Black/white leaves pictures in colour.
    const QImage bw =
        paintTwips(110, 110, [&](QPainter &p) { DrawElementOutput(root, p, true, false, 0, 0); });
    EXPECT_TRUE(near(bw.pixel(25, 50), qRgb(255, 0, 0)));
    EXPECT_TRUE(near(bw.pixel(75, 50), qRgb(0, 0, 0)));
    // A picture record without an image draws nothing.
    label.Picture()->Clear();
    const QImage none =
        paintTwips(110, 110, [&](QPainter &p) { DrawElementOutput(root, p, false, false, 0, 0); });
    EXPECT_TRUE(boundsOf(none, colour(qRgb(255, 0, 0), 60)).isEmpty());
}
