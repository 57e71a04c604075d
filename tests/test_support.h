#pragma once

#include "model/element_types.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>
#include <utility>
#include <vector>

// Readable QString values in assertion messages.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

class VGrfElement;

namespace testsupport
{

// The first element named name in the tree under root (root included), or null.
VGrfElement *findElement(VGrfElement &root, const QString &name);
// The first element of the kind, depth first from root (root included).
VGrfElement *firstOfKind(VGrfElement &root, ElementKind kind);

// Result of running one of our programs or an external oracle.
struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs a program with arguments and waits for it (no shell in between).
Run runProgram(const QString &program, const QStringList &args, int timeoutMs = 120000, const QStringList &env = {});

// Runs the tessaly-cli built alongside the tests; env adds or replaces variables ("LANG=tr_TR.UTF-8").
Run runCli(const QStringList &args, const QStringList &env = {});

// True when an external tool is on PATH (tests that need one skip without it).
bool haveTool(const QString &name);

// A device, a pipe, a folder and a sparse file past the picture size limit, made in dir, each
// with the reason a picture reader must give for refusing it.
std::vector<std::pair<QString, QString>> unreadablePictureFiles(const QTemporaryDir &dir);

QByteArray readAll(const QString &path);
void writeAll(const QString &path, const QByteArray &bytes);

} // namespace testsupport
