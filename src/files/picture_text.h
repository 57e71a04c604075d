#pragma once

#include <QByteArray>
#include <QString>

class VPicture;

// The textual object notation in which design files carry a picture: an "object ... end" block
// whose hexadecimal Picture.Data property holds a one-byte class-name length, the class name
// (TBitmap, TJPEGImage, TPngImage, TGIFImage, TIcon) and the image stream; TBitmap and
// TJPEGImage streams are preceded by a 32-bit little-endian byte count.
QString EncodePictureText(const VPicture &picture);
// Puts the image found in text into picture; false when no image can be read from it.
bool DecodePictureText(const QString &text, VPicture &picture);
