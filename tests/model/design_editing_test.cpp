// Editing a design without a window: zones, drag and nudge arithmetic, the selection walk, the
// context menu, paste rules, table rows and columns, and undo and redo of every step.
#include "files/design_file.h"
#include "model/design_editing.h"
#include "model/design_editor.h"
#include "model/element_ops.h"
#include "test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{
VGrfElement &child(VGrfElement &parent, ElementKind kind, QRect window)
{
    return *AddElement(parent, kind, window);
}

QByteArray saved(VDoc &doc, const QString &path)
{
    EXPECT_TRUE(WriteDesignFile(doc, path));
    const QByteArray bytes = testsupport::readAll(path);
    return bytes;
}
} // namespace

TEST(DesignEditing, ZonesAndDragSteps)
{
    const QSize w(100, 40);
    const std::pair<QPoint, int> zones[] = {{{5, 20}, 3},  {{6, 20}, 0},  {{50, 5}, 1}, {{50, 35}, 2},
                                            {{95, 20}, 4}, {{94, 20}, 0}, {{2, 2}, 5},  {{98, 1}, 6},
                                            {{0, 39}, 7},  {{99, 39}, 8}};
    for (const auto &[p, zone] : zones)
        EXPECT_EQ(DragZone(p, w), zone) << p.x() << "," << p.y();
    EXPECT_EQ(ZoneCursor(0), Qt::SizeAllCursor);
    EXPECT_EQ(ZoneCursor(7), Qt::SizeBDiagCursor);

    const QRect at(10, 20, 100, 40);
    const DragStart start = DragStart::At({90, 30}, at.size());
    EXPECT_EQ(DraggedWindow(at, 0, {95, 27}, start), QRect(15, 17, 100, 40));
    EXPECT_EQ(DraggedWindow(at, 8, {95, 27}, start), QRect(10, 20, 105, 37)); // right and bottom follow
    EXPECT_EQ(DraggedWindow(at, 5, {95, 27}, start), QRect(15, 17, 95, 43));  // left and top move the edge
}

TEST(DesignEditing, TwipsFollowTheTruncatingRulesAtEveryZoom)
{
    for (int zoom : {50, 100, 200}) {
        VDoc doc;
        VPage *page = doc.AddPage();
        page->SetZoom(zoom);
        VGrfElement &label = child(page->Root(), ElementKind::Label, QRect(10, 10, 40, 20));
        // Drag: relative twips = trunc(pixels x 15 x 100 / zoom).
        SetElementWindow(label, QRect(33, 7, 41, 21));
        EXPECT_EQ(label.Shape().RelLeft(), 33 * 1500 / zoom) << zoom;
        EXPECT_EQ(label.Shape().Width(), 41 * 1500 / zoom) << zoom;
        EXPECT_EQ(label.Shape().Left(), page->Root().Shape().Left() + label.Shape().RelLeft());
        // Nudges: one pixel and trunc(15 x 100 / zoom) twips a step.
        const int left = label.Shape().RelLeft(), width = label.Shape().Width();
        NudgeElement(label, 1, 0, false);
        NudgeElement(label, -1, 0, true);
        EXPECT_EQ(label.WindowBounds(), QRect(34, 7, 40, 21)) << zoom;
        EXPECT_EQ(label.Shape().RelLeft(), left + 1500 / zoom);
        EXPECT_EQ(label.Shape().Width(), width - 1500 / zoom);
    }
    // Nothing is smaller than 5 zoomed pixels: a 6-pixel width one narrower at zoom 50 is 5.
    VDoc doc;
    VPage *page = doc.AddPage();
    page->SetZoom(50);
    VGrfElement &small = child(page->Root(), ElementKind::Label, QRect(0, 0, 6, 20));
    NudgeElement(small, -1, 0, true);
    EXPECT_EQ(small.WindowBounds().width(), 5);
    SetElementWindow(small, QRect(0, 0, 2, 2));
    EXPECT_EQ(small.WindowBounds().size(), QSize(5, 5));
}

TEST(DesignEditing, SelectionWalkAndContextMenus)
{
    VDoc doc;
    VGrfElement &root = doc.AddPage()->Root();
    VGrfElement &group = child(root, ElementKind::Group, QRect(0, 0, 200, 100));
    VGrfElement &inside = child(group, ElementKind::Label, QRect(5, 5, 50, 20));
    VGrfElement &outside = child(root, ElementKind::Label, QRect(300, 5, 50, 20));
    child(root, ElementKind::Label, QRect(300, 50, 50, 20)); // not selected
    inside.SetSelected(true);
    outside.SetSelected(true);
    EXPECT_EQ(SelectionWalk(group), (std::vector<VGrfElement *>{&inside, &outside}));

    auto menu = [](const VGrfElement &e) {
        QStringList items;
        for (const ContextMenuItem &i : ContextMenuFor(e))
            items << (i.command ? QString::number(i.command) + (i.enabled ? "" : "-") : "|");
        return items.join(' ');
    };
    editingState() = EditingState{};
    EXPECT_EQ(menu(root), "100- 101- 102- 103- | 108 109 110 111 | 116");
    EXPECT_EQ(menu(inside), "100 101 102- 103 | 107 | 108- 109- 110- 111- | 116");
    VGrfElement &table = child(root, ElementKind::Table, QRect(0, 200, 100, 40));
    VGrfElement &cell = child(table, ElementKind::Cell, QRect(0, 0, 100, 40));
    VGrfElement &code = child(root, ElementKind::BarCode, QRect(0, 300, 100, 40));
    EXPECT_EQ(menu(table), "100 101 102- | 107 | 116");
    EXPECT_EQ(menu(cell), "100 101 102- 104 105 106 112 113 114 115 | 116");
    EXPECT_EQ(menu(code), "100 101 102- | 107 | 116");
    // A pending cut greys its own Cut and Copy; Paste opens on containers but not a group into itself.
    editingState().cutElement = &group;
    EXPECT_EQ(menu(group), "100- 101- 102- 103 | 107 | 108 109 110 111 | 116");
    EXPECT_TRUE(ContextMenuFor(root)[2].enabled);
    editingState() = EditingState{};

    EXPECT_EQ(InPlaceEditRect(QSize(100, 40)), QRect(10, 10, 80, 20));
    EXPECT_EQ(InPlaceEditRect(QSize(20, 15)), QRect(1, 1, 18, 13));
}

// Every step undone gives back the very bytes saved before it; redone, those saved after it.
TEST(DesignEditing, EveryStepUndoesAndRedoesToTheSavedBytes)
{
    QTemporaryDir dir;
    VDoc doc;
    ReadDesignFile(doc, QStringLiteral(TESSALY_SOURCE_DIR "/examples/invoice.edt"));
    DesignEditor editor(doc);
    editingState() = EditingState{};
    VGrfElement &root = doc.PageAt(0)->Root();
    VGrfElement *label = nullptr;
    VGrfElement *cell = nullptr;
    for (const auto &c : root.ChildList()) {
        if (!label && c->Kind() == ElementKind::Label) label = c.get();
        if (c->Kind() == ElementKind::Table) cell = c->Child(0);
    }
    ASSERT_TRUE(label && cell);
    VGrfElement *table = cell->Parent(); // its cells change with every edit
    const std::function<void()> steps[] = {
        [&] { editor.nudge({label}, 1, 0, false); },
        [&] {
            auto before = GeometryCommand::Capture({label});
            SetElementWindow(*label, label->WindowBounds().adjusted(-3, 2, 4, 9));
            editor.geometryChanged(before, "Move");
        },
        [&] {
            editor.arrange({table, label}, ArrangeMode::AlignRight);
        },
        [&] { editor.add(root, ElementKind::Group, QPoint(30, 40)); },
        [&] { editor.add(root, ElementKind::Table, QPoint(30, 400)); },
        [&] { editor.setCaption(*label, "Typed in place"); },
        [&] { editor.toFront(*label); },
        [&] {
            editingState().copiedElement = label;
            editor.paste(root);
        },
        [&] {
            editingState().cutElement = root.Child(1);
            editor.paste(root);
        },
        [&] { editor.editTable(*cell, TableEdit::AddRowDown); },
        [&] { editor.editTable(*table->Child(0), TableEdit::AddColumnLeft); },
        [&] { editor.editTable(*table->Child(5), TableEdit::DeleteRow); },
        [&] { editor.remove({label}); },
        [&] { editor.newPage(100); },
        [&] {
            doc.MarkCopied(0);
            editor.pastePage(1);
        },
        [&] { editor.deletePage(0); },
        [&] { editor.setBackground(0, std::make_unique<VPicture>()); },
    };
    std::vector<QByteArray> states{saved(doc, dir.filePath("0.edt"))};
    for (const auto &step : steps) {
        const int count = editor.undoStack().count();
        step();
        ASSERT_EQ(editor.undoStack().count(), count + 1) << states.size(); // one step each
        states.push_back(saved(doc, dir.filePath("n.edt")));
        EXPECT_NE(states.back(), states[states.size() - 2]) << states.size();
    }
    for (size_t i = states.size() - 1; i > 0; --i) {
        editor.undoStack().undo();
        EXPECT_EQ(saved(doc, dir.filePath("u.edt")), states[i - 1]) << "undo " << i;
    }
    for (size_t i = 1; i < states.size(); ++i) {
        editor.undoStack().redo();
        EXPECT_EQ(saved(doc, dir.filePath("r.edt")), states[i]) << "redo " << i;
    }
    // Back to the saved state, the document is unmodified.
    editor.markSaved();
    editor.undoStack().undo();
    EXPECT_TRUE(editor.isModified());
    editor.undoStack().redo();
    EXPECT_FALSE(editor.isModified());
}

TEST(DesignEditing, PasteRulesAndTableGrids)
{
    VDoc doc;
    VGrfElement &root = doc.AddPage()->Root();
    DesignEditor editor(doc);
    editingState() = EditingState{};
    VGrfElement &group = child(root, ElementKind::Group, QRect(0, 0, 200, 100));
    VGrfElement &label = child(group, ElementKind::Label, QRect(5, 5, 50, 20));
    VGrfElement &other = child(root, ElementKind::Group, QRect(300, 0, 200, 100));

    editingState().copiedElement = &label;
    VGrfElement *first = editor.paste(other);
    VGrfElement *second = editor.paste(other);
    ASSERT_TRUE(first && second);
    EXPECT_NE(first->Name(), second->Name());
    EXPECT_NE(first->Num(), second->Num());

    editingState() = EditingState{};
    editingState().cutElement = &group;
    QString refusal;
    EXPECT_EQ(editor.paste(group, &refusal), nullptr); // a group into itself
    editingState().copiedElement = &group;
    editingState().cutElement = nullptr;
    VGrfElement &inner = child(group, ElementKind::Group, QRect(100, 0, 90, 90));
    EXPECT_EQ(editor.paste(inner, &refusal), nullptr); // into its own subtree
    EXPECT_FALSE(refusal.isEmpty());

    editingState() = EditingState{};
    editingState().cutElement = &label;
    ASSERT_NE(editor.paste(other), nullptr); // a cut moves
    EXPECT_EQ(group.ChildCount(), 1);
    EXPECT_EQ(other.ChildCount(), 3);
    EXPECT_FALSE(CanPaste(root)); // greyed until the next Cut or Copy

    // A new table grows from its one cell to 3 x 3; rows and columns copy their neighbours.
    VGrfElement *table = editor.add(root, ElementKind::Table, QPoint(0, 200));
    ASSERT_EQ(table->ChildCount(), 1);
    const int cellWidth = table->Child(0)->Shape().Width(), tableHeight = table->Shape().Height();
    for (TableEdit e :
         {TableEdit::AddRowDown, TableEdit::AddRowDown, TableEdit::AddColumnRight, TableEdit::AddColumnLeft})
        ASSERT_TRUE(editor.editTable(*table->Child(0), e));
    const std::optional<TableGrid> grid = GridOf(*table);
    ASSERT_TRUE(grid);
    EXPECT_EQ(std::make_pair(grid->rows(), grid->columns()), std::make_pair(3, 3));
    EXPECT_EQ(table->Shape().Width(), 3 * cellWidth);
    EXPECT_EQ(table->Shape().Height(), 3 * tableHeight);
    QStringList names;
    for (const auto &c : table->ChildList())
        names << c->Name();
    EXPECT_EQ(names.removeDuplicates(), 0);
    ASSERT_TRUE(editor.editTable(*grid->at(1, 1), TableEdit::DeleteColumn));
    EXPECT_EQ(GridOf(*table)->columns(), 2);
    // Cells that are no grid are left alone.
    child(*table, ElementKind::Cell, QRect(3, 3, 10, 10));
    EXPECT_FALSE(editor.editTable(*table->Child(0), TableEdit::AddRowUp));
}

TEST(DesignEditing, InsertedTableIsAGridOfCellsInOneStep)
{
    VDoc doc;
    VPage *page = doc.AddPage();
    page->SetZoom(100);
    DesignEditor editor(doc);
    VGrfElement *table = editor.add(page->Root(), ElementKind::Table, QPoint(10, 20),
                                    [](VGrfElement &t) { MakeTableGrid(t, 3, 4); });
    EXPECT_EQ(editor.undoStack().count(), 1);
    const std::optional<TableGrid> grid = GridOf(*table);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->rows(), 3);
    EXPECT_EQ(grid->columns(), 4);
    // The cells tile the table: no gap, no overlap, the last ones ending at its edges.
    const QRect window = table->WindowBounds();
    QRect covered;
    int area = 0;
    for (const auto &c : table->ChildList()) {
        covered |= c->WindowBounds();
        area += c->WindowBounds().width() * c->WindowBounds().height();
        EXPECT_EQ(c->Shape().Left(), table->Shape().Left() + c->Shape().RelLeft());
        EXPECT_TRUE(c->Shape().BorderLine(VShape::BorderTop).visible); // in the style of the first cell
    }
    EXPECT_EQ(covered, QRect(QPoint(0, 0), window.size()));
    EXPECT_EQ(area, window.width() * window.height());
    EXPECT_EQ(table->Child(11)->Name(), "Cell12");
    editor.undoStack().undo();
    EXPECT_TRUE(page->Root().ChildList().empty());
}
