#include "model/element_properties.h"

#include "model/v_grf_element.h"

ElementProperties ElementProperties::Of(const VGrfElement &e)
{
    ElementProperties p;
    p.caption = e.Caption();
    p.description = e.Description();
    p.dataCodes = e.DataCodes();
    p.valueType = e.ValueType();
    p.printable = e.Printable();
    p.repeatability = e.Repeatability();
    p.changed = e.Changed();
    p.shape = e.Shape();
    p.font = e.Font();
    if (e.BarCode()) p.barCode = *e.BarCode();
    if (e.Picture()) p.picture = *e.Picture();
    p.window = e.WindowBounds();
    return p;
}

void ElementProperties::ApplyTo(VGrfElement &e) const
{
    e.SetCaption(caption);
    e.SetDescription(description);
    e.SetDataCodes(dataCodes);
    e.SetValueType(valueType);
    e.SetPrintable(printable);
    e.SetRepeatability(repeatability);
    e.SetChanged(changed);
    e.Shape() = shape;
    e.Font() = font;
    e.SetBarCode(barCode ? std::make_unique<VBarCode>(*barCode) : nullptr);
    e.SetPicture(picture ? std::make_unique<VPicture>(*picture) : nullptr);
    e.SetWindowBounds(window);
    const VGrfElement *parent = e.Parent();
    e.RecomputeAbsolute(parent ? parent->Shape().Left() : 0, parent ? parent->Shape().Top() : 0);
}
