#include "model/v_picture.h"

#include "files/plain_file.h"
#include "model/units.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

void VPicture::SetImage(const QImage &image)
{
    m_image = image;
    m_storedClass.clear();
    m_storedStream.clear();
    m_storedText.clear();
    m_changed = true;
}

void VPicture::SetStored(const QImage &image, const QByteArray &className, const QByteArray &stream)
{
    SetImage(image);
    m_storedClass = className;
    m_storedStream = stream;
}

void VPicture::SetStoredText(const QString &text)
{
    SetImage(QImage());
    m_storedText = text;
}

bool VPicture::LoadFile(const QString &path)
{
    // A pipe or a device chosen in the file dialog would block or read without end.
    QByteArray bytes;
    QString problem;
    if (!ReadPlainFile(path, kMaxPictureFileBytes, bytes, problem)) return false;
    QImage image;
    if (!image.loadFromData(bytes) || image.isNull()) return false;
    if (bytes.startsWith("\xFF\xD8\xFF")) {
        // Stored as the JPEG image class does it: a little-endian byte count, then the file.
        QByteArray stream(4, '\0');
        qToLittleEndian<quint32>(quint32(bytes.size()), stream.data());
        SetStored(image, "TJPEGImage", stream + bytes);
    } else {
        SetImage(image);
    }
    return true;
}

bool VPicture::SetFormat(int v)
{
    m_format = v;
    m_changed = true;
    return true;
}
bool VPicture::SetSizeSet(int v)
{
    m_sizeSet = v;
    m_changed = true;
    return true;
}
bool VPicture::SetPosSetX(int v)
{
    m_posSetX = v;
    m_changed = true;
    return true;
}
bool VPicture::SetPosSetY(int v)
{
    m_posSetY = v;
    m_changed = true;
    return true;
}
bool VPicture::SetLeft(int twips)
{
    m_left = twips;
    m_changed = true;
    return true;
}
bool VPicture::SetTop(int twips)
{
    m_top = twips;
    m_changed = true;
    return true;
}
bool VPicture::SetLeftMm(double mm)
{
    return SetLeft(MmToTwipsPlain(mm));
}
bool VPicture::SetTopMm(double mm)
{
    return SetTop(MmToTwipsPlain(mm));
}
bool VPicture::SetHeight(int px)
{
    m_height = px;
    m_changed = true;
    return true;
}
bool VPicture::SetWidth(int px)
{
    m_width = px;
    m_changed = true;
    return true;
}

void VPicture::Clear()
{
    *this = VPicture();
}
