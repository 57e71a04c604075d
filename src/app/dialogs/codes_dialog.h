#pragma once

#include "files/code_table.h"

#include <QDialog>

class Prompts;
class QLabel;
class QPushButton;
class QSettings;
class QTableWidget;

// Where the operation code table of a code page is: the folder stored under Codes/Folder (by
// default Corvant/Default in the user's data folder) and the table's name for the language.
// Empty when the code page has no table.
QString CodeTablePath(QSettings &store, int codePage);
// The same from the program's own settings and the interface code page.
QString CodeTablePath();

// Picks an operation code (mode 0) or a sub-code of one code (mode 1) from the code table.
class TfrmCodes : public QDialog
{
    Q_OBJECT
public:
    enum : int { CodeMode = 0, SubcodeMode = 1 };

    TfrmCodes(const QString &tablePath, Prompts &prompts, QWidget *parent = nullptr);

    // The working fields, set before the dialog is shown; code and subcode also carry the answer.
    int Mode = CodeMode;
    int Module = 0;
    int Code = 0;
    int Subcode = 0;

    // Fills the grid for the mode; showing the dialog calls it.
    void FormShow();
    QTableWidget *grid() const { return m_grid; }

public slots:
    void OkBtnClick();
    void CancelBtnClick();
    void HelpBtnClick();
    void CodeGridDblClick(int row);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void choose(int row);
    void fitColumns();

    QString m_tablePath;
    Prompts &m_prompts;
    QLabel *m_moduleName;
    QLabel *m_codeCaption;
    QLabel *m_codeText;
    QLabel *m_listCaption;
    QTableWidget *m_grid;
};

// Modal pickers; on OK (result 1) the choice is written back. The result is the dialog's.
int SelectCode(int module, int &code, QWidget *parent = nullptr);
int SelectSubcode(int module, int code, int &subcode, QWidget *parent = nullptr);
