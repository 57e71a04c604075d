#include "report/report_page.h"

#include "model/element_ops.h"
#include "model/v_doc.h"

VPage *AddReportPage(VDoc &report, const VPage &designPage, const QString &name)
{
    VPage *page = report.AddPage();
    const int num = page->Num();
    page->Settings() = designPage.Settings();
    page->Settings().Num = num;
    page->Settings().Name = name;
    page->Font() = designPage.Font();
    page->SetFollowsDocumentSettings(designPage.FollowsDocumentSettings());
    if (designPage.Background()) page->SetBackground(std::make_unique<VPicture>(*designPage.Background()));

    const VGrfElement &from = designPage.Root();
    VGrfElement &root = page->Root();
    root.SetName(from.Name());
    root.SetNum(from.Num());
    root.SetCaption(from.Caption());
    root.SetValueType(from.ValueType());
    root.SetPrintable(from.Printable());
    root.Shape() = from.Shape();
    root.Font() = from.Font();
    if (from.Picture()) root.SetPicture(std::make_unique<VPicture>(*from.Picture()));
    root.SetBackgroundColor(from.BackgroundColor());
    for (const auto &child : from.ChildList())
        root.InsertChild(CloneElement(*child));
    page->SetZoom(designPage.Zoom());

    ClearVariableContent(root);
    page->SetPreview(true);
    page->SetHidden(true);
    return page;
}

void ClearVariableContent(VGrfElement &element)
{
    if (element.Kind() == ElementKind::Label && element.ValueType() == vtVariable)
        element.SetCaption(QString());
    else if (element.Kind() == ElementKind::BarCode && element.BarCode())
        element.BarCode()->SetRawValue(QString());
    for (const auto &child : element.ChildList())
        ClearVariableContent(*child);
}
