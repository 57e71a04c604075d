#pragma once

#include "files/design_file.h"

#include <QString>
#include <QStringList>

class VDoc;

struct EdfOptions {
    // Where the pictures go as zel_convert.bmp; empty for DefaultEdfPictureFolder().
    QString pictureFolder;
};

// Writes doc as the print engine's description of the printed pages: path with its extension
// made .edf. An existing file keeps its other sections; its data section is replaced. Refuses to
// write over the document's own file.
FileResult ExportEdf(VDoc &doc, const QString &path, const EdfOptions &options = {});

// The program's folder, where the print engine looks for zel_convert.bmp, when it is writable;
// otherwise (an installed program) ~/.local/share/ZEL/Tessaly, created if missing.
QString DefaultEdfPictureFolder();

// The target of ExportEdf: path with its extension replaced by .edf.
QString EdfPath(const QString &path);

// One item's row of the data section, without the enclosing quotes: nine '|' fields, the first
// the row code, the fifth the item.
QString EdfRow(const QString &item);
