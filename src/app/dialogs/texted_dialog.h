#pragma once

#include "app/app_texts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QGroupBox>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <utility>
#include <vector>

// A list entry in the interface language that follows language switches.
void AddTextItem(QComboBox *box, const char *english, int data);
// Sets the texts of the AddTextItem entries under root in the current language again.
void RetextItems(QWidget *root);

// A dialog whose texts are set again when the language changes.
class TextedDialog : public QDialog
{
public:
    using QDialog::QDialog;

    // Sets the texts of the current language again.
    virtual void applyTexts()
    {
        setWindowTitle(T(m_title));
        for (const auto &[object, english] : m_texts)
            retext(object, english);
    }

protected:
    void setTitle(const char *english) { m_title = english; }
    template <class W> W *texted(W *widget, const char *english)
    {
        retext(widget, english);
        m_texts.emplace_back(widget, english);
        return widget;
    }
    // Radio buttons in box, one above the other (or side by side), numbered from 0 in a group
    // called name.
    QButtonGroup *radioGroup(QWidget *box, std::initializer_list<const char *> texts, const char *name,
                             bool sideBySide = false)
    {
        auto *group = new QButtonGroup(box);
        group->setObjectName(QLatin1String(name));
        QBoxLayout *layout = sideBySide ? static_cast<QBoxLayout *>(new QHBoxLayout(box)) : new QVBoxLayout(box);
        int id = 0;
        for (const char *text : texts) {
            auto *r = texted(new QRadioButton(box), text);
            group->addButton(r, id++);
            layout->addWidget(r);
        }
        return group;
    }
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange) applyTexts();
        QDialog::changeEvent(event);
    }

private:
    static void retext(QObject *object, const char *english)
    {
        if (auto *b = qobject_cast<QAbstractButton *>(object))
            b->setText(T(english));
        else if (auto *l = qobject_cast<QLabel *>(object))
            l->setText(T(english));
        else if (auto *g = qobject_cast<QGroupBox *>(object))
            g->setTitle(T(english));
    }
    const char *m_title = "";
    std::vector<std::pair<QObject *, const char *>> m_texts;
};
