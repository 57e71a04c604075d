#include "app/mode_tab.h"

#include "app/app_texts.h"
#include "app/main_window.h"
#include "app/prompts.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolTip>

QIcon AppIcon(const char *name)
{
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

QAction *MakeCommandAction(QObject *parent, const QString &name, const std::function<void()> &run,
                           const QKeySequence &key)
{
    auto *a = new QAction(parent);
    a->setObjectName(name);
    if (!key.isEmpty()) {
        a->setShortcut(key);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    }
    if (run)
        QObject::connect(a, &QAction::triggered, parent, [run] {
            QToolTip::hideText(); // a hint goes away with the next command
            run();
        });
    else
        a->setEnabled(false); // delivered by later work; shown so the menus are complete
    return a;
}

ModeTab::ModeTab(TfrmMain &shell) : QObject(&shell), m_shell(shell) {}

QAction *ModeTab::add(const char *name, const char *text, const std::function<void()> &run,
                      const QKeySequence &key, const char *icon)
{
    // Parented to the window: its shortcuts work anywhere in it and findChild finds it.
    QAction *a = MakeCommandAction(&m_shell, QLatin1String(name), run, key);
    if (icon) a->setIcon(AppIcon(icon));
    m_texts.emplace_back(a, text);
    return a;
}

QAction *ModeTab::action(const char *name) const
{
    return m_shell.action(QLatin1String(name));
}

bool ModeTab::owns(const QAction *action) const
{
    for (const auto &[a, text] : m_texts)
        if (a == action) return true;
    return false;
}

QMenu *ModeTab::addMenu(const char *text, std::initializer_list<const char *> items, const char *objectName)
{
    auto *m = new QMenu(&m_shell);
    if (objectName) m->setObjectName(QLatin1String(objectName));
    m_menuTexts.emplace_back(m, text);
    for (const char *item : items) {
        if (!item)
            m->addSeparator();
        else if (item[0] == '@')
            addSpecial(item, m, nullptr);
        else
            m->addAction(action(item));
    }
    m_menus.append(m);
    return m;
}

void ModeTab::setToolBar(const char *name, std::initializer_list<const char *> items)
{
    m_toolBar = new QToolBar(&m_shell);
    m_toolBar->setObjectName(QLatin1String(name));
    m_toolBar->setMovable(false);
    for (const char *item : items) {
        if (!item)
            m_toolBar->addSeparator();
        else if (item[0] == '@')
            addSpecial(item, nullptr, m_toolBar);
        else
            m_toolBar->addAction(action(item));
    }
}

void ModeTab::addSpecial(const char *, QMenu *, QToolBar *) {}

void ModeTab::setHints(std::initializer_list<std::pair<const char *, const char *>> hints)
{
    m_hints.assign(hints);
}

namespace
{
// A toolbar button names its command and, when it has one, its key: "Export (F6)".
QString withKey(const QString &text, const QAction *a)
{
    const QKeySequence key = a->shortcut();
    return key.isEmpty()
               ? text
               : text + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) + QLatin1Char(')');
}
} // namespace

void ModeTab::applyTexts()
{
    for (const auto &[a, text] : m_texts) {
        a->setText(T(text));
        a->setToolTip(withKey(T(text), a));
    }
    for (const auto &[m, text] : m_menuTexts)
        m->setTitle(T(text));
    for (const auto &[name, hint] : m_hints)
        action(name)->setToolTip(withKey(T(hint), action(name)));
}

Prompts &ModeTab::prompts() const
{
    return m_shell.prompts();
}

bool ModeTab::askSaveChanges(const QString &question, const std::function<bool()> &save)
{
    if (!isModified()) return true;
    switch (prompts().askYesNoCancel(T(title()), question)) {
    case Prompts::Yes:
        return save();
    case Prompts::No:
        return true;
    default:
        return false;
    }
}

void ModeTab::refreshShell() const
{
    m_shell.refreshMenus();
    m_shell.refreshCaption();
    m_shell.refreshStatus();
}
