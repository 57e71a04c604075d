#include "app/dialogs/print_settings_dialog.h"

#include "app/prompts.h"
#include "print/print_job.h"
#include "print/printers.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

QValidator::State PageNumbersValidator::validate(QString &input, int &) const
{
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input[i];
        if (!c.isDigit() && c != QLatin1Char(',') && c != QLatin1Char('-')) return Invalid;
        const bool afterSeparator = i > 0 && (input[i - 1] == QLatin1Char(',') || input[i - 1] == QLatin1Char('-'));
        if (afterSeparator && (c == QLatin1Char(',') || c == QLatin1Char('-') || c == QLatin1Char('0'))) return Invalid;
    }
    return Acceptable;
}

QValidator::State CopiesValidator::validate(QString &input, int &) const
{
    if (input.size() > 3) return Invalid;
    for (const QChar c : input)
        if (!c.isDigit()) return Invalid;
    return Acceptable;
}


TfrmSets::TfrmSets(VSetPrn &record, Prompts &prompts, QWidget *parent)
    : TextedDialog(parent), m_record(record), m_prompts(prompts), m_default(DefaultPrinterName())
{
    setObjectName(QStringLiteral("frmSets"));
    setTitle("Print Properties");
    auto *tabs = new QTabWidget(this);

    // Printer
    auto *printerPage = new QWidget(tabs);
    auto *p = new QGridLayout(printerPage);
    m_printer = new QLabel(printerPage);
    m_printer->setObjectName(QStringLiteral("lblPrinter"));
    m_printers = new QListWidget(printerPage);
    m_printers->setObjectName(QStringLiteral("lstPrinters"));
    m_printers->setStyleSheet(QStringLiteral("QListWidget::item:selected { background: yellow; color: black; }"));
    for (const QString &name : ListPrinters()) {
        auto *item = new QListWidgetItem(name, m_printers);
        if (name == m_default) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
            item->setForeground(Qt::red);
        }
    }
    connect(m_printers, &QListWidget::currentTextChanged, this, [this](const QString &name) {
        if (!name.isEmpty()) showPrinter(name);
    });
    auto *select = texted(new QPushButton(printerPage), "Select");
    select->setObjectName(QStringLiteral("btnSelectPrinter"));
    connect(select, &QPushButton::clicked, this, [this] { selectPrinterClick(); });
    auto *standard = texted(new QPushButton(printerPage), "Default");
    standard->setObjectName(QStringLiteral("btnDefaultPrinter"));
    connect(standard, &QPushButton::clicked, this, [this] { defaultPrinterClick(); });
    p->addWidget(m_printer, 0, 0, 1, 2);
    p->addWidget(m_printers, 1, 0, 1, 2);
    p->addWidget(select, 2, 0);
    p->addWidget(standard, 2, 1);
    tabs->addTab(printerPage, QString());

    // Print
    auto *printPage = new QWidget(tabs);
    auto *g = new QGridLayout(printPage);
    auto *quality = texted(new QGroupBox(printPage), "Quality");
    m_quality = radioGroup(quality, {"Default", "Draft", "Low", "Medium", "High"}, "rgQuality");
    auto *colour = texted(new QGroupBox(printPage), "Color");
    m_colour = radioGroup(colour, {"Default", "Monochrome print", "Coloured print"}, "rgColour");
    auto *pages = texted(new QGroupBox(printPage), "Pages");
    m_pages = radioGroup(pages, {"All", "Current", "Numbers:"}, "rgPages");
    m_numbers = new QLineEdit(pages);
    m_numbers->setObjectName(QStringLiteral("txtNumbers"));
    m_numbers->setValidator(new PageNumbersValidator(m_numbers));
    pages->layout()->addWidget(m_numbers);
    connect(m_pages, &QButtonGroup::idToggled, this, [this] { m_numbers->setEnabled(m_pages->checkedId() == 2); });
    auto *copies = texted(new QGroupBox(printPage), "Copies");
    auto *c = new QHBoxLayout(copies);
    m_copies = new QLineEdit(copies);
    m_copies->setObjectName(QStringLiteral("txtCopies"));
    m_copies->setValidator(new CopiesValidator(m_copies));
    connect(m_copies, &QLineEdit::textChanged, this, [this](const QString &text) {
        // "0" means one copy; a leading zero of two digits goes.
        if (text == QLatin1String("0"))
            m_copies->setText(QStringLiteral("1"));
        else if (text.size() == 2 && text.startsWith(QLatin1Char('0')))
            m_copies->setText(text.mid(1));
    });
    auto *up = new QToolButton(copies);
    up->setObjectName(QStringLiteral("btnCopiesUp"));
    up->setArrowType(Qt::UpArrow);
    connect(up, &QToolButton::clicked, this, [this] { copiesUp(); });
    auto *down = new QToolButton(copies);
    down->setObjectName(QStringLiteral("btnCopiesDown"));
    down->setArrowType(Qt::DownArrow);
    connect(down, &QToolButton::clicked, this, [this] { copiesDown(); });
    c->addWidget(m_copies);
    c->addWidget(up);
    c->addWidget(down);
    // Shown as the printer dialog always had them; the print system decides both.
    auto *order = texted(new QGroupBox(printPage), "Print order");
    radioGroup(order, {"Front to Back", "Back to Front"}, "rgOrder")->button(0)->setChecked(true);
    auto *source = texted(new QGroupBox(printPage), "Paper source");
    auto *sourceBox = new QComboBox(source);
    AddTextItem(sourceBox, "Auto", 0);
    (new QVBoxLayout(source))->addWidget(sourceBox);
    auto *selectPrint = texted(new QPushButton(printPage), "Select");
    selectPrint->setObjectName(QStringLiteral("btnSelectPrint"));
    connect(selectPrint, &QPushButton::clicked, this, [this] { selectPrintClick(); });
    auto *defaultPrint = texted(new QPushButton(printPage), "Default");
    defaultPrint->setObjectName(QStringLiteral("btnDefaultPrint"));
    connect(defaultPrint, &QPushButton::clicked, this, [this] { defaultPrintClick(); });
    g->addWidget(quality, 0, 0);
    g->addWidget(colour, 0, 1);
    g->addWidget(pages, 1, 0);
    g->addWidget(copies, 1, 1);
    g->addWidget(order, 2, 0);
    g->addWidget(source, 2, 1);
    g->addWidget(selectPrint, 3, 0);
    g->addWidget(defaultPrint, 3, 1);
    tabs->addTab(printPage, QString());

    auto *apply = texted(new QPushButton(this), "Apply");
    apply->setObjectName(QStringLiteral("btnApply"));
    apply->setDefault(true);
    connect(apply, &QPushButton::clicked, this, [this] { applyClick(); });
    auto *cancel = texted(new QPushButton(this), "Cancel");
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(apply);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons);

    m_tabs = tabs;
    applyTexts();
    // Without a default printer the first one is offered.
    QString shown = SelectedPrinter().isEmpty() ? m_default : SelectedPrinter();
    if (shown.isEmpty() && m_printers->count()) shown = m_printers->item(0)->text();
    showPrinter(shown);
    fill();
}

void TfrmSets::applyTexts()
{
    TextedDialog::applyTexts();
    RetextItems(this);
    m_tabs->setTabText(0, T("Printer"));
    m_tabs->setTabText(1, T("Print"));
    if (m_printers->count() == 0) m_printer->setText(T("no printers in system"));
}

QString TfrmSets::printerShown() const
{
    return m_printers->count() ? m_printer->text() : QString();
}

void TfrmSets::showPrinter(const QString &name)
{
    if (m_printers->count() == 0) {
        m_printer->setText(T("no printers in system"));
        return;
    }
    m_printer->setText(name);
    const bool installed = !m_printers->findItems(name, Qt::MatchExactly).isEmpty();
    m_printer->setStyleSheet(installed ? QStringLiteral("color: blue;") : QStringLiteral("color: grey;"));
    if (installed) m_printers->setCurrentItem(m_printers->findItems(name, Qt::MatchExactly).first());
}

void TfrmSets::fill()
{
    m_quality->button(std::clamp(m_record.Quality, 0, 4))->setChecked(true);
    m_colour->button(std::clamp(m_record.Colour, 0, 2))->setChecked(true);
    m_pages->button(std::clamp(m_record.PageSelection, 0, 2))->setChecked(true);
    m_numbers->setText(m_record.PageNumbers);
    m_numbers->setEnabled(m_record.PageSelection == 2);
    m_copies->setText(QString::number(std::clamp(m_record.Copies, 1, 999)));
}

int TfrmSets::copies() const
{
    const int n = m_copies->text().toInt();
    return n < 1 ? 1 : n;
}

void TfrmSets::store()
{
    m_record.Copies = copies();
    m_record.PageSelection = m_pages->checkedId();
    m_record.PageNumbers = m_numbers->text();
    m_record.Quality = m_quality->checkedId();
    m_record.Colour = m_colour->checkedId();
}

void TfrmSets::selectPrinterClick()
{
    // The default printer is the one printing goes to without a choice.
    const QString name = printerShown();
    SelectedPrinter() = name == m_default ? QString() : name;
}

void TfrmSets::defaultPrinterClick()
{
    showPrinter(m_default);
}

void TfrmSets::selectPrintClick()
{
    store();
}

void TfrmSets::defaultPrintClick()
{
    m_record.Copies = 1;
    m_record.Quality = 0;
    m_record.Colour = 0;
    fill();
}

void TfrmSets::applyClick()
{
    if (m_printers->count()) selectPrinterClick();
    store();
    accept();
}

void TfrmSets::copiesUp()
{
    m_copies->setText(QString::number(std::min(999, copies() + 1)));
}

void TfrmSets::copiesDown()
{
    if (copies() > 1) m_copies->setText(QString::number(copies() - 1));
}

void TfrmSets::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        m_prompts.information(T("Print Properties"), T("Yes"));
        return reject();
    }
    TextedDialog::keyPressEvent(event);
}
