#pragma once

#include <QByteArray>
#include <QString>

class VPicture;

// The textual object notation in which design files carry a picture: an "object ... end" block
// whose hexadecimal Picture.Data property holds a one-byte class-name length, the class name
// (TBitmap, TJPEGImage, TPngImage, TGIFImage, TIcon) and the image stream; TBitmap and
// TJPEGImage streams are preceded by a 32-bit little-endian byte count.
QString EncodePictureText(const VPicture &picture);
// Puts what text holds into picture: always the bytes (or, when they do not decode, the text
// itself) so that saving writes them back unchanged, and the image when it can be decoded.
// False when no drawable image came out; problem then says why (empty for an empty text).
bool DecodePictureText(const QString &text, VPicture &picture, QString *problem = nullptr);
