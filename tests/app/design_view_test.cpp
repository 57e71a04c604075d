// Editing a design with mouse and keys in the window (offscreen), and the view's aids.
#include "app/design/design_tab.h"
#include "app/design/element_widget.h"
#include "app/design/ruler.h"
#include "app/main_window.h"
#include "app/pages/page_view.h"
#include "export/pdf_export.h"
#include "fake_prompts.h"
#include "files/design_file.h"
#include "model/code_page.h"
#include "model/grid_snap.h"
#include "model/table_editing.h"
#include "report/report_generation.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace
{
class DesignViewTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    FakePrompts prompts;
    std::unique_ptr<TfrmMain> w;
    std::vector<int> menuChoices; // what the "person" picks from each context menu

    void SetUp() override
    {
        w = std::make_unique<TfrmMain>(prompts, TfrmMain::SettingsFactory());
        w->resize(1200, 900);
        w->show();
        // Focus events, which select, reach only an active window.
        QApplication::setActiveWindow(w.get());
        w->design().setContextMenuRunner([this](const std::vector<ContextMenuItem> &, const QPoint &) {
            if (menuChoices.empty()) return 0;
            const int c = menuChoices.front();
            menuChoices.erase(menuChoices.begin());
            return c;
        });
        editingState() = EditingState{};
    }
    void TearDown() override
    {
        w->design().clearDocument();
        editingState() = EditingState{};
    }
    DesignTab &design() { return w->design(); }
    VGrfElement &root() { return design().document().PageAt(0)->Root(); }
    ElementWidget *widget(const VGrfElement *e)
    {
        return w->canvas(TfrmMain::DesignMode)->view()->widgetOf(e);
    }
    // Lets queued view updates run.
    void settle() { QCoreApplication::processEvents(); }
    VGrfElement *find(const QString &name) { return testsupport::findElement(root(), name); }
    QByteArray saved()
    {
        const QString path = dir.filePath("snapshot.edt");
        VDoc &doc = design().document();
        const QString name = doc.FileName();
        WriteDesignFile(doc, path);
        doc.SetFileName(name);
        return testsupport::readAll(path);
    }
    // Opens the invoice example; its bytes as saved are what undoing everything must give back.
    QByteArray openInvoice()
    {
        EXPECT_TRUE(design().openDesign(QStringLiteral(TESSALY_SOURCE_DIR "/examples/invoice.edt")));
        settle();
        return saved();
    }
    void trigger(const char *action)
    {
        w->action(QLatin1String(action))->trigger();
        settle();
    }
    // Undoes every step from the menu: the design is then the bytes it was opened with.
    void expectAllUndoneTo(const QByteArray &original)
    {
        QAction *undo = w->action("mnuDesign_Edit_Undo");
        while (undo->isEnabled())
            undo->trigger();
        settle();
        EXPECT_EQ(saved(), original);
    }
    void click(const VGrfElement *e, QPoint at, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::mouseClick(widget(e), Qt::LeftButton, mods, at);
    }
    // A click on the panel's empty space, which ends the selection.
    void clickEmpty() { click(&root(), QPoint(3, 300)); }
    void drag(QWidget *on, QPoint press, QPoint by)
    {
        QTest::mousePress(on, Qt::LeftButton, Qt::NoModifier, press);
        QTest::mouseMove(on, press + by);
        QTest::mouseRelease(on, Qt::LeftButton, Qt::NoModifier, press + by);
        settle();
    }
};
} // namespace

TEST_F(DesignViewTest, SelectDragNudgeDeleteAndUndo)
{
    const QByteArray original = openInvoice();
    VGrfElement *title = find("Label2"), *company = find("Label1");
    ASSERT_TRUE(title && company);

    // Click selects through the focus; with Shift held (seen by the focused window) a click adds,
    // and a second one takes out. Without Shift a click elsewhere ends the selection.
    click(title, QPoint(20, 8));
    EXPECT_TRUE(title->Selected());
    QTest::keyPress(widget(title), Qt::Key_Shift);
    click(company, QPoint(20, 8), Qt::ShiftModifier);
    EXPECT_TRUE(title->Selected() && company->Selected());
    click(company, QPoint(20, 8), Qt::ShiftModifier);
    EXPECT_TRUE(title->Selected() && !company->Selected());
    click(company, QPoint(20, 8));
    EXPECT_TRUE(company->Selected() && !title->Selected());
    clickEmpty();
    click(title, QPoint(20, 8));
    EXPECT_TRUE(title->Selected() && !company->Selected() && !root().Selected());

    // A drag by the body moves; by an edge it moves that edge; the twips follow the window. (The
    // mouse stays inside: offscreen, a move outside reaches the widget under it.)
    ElementWidget *t = widget(title);
    const auto at = [t](double x, double y) { return QPoint(int(x * t->width()), int(y * t->height())); };
    const struct {
        QPoint press, by;
        QMargins change; // how far each side goes out
    } drags[] = {{at(0.3, 0.3), {12, 7}, {-12, -7, 12, 7}},
                 {{1, t->height() / 2}, {4, 0}, {-4, 0, 0, 0}},
                 {{t->width() / 2, 1}, {0, 3}, {0, -3, 0, 0}},
                 {{t->width() - 2, t->height() / 2}, {-10, 0}, {0, 0, -10, 0}},
                 {{t->width() / 2, t->height() - 1}, {0, -5}, {0, 0, 0, -5}}};
    for (const auto &d : drags) {
        const QRect before = title->WindowBounds();
        drag(t, d.press, d.by);
        EXPECT_EQ(title->WindowBounds(), before.marginsAdded(d.change)) << d.press.x() << "," << d.press.y();
        EXPECT_EQ(title->Shape().RelLeft(), title->WindowBounds().left() * 15);
        EXPECT_EQ(title->Shape().Width(), title->WindowBounds().width() * 15);
    }

    // Ctrl + arrows move, Shift + arrows resize, both together do nothing; a run is one step.
    const QRect beforeKeys = title->WindowBounds();
    const int steps = design().editor().undoStack().count();
    QTest::keyClick(t, Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(t, Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(t, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(t, Qt::Key_Down, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(title->WindowBounds(),
              QRect(beforeKeys.topLeft() + QPoint(2, 0), beforeKeys.size() + QSize(0, 1)));
    EXPECT_EQ(design().editor().undoStack().count(), steps + 2);

    // Delete removes the selection; undo from the menu brings everything back to the bytes opened.
    QTest::keyClick(t, Qt::Key_Delete);
    settle();
    EXPECT_EQ(find("Label2"), nullptr);
    EXPECT_EQ(w->statusText(0), "*");
    expectAllUndoneTo(original);
    EXPECT_FALSE(design().isModified());
    trigger("mnuDesign_Edit_Redo");
    EXPECT_TRUE(design().isModified());
}

TEST_F(DesignViewTest, ContextMenuCommandsAndInPlaceCaptions)
{
    design().mnuDesign_File_NewClick();
    settle();
    // Add a group on the page, a label in the group, cut the label and paste it on the page.
    const auto command = [&](VGrfElement *on, QPoint at, int choice) {
        menuChoices = {choice};
        QContextMenuEvent e(QContextMenuEvent::Mouse, at, at);
        QApplication::sendEvent(widget(on), &e);
        settle();
    };
    command(&root(), QPoint(40, 40), cmdAddGroup);
    ASSERT_EQ(root().ChildCount(), 1);
    VGrfElement *group = root().Child(0);
    EXPECT_EQ(group->Name(), "Group1");
    command(group, QPoint(10, 10), cmdAddLabel);
    ASSERT_EQ(group->ChildCount(), 1);
    VGrfElement *label = group->Child(0);
    EXPECT_EQ(label->Name(), "Group1_E1");
    command(label, QPoint(5, 5), cmdCut);
    EXPECT_EQ(editingState().cutElement, label);
    command(&root(), QPoint(40, 40), cmdPaste);
    EXPECT_EQ(group->ChildCount(), 0);
    ASSERT_EQ(root().ChildCount(), 2);

    // Enter opens the caption editor; Enter keeps the text, a click elsewhere throws it away.
    VGrfElement *moved = root().Child(1);
    ElementWidget *lw = widget(moved);
    lw->setFocus();
    QTest::keyClick(lw, Qt::Key_Return);
    ASSERT_NE(lw->captionEditor(), nullptr);
    EXPECT_EQ(lw->captionEditor()->geometry(), InPlaceEditRect(lw->size()));
    lw->captionEditor()->setText("yped");
    QTest::keyClick(lw->captionEditor(), Qt::Key_Home); // the editor's, not the page's
    QTest::keyClicks(lw->captionEditor(), "T");
    QTest::keyClick(lw->captionEditor(), Qt::Key_Return);
    EXPECT_EQ(moved->Caption(), "Typed");
    EXPECT_TRUE(lw->hasFocus());
    QTest::keyClick(lw, Qt::Key_Return);
    lw->captionEditor()->setText("Thrown away");
    widget(&root())->setFocus();
    settle();
    EXPECT_EQ(moved->Caption(), "Typed");
    EXPECT_EQ(lw->captionEditor(), nullptr);
}

// From an empty design to a PDF: every element ends where it was put, to the twip.
TEST_F(DesignViewTest, ADesignBuiltFromNothingKeepsItsPlacesThroughFilesAndPdf)
{
    design().mnuDesign_File_NewClick();
    DesignEditor &ed = design().editor();
    VGrfElement *group = ed.add(root(), ElementKind::Group, QPoint(20, 20));
    VGrfElement *table = ed.add(root(), ElementKind::Table, QPoint(20, 200));
    for (int i = 0; i < 2; ++i) {
        ed.editTable(*table->Child(0), TableEdit::AddRowDown);
        ed.editTable(*table->Child(0), TableEdit::AddColumnRight);
    }
    VGrfElement *name = ed.add(*group, ElementKind::Label, QPoint(5, 5));
    VGrfElement *city = ed.add(*group, ElementKind::Label, QPoint(5, 40));
    VGrfElement *code = ed.add(root(), ElementKind::BarCode, QPoint(400, 20));
    name->SetValueType(vtVariable);
    city->SetValueType(vtVariable);
    ed.setCaption(*name, "Name");
    ed.setCaption(*city, "City");
    code->BarCode()->SetType(VBarCode::Ean13);
    code->BarCode()->SetValue("400638133393");
    ed.nudge({group}, 1, 0, false);
    auto before = GeometryCommand::Capture({city});
    SetElementWindow(*city, city->WindowBounds().translated(17, 3).adjusted(0, 0, 30, 0));
    ed.geometryChanged(before, "Move");

    const QString file = dir.filePath("built.edt");
    ASSERT_TRUE(WriteDesignFile(design().document(), file));
    VDoc back;
    ASSERT_TRUE(ReadDesignFile(back, file));
    std::function<void(const VGrfElement &, const VGrfElement &)> same = [&](const VGrfElement &a,
                                                                             const VGrfElement &b) {
        EXPECT_EQ(a.Name(), b.Name());
        EXPECT_EQ(QRect(a.Shape().Left(), a.Shape().Top(), a.Shape().Width(), a.Shape().Height()),
                  QRect(b.Shape().Left(), b.Shape().Top(), b.Shape().Width(), b.Shape().Height()))
            << a.Name().toStdString();
        ASSERT_EQ(a.ChildCount(), b.ChildCount());
        for (int i = 0; i < a.ChildCount(); ++i)
            same(*a.Child(i), *b.Child(i));
    };
    same(root(), back.PageAt(0)->Root());

    // A template of it, filled and generated, then exported: the texts stand where the labels are.
    VDoc report;
    const QString data = dir.filePath("built.edd");
    testsupport::writeAll(data, "<Document DataType=\"1\">\r\n<Page DesignName=\"Page1\">\r\n"
                                "<Data Status=\"Group\" DesignName=\"Group1\">\r\n<f1=\"Zelda\"/>\r\n"
                                "<f2=\"Izmir\"/>\r\n</Data>\r\n</Page>\r\n</Document>\r\n");
    ReportSink keep;
    ASSERT_TRUE(ReadDataFile(data, back, report, &keep));
    const QString pdf = dir.filePath("built.pdf");
    ASSERT_TRUE(ExportReportPdf(report, pdf, InterfaceCodePage(), QString()));
    if (!testsupport::haveTool("pdftotext")) return;
    const QByteArray words = testsupport::runProgram("pdftotext", {"-bbox", pdf, "-"}).out;
    for (const auto &[text, label] : {std::pair{"Zelda", name}, std::pair{"Izmir", city}}) {
        const qsizetype at = words.indexOf(QByteArray(">") + text + "<");
        ASSERT_GE(at, 0) << text;
        const QByteArray tag = words.mid(words.lastIndexOf("<word", at), at - words.lastIndexOf("<word", at));
        const double xMin = tag.mid(tag.indexOf("xMin=\"") + 6).split('"').first().toDouble();
        // Left-aligned? The default is centred: the word lies inside the label's box in points.
        const double left = label->Shape().Left() / 20.0,
                     right = (label->Shape().Left() + label->Shape().Width()) / 20.0;
        EXPECT_GE(xMin, left - 1) << text;
        EXPECT_LE(xMin, right) << text;
    }
}

TEST_F(DesignViewTest, EditMenuCutCopyPasteDeleteSelectAllAndNoPages)
{
    const QByteArray original = openInvoice();
    const size_t children = root().ChildList().size();
    VGrfElement *title = find("Label2");
    ASSERT_TRUE(title);
    // Copy the focused label, paste onto the panel (the panel has the focus then).
    click(title, QPoint(20, 8));
    trigger("mnuDesign_Edit_Copy");
    clickEmpty();
    trigger("mnuDesign_Edit_Paste");
    ASSERT_EQ(root().ChildList().size(), children + 1);
    EXPECT_EQ(root().ChildList().back()->Caption(), title->Caption());

    // Select All takes every element of the panel; Delete removes them as one step.
    trigger("mnuDesign_Edit_SelectAll");
    for (const auto &c : root().ChildList())
        EXPECT_TRUE(c->Selected()) << c->Name().toStdString();
    const int steps = design().editor().undoStack().count();
    trigger("mnuDesign_Edit_Delete");
    EXPECT_TRUE(root().ChildList().empty());
    EXPECT_EQ(design().editor().undoStack().count(), steps + 1);
    expectAllUndoneTo(original);

    // With no pages the Edit menu stays usable (undo brings a deleted page back); page commands grey.
    for (int i = 0; i < 10 && design().document().PageCount() > 0; ++i) {
        design().mnuDesign_Page_DeleteClick();
        settle();
    }
    ASSERT_EQ(design().document().PageCount(), 0);
    EXPECT_TRUE(w->findChild<QMenu *>("mnuDesign_Edit")->isEnabled());
    EXPECT_TRUE(w->action("mnuDesign_Edit_Undo")->isEnabled());
    for (const char *grey : {"mnuDesign_Page_Delete", "mnuDesign_Page_Properties", "mnuDesign_Edit_Delete",
                             "mnuDesign_Insert_Table", "mnuDesign_Arrange_SameSize"})
        EXPECT_FALSE(w->action(QLatin1String(grey))->isEnabled()) << grey;
}

TEST_F(DesignViewTest, ArrangeMenuLinesUpWithTheElementSelectedFirst)
{
    const QByteArray original = openInvoice();
    VGrfElement *title = find("Label2"), *company = find("Label1");
    ASSERT_TRUE(title && company);
    ASSERT_NE(title->Shape().Left() + title->Shape().Width(),
              company->Shape().Left() + company->Shape().Width());
    auto select = [&](VGrfElement *first, VGrfElement *second) {
        clickEmpty();
        click(first, QPoint(20, 8));
        QTest::keyPress(widget(first), Qt::Key_Shift);
        click(second, QPoint(20, 8), Qt::ShiftModifier);
        QTest::keyRelease(widget(second), Qt::Key_Shift);
        ASSERT_TRUE(first->Selected() && second->Selected());
    };
    const int steps = design().editor().undoStack().count();
    const int companyRight = company->Shape().Left() + company->Shape().Width();
    select(company, title);
    trigger("mnuDesign_Arrange_AlignRight");
    EXPECT_EQ(title->Shape().Left() + title->Shape().Width(), companyRight);
    EXPECT_EQ(company->Shape().Left() + company->Shape().Width(), companyRight);
    EXPECT_EQ(widget(title)->geometry(), title->WindowBounds()); // the window follows the model
    EXPECT_EQ(design().editor().undoStack().count(), steps + 1);

    // Chosen the other way round, the title is the reference.
    const int titleTop = title->Shape().Top(), titleHeight = title->Shape().Height();
    ASSERT_NE(company->Shape().Height(), titleHeight);
    select(title, company);
    trigger("mnuDesign_Arrange_SameHeight");
    EXPECT_EQ(company->Shape().Height(), titleHeight);
    EXPECT_EQ(title->Shape().Top(), titleTop);
    EXPECT_EQ(widget(company)->geometry(), company->WindowBounds());

    expectAllUndoneTo(original);
}

TEST_F(DesignViewTest, InsertMenuPlacesAtTheNextClickOrIntoTheSelectedGroup)
{
    const QByteArray original = openInvoice();
    const size_t children = root().ChildList().size();
    auto steps = [this] { return design().editor().undoStack().count(); };
    const int start = steps();

    // Armed: nothing happens until the click, which places the group there.
    trigger("mnuDesign_Insert_Group");
    EXPECT_TRUE(design().insertPending());
    EXPECT_EQ(root().ChildList().size(), children);
    click(&root(), QPoint(40, 500));
    settle();
    ASSERT_EQ(root().ChildList().size(), children + 1);
    VGrfElement *group = root().ChildList().back().get();
    EXPECT_EQ(group->Kind(), ElementKind::Group);
    EXPECT_EQ(group->WindowBounds().topLeft(), QPoint(40, 500));
    EXPECT_FALSE(design().insertPending());
    EXPECT_EQ(steps(), start + 1);

    // With the group selected, a label goes straight into it.
    click(group, QPoint(60, 30));
    ASSERT_TRUE(group->Selected());
    trigger("mnuDesign_Insert_Label");
    ASSERT_EQ(group->ChildList().size(), 1u);
    VGrfElement *label = group->Child(0);
    EXPECT_EQ(label->Kind(), ElementKind::Label);
    EXPECT_EQ(steps(), start + 2);

    // Escape calls an insert off; a cancelled table dialog arms nothing.
    clickEmpty(); // leave the group
    trigger("mnuDesign_Insert_BarCode");
    EXPECT_TRUE(design().insertPending());
    QTest::keyClick(widget(&root()), Qt::Key_Escape);
    EXPECT_FALSE(design().insertPending());
    design().setTableSizeAsker([] { return std::optional<QSize>(); });
    trigger("mnuDesign_Insert_Table");
    EXPECT_FALSE(design().insertPending());

    // A click on the label inside the group puts the table into the group, at the click.
    design().setTableSizeAsker([] { return std::optional<QSize>(QSize(3, 2)); });
    trigger("mnuDesign_Insert_Table");
    ASSERT_TRUE(widget(label));
    click(label, QPoint(2, 1));
    settle();
    ASSERT_EQ(group->ChildList().size(), 2u);
    VGrfElement *table = group->Child(1);
    EXPECT_EQ(table->Kind(), ElementKind::Table);
    EXPECT_EQ(table->WindowBounds().top(), label->WindowBounds().top() + 1); // its left kept inside the group
    const std::optional<TableGrid> grid = GridOf(*table);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->rows(), 2);
    EXPECT_EQ(grid->columns(), 3);
    EXPECT_EQ(steps(), start + 3);

    // A picture: a label holding the chosen file's image.
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString png = dir.filePath("dot.png");
    ASSERT_TRUE(image.save(png));
    prompts.files.push_back(png);
    trigger("mnuDesign_Insert_Picture");
    click(&root(), QPoint(300, 20));
    settle();
    VGrfElement *picture = root().ChildList().back().get();
    ASSERT_EQ(picture->Kind(), ElementKind::Label);
    ASSERT_TRUE(picture->Picture() && picture->Picture()->HasImage());
    EXPECT_EQ(picture->Picture()->Image().size(), QSize(8, 6));
    EXPECT_EQ(picture->WindowBounds(), QRect(QPoint(300, 20), QSize(8, 6) * picture->Zoom() / 100));
    EXPECT_EQ(steps(), start + 4);

    expectAllUndoneTo(original);
}

// The grid's lines read back as whole steps in mm; drags, resizes and placements snap in twips,
// the windows follow the twips, and the switches and step are stored.
TEST_F(DesignViewTest, GridSnapsDragsResizesAndPlacementsInTwips)
{
    // Line k is k steps in mm as the model converts mm, so it reads back as exactly that; a
    // multiple of one step's twips would drift (10 x 284 is not 50 mm's 2835).
    for (double step : {0.5, 2.5, 5.0, 7.5})
        for (int k = -40; k <= 40; ++k)
            EXPECT_DOUBLE_EQ(TwipsToMm(GridLineTwips(k, step)), k * step) << step << " " << k;
    EXPECT_EQ(GridLineTwips(10, 5.0), MmToTwips(50));
    EXPECT_EQ(NearestGridLine(140, 5.0), GridLineTwips(0, 5.0)); // 0 mm is 1 twip, as typed
    EXPECT_EQ(NearestGridLine(143, 5.0), 284);
    EXPECT_EQ(NearestGridLine(2800, 5.0), 2835);
    EXPECT_EQ(NearestGridLine(-300, 5.0), -284);

    const QByteArray original = openInvoice();
    design().setGrid({5.0, true, true});
    EXPECT_TRUE(w->action("mnuDesign_View_SnapToGrid")->isChecked());
    VGrfElement *title = find("Label2");
    ASSERT_TRUE(title);
    ElementWidget *t = widget(title);
    auto onGrid = [](int twips) { return twips == NearestGridLine(twips, 5.0); };
    auto windowFollowsTwips = [](const VGrfElement &e) {
        return e.WindowBounds() == QRect(e.Shape().RelLeft() / 15, e.Shape().RelTop() / 15,
                                         e.Shape().Width() / 15, e.Shape().Height() / 15);
    };
    // A move puts the top-left corner on the nearest lines and keeps the size to the twip.
    const int width = title->Shape().Width(), height = title->Shape().Height();
    ASSERT_FALSE(onGrid(title->Shape().Left()) && onGrid(title->Shape().Top()));
    drag(t, QPoint(t->width() / 2, t->height() / 2), QPoint(13, 9));
    EXPECT_TRUE(onGrid(title->Shape().Left()) && onGrid(title->Shape().Top()));
    EXPECT_NEAR(title->Shape().Left(), 7370 + 13 * 15, 142);
    EXPECT_EQ(title->Shape().Width(), width);
    EXPECT_EQ(title->Shape().Height(), height);
    EXPECT_TRUE(windowFollowsTwips(*title));
    // The status bar gives the selection's place and size in mm, as the lines read.
    EXPECT_EQ(w->statusText(3), QStringLiteral("Left %1, top %2, width %3, height %4 mm")
                                    .arg(QString::number(TwipsToMm(title->Shape().Left()), 'f', 1),
                                         QString::number(TwipsToMm(title->Shape().Top()), 'f', 1),
                                         QString::number(TwipsToMm(width), 'f', 1),
                                         QString::number(TwipsToMm(height), 'f', 1)));
    // A resize by the right edge moves only the right edge onto a line.
    const int left = title->Shape().Left();
    drag(t, QPoint(t->width() - 2, t->height() / 2), QPoint(-20, 0));
    EXPECT_EQ(title->Shape().Left(), left);
    EXPECT_TRUE(onGrid(title->Shape().Left() + title->Shape().Width()));
    EXPECT_LT(title->Shape().Width(), width);
    EXPECT_TRUE(windowFollowsTwips(*title));

    // A placed element lands on the lines too, becomes the selection, and the cross goes.
    PageView *view = w->canvas(TfrmMain::DesignMode)->view();
    w->action("mnuDesign_Insert_Label")->trigger();
    EXPECT_EQ(view->cursor().shape(), Qt::CrossCursor);
    click(&root(), QPoint(43, 503));
    settle();
    VGrfElement *placed = root().ChildList().back().get();
    EXPECT_TRUE(onGrid(placed->Shape().Left()) && onGrid(placed->Shape().Top()));
    EXPECT_TRUE(placed->Selected());
    EXPECT_FALSE(title->Selected());
    EXPECT_TRUE(widget(placed)->hasFocus());
    EXPECT_FALSE(view->testAttribute(Qt::WA_SetCursor));

    expectAllUndoneTo(original);

    // Switching the page calls a waiting insert off.
    design().mnuDesign_Page_NewClick();
    settle();
    w->action("mnuDesign_Insert_Group")->trigger();
    ASSERT_TRUE(design().insertPending());
    design().pageTabs()->setCurrentIndex(0);
    EXPECT_FALSE(design().insertPending());

    // The switches and the step go to the stored settings and come back with the next window.
    const QString ini = dir.filePath("tessaly.conf");
    const auto store = [ini] { return std::make_unique<QSettings>(ini, QSettings::IniFormat); };
    {
        TfrmMain first(prompts, store);
        first.design().setDialogRunner([](QDialog &d) {
            d.findChild<QDoubleSpinBox *>("gridStep")->setValue(2.5);
            return int(QDialog::Accepted);
        });
        first.action("mnuDesign_View_GridStep")->trigger();
        first.action("mnuDesign_View_ShowGrid")->trigger();
        EXPECT_EQ(first.design().grid(), (DesignGrid{2.5, true, false}));
    }
    TfrmMain second(prompts, store);
    EXPECT_EQ(second.design().grid(), (DesignGrid{2.5, true, false}));
    EXPECT_TRUE(second.action("mnuDesign_View_ShowGrid")->isChecked());
    EXPECT_FALSE(second.action("mnuDesign_View_SnapToGrid")->isChecked());
}

// A band drawn from the panel's empty space selects what it encloses; Shift or Ctrl adds; the
// banded selection then moves together and stays selected.
TEST_F(DesignViewTest, SelectionBandTakesTheEnclosedElements)
{
    openInvoice();
    VGrfElement *company = find("Label1"), *title = find("Label2"), *number = find("Label3"),
                *date = find("Label4");
    ASSERT_TRUE(company && title && number && date);
    ElementWidget *panel = widget(&root());
    auto band = [&](QPoint from, QPoint to, Qt::KeyboardModifiers mods) {
        auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
            QMouseEvent e(type, at, panel->mapToGlobal(at), button, buttons, mods);
            QApplication::sendEvent(panel, &e);
        };
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        settle();
    };
    auto selected = [&] {
        std::vector<QString> names;
        WalkElements(root(), [&](VGrfElement &e) {
            if (e.Selected()) names.push_back(e.Name());
        });
        return names;
    };
    const QPoint corner = title->WindowBounds().topLeft() - QPoint(4, 4); // empty panel space
    for (const auto &c : root().ChildList())
        ASSERT_FALSE(c->WindowBounds().contains(corner)) << c->Name().toStdString();
    // Around the title, the number and the date; then around the title and half the number.
    band(corner, date->WindowBounds().bottomRight() + QPoint(4, 4), Qt::NoModifier);
    EXPECT_EQ(selected(), (std::vector<QString>{"Label2", "Label3", "Label4"}));
    band(corner, QPoint(title->WindowBounds().right() + 4, number->WindowBounds().center().y()),
         Qt::NoModifier);
    EXPECT_EQ(selected(), (std::vector<QString>{"Label2"}));

    // Shift (held in the focused element) and Ctrl add to what is selected.
    click(company, QPoint(20, 8));
    QTest::keyPress(widget(company), Qt::Key_Shift);
    band(corner, title->WindowBounds().bottomRight() + QPoint(4, 4), Qt::ShiftModifier);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Shift);
    EXPECT_EQ(selected(), (std::vector<QString>{"Label1", "Label2"}));
    band(number->WindowBounds().topLeft() - QPoint(3, 3), number->WindowBounds().bottomRight() + QPoint(3, 3),
         Qt::ControlModifier);
    EXPECT_EQ(selected(), (std::vector<QString>{"Label1", "Label2", "Label3"}));

    // Dragging one of them moves all three by the same amount, and all stay selected.
    const QPoint before[] = {company->WindowBounds().topLeft(), title->WindowBounds().topLeft(),
                             number->WindowBounds().topLeft()};
    drag(widget(number), QPoint(30, 10), QPoint(6, 3));
    EXPECT_EQ(company->WindowBounds().topLeft(), before[0] + QPoint(6, 3));
    EXPECT_EQ(title->WindowBounds().topLeft(), before[1] + QPoint(6, 3));
    EXPECT_EQ(number->WindowBounds().topLeft(), before[2] + QPoint(6, 3));
    EXPECT_EQ(selected(), (std::vector<QString>{"Label1", "Label2", "Label3"}));
    // The status bar gives the box around the three, and nothing once the design is closed.
    EXPECT_TRUE(w->statusText(3).startsWith(
        QStringLiteral("Left %1,").arg(QString::number(TwipsToMm(company->Shape().Left()), 'f', 1))));
    design().clearDocument();
    design().fillPageTabs();
    settle();
    EXPECT_EQ(w->statusText(3), QString());
}

// Ctrl + wheel keeps the page point under the pointer; the fit zooms fill the box; the rulers
// follow scrolling.
TEST_F(DesignViewTest, WheelZoomKeepsThePointAndFitZoomsFillTheBox)
{
    // The fit zoom is the largest at which the page and its margins fit.
    const QSize a4(MmToTwips(210), MmToTwips(297));
    auto pixels = [](int twips, int zoom) { return int(std::trunc(double(twips) * zoom / 100.0 / 15)); };
    for (const QSize client : {QSize(800, 600), QSize(300, 1000), QSize(1500, 700)}) {
        const int z = FitZoom(a4, client, false, 0);
        EXPECT_TRUE(pixels(a4.width(), z) + 14 <= client.width() &&
                    pixels(a4.height(), z) + 10 <= client.height());
        EXPECT_TRUE(pixels(a4.width(), z + 1) + 14 > client.width() ||
                    pixels(a4.height(), z + 1) + 10 > client.height())
            << client.width();
        const int byWidth = FitZoom(a4, client, true, 16);
        const int room = client.width() - 14 - (pixels(a4.height(), byWidth) + 10 > client.height() ? 16 : 0);
        EXPECT_LE(pixels(a4.width(), byWidth), room);
        EXPECT_GT(pixels(a4.width(), byWidth + 1), room);
    }

    design().mnuDesign_File_NewClick();
    settle();
    QScrollArea *scroll = w->scrollArea(TfrmMain::DesignMode);
    PageView *view = w->canvas(TfrmMain::DesignMode)->view();
    QWidget *viewport = scroll->viewport();
    design().setZoom(150);
    settle();
    scroll->horizontalScrollBar()->setValue(30);
    scroll->verticalScrollBar()->setValue(100);
    const QPoint at(viewport->width() / 2, viewport->height() / 3);
    auto wheel = [&](int delta) {
        QWheelEvent e(QPointF(at), QPointF(viewport->mapToGlobal(at)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &e);
        settle();
    };
    for (const auto &[delta, zoom] : {std::pair{120, 200}, std::pair{-120, 150}}) {
        const QPoint before = view->mapFrom(viewport, at);
        const int old = design().zoom();
        wheel(delta);
        ASSERT_EQ(design().zoom(), zoom);
        const QPoint after = view->mapFrom(viewport, at);
        EXPECT_NEAR(after.x() * 100.0 / zoom, before.x() * 100.0 / old, 1.0) << zoom;
        EXPECT_NEAR(after.y() * 100.0 / zoom, before.y() * 100.0 / old, 1.0) << zoom;
    }

    // The top ruler's zero moves with the page.
    Ruler *top = design().rulers()->top();
    scroll->horizontalScrollBar()->setValue(0);
    const int origin = top->pageOrigin();
    scroll->horizontalScrollBar()->setValue(40);
    EXPECT_EQ(top->pageOrigin(), origin - 40);

    trigger("mnuZoom_FitPage");
    const int fitPage = design().zoom();
    EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(scroll->verticalScrollBar()->maximum(), 0);
    trigger("mnuZoom_FitWidth");
    EXPECT_GT(design().zoom(), fitPage); // a portrait page in a wide box
    EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
}
