#pragma once

#include <QCoreApplication>
#include <QString>

// Every interface text goes through the one translation context; the English text is the key.
inline QString T(const char *english)
{
    return QCoreApplication::translate("Tessaly", english);
}
