#include "print/printers.h"

#include <QPrinterInfo>

QStringList ListPrinters()
{
    return QPrinterInfo::availablePrinterNames();
}

QString DefaultPrinterName()
{
    return QPrinterInfo::defaultPrinterName();
}
