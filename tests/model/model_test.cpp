#include "model/element_ops.h"
#include "model/units.h"
#include "model/v_doc.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace
{
void addLabel(VGrfElement &parent, int num, const QString &name)
{
    auto e = std::make_unique<VGrfElement>(ElementKind::Label);
    e->SetNum(num);
    e->SetName(name);
    parent.InsertChild(std::move(e));
}
} // namespace

TEST(Units, ConversionsTruncateTowardZero)
{
    EXPECT_DOUBLE_EQ(TwipsToMm(850), 14.9);
    EXPECT_DOUBLE_EQ(TwipsToMm(-100), -1.7); // toward zero, not toward minus infinity
    EXPECT_DOUBLE_EQ(TruncTenth(-3.55), -3.5);
}

TEST(Records, SettersRefuseOutOfRangeAndKeepOldValues)
{
    TZelFont f;
    EXPECT_TRUE(f.SetFontHeight(3.55));
    EXPECT_DOUBLE_EQ(f.FontHeight(), 3.5);
    EXPECT_TRUE(f.Changed());
    EXPECT_FALSE(f.SetVertPos(3));
    EXPECT_EQ(f.VertPos(), 1);
    EXPECT_FALSE(f.SetHorzPos(-1));
    EXPECT_FALSE(f.SetTextLength(-2)); // -1 stands for the whole text
    EXPECT_FALSE(f.SetOffset(-1));
    EXPECT_FALSE(f.SetFontWeight(1001));
    EXPECT_TRUE(f.SetFontWeight(1000));
    EXPECT_TRUE(f.SetFontName(QString(40, QLatin1Char('x'))));
    EXPECT_EQ(f.FontName().size(), 31); // the LOGFONT face field holds 31 characters

    VShape s;
    EXPECT_FALSE(s.SetRectRound(-1));
    EXPECT_FALSE(s.SetPenWidth(-1));
    EXPECT_EQ(s.RectRound(), 10);
    s.SetBorderLine(6, VBorder{true, 1, 2, 3}); // there is no side 6
    EXPECT_FALSE(s.Changed());
    s.SetLeftMm(10.0);
    EXPECT_EQ(s.Left(), 567); // the added 1.0 lifts 566.9
    EXPECT_TRUE(s.LeftPending());

    VPicture p;
    p.SetLeftMm(10.0);
    EXPECT_EQ(p.Left(), 566); // the picture's own rule has no added 1.0
    p.SetImage(QImage(2, 2, QImage::Format_ARGB32));
    p.SetSizeSet(3);
    p.Clear();
    EXPECT_FALSE(p.HasImage());
    EXPECT_EQ(p.SizeSet(), 0);

    VGrfElement e(ElementKind::Label);
    EXPECT_FALSE(e.SetPrintable(4));
    EXPECT_FALSE(e.SetValueType(12));
    EXPECT_EQ(e.Printable(), 1);
}

TEST(Naming, NumbersFollowTheLargestSiblingOfTheCountedKind)
{
    VDoc doc;
    VGrfElement &root = doc.AddPage()->Root();
    addLabel(root, 1, "Label1");
    addLabel(root, 4, "Label4"); // a gap: numbering goes after the largest, not the count
    VGrfElement *label = AddElement(root, ElementKind::Label, QRect(10, 10, 50, 20));
    EXPECT_EQ(label->Num(), 5);
    EXPECT_EQ(label->Name(), "Label5");

    VGrfElement *group = AddElement(root, ElementKind::Group, QRect(0, 0, 200, 100));
    EXPECT_EQ(group->Name(), "Group1");
    group->SetName("Group2");
    addLabel(*group, 4, "Group2_E4");
    EXPECT_EQ(AddElement(*group, ElementKind::Label, QRect(1, 1, 20, 20))->Name(), "Group2_E5");
    // Tables are counted and named among the groups.
    EXPECT_EQ(AddElement(*group, ElementKind::Group, QRect(1, 1, 20, 20))->Name(), "Group2_G1");
    EXPECT_EQ(AddElement(*group, ElementKind::Table, QRect(1, 1, 20, 20))->Name(), "Group2_G2");
    group->SetChanged(false);
    VGrfElement *bar = AddElement(*group, ElementKind::BarCode, QRect(1, 1, 20, 20));
    EXPECT_EQ(bar->Name(), "Group2_B1");
    ASSERT_NE(bar->BarCode(), nullptr);
    EXPECT_TRUE(group->Changed()); // adding a barcode marks the receiving element
    EXPECT_EQ(AddElement(root, ElementKind::BarCode, QRect(1, 1, 20, 20))->Name(), "BarCode1");
}

TEST(Geometry, WindowAndTwipsFollowZoomAndParents)
{
    screenMetrics() = ScreenMetrics{};
    VDoc doc;
    VPage *page = doc.AddPage();
    VGrfElement &root = page->Root();
    // A new page places its root a quarter inch in: 24 pixels at 96 dpi, 360 twips.
    EXPECT_EQ(root.WindowBounds().topLeft(), QPoint(24, 24));
    EXPECT_EQ(root.Shape().Left(), 360);
    EXPECT_EQ(root.WindowBounds().width(), page->PixelSize().width() - 48);

    VGrfElement *group = AddElement(root, ElementKind::Group, QRect(10, 20, 100, 50));
    VGrfElement *label = AddElement(*group, ElementKind::Label, QRect(2, 3, 57, 10));
    EXPECT_EQ(group->Shape().RelLeft(), 150);
    EXPECT_EQ(label->Shape().Left(), 360 + 150 + 30);
    EXPECT_EQ(label->InfoText(), "X  = 9.50 mm, Y = 12.40 mm\nW = 15.00 mm, H = 2.60 mm");

    // Millimetre setters move the window once applied.
    label->Shape().SetLeftMm(20.0);
    label->ApplyPendingGeometry();
    EXPECT_FALSE(label->Shape().LeftPending());
    EXPECT_EQ(label->Shape().RelLeft(), MmToTwips(20.0) - group->Shape().Left());
}

TEST(Tree, ModifiedMarksAndBarcodesDeepInTheTree)
{
    VDoc doc;
    VGrfElement &root = doc.AddPage()->Root();
    VGrfElement *g2 = AddElement(*AddElement(root, ElementKind::Group, QRect(0, 0, 100, 100)),
                                 ElementKind::Group, QRect(0, 0, 50, 50));
    VGrfElement *label = AddElement(*g2, ElementKind::Label, QRect(0, 0, 20, 20));
    doc.ClearModified();
    EXPECT_FALSE(doc.IsModified());
    label->Font().SetFontItalic(1);
    EXPECT_TRUE(doc.IsModified());
    root.ClearModified();
    EXPECT_FALSE(label->IsModified());
    EXPECT_FALSE(doc.ContainsBarCode());
    AddElement(*g2, ElementKind::BarCode, QRect(0, 0, 20, 20));
    EXPECT_TRUE(doc.ContainsBarCode());
}

TEST(Copy, CopiesAreIndependentAndNamedByTheRules)
{
    VDoc doc;
    VGrfElement &root = doc.AddPage()->Root();
    VGrfElement *group = AddElement(root, ElementKind::Group, QRect(10, 10, 200, 100));
    group->SetRepeatability(true);
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(Qt::red);
    group->EnsurePicture().SetImage(image);
    VGrfElement *label = AddElement(*group, ElementKind::Label, QRect(5, 5, 50, 20));
    label->SetCaption("text");
    label->SetDescription("note");
    AddElement(*group, ElementKind::Table, QRect(5, 30, 50, 20))->SetName("MyTable");

    CopySubtree(*group, root);
    VGrfElement *copy = CopySubtree(*group, root);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->Name(), "Group3");
    EXPECT_FALSE(copy->Repeatability()); // not copied
    ASSERT_EQ(copy->ChildCount(), 2);
    EXPECT_EQ(copy->Child(0)->Name(), "Group3_E1");
    EXPECT_EQ(copy->Child(0)->Caption(), "text");
    EXPECT_TRUE(copy->Child(0)->Description().isEmpty());
    EXPECT_EQ(copy->Child(1)->Name(), "MyTable"); // tables keep their names
    EXPECT_EQ(copy->Shape().Left(), group->Shape().Left());
    copy->Picture()->Clear();
    EXPECT_TRUE(group->Picture()->HasImage());

    // A group never goes into itself or below itself; labels take no children.
    EXPECT_EQ(CopySubtree(*group, *group), nullptr);
    EXPECT_EQ(CopySubtree(*group, *AddElement(*group, ElementKind::Group, QRect(0, 0, 10, 10))), nullptr);
    EXPECT_EQ(CopySubtree(*group, *label), nullptr);
}

TEST(Pages, NumberingSettingsAndCopies)
{
    VDoc doc;
    doc.AddPage();
    doc.AddPage();
    VPage *third = doc.AddPage();
    doc.DeletePage(1);
    ASSERT_EQ(doc.PageCount(), 2);
    EXPECT_EQ(third->Name(), "Page3");
    EXPECT_EQ(doc.AddPage()->Num(), 4);
    EXPECT_EQ(doc.FindPage("Page3"), third);
    EXPECT_EQ(doc.FindPage("page3"), nullptr);

    doc.Settings().Width = 100.0;
    doc.Font().SetFontName("Arial");
    doc.ApplySettingsToAllPages();
    EXPECT_EQ(doc.PageAt(1), third); // pages keep their identity
    EXPECT_EQ(third->Num(), 3);
    EXPECT_DOUBLE_EQ(third->Settings().Width, 100.0);
    EXPECT_EQ(third->Font().FontName(), "Arial");
    doc.SetZoom(150);
    EXPECT_EQ(doc.AddPage()->Zoom(), 150);
    doc.SetBlackWhite(true);
    EXPECT_TRUE(doc.PageAt(0)->BlackWhite());

    // A copied page lends its settings, background and elements but not its name.
    VPage *first = doc.PageAt(0);
    first->Settings().Orientation = 2;
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(Qt::blue);
    first->EnsureBackground().SetImage(image);
    AddElement(first->Root(), ElementKind::Label, QRect(0, 0, 40, 20))->SetCaption("hello");
    AddElement(third->Root(), ElementKind::Group, QRect(0, 0, 40, 20));
    doc.MarkCopied(0);
    EXPECT_FALSE(doc.PasteCopied(0)); // onto itself: nothing happens
    EXPECT_TRUE(doc.PasteCopied(1));
    EXPECT_EQ(third->Name(), "Page3");
    EXPECT_EQ(third->Settings().Orientation, 2);
    ASSERT_EQ(third->Root().ChildCount(), 1);
    EXPECT_EQ(third->Root().Child(0)->Caption(), "hello");
    third->ClearBackgroundPicture();
    EXPECT_TRUE(first->Background()->HasImage());

    doc.SetFileName("x.edt");
    doc.Clear();
    EXPECT_TRUE(doc.IsEmpty());
    EXPECT_TRUE(doc.FileName().isEmpty());
    EXPECT_EQ(doc.Zoom(), 0);
}
