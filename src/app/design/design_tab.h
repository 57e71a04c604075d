#pragma once

#include "app/design/design_grid.h"
#include "app/design/element_widget.h"
#include "app/pages/page_tab.h"
#include "app/design/paper_fit_offer.h"
#include "model/design_editor.h"

#include <QSize>
#include <functional>
#include <memory>
#include <optional>

class RulerFrame;

// Visits element and everything under it, parents first.
template <class F> void WalkElements(VGrfElement &element, F &&visit)
{
    visit(element);
    for (const auto &child : element.ChildList())
        WalkElements(*child, visit);
}

// The Design tab: the design document, its pages and element windows that edit it, its file
// commands, and undo and redo of every edit.
class DataFieldPanel;
class ElementWidget;

class DesignTab : public PageTab, public DesignViewContext
{
public:
    explicit DesignTab(TfrmMain &shell);
    const char *title() const override { return "Design Editor"; }
    bool isModified() const override { return m_editor.isModified(); }
    void refreshMenus() override;
    bool askSave() override;

    DesignEditor &editor() override { return m_editor; }
    bool propertiesAvailable() const override { return true; }
    void showProperties(VGrfElement &element) override;
    int runContextMenu(const std::vector<ContextMenuItem> &items, const QPoint &globalPos) override;
    void refuse(const QString &text) override;
    // Tests choose the context menu's command instead of a person.
    using MenuRunner = std::function<int(const std::vector<ContextMenuItem> &, const QPoint &)>;
    void setContextMenuRunner(MenuRunner runner) { m_menuRunner = std::move(runner); }

    // Empties the document and forgets its steps (closing, and the commands that replace it).
    void clearDocument();

    void mnuDesign_File_NewClick();
    bool openDesign(const QString &path);
    void mnuDesign_File_OpenClick();
    void mnuDesign_File_ReloadClick();
    void mnuDesign_File_CloseClick();
    bool mnuDesign_File_SaveClick() { return saveDocument(); }
    bool mnuDesign_File_SaveAsClick() { return saveDocumentAs(); }
    void mnuDesign_Edit_UndoClick();
    void mnuDesign_Edit_RedoClick();
    void mnuDesign_Page_NewClick();
    void mnuDesign_Page_DeleteClick();
    void mnuDesign_Page_CopyClick();
    void mnuDesign_Page_PasteClick();
    void mnuDesign_Page_BackgroundClick();
    void mnuDesign_Page_ClearBackgroundClick();
    void tbtnDesign_Page_ViewSourceClick();
    // The Edit menu: Cut, Copy and Paste act on the element with the focus (else the first
    // selected one, else the page's panel); Delete removes the selection; Select All selects the
    // panel's elements.
    void runOnCurrent(int command);
    void deleteSelection();
    void selectAll();
    // The Arrange menu: the selection walk of the current element, the element selected first
    // as the reference.
    void arrangeSelection(ArrangeMode mode);
    // The Insert menu: a selected group takes the element at once, else the next left click on
    // the page places it (into the group under the click); Escape calls it off. A table asks for
    // its rows and columns first, a picture for its file.
    enum class InsertKind { Label, BarCode, Group, Table, Picture };
    void insertElement(InsertKind kind);
    bool insertPending() const { return m_pending.has_value(); }
    bool placeInsert(VGrfElement &element, const QPoint &at) override;
    bool cancelInsert() override;
    // Tests give the table's size instead of a person: columns x rows, none to cancel.
    using TableSizeAsker = std::function<std::optional<QSize>()>;
    void setTableSizeAsker(TableSizeAsker asker) { m_tableSizeAsker = std::move(asker); }
    // The data fields of the shown page, beside the design.
    DataFieldPanel *fieldPanel() const { return m_fields; }

    // The design view (design_tab_view.cpp): the grid, its step, show and snap switches (each
    // change stored), the rulers, and the selection's place and size in the status bar.
    const DesignGrid &grid() const { return m_grid; }
    void setGrid(const DesignGrid &grid);
    void askGridStep();
    RulerFrame *rulers() const { return m_rulers; }
    // "Left ..., top ..., width ..., height ... mm" of the selection's extent; empty for none.
    QString selectionText() const;

protected:
    SaveDialog saveDialog() const override;
    void saved() override { m_editor.markSaved(); }
    void applyPageSettings(const std::vector<PageSettingsCommand::State> &states) override
    {
        ApplyPageSettingsOfferingFit(m_editor, prompts(), states);
    }

private:
    ElementWidget *currentElementWidget() const;
    void changed(const DesignChange &change);
    // The view after a change of the element tree or the pages, once the event that caused it is
    // over (the element window that handled it may be among those rebuilt).
    void scheduleRefresh(bool pages);
    void setUpView();
    void showSelection();
    void fitPicture(VGrfElement &added, const VGrfElement &target, const VPicture &picture);
    void snapInside(VGrfElement &added, const VGrfElement &container, double step);
    // The placed element becomes the selection once the view holds its window.
    void selectAfterRefresh(VGrfElement *element);

    DesignEditor m_editor{m_doc};
    MenuRunner m_menuRunner;
    TableSizeAsker m_tableSizeAsker;
    struct PendingInsert {
        InsertKind kind;
        QSize grid; // columns x rows of a table
        std::shared_ptr<VPicture> picture;
    };
    std::optional<PendingInsert> m_pending;
    bool m_refreshQueued = false;
    bool m_pagesChanged = false;
    int m_pageToShow = -1;
    DataFieldPanel *m_fields = nullptr;
    VGrfElement *m_focusAfterRefresh = nullptr;
    DesignGrid m_grid;
    RulerFrame *m_rulers = nullptr;
};
