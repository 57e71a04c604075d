#include "app/data/data_editor.h"

#include "app/app_texts.h"
#include "model/code_page.h"
#include "report/data_colouring.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>

void DataHighlighter::highlightBlock(const QString &text)
{
    for (const ColourRun &run : ColourDataLine(text)) {
        QTextCharFormat format;
        format.setForeground(run.colour);
        if (run.colour == DataValueColour()) format.setFontItalic(true);
        setFormat(int(run.start), int(run.length), format);
    }
}

DataEditor::DataEditor(QWidget *parent)
    : QPlainTextEdit(parent), m_highlighter(new DataHighlighter(document()))
{
    setObjectName(QStringLiteral("txtData"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(13);
    setFont(font);
}

bool DataEditor::findNext(const QString &needle, const SearchOptions &options)
{
    const QTextCursor cursor = textCursor();
    const qsizetype from = cursor.hasSelection() ? cursor.selectionEnd() : 0;
    const qsizetype at = FindForward(toPlainText(), needle, from, options);
    if (at < 0) return false;
    QTextCursor found(document());
    found.setPosition(int(at));
    found.setPosition(int(at + needle.size()), QTextCursor::KeepAnchor);
    setTextCursor(found);
    setFocus();
    return true;
}

bool DataEditor::replaceNext(const QString &needle, const QString &replacement, const SearchOptions &options)
{
    QTextCursor cursor = textCursor();
    const qsizetype start = cursor.selectionStart();
    const bool selectionIsMatch = cursor.hasSelection() && cursor.selectionEnd() - start == needle.size() &&
                                  FindForward(toPlainText(), needle, start, options) == start;
    if (selectionIsMatch) {
        cursor.insertText(replacement);
        setTextCursor(cursor); // no selection now: the search goes on after the replacement
    }
    const qsizetype from =
        textCursor().hasSelection() ? textCursor().selectionEnd() : textCursor().position();
    const qsizetype next = FindForward(toPlainText(), needle, from, options);
    if (next < 0) return selectionIsMatch;
    QTextCursor found(document());
    found.setPosition(int(next));
    found.setPosition(int(next + needle.size()), QTextCursor::KeepAnchor);
    setTextCursor(found);
    return true;
}

int DataEditor::replaceAll(const QString &needle, const QString &replacement, const SearchOptions &options)
{
    QString text = toPlainText();
    const int count = ReplaceAll(text, needle, replacement, options);
    if (count > 0) {
        // One edit, so a single Undo brings the text back.
        QTextCursor cursor(document());
        cursor.select(QTextCursor::Document);
        cursor.insertText(text);
    }
    return count;
}

QByteArray DataEditor::fileBytes() const
{
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    if (!text.isEmpty() && !text.endsWith(QStringLiteral("\r\n"))) text += QStringLiteral("\r\n");
    return EncodeAnsi(text);
}

void DataEditor::setFileBytes(const QByteArray &bytes)
{
    QString text = DecodeAnsi(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    setPlainText(text);
}

FindReplaceDialog::FindReplaceDialog(DataEditor *editor, bool replace, QWidget *parent)
    : QDialog(parent), m_editor(editor), m_replace(replace)
{
    auto *grid = new QGridLayout(this);
    m_findLabel = new QLabel(this);
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("findWhat"));
    grid->addWidget(m_findLabel, 0, 0);
    grid->addWidget(m_find, 0, 1);
    int row = 1;
    if (replace) {
        m_withLabel = new QLabel(this);
        m_with = new QLineEdit(this);
        m_with->setObjectName(QStringLiteral("replaceWith"));
        grid->addWidget(m_withLabel, row, 0);
        grid->addWidget(m_with, row, 1);
        ++row;
    }
    m_case = new QCheckBox(this);
    m_word = new QCheckBox(this);
    grid->addWidget(m_case, row, 0, 1, 2);
    grid->addWidget(m_word, row + 1, 0, 1, 2);
    auto *buttons = new QVBoxLayout;
    m_next = new QPushButton(this);
    m_next->setDefault(true);
    buttons->addWidget(m_next);
    connect(m_next, &QPushButton::clicked, this, [this] { m_editor->findNext(m_find->text(), options()); });
    if (replace) {
        m_replaceOne = new QPushButton(this);
        m_replaceAll = new QPushButton(this);
        buttons->addWidget(m_replaceOne);
        buttons->addWidget(m_replaceAll);
        connect(m_replaceOne, &QPushButton::clicked, this,
                [this] { m_editor->replaceNext(m_find->text(), m_with->text(), options()); });
        connect(m_replaceAll, &QPushButton::clicked, this,
                [this] { m_editor->replaceAll(m_find->text(), m_with->text(), options()); });
    }
    m_cancel = new QPushButton(this);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, row + 2, 1);
    retranslate();
}

void FindReplaceDialog::retranslate()
{
    setWindowTitle(m_replace ? T("Replace") : T("Find"));
    m_findLabel->setText(T("Find what:"));
    if (m_withLabel) m_withLabel->setText(T("Replace with:"));
    m_case->setText(T("Match case"));
    m_word->setText(T("Whole word"));
    m_next->setText(T("Find Next"));
    if (m_replaceOne) {
        m_replaceOne->setText(T("Replace"));
        m_replaceAll->setText(T("Replace All"));
    }
    m_cancel->setText(T("Cancel"));
}

SearchOptions FindReplaceDialog::options() const
{
    return SearchOptions{m_case->isChecked(), m_word->isChecked()};
}
