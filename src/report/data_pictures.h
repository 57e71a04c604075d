#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QString>

// The picture format a data value's file name stands for (JPEG, GIF, BMP, PNG), empty for others.
QByteArray DataPictureFormat(const QString &path);
// How a label of a picture value type shows its picture.
int DataPictureSizeSet(int valueType);

// Data files often name the same picture on every page (a logo, a signature): the last picture
// read is kept, so that such pages share one image instead of each holding its own copy.
// Pictures are read only from plain files of at most kMaxPictureFileBytes: a value naming a
// device, pipe or folder would otherwise read without end or wait for ever.
class PictureLoader
{
public:
    // A null image with problem set when the file cannot be read as a picture of that format.
    QImage load(const QString &path, const QByteArray &format, QString &problem);

private:
    QString m_path;
    QByteArray m_format;
    QDateTime m_stamp;
    qint64 m_size = -1;
    QImage m_image;
};
