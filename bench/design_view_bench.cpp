// The design view of a busy page: 2,000 elements (40 groups, each with a 3 x 4 table, a nested
// group of 20 labels and 15 labels of its own) at zoom 100. Building the element windows,
// painting them all, and one mouse-move step of a drag of 20 selected labels, painted: plain, and
// with the grid drawn, snapping on and the rulers marking the selection.
#include "app/design/element_widget.h"
#include "app/pages/page_view.h"
#include "app/design/ruler.h"
#include "model/design_editing.h"
#include "model/design_editor.h"
#include "model/grid_snap.h"
#include "model/v_doc.h"
#include "model/v_page.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <functional>

namespace
{

class BenchContext : public DesignViewContext
{
public:
    explicit BenchContext(VDoc &doc) : m_editor(doc) {}
    DesignEditor &editor() override { return m_editor; }
    bool propertiesAvailable() const override { return false; }
    void showProperties(VGrfElement &) override {}
    int runContextMenu(const std::vector<ContextMenuItem> &, const QPoint &) override { return 0; }
    void refuse(const QString &) override {}

private:
    DesignEditor m_editor;
};

struct BusyPage {
    VDoc doc;
    BenchContext context{doc};
    QWidget window;
    PageView *view = nullptr;
    VGrfElement *firstNested = nullptr; // the group whose 20 labels are dragged
    int elements = 0;

    BusyPage()
    {
        VPage *page = doc.AddPage();
        page->SetZoom(100);
        page->PlaceRoot();
        DesignEditor &ed = context.editor();
        VGrfElement &root = page->Root();
        auto place = [](VGrfElement *e, QRect r) { SetElementWindow(*e, r); };
        for (int g = 0; g < 40; ++g) {
            VGrfElement *group = ed.add(root, ElementKind::Group, {0, 0});
            place(group, QRect(5 + g % 5 * 155, 5 + g / 5 * 135, 150, 130));
            VGrfElement *table = ed.add(*group, ElementKind::Table, {0, 0});
            place(table, QRect(5, 5, 60, 40));
            place(table->Child(0), QRect(0, 0, 15, 13));
            for (int i = 0; i < 2; ++i)
                ed.editTable(*table->Child(0), TableEdit::AddRowDown);
            for (int i = 0; i < 3; ++i)
                ed.editTable(*table->Child(0), TableEdit::AddColumnRight);
            VGrfElement *nested = ed.add(*group, ElementKind::Group, {0, 0});
            place(nested, QRect(66, 4, 83, 123));
            if (!firstNested) firstNested = nested;
            for (int i = 0; i < 20; ++i) {
                VGrfElement *label = ed.add(*nested, ElementKind::Label, {0, 0});
                place(label, QRect(1 + i % 2 * 40, 1 + i / 2 * 12, 40, 12));
                label->SetCaption(QStringLiteral("Field %1").arg(i));
            }
            for (int i = 0; i < 15; ++i) {
                VGrfElement *label = ed.add(*group, ElementKind::Label, {0, 0});
                place(label, QRect(5 + i % 3 * 20, 50 + i / 3 * 15, 20, 14));
                label->SetCaption(QString::number(i));
            }
        }
        std::function<int(const VGrfElement &)> count = [&](const VGrfElement &e) {
            int n = 1;
            for (const auto &c : e.ChildList())
                n += count(*c);
            return n;
        };
        elements = count(root) - 1;
        view = new PageView(&window);
        view->setContext(&context);
        window.resize(page->PixelSize());
        window.show();
        QApplication::setActiveWindow(&window);
        // Nothing is painted before the window is exposed.
        while (!window.windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
};

BusyPage &busyPage()
{
    static BusyPage page;
    return page;
}

void buildView(benchmark::State &state)
{
    BusyPage &p = busyPage();
    for (auto _ : state) {
        p.view->setPage(p.doc.PageAt(0));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    state.counters["elements"] = p.elements;
}
BENCHMARK(buildView)->Unit(benchmark::kMillisecond);

void repaintView(benchmark::State &state)
{
    BusyPage &p = busyPage();
    p.view->setPage(p.doc.PageAt(0));
    for (auto _ : state) {
        QPixmap shot = p.view->grab();
        benchmark::DoNotOptimize(shot.cacheKey());
    }
}
BENCHMARK(repaintView)->Unit(benchmark::kMillisecond);

// Counts the paint events of element windows, to show that every step was drawn.
class PaintCounter : public QObject
{
public:
    long paints = 0;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && dynamic_cast<ElementWidget *>(o)) ++paints;
        return false;
    }
};

void sendMouse(ElementWidget *target, QEvent::Type type, QPointF at, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, target->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Selects the 20 nested labels and presses on the first; returns the pressed window.
ElementWidget *pressNestedLabels(BusyPage &p)
{
    for (const auto &label : p.firstNested->ChildList())
        label->SetSelected(true);
    ElementWidget *grabbed = p.view->widgetOf(p.firstNested->Child(0));
    sendMouse(grabbed, QEvent::MouseButtonPress, QPointF(20, 6), Qt::LeftButton, Qt::LeftButton);
    p.view->widgetOf(p.firstNested)->repaint(); // whatever setPage left to paint
    return grabbed;
}

// One timed step per iteration, back and forth between x = 20 and x = farX in the pressed window.
// Offscreen, the event loop paints on a timer; painting the dragged labels' group (the labels and
// what they uncover) and paintAlso's widgets after each step is what a screen shows. Gives the
// element windows painted per step.
double dragSteps(benchmark::State &state, BusyPage &p, ElementWidget *grabbed, int farX,
                 const std::function<void()> &paintAlso = {})
{
    ElementWidget *area = p.view->widgetOf(p.firstNested);
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    int step = 0;
    for (auto _ : state) {
        sendMouse(grabbed, QEvent::MouseMove, QPointF(step++ % 2 ? 20 : farX, 6), Qt::NoButton, Qt::LeftButton);
        area->repaint();
        if (paintAlso) paintAlso();
    }
    qApp->removeEventFilter(&counter);
    return double(counter.paints) / std::max(1, step);
}

void release(ElementWidget *grabbed)
{
    sendMouse(grabbed, QEvent::MouseButtonRelease, QPointF(20, 6), Qt::LeftButton, Qt::NoButton);
}

void dragStep(benchmark::State &state)
{
    BusyPage &p = busyPage();
    p.view->setPage(p.doc.PageAt(0));
    ElementWidget *grabbed = pressNestedLabels(p);
    // Back and forth by a pixel: every step moves all 20 windows.
    const double paints = dragSteps(state, p, grabbed, 21);
    release(grabbed);
    state.counters["paints/step"] = benchmark::Counter(paints);
}
BENCHMARK(dragStep)->Unit(benchmark::kMillisecond);

void dragStepGridSnapRulers(benchmark::State &state)
{
    BusyPage &p = busyPage();
    p.view->setPage(p.doc.PageAt(0));
    p.view->setGrid(DesignGrid{2.0, true, true});
    // The rulers beside the page and the status text below it follow the selection at every
    // step, as in the window.
    const QSize page = p.view->size();
    const int t = Ruler::kThickness;
    p.window.resize(page + QSize(t, 2 * t));
    p.view->move(t, t);
    Ruler top(Qt::Horizontal, *p.view, &p.window), left(Qt::Vertical, *p.view, &p.window);
    top.setGeometry(t, 0, page.width(), t);
    left.setGeometry(0, t, t, page.height());
    QLabel status(&p.window);
    status.setGeometry(t, t + page.height(), 300, t);
    for (QWidget *w :
         {static_cast<QWidget *>(&top), static_cast<QWidget *>(&left), static_cast<QWidget *>(&status)})
        w->show();
    const VGrfElement &root = p.doc.PageAt(0)->Root();
    p.view->setSelectionListener([&] {
        const QRect extent = SelectionExtentTwips(root);
        top.setMark(extent.left(), extent.left() + extent.width());
        left.setMark(extent.top(), extent.top() + extent.height());
        status.setText(QStringLiteral("%1 %2 %3 %4")
                           .arg(extent.left())
                           .arg(extent.top())
                           .arg(extent.width())
                           .arg(extent.height()));
    });
    ElementWidget *grabbed = pressNestedLabels(p);
    const int startLeft = grabbed->element().Shape().Left();
    // 8 pixels is past the next 2 mm line: every step snaps the 20 windows to another place.
    const double paints = dragSteps(state, p, grabbed, 28, [&] {
        top.repaint();
        left.repaint();
        status.repaint();
    });
    const bool snapped =
        grabbed->element().Shape().Left() == NearestGridLine(grabbed->element().Shape().Left(), 2.0);
    release(grabbed);
    p.view->setSelectionListener({});
    p.view->setGrid(DesignGrid{});
    p.view->move(0, 0);
    p.window.resize(page);
    state.counters["paints/step"] = benchmark::Counter(paints);
    state.counters["snapped"] = snapped && grabbed->element().Shape().Left() != startLeft;
}
BENCHMARK(dragStepGridSnapRulers)->Unit(benchmark::kMillisecond);

} // namespace
