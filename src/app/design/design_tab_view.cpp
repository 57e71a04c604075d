// The design view's aids: the grid and its switches, the rulers, the selection in the status bar.
#include "app/app_texts.h"
#include "app/design/design_tab.h"
#include "app/main_window.h"
#include "app/pages/page_view.h"
#include "app/design/ruler.h"
#include "model/grid_snap.h"
#include "model/units.h"
#include "model/v_page.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QScrollArea>
#include <QSettings>
#include <QTabBar>

namespace
{
QString SelectionText(const QRect &extent)
{
    if (extent.isNull()) return QString();
    auto mm = [](int twips) { return QString::number(TwipsToMm(twips), 'f', 1); };
    return T("Left %1, top %2, width %3, height %4 mm")
        .arg(mm(extent.left()), mm(extent.top()), mm(extent.width()), mm(extent.height()));
}

QRect ShownSelection(const VPage *page)
{
    return page && !page->Preview() ? SelectionExtentTwips(page->Root()) : QRect();
}
} // namespace

void DesignTab::setUpView()
{
    add("mnuDesign_View_ShowGrid", "Show Grid", [this] {
        DesignGrid g = m_grid;
        g.show = !g.show;
        setGrid(g);
    })->setCheckable(true);
    add("mnuDesign_View_SnapToGrid", "Snap to Grid", [this] {
        DesignGrid g = m_grid;
        g.snap = !g.snap;
        setGrid(g);
    })->setCheckable(true);
    add("mnuDesign_View_GridStep", "Grid Step...", [this] { askGridStep(); });
    addMenu("View", {"mnuDesign_View_ShowGrid", "mnuDesign_View_SnapToGrid", "mnuDesign_View_GridStep"},
            "mnuDesign_View");

    if (std::unique_ptr<QSettings> store = m_shell.openSettings()) m_grid = ReadDesignGrid(*store);
    PageView *view = canvas()->view();
    view->setGrid(m_grid);
    action("mnuDesign_View_ShowGrid")->setChecked(m_grid.show);
    action("mnuDesign_View_SnapToGrid")->setChecked(m_grid.snap);
    m_rulers = new RulerFrame(*scrollArea(), *view);
    // A click on an element would first hand the focus to the scroll box, and the focused element
    // of a multiple selection would drop out of it before the press could move them all.
    scrollArea()->setFocusPolicy(Qt::NoFocus);
    view->setSelectionListener([this] { showSelection(); });
    // An insert waiting for its click belongs to the page it was chosen on.
    connect(pageTabs(), &QTabBar::currentChanged, this, [this] { cancelInsert(); });
}

void DesignTab::setGrid(const DesignGrid &grid)
{
    m_grid = grid;
    canvas()->view()->setGrid(grid);
    action("mnuDesign_View_ShowGrid")->setChecked(grid.show);
    action("mnuDesign_View_SnapToGrid")->setChecked(grid.snap);
    if (std::unique_ptr<QSettings> store = m_shell.openSettings()) WriteDesignGrid(*store, grid);
}

void DesignTab::askGridStep()
{
    QDialog dialog(&m_shell);
    dialog.setWindowTitle(T("Grid"));
    auto *form = new QFormLayout(&dialog);
    auto *step = new QDoubleSpinBox(&dialog);
    step->setObjectName(QStringLiteral("gridStep"));
    step->setDecimals(1);
    step->setRange(DesignGrid::kMinStepMm, DesignGrid::kMaxStepMm);
    step->setSingleStep(0.5);
    step->setSuffix(QStringLiteral(" mm"));
    step->setValue(m_grid.stepMm);
    form->addRow(T("Grid step:"), step);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (runDialog(dialog) != QDialog::Accepted) return;
    DesignGrid g = m_grid;
    g.stepMm = step->value();
    setGrid(g);
}

QString DesignTab::selectionText() const
{
    return SelectionText(ShownSelection(canvas()->view()->page()));
}

void DesignTab::showSelection()
{
    const QRect extent = ShownSelection(canvas()->view()->page());
    m_rulers->top()->setMark(extent.left(), extent.left() + extent.width());
    m_rulers->left()->setMark(extent.top(), extent.top() + extent.height());
    m_shell.setStatusText(3, SelectionText(extent));
}
