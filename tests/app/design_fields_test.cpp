// Geometry typed in millimetres, the data field list, and fitting a panel to a changed paper.
#include "app/data/data_editor.h"
#include "app/data/data_tab.h"
#include "app/design/data_field_panel.h"
#include "app/design/design_tab.h"
#include "app/dialogs/properties_dialog.h"
#include "app/main_window.h"
#include "fake_prompts.h"
#include "files/design_file.h"
#include "model/design_editing.h"
#include "model/design_editor.h"
#include "model/page_fit.h"
#include "model/typed_geometry.h"
#include "model/v_page.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <gtest/gtest.h>

namespace
{
const QString kInvoice = QStringLiteral(TESSALY_SOURCE_DIR "/examples/invoice.edt");

// Lines joined with CR LF, the last one too, as data files need them.
QByteArray dataBytes(const QStringList &lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

QPoint paperPlace(const VGrfElement &e)
{
    QPoint p;
    for (const VGrfElement *x = &e; x; x = x->Parent())
        p += QPoint(x->Shape().RelLeft(), x->Shape().RelTop());
    return p;
}
} // namespace

TEST(TypedGeometry, MillimetresReadBackAndSmallSizesAreHeldAsADragHoldsThem)
{
    VDoc doc;
    ASSERT_TRUE(ReadDesignFile(doc, kInvoice));
    VGrfElement &root = doc.PageAt(0)->Root();
    VGrfElement &group = *testsupport::findElement(root, "Group1");
    VGrfElement &inner = *testsupport::findElement(root, "Group1_E1");

    // Every tenth typed reads back as typed, on the paper, inside a group; the twips are the
    // model's millimetre rule and the window their truncation at the zoom.
    inner.SetZoom(150);
    for (int tenths = -50; tenths <= 3000; ++tenths) {
        const double mm = tenths / 10.0;
        for (GeometrySide side :
             {GeometrySide::Left, GeometrySide::Top, GeometrySide::Width, GeometrySide::Height}) {
            if (mm < 1.0 && (side == GeometrySide::Width || side == GeometrySide::Height)) continue;
            SetGeometryMm(inner, side, mm);
            ASSERT_DOUBLE_EQ(GeometryMm(inner, side), mm) << tenths << " side " << int(side);
        }
    }
    SetGeometryMm(inner, GeometrySide::Left, 42.3);
    EXPECT_EQ(paperPlace(inner).x(), MmToTwips(42.3));
    EXPECT_EQ(inner.Shape().Left(), MmToTwips(42.3)) << "absolute positions follow";
    EXPECT_EQ(inner.WindowBounds().left(), int(inner.Shape().RelLeft() * 150 / 100 / 15));

    // Below the smallest window a drag leaves, the size is what that drag gives.
    VGrfElement &dragged = *testsupport::findElement(root, "Group1_E2");
    dragged.SetZoom(150);
    SetGeometryMm(inner, GeometrySide::Width, 0.2);
    SetElementWindow(dragged,
                     QRect(dragged.WindowBounds().topLeft(), QSize(1, dragged.WindowBounds().height())));
    EXPECT_EQ(inner.WindowBounds().width(), dragged.WindowBounds().width());
    EXPECT_EQ(inner.Shape().Width(), dragged.Shape().Width());
    EXPECT_GT(inner.Shape().Width(), MmToTwips(0.2));

    // A container moved by typing keeps its children in their places inside it.
    const int childLeft = inner.Shape().RelLeft();
    const QPoint childOnPaper = paperPlace(inner), groupOnPaper = paperPlace(group);
    SetGeometryMm(group, GeometrySide::Left, GeometryMm(group, GeometrySide::Left) + 10.0);
    EXPECT_EQ(inner.Shape().RelLeft(), childLeft);
    EXPECT_NE(paperPlace(group), groupOnPaper);
    EXPECT_EQ(paperPlace(inner) - childOnPaper, paperPlace(group) - groupOnPaper);
    EXPECT_EQ(inner.Shape().Left(), paperPlace(inner).x());

    // In the dialog: each box is one step (typing merges), and undo gives the element back.
    doc.ClearModified();
    DesignEditor editor(doc);
    FakePrompts prompts;
    const VShape before = inner.Shape();
    TfrmProperties dialog(editor, *doc.PageAt(0), inner, prompts);
    auto *left = dialog.findChild<QDoubleSpinBox *>("edElementLeft");
    auto *height = dialog.findChild<QDoubleSpinBox *>("edElementHeight");
    ASSERT_TRUE(left && height);
    EXPECT_DOUBLE_EQ(left->value(), GeometryMm(inner, GeometrySide::Left));
    EXPECT_EQ(dialog.summary("Left  (mm) "), left->text());
    for (double v : {20.0, 25.5, 30.1})
        left->setValue(v);
    height->setValue(7.7);
    EXPECT_EQ(editor.undoStack().count(), 2);
    EXPECT_DOUBLE_EQ(GeometryMm(inner, GeometrySide::Left), 30.1);
    EXPECT_DOUBLE_EQ(GeometryMm(inner, GeometrySide::Height), 7.7);
    while (editor.undoStack().canUndo())
        editor.undoStack().undo();
    EXPECT_EQ(inner.Shape(), before);
}

TEST(DataFields, ListNamesThePageElementsOfTheDataAndChoosingBindsOne)
{
    QTemporaryDir dir;
    const QString design = dir.filePath("inv.edt");
    ASSERT_TRUE(QFile::copy(kInvoice, design));
    testsupport::writeAll(
        dir.filePath("inv.edd"),
        dataBytes(
            {R"(<?xml version="1.0"?>)",
             R"(<Document DesignFile="inv.edt" DataType="1">)",
             R"(  <Page ID="1" DesignName="Page1">)",
             R"(    <Data Status="Label" DesignName="Label3" Caption="No. 1"/>)",
             R"(    <Data Status="Label" ID="7" Caption="by number"/>)",
             R"(    <Data Status="Group" DesignName="Group1">)",
             R"(      <f1="x"/>)",
             R"(      <Data Status="Label" DesignName="Customer" Caption="c"/>)",
             R"(    </Data>)",
             R"(    <Data Status="BarCode" DesignName="Code" Caption="" Type="6" Value="A" ValueType="0"/>)",
             R"(    <Data Status="Label" DesignName="Total" Caption="1"/>)",
             R"(  </Page>)",
             R"(  <Page ID="2" DesignName="Other">)",
             R"(    <Data Status="Label" DesignName="Elsewhere" Caption="z"/>)",
             R"(  </Page>)",
             R"(  <Page ID="3" DesignName="Page1">)",
             R"(    <Data Status="Label" DesignName="Label3" Caption="No. 2"/>)",
             R"(    <Data Status="Label" DesignName="Late" Caption="y"/>)",
             R"(  </Page>)",
             R"(</Document>)"}));

    // Lines ending in LF alone are never read, and the list says why it is empty.
    QByteArray unix = dataBytes({R"(<Page DesignName="Page1">)", R"(<Data Status="Label" DesignName="A"/>)"});
    unix.replace("\r\n", "\n");
    QBuffer lf(&unix);
    ASSERT_TRUE(lf.open(QIODevice::ReadOnly));
    const DataFieldNames none = ReadDataFieldNames(lf, "Page1");
    EXPECT_TRUE(none.fields.empty());
    EXPECT_TRUE(none.bareLineFeeds);

    FakePrompts prompts;
    TfrmMain w(prompts, TfrmMain::SettingsFactory());
    DesignTab &designTab = w.design();
    ASSERT_TRUE(designTab.openDesign(design));
    QCoreApplication::processEvents();
    DataFieldPanel &panel = *designTab.fieldPanel();
    panel.refresh();
    EXPECT_EQ(panel.source(), "inv.edd") << "the template beside the design";

    // Each name the page's blocks use, once, with its kind, its group and whether it is bound.
    auto rows = [&] {
        QStringList out;
        for (int i = 0; i < panel.list()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *item = panel.list()->topLevelItem(i);
            out << item->text(0) + "|" + item->text(1) + "|" + item->text(2) +
                       (item->data(0, Qt::UserRole).toBool() ? "|bound" : "");
        }
        return out;
    };
    EXPECT_EQ(rows(), QStringList({"Label3|Label||bound", "Group1|Group||bound", "Customer|Label|Group1",
                                   "Code|BarCode|", "Total|Label|", "Late|Label|"}));

    // Choosing gives the selected element the name, as one step that undo takes back.
    VDoc &doc = designTab.document();
    VGrfElement &label = *testsupport::findElement(doc.PageAt(0)->Root(), "Label1");
    const int steps = designTab.editor().undoStack().count();
    EXPECT_FALSE(panel.choose(4));
    EXPECT_EQ(prompts.shown.back().kind, "information") << "nothing selected yet";
    label.SetSelected(true);
    ASSERT_TRUE(panel.choose(4));
    EXPECT_EQ(label.Name(), "Total");
    EXPECT_EQ(designTab.editor().undoStack().count(), steps + 1);
    EXPECT_TRUE(rows().contains("Total|Label||bound"));

    // A name another element carries, or one the data gives another kind, is refused.
    const size_t shown = prompts.shown.size();
    EXPECT_FALSE(panel.choose(0));
    EXPECT_FALSE(panel.choose(3));
    ASSERT_EQ(prompts.shown.size(), shown + 2);
    EXPECT_TRUE(prompts.shown[shown].text.contains("Label3"));
    EXPECT_EQ(prompts.shown[shown + 1].kind, "warning");
    EXPECT_EQ(label.Name(), "Total");
    EXPECT_EQ(designTab.editor().undoStack().count(), steps + 1);

    designTab.editor().undoStack().undo();
    panel.refresh();
    EXPECT_EQ(label.Name(), "Label1");
    EXPECT_TRUE(rows().contains("Total|Label|"));

    // Data in the Data tab comes first, as typed there.
    const QString other = dir.filePath("other.edd");
    testsupport::writeAll(other, dataBytes({R"(<Document DataType="1">)", R"(<Page DesignName="Page1">)",
                                            R"(<Data Status="Label" DesignName="Fresh" Caption="f"/>)",
                                            R"(</Page>)", R"(</Document>)"}));
    ASSERT_TRUE(w.data().openData(other));
    panel.refresh();
    EXPECT_EQ(panel.source(), "other.edd");
    EXPECT_EQ(rows(), QStringList({"Fresh|Label|"}));
    DataEditor &text = *w.data().editor();
    text.setPlainText(text.toPlainText().replace("Fresh", "Fresher"));
    panel.refresh();
    EXPECT_EQ(rows(), QStringList({"Fresher|Label|"}));
    designTab.clearDocument();
}

TEST(PaperFit, ANewPaperOffersToFitThePanelAndListsWhatLiesOutside)
{
    FakePrompts prompts;
    TfrmMain w(prompts, TfrmMain::SettingsFactory());
    DesignTab &design = w.design();
    ASSERT_TRUE(design.openDesign(kInvoice));
    QCoreApplication::processEvents();
    VPage &page = *design.document().PageAt(0);
    const VShape panel = page.Root().Shape();
    const VSetPage paper = page.Settings();
    std::vector<std::pair<VGrfElement *, QPoint>> places;
    for (const auto &child : page.Root().ChildList())
        places.emplace_back(child.get(), paperPlace(*child));
    design.setDialogRunner([](QDialog &d) {
        d.findChild<QAbstractButton *>("rbManualPageSize")->click();
        for (const char *name : {"txtWidth", "txtHeight"}) {
            auto *edit = d.findChild<QLineEdit *>(name);
            edit->selectAll();
            QTest::keyClicks(edit, name == QLatin1String("txtWidth") ? "100" : "150");
        }
        d.findChild<QAbstractButton *>("btnOK")->click();
        return d.result();
    });

    // Accepted: the panel covers the new paper, the elements stay where they were on it, and the
    // ones now past the paper are named. Paper and panel are one step.
    const int steps = design.editor().undoStack().count();
    prompts.answers = {Prompts::Yes};
    design.editPageProperties(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(design.editor().undoStack().count(), steps + 1);
    EXPECT_EQ(page.TwipsSize(), QSize(MmToTwips(100), MmToTwips(150)));
    const std::vector<const VGrfElement *> outside = ElementsOutsidePaper(page);
    ASSERT_FALSE(outside.empty()) << "an invoice does not fit a label";
    EXPECT_EQ(std::count(outside.begin(), outside.end(), &page.Root()), 0) << "the panel fits";
    for (const auto &[element, place] : places)
        EXPECT_EQ(paperPlace(*element), place) << element->Name().toStdString();
    ASSERT_GE(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[prompts.shown.size() - 2].kind, "question");
    EXPECT_EQ(prompts.shown.back().kind, "information");
    // Containers are named without what they hold; a long list is cut and says how many more.
    std::vector<const VGrfElement *> outermost;
    for (const VGrfElement *e : outside)
        if (std::none_of(outside.begin(), outside.end(),
                         [e](const VGrfElement *o) { return o->IsAncestorOf(e); }))
            outermost.push_back(e);
    const QString listed = prompts.shown.back().text;
    for (const VGrfElement *e : outside) {
        const auto at = std::find(outermost.begin(), outermost.end(), e);
        const bool named = at != outermost.end() && at - outermost.begin() < 20;
        const QString line = "  " + OutsideElementText(*e);
        EXPECT_EQ(listed.contains(line + "\n") || listed.endsWith(line), named) << e->Name().toStdString();
    }
    if (outermost.size() > 20) {
        EXPECT_TRUE(listed.contains(QString::number(outermost.size() - 20)));
    }

    design.editor().undoStack().undo();
    QCoreApplication::processEvents();
    EXPECT_EQ(page.Settings(), paper);
    EXPECT_EQ(page.Root().Shape(), panel);

    // Declined: the new paper stays, the panel as it was; nothing is listed.
    prompts.answers = {Prompts::No};
    const size_t asked = prompts.shown.size();
    design.editPageProperties(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(page.TwipsSize(), QSize(MmToTwips(100), MmToTwips(150)));
    EXPECT_EQ(page.Root().Shape(), panel);
    ASSERT_EQ(prompts.shown.size(), asked + 1);
    EXPECT_EQ(prompts.shown.back().kind, "question");
    EXPECT_EQ(design.editor().undoStack().count(), steps + 1);
    design.clearDocument();
}
