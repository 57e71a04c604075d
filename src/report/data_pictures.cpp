#include "report/data_pictures.h"

#include "files/plain_file.h"
#include "model/element_types.h"
#include "model/v_picture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

int DataPictureSizeSet(int valueType)
{
    switch (valueType) {
    case vtPictureStretch:
        return VPicture::Stretch;
    case vtPictureStretchProportion:
        return VPicture::StretchProportional;
    default:
        return VPicture::OriginalSize;
    }
}

QByteArray DataPictureFormat(const QString &path)
{
    const QString ext = QFileInfo(path).suffix().toUpper();
    if (ext == QLatin1String("JPEG") || ext == QLatin1String("JPG")) return "JPEG";
    if (ext == QLatin1String("GIF")) return "GIF";
    if (ext == QLatin1String("BMP")) return "BMP";
    if (ext == QLatin1String("PNG")) return "PNG";
    return {};
}

QImage PictureLoader::load(const QString &path, const QByteArray &format, QString &problem)
{
    const QFileInfo info(path);
    const QDateTime stamp = info.lastModified();
    if (!m_image.isNull() && path == m_path && format == m_format && stamp == m_stamp && info.size() == m_size)
        return m_image;
    QByteArray bytes;
    QString why;
    if (!ReadPlainFile(path, kMaxPictureFileBytes, bytes, why)) {
        problem = QStringLiteral("picture ") + why;
        return {};
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    const QImage image = reader.read();
    if (image.isNull()) {
        problem = QStringLiteral("picture ") + path + QStringLiteral(" cannot be read as ") + QLatin1String(format);
        return {};
    }
    m_path = path;
    m_format = format;
    m_stamp = stamp;
    m_size = info.size();
    m_image = image;
    return image;
}
