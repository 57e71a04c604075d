#include "files/picture_text.h"

#include "model/v_picture.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>
#include <cctype>

namespace
{
constexpr int kHexBytesPerLine = 32;

QByteArray streamFor(const VPicture &picture, QByteArray &className)
{
    if (picture.SourceClass() == "TJPEGImage" && !picture.SourceBytes().isEmpty()) {
        className = "TJPEGImage";
        QByteArray out(4, '\0');
        qToLittleEndian<quint32>(quint32(picture.SourceBytes().size()), out.data());
        return out + picture.SourceBytes();
    }
    // Anything else is kept losslessly.
    className = "TPngImage";
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.Image().save(&buffer, "PNG");
    return png;
}

bool startsWithImageMagic(const QByteArray &data, qsizetype at)
{
    const QByteArray d = data.mid(at, 8);
    return d.startsWith("BM") || d.startsWith("\xFF\xD8\xFF") || d.startsWith("\x89PNG") ||
           d.startsWith("GIF8") || d.startsWith(QByteArray("\x00\x00\x01\x00", 4));
}
} // namespace

QString EncodePictureText(const VPicture &picture)
{
    QByteArray className;
    const QByteArray stream = streamFor(picture, className);
    QByteArray data;
    data.append(char(className.size()));
    data.append(className);
    data.append(stream);

    QString text = QStringLiteral("object Image: TImage\n  Picture.Data = {");
    const QByteArray hex = data.toHex().toUpper();
    for (qsizetype i = 0; i < hex.size(); i += 2 * kHexBytesPerLine)
        text += QStringLiteral("\n    ") + QString::fromLatin1(hex.mid(i, 2 * kHexBytesPerLine));
    text += QStringLiteral("}\nend\n");
    return text;
}

bool DecodePictureText(const QString &text, VPicture &picture)
{
    const qsizetype open = text.indexOf(QLatin1Char('{'));
    const qsizetype close = text.indexOf(QLatin1Char('}'), open + 1);
    if (open < 0 || close < 0) return false;
    QByteArray hex;
    for (qsizetype i = open + 1; i < close; ++i) {
        const QChar c = text[i];
        if (c.isSpace()) continue;
        if (!std::isxdigit(c.toLatin1())) return false;
        hex.append(c.toLatin1());
    }
    const QByteArray data = QByteArray::fromHex(hex);
    if (data.isEmpty()) return false;
    const int nameLength = quint8(data[0]);
    const QByteArray className = data.mid(1, nameLength);
    const qsizetype start = 1 + nameLength;

    // The image sits right after the class name or after a byte count; find it by its magic bytes.
    qsizetype at = -1;
    for (qsizetype candidate : {start, start + 4})
        if (startsWithImageMagic(data, candidate)) {
            at = candidate;
            break;
        }
    if (at < 0) return false;
    QByteArray stream = data.mid(at);
    if (at == start + 4) {
        const quint32 count = qFromLittleEndian<quint32>(data.constData() + start);
        if (count <= quint32(stream.size())) stream.truncate(count);
    }
    QImage image;
    if (!image.loadFromData(stream) || image.isNull()) return false;
    if (stream.startsWith("\xFF\xD8\xFF"))
        picture.SetImageWithSource(image, stream, "TJPEGImage");
    else
        picture.SetImage(image);
    Q_UNUSED(className);
    return true;
}
