#include "app/dialogs/colour_button.h"

#include "app/app_texts.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QWidgetAction>

const std::vector<ColorRef> &VDropDownPalette::PaletteColours()
{
    static const std::vector<ColorRef> colours = {
        Rgb(0, 0, 0),       Rgb(128, 0, 0),     Rgb(0, 128, 0),     Rgb(128, 128, 0),
        Rgb(0, 0, 128),     Rgb(128, 0, 128),   Rgb(0, 128, 128),   Rgb(192, 192, 192),
        Rgb(128, 128, 128), Rgb(255, 0, 0),     Rgb(0, 255, 0),     Rgb(255, 255, 0),
        Rgb(0, 0, 255),     Rgb(255, 0, 255),   Rgb(0, 255, 255),   Rgb(255, 255, 255),
        Rgb(32, 32, 32),    Rgb(64, 64, 64),    Rgb(96, 96, 96),    Rgb(160, 160, 160),
        Rgb(208, 208, 208), Rgb(224, 224, 224), Rgb(240, 240, 240), Rgb(248, 248, 248)};
    return colours;
}

static QIcon swatch(ColorRef colour, const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(ColorFromRef(colour));
    QPainter p(&pixmap);
    p.setPen(Qt::gray);
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

VDropDownPalette::VDropDownPalette(QWidget *parent) : QToolButton(parent)
{
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setIconSize(QSize(36, 14));
    auto *menu = new QMenu(this);
    auto *grid = new QWidget(menu);
    auto *layout = new QGridLayout(grid);
    layout->setSpacing(2);
    layout->setContentsMargins(4, 4, 4, 4);
    const auto &colours = PaletteColours();
    for (size_t i = 0; i < colours.size(); ++i) {
        auto *b = new QToolButton(grid);
        b->setAutoRaise(true);
        b->setIcon(swatch(colours[i], QSize(16, 16)));
        b->setToolTip(ColorFromRef(colours[i]).name());
        connect(b, &QToolButton::clicked, this, [this, menu, c = colours[i]] {
            menu->close();
            choose(c);
        });
        layout->addWidget(b, int(i) / 8, int(i) % 8);
    }
    auto *custom = new QPushButton(T("Custom Color ..."), grid);
    custom->setObjectName(QStringLiteral("customColour"));
    connect(custom, &QPushButton::clicked, this, [this, menu] {
        menu->close();
        showCustom();
    });
    layout->addWidget(custom, int(colours.size() + 7) / 8, 0, 1, 8);
    auto *action = new QWidgetAction(menu);
    action->setDefaultWidget(grid);
    menu->addAction(action);
    setMenu(menu);
    setColour(0);
}

void VDropDownPalette::setColour(ColorRef colour)
{
    m_colour = colour;
    setIcon(swatch(colour, iconSize()));
}

void VDropDownPalette::choose(ColorRef colour)
{
    setColour(colour);
    if (chosen) chosen(colour);
}

void VDropDownPalette::showCustom()
{
    const QColor c = QColorDialog::getColor(ColorFromRef(m_colour), this, T("Custom Color ..."));
    if (c.isValid()) choose(RefFromColor(c));
}
