#include "files/picture_text.h"

#include "model/v_picture.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

namespace
{
constexpr int kHexBytesPerLine = 32;
// Large enough for an A4 scan at 600 dpi; beyond it a picture is kept but not drawn.
constexpr int kPictureAllocationLimitMb = 256;

QByteArray pngStream(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

bool startsWithImageMagic(const QByteArray &data, qsizetype at)
{
    const QByteArray d = data.mid(at, 8);
    return d.startsWith("BM") || d.startsWith("\xFF\xD8\xFF") || d.startsWith("\x89PNG") ||
           d.startsWith("GIF8") || d.startsWith(QByteArray("\x00\x00\x01\x00", 4));
}

bool isHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

void say(QString *problem, const QString &text)
{
    if (problem) *problem = text;
}
} // namespace

QString EncodePictureText(const VPicture &picture)
{
    if (!picture.StoredText().isEmpty()) return picture.StoredText();
    QByteArray className = picture.StoredClass();
    QByteArray stream = picture.StoredStream();
    if (stream.isEmpty()) {
        className = "TPngImage";
        stream = pngStream(picture.Image());
    }
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

bool DecodePictureText(const QString &text, VPicture &picture, QString *problem, PictureBudget *budget)
{
    say(problem, QString());
    if (text.trimmed().isEmpty()) return false;
    const qsizetype open = text.indexOf(QLatin1Char('{'));
    const qsizetype close = text.indexOf(QLatin1Char('}'), open + 1);
    QByteArray hex;
    bool digits = open >= 0 && close >= 0;
    for (qsizetype i = open + 1; digits && i < close; ++i) {
        const QChar c = text[i];
        if (c.isSpace()) continue;
        digits = isHexDigit(c);
        hex.append(char(c.unicode()));
    }
    const QByteArray data = QByteArray::fromHex(hex);
    if (!digits || hex.size() % 2 || data.size() < 2) {
        picture.SetStoredText(text);
        say(problem, QStringLiteral("the picture data is not a sequence of hexadecimal digits"));
        return false;
    }
    const int nameLength = quint8(data[0]);
    const QByteArray className = data.mid(1, nameLength);
    const qsizetype start = 1 + nameLength;
    const QByteArray stream = data.mid(start);

    // The image sits right after the class name or after a byte count; find it by its magic bytes.
    qsizetype at = -1;
    for (qsizetype candidate : {start, start + 4})
        if (startsWithImageMagic(data, candidate)) {
            at = candidate;
            break;
        }
    if (at < 0) {
        picture.SetStored(QImage(), className, stream);
        say(problem, QStringLiteral("the picture (%1) is in no known image format")
                         .arg(QString::fromLatin1(className.toPercentEncoding(" "))));
        return false;
    }
    QByteArray image = data.mid(at);
    if (at == start + 4) {
        const quint32 count = qFromLittleEndian<quint32>(data.constData() + start);
        if (count <= quint32(image.size())) image.truncate(count);
    }
    static const bool limited = [] {
        QImageReader::setAllocationLimit(kPictureAllocationLimitMb);
        return true;
    }();
    Q_UNUSED(limited);
    if (budget) {
        const auto seen = budget->decoded.constFind(image);
        if (seen != budget->decoded.cend()) {
            picture.SetStored(*seen, className, stream);
            return true;
        }
    }
    QBuffer buffer(&image);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // The header tells the size; pixels are 4 bytes in the formats pictures are drawn from.
    const QSize size = reader.size();
    if (budget && size.isValid() &&
        budget->usedBytes + qint64(size.width()) * size.height() * 4 > budget->limitBytes) {
        picture.SetStored(QImage(), className, stream);
        say(problem,
            QStringLiteral("the picture (%1 x %2 pixels) would take the file's pictures beyond %3 MB")
                .arg(size.width())
                .arg(size.height())
                .arg(double(budget->limitBytes) / (1 << 20), 0, 'g', 6));
        return false;
    }
    const QImage decoded = reader.read();
    picture.SetStored(decoded, className, stream);
    if (decoded.isNull()) {
        say(problem, QStringLiteral("the picture cannot be decoded (%1)").arg(reader.errorString()));
        return false;
    }
    if (budget) {
        budget->usedBytes += decoded.sizeInBytes();
        budget->decoded.insert(image, decoded);
    }
    return true;
}
