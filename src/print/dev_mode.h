#pragma once

#include <QString>
#include <cstdint>

class QPrinter;
struct VSetPage;

// The fields of a Windows printer set-up that printing fills in, kept as plain numbers so that
// the rules can be checked without a printer, then handed to a QPrinter.
struct DevMode {
    enum Field : uint32_t {
        DM_ORIENTATION = 0x1,
        DM_PAPERSIZE = 0x2,
        DM_PAPERLENGTH = 0x4,
        DM_PAPERWIDTH = 0x8,
        DM_COPIES = 0x100,
        DM_PRINTQUALITY = 0x400,
        DM_COLOR = 0x800,
    };
    uint32_t fields = 0;
    int orientation = 0;  // 1 portrait, 2 landscape
    int paperSize = 0;    // paper code, 256 for the width and length below
    int paperWidth = 0;   // tenths of a millimetre
    int paperLength = 0;
    int copies = 1;
    int printQuality = 0; // -1 draft .. -4 high
    int color = 0;        // 1 monochrome, 2 colour
    bool has(Field f) const { return fields & f; }
};

// The set-up for a page's settings on a printer whose own paper is printerPaper (a paper code).
DevMode MakeDevMode(const VSetPage &settings, int printerPaper);
// Puts the set-up on a printer already named: paper and orientation, copies, resolution for the
// quality, colour.
void ApplyDevMode(const DevMode &mode, QPrinter &printer);
// The job's name: "Tessaly, Page: " and the title, at most 80 bytes.
QString PrintJobName(const QString &title);
