#pragma once

#include "app/dialogs/texted_dialog.h"
#include "print/printers.h"

#include <QHash>
#include <optional>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// A paper chosen in the paper list, with the printer it belongs to (empty for a form).
struct ChosenPaper {
    PaperForm form;
    QString printer;
};

// "All Paper Sizes": the printers with what Qt says about them, and the paper forms. OK hands
// back the chosen paper.
class TfrmPages : public TextedDialog
{
public:
    explicit TfrmPages(QWidget *parent = nullptr);

    QTreeWidget *tree() const { return m_tree; }
    // The paper of the selected line, if the line stands for one.
    std::optional<ChosenPaper> current() const;
    // What OK took; nothing after Cancel.
    std::optional<ChosenPaper> chosen() const { return m_chosen; }
    void applyTexts() override;

    // Runs the dialog modally.
    static std::optional<ChosenPaper> Choose(QWidget *parent);

private:
    void fill();
    void showCurrent();

    QTreeWidget *m_tree;
    QHash<QTreeWidgetItem *, ChosenPaper> m_papers;
    std::vector<QLabel *> m_values; // name, width, height, left, top, right, bottom
    QPushButton *m_ok;
    std::optional<ChosenPaper> m_chosen;
};
