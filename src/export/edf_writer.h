#pragma once

#include "files/design_file.h"

#include <QString>
#include <QStringList>
#include <memory>

class VDoc;
class VPage;

struct EdfOptions {
    // Where the pictures go (zel_convert.bmp, zel_convert_2.bmp, ...); empty for
    // DefaultEdfPictureFolder().
    QString pictureFolder;
};

// Writes the print engine's description of the printed pages page by page, so that a report of
// any length needs the memory of one page: the width and head sections (an existing file keeps
// its other sections) and then the data rows as each page comes. Nothing replaces the target
// before Finish().
//
// A value is only ever a value: in every text the row carries (captions, barcode values, font
// and element names) line breaks and other control characters become blanks, '|' becomes '¦'
// (U+00A6, in every interface code page) and '"' inside a quoted value becomes '\'', so that no
// value adds a line or a key to the file or a field to its row. Each different picture has a file
// of its own; identical pictures share one.
class EdfWriter
{
public:
    // inputs: files the output must not replace (the document's own file).
    EdfWriter(const QString &path, const QStringList &inputs, const EdfOptions &options = {});
    ~EdfWriter();
    EdfWriter(const EdfWriter &) = delete;
    EdfWriter &operator=(const EdfWriter &) = delete;

    // False once anything failed; Finish() then gives the reason.
    bool AddPage(VPage &page);
    // Completes and commits the file; warnings name what was written differently.
    FileResult Finish();
    int Pages() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// The whole document through EdfWriter: path with its extension made .edf. Refuses to write over
// the document's own file.
FileResult ExportEdf(VDoc &doc, const QString &path, const EdfOptions &options = {});

// The program's folder, where the print engine looks for its pictures, when it is writable;
// otherwise (an installed program) ~/.local/share/ZEL/Tessaly, created if missing.
QString DefaultEdfPictureFolder();

// The target of ExportEdf: path with its extension replaced by .edf.
QString EdfPath(const QString &path);

// One item's row of the data section, without the enclosing quotes: nine '|' fields, the first
// the row code, the fifth the item.
QString EdfRow(const QString &item);

// text as it can stand inside a row: see EdfWriter.
QString EdfValue(const QString &text);
