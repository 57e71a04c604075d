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
    int Orientation = 1;   // 1 portrait, 2 landscape

    bool operator==(const VSetPage &) const = default;
    // Copies everything but the receiving page's own Name and Num.
    void CopySettingsFrom(const VSetPage &other);
};
