#include "model/design_editor.h"

#include "model/design_editing.h"
#include "model/element_naming.h"
#include "model/element_ops.h"
#include "model/units.h"

#include <algorithm>
#include <cmath>

DesignEditor::DesignEditor(VDoc &doc) : m_doc(doc)
{
    // Back at the saved state the document is unmodified again.
    QObject::connect(&m_stack, &QUndoStack::cleanChanged, &m_context, [this](bool clean) {
        if (clean) m_doc.ClearModified();
    });
    m_stack.setClean();
}

void DesignEditor::markSaved()
{
    m_doc.ClearModified();
    m_stack.setClean();
}

void DesignEditor::forgetSteps()
{
    m_stack.clear();
}

void DesignEditor::geometryChanged(std::vector<GeometryCommand::State> before, const QString &text)
{
    push(new GeometryCommand(m_doc, m_listener, text, std::move(before), 0));
}

void DesignEditor::nudge(const std::vector<VGrfElement *> &elements, int dx, int dy, bool resize)
{
    if (elements.empty()) return;
    auto before = GeometryCommand::Capture(elements);
    for (VGrfElement *e : elements)
        NudgeElement(*e, dx, dy, resize);
    // A run on one selection merges (the command checks the elements); a drag or another edit in
    // between ends it, as Qt merges only with the step on top.
    push(new GeometryCommand(m_doc, m_listener, resize ? QStringLiteral("Resize") : QStringLiteral("Move"),
                             std::move(before), resize ? 2 : 1));
}

void DesignEditor::remove(const std::vector<VGrfElement *> &elements)
{
    std::vector<VGrfElement *> removable;
    for (VGrfElement *e : elements)
        if (e->Parent()) removable.push_back(e); // a page's Panel stays
    if (removable.empty()) return;
    push(new RemoveElementsCommand(m_doc, m_listener, QStringLiteral("Delete"), removable));
}

bool DesignEditor::arrange(const std::vector<VGrfElement *> &elements, ArrangeMode mode)
{
    const std::vector<VGrfElement *> chosen = ArrangeableElements(elements);
    auto before = GeometryCommand::Capture(chosen);
    if (!ArrangeElements(chosen, mode)) return false;
    push(
        new GeometryCommand(m_doc, m_listener, QString::fromLatin1(ArrangeText(mode)), std::move(before), 0));
    return true;
}

QRect NewElementWindow(const VGrfElement &parent, ElementKind kind, const QPoint &at)
{
    double w = 30, h = 5;
    switch (kind) {
    case ElementKind::Group:
        w = 50, h = 25;
        break;
    case ElementKind::Table:
        w = 80, h = 20;
        break;
    case ElementKind::BarCode:
        w = 40, h = 20;
        break;
    default:
        break;
    }
    const ScreenMetrics &m = screenMetrics();
    const int zoom = parent.Zoom() > 0 ? parent.Zoom() : 100;
    auto px = [zoom](double mm, int tpp) { return std::max(5, int(MmToTwips(mm) * zoom / 100 / tpp)); };
    QRect r(at, QSize(px(w, m.twipsPerPixelX()), px(h, m.twipsPerPixelY())));
    const QSize room = parent.WindowBounds().size();
    // Inside the parent where it fits; a parent too small gets it at its top-left corner.
    r.moveLeft(std::max(0, std::min(r.left(), room.width() - r.width())));
    r.moveTop(std::max(0, std::min(r.top(), room.height() - r.height())));
    return r;
}

VGrfElement *DesignEditor::add(VGrfElement &parent, ElementKind kind, const QPoint &at,
                               const std::function<void(VGrfElement &)> &setup)
{
    VGrfElement *added = AddElement(parent, kind, NewElementWindow(parent, kind, at));
    if (kind == ElementKind::Table) {
        // One cell to grow rows and columns from.
        auto cell = std::make_unique<VGrfElement>(ElementKind::Cell);
        cell->SetZoom(added->Zoom());
        cell->SetNum(1);
        cell->SetName(QStringLiteral("Cell1"));
        cell->Font() = added->Font();
        cell->Shape().SetFigure(3);
        for (int side = 0; side < 4; ++side) {
            VBorder line;
            line.visible = true;
            cell->Shape().SetBorderLine(side, line);
        }
        cell->SetWindowBounds(QRect(QPoint(0, 0), added->WindowBounds().size()));
        added->InsertChild(std::move(cell))->UpdateTwipsFromWindow();
    }
    if (setup) setup(*added);
    push(new InsertElementCommand(m_doc, m_listener, QStringLiteral("Add"), added));
    return added;
}

VGrfElement *DesignEditor::paste(VGrfElement &target, QString *refusal)
{
    EditingState &state = editingState();
    VGrfElement *source = state.cutElement ? state.cutElement : state.copiedElement;
    auto refuse = [&](const QString &text) -> VGrfElement * {
        if (refusal) *refusal = text;
        return nullptr;
    };
    if (!source || !CanPaste(target)) return refuse(QString());
    if (!CanPasteInto(*source, target))
        return refuse(QStringLiteral("An element cannot be pasted into itself or into an element it holds."));
    VGrfElement *copy = CopySubtree(*source, target);
    if (!copy) return refuse(QString());
    if (state.cutElement) {
        // A cut moves: the copy goes in and the original goes, as one step.
        auto *move = new QUndoCommand(QStringLiteral("Paste"));
        new InsertElementCommand(m_doc, m_listener, QStringLiteral("Paste"), copy, move);
        new RemoveElementsCommand(m_doc, m_listener, QStringLiteral("Paste"), {source}, move);
        state.cutElement = nullptr;
        state.copiedElement = nullptr; // the source is gone: Paste greys out until the next Cut or Copy
        push(move);
    } else {
        push(new InsertElementCommand(m_doc, m_listener, QStringLiteral("Paste"), copy));
    }
    return copy;
}

void DesignEditor::toFront(VGrfElement &element)
{
    if (!element.Parent()) return;
    push(new ToFrontCommand(m_doc, m_listener, QStringLiteral("to Front"), element));
}

bool DesignEditor::rename(VGrfElement &element, const QString &name)
{
    if (name.isEmpty() || ElementNamed(*element.Root(), name, &element)) return false;
    if (element.Name() != name)
        push(new RenameCommand(m_doc, m_listener, QStringLiteral("Rename"), element, name));
    return true;
}

void DesignEditor::setCaption(VGrfElement &label, const QString &caption)
{
    if (label.Caption() == caption) return;
    push(new CaptionCommand(m_doc, m_listener, QStringLiteral("Caption"), label, caption));
}

bool DesignEditor::editTable(VGrfElement &cell, TableEdit edit)
{
    VGrfElement *table = cell.Parent();
    if (!table || table->Kind() != ElementKind::Table) return false;
    std::optional<TableLayout> layout = EditedTable(*table, cell, edit);
    if (!layout) return false;
    push(new TableCommand(m_doc, m_listener, QStringLiteral("Table"), *table, std::move(layout->shape),
                          std::move(layout->cells)));
    return true;
}

void DesignEditor::deleteTable(VGrfElement &cell)
{
    VGrfElement *table = cell.Kind() == ElementKind::Cell ? cell.Parent() : &cell;
    if (table && table->Kind() == ElementKind::Table) remove({table});
}

VPage *DesignEditor::newPage(int zoom)
{
    // Made by the document's own rules (settings, number, name), then handed to the step.
    std::unique_ptr<VPage> page = m_doc.TakePage(m_doc.IndexOf(m_doc.AddPage()));
    page->SetZoom(zoom);
    page->SetChanged(true);
    VPage *raw = page.get();
    push(new PageCommand(m_doc, m_listener, QStringLiteral("New page"), PageCommand::Insert, m_doc.PageCount(),
                         std::move(page)));
    return raw;
}

void DesignEditor::deletePage(int index)
{
    if (!m_doc.PageAt(index)) return;
    push(new PageCommand(m_doc, m_listener, QStringLiteral("Delete page"), PageCommand::Remove, index));
}

bool DesignEditor::pastePage(int index)
{
    VPage *target = m_doc.PageAt(index);
    const VPage *source = nullptr;
    for (int i = 0; i < m_doc.PageCount(); ++i)
        if (m_doc.PageAt(i)->Copied()) source = m_doc.PageAt(i);
    if (!target || !source || source == target) return false;
    // The pasted page is made aside, as the target with the source's paper, background and
    // elements, so that undo can put the target back untouched.
    auto pasted = std::make_unique<VPage>();
    pasted->Settings() = target->Settings();
    pasted->Font() = target->Font();
    pasted->SetFollowsDocumentSettings(target->FollowsDocumentSettings());
    pasted->SetZoom(target->Zoom());
    pasted->Root().SetName(target->Root().Name());
    pasted->Root().SetNum(target->Root().Num());
    CopyPageContent(*source, *pasted);
    push(new PageCommand(m_doc, m_listener, QStringLiteral("Paste page"), PageCommand::Replace, index,
                         std::move(pasted)));
    return true;
}

bool DesignEditor::replacePage(int index, std::unique_ptr<VPage> page)
{
    if (!m_doc.PageAt(index) || !page) return false;
    push(new PageCommand(m_doc, m_listener, QStringLiteral("Page source"), PageCommand::Replace, index,
                         std::move(page)));
    return true;
}

void DesignEditor::setPageSettings(std::vector<PageSettingsCommand::State> after)
{
    if (!after.empty()) push(new PageSettingsCommand(m_doc, m_listener, QStringLiteral("Page properties"), std::move(after)));
}

void DesignEditor::propertiesChanged(std::vector<PropertiesCommand::State> before, int control)
{
    if (before.empty()) return;
    push(new PropertiesCommand(m_doc, m_listener, QStringLiteral("Properties"), std::move(before), control));
}

void DesignEditor::setBackground(int index, std::unique_ptr<VPicture> picture)
{
    VPage *page = m_doc.PageAt(index);
    if (!page) return;
    push(new BackgroundCommand(m_doc, m_listener, picture ? QStringLiteral("Background Picture")
                                                          : QStringLiteral("Clear Background"),
                               *page, std::move(picture)));
}
