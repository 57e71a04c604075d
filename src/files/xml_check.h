#pragma once

#include <QString>

class QFile;

// Opens file and reads it through once: a file that cannot be opened or is not well-formed XML
// gives the reason (with line and column), so that nothing of it reaches a document. On success
// the file is open and positioned at its start, and the result is empty.
QString CheckXmlFile(QFile &file);
