#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

struct VSetPage;

// The paper code of a size that is no standard form. Records read with 0 mean the same.
constexpr int kUserPaperSize = 256;
// 0 (what older records hold for a user size) becomes kUserPaperSize; other codes stay.
int NormalPaperSize(int code);

// A paper form: a named paper size with its number (the Windows paper code).
struct PaperForm {
    enum Kind { User = 0, BuiltIn = 1, Printer = 2 };
    int number = kUserPaperSize;
    QString name;
    double widthMm = 0.0;
    double heightMm = 0.0;
    QRectF imageableMm; // the printable part of the paper, from its top left corner
    Kind kind = BuiltIn;
};

// The standard sizes Qt knows that have a Windows paper code, in code order.
std::vector<PaperForm> PaperForms();
// "[Form User]", "[Form BuiltIn]" or "[Form Printer]".
QString FormKindText(PaperForm::Kind kind);
// "A4 (210 x 297 mm)  [Form BuiltIn]": whole millimetres, cut rather than rounded.
QString FormLine(const PaperForm &form);
// "A4 (210 x 297 mm)".
QString FormSizeLine(const PaperForm &form);

// Fills lines with the forms of PaperForms(): style 1 FormLine + "|" + kind, style 2 the name
// alone, any other style FormSizeLine. Returns the index of the record's paper size, or -1.
int FillFormList(QStringList &lines, int style, const VSetPage &record);
