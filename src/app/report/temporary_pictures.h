#pragma once

#include <QString>

// Deletes the picture files that exports and barcode drawing left beside the design
// (base*_barcode_*.*, base*_table_*.*, base*_group_*.*, base*_pict_*.*); returns how many.
int RemoveTemporaryPictures(const QString &designFile);
