#pragma once

#include "model/design_commands.h"

#include <vector>

class DesignEditor;
class Prompts;

// Puts page settings into the design as one step. When the paper of pages changed, the step also
// offers to fit their panels to the new paper (Yes fits; No and Cancel leave the panels as they
// are, the paper chosen stays); after a fit the elements that lie outside the paper are listed.
void ApplyPageSettingsOfferingFit(DesignEditor &editor, Prompts &prompts,
                                  const std::vector<PageSettingsCommand::State> &states);
