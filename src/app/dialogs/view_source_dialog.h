#pragma once

#include <QDialog>

class QPlainTextEdit;

// A page's XML in an editor with XML colours; OK hands the edited text back.
class TfrmViewSource : public QDialog
{
public:
    explicit TfrmViewSource(const QString &text, QWidget *parent = nullptr);
    QString text() const;
    QPlainTextEdit *editor() const { return m_source; }

private:
    QPlainTextEdit *m_source;
};
