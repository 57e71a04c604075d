#pragma once

#include <QIcon>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class Prompts;
class QAction;
class QMenu;
class QToolBar;
class QWidget;
class TfrmMain;

// One of the program's own icons (SVG, compiled in).
QIcon AppIcon(const char *name);
// An action of the main window: a command (or, without run, a menu item shown greyed until its
// command exists). Any command makes a shown hint go away.
QAction *MakeCommandAction(QObject *parent, const QString &name, const std::function<void()> &run,
                           const QKeySequence &key = {});

// One working mode of the main window (design, data, report): the page of its tab, its actions,
// menus and toolbar, and the commands behind them. The shell (TfrmMain) shows one mode at a time
// and keeps the captions, the status line and what the modes share.
class ModeTab : public QObject
{
public:
    explicit ModeTab(TfrmMain &shell);

    // "Design Editor", "Data Editor" or "Report Viewer": the caption of the mode's messages.
    virtual const char *title() const = 0;
    // The widget of the mode's tab.
    virtual QWidget *sheet() const = 0;
    // Caption and status facts of the mode's document.
    virtual QString fileName() const = 0;
    virtual bool isModified() const = 0;
    virtual bool isPreview() const { return false; }
    // Enables and checks the mode's actions from the state of its document.
    virtual void refreshMenus() = 0;
    // The save question of the mode's document; false when the user cancelled or a save failed.
    virtual bool askSave() = 0;
    // The texts of the current language.
    virtual void applyTexts();

    const QList<QMenu *> &menus() const { return m_menus; }
    QToolBar *toolBar() const { return m_toolBar; }
    // Whether the action belongs to this mode: only the shown mode's shortcuts are live.
    bool owns(const QAction *action) const;

protected:
    QAction *add(const char *name, const char *text, const std::function<void()> &run,
                 const QKeySequence &key = {}, const char *icon = nullptr);
    // A menu or the toolbar from action names; nullptr is a separator and names starting with
    // '@' are added by addSpecial.
    QMenu *addMenu(const char *text, std::initializer_list<const char *> items,
                   const char *objectName = nullptr);
    void setToolBar(const char *name, std::initializer_list<const char *> items);
    virtual void addSpecial(const char *item, QMenu *menu, QToolBar *bar);
    // A menu made elsewhere (a submenu) whose title follows the language.
    void addMenuText(QMenu *menu, const char *text) { m_menuTexts.emplace_back(menu, text); }
    // Toolbar hints that differ from the menu texts.
    void setHints(std::initializer_list<std::pair<const char *, const char *>> hints);
    QAction *action(const char *name) const;
    Prompts &prompts() const;
    // askSave for a document saved by save: nothing to ask when unmodified; Yes saves, No goes
    // on without saving, Cancel (false) stays.
    bool askSaveChanges(const QString &question, const std::function<bool()> &save);
    // The shell's captions, status line and menus after a change of the mode's document.
    void refreshShell() const;

    TfrmMain &m_shell;

private:
    std::vector<std::pair<QAction *, const char *>> m_texts;
    std::vector<std::pair<QMenu *, const char *>> m_menuTexts;
    std::vector<std::pair<const char *, const char *>> m_hints;
    QList<QMenu *> m_menus;
    QToolBar *m_toolBar = nullptr;
};
