#pragma once

#include "app/page_tab.h"

// The Design tab: the design document, its pages and its file commands.
class DesignTab : public PageTab
{
public:
    explicit DesignTab(TfrmMain &shell);
    const char *title() const override { return "Design Editor"; }
    void refreshMenus() override;
    bool askSave() override;

    void mnuDesign_File_NewClick();
    bool openDesign(const QString &path);
    void mnuDesign_File_OpenClick();
    void mnuDesign_File_ReloadClick();
    void mnuDesign_File_CloseClick();
    bool mnuDesign_File_SaveClick() { return saveDocument(); }
    bool mnuDesign_File_SaveAsClick() { return saveDocumentAs(); }
    void mnuDesign_Page_NewClick();
    void mnuDesign_Page_DeleteClick();
    void mnuDesign_Page_CopyClick();
    void mnuDesign_Page_PasteClick();
    void mnuDesign_Page_BackgroundClick();
    void mnuDesign_Page_ClearBackgroundClick();

protected:
    SaveDialog saveDialog() const override;
};
