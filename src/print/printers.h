#pragma once

#include "print/paper_forms.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The printers the system knows (CUPS queues), in the system's order.
QStringList ListPrinters();
// The system's default printer; empty when there is none.
QString DefaultPrinterName();

// The papers a printer offers, kind Printer; number 256 for a size without a paper code.
std::vector<PaperForm> PrinterPapers(const QString &printer);

// One line of the printers' description; the lines nest.
struct InfoNode {
    enum Kind {
        Top,        // the invisible node above everything
        Printers,   // the node of all printers
        Printer,    // one printer
        Value,      // a "Label: value" line of a printer
        Parameters, // a group of label and value lines
        List,       // a group of items (papers, resolutions, sources)
        Server,     // the print server's forms
        Line        // a line inside a group
    };
    QString text;
    int kind = Line;
    QString printer;               // the printer's name, on a Printer node and below it
    bool isDefault = false;        // the system's default printer
    std::optional<PaperForm> form; // set on the lines that stand for a paper
    std::vector<InfoNode> children;
};

// Everything Qt can say about the installed printers and the paper forms: a Top node holding a
// Printers node (a Printer node per printer) and the Server node with the forms. What Qt cannot
// report shows as "-".
InfoNode PrinterTree();
