#pragma once

#include "app/dialogs/pages_dialog.h"
#include "model/v_set_page.h"
#include "model/zel_font.h"

#include <QValidator>
#include <functional>
#include <optional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QWidget;
class VDropDownPalette;

// Millimetres as typed: at most four digits, one decimal separator ('.' and ',' both become the
// system's), at most three decimals; no leading zero or separator. Empty counts as 0.
class MillimetreValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};
// The value of a millimetre text; empty (or unreadable) is 0.
double MillimetreValue(const QString &text);
// Up to three decimals with the system's separator, trailing zeros left off.
QString MillimetreText(double mm);

// "Properties" of a page: its number and name, paper size and orientation, and its font. Works
// on copies; apply() (OK) writes them back, Cancel leaves the caller's records alone.
class TfrmPageProperties : public TextedDialog
{
public:
    // title says what is edited: the document's defaults or one page.
    TfrmPageProperties(VSetPage &record, TZelFont &font, const QString &selectedPrinter,
                       QWidget *parent = nullptr, const char *title = "Properties");

    // Writes the copies back; true when that changed anything.
    bool apply();
    bool setForAll() const;
    const VSetPage &pageCopy() const { return m_page; }
    const TZelFont &fontCopy() const { return m_font; }
    // Asks for a paper from the list of all papers ("..."); tests answer it themselves.
    std::function<std::optional<ChosenPaper>()> choosePaper;
    void applyTexts() override;

private:
    enum Mode { AllPages = 0, PrinterPages = 1, Manual = 2 };
    QWidget *parametersBox();
    QWidget *pageSizeBox();
    QWidget *orientationBox();
    QWidget *fontBox();
    QWidget *sizeRow(QWidget *parent, const char *label, QLineEdit *&edit, const char *name);
    void setMode(int mode, bool byUser);
    void fillPrinterPages();
    void takePaper(const ChosenPaper &paper);
    void showSize();
    void sizeEdited();
    void step(QLineEdit *edit, double delta);
    void showPicture();
    void fillFontList();
    void showFont();

    VSetPage &m_record;
    TZelFont &m_fontRecord;
    VSetPage m_page;
    TZelFont m_font;
    QString m_printer; // the printer whose papers are listed
    bool m_loading = false;
    std::vector<PaperForm> m_forms;
    std::vector<PaperForm> m_printerPapers;

    QLineEdit *m_id = nullptr, *m_name = nullptr, *m_width = nullptr, *m_height = nullptr;
    QButtonGroup *m_modes = nullptr, *m_orientations = nullptr;
    QWidget *m_allBox = nullptr, *m_printerBox = nullptr, *m_manualBox = nullptr;
    QComboBox *m_allPages = nullptr, *m_printers = nullptr, *m_printerPages = nullptr;
    QLabel *m_picture = nullptr, *m_fontName = nullptr, *m_example = nullptr;
    QCheckBox *m_setForAll = nullptr, *m_trueTypeOnly = nullptr, *m_deviceOnly = nullptr;
    QListWidget *m_fonts = nullptr;
    QDoubleSpinBox *m_fontHeight = nullptr, *m_fontWidth = nullptr, *m_fontSpace = nullptr;
    QCheckBox *m_italic = nullptr, *m_bold = nullptr, *m_underline = nullptr, *m_strikeOut = nullptr;
    VDropDownPalette *m_colour = nullptr;
    QComboBox *m_charSet = nullptr;
    bool m_fontPicked = false;
};

// Runs the page properties dialog modally on record and font; true after OK. setForAll (may be
// null) tells whether the caller is to give every page the settings.
bool EditPageProperties(VSetPage &record, TZelFont &font, const QString &selectedPrinter, bool *setForAll,
                        QWidget *parent);
