#include "app/design/paper_fit_offer.h"

#include "app/app_texts.h"
#include "app/prompts.h"
#include "model/design_editor.h"
#include "model/page_fit.h"
#include "model/units.h"
#include "model/v_page.h"

#include <QSet>
#include <QStringList>

namespace
{
constexpr int kListedElements = 20; // a longer list would not fit a message box

QString paperText(const VPage &page)
{
    const QSize twips = page.TwipsSize();
    return QStringLiteral("%1 x %2").arg(QString::number(TwipsToMm(twips.width()), 'f', 1),
                                         QString::number(TwipsToMm(twips.height()), 'f', 1));
}

// The fitted pages' elements past their paper, page by page when there are several.
QString outsideList(const std::vector<VPage *> &pages)
{
    QStringList lines;
    int more = 0;
    for (VPage *page : pages) {
        const std::vector<const VGrfElement *> outside = ElementsOutsidePaper(*page);
        if (outside.empty()) continue;
        if (pages.size() > 1) lines << T("Page \"%1\":").arg(page->Name());
        QSet<const VGrfElement *> named;
        for (const VGrfElement *e : outside) {
            named.insert(e);
            // What a container past the paper holds moves with it: the container alone is named.
            bool inside = false;
            for (const VGrfElement *p = e->Parent(); p && !inside; p = p->Parent())
                inside = named.contains(p);
            if (inside) continue;
            if (lines.size() < kListedElements)
                lines << QStringLiteral("  ") + OutsideElementText(*e);
            else
                ++more;
        }
    }
    if (lines.isEmpty()) return {};
    if (more > 0) lines << T("and %1 more").arg(more);
    return T("These elements lie outside the paper:") + QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
}
} // namespace

void ApplyPageSettingsOfferingFit(DesignEditor &editor, Prompts &prompts,
                                  const std::vector<PageSettingsCommand::State> &states)
{
    VDoc &doc = editor.document();
    std::vector<std::pair<VPage *, QSize>> papers;
    for (const PageSettingsCommand::State &s : states)
        if (VPage *page = doc.PageAt(s.page)) papers.emplace_back(page, page->TwipsSize());

    QUndoStack &stack = editor.undoStack();
    stack.beginMacro(T("Page Properties"));
    editor.setPageSettings(states);
    std::vector<VPage *> changed;
    for (const auto &[page, paper] : papers)
        if (page->TwipsSize() != paper) changed.push_back(page);
    bool fitted = false;
    if (!changed.empty()) {
        const QString question =
            changed.size() == 1
                ? T("The paper of page \"%1\" is now %2 mm.\nFit the page's panel to the new paper?")
                      .arg(changed.front()->Name(), paperText(*changed.front()))
                : T("The paper of %1 pages changed.\nFit each page's panel to its new paper?")
                      .arg(changed.size());
        fitted = prompts.askYesNoCancel(T("Design Editor"), question) == Prompts::Yes;
    }
    if (fitted)
        for (VPage *page : changed) {
            // The panel and its children move: children keep their places on the paper.
            std::vector<VGrfElement *> moved{&page->Root()};
            for (const auto &child : page->Root().ChildList())
                moved.push_back(child.get());
            auto before = GeometryCommand::Capture(moved);
            FitPanelToPaper(*page);
            editor.geometryChanged(std::move(before), T("Fit Panel to Paper"));
        }
    stack.endMacro();
    if (!fitted) return;
    const QString outside = outsideList(changed);
    if (!outside.isEmpty()) prompts.information(T("Design Editor"), outside);
}
