#pragma once

#include <QString>

class QWidget;

// Message boxes and file dialogs behind one seam, so that tests answer them without a person.
class Prompts
{
public:
    enum Answer { Yes, No, Cancel };
    virtual ~Prompts() = default;
    // Exclamation icon, OK.
    virtual void warning(const QString &caption, const QString &text) = 0;
    // Information icon, OK.
    virtual void information(const QString &caption, const QString &text) = 0;
    // Exclamation icon, Yes / No / Cancel.
    virtual Answer askYesNoCancel(const QString &caption, const QString &text) = 0;
    // filter in the "Name (*.x)|*.x|..." form; an empty result means cancelled.
    virtual QString openFileName(const QString &title, const QString &filter) = 0;
    virtual QString saveFileName(const QString &title, const QString &filter, const QString &defaultSuffix,
                                 const QString &proposal) = 0;
};

// The real dialogs, parented to a window.
class WidgetPrompts : public Prompts
{
public:
    explicit WidgetPrompts(QWidget *parent = nullptr) : m_parent(parent) {}
    void warning(const QString &caption, const QString &text) override;
    void information(const QString &caption, const QString &text) override;
    Answer askYesNoCancel(const QString &caption, const QString &text) override;
    QString openFileName(const QString &title, const QString &filter) override;
    QString saveFileName(const QString &title, const QString &filter, const QString &defaultSuffix,
                         const QString &proposal) override;

private:
    QWidget *m_parent;
};

// "Normal Design (*.edt)|*.edt|*.*|*.*" -> "Normal Design (*.edt);;*.* (*)".
QString QtFileFilter(const QString &pipeFilter);
