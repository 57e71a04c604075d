#pragma once

class QSettings;

// The eleven stored export options (the registry key Software\ZEL\Tessaly on Windows).
struct ExportSettings {
    int ID_of_Convert = 0;
    bool ImageSaveHTML = false;
    bool ImageSaveDoc = false;
    bool CheckNewPage = false;
    bool CheckEOFChar = false;
    bool ImageSaveRtf = false;
    bool CheckBMP = false;
    bool CheckJPEG = false;
    bool CheckICO = false;
    bool CheckGIF = false;
    bool CheckPNG = false;
    bool operator==(const ExportSettings &) const = default;
};

// Reads what exists; without any stored value nothing changes (not even the JPEG fallback).
ExportSettings ReadExportSettings(QSettings &store);
// Writes all eleven values in their fixed order.
void WriteExportSettings(QSettings &store, const ExportSettings &settings);
