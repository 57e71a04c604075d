#pragma once

#include <QStringList>

class VDoc;

// Appends the data template of a design to lines: dataType 1 for normal designs, 2 for designs
// with repeatable groups (one record line per first repeatable group).
void WriteDataTemplate(const VDoc &document, QStringList &lines, int dataType);

// Appends the fixed sample of a new data text.
void WriteNewDataTemplate(QStringList &lines);
