#include "model/element_ops.h"
#include "model/units.h"
#include "model/v_doc.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace
{
VGrfElement *addLabel(VGrfElement &parent, int num, const QString &name)
{
    auto e = std::make_unique<VGrfElement>(ElementKind::Label);
    e->SetNum(num);
    e->SetName(name);
    return parent.InsertChild(std::move(e));
}
} // namespace

TEST(Units, ConversionsTruncateAsTheRulesSay)
{
    EXPECT_EQ(MmToTwips(10.0), 567); // the added 1.0 lifts 566.9
    EXPECT_EQ(MmToTwips(0.0), 1);
    EXPECT_DOUBLE_EQ(TwipsToMm(567), 10.0);
    EXPECT_DOUBLE_EQ(TwipsToMm(850), 14.9);
    // toward zero, not toward minus infinity
    EXPECT_DOUBLE_EQ(TwipsToMm(-100), -1.7);
    EXPECT_DOUBLE_EQ(TwipsToMm(-567), -10.0);
    EXPECT_EQ(MmToTwipsPlain(10.0), 566);
    EXPECT_DOUBLE_EQ(TruncTenth(3.55), 3.5);
    EXPECT_DOUBLE_EQ(TruncTenth(4.1), 4.1);
    EXPECT_DOUBLE_EQ(TruncTenth(-3.55), -3.5);
    EXPECT_EQ(Rgb(255, 0, 0), 0xFFu);
    EXPECT_EQ(ColorFromRef(Rgb(1, 2, 3)), QColor(1, 2, 3));
}

TEST(Records, SettersRefuseOutOfRangeAndKeepOldValues)
{
    TZelFont f;
    EXPECT_FALSE(f.Changed());
    EXPECT_TRUE(f.SetFontHeight(3.55));
    EXPECT_DOUBLE_EQ(f.FontHeight(), 3.5);
    EXPECT_TRUE(f.Changed());
    EXPECT_FALSE(f.SetVertPos(3));
    EXPECT_EQ(f.VertPos(), 1);
    EXPECT_TRUE(f.SetVertPos(2));
    EXPECT_FALSE(f.SetHorzPos(-1));
    EXPECT_FALSE(f.SetTextLength(-2));
    EXPECT_EQ(f.TextLength(), -1);
    EXPECT_TRUE(f.SetTextLength(3));
    EXPECT_FALSE(f.SetOffset(-1));
    EXPECT_FALSE(f.SetFontWeight(1001));
    EXPECT_EQ(f.FontWeight(), 400);
    EXPECT_TRUE(f.SetFontWeight(1000));
    EXPECT_TRUE(f.SetFontName(QString(40, QLatin1Char('x'))));
    EXPECT_EQ(f.FontName().size(), 31); // the LOGFONT face field holds 31 characters

    VShape s;
    EXPECT_FALSE(s.SetRectRound(-1));
    EXPECT_EQ(s.RectRound(), 10);
    EXPECT_FALSE(s.SetPenWidth(-1));
    EXPECT_EQ(s.PenWidth(), 1);
    EXPECT_FALSE(s.Changed());
    s.SetBorderLine(6, VBorder{true, 1, 2, 3});
    EXPECT_FALSE(s.Changed());
    s.SetBorderLine(1, VBorder{true, 1, 2, 3});
    EXPECT_TRUE(s.Changed());
    EXPECT_EQ(s.BorderLine(1).PenWidth, 2);

    s.SetLeftMm(10.0);
    EXPECT_EQ(s.Left(), 567);
    EXPECT_TRUE(s.LeftPending());
    EXPECT_DOUBLE_EQ(s.LeftMm(), 10.0);

    VPicture p;
    p.SetLeftMm(10.0);
    EXPECT_EQ(p.Left(), 566); // the picture's own rule has no added 1.0
    p.SetImage(QImage(2, 2, QImage::Format_ARGB32));
    p.SetSizeSet(3);
    p.Clear();
    EXPECT_FALSE(p.HasImage());
    EXPECT_EQ(p.SizeSet(), 0);
    EXPECT_EQ(p.PosSetX(), 1);

    VGrfElement e(ElementKind::Label);
    EXPECT_FALSE(e.SetPrintable(4));
    EXPECT_EQ(e.Printable(), 1);
    EXPECT_FALSE(e.SetValueType(12));
    EXPECT_EQ(e.ValueType(), 1);
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
    addLabel(*group, 1, "Group2_E1");
    addLabel(*group, 4, "Group2_E4");
    EXPECT_EQ(AddElement(*group, ElementKind::Label, QRect(1, 1, 20, 20))->Name(), "Group2_E5");
    // Tables are counted and named among the groups.
    VGrfElement *inner = AddElement(*group, ElementKind::Group, QRect(1, 1, 20, 20));
    VGrfElement *table = AddElement(*group, ElementKind::Table, QRect(1, 1, 20, 20));
    EXPECT_EQ(inner->Name(), "Group2_G1");
    EXPECT_EQ(table->Name(), "Group2_G2");
    EXPECT_EQ(table->Num(), 2);
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
    EXPECT_EQ(group->Shape().RelLeft(), 150);
    EXPECT_EQ(group->Shape().Left(), 360 + 150);
    VGrfElement *label = AddElement(*group, ElementKind::Label, QRect(2, 3, 57, 10));
    EXPECT_EQ(label->Shape().Left(), 360 + 150 + 30);
    EXPECT_EQ(label->InfoText(), "X  = 9.50 mm, Y = 12.40 mm\nW = 15.00 mm, H = 2.60 mm");

    label->Shape().SetWidth(850);
    label->UpdateWindowFromTwips(false);
    EXPECT_EQ(label->WindowBounds().width(), 56);
    page->SetZoom(200);
    EXPECT_EQ(label->WindowBounds().width(), 113);
    EXPECT_EQ(label->Zoom(), 200);

    // No window gets smaller than five zoomed pixels.
    label->SetZoom(50);
    label->SetWindowBounds(QRect(0, 0, 5, 40));
    EXPECT_EQ(label->WindowBounds().width(), 5);

    // Millimetre setters move the window once applied.
    label->Shape().SetLeftMm(20.0);
    label->ApplyPendingGeometry();
    EXPECT_FALSE(label->Shape().LeftPending());
    EXPECT_EQ(label->Shape().RelLeft(), MmToTwips(20.0) - group->Shape().Left());
}

TEST(Tree, ModifiedMarksAndBarcodesDeepInTheTree)
{
    VDoc doc;
    VPage *page = doc.AddPage();
    VGrfElement &root = page->Root();
    VGrfElement *g1 = AddElement(root, ElementKind::Group, QRect(0, 0, 100, 100));
    VGrfElement *g2 = AddElement(*g1, ElementKind::Group, QRect(0, 0, 50, 50));
    VGrfElement *label = AddElement(*g2, ElementKind::Label, QRect(0, 0, 20, 20));
    doc.ClearModified();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.ContainsBarCode());
    label->Font().SetFontItalic(1);
    EXPECT_TRUE(root.IsModified());
    EXPECT_TRUE(doc.IsModified());
    root.ClearModified();
    EXPECT_FALSE(label->IsModified());
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
    VGrfElement *table = AddElement(*group, ElementKind::Table, QRect(5, 30, 50, 20));
    table->SetName("MyTable");

    VGrfElement *copy1 = CopySubtree(*group, root);
    VGrfElement *copy2 = CopySubtree(*group, root);
    ASSERT_TRUE(copy1 && copy2);
    EXPECT_EQ(copy1->Name(), "Group2");
    EXPECT_EQ(copy2->Name(), "Group3");
    EXPECT_FALSE(copy1->Repeatability()); // not copied
    ASSERT_EQ(copy1->ChildCount(), 2);
    EXPECT_EQ(copy1->Child(0)->Name(), "Group2_E1");
    EXPECT_EQ(copy1->Child(0)->Caption(), "text");
    EXPECT_TRUE(copy1->Child(0)->Description().isEmpty());
    EXPECT_EQ(copy1->Child(1)->Name(), "MyTable"); // tables keep their names
    EXPECT_EQ(copy1->Shape().Left(), group->Shape().Left());

    copy1->Picture()->Clear();
    EXPECT_TRUE(group->Picture()->HasImage());
    EXPECT_EQ(group->Picture()->Image().pixelColor(0, 0), QColor(Qt::red));

    // A group never goes into itself or below itself.
    EXPECT_EQ(CopySubtree(*group, *group), nullptr);
    VGrfElement *inner = AddElement(*group, ElementKind::Group, QRect(0, 0, 10, 10));
    EXPECT_EQ(CopySubtree(*group, *inner), nullptr);
    EXPECT_EQ(CopySubtree(*group, *label), nullptr); // labels take no children
}

TEST(Copy, CutThenPasteMovesTheElement)
{
    VDoc doc;
    VGrfElement &root = doc.AddPage()->Root();
    VGrfElement *g1 = AddElement(root, ElementKind::Group, QRect(0, 0, 100, 100));
    VGrfElement *g2 = AddElement(root, ElementKind::Group, QRect(100, 0, 100, 100));
    VGrfElement *label = AddElement(*g1, ElementKind::Label, QRect(0, 0, 20, 20));
    label->SetCaption("moving");
    editingState().cutElement = label;
    VGrfElement *moved = PasteInto(*g2);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(g1->ChildCount(), 0);
    EXPECT_EQ(moved->Parent(), g2);
    EXPECT_EQ(moved->Caption(), "moving");
    EXPECT_EQ(editingState().cutElement, nullptr);
    EXPECT_EQ(editingState().copiedElement, nullptr); // Paste greys out until the next Cut or Copy
    EXPECT_EQ(PasteInto(root), nullptr);

    editingState().copiedElement = moved;
    g2->DeleteChild(moved); // destroying the copied element forgets it
    EXPECT_EQ(editingState().copiedElement, nullptr);
}

TEST(Pages, NumberingDeletingFindingAndSettings)
{
    VDoc doc;
    doc.AddPage();
    doc.AddPage();
    doc.AddPage();
    doc.DeletePage(1);
    ASSERT_EQ(doc.PageCount(), 2);
    EXPECT_EQ(doc.PageAt(0)->Name(), "Page1");
    EXPECT_EQ(doc.PageAt(1)->Name(), "Page3");
    EXPECT_EQ(doc.PageAt(1)->Num(), 3);
    EXPECT_EQ(doc.AddPage()->Num(), 4);
    EXPECT_EQ(doc.FindPage("Page3"), doc.PageAt(1));
    EXPECT_EQ(doc.FindPage("page3"), nullptr);
    EXPECT_EQ(doc.PageAt(7), nullptr);

    doc.Settings().Width = 100.0;
    doc.Settings().PaperSize = 256;
    doc.Font().SetFontName("Arial");
    doc.ApplySettingsToAllPages();
    EXPECT_EQ(doc.PageAt(1)->Name(), "Page3"); // pages keep their identity
    EXPECT_EQ(doc.PageAt(1)->Num(), 3);
    EXPECT_DOUBLE_EQ(doc.PageAt(1)->Settings().Width, 100.0);
    EXPECT_EQ(doc.PageAt(1)->Font().FontName(), "Arial");

    doc.SetZoom(150);
    EXPECT_EQ(doc.AddPage()->Zoom(), 150);
    doc.SetBlackWhite(true);
    EXPECT_TRUE(doc.PageAt(0)->BlackWhite());

    VDoc single;
    single.AddPage();
    single.DeletePage(0);
    EXPECT_EQ(single.FirstPage(), nullptr);
    EXPECT_EQ(single.LastPage(), nullptr);
    EXPECT_TRUE(single.IsEmpty());

    doc.SetFileName("x.edt");
    doc.Clear();
    EXPECT_TRUE(doc.IsEmpty());
    EXPECT_TRUE(doc.FileName().isEmpty());
    EXPECT_EQ(doc.Zoom(), 0);
}

TEST(Pages, CopyAndPastePages)
{
    VDoc doc;
    VPage *a = doc.AddPage();
    VPage *b = doc.AddPage();
    a->Settings().Width = 148.0;
    a->Settings().Orientation = 2;
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(Qt::blue);
    a->EnsureBackground().SetImage(image);
    VGrfElement *label = AddElement(a->Root(), ElementKind::Label, QRect(0, 0, 40, 20));
    label->SetCaption("hello");
    AddElement(b->Root(), ElementKind::Group, QRect(0, 0, 40, 20));

    doc.MarkCopied(0);
    EXPECT_FALSE(doc.PasteCopied(0)); // onto itself: nothing happens
    EXPECT_TRUE(doc.PasteCopied(1));
    EXPECT_EQ(b->Name(), "Page2");
    EXPECT_DOUBLE_EQ(b->Settings().Width, 148.0);
    EXPECT_EQ(b->Settings().Orientation, 2);
    ASSERT_EQ(b->Root().ChildCount(), 1);
    EXPECT_EQ(b->Root().Child(0)->Caption(), "hello");
    ASSERT_NE(b->Background(), nullptr);
    b->ClearBackgroundPicture();
    EXPECT_TRUE(a->Background()->HasImage());
}
