#pragma once

#include "app/prompts.h"

#include <QStringList>
#include <deque>

// Answers message boxes and file dialogs from queues and records what was asked.
class FakePrompts : public Prompts
{
public:
    struct Shown {
        QString kind;
        QString caption;
        QString text;
    };
    std::vector<Shown> shown;
    std::deque<Answer> answers;
    std::deque<QString> files;

    void warning(const QString &caption, const QString &text) override
    {
        shown.push_back({"warning", caption, text});
    }
    void information(const QString &caption, const QString &text) override
    {
        shown.push_back({"information", caption, text});
    }
    Answer askYesNoCancel(const QString &caption, const QString &text) override
    {
        shown.push_back({"question", caption, text});
        if (answers.empty()) return Cancel;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    QString openFileName(const QString &title, const QString &) override { return nextFile(title); }
    QString saveFileName(const QString &title, const QString &, const QString &, const QString &) override
    {
        return nextFile(title);
    }

private:
    QString nextFile(const QString &title)
    {
        shown.push_back({"file", title, {}});
        if (files.empty()) return {};
        const QString f = files.front();
        files.pop_front();
        return f;
    }
};
