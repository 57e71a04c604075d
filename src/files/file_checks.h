#pragma once

#include <QString>
#include <QStringList>

// The system's own words for an errno value ("No space left on device").
QString SystemErrorText(int error);

// True when both paths name one existing file: the same path, a symbolic link to it or a hard
// link of it.
bool IsSameFile(const QString &a, const QString &b);

// Empty when out is none of the inputs; otherwise the message that refuses it, so that no command
// destroys what it reads.
QString OutputOverwritesInput(const QString &out, const QStringList &inputs);

// Empty when path names a plain file (not a folder, pipe or device, which could block or stream
// without end); otherwise why it cannot be read.
QString PlainFileProblem(const QString &path);
