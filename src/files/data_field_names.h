#pragma once

#include "model/element_types.h"

#include <QString>
#include <vector>

class QIODevice;
class VGrfElement;

// An element name that a data file uses for one design page: a label, a barcode or a group line
// addresses the element of that name, as the merge looks it up.
struct DataFieldName {
    QString name;
    ElementKind kind = ElementKind::Label;
    QString group;      // the innermost named group block it stands in; empty at page level
    bool bound = false; // an element of the page carries the name already
};

struct DataFieldNames {
    std::vector<DataFieldName> fields; // in the order first met, each name once
    bool cut = false;                  // more names than are kept
    bool bareLineFeeds = false;        // lines ending in LF alone, which the reader never sees
};

// How many names are kept: a list past that helps nobody, and a hostile file must not grow memory.
constexpr int kMaxDataFieldNames = 2000;

// The names that the data read from device (CR LF lines in the interface code page) gives for
// elements of the design page named pageName, in every document and page block of that name.
// Lines without DesignName (labels by ID, fields by number, repeating records) name nothing.
DataFieldNames ReadDataFieldNames(QIODevice &device, const QString &pageName);
// The same of a file; empty when it is not a plain file that can be read.
DataFieldNames ReadDataFieldNames(const QString &path, const QString &pageName);

// Marks the names that an element under root already carries.
void MarkBoundNames(DataFieldNames &names, const VGrfElement &root);

// A data template beside a design: the same base name with .edd or .ebd, the one the design's
// own kind names first; empty when neither is there.
QString DataBesideDesign(const QString &designFile);
