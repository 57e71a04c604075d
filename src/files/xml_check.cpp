#include "files/xml_check.h"

#include <QFile>
#include <QXmlStreamReader>

QString CheckXmlFile(QFile &file)
{
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("The system cannot open the file %1: %2")
            .arg(file.fileName(), file.errorString());
    QXmlStreamReader reader(&file);
    bool root = false;
    while (!reader.atEnd()) {
        reader.readNext();
        root |= reader.isStartElement();
    }
    if (reader.hasError())
        return QStringLiteral("%1 (line %2, column %3)")
            .arg(reader.errorString())
            .arg(reader.lineNumber())
            .arg(reader.columnNumber());
    if (!root) return QStringLiteral("The document has no root element.");
    file.seek(0);
    return {};
}
