#include "render_test_util.h"

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

const auto kRed = colour(qRgb(255, 0, 0), 60);
} // namespace

TEST(RenderPicture, SizeModesAndPositions)
{
    VGrfElement root;
    setSize(root, 2400, 1800);
    // A 120 x 80 pixel rectangle at (15, 15) pixels.
    VPicture &picture = addElement(root, ElementKind::Label, 225, 225, 1815, 1215).EnsurePicture();
    const struct {
        int sizeSet, posX, posY;
        QSize image;
        QRect placed;
    } cases[] = {
        {0, 1, 1, {20, 10}, {15 + 50, 15 + 35, 20, 10}},  // original size in screen pixels, centred
        {0, 0, 0, {20, 10}, {15, 15, 20, 10}},            // left, top
        {0, 2, 2, {20, 10}, {15 + 100, 15 + 70, 20, 10}}, // right, bottom
        {0, 3, 3, {20, 10}, {15 + 20, 15 + 10, 20, 10}},  // manual position: 300, 150 twips
        {3, 3, 3, {20, 10}, {35, 25, 40, 30}},            // manual size in pixels at the manual position
        {1, 1, 1, {20, 10}, {15, 15, 120, 80}},           // stretch
        {2, 1, 1, {20, 10}, {15, 15 + 10, 120, 60}},      // proportional 2:1 in 3:2 spans the width
        {2, 1, 1, {10, 20}, {15 + 40, 15, 40, 80}},       // ... 1:2 spans the height
    };
    picture.SetLeft(300);
    picture.SetTop(150);
    picture.SetWidth(40);
    picture.SetHeight(30);
    for (const auto &c : cases) {
        picture.SetImage(solidImage(c.image.width(), c.image.height(), qRgb(255, 0, 0)));
        picture.SetSizeSet(c.sizeSet);
        picture.SetPosSetX(c.posX);
        picture.SetPosSetY(c.posY);
        EXPECT_EQ(boundsOf(drawOutput(root, 160, 120), kRed), c.placed)
            << "size " << c.sizeSet << " pos " << c.posX;
    }

    // An empty element or picture divides by nothing.
    VPicture empty;
    EXPECT_TRUE(PictureTargetRect(empty, QSize(0, 0), QRect(0, 0, 0, 0)).isEmpty());
    empty.SetSizeSet(2);
    EXPECT_TRUE(PictureTargetRect(empty, QSize(0, 5), QRect(0, 0, 100, 0)).isEmpty());
    EXPECT_TRUE(PictureTargetRect(empty, QSize(4, 2), QRect(0, 0, 100, 0)).isEmpty());
}

TEST(RenderPicture, AlphaShowsTheFillAndBlackWhiteKeepsColour)
{
    VGrfElement root;
    setSize(root, 1800, 1800);
    VGrfElement &label = addElement(root, ElementKind::Label, 0, 0, 1515, 1515); // 0..100 pixels
    solidFill(label, qRgb(0, 0, 255));
    QImage half(40, 20, QImage::Format_ARGB32);
    half.fill(Qt::transparent);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            half.setPixel(x, y, qRgb(255, 0, 0)); // left half opaque red, right half transparent
    label.EnsurePicture().SetImage(half);
    label.Picture()->SetSizeSet(2);
    const QRect red = boundsOf(drawOutput(root, 160, 120), kRed);
    EXPECT_EQ(red.topLeft(), QPoint(0, 25));
    EXPECT_NEAR(red.width(), 50, 1); // the edge to the transparent half is smoothed
    // The transparent half shows the fill beneath (content is drawn after the shape); black/white
    // turns the fill black but leaves pictures in colour.
    EXPECT_TRUE(near(drawOutput(root, 160, 120).pixel(75, 50), qRgb(0, 0, 255)));
    const QImage bw = drawOutput(root, 160, 120, true);
    EXPECT_TRUE(near(bw.pixel(25, 50), qRgb(255, 0, 0)));
    EXPECT_TRUE(near(bw.pixel(75, 50), qRgb(0, 0, 0)));
    // A picture record without an image draws nothing.
    label.Picture()->Clear();
    EXPECT_TRUE(boundsOf(drawOutput(root, 160, 120), kRed).isEmpty());
}
