#pragma once

#include <QByteArray>
#include <QString>

// Pictures named by a design or a data file are read whole into memory: a name may point at
// anything, so what is read is bounded.
constexpr qint64 kMaxPictureFileBytes = qint64(64) << 20;

// Reads the plain file at path if it holds at most maxBytes. A folder, pipe or device is refused
// without reading from it or waiting on it. False with error naming the file and the reason.
bool ReadPlainFile(const QString &path, qint64 maxBytes, QByteArray &bytes, QString &error);
