#pragma once

#include <QString>
#include <QStringList>

// The printers the system knows (CUPS queues), in the system's order.
QStringList ListPrinters();
// The system's default printer; empty when there is none.
QString DefaultPrinterName();
