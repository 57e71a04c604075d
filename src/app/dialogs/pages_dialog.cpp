#include "app/dialogs/pages_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>
#include <functional>

namespace
{
const char *const kFormRows[] = {"Name", "Width", "Height", "Left", "Top", "Right", "Bottom"};

QString wholeMm(double mm)
{
    return QString::number(std::trunc(mm), 'f', 0);
}
} // namespace

TfrmPages::TfrmPages(QWidget *parent) : TextedDialog(parent)
{
    setObjectName(QStringLiteral("frmPages"));
    setTitle("All Paper Sizes");
    setModal(true);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("tvPages"));
    m_tree->setHeaderHidden(true);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this] { showCurrent(); });

    auto *form = texted(new QGroupBox(this), "Paper Form");
    auto *grid = new QGridLayout(form);
    for (const char *row : kFormRows) {
        const int r = grid->rowCount();
        auto *value = new QLabel(form);
        value->setObjectName(QStringLiteral("lbl") + QLatin1String(row));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(texted(new QLabel(form), row), r, 0);
        grid->addWidget(value, r, 1);
        m_values.push_back(value);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(grid->rowCount(), 1);

    // Forms cannot be changed from here yet; the buttons show where that goes.
    auto *side = new QVBoxLayout;
    side->addWidget(form);
    for (const char *name : {"New", "Edit", "Delete"}) {
        auto *b = texted(new QPushButton(this), name);
        b->setObjectName(QStringLiteral("btn") + QLatin1String(name));
        b->setEnabled(false);
        side->addWidget(b);
    }
    side->addStretch(1);

    auto *top = new QHBoxLayout;
    top->addWidget(m_tree, 3);
    top->addLayout(side, 1);

    m_ok = texted(new QPushButton(this), "OK");
    m_ok->setObjectName(QStringLiteral("btnOK"));
    m_ok->setDefault(true);
    auto *cancel = texted(new QPushButton(this), "Cancel");
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_chosen = current();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_chosen.reset();
        reject();
    });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    resize(720, 520);

    fill();
    applyTexts();
}

void TfrmPages::applyTexts()
{
    TextedDialog::applyTexts();
    showCurrent();
}

void TfrmPages::fill()
{
    m_tree->clear();
    m_papers.clear();
    QFont bold = m_tree->font();
    bold.setBold(true);
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    QTreeWidgetItem *defaultItem = nullptr;
    std::function<void(const InfoNode &, QTreeWidgetItem *)> add = [&](const InfoNode &n,
                                                                       QTreeWidgetItem *parent) {
        auto *item = parent ? new QTreeWidgetItem(parent, {n.text}) : new QTreeWidgetItem(m_tree, {n.text});
        QColor colour;
        switch (n.kind) {
        case InfoNode::Printers:
            colour = QColor(0x80, 0, 0);
            break; // maroon
        case InfoNode::Printer:
            colour = Qt::red;
            break;
        case InfoNode::Parameters:
            colour = Qt::blue;
            break;
        case InfoNode::List:
        case InfoNode::Server:
            colour = Qt::darkGreen;
            break;
        default:
            break;
        }
        if (colour.isValid()) {
            item->setForeground(0, colour);
            item->setFont(0, bold);
        }
        const bool inGroup = parent && n.kind == InfoNode::Line;
        if (inGroup) item->setFont(0, fixed);
        if (n.form) m_papers.insert(item, {*n.form, n.printer});
        if (n.isDefault) defaultItem = item;
        for (const InfoNode &c : n.children)
            add(c, item);
    };
    const InfoNode top = PrinterTree();
    for (const InfoNode &n : top.children)
        add(n, nullptr);
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        m_tree->topLevelItem(i)->setExpanded(true);
    if (defaultItem) {
        defaultItem->setExpanded(true);
        m_tree->setCurrentItem(defaultItem);
    }
    showCurrent();
}

std::optional<ChosenPaper> TfrmPages::current() const
{
    QTreeWidgetItem *item = m_tree->currentItem();
    if (!item || !m_papers.contains(item)) return std::nullopt;
    return m_papers.value(item);
}

void TfrmPages::showCurrent()
{
    const std::optional<ChosenPaper> paper = current();
    m_ok->setEnabled(paper.has_value());
    if (!paper) {
        for (QLabel *l : m_values)
            l->clear();
        return;
    }
    const PaperForm &f = paper->form;
    const QRectF &r = f.imageableMm;
    const QString texts[] = {
        f.name,           wholeMm(f.widthMm),         wholeMm(f.heightMm),        wholeMm(r.left()),
        wholeMm(r.top()), wholeMm(r.x() + r.width()), wholeMm(r.y() + r.height())};
    for (size_t i = 0; i < m_values.size(); ++i)
        m_values[i]->setText(texts[i]);
}

std::optional<ChosenPaper> TfrmPages::Choose(QWidget *parent)
{
    TfrmPages dialog(parent);
    dialog.exec();
    return dialog.chosen();
}
