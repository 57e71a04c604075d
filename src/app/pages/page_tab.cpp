#include "app/pages/page_tab.h"

#include "app/dialogs/page_properties_dialog.h"
#include "print/print_job.h"

#include "app/app_texts.h"
#include "app/main_window.h"
#include "app/pages/page_view.h"
#include "app/prompts.h"
#include "files/design_file.h"
#include "export/edf_writer.h"
#include "files/file_checks.h"

#include <QAction>
#include <QActionGroup>
#include <QLayout>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

PageTab::PageTab(TfrmMain &shell, const Names &names) : ModeTab(shell), m_zoomButton(names.zoomButton)
{
    m_sheet = new QWidget;
    auto *layout = new QVBoxLayout(m_sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_tabs = new QTabBar(m_sheet);
    m_tabs->setObjectName(QLatin1String(names.tabs));
    m_tabs->setShape(QTabBar::RoundedNorth);
    m_tabs->setExpanding(false);
    m_scroll = new QScrollArea(m_sheet);
    m_scroll->setObjectName(QLatin1String(names.scroll));
    m_scroll->setWidgetResizable(false);
    m_scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_canvas = new PageCanvas;
    m_scroll->setWidget(m_canvas);
    layout->addWidget(m_tabs);
    layout->addWidget(m_scroll, 1);
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) { showPage(index); });

    // The zoom pop-up: the items carry their percentage; "By Screen width" can not be chosen.
    m_zoomMenu = new QMenu(&m_shell);
    m_zoomMenu->setObjectName(QLatin1String(names.zoomMenu));
    auto *group = new QActionGroup(m_zoomMenu);
    for (int tag : kZoomTags) {
        QAction *a = m_zoomMenu->addAction(QStringLiteral("%1%").arg(tag));
        a->setData(tag);
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, tag] { setZoom(tag); });
    }
    QAction *byWidth = m_zoomMenu->addAction(QStringLiteral("<--->"));
    byWidth->setObjectName(QLatin1String(names.zoomByWidth));
    byWidth->setEnabled(false);
    addFitActions(names.zoomMenu);
    connect(m_zoomMenu, &QMenu::aboutToShow, this, [this] {
        for (QAction *a : m_zoomMenu->actions())
            a->setChecked(a->data().toInt() == m_zoom);
    });
}

void PageTab::addSpecial(const char *item, QMenu *menu, QToolBar *bar)
{
    if (QLatin1String(item) != QLatin1String("@zoom")) return;
    if (menu) {
        QMenu *sub = menu->addMenu(QString());
        addMenuText(sub, "Zoom");
        sub->addActions(m_zoomMenu->actions());
        connect(sub, &QMenu::aboutToShow, m_zoomMenu, &QMenu::aboutToShow);
    } else {
        auto *button = new QToolButton(bar);
        button->setObjectName(QLatin1String(m_zoomButton));
        button->setMenu(m_zoomMenu);
        button->setPopupMode(QToolButton::InstantPopup);
        button->setIcon(AppIcon("zoom"));
        bar->addWidget(button);
    }
}

void PageTab::applyTexts()
{
    ModeTab::applyTexts();
    m_zoomMenu->setTitle(T("Zoom"));
    m_fitPage->setText(T("Fit Page"));
    m_fitWidth->setText(T("Fit Width"));
    if (auto *b = m_shell.findChild<QToolButton *>(QLatin1String(m_zoomButton)))
        b->setToolTip(T("Zoom page"));
}

void PageTab::checkSwitches(const char *preview, const char *printable, const char *blackWhite)
{
    action(preview)->setChecked(m_doc.Preview());
    action(printable)->setChecked(m_doc.PrintableOnly());
    action(blackWhite)->setChecked(m_doc.BlackWhite());
}

void PageTab::fillPageTabs()
{
    const QSignalBlocker block(m_tabs);
    while (m_tabs->count() > 0)
        m_tabs->removeTab(0);
    for (int i = 0; i < m_doc.PageCount(); ++i)
        m_tabs->addTab(m_doc.PageAt(i)->Name());
    // A tab bar filled while its sheet is hidden keeps the height it had with no tabs.
    m_tabs->updateGeometry();
    if (QLayout *layout = m_sheet->layout()) layout->invalidate();
    if (m_doc.PageCount() > 0) {
        m_tabs->setCurrentIndex(0);
        showPage(0);
    } else {
        showPage(-1);
    }
}

void PageTab::showPage(int index)
{
    VPage *page = m_doc.PageAt(index);
    if (page) page->SetZoom(m_zoom);
    m_canvas->view()->setPage(page);
    relayout();
}

void PageTab::relayout()
{
    m_canvas->layoutFor(m_scroll->viewport()->size());
}

void PageTab::setZoom(int value)
{
    m_zoom = value;
    m_doc.SetZoomAll(value);
    m_scroll->horizontalScrollBar()->setValue(0);
    m_scroll->verticalScrollBar()->setValue(0);
    m_canvas->view()->refresh();
    relayout();
}

void PageTab::applyDocumentModes()
{
    m_canvas->view()->refresh();
    relayout();
    m_shell.refreshMenus();
    m_shell.refreshCaption();
}

void PageTab::togglePreview()
{
    m_doc.SetPreview(!m_doc.Preview());
    applyDocumentModes();
}

void PageTab::toggleCheckPrintable()
{
    m_doc.SetPrintableOnly(!m_doc.PrintableOnly());
    applyDocumentModes();
}

void PageTab::toggleBlackWhite()
{
    m_doc.SetBlackWhite(!m_doc.BlackWhite());
    applyDocumentModes();
}

bool PageTab::saveDocument()
{
    if (m_doc.FileName().isEmpty()) return saveDocumentAs();
    // A report saved over its design (or any document over another one that is open) would
    // destroy what the others were read from.
    const QString refusal = OutputOverwritesInput(m_doc.FileName(), m_shell.openFilesBut(this));
    if (!refusal.isEmpty()) {
        prompts().warning(T(title()), refusal);
        return false;
    }
    const FileResult r = WriteDesignFile(m_doc);
    if (!r) {
        prompts().warning(T(title()), r.error);
        return false;
    }
    saved();
    m_shell.refreshCaption();
    m_shell.refreshStatus();
    return true;
}

bool PageTab::saveDocumentAs()
{
    const SaveDialog dialog = saveDialog();
    const QString path = prompts().saveFileName(dialog.title, dialog.filter, dialog.suffix, m_doc.FileName());
    if (path.isEmpty()) return false;
    const QString refusal = OutputOverwritesInput(path, m_shell.openFilesBut(this));
    if (!refusal.isEmpty()) {
        prompts().warning(T(title()), refusal);
        return false;
    }
    // An .edf is an export for the print engine: the document keeps its own file and marks, and
    // is not saved by it, so a save before closing stops here rather than losing the changes.
    if (path.endsWith(QLatin1String(".edf"), Qt::CaseInsensitive)) {
        const FileResult r = ExportEdf(m_doc, path);
        if (!r || !r.warnings.isEmpty())
            prompts().warning(T(title()), r ? r.warnings.join(QLatin1Char('\n')) : r.error);
        return false;
    }
    m_doc.SetFileName(path);
    return saveDocument();
}

void PageTab::editPageProperties(int index)
{
    const PageSettingsCommand::State now = PageSettingsCommand::Capture(m_doc, index);
    VSetPage record = now.settings;
    TZelFont font = now.font;
    TfrmPageProperties dialog(record, font, SelectedPrinter(), &m_shell,
                              index < 0 ? "Document Properties (defaults for new pages)" : "Page Properties");
    if (runDialog(dialog) != QDialog::Accepted) return;
    std::vector<PageSettingsCommand::State> states;
    if (!(record == now.settings) || !(font == now.font)) states.push_back({index, record, font});
    if (dialog.setForAll())
        for (int i = -1; i < m_doc.PageCount(); ++i) {
            if (i == index) continue;
            PageSettingsCommand::State s = PageSettingsCommand::Capture(m_doc, i);
            s.settings.CopySettingsFrom(record);
            s.font = font;
            states.push_back(s);
        }
    if (!states.empty()) applyPageSettings(states);
}

void PageTab::editShownPageProperties()
{
    if (m_doc.PageAt(pageTabs()->currentIndex())) editPageProperties(pageTabs()->currentIndex());
}

void PageTab::applyPageSettings(const std::vector<PageSettingsCommand::State> &states)
{
    for (const PageSettingsCommand::State &s : states) {
        VPage *page = m_doc.PageAt(s.page);
        (page ? page->Settings() : m_doc.Settings()) = s.settings;
        (page ? page->Font() : m_doc.Font()) = s.font;
    }
    const int shown = pageTabs()->currentIndex();
    fillPageTabs();
    if (shown > 0) showPage(shown);
    m_shell.refreshCaption();
    m_shell.refreshStatus();
}
