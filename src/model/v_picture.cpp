#include "model/v_picture.h"

#include "model/units.h"

#include <QFile>
#include <QFileInfo>

void VPicture::SetImage(const QImage &image)
{
    m_image = image;
    m_source.clear();
    m_sourceClass.clear();
    m_changed = true;
}

void VPicture::SetImageWithSource(const QImage &image, const QByteArray &encoded, const QByteArray &className)
{
    m_image = image;
    m_source = encoded;
    m_sourceClass = className;
    m_changed = true;
}

bool VPicture::LoadFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = f.readAll();
    QImage image;
    if (!image.loadFromData(bytes) || image.isNull()) return false;
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg"))
        SetImageWithSource(image, bytes, "TJPEGImage");
    else
        SetImage(image);
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
