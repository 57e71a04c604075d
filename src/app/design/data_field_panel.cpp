#include "app/design/data_field_panel.h"

#include "app/app_texts.h"
#include "app/data/data_editor.h"
#include "app/data/data_tab.h"
#include "app/design/design_tab.h"
#include "app/design/element_widget.h"
#include "app/main_window.h"
#include "app/pages/page_view.h"
#include "app/prompts.h"
#include "model/v_page.h"

#include <QApplication>
#include <QBuffer>
#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QTreeWidget>
#include <QUndoStack>
#include <QVBoxLayout>
#include <functional>

namespace
{
const char *kindText(ElementKind kind)
{
    switch (kind) {
    case ElementKind::BarCode:
        return "BarCode";
    case ElementKind::Group:
        return "Group";
    case ElementKind::Table:
        return "Table";
    case ElementKind::Cell:
        return "Cell";
    case ElementKind::Panel:
        return "Panel";
    default:
        return "Label";
    }
}
} // namespace

DataFieldPanel::DataFieldPanel(DesignTab &design, TfrmMain &shell)
    : QDockWidget(&shell), m_design(design), m_shell(shell)
{
    setObjectName(QStringLiteral("dockDataFields"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    auto *body = new QWidget(this);
    auto *layout = new QVBoxLayout(body);
    m_heading = new QLabel(body);
    m_heading->setObjectName(QStringLiteral("lblDataFieldSource"));
    m_heading->setWordWrap(true);
    m_list = new QTreeWidget(body);
    m_list->setObjectName(QStringLiteral("tvDataFields"));
    m_list->setColumnCount(3);
    m_list->setRootIsDecorated(false);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->header()->setStretchLastSection(true);
    m_give = new QPushButton(body);
    m_give->setObjectName(QStringLiteral("btnDataFieldName"));
    m_give->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_heading);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_give);
    setWidget(body);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { choose(m_list->indexOfTopLevelItem(item)); });
    connect(m_give, &QPushButton::clicked, this, [this] {
        if (QTreeWidgetItem *item = m_list->currentItem()) choose(m_list->indexOfTopLevelItem(item));
    });

    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setInterval(250); // typing in the data text reads it once a pause
    connect(m_timer, &QTimer::timeout, this, [this] { refresh(); });
    connect(&design.editor().undoStack(), &QUndoStack::indexChanged, this, [this] { scheduleRefresh(); });
    // A save under another name may put the design beside a data template.
    connect(&design.editor().undoStack(), &QUndoStack::cleanChanged, this, [this] { scheduleRefresh(); });
    connect(design.pageTabs(), &QTabBar::currentChanged, this, [this] { scheduleRefresh(); });
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!m_placing && m_design.sheet()->isVisible()) m_wanted = visible;
    });
    design.sheet()->installEventFilter(this);
    toggleViewAction()->setObjectName(QStringLiteral("mnuDesign_Insert_DataFields"));
    for (QMenu *menu : design.menus())
        if (menu->objectName() == QLatin1String("mnuDesign_Insert")) {
            menu->addSeparator();
            menu->addAction(toggleViewAction());
        }
    shell.addDockWidget(Qt::RightDockWidgetArea, this);
    hide();
    applyTexts();
}

void DataFieldPanel::applyTexts()
{
    setWindowTitle(T("Data Fields"));
    m_list->setHeaderLabels({T("Name"), T("Kind"), T("In group")});
    m_give->setText(T("Name the Selected Element"));
    fillList();
}

void DataFieldPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) applyTexts();
    QDockWidget::changeEvent(event);
}

bool DataFieldPanel::eventFilter(QObject *watched, QEvent *event)
{
    // The panel belongs to the design mode: it goes with the design sheet.
    if (watched == m_design.sheet() && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        m_placing = true;
        setVisible(event->type() == QEvent::Show && m_wanted);
        m_placing = false;
        if (event->type() == QEvent::Show) scheduleRefresh();
    }
    return QDockWidget::eventFilter(watched, event);
}

void DataFieldPanel::scheduleRefresh()
{
    m_timer->start();
}

void DataFieldPanel::refresh()
{
    m_timer->stop();
    DataTab &data = m_shell.data();
    if (!m_dataWatched) {
        connect(data.editor(), &QPlainTextEdit::textChanged, this, [this] {
            ++m_dataRevision;
            scheduleRefresh();
        });
        m_dataWatched = true;
    }
    const VPage *page = m_design.canvas()->view()->page();
    m_pageName = page ? page->Name() : QString();
    const QString before = m_source;
    // Every step of the design comes here; the data is read again only when it or the page changed.
    QString key;
    QString beside;
    if (data.isShown()) {
        m_source = data.fileName().isEmpty() ? T("the Data tab") : QFileInfo(data.fileName()).fileName();
        key = QStringLiteral("tab:%1").arg(m_dataRevision);
    } else if (beside = DataBesideDesign(m_design.document().FileName()); !beside.isEmpty()) {
        const QFileInfo info(beside);
        m_source = info.fileName();
        key = beside + QLatin1Char(':') + QString::number(info.size()) + QLatin1Char(':') +
              QString::number(info.lastModified().toMSecsSinceEpoch());
    } else {
        m_source.clear();
    }
    key += QLatin1Char('|') + m_pageName;
    if (key != m_readKey || !page) {
        m_readKey = key;
        m_names = {};
        if (page && data.isShown()) {
            QByteArray bytes = data.editor()->fileBytes();
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::ReadOnly);
            m_names = ReadDataFieldNames(buffer, m_pageName);
        } else if (page && !beside.isEmpty()) {
            m_names = ReadDataFieldNames(beside, m_pageName);
        }
    }
    if (page) MarkBoundNames(m_names, page->Root());
    // Data that turns up shows the panel; once closed it stays closed until other data comes.
    if (m_source != before) {
        m_wanted = !m_source.isEmpty();
        if (m_design.sheet()->isVisible()) {
            m_placing = true;
            setVisible(m_wanted);
            m_placing = false;
        }
    }
    fillList();
}

void DataFieldPanel::fillList()
{
    if (m_source.isEmpty())
        m_heading->setText(T("No data: open a data file in the Data tab, or keep one beside the design."));
    else if (m_names.fields.empty())
        m_heading->setText(
            T("The data (%1) names no element of page \"%2\".").arg(m_source, m_pageName) +
            (m_names.bareLineFeeds
                 ? QLatin1Char(' ') + T("Its lines end in LF alone, and data files need CR LF.")
                 : QString()));
    else
        m_heading->setText(
            T("Elements that the data (%1) names on page \"%2\"; double-click one to give "
              "the selected element its name.")
                .arg(m_source, m_pageName) +
            (m_names.cut ? QLatin1Char(' ') + T("Only the first %1 names are listed.").arg(kMaxDataFieldNames)
                         : QString()));
    const int current = m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
    m_list->clear();
    const QIcon bound = style()->standardIcon(QStyle::SP_DialogApplyButton);
    QList<QTreeWidgetItem *> items;
    for (const DataFieldName &field : m_names.fields) {
        auto *item = new QTreeWidgetItem({field.name, T(kindText(field.kind)), field.group});
        item->setData(0, Qt::UserRole, field.bound);
        if (field.bound) {
            // Already carried by an element of the page: the data reaches it.
            item->setIcon(0, bound);
            item->setToolTip(0, T("An element of this page has this name."));
            QFont font = item->font(0);
            font.setItalic(true);
            item->setFont(0, font);
        }
        items << item;
    }
    m_list->addTopLevelItems(items);
    m_list->resizeColumnToContents(0);
    m_list->resizeColumnToContents(1);
    if (current >= 0 && current < m_list->topLevelItemCount())
        m_list->setCurrentItem(m_list->topLevelItem(current));
    m_give->setEnabled(!items.isEmpty());
}

VGrfElement *DataFieldPanel::chosenElement() const
{
    PageView *view = m_design.canvas()->view();
    if (!view->page()) return nullptr;
    for (QWidget *w = QApplication::focusWidget(); w; w = w->parentWidget())
        if (auto *e = dynamic_cast<ElementWidget *>(w); e && view->widgetOf(&e->element()) == e)
            return &e->element();
    VGrfElement *selected = nullptr;
    std::function<void(VGrfElement &)> walk = [&](VGrfElement &e) {
        if (!selected && e.Selected()) selected = &e;
        for (const auto &child : e.ChildList())
            walk(*child);
    };
    walk(view->page()->Root());
    return selected;
}

bool DataFieldPanel::choose(int row)
{
    if (row < 0 || row >= int(m_names.fields.size())) return false;
    const DataFieldName &field = m_names.fields[size_t(row)];
    Prompts &prompts = m_shell.prompts();
    VGrfElement *element = chosenElement();
    if (!element || !element->Parent()) {
        prompts.information(T("Design Editor"),
                            T("Select the element that takes the name \"%1\" first.").arg(field.name));
        return false;
    }
    if (element->Kind() != field.kind) {
        prompts.warning(T("Design Editor"),
                        T("The data fills a %1 named \"%2\"; the selected element is a %3.")
                            .arg(T(kindText(field.kind)), field.name, T(kindText(element->Kind()))));
        return false;
    }
    if (!m_design.editor().rename(*element, field.name)) {
        prompts.warning(T("Design Editor"),
                        T("The name \"%1\" is already used on this page.").arg(field.name));
        return false;
    }
    refresh();
    return true;
}
