#pragma once

#include "model/design_commands.h"

// The element of the tree under root that carries name, other than except; null when none does.
// Data reaches elements by name, so two elements of a page under one name are ambiguous.
const VGrfElement *ElementNamed(const VGrfElement &root, const QString &name,
                                const VGrfElement *except = nullptr);

// An element given another name (a data field chosen for it).
class RenameCommand : public DesignCommand
{
public:
    RenameCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text, VGrfElement &element,
                  const QString &name);
    void undo() override { apply(m_before); }
    void redo() override { apply(m_after); }

private:
    void apply(const QString &name);
    VGrfElement &m_element;
    QString m_before, m_after;
};
