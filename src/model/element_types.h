#pragma once

#include <iterator>

#include <QString>

// Stored numeric codes of the element kinds; code 5 is not used.
enum class ElementKind : int { Panel = 0, Group = 1, Table = 2, Label = 3, BarCode = 4, Cell = 6 };

// How an element's value is obtained (TZelValueType); the code is the index in this list.
enum TZelValueType : int {
    vtVariable = 0,
    vtFixed = 1,
    vtBool = 2,
    vtTimeOfPrint = 3,
    vtDateOfPrint = 4,
    vtNumberOfPage = 5,
    vtNumberLineOnPage = 6,
    vtNumberLineTotal = 7,
    vtPictureOriginal = 8,
    vtPictureStretchProportion = 9,
    vtPictureStretch = 10,
    vtBarCode = 11,
};

// Which outputs an element reaches (the Printable number).
enum PrintableMode : int { pmNever = 0, pmNormal = 1, pmAll = 2, pmTextOnly = 3 };

// The operation-code fields an element can note, in the order of the properties dialog; a
// design file stores each as the attribute "Code" + name.
inline constexpr const char *kDataCodeFields[] = {"Modul",   "Type",    "TableCode", "Row",
                                                  "FieldCode", "Explanation", "Formula", "Begin",
                                                  "Size",    "Writing", "Format"};
inline constexpr int kDataCodeFieldCount = int(std::size(kDataCodeFields));

// How deep elements may nest below a page's root Panel. Files and editing keep to it, so that
// every walk of the tree (reading, writing, drawing, generation) has a known bound.
constexpr int kMaxElementDepth = 100;

QString KindName(ElementKind kind);
// Tag name -> kind; Line reads as a Group, anything unknown as a Panel.
ElementKind KindFromTag(const QString &tag);
bool IsPictureValueType(int valueType);
