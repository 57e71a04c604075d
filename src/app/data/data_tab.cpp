#include "app/data/data_tab.h"

#include "app/app_texts.h"
#include "app/data/data_editor.h"
#include "app/design/design_tab.h"
#include "app/main_window.h"
#include "app/prompts.h"
#include "files/atomic_file.h"
#include "files/data_template.h"
#include "files/file_checks.h"
#include "report/report_names.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QFontDialog>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>

DataTab::DataTab(TfrmMain &shell) : ModeTab(shell)
{
    m_stack = new QStackedWidget;
    m_panel = new QLabel;
    m_panel->setObjectName(QStringLiteral("pDataPanel"));
    m_panel->setAlignment(Qt::AlignCenter);
    m_editor = new DataEditor;
    m_stack->addWidget(m_panel);
    m_stack->addWidget(m_editor);
    connect(m_editor, &QPlainTextEdit::modificationChanged, this, [this] {
        m_shell.refreshStatus();
        m_shell.refreshCaption();
    });
    connect(m_editor, &QPlainTextEdit::textChanged, this, [this] { m_shell.refreshMenus(); });

    add(
        "mnuData_File_New", "New", [this] { mnuData_File_NewClick(); }, {}, "new");
    add(
        "mnuData_File_Open", "Open", [this] { mnuData_File_OpenClick(); }, {}, "open");
    add("mnuData_File_Reload", "Reload", [this] { mnuData_File_ReloadClick(); });
    add(
        "mnuData_File_Close", "Close", [this] { mnuData_File_CloseClick(); }, {}, "close");
    add(
        "mnuData_File_CreateType1", "Create Type 1", [this] { mnuData_File_CreateTypeClick(1); }, {},
        "type1");
    add(
        "mnuData_File_CreateType2", "Create Type 2", [this] { mnuData_File_CreateTypeClick(2); }, {},
        "type2");
    add(
        "mnuData_File_Save", "Save", [this] { mnuData_File_SaveClick(); }, QKeySequence(Qt::CTRL | Qt::Key_S),
        "save");
    add("mnuData_File_SaveAs", "Save As", [this] { mnuData_File_SaveAsClick(); });
    add("mnuData_File_View", "View", nullptr);
    add("mnuData_File_PrintProperties", "Print Properties", nullptr);
    add("mnuData_File_Print", "Print", nullptr);
    add("mnuData_File_Exit", "Exit", [this] { m_shell.close(); });
    add("mnuData_Edit_Undo", "Undo", [this] { m_editor->undo(); });
    add("mnuData_Edit_Redo", "Redo", [this] { m_editor->redo(); });
    add("mnuData_Edit_Cut", "Cut", [this] { m_editor->cut(); });
    add("mnuData_Edit_Copy", "Copy", [this] { m_editor->copy(); });
    add("mnuData_Edit_Paste", "Paste", [this] { m_editor->paste(); });
    add("mnuData_Edit_Delete", "Delete", [this] { m_editor->textCursor().removeSelectedText(); });
    add("mnuData_Edit_SelectAll", "Select All", [this] { m_editor->selectAll(); });
    add(
        "mnuData_Search_Find", "Find", [this] { mnuData_Search_FindClick(); },
        QKeySequence(Qt::CTRL | Qt::Key_F));
    add(
        "mnuData_Search_Replace", "Replace", [this] { mnuData_Search_ReplaceClick(); },
        QKeySequence(Qt::CTRL | Qt::Key_R));
    add(
        "mnuData_Format_Font", "Font", [this] { mnuData_Format_FontClick(); }, {}, "font");

    addMenu("File", {"mnuData_File_New", "mnuData_File_Open", "mnuData_File_Reload", "mnuData_File_Close",
                     nullptr, "mnuData_File_CreateType1", "mnuData_File_CreateType2", nullptr,
                     "mnuData_File_Save", "mnuData_File_SaveAs", nullptr, "mnuData_File_View",
                     "mnuData_File_PrintProperties", "mnuData_File_Print", nullptr, "mnuData_File_Exit"});
    addMenu("Edit",
            {"mnuData_Edit_Undo", "mnuData_Edit_Redo", nullptr, "mnuData_Edit_Cut", "mnuData_Edit_Copy",
             "mnuData_Edit_Paste", "mnuData_Edit_Delete", nullptr, "mnuData_Edit_SelectAll"},
            "mnuData_Edit");
    addMenu("Search", {"mnuData_Search_Find", "mnuData_Search_Replace"}, "mnuData_Search");
    addMenu("Format", {"mnuData_Format_Font"}, "mnuData_Format");
    setToolBar("ToolBar_Data",
               {"mnuData_File_New", "mnuData_File_Open", "mnuData_File_Save", "mnuData_File_Close", nullptr,
                "mnuData_File_CreateType1", "mnuData_File_CreateType2", nullptr, "mnuData_Format_Font"});
    setHints({
        {"mnuData_File_New", "New data"},
        {"mnuData_File_Open", "Open data"},
        {"mnuData_File_Save", "Save data"},
        {"mnuData_File_Close", "Close data"},
        {"mnuData_File_CreateType1", "Generate template of data\nfor normal design"},
        {"mnuData_File_CreateType2", "Generate template of data\nfor repeating design"},
        {"mnuData_Format_Font", "Font settings"},
    });
}

QWidget *DataTab::sheet() const
{
    return m_stack;
}

bool DataTab::isModified() const
{
    return m_shown && m_editor->document()->isModified();
}

void DataTab::applyTexts()
{
    ModeTab::applyTexts();
    m_panel->setText(T("Data document not exists."));
    if (m_find) m_find->retranslate();
    if (m_replace) m_replace->retranslate();
}

void DataTab::refreshMenus()
{
    for (QMenu *menu : menus().mid(1))
        menu->setEnabled(m_shown);
    for (const char *name : {"mnuData_Search_Find", "mnuData_Search_Replace", "mnuData_Format_Font",
                             "mnuData_File_Save", "mnuData_File_SaveAs", "mnuData_File_Close"})
        action(name)->setEnabled(m_shown);
    action("mnuData_File_Reload")->setEnabled(!m_fileName.isEmpty());
}

bool DataTab::askSave()
{
    return askSaveChanges(T("Save changes in data document?"), [this] { return mnuData_File_SaveClick(); });
}

void DataTab::setShown(bool shown)
{
    m_shown = shown;
    m_stack->setCurrentWidget(shown ? static_cast<QWidget *>(m_editor) : m_panel);
    refreshShell();
}

void DataTab::loadText(const QString &path)
{
    QFile f(path);
    if (f.open(QIODevice::ReadOnly)) m_editor->setFileBytes(f.readAll());
    m_editor->document()->setModified(false);
}

bool DataTab::writeTo(const QString &path)
{
    QString error = OutputOverwritesInput(path, m_shell.openFilesBut(this));
    if (error.isEmpty() && WriteFileAtomically(path, m_editor->fileBytes(), &error)) return true;
    prompts().warning(T("Data Editor"), error);
    return false;
}

void DataTab::clear()
{
    m_editor->clear();
    m_editor->document()->setModified(false);
    m_fileName.clear();
}

void DataTab::mnuData_File_NewClick()
{
    if (!askSave()) return;
    m_fileName.clear();
    QStringList lines;
    WriteNewDataTemplate(lines);
    m_editor->setPlainText(lines.join(QLatin1Char('\n')));
    m_editor->document()->setModified(false);
    setShown(true);
}

bool DataTab::openData(const QString &path)
{
    if (!QFileInfo::exists(path)) return false;
    m_fileName = path;
    loadText(path);
    setShown(true);
    return true;
}

void DataTab::mnuData_File_OpenClick()
{
    if (!askSave()) return;
    const QString path = prompts().openFileName(
        T("Open *.edd/*.ebd file"), T("Normal data (*.edd)|*.edd|Barcode data (*.ebd)|*.ebd|*.*|*.*"));
    if (!path.isEmpty()) openData(path);
}

void DataTab::mnuData_File_ReloadClick()
{
    if (m_fileName.isEmpty()) return;
    if (!QFileInfo::exists(m_fileName)) {
        prompts().warning(T("Data Editor"), m_fileName + QLatin1Char('\n') + T("- file not exists."));
        return;
    }
    loadText(m_fileName);
    setShown(true);
}

void DataTab::mnuData_File_CloseClick()
{
    if (!askSave()) return;
    clear();
    setShown(false);
}

void DataTab::mnuData_File_CreateTypeClick(int dataType)
{
    if (!askSave()) return;
    m_fileName.clear();
    const VDoc &design = m_shell.design().document();
    QStringList lines;
    QStringList unwritable;
    WriteDataTemplate(design, lines, dataType, &unwritable);
    m_editor->setPlainText(lines.join(QLatin1Char('\n')));
    if (!design.FileName().isEmpty()) m_fileName = DataFileName(design.FileName());
    setShown(true);
    if (!unwritable.isEmpty())
        prompts().warning(T("Data Editor"), unwritable.join(QLatin1Char('\n')) +
                                                QStringLiteral("\nThe template leaves these out."));
}

bool DataTab::mnuData_File_SaveClick()
{
    if (m_fileName.isEmpty()) return mnuData_File_SaveAsClick();
    if (!writeTo(m_fileName)) return false;
    m_editor->document()->setModified(false);
    m_shell.refreshStatus();
    m_shell.refreshCaption();
    return true;
}

bool DataTab::mnuData_File_SaveAsClick()
{
    // The data save dialog keeps the normal-data title and extension whatever the design is.
    const QString path =
        prompts().saveFileName(T("Save *.edd As...   [normal data template]"), QStringLiteral("*.edd|*.edd"),
                               QStringLiteral(".edd"), m_fileName);
    if (path.isEmpty()) return false;
    const QString refusal = OutputOverwritesInput(path, m_shell.openFilesBut(this));
    if (!refusal.isEmpty()) {
        prompts().warning(T("Data Editor"), refusal);
        return false;
    }
    m_fileName = path;
    return mnuData_File_SaveClick();
}

void DataTab::mnuData_Search_FindClick()
{
    if (!m_find) m_find = new FindReplaceDialog(m_editor, false, &m_shell);
    m_find->show();
    m_find->raise();
}

void DataTab::mnuData_Search_ReplaceClick()
{
    if (!m_replace) m_replace = new FindReplaceDialog(m_editor, true, &m_shell);
    m_replace->show();
    m_replace->raise();
}

void DataTab::mnuData_Format_FontClick()
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, m_editor->font(), &m_shell);
    if (ok) m_editor->setFont(font);
}
