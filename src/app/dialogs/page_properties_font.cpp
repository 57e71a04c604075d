// The font panel of the page properties dialog: the page font, filtered font lists and the example.
#include "app/dialogs/page_properties_dialog.h"

#include "app/dialogs/colour_button.h"
#include "app/dialogs/properties_dialog.h"
#include "model/v_grf_element.h"
#include "print/paper_forms.h"
#include "print/printers.h"
#include "render/element_painter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

QWidget *TfrmPageProperties::fontBox()
{
    auto *box = texted(new QGroupBox(this), "Font");
    auto *grid = new QGridLayout(box);

    auto *list = texted(new QGroupBox(box), "List of Fonts");
    auto *l = new QVBoxLayout(list);
    m_fonts = new QListWidget(list);
    m_fonts->setObjectName(QStringLiteral("lstFonts"));
    m_trueTypeOnly = texted(new QCheckBox(list), "True Type Fonts ONLY");
    m_trueTypeOnly->setObjectName(QStringLiteral("chkTrueType"));
    m_deviceOnly = texted(new QCheckBox(list), "Device Fonts ONLY");
    m_deviceOnly->setObjectName(QStringLiteral("chkDevice"));
    m_fontName = new QLabel(list);
    m_fontName->setObjectName(QStringLiteral("lblFontName"));
    l->addWidget(m_fonts, 1);
    l->addWidget(m_trueTypeOnly);
    l->addWidget(m_deviceOnly);
    l->addWidget(m_fontName);
    // The two filters exclude each other.
    connect(m_trueTypeOnly, &QCheckBox::toggled, this, [this](bool on) {
        if (on) m_deviceOnly->setChecked(false);
        fillFontList();
    });
    connect(m_deviceOnly, &QCheckBox::toggled, this, [this](bool on) {
        if (on) m_trueTypeOnly->setChecked(false);
        fillFontList();
    });
    connect(m_fonts, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        if (!item || !m_font.SetFontName(item->text())) return;
        m_fontPicked = true;
        showFont();
    });
    grid->addWidget(list, 0, 0, 3, 1);

    auto *size = texted(new QGroupBox(box), "Size");
    auto *s = new QGridLayout(size);
    m_fontHeight = MillimetreBox(size, "edFontHeight", 500);
    m_fontWidth = MillimetreBox(size, "edFontWidth", 500);
    m_fontSpace = MillimetreBox(size, "edVertSpace", 100);
    const char *const sizeTexts[] = {"Height, mm", "Width, mm", "Space, mm"};
    int row = 0;
    for (QDoubleSpinBox *b : {m_fontHeight, m_fontWidth, m_fontSpace}) {
        b->setDecimals(2);
        s->addWidget(texted(new QLabel(size), sizeTexts[row]), row, 0);
        s->addWidget(b, row++, 1);
        connect(b, &QDoubleSpinBox::valueChanged, this, [this] {
            if (m_loading) return;
            m_font.SetFontHeight(m_fontHeight->value());
            m_font.SetFontWidth(m_fontWidth->value());
            m_font.SetVertSpace(m_fontSpace->value());
            showFont();
        });
    }
    grid->addWidget(size, 0, 1);

    auto *style = texted(new QGroupBox(box), "Style");
    auto *st = new QVBoxLayout(style);
    const auto check = [&](const char *text, const char *name) {
        auto *c = texted(new QCheckBox(style), text);
        c->setObjectName(QLatin1String(name));
        st->addWidget(c);
        connect(c, &QCheckBox::toggled, this, [this] {
            if (m_loading) return;
            m_font.SetFontItalic(m_italic->isChecked());
            // Bold keeps a weight that is already bold or bolder.
            if (!m_bold->isChecked())
                m_font.SetFontWeight(std::min(m_font.FontWeight(), 400));
            else if (m_font.FontWeight() < 700)
                m_font.SetFontWeight(700);
            m_font.SetFontUnderline(m_underline->isChecked());
            m_font.SetFontStrikeOut(m_strikeOut->isChecked());
            showFont();
        });
        return c;
    };
    m_italic = check("Italic", "chkItalic");
    m_bold = check("Bold", "chkBold");
    m_underline = check("Underline", "chkUnderline");
    m_strikeOut = check("Strike Out", "chkStrikeOut");
    grid->addWidget(style, 1, 1);

    auto *colour = texted(new QGroupBox(box), "Font Color");
    auto *c = new QHBoxLayout(colour);
    m_colour = new VDropDownPalette(colour);
    m_colour->setObjectName(QStringLiteral("cpFontColor"));
    m_colour->chosen = [this](ColorRef value) {
        m_font.SetFontColor(value);
        showFont();
    };
    c->addWidget(m_colour);
    c->addStretch(1);
    grid->addWidget(colour, 2, 1);

    auto *charSet = texted(new QGroupBox(box), "Font Character Set");
    auto *cs = new QHBoxLayout(charSet);
    m_charSet = new QComboBox(charSet);
    m_charSet->setObjectName(QStringLiteral("cmbCharSet"));
    AddCharSetItems(m_charSet);
    connect(m_charSet, &QComboBox::activated, this, [this] {
        m_font.SetFontCharSet(m_charSet->currentData().toInt());
        showFont();
    });
    cs->addWidget(m_charSet);
    grid->addWidget(charSet, 3, 0, 1, 2);

    auto *example = texted(new QGroupBox(box), "Font Example");
    auto *e = new QVBoxLayout(example);
    m_example = new QLabel(example);
    m_example->setObjectName(QStringLiteral("lblFontExample"));
    m_example->setMinimumHeight(60);
    m_example->setAlignment(Qt::AlignCenter);
    e->addWidget(m_example);
    grid->addWidget(example, 4, 0, 1, 2);
    grid->setRowStretch(0, 1);

    fillFontList();
    return box;
}

void TfrmPageProperties::fillFontList()
{
    // Linux has no True Type / device split: scalable faces count as the first, bitmap faces the second.
    const bool trueType = m_trueTypeOnly->isChecked(), device = m_deviceOnly->isChecked();
    m_fonts->clear();
    for (const QString &family : QFontDatabase::families()) {
        const bool scalable = QFontDatabase::isSmoothlyScalable(family);
        if ((trueType && !scalable) || (device && scalable)) continue;
        m_fonts->addItem(family);
    }
    const QList<QListWidgetItem *> current = m_fonts->findItems(m_font.FontName(), Qt::MatchExactly);
    if (!current.isEmpty()) m_fonts->setCurrentItem(current.front());
}

void TfrmPageProperties::showFont()
{
    const bool loading = m_loading;
    m_loading = true;
    m_fontHeight->setValue(m_font.FontHeight());
    m_fontWidth->setValue(m_font.FontWidth());
    m_fontSpace->setValue(m_font.VertSpace());
    m_italic->setChecked(m_font.FontItalic() != 0);
    m_bold->setChecked(m_font.FontWeight() >= 700);
    m_underline->setChecked(m_font.FontUnderline() != 0);
    m_strikeOut->setChecked(m_font.FontStrikeOut() != 0);
    m_colour->setColour(m_font.FontColor());
    m_charSet->setCurrentIndex(m_charSet->findData(int(m_font.FontCharSet())));
    m_fontName->setText(m_fontPicked ? m_font.FontName() : T("Font not choosen"));
    m_loading = loading;

    // The example is drawn as a label with this font would print.
    VGrfElement label(ElementKind::Label);
    label.SetCaption(QStringLiteral("AaBbYyZz 0123"));
    label.Font() = m_font;
    label.Font().SetVertPos(1); // centred
    label.Font().SetHorzPos(1);
    label.Shape().SetWidth(MmToTwips(80));
    label.Shape().SetHeight(MmToTwips(16));
    label.UpdateWindowFromTwips(false);
    QPixmap pixmap(label.WindowBounds().size());
    if (pixmap.isNull()) return;
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    DrawElementDesign(label, painter, pixmap.size(), nullptr);
    painter.end();
    m_example->setPixmap(pixmap);
}
