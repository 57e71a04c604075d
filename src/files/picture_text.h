#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>

class VPicture;

// The textual object notation in which design files carry a picture: an "object ... end" block
// whose hexadecimal Picture.Data property holds a one-byte class-name length, the class name
// (TBitmap, TJPEGImage, TPngImage, TGIFImage, TIcon) and the image stream; TBitmap and
// TJPEGImage streams are preceded by a 32-bit little-endian byte count.
QString EncodePictureText(const VPicture &picture);
// The decoded pictures of one file being read. A few kilobytes of picture text can declare
// hundreds of megabytes of pixels, so the pixels of all pictures stay within a budget; a
// picture that would exceed it is kept but not decoded. Identical pictures (a report repeats
// the design's on every page) share one image and cost the budget once.
struct PictureBudget {
    qint64 limitBytes = qint64(512) << 20;
    qint64 usedBytes = 0;
    QHash<QByteArray, QImage> decoded; // by image stream
};

// Puts what text holds into picture: always the bytes (or, when they do not decode, the text
// itself) so that saving writes them back unchanged, and the image when it can be decoded.
// False when no drawable image came out; problem then says why (empty for an empty text).
bool DecodePictureText(const QString &text, VPicture &picture, QString *problem = nullptr,
                       PictureBudget *budget = nullptr);
