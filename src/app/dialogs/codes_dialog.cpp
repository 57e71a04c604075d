#include "app/dialogs/codes_dialog.h"

#include "app/app_texts.h"
#include "app/prompts.h"

#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

QString CodeTablePath(QSettings &store, int codePage)
{
    const QString name = CodeTableFileName(codePage);
    if (name.isEmpty()) return {};
    const QString defaultFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                                  QStringLiteral("/Corvant/Default");
    const QString folder = store.value(QStringLiteral("Codes/Folder"), defaultFolder).toString();
    return QDir(folder.isEmpty() ? defaultFolder : folder).filePath(name);
}

QString CodeTablePath()
{
    QSettings store(QStringLiteral("ZEL"), QStringLiteral("Tessaly"));
    return CodeTablePath(store, InterfaceCodePage());
}

TfrmCodes::TfrmCodes(const QString &tablePath, Prompts &prompts, QWidget *parent)
    : QDialog(parent), m_tablePath(tablePath), m_prompts(prompts)
{
    setObjectName(QStringLiteral("frmCodes"));
    auto *header = new QGridLayout;
    header->addWidget(new QLabel(T("Module Name")), 0, 0);
    // The accounting system's own name of its invoice module, not an interface text.
    m_moduleName = new QLabel(QStringLiteral("FATURA"));
    m_moduleName->setObjectName(QStringLiteral("ModuleName"));
    header->addWidget(m_moduleName, 0, 1);
    m_codeCaption = new QLabel(T("Code Explanation"));
    header->addWidget(m_codeCaption, 1, 0);
    m_codeText = new QLabel;
    m_codeText->setObjectName(QStringLiteral("CodeText"));
    header->addWidget(m_codeText, 1, 1);
    header->setColumnStretch(1, 1);

    m_listCaption = new QLabel;
    m_grid = new QTableWidget(0, 2);
    m_grid->setObjectName(QStringLiteral("CodeGrid"));
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->viewport()->installEventFilter(this);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int row) { CodeGridDblClick(row); });

    auto *help = new QPushButton(T("&Help"));
    help->setObjectName(QStringLiteral("HelpBtn"));
    auto *ok = new QPushButton(T("OK"));
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(T("Cancel"));
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(help, &QPushButton::clicked, this, &TfrmCodes::HelpBtnClick);
    connect(ok, &QPushButton::clicked, this, &TfrmCodes::OkBtnClick);
    connect(cancel, &QPushButton::clicked, this, &TfrmCodes::CancelBtnClick);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(m_listCaption);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    resize(460, 380);
}

void TfrmCodes::FormShow()
{
    const bool subcodes = Mode == SubcodeMode;
    setWindowTitle(subcodes ? T("Operation Subcodes") : T("Operation Codes"));
    m_listCaption->setText(subcodes ? T("Subcode Explanation") : T("Code Explanation"));
    m_codeCaption->setVisible(subcodes);
    m_codeText->setVisible(subcodes);
    if (subcodes) {
        // The code being browsed, with its meaning when the table knows it.
        QString text = QString::number(Code);
        for (const CodeRow &row : ReadCodes(m_tablePath))
            if (row.code == text) {
                text += QStringLiteral("  ") + row.explanation;
                break;
            }
        m_codeText->setText(text);
    }

    const std::vector<CodeRow> rows = subcodes ? ReadSubcodes(m_tablePath, Code) : ReadCodes(m_tablePath);
    m_grid->clearContents();
    m_grid->setRowCount(int(rows.size()));
    m_grid->setHorizontalHeaderLabels({subcodes ? T("Subcode") : T("Code"), T("Explanation")});
    const QString current = QString::number(subcodes ? Subcode : Code);
    int currentRow = -1;
    for (int i = 0; i < int(rows.size()); ++i) {
        m_grid->setItem(i, 0, new QTableWidgetItem(rows[i].code));
        m_grid->setItem(i, 1, new QTableWidgetItem(rows[i].explanation));
        if (currentRow < 0 && rows[i].code == current) currentRow = i;
    }
    // The value the caller has is where the choice starts; OK on it changes nothing.
    if (currentRow >= 0) {
        m_grid->selectRow(currentRow);
        m_grid->scrollToItem(m_grid->item(currentRow, 0));
    }
    fitColumns();
}

void TfrmCodes::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

bool TfrmCodes::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid->viewport() && event->type() == QEvent::Resize) fitColumns();
    return QDialog::eventFilter(watched, event);
}

void TfrmCodes::fitColumns()
{
    const int width = m_grid->viewport()->width();
    const int codeWidth = qMax(40, width / 5);
    m_grid->setColumnWidth(0, codeWidth);
    m_grid->setColumnWidth(1, qMax(40, width - codeWidth));
}

void TfrmCodes::choose(int row)
{
    const QTableWidgetItem *item = m_grid->item(row, 0);
    bool ok = false;
    const int value = item ? item->text().trimmed().toInt(&ok) : 0;
    // A key that is no number cannot be handed on; the caller keeps what it had.
    if (ok) (Mode == SubcodeMode ? Subcode : Code) = value;
    accept();
}

void TfrmCodes::OkBtnClick()
{
    const QModelIndexList rows = m_grid->selectionModel()->selectedRows();
    if (rows.isEmpty())
        accept();
    else
        choose(rows.front().row());
}

void TfrmCodes::CancelBtnClick()
{
    reject();
}

void TfrmCodes::CodeGridDblClick(int row)
{
    if (row >= 0 && row < m_grid->rowCount()) choose(row);
}

void TfrmCodes::HelpBtnClick()
{
    const QString path = m_tablePath.isEmpty() ? T("(none for this language)") : m_tablePath;
    m_prompts.information(windowTitle(),
                          T("Choose a row and press OK, or double-click it. OK without a chosen row keeps "
                            "the value you had.\n\nThe codes are read from:\n%1")
                              .arg(path));
}

namespace
{
int runCodes(int mode, int module, int code, int &answer, QWidget *parent)
{
    WidgetPrompts prompts(parent);
    TfrmCodes dialog(CodeTablePath(), prompts, parent);
    dialog.Mode = mode;
    dialog.Module = module;
    dialog.Code = code;
    dialog.Subcode = mode == TfrmCodes::SubcodeMode ? answer : 0;
    const int result = dialog.exec();
    if (result == QDialog::Accepted) answer = mode == TfrmCodes::SubcodeMode ? dialog.Subcode : dialog.Code;
    return result;
}
} // namespace

int SelectCode(int module, int &code, QWidget *parent)
{
    return runCodes(TfrmCodes::CodeMode, module, code, code, parent);
}

int SelectSubcode(int module, int code, int &subcode, QWidget *parent)
{
    return runCodes(TfrmCodes::SubcodeMode, module, code, subcode, parent);
}
