// The print commands of the design and report modes.
#include "app/app_texts.h"
#include "app/main_window.h"
#include "app/pages/page_tab.h"
#include "app/dialogs/print_settings_dialog.h"
#include "app/prompts.h"
#include "print/print_job.h"

#include <QTabBar>

// The page on show, the first one while the tabs are not filled yet.
VPage *PageTab::shownPage() const
{
    return m_doc.PageAt(std::max(0, pageTabs()->currentIndex()));
}

int PageTab::runDialog(QDialog &dialog)
{
    return m_dialogRunner ? m_dialogRunner(dialog) : dialog.exec();
}

namespace
{
// A page list that does not read stops the print with its reason.
void printList(VDoc &doc, Prompts &prompts)
{
    QString error;
    PrintPageList(doc, &error);
    if (!error.isEmpty()) prompts.warning(T("Print"), error);
}
} // namespace

void PageTab::printDocument()
{
    VPage *shown = shownPage();
    if (!shown) return;
    VSetPrn &settings = m_doc.Settings().Print;
    settings.PageSelection = 0;
    TfrmSets dialog(settings, prompts(), &m_shell);
    if (runDialog(dialog) != QDialog::Accepted) return;
    if (settings.PageSelection == 0) {
        PrintAllPages(m_doc);
    } else if (settings.PageSelection == 1) {
        shown->Settings().Print = settings;
        PrintPage(*shown, m_doc.IndexOf(shown) + 1);
    } else {
        printList(m_doc, prompts());
    }
}

void PageTab::printShownPage()
{
    VPage *shown = shownPage();
    if (!shown) return;
    VSetPrn &settings = shown->Settings().Print;
    settings.PageSelection = 1;
    TfrmSets dialog(settings, prompts(), &m_shell);
    if (runDialog(dialog) != QDialog::Accepted) return;
    if (settings.PageSelection == 1) return void(PrintPage(*shown, m_doc.IndexOf(shown) + 1));
    m_doc.Settings().Print = settings;
    if (settings.PageSelection == 0)
        PrintAllPages(m_doc);
    else
        printList(m_doc, prompts());
}

void PageTab::printPropertiesDocument()
{
    TfrmSets dialog(m_doc.Settings().Print, prompts(), &m_shell);
    runDialog(dialog);
}

void PageTab::printPropertiesPage()
{
    if (VPage *shown = shownPage()) {
        TfrmSets dialog(shown->Settings().Print, prompts(), &m_shell);
        runDialog(dialog);
    }
}

void PageTab::defaultPrinter()
{
    SelectedPrinter().clear();
}
