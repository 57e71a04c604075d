#include "model/design_commands.h"

#include <algorithm>

VPage *PageOf(const VDoc &doc, const VGrfElement &element)
{
    const VGrfElement *root = element.Root();
    for (int i = 0; i < doc.PageCount(); ++i)
        if (&doc.PageAt(i)->Root() == root) return doc.PageAt(i);
    return nullptr;
}

DesignCommand::DesignCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text,
                             QUndoCommand *parent)
    : QUndoCommand(text, parent), m_doc(doc), m_listener(listener)
{
}

void DesignCommand::notify(const DesignChange &change) const
{
    if (m_listener) m_listener(change);
}

// ---------------------------------------------------------------- geometry

std::vector<GeometryCommand::State> GeometryCommand::Capture(const std::vector<VGrfElement *> &elements)
{
    std::vector<State> states;
    for (VGrfElement *e : elements)
        states.push_back({e, e->Shape(), e->WindowBounds()});
    return states;
}

GeometryCommand::GeometryCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text,
                                 std::vector<State> before, int mergeId)
    : DesignCommand(doc, listener, text), m_before(std::move(before)), m_merge(mergeId)
{
    for (const State &s : m_before)
        m_after.push_back({s.element, s.element->Shape(), s.element->WindowBounds()});
}

void GeometryCommand::apply(const std::vector<State> &states)
{
    DesignChange change{DesignChange::Geometry, nullptr, {}};
    for (const State &s : states) {
        VGrfElement &e = *s.element;
        e.Shape() = s.shape;
        e.SetWindowBounds(s.window);
        // Children keep their relative places; their absolute ones follow the parent.
        const VGrfElement *parent = e.Parent();
        e.RecomputeAbsolute(parent ? parent->Shape().Left() : 0, parent ? parent->Shape().Top() : 0);
        change.elements.push_back(&e);
    }
    if (!states.empty()) change.page = PageOf(m_doc, *states.front().element);
    notify(change);
}

void GeometryCommand::undo()
{
    apply(m_before);
}

void GeometryCommand::redo()
{
    apply(m_after);
}

bool GeometryCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const GeometryCommand *>(other);
    if (next->m_after.size() != m_after.size()) return false;
    for (size_t i = 0; i < m_after.size(); ++i)
        if (next->m_after[i].element != m_after[i].element) return false;
    m_after = next->m_after;
    return true;
}

// ---------------------------------------------------------------- properties

std::vector<PropertiesCommand::State> PropertiesCommand::Capture(const std::vector<VGrfElement *> &elements)
{
    std::vector<State> states;
    for (VGrfElement *e : elements)
        states.push_back({e, ElementProperties::Of(*e)});
    return states;
}

PropertiesCommand::PropertiesCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text,
                                     std::vector<State> before, int control)
    : DesignCommand(doc, listener, text), m_before(std::move(before)), m_control(control)
{
    for (const State &s : m_before)
        m_after.push_back({s.element, ElementProperties::Of(*s.element)});
}

void PropertiesCommand::apply(const std::vector<State> &states)
{
    DesignChange change{DesignChange::Geometry, nullptr, {}};
    for (const State &s : states) {
        s.properties.ApplyTo(*s.element);
        change.elements.push_back(s.element);
    }
    if (!states.empty()) change.page = PageOf(m_doc, *states.front().element);
    notify(change);
}

bool PropertiesCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const PropertiesCommand *>(other);
    if (next->m_after.size() != m_after.size()) return false;
    for (size_t i = 0; i < m_after.size(); ++i)
        if (next->m_after[i].element != m_after[i].element) return false;
    m_after = next->m_after;
    return true;
}

// ---------------------------------------------------------------- remove and insert

RemoveElementsCommand::RemoveElementsCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text,
                                             const std::vector<VGrfElement *> &elements, QUndoCommand *parent)
    : DesignCommand(doc, listener, text, parent), m_page(elements.empty() ? nullptr : PageOf(doc, *elements.front()))
{
    // An element inside another one that goes is not taken out on its own.
    for (VGrfElement *e : elements) {
        const bool inside = std::any_of(elements.begin(), elements.end(),
                                        [e](const VGrfElement *other) { return other != e && other->IsAncestorOf(e); });
        if (!inside && e->Parent()) m_removed.push_back({e, e->Parent(), 0, nullptr});
    }
}

void RemoveElementsCommand::redo()
{
    for (Removed &r : m_removed) {
        r.index = r.element->IndexInParent();
        r.held = r.parent->TakeChild(r.element);
        r.parent->SetChanged(true);
    }
    notify({DesignChange::Tree, m_page, {}});
}

void RemoveElementsCommand::undo()
{
    for (auto it = m_removed.rbegin(); it != m_removed.rend(); ++it) {
        it->parent->InsertChild(std::move(it->held), it->index);
        it->element->RecomputeAbsolute(it->parent->Shape().Left(), it->parent->Shape().Top());
    }
    notify({DesignChange::Tree, m_page, {}});
}

InsertElementCommand::InsertElementCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text,
                                           VGrfElement *inserted, QUndoCommand *parent)
    : DesignCommand(doc, listener, text, parent), m_element(inserted), m_parent(inserted->Parent()),
      m_index(inserted->IndexInParent()), m_page(PageOf(doc, *inserted))
{
}

void InsertElementCommand::redo()
{
    if (m_held) {
        m_parent->InsertChild(std::move(m_held), m_index);
        m_element->RecomputeAbsolute(m_parent->Shape().Left(), m_parent->Shape().Top());
    }
    notify({DesignChange::Tree, m_page, {}});
}

void InsertElementCommand::undo()
{
    m_held = m_parent->TakeChild(m_element);
    notify({DesignChange::Tree, m_page, {}});
}

// ---------------------------------------------------------------- order and caption

ToFrontCommand::ToFrontCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text,
                               VGrfElement &element)
    : DesignCommand(doc, listener, text), m_element(element), m_index(element.IndexInParent())
{
}

void ToFrontCommand::redo()
{
    m_element.BringToFront();
    if (m_element.Parent()) m_element.Parent()->SetChanged(true);
    notify({DesignChange::Tree, PageOf(m_doc, m_element), {}});
}

void ToFrontCommand::undo()
{
    VGrfElement *parent = m_element.Parent();
    if (parent) parent->InsertChild(parent->TakeChild(&m_element), m_index);
    notify({DesignChange::Tree, PageOf(m_doc, m_element), {}});
}

CaptionCommand::CaptionCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text,
                               VGrfElement &element, const QString &caption)
    : DesignCommand(doc, listener, text), m_element(element), m_before(element.Caption()), m_after(caption)
{
}

void CaptionCommand::redo()
{
    m_element.SetCaption(m_after);
    notify({DesignChange::Geometry, PageOf(m_doc, m_element), {&m_element}});
}

void CaptionCommand::undo()
{
    m_element.SetCaption(m_before);
    notify({DesignChange::Geometry, PageOf(m_doc, m_element), {&m_element}});
}

// ---------------------------------------------------------------- tables

TableCommand::TableCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text, VGrfElement &table,
                           VShape shape, std::vector<std::unique_ptr<VGrfElement>> cells)
    : DesignCommand(doc, listener, text), m_table(table), m_shape(std::move(shape)), m_cells(std::move(cells))
{
}

void TableCommand::swap()
{
    std::vector<std::unique_ptr<VGrfElement>> out;
    while (m_table.ChildCount() > 0)
        out.push_back(m_table.TakeChild(m_table.Child(0)));
    for (auto &cell : m_cells)
        m_table.InsertChild(std::move(cell));
    m_cells = std::move(out);
    std::swap(m_table.Shape(), m_shape);
    const VGrfElement *parent = m_table.Parent();
    m_table.RecomputeAbsolute(parent ? parent->Shape().Left() : 0, parent ? parent->Shape().Top() : 0);
    m_table.UpdateWindowFromTwips(true);
    m_table.SetChanged(true);
    notify({DesignChange::Tree, PageOf(m_doc, m_table), {}});
}

// ---------------------------------------------------------------- pages

PageCommand::PageCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text, Verb verb, int index,
                         std::unique_ptr<VPage> page)
    : DesignCommand(doc, listener, text), m_verb(verb), m_index(index), m_held(std::move(page))
{
}

void PageCommand::redo()
{
    switch (m_verb) {
    case Insert:
        m_doc.InsertPage(m_index, std::move(m_held));
        break;
    case Remove:
        m_held = m_doc.TakePage(m_index);
        break;
    case Replace: {
        std::unique_ptr<VPage> old = m_doc.TakePage(m_index);
        m_doc.InsertPage(m_index, std::move(m_held));
        m_held = std::move(old);
        break;
    }
    }
    m_doc.SetChanged(true);
    notify({DesignChange::Pages, nullptr, {}});
}

void PageCommand::undo()
{
    switch (m_verb) {
    case Insert:
        m_held = m_doc.TakePage(m_index);
        break;
    case Remove:
        m_doc.InsertPage(m_index, std::move(m_held));
        break;
    case Replace: {
        std::unique_ptr<VPage> now = m_doc.TakePage(m_index);
        m_doc.InsertPage(m_index, std::move(m_held));
        m_held = std::move(now);
        break;
    }
    }
    notify({DesignChange::Pages, nullptr, {}});
}

BackgroundCommand::BackgroundCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text,
                                     VPage &page, std::unique_ptr<VPicture> picture)
    : DesignCommand(doc, listener, text), m_page(page), m_other(std::move(picture))
{
}

void BackgroundCommand::swap()
{
    m_other = m_page.ReplaceBackground(std::move(m_other));
    notify({DesignChange::Tree, &m_page, {}});
}

void BackgroundCommand::redo()
{
    swap();
}

void BackgroundCommand::undo()
{
    swap();
}

// ---------------------------------------------------------------- page settings

PageSettingsCommand::State PageSettingsCommand::Capture(VDoc &doc, int page)
{
    VPage *p = doc.PageAt(page);
    return p ? State{page, p->Settings(), p->Font()} : State{-1, doc.Settings(), doc.Font()};
}

PageSettingsCommand::PageSettingsCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text,
                                         std::vector<State> after)
    : DesignCommand(doc, listener, text), m_after(std::move(after))
{
    for (const State &s : m_after)
        m_before.push_back(Capture(doc, s.page));
}

void PageSettingsCommand::apply(const std::vector<State> &states)
{
    for (const State &s : states) {
        VPage *page = m_doc.PageAt(s.page);
        (page ? page->Settings() : m_doc.Settings()) = s.settings;
        (page ? page->Font() : m_doc.Font()) = s.font;
    }
    // The paper decides the page's size: the pages are shown again.
    notify(DesignChange{DesignChange::Pages, nullptr, {}});
}
