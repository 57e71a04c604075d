#include "app/design/design_tab.h"

#include "app/app_texts.h"
#include "app/design/data_field_panel.h"
#include "app/main_window.h"
#include "app/design/element_widget.h"
#include "app/pages/page_view.h"
#include "app/prompts.h"
#include "app/dialogs/properties_dialog.h"
#include "app/dialogs/view_source_dialog.h"
#include "files/design_file.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTabBar>
#include <algorithm>

DesignTab::DesignTab(TfrmMain &shell)
    : PageTab(shell, {"tabDesign", "scrDesign", "mnuZoom", "mnuZoom_ByWidth", "tbtnDesign_Page_Zoom"})
{
    add(
        "mnuDesign_File_New", "New", [this] { mnuDesign_File_NewClick(); }, {}, "new");
    add(
        "mnuDesign_File_Open", "Open", [this] { mnuDesign_File_OpenClick(); }, {}, "open");
    add("mnuDesign_File_Reload", "Reload", [this] { mnuDesign_File_ReloadClick(); });
    add(
        "mnuDesign_File_Close", "Close", [this] { mnuDesign_File_CloseClick(); }, {}, "close");
    add(
        "mnuDesign_File_Save", "Save", [this] { mnuDesign_File_SaveClick(); },
        QKeySequence(Qt::CTRL | Qt::Key_S), "save");
    add("mnuDesign_File_SaveAs", "Save As", [this] { mnuDesign_File_SaveAsClick(); });
    add("mnuDesign_File_PrintProperties", "Print Properties", [this] { printPropertiesDocument(); });
    add("mnuDesign_File_DefaultPrinter", "Default Printer", [this] { defaultPrinter(); });
    add(
        "mnuDesign_File_Print", "Print", [this] { printDocument(); }, {}, "print");
    add(
        "mnuDesign_File_Preview", "Preview", [this] { togglePreview(); }, QKeySequence(Qt::CTRL | Qt::Key_W),
        "preview")
        ->setCheckable(true);
    add(
        "mnuDesign_File_CheckPrintable", "Check Printable", [this] { toggleCheckPrintable(); }, {},
        "printable")
        ->setCheckable(true);
    add(
        "mnuDesign_File_BlackWhite", "Black/White mode", [this] { toggleBlackWhite(); }, {}, "blackwhite")
        ->setCheckable(true);
    add("mnuDesign_File_Properties", "Properties", [this] { editPageProperties(-1); });
    add("mnuDesign_File_Exit", "Exit", [this] { m_shell.close(); });
    add("mnuDesign_Edit_Undo", "Undo", [this] { mnuDesign_Edit_UndoClick(); }, QKeySequence::Undo)
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    add("mnuDesign_Edit_Redo", "Redo", [this] { mnuDesign_Edit_RedoClick(); })
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    add("mnuDesign_Edit_Cut", "Cut", [this] { runOnCurrent(cmdCut); }, QKeySequence::Cut);
    add("mnuDesign_Edit_Copy", "Copy", [this] { runOnCurrent(cmdCopy); }, QKeySequence::Copy);
    add("mnuDesign_Edit_Paste", "Paste", [this] { runOnCurrent(cmdPaste); }, QKeySequence::Paste);
    add("mnuDesign_Edit_Delete", "Delete", [this] { deleteSelection(); }, QKeySequence::Delete);
    add("mnuDesign_Edit_SelectAll", "Select All", [this] { selectAll(); }, QKeySequence::SelectAll);
    add("mnuDesign_Arrange_AlignLeft", "Align Left", [this] { arrangeSelection(ArrangeMode::AlignLeft); });
    add("mnuDesign_Arrange_AlignRight", "Align Right", [this] { arrangeSelection(ArrangeMode::AlignRight); });
    add("mnuDesign_Arrange_AlignTop", "Align Top", [this] { arrangeSelection(ArrangeMode::AlignTop); });
    add("mnuDesign_Arrange_AlignBottom", "Align Bottom",
        [this] { arrangeSelection(ArrangeMode::AlignBottom); });
    add("mnuDesign_Arrange_AlignHCentres", "Align Horizontal Centres",
        [this] { arrangeSelection(ArrangeMode::AlignCentresHorizontally); });
    add("mnuDesign_Arrange_AlignVCentres", "Align Vertical Centres",
        [this] { arrangeSelection(ArrangeMode::AlignCentresVertically); });
    add("mnuDesign_Arrange_DistributeH", "Distribute Horizontally",
        [this] { arrangeSelection(ArrangeMode::DistributeHorizontally); });
    add("mnuDesign_Arrange_DistributeV", "Distribute Vertically",
        [this] { arrangeSelection(ArrangeMode::DistributeVertically); });
    add("mnuDesign_Arrange_SameWidth", "Same Width", [this] { arrangeSelection(ArrangeMode::SameWidth); });
    add("mnuDesign_Arrange_SameHeight", "Same Height", [this] { arrangeSelection(ArrangeMode::SameHeight); });
    add("mnuDesign_Arrange_SameSize", "Same Size", [this] { arrangeSelection(ArrangeMode::SameSize); });
    add(
        "mnuDesign_Insert_Label", "Label", [this] { insertElement(InsertKind::Label); }, {}, "label");
    add(
        "mnuDesign_Insert_BarCode", "BarCode", [this] { insertElement(InsertKind::BarCode); }, {}, "barcode");
    add(
        "mnuDesign_Insert_Group", "Group", [this] { insertElement(InsertKind::Group); }, {}, "group");
    add(
        "mnuDesign_Insert_Table", "Table", [this] { insertElement(InsertKind::Table); }, {}, "table");
    add(
        "mnuDesign_Insert_Picture", "Picture", [this] { insertElement(InsertKind::Picture); }, {}, "picture");
    add(
        "mnuDesign_Page_New", "New", [this] { mnuDesign_Page_NewClick(); }, {}, "pagenew");
    add(
        "mnuDesign_Page_Delete", "Delete", [this] { mnuDesign_Page_DeleteClick(); }, {}, "pagedelete");
    add(
        "mnuDesign_Page_Copy", "Copy", [this] { mnuDesign_Page_CopyClick(); }, {}, "copy");
    add(
        "mnuDesign_Page_Paste", "Paste", [this] { mnuDesign_Page_PasteClick(); }, {}, "paste");
    add("mnuDesign_Page_PrintProperties", "Print Properties", [this] { printPropertiesPage(); });
    add(
        "mnuDesign_Page_Print", "Print", [this] { printShownPage(); }, {}, "print");
    add("mnuDesign_Page_Background", "Background Picture", [this] { mnuDesign_Page_BackgroundClick(); });
    add("mnuDesign_Page_ClearBackground", "Clear Background",
        [this] { mnuDesign_Page_ClearBackgroundClick(); });
    add("mnuDesign_Page_Properties", "Properties", [this] { editShownPageProperties(); });
    add(
        "tbtnDesign_Page_ViewSource", "Page properties", [this] { tbtnDesign_Page_ViewSourceClick(); }, {},
        "source");

    addMenu("File", {"mnuDesign_File_New", "mnuDesign_File_Open", "mnuDesign_File_Reload",
                     "mnuDesign_File_Close", nullptr, "mnuDesign_File_Save", "mnuDesign_File_SaveAs", nullptr,
                     "mnuDesign_File_PrintProperties", "mnuDesign_File_DefaultPrinter", "mnuDesign_File_Print",
                     "mnuDesign_File_Preview",
                     "mnuDesign_File_CheckPrintable", "mnuDesign_File_BlackWhite", nullptr,
                     "mnuDesign_File_Properties", nullptr, "mnuDesign_File_Exit"});
    addMenu("Edit",
            {"mnuDesign_Edit_Undo", "mnuDesign_Edit_Redo", nullptr, "mnuDesign_Edit_Cut", "mnuDesign_Edit_Copy",
             "mnuDesign_Edit_Paste", "mnuDesign_Edit_Delete", nullptr, "mnuDesign_Edit_SelectAll"},
            "mnuDesign_Edit");
    addMenu("Insert",
            {"mnuDesign_Insert_Label", "mnuDesign_Insert_BarCode", "mnuDesign_Insert_Group",
             "mnuDesign_Insert_Table", "mnuDesign_Insert_Picture"},
            "mnuDesign_Insert");
    addMenu("Arrange",
            {"mnuDesign_Arrange_AlignLeft", "mnuDesign_Arrange_AlignRight", "mnuDesign_Arrange_AlignTop",
             "mnuDesign_Arrange_AlignBottom", "mnuDesign_Arrange_AlignHCentres",
             "mnuDesign_Arrange_AlignVCentres", nullptr, "mnuDesign_Arrange_DistributeH",
             "mnuDesign_Arrange_DistributeV", nullptr, "mnuDesign_Arrange_SameWidth",
             "mnuDesign_Arrange_SameHeight", "mnuDesign_Arrange_SameSize"},
            "mnuDesign_Arrange");
    setUpView(); // the View menu, before Page
    addMenu("Page",
            {"mnuDesign_Page_New", "mnuDesign_Page_Delete", "mnuDesign_Page_Copy", "mnuDesign_Page_Paste",
             nullptr, "@zoom", nullptr, "mnuDesign_Page_PrintProperties", "mnuDesign_Page_Print", nullptr,
             "mnuDesign_Page_Background", "mnuDesign_Page_ClearBackground", nullptr,
             "mnuDesign_Page_Properties"},
            "mnuDesign_Page");
    setToolBar("ToolBar_Design",
               {"mnuDesign_File_New", "mnuDesign_File_Open", "mnuDesign_File_Save", "mnuDesign_File_Close",
                nullptr, "mnuDesign_Page_New", "mnuDesign_Page_Delete", "mnuDesign_Page_Copy",
                "mnuDesign_Page_Paste", nullptr, "mnuDesign_Insert_Label", "mnuDesign_Insert_BarCode",
                "mnuDesign_Insert_Group", "mnuDesign_Insert_Table", "mnuDesign_Insert_Picture", nullptr, "@zoom",
                "mnuDesign_File_Preview", "mnuDesign_File_CheckPrintable", "mnuDesign_File_BlackWhite", nullptr,
                "mnuDesign_Page_Print", "tbtnDesign_Page_ViewSource"});
    setHints({
        {"mnuDesign_File_New", "New Design"},
        {"mnuDesign_File_Open", "Open Design"},
        {"mnuDesign_File_Save", "Save Design"},
        {"mnuDesign_File_Close", "Close Design"},
        {"mnuDesign_File_Print", "Print Design"},
        {"mnuDesign_Page_New", "Add new page"},
        {"mnuDesign_Page_Delete", "Delete page"},
        {"mnuDesign_Page_Copy", "Copy page"},
        {"mnuDesign_Page_Paste", "Paste page"},
        {"mnuDesign_File_Preview", "Page preview mode"},
        {"mnuDesign_File_CheckPrintable", "Check printable mode"},
        {"mnuDesign_File_BlackWhite", "Black/White mode of preview"},
        {"mnuDesign_Page_Print", "Print page"},
        {"tbtnDesign_Page_ViewSource", "Page properties"},
        {"mnuDesign_Insert_Label", "Insert a label"},
        {"mnuDesign_Insert_BarCode", "Insert a barcode"},
        {"mnuDesign_Insert_Group", "Insert a group"},
        {"mnuDesign_Insert_Table", "Insert a table"},
        {"mnuDesign_Insert_Picture", "Insert a picture"},
    });

    canvas()->view()->setContext(this);
    m_editor.setListener([this](const DesignChange &change) { changed(change); });
    connect(&m_editor.undoStack(), &QUndoStack::indexChanged, this, [this] {
        m_shell.refreshStatus();
        m_shell.refreshMenus();
    });
    m_fields = new DataFieldPanel(*this, shell);
}

void DesignTab::changed(const DesignChange &change)
{
    const VPage *shown = canvas()->view()->page();
    if (change.kind == DesignChange::Pages)
        scheduleRefresh(true);
    else if (change.page == shown && change.kind == DesignChange::Tree)
        scheduleRefresh(false);
    else if (change.page == shown)
        canvas()->view()->syncElements(change.elements);
}

void DesignTab::scheduleRefresh(bool pages)
{
    m_pagesChanged = m_pagesChanged || pages;
    if (m_refreshQueued) return;
    m_refreshQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_refreshQueued = false;
            if (m_pagesChanged) {
                m_pagesChanged = false;
                const int index = m_pageToShow >= 0 ? m_pageToShow : pageTabs()->currentIndex();
                m_pageToShow = -1;
                fillPageTabs();
                if (index > 0) pageTabs()->setCurrentIndex(std::min(index, m_doc.PageCount() - 1));
                m_shell.refreshMenus();
            } else {
                canvas()->view()->refresh();
            }
            if (ElementWidget *w = canvas()->view()->widgetOf(m_focusAfterRefresh))
                w->setFocus(Qt::OtherFocusReason);
            m_focusAfterRefresh = nullptr;
            m_shell.refreshStatus();
        },
        Qt::QueuedConnection);
}

int DesignTab::runContextMenu(const std::vector<ContextMenuItem> &items, const QPoint &globalPos)
{
    if (m_menuRunner) return m_menuRunner(items, globalPos);
    QMenu menu(&m_shell);
    for (const ContextMenuItem &item : items) {
        if (!item.command) {
            menu.addSeparator();
            continue;
        }
        QAction *a = menu.addAction(T(ContextCommandText(item.command)));
        a->setData(item.command);
        a->setEnabled(item.enabled);
    }
    const QAction *chosen = menu.exec(globalPos);
    return chosen ? chosen->data().toInt() : 0;
}

ElementWidget *DesignTab::currentElementWidget() const
{
    PageView *view = canvas()->view();
    if (!view->page()) return nullptr;
    for (QWidget *w = QApplication::focusWidget(); w; w = w->parentWidget())
        if (auto *e = dynamic_cast<ElementWidget *>(w); e && view->widgetOf(&e->element()) == e) return e;
    VGrfElement *selected = nullptr;
    WalkElements(view->page()->Root(), [&](VGrfElement &e) {
        if (!selected && e.Selected()) selected = &e;
    });
    return view->widgetOf(selected ? selected : &view->page()->Root());
}

void DesignTab::runOnCurrent(int command)
{
    if (ElementWidget *w = currentElementWidget()) w->run(command, QPoint(0, 0));
}

void DesignTab::deleteSelection()
{
    PageView *view = canvas()->view();
    if (!view->page()) return;
    std::vector<VGrfElement *> chosen;
    VGrfElement &root = view->page()->Root();
    WalkElements(root, [&](VGrfElement &e) {
        if (&e != &root && e.Selected()) chosen.push_back(&e);
    });
    // An element inside a chosen container goes with it.
    std::erase_if(chosen, [&](VGrfElement *e) {
        return std::any_of(chosen.begin(), chosen.end(), [e](VGrfElement *c) { return c != e && c->IsAncestorOf(e); });
    });
    if (!chosen.empty()) m_editor.remove(chosen);
}

void DesignTab::selectAll()
{
    PageView *view = canvas()->view();
    if (!view->page()) return;
    for (const auto &child : view->page()->Root().ChildList())
        if (ElementWidget *w = view->widgetOf(child.get())) w->setSelected(true);
}

void DesignTab::arrangeSelection(ArrangeMode mode)
{
    ElementWidget *current = currentElementWidget();
    if (!current) return;
    PageView *view = canvas()->view();
    std::vector<VGrfElement *> chosen = SelectionWalk(current->element());
    auto order = [view](VGrfElement *e) {
        const ElementWidget *w = view->widgetOf(e);
        return w ? w->selectionOrder() : 0;
    };
    std::stable_sort(chosen.begin(), chosen.end(),
                     [&](VGrfElement *a, VGrfElement *b) { return order(a) < order(b); });
    m_editor.arrange(chosen, mode);
}

void DesignTab::refuse(const QString &text)
{
    prompts().warning(T("Design Editor"), text);
}

void DesignTab::mnuDesign_Edit_UndoClick()
{
    editingState().cutElement = nullptr;
    m_editor.undoStack().undo();
}

void DesignTab::mnuDesign_Edit_RedoClick()
{
    editingState().cutElement = nullptr;
    m_editor.undoStack().redo();
}

PageTab::SaveDialog DesignTab::saveDialog() const
{
    const bool barcode = m_doc.ContainsBarCode();
    return {barcode ? T("Save *.ebt As...   [barcode gesign]") : T("Save *.edt As...   [normal design]"),
            T("Normal Design (*.edt)|*.edt|Barcode Design (*.ebt)|*.ebt|*.*|*.*"),
            barcode ? QStringLiteral("ebt") : QStringLiteral("edt")};
}

void DesignTab::refreshMenus()
{
    const bool pages = !m_doc.IsEmpty();
    // Undo stays at hand with no pages (a page deleted by mistake comes back); the commands that
    // need a page are greyed one by one.
    for (const char *name :
         {"mnuDesign_Page_Delete", "mnuDesign_Page_Copy", "mnuDesign_Page_Print", "mnuDesign_Page_PrintProperties",
          "mnuDesign_Page_Background", "mnuDesign_Page_ClearBackground", "mnuDesign_Page_Properties",
          "mnuDesign_Edit_Cut", "mnuDesign_Edit_Copy", "mnuDesign_Edit_Paste", "mnuDesign_Edit_Delete",
          "mnuDesign_Edit_SelectAll", "tbtnDesign_Page_ViewSource"})
        action(name)->setEnabled(pages);
    for (const char *name :
         {"mnuDesign_Insert_Label", "mnuDesign_Insert_BarCode", "mnuDesign_Insert_Group",
          "mnuDesign_Insert_Table", "mnuDesign_Insert_Picture", "mnuDesign_Arrange_AlignLeft",
          "mnuDesign_Arrange_AlignRight", "mnuDesign_Arrange_AlignTop", "mnuDesign_Arrange_AlignBottom",
          "mnuDesign_Arrange_AlignHCentres", "mnuDesign_Arrange_AlignVCentres",
          "mnuDesign_Arrange_DistributeH", "mnuDesign_Arrange_DistributeV", "mnuDesign_Arrange_SameWidth",
          "mnuDesign_Arrange_SameHeight", "mnuDesign_Arrange_SameSize"})
        action(name)->setEnabled(pages);
    for (const char *name :
         {"mnuDesign_Page_Paste", "mnuDesign_File_Save",
          "mnuDesign_File_Print", "mnuDesign_File_PrintProperties", "mnuDesign_Page_Print",
          "mnuDesign_Page_PrintProperties",
          "mnuDesign_File_SaveAs", "mnuDesign_File_Close", "mnuDesign_File_Preview",
          "mnuDesign_File_CheckPrintable", "mnuDesign_File_BlackWhite"})
        action(name)->setEnabled(pages);
    action("mnuDesign_File_Reload")->setEnabled(!m_doc.FileName().isEmpty());
    action("mnuDesign_Edit_Undo")->setEnabled(m_editor.undoStack().canUndo());
    action("mnuDesign_Edit_Redo")->setEnabled(m_editor.undoStack().canRedo());
    checkSwitches("mnuDesign_File_Preview", "mnuDesign_File_CheckPrintable", "mnuDesign_File_BlackWhite");
}

bool DesignTab::askSave()
{
    return askSaveChanges(T("Save changes in design document?"), [this] { return mnuDesign_File_SaveClick(); });
}

void DesignTab::clearDocument()
{
    cancelInsert();
    m_editor.forgetSteps();
    editingState() = EditingState{}; // the elements they name are gone
    canvas()->view()->setPage(nullptr);
    m_doc.Clear();
    m_editor.markSaved();
}

void DesignTab::mnuDesign_File_NewClick()
{
    if (!askSave()) return;
    clearDocument();
    m_doc.AddPage();
    m_editor.markSaved();
    fillPageTabs();
    refreshShell();
}

bool DesignTab::openDesign(const QString &path)
{
    clearDocument();
    const FileResult r = ReadDesignFile(m_doc, path);
    if (!r) prompts().warning(T("Design Editor"), r.error);
    m_editor.markSaved();
    m_doc.SetZoomAll(zoom());
    fillPageTabs();
    refreshShell();
    return bool(r);
}

void DesignTab::mnuDesign_File_OpenClick()
{
    if (!askSave()) return;
    const QString path = prompts().openFileName(
        T("Open *.edt/*.ebt file"), T("Normal Design (*.edt)|*.edt|Barcode Design (*.ebt)|*.ebt|*.*|*.*"));
    if (!path.isEmpty()) openDesign(path);
}

void DesignTab::mnuDesign_File_ReloadClick()
{
    if (!m_doc.FileName().isEmpty()) openDesign(m_doc.FileName());
}

void DesignTab::mnuDesign_File_CloseClick()
{
    if (!askSave()) return;
    clearDocument();
    fillPageTabs();
    refreshShell();
}

void DesignTab::mnuDesign_Page_NewClick()
{
    m_pageToShow = m_doc.PageCount();
    m_editor.newPage(zoom());
}

void DesignTab::mnuDesign_Page_DeleteClick()
{
    const int index = pageTabs()->currentIndex();
    if (index < 0) return;
    m_pageToShow = std::max(0, index - 1);
    canvas()->view()->setPage(nullptr);
    m_editor.deletePage(index);
}

void DesignTab::mnuDesign_Page_CopyClick()
{
    m_doc.MarkCopied(pageTabs()->currentIndex());
}

void DesignTab::mnuDesign_Page_PasteClick()
{
    const int index = pageTabs()->currentIndex();
    m_pageToShow = index;
    canvas()->view()->setPage(nullptr);
    if (!m_editor.pastePage(index)) showPage(index);
}

void DesignTab::mnuDesign_Page_BackgroundClick()
{
    const int index = pageTabs()->currentIndex();
    if (!m_doc.PageAt(index)) return;
    const QString path = prompts().openFileName(
        T("Background Picture"), QStringLiteral("*.jpg|*.jpg|*.jpeg|*.jpeg|*.bmp|*.bmp|*.gif|*.gif|*.png|*.png"));
    if (path.isEmpty()) return;
    auto picture = std::make_unique<VPicture>();
    if (!picture->LoadFile(path)) {
        prompts().warning(T("Design Editor"), path);
        return;
    }
    m_editor.setBackground(index, std::move(picture));
}

void DesignTab::mnuDesign_Page_ClearBackgroundClick()
{
    const int index = pageTabs()->currentIndex();
    if (m_doc.PageAt(index) && m_doc.PageAt(index)->Background()) m_editor.setBackground(index, nullptr);
}

void DesignTab::showProperties(VGrfElement &element)
{
    VPage *page = PageOf(m_doc, element);
    if (!page) return;
    // The element keeps its selection while the dialog has the focus.
    editingState().propertiesOpen = true;
    TfrmProperties dialog(m_editor, *page, element, prompts(), &m_shell);
    runDialog(dialog);
    if (ElementWidget *w = canvas()->view()->widgetOf(&dialog.element())) w->setFocus();
    m_shell.refreshStatus();
}

void DesignTab::tbtnDesign_Page_ViewSourceClick()
{
    const int index = pageTabs()->currentIndex();
    if (!m_doc.PageAt(index)) return;
    QString error;
    const QString text = PageSourceText(m_doc, index, &error);
    if (!error.isEmpty()) return prompts().warning(T("Design Editor"), error);
    TfrmViewSource dialog(text, &m_shell);
    if (runDialog(dialog) != QDialog::Accepted || dialog.text() == text) return;
    FileResult r;
    std::unique_ptr<VPage> page = PageFromSourceText(m_doc, index, dialog.text(), &r);
    if (!page) return prompts().warning(T("Design Editor"), r.error);
    m_pageToShow = index;
    canvas()->view()->setPage(nullptr);
    m_editor.replacePage(index, std::move(page));
}
