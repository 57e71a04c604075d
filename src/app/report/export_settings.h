#pragma once

#include <QString>

class QSettings;

// The stored export options (the registry key Software\ZEL\Tessaly on Windows): the eleven of
// the export dialog's formats, and the folder that confines convert files' outputs.
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
    // Empty: convert files write where they say (relative to the current folder), else only
    // relative names inside this folder.
    QString ConvertFolder;
    bool operator==(const ExportSettings &) const = default;
};

// Reads what exists; without any stored value nothing changes (not even the JPEG fallback).
ExportSettings ReadExportSettings(QSettings &store);
// Writes all values in their fixed order, the convert folder last.
void WriteExportSettings(QSettings &store, const ExportSettings &settings);
