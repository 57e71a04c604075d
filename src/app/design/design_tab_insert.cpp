// The Insert menu: an element armed by the menu goes where the next click on the page lands.
#include "app/app_texts.h"
#include "app/design/design_tab.h"
#include "app/main_window.h"
#include "app/pages/page_view.h"
#include "app/prompts.h"
#include "model/grid_snap.h"
#include "model/table_editing.h"
#include "model/units.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QStatusBar>

namespace
{
// The rows and columns of a new table, columns x rows; none when cancelled.
std::optional<QSize> AskTableSize(QWidget *parent)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(T("Insert Table"));
    auto *form = new QFormLayout(&dialog);
    auto *rows = new QSpinBox(&dialog), *columns = new QSpinBox(&dialog);
    rows->setRange(1, 100);
    columns->setRange(1, 50);
    rows->setValue(2);
    columns->setValue(3);
    form->addRow(T("Rows:"), rows);
    form->addRow(T("Columns:"), columns);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return QSize(columns->value(), rows->value());
}
} // namespace

void DesignTab::insertElement(InsertKind kind)
{
    cancelInsert();
    if (!canvas()->view()->page()) return;
    PendingInsert pending{kind, {}, nullptr};
    if (kind == InsertKind::Table) {
        const std::optional<QSize> size = m_tableSizeAsker ? m_tableSizeAsker() : AskTableSize(&m_shell);
        if (!size) return;
        pending.grid = *size;
    } else if (kind == InsertKind::Picture) {
        const QString path = prompts().openFileName(
            T("Picture"), QStringLiteral("*.jpg|*.jpg|*.jpeg|*.jpeg|*.bmp|*.bmp|*.gif|*.gif|*.png|*.png"));
        if (path.isEmpty()) return;
        pending.picture = std::make_shared<VPicture>();
        if (!pending.picture->LoadFile(path)) return prompts().warning(T("Design Editor"), path);
        // A new label is smaller than most pictures: shown whole, in proportion.
        pending.picture->SetSizeSet(VPicture::StretchProportional);
    }
    m_pending = std::move(pending);
    // Until the click the page shows a cross, as drawing programs do for a tool in hand.
    canvas()->view()->setCursor(Qt::CrossCursor);
    ElementWidget *current = currentElementWidget();
    if (current && current->element().Kind() == ElementKind::Group && current->element().Selected()) {
        placeInsert(current->element(), QPoint(0, 0));
        return;
    }
    m_shell.statusBar()->showMessage(T("Click where the element goes; Escape cancels."));
}

bool DesignTab::placeInsert(VGrfElement &element, const QPoint &at)
{
    if (!m_pending) return false;
    const PendingInsert pending = *m_pending;
    cancelInsert();
    // The click lands in the innermost window; the element goes into the group or panel holding it.
    VGrfElement *target = &element;
    QPoint point = at;
    while (target->Parent() && target->Kind() != ElementKind::Group && target->Kind() != ElementKind::Panel) {
        point += target->WindowBounds().topLeft();
        target = target->Parent();
    }
    static const ElementKind kinds[] = {ElementKind::Label, ElementKind::BarCode, ElementKind::Group,
                                        ElementKind::Table, ElementKind::Label};
    const double snap = canvas()->view()->grid().snapStep();
    VGrfElement *added = m_editor.add(*target, kinds[int(pending.kind)], point, [&](VGrfElement &added) {
        if (pending.kind == InsertKind::Table)
            MakeTableGrid(added, pending.grid.height(), pending.grid.width());
        if (pending.picture) fitPicture(added, *target, *pending.picture);
        if (snap > 0) snapInside(added, *target, snap);
    });
    selectAfterRefresh(added);
    return true;
}

void DesignTab::snapInside(VGrfElement &added, const VGrfElement &container, double step)
{
    SnapElementToGrid(added, 0, step);
    // A line before the container's edge gives way to the next one: the element stays inside.
    auto inside = [step](int twips, int edge) {
        while (twips < edge)
            twips = NearestGridLine(twips + MmToTwips(step), step);
        return twips;
    };
    const int left = added.Shape().Left(), top = added.Shape().Top();
    const int dx = inside(left, container.Shape().Left()) - left,
              dy = inside(top, container.Shape().Top()) - top;
    if (dx || dy) MoveElementEdges(added, QMargins(-dx, -dy, dx, dy));
}

void DesignTab::fitPicture(VGrfElement &added, const VGrfElement &target, const VPicture &picture)
{
    added.SetPicture(std::make_unique<VPicture>(picture));
    // The label takes the picture's own size at the page's zoom, as far as its container has room.
    const int zoom = added.Zoom() > 0 ? added.Zoom() : 100;
    const QSize room =
        target.WindowBounds().size() - QSize(added.WindowBounds().left(), added.WindowBounds().top());
    const QSize size = (picture.Image().size() * zoom / 100).boundedTo(room).expandedTo(QSize(5, 5));
    SetElementWindow(added, QRect(added.WindowBounds().topLeft(), size));
}

void DesignTab::selectAfterRefresh(VGrfElement *element)
{
    VPage *page = canvas()->view()->page();
    if (!page || !element) return;
    // The rebuilt view gives the element the focus, which selects it; nothing else stays selected.
    WalkElements(page->Root(), [](VGrfElement &e) { e.SetSelected(false); });
    m_focusAfterRefresh = element;
}

bool DesignTab::cancelInsert()
{
    if (!m_pending) return false;
    m_pending.reset();
    canvas()->view()->unsetCursor();
    m_shell.statusBar()->clearMessage();
    return true;
}
