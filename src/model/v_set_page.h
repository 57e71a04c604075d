#pragma once

#include "model/v_set_prn.h"

#include <QString>
#include <array>

// Page settings: one in the document, one copy in every page.
struct VSetPage {
    bool changed = false;
    QString Name;
    int Num = 0;
    VSetPrn Print;
    int PaperSize = 9;     // Windows DMPAPER code, 9 = A4
    double Width = 210.0;  // mm
    double Height = 297.0; // mm
    int Orientation = 1;   // 1 portrait, 2 landscape, 3 reverse portrait, 4 reverse landscape
    // The printer whose paper list the size was chosen from; empty for a form or a manual size.
    // Not kept in design files.
    QString PrinterName;

    // Width and Height stay in portrait terms; these kinds put the long side across.
    bool Landscape() const { return Orientation == 2 || Orientation == 4; }

    bool operator==(const VSetPage &) const = default;
    // Copies everything but the receiving page's own Name and Num.
    void CopySettingsFrom(const VSetPage &other);
};
