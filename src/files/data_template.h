#pragma once

#include <QStringList>

class VDoc;

// Appends the data template of a design to lines: dataType 1 for normal designs, 2 for designs
// with repeatable groups (one record line per first repeatable group). Every line reads back as
// written: a double quote in a sample text becomes ' and a line break a blank; a page, group,
// label or barcode whose name holds either is left out, and unwritable receives a sentence
// naming it.
void WriteDataTemplate(const VDoc &document, QStringList &lines, int dataType,
                       QStringList *unwritable = nullptr);

// Appends the fixed sample of a new data text.
void WriteNewDataTemplate(QStringList &lines);
