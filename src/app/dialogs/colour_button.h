#pragma once

#include "model/units.h"

#include <QToolButton>
#include <functional>

// A colour choice that drops down a palette: the sixteen basic colours, a row of greys and
// "Custom Color ..." for any other colour.
class VDropDownPalette : public QToolButton
{
public:
    explicit VDropDownPalette(QWidget *parent = nullptr);
    ColorRef colour() const { return m_colour; }
    // Shows the colour without telling anybody.
    void setColour(ColorRef colour);
    // Called when the user picks a colour.
    std::function<void(ColorRef)> chosen;
    // Tests pick a colour as a click on the palette does.
    void choose(ColorRef colour);
    // Basic colours and greys, in the palette's order.
    static const std::vector<ColorRef> &PaletteColours();

private:
    void showCustom();
    ColorRef m_colour = 0;
};
