#pragma once

#include "model/arrange.h"
#include "model/design_commands.h"
#include "model/table_editing.h"

#include <QObject>
#include <QPoint>
#include <QUndoStack>
#include <functional>

// The edits of a design document, each one undoable step on the document's undo stack. The
// design view and the properties dialog call these; tests call them without any window. The
// document counts as modified while the stack is away from its clean (saved) state.
class DesignEditor
{
public:
    explicit DesignEditor(VDoc &doc);
    DesignEditor(const DesignEditor &) = delete;
    DesignEditor &operator=(const DesignEditor &) = delete;

    VDoc &document() { return m_doc; }
    QUndoStack &undoStack() { return m_stack; }
    // Told of every change a command makes, done, undone or redone.
    void setListener(DesignChangeListener listener) { m_listener = std::move(listener); }
    bool isModified() const { return !m_stack.isClean() || m_doc.IsModified(); }
    // After a save: the present state is the saved one.
    void markSaved();
    // Before the document is replaced, cleared or reloaded: the steps refer to its objects.
    void forgetSteps();

    // Elements the caller has already moved or resized (a finished drag), with their state before.
    void geometryChanged(std::vector<GeometryCommand::State> before, const QString &text);
    // Ctrl/Shift + arrow on the selection walk; a run of them on one selection is one step.
    void nudge(const std::vector<VGrfElement *> &elements, int dx, int dy, bool resize);
    void remove(const std::vector<VGrfElement *> &elements);
    // Align, distribute or size elements against the first of them, as one step; false when
    // nothing moved (too few elements that can be arranged, or all already in place).
    bool arrange(const std::vector<VGrfElement *> &elements, ArrangeMode mode);
    // Fields the caller has already changed through the properties dialog's control (an id
    // above 0 merges a run of changes through it on the same elements; 0 never merges).
    void propertiesChanged(std::vector<PropertiesCommand::State> before, int control);
    // A page replaced by another (its source text edited); false when there is no page at index.
    bool replacePage(int index, std::unique_ptr<VPage> page);
    // A new element in parent at the pixel point at of its window (the kind's usual size); setup
    // finishes it (a table's grid, a picture) within the same step.
    VGrfElement *add(VGrfElement &parent, ElementKind kind, const QPoint &at,
                     const std::function<void(VGrfElement &)> &setup = {});
    // Paste into target: the pending Cut moves there, else the copied element is copied there.
    // Null with refusal set when target lies inside the source's own subtree or takes no paste.
    VGrfElement *paste(VGrfElement &target, QString *refusal = nullptr);
    void toFront(VGrfElement &element);
    void setCaption(VGrfElement &label, const QString &caption);
    // Gives the element another name as one step; false when the name is empty or another element
    // of its page already carries it (nothing changes then).
    bool rename(VGrfElement &element, const QString &name);
    // Row and column edits at a cell; false when the table's cells are not a grid (or the edit
    // would leave the table without cells), and nothing changes.
    bool editTable(VGrfElement &cell, TableEdit edit);
    void deleteTable(VGrfElement &cell);

    VPage *newPage(int zoom);
    void deletePage(int index);
    bool pastePage(int index);
    // Paper, identity and font of pages or the document, as one step.
    void setPageSettings(std::vector<PageSettingsCommand::State> after);
    // A page's background picture; null clears it.
    void setBackground(int index, std::unique_ptr<VPicture> picture);

private:
    void push(QUndoCommand *command) { m_stack.push(command); }

    VDoc &m_doc;
    QUndoStack m_stack;
    QObject m_context;
    DesignChangeListener m_listener;
};

// The window a new element of kind gets in parent, placed at (pixels of parent's window) and
// kept inside it where it fits: 50 x 25 mm groups, 80 x 20 mm tables, 30 x 5 mm labels and
// 40 x 20 mm barcodes at the parent's zoom.
QRect NewElementWindow(const VGrfElement &parent, ElementKind kind, const QPoint &at);
