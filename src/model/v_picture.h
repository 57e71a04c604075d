#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A picture of an element or a page background.
class VPicture
{
public:
    enum SizeMode { OriginalSize = 0, Stretch = 1, StretchProportional = 2, ManualSize = 3 };

    bool Changed() const { return m_changed; }
    void SetChanged(bool on) { m_changed = on; }

    bool HasImage() const { return !m_image.isNull(); }
    const QImage &Image() const { return m_image; }
    // Images set this way are stored losslessly (PNG) in design files.
    void SetImage(const QImage &image);
    // Keeps the encoded bytes of an image that arrived as a JPEG so that saving writes them unchanged.
    void SetImageWithSource(const QImage &image, const QByteArray &encoded, const QByteArray &className);
    const QByteArray &SourceBytes() const { return m_source; }
    const QByteArray &SourceClass() const { return m_sourceClass; }
    // Loads a picture file (jpg, jpeg, bmp, gif, png); false when it cannot be read.
    bool LoadFile(const QString &path);

    int Format() const { return m_format; }
    bool SetFormat(int v);
    int SizeSet() const { return m_sizeSet; }
    bool SetSizeSet(int v);
    int PosSetX() const { return m_posSetX; }
    bool SetPosSetX(int v);
    int PosSetY() const { return m_posSetY; }
    bool SetPosSetY(int v);
    int Left() const { return m_left; } // twips
    bool SetLeft(int twips);
    int Top() const { return m_top; }
    bool SetTop(int twips);
    // Unlike MmToTwips, these store trunc(mm * 1440 / 25.4).
    bool SetLeftMm(double mm);
    bool SetTopMm(double mm);
    int Height() const { return m_height; } // pixels
    bool SetHeight(int px);
    int Width() const { return m_width; }
    bool SetWidth(int px);

    // Releases the image and returns every field to its default.
    void Clear();

private:
    bool m_changed = false;
    QImage m_image;
    QByteArray m_source;
    QByteArray m_sourceClass;
    int m_format = 0;
    int m_sizeSet = 0;
    int m_posSetX = 1;
    int m_posSetY = 1;
    int m_left = 0;
    int m_top = 0;
    int m_height = 0;
    int m_width = 0;
};
