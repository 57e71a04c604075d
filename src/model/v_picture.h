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

    // A decoded image that can be drawn.
    bool HasImage() const { return !m_image.isNull(); }
    // Anything to keep: an image, or what a design file carried even when it cannot be drawn.
    bool HasData() const { return HasImage() || !m_storedStream.isEmpty() || !m_storedText.isEmpty(); }
    // Held but not drawable: drawn as a placeholder, kept unchanged in the file.
    bool IsUndecodable() const { return !HasImage() && HasData(); }
    const QImage &Image() const { return m_image; }

    // An image the program made or the user loaded: design files store it losslessly (PNG).
    void SetImage(const QImage &image);
    // What a design file carried, the image class name and its stream exactly as read, written
    // back unchanged while the picture is not replaced; image is null when it cannot be decoded.
    void SetStored(const QImage &image, const QByteArray &className, const QByteArray &stream);
    // A picture text that did not even decode to bytes: kept word for word.
    void SetStoredText(const QString &text);
    const QByteArray &StoredClass() const { return m_storedClass; }
    const QByteArray &StoredStream() const { return m_storedStream; }
    const QString &StoredText() const { return m_storedText; }
    // Loads a picture file (jpg, jpeg, bmp, gif, png); false when it cannot be read. A JPEG file
    // keeps its bytes, so saving does not recompress it.
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
    QByteArray m_storedClass;
    QByteArray m_storedStream;
    QString m_storedText;
    int m_format = 0;
    int m_sizeSet = 0;
    int m_posSetX = 1;
    int m_posSetY = 1;
    int m_left = 0;
    int m_top = 0;
    int m_height = 0;
    int m_width = 0;
};
