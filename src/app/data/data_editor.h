#pragma once

#include "report/text_search.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QSyntaxHighlighter>

class QCheckBox;
class QLineEdit;
class QPushButton;

// Colours the keywords and values of data lines as they are shown; the text itself stays plain.
class DataHighlighter : public QSyntaxHighlighter
{
public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

protected:
    void highlightBlock(const QString &text) override;
};

// The data text (txtData): plain text, no wrapping, tabs accepted, "Courier New" 13 pixels.
class DataEditor : public QPlainTextEdit
{
public:
    explicit DataEditor(QWidget *parent = nullptr);
    // Finds forward from the end of the selection (the start when nothing is selected) and selects
    // the match; false when there is none (nothing changes then).
    bool findNext(const QString &needle, const SearchOptions &options);
    // Replaces the selection when it is a match, then finds the next one.
    bool replaceNext(const QString &needle, const QString &replacement, const SearchOptions &options);
    int replaceAll(const QString &needle, const QString &replacement, const SearchOptions &options);
    // Lines joined with CR LF, as data files are stored.
    QByteArray fileBytes() const;
    void setFileBytes(const QByteArray &bytes);

private:
    DataHighlighter *m_highlighter;
};

// The small Find and Replace dialogs of the data editor (modeless).
class FindReplaceDialog : public QDialog
{
public:
    FindReplaceDialog(DataEditor *editor, bool replace, QWidget *parent);
    void retranslate();

private:
    SearchOptions options() const;
    DataEditor *m_editor;
    bool m_replace;
    QLineEdit *m_find;
    QLineEdit *m_with = nullptr;
    QCheckBox *m_case;
    QCheckBox *m_word;
    QPushButton *m_next;
    QPushButton *m_replaceOne = nullptr;
    QPushButton *m_replaceAll = nullptr;
    QPushButton *m_cancel;
    class QLabel *m_findLabel;
    class QLabel *m_withLabel = nullptr;
};
