#pragma once

#include <QString>
#include <vector>

class VGrfElement;
class VPage;

// Elements of the page that reach past its paper (positions summed from the root's, so stale
// absolute positions do not matter), in tree order. The root panel itself counts too.
std::vector<const VGrfElement *> ElementsOutsidePaper(const VPage &page);

// "Label7 (Label) at 12.0, 300.5 mm, 40.0 x 10.0 mm" for lists and warnings.
QString OutsideElementText(const VGrfElement &element);

// Makes the page's root panel cover the paper less the margins a new page gets, in twips, so that
// a paper changed from A4 to a label does not leave the panel A4-sized. The elements stay where they are.
void FitPanelToPaper(VPage &page);
