#include "model/element_types.h"

QString KindName(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Panel:
        return QStringLiteral("Panel");
    case ElementKind::Group:
        return QStringLiteral("Group");
    case ElementKind::Table:
        return QStringLiteral("Table");
    case ElementKind::Label:
        return QStringLiteral("Label");
    case ElementKind::BarCode:
        return QStringLiteral("BarCode");
    case ElementKind::Cell:
        return QStringLiteral("Cell");
    }
    return QStringLiteral("Panel");
}

ElementKind KindFromTag(const QString &tag)
{
    if (tag == QLatin1String("Group") || tag == QLatin1String("Line")) return ElementKind::Group;
    if (tag == QLatin1String("Table")) return ElementKind::Table;
    if (tag == QLatin1String("Label")) return ElementKind::Label;
    if (tag == QLatin1String("BarCode")) return ElementKind::BarCode;
    if (tag == QLatin1String("Cell")) return ElementKind::Cell;
    return ElementKind::Panel;
}

bool IsPictureValueType(int valueType)
{
    return valueType == vtPictureOriginal || valueType == vtPictureStretchProportion ||
           valueType == vtPictureStretch;
}
