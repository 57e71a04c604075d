#pragma once

#include <QString>

class VDoc;
class VPage;
class VGrfElement;

// Appends a copy of a design page to the report: settings, font, background and an exact copy
// of the element tree with the data-filled content cleared. The page is named name, keeps the
// report's running number, is marked for preview and stays hidden until it is shown.
VPage *AddReportPage(VDoc &report, const VPage &designPage, const QString &name);

// Empties what data fills: the text of every Variable label and the value of every barcode.
void ClearVariableContent(VGrfElement &element);
