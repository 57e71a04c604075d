#pragma once

#include "app/mode_tab.h"

#include <QString>

class DataEditor;
class FindReplaceDialog;
class QLabel;
class QStackedWidget;

// The Data tab: the data text in its editor, or a notice while there is none.
class DataTab : public ModeTab
{
public:
    explicit DataTab(TfrmMain &shell);
    const char *title() const override { return "Data Editor"; }
    QWidget *sheet() const override;
    QString fileName() const override { return m_fileName; }
    bool isModified() const override;
    void refreshMenus() override;
    bool askSave() override;
    void applyTexts() override;

    DataEditor *editor() const { return m_editor; }
    bool isShown() const { return m_shown; }
    // Writes the editor's text to path (refused when path is another open document's file).
    bool writeTo(const QString &path);
    // Forgets the text (closing the window).
    void clear();

    void mnuData_File_NewClick();
    bool openData(const QString &path);
    void mnuData_File_OpenClick();
    void mnuData_File_ReloadClick();
    void mnuData_File_CloseClick();
    void mnuData_File_CreateTypeClick(int dataType);
    bool mnuData_File_SaveClick();
    bool mnuData_File_SaveAsClick();
    void mnuData_Search_FindClick();
    void mnuData_Search_ReplaceClick();
    void mnuData_Format_FontClick();

private:
    void setShown(bool shown);
    void loadText(const QString &path);

    QString m_fileName;
    bool m_shown = false;
    QStackedWidget *m_stack;
    QLabel *m_panel;
    DataEditor *m_editor;
    FindReplaceDialog *m_find = nullptr;
    FindReplaceDialog *m_replace = nullptr;
};
