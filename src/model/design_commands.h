#pragma once

#include "model/element_properties.h"
#include "model/v_doc.h"

#include <QRect>
#include <QUndoCommand>
#include <functional>
#include <memory>
#include <vector>

// The edits of a design as undoable commands, one per verb. A command keeps the elements and
// pages it took out of the document, so that undo puts the very same objects back (names,
// numbers and everything else unchanged) and redo takes them out again.

// What changed, for the view that shows it: element geometry only (move the windows) or the
// element tree of a page, or the list of pages.
struct DesignChange {
    enum Kind { Geometry, Tree, Pages } kind = Tree;
    VPage *page = nullptr;
    std::vector<VGrfElement *> elements;
};
using DesignChangeListener = std::function<void(const DesignChange &)>;

// The page an element hangs on, found through its root.
VPage *PageOf(const VDoc &doc, const VGrfElement &element);

class DesignCommand : public QUndoCommand
{
public:
    DesignCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text,
                  QUndoCommand *parent = nullptr);

protected:
    void notify(const DesignChange &change) const;
    VDoc &m_doc;
    DesignChangeListener m_listener;
};

// Elements moved or resized: the shape and window of each before and after. A run of arrow-key
// nudges of one selection (moves, or resizes) is one step.
class GeometryCommand : public DesignCommand
{
public:
    struct State {
        VGrfElement *element = nullptr;
        VShape shape;
        QRect window;
    };
    // Takes the state of the elements now, as the "before".
    static std::vector<State> Capture(const std::vector<VGrfElement *> &elements);
    // before: the state captured before the change; the elements hold the "after" now.
    // mergeId: nudges that merge into one step (1 moves, 2 resizes); 0 for none.
    GeometryCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text,
                    std::vector<State> before, int mergeId);
    void undo() override;
    void redo() override;
    int id() const override { return m_merge > 0 ? m_merge : -1; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    void apply(const std::vector<State> &states);
    std::vector<State> m_before, m_after;
    int m_merge;
};

// Fields changed in the properties dialog, on one element or on the selection it applies to.
// Changes made through one control to the same elements merge into one step (typing in a box).
class PropertiesCommand : public DesignCommand
{
public:
    struct State {
        VGrfElement *element;
        ElementProperties properties;
    };
    static std::vector<State> Capture(const std::vector<VGrfElement *> &elements);
    // before: captured before the change; the elements hold the "after" now. control: what made
    // the change, for merging (0 never merges).
    PropertiesCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text,
                      std::vector<State> before, int control);
    void undo() override { apply(m_before); }
    void redo() override { apply(m_after); }
    int id() const override { return m_control > 0 ? 1000 + m_control : -1; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    void apply(const std::vector<State> &states);
    std::vector<State> m_before, m_after;
    int m_control;
};

// Elements taken out of the tree, each with its subtree (Delete).
class RemoveElementsCommand : public DesignCommand
{
public:
    RemoveElementsCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text,
                          const std::vector<VGrfElement *> &elements, QUndoCommand *parent = nullptr);
    void undo() override;
    void redo() override;

private:
    struct Removed {
        VGrfElement *element;
        VGrfElement *parent;
        int index = 0;
        std::unique_ptr<VGrfElement> held; // while removed
    };
    std::vector<Removed> m_removed;
    VPage *m_page;
};

// An element already put into the tree (Add, Paste); undo takes it out again.
class InsertElementCommand : public DesignCommand
{
public:
    InsertElementCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text,
                         VGrfElement *inserted, QUndoCommand *parent = nullptr);
    void undo() override;
    void redo() override;

private:
    VGrfElement *m_element;
    VGrfElement *m_parent;
    int m_index;
    std::unique_ptr<VGrfElement> m_held;
    VPage *m_page;
};

// An element brought above its siblings (to Front).
class ToFrontCommand : public DesignCommand
{
public:
    ToFrontCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text, VGrfElement &element);
    void undo() override;
    void redo() override;

private:
    VGrfElement &m_element;
    int m_index;
};

// A label's caption typed in place.
class CaptionCommand : public DesignCommand
{
public:
    CaptionCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text, VGrfElement &element,
                   const QString &caption);
    void undo() override;
    void redo() override;

private:
    VGrfElement &m_element;
    QString m_before, m_after;
};

// A table's cells and size replaced by another set (a row or column added or deleted). The cells
// of either state stay the same objects across undo and redo.
class TableCommand : public DesignCommand
{
public:
    TableCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text, VGrfElement &table,
                 VShape shape, std::vector<std::unique_ptr<VGrfElement>> cells);
    void undo() override { swap(); }
    void redo() override { swap(); }

private:
    void swap();
    VGrfElement &m_table;
    VShape m_shape;
    std::vector<std::unique_ptr<VGrfElement>> m_cells; // the state not in the document
};

// A page added, deleted or replaced (New, Delete, Paste): the document's page at index is
// swapped with the one the command holds.
class PageCommand : public DesignCommand
{
public:
    enum Verb { Insert, Remove, Replace };
    // Insert: page goes in at index. Remove: the page at index goes. Replace: page takes the
    // place of the page at index.
    PageCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text, Verb verb, int index,
                std::unique_ptr<VPage> page = nullptr);
    void undo() override;
    void redo() override;

private:
    Verb m_verb;
    int m_index;
    std::unique_ptr<VPage> m_held;
};

// The paper, identity and font of pages or of the document (the page properties dialog).
class PageSettingsCommand : public DesignCommand
{
public:
    struct State {
        int page; // -1 for the document
        VSetPage settings;
        TZelFont font;
    };
    static State Capture(VDoc &doc, int page);
    // after: the states to put in; the present ones are kept for undo.
    PageSettingsCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text,
                        std::vector<State> after);
    void undo() override { apply(m_before); }
    void redo() override { apply(m_after); }

private:
    void apply(const std::vector<State> &states);
    std::vector<State> m_before, m_after;
};

// A page's background picture set or cleared.
class BackgroundCommand : public DesignCommand
{
public:
    BackgroundCommand(VDoc &doc, const DesignChangeListener &listener, const QString &text, VPage &page,
                      std::unique_ptr<VPicture> picture);
    void undo() override;
    void redo() override;

private:
    void swap();
    VPage &m_page;
    std::unique_ptr<VPicture> m_other;
};
