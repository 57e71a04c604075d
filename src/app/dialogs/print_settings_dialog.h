#pragma once

#include "app/dialogs/texted_dialog.h"
#include "model/v_set_prn.h"

#include <QValidator>

class Prompts;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;

// Page numbers as they are typed: digits, ',' and '-', and after a ',' or '-' no other one and no '0'.
class PageNumbersValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

// Copies as they are typed: up to three digits.
class CopiesValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

// The print settings dialog: the printer to print on, and the quality, colour, pages and copies
// of a print settings record.
class TfrmSets : public TextedDialog
{
public:
    TfrmSets(VSetPrn &record, Prompts &prompts, QWidget *parent = nullptr);

    // The printer named above the list (the one Select makes the program's printer).
    QString printerShown() const;
    void applyTexts() override;
    QListWidget *printerList() const { return m_printers; }
    // Buttons of the Printer tab, the Print tab and the dialog.
    void selectPrinterClick();
    void defaultPrinterClick();
    void selectPrintClick();
    void defaultPrintClick();
    void applyClick();
    void copiesUp();
    void copiesDown();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showPrinter(const QString &name);
    void fill();
    void store(); // the Print tab's fields into the record
    int copies() const;

    VSetPrn &m_record;
    Prompts &m_prompts;
    QString m_default;
    QLabel *m_printer;
    QListWidget *m_printers;
    QButtonGroup *m_quality, *m_colour, *m_pages;
    QLineEdit *m_numbers, *m_copies;
    QTabWidget *m_tabs;
};
