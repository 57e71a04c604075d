#include "model/element_naming.h"

const VGrfElement *ElementNamed(const VGrfElement &root, const QString &name, const VGrfElement *except)
{
    if (&root != except && root.Name() == name) return &root;
    for (const auto &child : root.ChildList())
        if (const VGrfElement *found = ElementNamed(*child, name, except)) return found;
    return nullptr;
}

RenameCommand::RenameCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text,
                             VGrfElement &element, const QString &name)
    : DesignCommand(doc, listener, text), m_element(element), m_before(element.Name()), m_after(name)
{
}

void RenameCommand::apply(const QString &name)
{
    m_element.SetName(name);
    // The design view draws names of groups and of labels without a caption.
    notify({DesignChange::Geometry, PageOf(m_doc, m_element), {&m_element}});
}
