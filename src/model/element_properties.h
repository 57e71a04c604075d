#pragma once

#include "model/v_bar_code.h"
#include "model/v_picture.h"
#include "model/v_shape.h"
#include "model/zel_font.h"

#include <QRect>
#include <QString>
#include <optional>

class VGrfElement;

// Everything of one element that the properties dialog edits (all but its place in the tree), so
// that a change can be undone by putting the earlier state back.
struct ElementProperties {
    QString caption, description;
    QStringList dataCodes;
    int valueType = 0, printable = 0;
    bool repeatability = false, changed = false;
    VShape shape;
    TZelFont font;
    std::optional<VBarCode> barCode;
    std::optional<VPicture> picture;
    QRect window;

    static ElementProperties Of(const VGrfElement &element);
    // Puts the state back, changed marks included.
    void ApplyTo(VGrfElement &element) const;
};
