#pragma once

#include <QString>

class VDoc;
class VPage;

// The printer the program prints on; empty means the system's default printer.
QString &SelectedPrinter();

// What the last printer set up measured, in its device pixels.
struct PrinterMetrics {
    int resolutionX = 0, resolutionY = 0;
    int physicalWidth = 0, physicalHeight = 0;
    int physicalOffsetX = 0, physicalOffsetY = 0;
    bool landscape = false;
};
const PrinterMetrics &LastPrinterMetrics();

// One page as one print job on printer (empty: the selected printer), named by PrintJobTitle
// with number, the page's place in its document from 1. Nothing happens, and false comes back,
// when there is no such printer or the job cannot start.
bool PrintPage(VPage &page, int number, const QString &printer = QString());
// "Tessaly, Page: " and the page's name, or its number when it has none (a queue then still
// tells the jobs of one report apart).
QString PrintJobTitle(const VPage &page, int number);
// Every page in order, each with the document's print settings copied into it (and its paper
// too when the page follows the document's settings). Returns the pages printed.
int PrintAllPages(VDoc &doc, const QString &printer = QString());
// The pages the document's page numbers name, in the document's order, each once, with the
// document's settings as PrintAllPages gives them. A broken item prints nothing: error says why.
int PrintPageList(VDoc &doc, QString *error, const QString &printer = QString());
