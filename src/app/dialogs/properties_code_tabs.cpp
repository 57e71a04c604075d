// The properties dialog's tabs for codes: BarCode, and Data Codes (the accounting system's
// operation codes).
#include "app/app_texts.h"
#include "app/dialogs/codes_dialog.h"
#include "app/dialogs/colour_button.h"
#include "app/dialogs/properties_dialog.h"
#include "files/code_table.h"
#include "model/v_grf_element.h"
#include "render/barcode_calc.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QValidator>

namespace
{
// Keeps the value box to what the chosen symbology can hold while typing: upper case where the
// symbology has no lower case, digits where it has only digits. Whether the whole value can be
// drawn is checked when typing is over.
class BarCodeValueValidator : public QValidator
{
public:
    using QValidator::QValidator;
    int type = 0;
    State validate(QString &input, int &) const override
    {
        if (VBarCodeCalc::UpperCaseOnly(type)) input = input.toUpper();
        if (VBarCodeCalc::DigitsOnly(type))
            for (QChar c : input)
                if (c < QLatin1Char('0') || c > QLatin1Char('9')) return Invalid;
        return input.size() <= VBarCodeCalc::MaxLength(type) ? Acceptable : Invalid;
    }
};

// A code taken from a list is an edit of the box, as if typed.
void putText(QLineEdit *box, const QString &text)
{
    box->setText(text);
    emit box->textEdited(text);
}
} // namespace

namespace
{
const char *const kTypes[] = {"Other",      "EAN-8",     "EAN-13", "UPCA",   "UPCE",  "Code39",  "Code128",
                              "CodeBar",    "InterLeave", "FullASCII", "ITF", "Code93", "KareKod"};

VBarCode &record(VGrfElement &e)
{
    return e.EnsureBarCode();
}
const VBarCode *existing(const VGrfElement &e)
{
    return e.BarCode();
}
} // namespace

QWidget *TfrmProperties::barCodeTab()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);

    auto *code = new QLineEdit(page);
    code->setObjectName(QStringLiteral("edBarCode"));
    code->setMaxLength(255);
    auto *validator = new BarCodeValueValidator(code);
    code->setValidator(validator);
    auto *problem = new QLabel(page);
    problem->setObjectName(QStringLiteral("lblBarCodeProblem"));
    problem->setStyleSheet(QStringLiteral("color: #b00000"));
    problem->setWordWrap(true);
    // The value is checked against the type, so it is taken when typing is over, not per key.
    auto explain = [problem](int type, const QString &value, const VBarCodeCalc::ValueCheck &check) {
        problem->setText(check.ok() ? QString()
                         : check.badIndex >= 0
                             ? T("\"%1\" cannot be written in %2.")
                                   .arg(value.mid(check.badIndex, 1), QLatin1String(kTypes[type]))
                             : check.message);
    };
    // A type changed under a value it cannot hold says so at once.
    onFill([this, code, validator, explain] {
        const VBarCode *b = existing(*m_element);
        validator->type = b ? b->Type() : 0;
        code->setMaxLength(VBarCodeCalc::MaxLength(validator->type));
        if (!(m_refilling && code->hasFocus())) code->setText(b ? b->Value() : QString());
        if (b && b->Type() >= 0 && b->Type() < int(std::size(kTypes)))
            explain(b->Type(), b->Value(), VBarCodeCalc::CheckValue(b->Type(), b->Value(), b->CheckDigitComputed()));
    });
    const int codeControl = nextControl();
    connect(code, &QLineEdit::editingFinished, this, [this, code, explain, codeControl] {
        const VBarCode *b = existing(*m_element);
        if (b && b->Value() == code->text()) return;
        const QString value = code->text();
        const int type = b && b->Type() >= 0 && b->Type() < int(std::size(kTypes)) ? b->Type() : 0;
        // A value the symbology cannot hold would print nothing: it is refused here, with why.
        const VBarCodeCalc::ValueCheck check =
            VBarCodeCalc::CheckValue(type, value, !b || b->CheckDigitComputed());
        explain(type, value, check);
        if (!check.ok()) {
            code->setText(b ? b->Value() : QString());
            return;
        }
        edit(codeControl, [&](VGrfElement &e) { record(e).SetValue(value); });
    });
    m_checkSum = new QLabel(page);
    m_checkSum->setObjectName(QStringLiteral("lblCheckSum"));
    onFill([this] {
        const VBarCode *b = existing(*m_element);
        m_checkSum->setText(b ? VBarCodeCalc::Shared().CheckCharacter(b->Type(), b->Value()) : QString());
    });
    grid->addWidget(texted(new QLabel(page), "Code"), 0, 0);
    grid->addWidget(code, 0, 1, 1, 2);
    grid->addWidget(m_checkSum, 0, 3);

    auto *type = new QComboBox(page);
    type->setObjectName(QStringLiteral("cbBarCodeType"));
    for (int i = 0; i < int(std::size(kTypes)); ++i)
        type->addItem(QString::fromLatin1(kTypes[i]), i);
    bindCombo(type, [](const VGrfElement &e) { return existing(e) ? existing(e)->Type() : 0; },
              [](VGrfElement &e, int v) { record(e).SetType(v); });
    auto *valueType = new QComboBox(page);
    valueType->setObjectName(QStringLiteral("cbBarCodeValueType"));
    int id = 0;
    for (const char *text : {"AutoSet by type", "Array of codes", "String of characters"})
        AddTextItem(valueType, text, id++);
    bindCombo(valueType, [](const VGrfElement &e) { return existing(e) ? existing(e)->ValueType() : 0; },
              [](VGrfElement &e, int v) { record(e).SetValueType(v); });
    grid->addWidget(texted(new QLabel(page), "Type"), 1, 0);
    grid->addWidget(type, 1, 1);
    grid->addWidget(valueType, 1, 2, 1, 2);

    auto *checkSum = texted(new QCheckBox(page), "CheckSum");
    checkSum->setObjectName(QStringLiteral("chkCheckSum"));
    bindCheck(checkSum, [](const VGrfElement &e) { return existing(e) && existing(e)->CheckDigitComputed(); },
              [](VGrfElement &e, bool on) { record(e).SetCheckDigitComputed(on); });
    auto *show = texted(new QCheckBox(page), "Show Value");
    show->setObjectName(QStringLiteral("chkShowValue"));
    bindCheck(show, [](const VGrfElement &e) { return existing(e) && existing(e)->ShowValue(); },
              [](VGrfElement &e, bool on) { record(e).SetShowValue(on); });
    grid->addWidget(checkSum, 2, 0);
    grid->addWidget(show, 2, 1);

    auto radioBox = [this, page](const char *title, std::initializer_list<const char *> texts, const char *name) {
        auto *box = texted(new QGroupBox(page), title);
        return std::pair{box, radioGroup(box, texts, name, true)};
    };
    auto [position, positions] = radioBox("Position", {"Top", "Bottom"}, "rgValuePos");
    bindRadios(positions, [](const VGrfElement &e) { return existing(e) ? existing(e)->ValuePos() : 1; },
               [](VGrfElement &e, int v) { record(e).SetValuePos(v); });
    auto [fontSize, fontSizes] = radioBox("Font Size", {"Auto calculate", "Manual set"}, "rgFontSizeSet");
    bindRadios(fontSizes, [](const VGrfElement &e) { return existing(e) ? existing(e)->FontSizeSet() : 0; },
               [](VGrfElement &e, int v) { record(e).SetFontSizeSet(v); });
    auto [orientation, orientations] = radioBox("Orientation", {"0°", "90°", "180°", "270°"}, "rgBarOrientation");
    bindRadios(orientations, [](const VGrfElement &e) { return existing(e) ? existing(e)->Orientation() : 0; },
               [](VGrfElement &e, int v) { record(e).SetOrientation(v); });
    grid->addWidget(position, 3, 0, 1, 2);
    grid->addWidget(fontSize, 3, 2, 1, 2);
    grid->addWidget(orientation, 4, 0, 1, 4);

    auto *colour = new VDropDownPalette(page);
    colour->setObjectName(QStringLiteral("cpBarCodeColor"));
    bindColour(colour, [](const VGrfElement &e) { return existing(e) ? existing(e)->Color() : ColorRef(0); },
               [](VGrfElement &e, ColorRef c) { record(e).SetColor(c); });
    grid->addWidget(texted(new QLabel(page), "BarCode Color"), 5, 0);
    grid->addWidget(colour, 5, 1, Qt::AlignLeft);

    auto *settings = texted(new QGroupBox(page), "Settings");
    auto *s = new QGridLayout(settings);
    auto *sizing = new QButtonGroup(settings);
    sizing->setObjectName(QStringLiteral("rgBarSize"));
    auto *standard = texted(new QRadioButton(settings), "Standart");
    auto *custom = texted(new QRadioButton(settings), "Custom");
    sizing->addButton(standard, 0);
    sizing->addButton(custom, 1);
    bindRadios(sizing, [](const VGrfElement &e) { return existing(e) && !existing(e)->CustomSize() ? 0 : 1; },
               [](VGrfElement &e, int v) { record(e).SetCustomSize(v == 1); });
    auto *factor = new QDoubleSpinBox(settings);
    factor->setObjectName(QStringLiteral("edFactor"));
    factor->setRange(0.80, 2.00);
    factor->setDecimals(2);
    factor->setSingleStep(0.05);
    bindReal(factor, [](const VGrfElement &e) { return existing(e) ? double(existing(e)->Factor()) : 1.0; },
             [](VGrfElement &e, double v) { record(e).SetFactor(float(v)); });
    s->addWidget(standard, 0, 0);
    s->addWidget(texted(new QLabel(settings), "Factor"), 0, 1);
    s->addWidget(factor, 0, 2);
    s->addWidget(custom, 1, 0);

    // Switching a manual setting off puts its values back to the standard ones.
    auto *manualWidth = texted(new QCheckBox(settings), "Manual set");
    manualWidth->setObjectName(QStringLiteral("chkManualWidth"));
    bindCheck(manualWidth, [](const VGrfElement &e) { return existing(e) && existing(e)->ManualWidth(); },
              [](VGrfElement &e, bool on) {
                  record(e).SetManualWidth(on);
                  if (!on) record(e).SetLineWidth(15);
              });
    auto *lineWidth = new QSpinBox(settings);
    lineWidth->setObjectName(QStringLiteral("edLineWidth"));
    lineWidth->setRange(1, 1440);
    bindSpin(lineWidth, [](const VGrfElement &e) { return existing(e) ? int(existing(e)->LineWidth()) : 15; },
             [](VGrfElement &e, int v) { record(e).SetLineWidth(v); });
    auto *manualHeight = texted(new QCheckBox(settings), "Manual set");
    manualHeight->setObjectName(QStringLiteral("chkManualHeight"));
    bindCheck(manualHeight, [](const VGrfElement &e) { return existing(e) && existing(e)->ManualHeight(); },
              [](VGrfElement &e, bool on) {
                  record(e).SetManualHeight(on);
                  if (!on) {
                      record(e).SetMarginTop(0);
                      record(e).SetMarginBottom(0);
                  }
              });
    auto *marginTop = new QSpinBox(settings);
    marginTop->setObjectName(QStringLiteral("edMarginTop"));
    auto *marginBottom = new QSpinBox(settings);
    marginBottom->setObjectName(QStringLiteral("edMarginBottom"));
    for (QSpinBox *box : {marginTop, marginBottom})
        box->setRange(0, 14400);
    bindSpin(marginTop, [](const VGrfElement &e) { return existing(e) ? int(existing(e)->MarginTop()) : 0; },
             [](VGrfElement &e, int v) { record(e).SetMarginTop(v); });
    bindSpin(marginBottom, [](const VGrfElement &e) { return existing(e) ? int(existing(e)->MarginBottom()) : 0; },
             [](VGrfElement &e, int v) { record(e).SetMarginBottom(v); });
    s->addWidget(manualWidth, 2, 0);
    s->addWidget(texted(new QLabel(settings), "Width of Line"), 2, 1);
    s->addWidget(lineWidth, 2, 2);
    s->addWidget(texted(new QLabel(settings), "Measurement"), 2, 3);
    s->addWidget(texted(new QLabel(settings), "twip"), 2, 4);
    s->addWidget(manualHeight, 3, 0);
    s->addWidget(texted(new QLabel(settings), "Top Margin"), 3, 1);
    s->addWidget(marginTop, 3, 2);
    s->addWidget(texted(new QLabel(settings), "Bottom Margin"), 4, 1);
    s->addWidget(marginBottom, 4, 2);
    onFill([this, factor, manualWidth, manualHeight, lineWidth, marginTop, marginBottom] {
        const VBarCode *b = existing(*m_element);
        const bool customSize = !b || b->CustomSize();
        factor->setEnabled(!customSize);
        manualWidth->setEnabled(customSize);
        manualHeight->setEnabled(customSize);
        lineWidth->setEnabled(customSize && b && b->ManualWidth());
        marginTop->setEnabled(customSize && b && b->ManualHeight());
        marginBottom->setEnabled(customSize && b && b->ManualHeight());
    });
    grid->addWidget(settings, 6, 0, 1, 4);
    grid->addWidget(problem, 7, 0, 1, 4);
    grid->setRowStretch(8, 1);
    return page;
}

QWidget *TfrmProperties::dataCodesTab()
{
    // The tab looks codes up in the accounting system's code table; what the boxes hold is noted
    // on the element and saved with the design, for the data the accounting system writes.
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    const char *const fields[] = {"Modul", "Type",    "Table code", "Row",  "Field code", "Explanation",
                                  "Formula", "Begin", "Size",       "Writing", "Format"};
    static_assert(std::size(fields) == std::size(kDataCodeFields));
    QHash<QString, QLineEdit *> boxes;
    for (int i = 0; i < int(std::size(fields)); ++i) {
        auto *box = new QLineEdit(page);
        box->setObjectName(QStringLiteral("ed") + QString::fromLatin1(fields[i]).remove(QLatin1Char(' ')));
        boxes.insert(QString::fromLatin1(fields[i]), box);
        grid->addWidget(texted(new QLabel(page), fields[i]), i % 6, (i / 6) * 3);
        grid->addWidget(box, i % 6, (i / 6) * 3 + 1);
        // The accounting system's module 3 unless the element notes another.
        bindText(box, [i](const VGrfElement &e) {
            const QString code = e.DataCodes().value(i);
            return code.isEmpty() && i == 0 ? QStringLiteral("3") : code;
        }, [i](VGrfElement &e, const QString &text) { e.SetDataCode(i, text); });
    }
    QLineEdit *table = boxes.value(QStringLiteral("Table code"));
    QLineEdit *field = boxes.value(QStringLiteral("Field code"));

    auto list = [page](const char *name, const char *first) {
        auto *t = new QTableWidget(0, 2, page);
        t->setObjectName(QLatin1String(name));
        t->setHorizontalHeaderLabels({QLatin1String(first), QStringLiteral("Aciklama")});
        t->horizontalHeader()->setStretchLastSection(true);
        t->verticalHeader()->hide();
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
        t->setSelectionBehavior(QAbstractItemView::SelectRows);
        return t;
    };
    QTableWidget *codes = list("lvCodes", "Kod");
    QTableWidget *subcodes = list("lvSubcodes", "Altkod");
    auto show = [](QTableWidget *t, const std::vector<CodeRow> &rows) {
        t->setRowCount(int(rows.size()));
        for (int r = 0; r < int(rows.size()); ++r) {
            t->setItem(r, 0, new QTableWidgetItem(rows[size_t(r)].code));
            t->setItem(r, 1, new QTableWidgetItem(rows[size_t(r)].explanation));
        }
    };
    auto showSubcodes = [show, subcodes, table] {
        show(subcodes, ReadSubcodes(CodeTablePath(), table->text().toInt()));
    };
    onFill([show, codes, showSubcodes] {
        show(codes, ReadCodes(CodeTablePath()));
        showSubcodes();
    });
    connect(codes, &QTableWidget::cellClicked, this, [codes, table, showSubcodes](int row) {
        putText(table, codes->item(row, 0)->text());
        showSubcodes();
    });
    connect(subcodes, &QTableWidget::cellClicked, this,
            [subcodes, field](int row) { putText(field, subcodes->item(row, 0)->text()); });

    auto *btnTable = new QPushButton(QStringLiteral("..."), page);
    btnTable->setObjectName(QStringLiteral("btnTable"));
    connect(btnTable, &QPushButton::clicked, this, [this, table, showSubcodes] {
        int code = table->text().toInt();
        if (SelectCode(3, code, this) == 1) {
            putText(table, QString::number(code));
            showSubcodes();
        }
    });
    auto *btnField = new QPushButton(QStringLiteral("..."), page);
    btnField->setObjectName(QStringLiteral("btnField"));
    connect(btnField, &QPushButton::clicked, this, [this, table, field] {
        int subcode = field->text().toInt();
        if (SelectSubcode(3, table->text().toInt(), subcode, this) == 1) putText(field, QString::number(subcode));
    });
    grid->addWidget(btnTable, 2, 2);
    grid->addWidget(btnField, 4, 2);
    grid->addWidget(codes, 6, 0, 1, 3);
    grid->addWidget(subcodes, 6, 3, 1, 3);
    grid->setRowStretch(6, 1);
    return page;
}
