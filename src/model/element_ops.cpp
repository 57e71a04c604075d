#include "model/element_ops.h"

#include <algorithm>

namespace
{
ElementKind countedKind(ElementKind kind)
{
    return kind == ElementKind::Table ? ElementKind::Group : kind;
}

QString suffixFor(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Label:
        return QStringLiteral("_E");
    case ElementKind::BarCode:
        return QStringLiteral("_B");
    default:
        return QStringLiteral("_G");
    }
}

QString rootPrefixFor(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Label:
        return QStringLiteral("Label");
    case ElementKind::BarCode:
        return QStringLiteral("BarCode");
    default:
        return QStringLiteral("Group");
    }
}

std::unique_ptr<VGrfElement> copyOne(const VGrfElement &src, VGrfElement &target)
{
    auto copy = std::make_unique<VGrfElement>(src.Kind());
    copy->SetCaption(src.Caption());
    copy->SetZoom(src.Zoom());
    copy->SetValueType(src.ValueType());
    copy->SetPrintable(src.Printable());
    copy->Shape() = src.Shape();
    copy->Font() = src.Font();
    if (src.Kind() == ElementKind::BarCode && src.BarCode())
        copy->SetBarCode(std::make_unique<VBarCode>(*src.BarCode()));
    if (src.Picture())
        copy->SetPicture(std::make_unique<VPicture>(*src.Picture())); // QImage copies detach on write
    copy->Shape().SetRelativeFromOrigin(src.Parent() ? src.Parent()->Shape().Left() : 0,
                                        src.Parent() ? src.Parent()->Shape().Top() : 0);
    copy->Shape().SetAbsoluteFromOrigin(target.Shape().Left(), target.Shape().Top());
    copy->Shape().SetChanged(true);
    copy->UpdateWindowFromTwips(false);
    const ElementKind k = src.Kind();
    if (k == ElementKind::Group || k == ElementKind::Label || k == ElementKind::BarCode) {
        NameNewElement(target, *copy);
    } else {
        copy->SetName(src.Name()); // tables and cells keep their names
        copy->SetNum(src.Num());
    }
    return copy;
}

VGrfElement *copyRecursive(const VGrfElement &src, VGrfElement &target)
{
    VGrfElement *copy = target.InsertChild(copyOne(src, target));
    for (const auto &child : src.ChildList())
        copyRecursive(*child, *copy);
    return copy;
}
} // namespace

void NameNewElement(const VGrfElement &parent, VGrfElement &element)
{
    const ElementKind counted = countedKind(element.Kind());
    int largest = 0;
    for (const auto &c : parent.ChildList())
        if (c->Kind() == counted) largest = std::max(largest, c->Num());
    const int n = largest + 1;
    element.SetNum(n);
    if (parent.Kind() == ElementKind::Panel && !parent.Parent())
        element.SetName(rootPrefixFor(element.Kind()) + QString::number(n));
    else
        element.SetName(parent.Name() + suffixFor(element.Kind()) + QString::number(n));
}

VGrfElement *AddElement(VGrfElement &parent, ElementKind kind, const QRect &window)
{
    auto e = std::make_unique<VGrfElement>(kind);
    e->SetZoom(parent.Zoom());
    e->SetWindowBounds(window);
    e->Shape().SetChanged(true);
    e->Font() = parent.Font();
    e->Font().SetChanged(true);
    if (kind == ElementKind::BarCode) {
        parent.SetChanged(true);
        e->SetBarCode(std::make_unique<VBarCode>());
    }
    NameNewElement(parent, *e);
    VGrfElement *added = parent.InsertChild(std::move(e));
    added->UpdateTwipsFromWindow();
    return added;
}

namespace
{
int depthOf(const VGrfElement &e)
{
    int depth = 0;
    for (const VGrfElement *p = e.Parent(); p; p = p->Parent())
        ++depth;
    return depth;
}

int heightOf(const VGrfElement &e)
{
    int height = 0;
    for (const auto &child : e.ChildList())
        height = std::max(height, 1 + heightOf(*child));
    return height;
}
} // namespace

bool CanPasteInto(const VGrfElement &source, const VGrfElement &target)
{
    if (&source == &target || source.IsAncestorOf(&target)) return false;
    // Files keep to the nesting limit, so pasting must too.
    if (depthOf(target) + 1 + heightOf(source) > kMaxElementDepth) return false;
    return target.Kind() == ElementKind::Panel || target.Kind() == ElementKind::Group;
}

VGrfElement *CopySubtree(const VGrfElement &source, VGrfElement &target)
{
    if (!CanPasteInto(source, target)) return nullptr;
    return copyRecursive(source, target);
}

VGrfElement *PasteInto(VGrfElement &target)
{
    EditingState &s = editingState();
    if (s.cutElement) {
        VGrfElement *cut = s.cutElement;
        VGrfElement *copy = CopySubtree(*cut, target);
        if (!copy) return nullptr;
        s.copiedElement = cut; // dies with the cut element below, so Paste greys out
        s.cutElement = nullptr;
        if (cut->Parent()) cut->Parent()->DeleteChild(cut);
        return copy;
    }
    if (s.copiedElement) return CopySubtree(*s.copiedElement, target);
    return nullptr;
}

void CopyElementFields(const VGrfElement &src, VGrfElement &e)
{
    e.SetName(src.Name());
    e.SetNum(src.Num());
    e.SetCaption(src.Caption());
    e.SetValueType(src.ValueType());
    e.SetRepeatability(src.Repeatability());
    e.SetPrintable(src.Printable());
    e.SetDescription(src.Description());
    e.SetDataCodes(src.DataCodes());
    e.Shape() = src.Shape();
    e.Font() = src.Font();
    e.SetBarCode(src.BarCode() ? std::make_unique<VBarCode>(*src.BarCode()) : nullptr);
    e.SetPicture(src.Picture() ? std::make_unique<VPicture>(*src.Picture()) : nullptr);
    e.SetZoom(src.Zoom());
    e.SetWindowBounds(src.WindowBounds());
    e.SetBackgroundColor(src.BackgroundColor());
}

std::unique_ptr<VGrfElement> CloneElement(const VGrfElement &src)
{
    auto e = std::make_unique<VGrfElement>(src.Kind());
    CopyElementFields(src, *e);
    for (const auto &c : src.ChildList())
        e->InsertChild(CloneElement(*c));
    e->SetChanged(src.Changed());
    return e;
}
