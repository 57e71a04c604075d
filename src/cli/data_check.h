#pragma once

#include <QString>
#include <optional>

// A data file by its extension (.edd, .ebd) or by its first tag line (a data document or a
// convert file), so that one named otherwise is still checked as data.
bool looksLikeDataFile(const QString &path);

// The check command on a data file: its documents, pages and the design names it uses on stdout,
// what the reader would stumble over (lines ending in LF alone, broken numbers, data outside a
// page) on stderr. With the design (given, or the one its DesignFile names beside it) the names
// are looked up and the data is merged as the programs merge it, nothing written. The exit code.
int checkDataFile(const QString &path, const std::optional<QString> &designPath);
