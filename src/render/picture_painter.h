#pragma once

#include <QRect>
#include <QSize>

class QPainter;
class VPicture;

// Where a picture of imagePx pixels goes inside the element rectangle (twips, Windows edges),
// by SizeSet and PosSetX/PosSetY. Pixel sizes count twips-per-pixel-X in both directions.
QRect PictureTargetRect(const VPicture &picture, const QSize &imagePx, const QRect &elementRect);
// Draws the picture with its alpha over what is there; a picture without a bitmap draws nothing,
// one that cannot be decoded draws the placeholder over the whole element.
void DrawPicture(QPainter &painter, const VPicture &picture, const QRect &elementRect);
// The crossed box that stands for a picture that cannot be shown (filled grey, or only outlined
// where it lies over a whole page).
void DrawPicturePlaceholder(QPainter &painter, const QRect &rect, bool filled);
