#pragma once

#include <QString>

// "x.edt" -> "x.edr", "x.ebt" -> "x.ebr": the third character of the extension becomes 'r'.
QString ReportFileName(const QString &designFile);
// "x.edt" -> "x.edd", "x.ebt" -> "x.ebd".
QString DataFileName(const QString &designFile);
