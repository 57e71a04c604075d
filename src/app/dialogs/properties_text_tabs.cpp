// The properties dialog's tabs for text: Font, Text Align and Value Types.
#include "app/app_texts.h"
#include "app/dialogs/colour_button.h"
#include "app/dialogs/properties_dialog.h"
#include "model/design_editor.h"
#include "model/v_grf_element.h"
#include "render/element_painter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

namespace
{
const char *const kCharSets[] = {"0     ANSI characters",
                                 "1     Default charsets",
                                 "2     Standard symbol set",
                                 "77   Macintosh characters",
                                 "128 Japanese shift-jis characters",
                                 "129 Korean characters (Wansung).",
                                 "130 Korean characters (Johab)",
                                 "134 Simplified Chinese characters (mainland china)",
                                 "136 Traditional Chinese characters (taiwanese)",
                                 "161 Greek characters",
                                 "162 Turkish characters",
                                 "163 Vietnamese characters",
                                 "177 Hebrew characters",
                                 "178 Arabic characters",
                                 "186 Baltic characters",
                                 "204 Cyrillic characters",
                                 "222 Thai characters",
                                 "238 +diacritical marks for eastern european countries",
                                 "255 OEM charset"};
const char *const kWeights[] = {"0       Don't Care",
                                "100   Thin",
                                "200   Extra/Ultra Light",
                                "300   Light",
                                "400   Normal/Regular",
                                "500   Medium",
                                "600   Semi-/Demi- Bold",
                                "700   Bold",
                                "800   Extra/Ultra Bold",
                                "900   Heavy/Black",
                                "1000 Very Black :)"};

// A combo box whose items carry the number their text starts with.
void addNumbered(QComboBox *box, const char *const *texts, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        AddTextItem(box, texts[i], QString::fromLatin1(texts[i]).section(QLatin1Char(' '), 0, 0).toInt());
}

// A Bool label's tick as the label shows it.
QIcon tickIcon(int character)
{
    VGrfElement label(ElementKind::Label);
    label.SetCaption(QChar(character));
    label.Font().SetFontName(QStringLiteral("Webdings"));
    label.Font().SetFontHeight(character == 114 ? 5.0 : 7.0);
    label.Font().SetFontWidth(character == 114 ? 4.0 : 6.0);
    label.Shape().SetWidth(MmToTwips(8));
    label.Shape().SetHeight(MmToTwips(8));
    label.UpdateWindowFromTwips(false);
    QPixmap pixmap(label.WindowBounds().size());
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    DrawElementDesign(label, painter, pixmap.size(), nullptr);
    return QIcon(pixmap);
}
} // namespace

void AddCharSetItems(QComboBox *box)
{
    addNumbered(box, kCharSets, std::size(kCharSets));
}

QDoubleSpinBox *MillimetreBox(QWidget *parent, const char *name, double max)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setDecimals(1);
    box->setSingleStep(0.1);
    box->setRange(0.0, max);
    return box;
}

QWidget *TfrmProperties::fontTab()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);

    auto *face = new QComboBox(page);
    face->setObjectName(QStringLiteral("cbFontName"));
    face->setMaxVisibleItems(20);
    for (const QString &family : QFontDatabase::families()) {
        face->addItem(family);
        face->setItemData(face->count() - 1, QFont(family), Qt::FontRole); // each name in its own face
    }
    onFill([this, face] {
        const QString name = m_element->Font().FontName();
        if (face->findText(name) < 0) face->addItem(name); // a face this machine lacks stays the element's
        face->setCurrentIndex(face->findText(name));
    });
    const int faceControl = nextControl();
    connect(face, &QComboBox::activated, this, [this, face, faceControl] {
        const QString name = face->currentText();
        edit(faceControl, [&](VGrfElement &e) { e.Font().SetFontName(name); }, true);
    });
    grid->addWidget(face, 0, 0, 1, 4);

    auto *charSet = new QComboBox(page);
    charSet->setObjectName(QStringLiteral("cbCharSet"));
    AddCharSetItems(charSet);
    bindCombo(charSet, [](const VGrfElement &e) { return int(e.Font().FontCharSet()); },
              [](VGrfElement &e, int v) { e.Font().SetFontCharSet(v); });
    grid->addWidget(texted(new QLabel(page), "Character Set"), 1, 0);
    grid->addWidget(charSet, 1, 1, 1, 3);

    auto *weight = new QComboBox(page);
    weight->setObjectName(QStringLiteral("cbWeight"));
    addNumbered(weight, kWeights, std::size(kWeights));
    bindCombo(weight, [](const VGrfElement &e) { return e.Font().FontWeight(); },
              [](VGrfElement &e, int v) { e.Font().SetFontWeight(v); }, true);
    grid->addWidget(texted(new QLabel(page), "Weight"), 2, 0);
    grid->addWidget(weight, 2, 1, 1, 3);

    auto *bold = texted(new QCheckBox(page), "Bold");
    bold->setObjectName(QStringLiteral("chkBold"));
    bindCheck(bold, [](const VGrfElement &e) { return e.Font().FontWeight() >= 700; },
              [](VGrfElement &e, bool on) {
                  // Checking keeps a weight that is already bold or bolder.
                  if (!on)
                      e.Font().SetFontWeight(400);
                  else if (e.Font().FontWeight() < 700)
                      e.Font().SetFontWeight(700);
              });
    auto *italic = texted(new QCheckBox(page), "Italic");
    italic->setObjectName(QStringLiteral("chkItalic"));
    bindCheck(italic, [](const VGrfElement &e) { return e.Font().FontItalic() != 0; },
              [](VGrfElement &e, bool on) { e.Font().SetFontItalic(on); });
    auto *underline = texted(new QCheckBox(page), " Underline");
    underline->setObjectName(QStringLiteral("chkUnderline"));
    bindCheck(underline, [](const VGrfElement &e) { return e.Font().FontUnderline() != 0; },
              [](VGrfElement &e, bool on) { e.Font().SetFontUnderline(on); });
    auto *strike = texted(new QCheckBox(page), " Strike Out");
    strike->setObjectName(QStringLiteral("chkStrikeOut"));
    bindCheck(strike, [](const VGrfElement &e) { return e.Font().FontStrikeOut() != 0; },
              [](VGrfElement &e, bool on) { e.Font().SetFontStrikeOut(on); });
    grid->addWidget(bold, 3, 0);
    grid->addWidget(italic, 3, 1);
    grid->addWidget(underline, 3, 2);
    grid->addWidget(strike, 3, 3);

    auto *colour = new VDropDownPalette(page);
    colour->setObjectName(QStringLiteral("cpFontColor"));
    bindColour(colour, [](const VGrfElement &e) { return e.Font().FontColor(); },
               [](VGrfElement &e, ColorRef c) { e.Font().SetFontColor(c); });
    grid->addWidget(texted(new QLabel(page), "Font Color"), 4, 0);
    grid->addWidget(colour, 4, 1);

    auto *size = texted(new QGroupBox(page), "Character Size, mm");
    auto *sizes = new QGridLayout(size);
    auto *height = MillimetreBox(size, "edFontHeight", 500);
    auto *width = MillimetreBox(size, "edFontWidth", 500);
    auto *extra = MillimetreBox(size, "edVertSpace", 100);
    // Sizes keep their tenths truncated: what is typed past them is cut, not rounded.
    for (QDoubleSpinBox *box : {height, width, extra})
        box->setDecimals(2);
    bindReal(height, [](const VGrfElement &e) { return e.Font().FontHeight(); },
             [](VGrfElement &e, double v) { e.Font().SetFontHeight(v); }, true);
    bindReal(width, [](const VGrfElement &e) { return e.Font().FontWidth(); },
             [](VGrfElement &e, double v) { e.Font().SetFontWidth(v); }, true);
    bindReal(extra, [](const VGrfElement &e) { return e.Font().VertSpace(); },
             [](VGrfElement &e, double v) { e.Font().SetVertSpace(v); });
    sizes->addWidget(texted(new QLabel(size), "Height"), 0, 0);
    sizes->addWidget(height, 0, 1);
    sizes->addWidget(texted(new QLabel(size), "Width "), 1, 0);
    sizes->addWidget(width, 1, 1);
    sizes->addWidget(texted(new QLabel(size), "Extra space"), 2, 0);
    sizes->addWidget(extra, 2, 1);
    grid->addWidget(size, 5, 0, 1, 4);
    grid->setRowStretch(6, 1);
    return page;
}

QWidget *TfrmProperties::alignTab()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);

    auto *orientation = texted(new QGroupBox(page), "Orientation");
    auto *o = new QHBoxLayout(orientation);
    auto *angle = new QSpinBox(orientation);
    angle->setObjectName(QStringLiteral("edAngle"));
    angle->setRange(-180, 180);
    bindSpin(angle, [](const VGrfElement &e) { return e.Font().FontOrientation(); },
             [](VGrfElement &e, int v) { e.Font().SetFontOrientation(v); });
    o->addWidget(texted(new QLabel(orientation), "Angle of "));
    o->addWidget(angle);
    o->addWidget(texted(new QLabel(orientation), "degrees"));
    grid->addWidget(orientation, 0, 0, 1, 2);

    auto *align = texted(new QGroupBox(page), "Align");
    bindRadios(radioGroup(align, {"Standart", "Custom"}, "rgAlign"),
               [](const VGrfElement &e) { return e.Font().mmPos() ? 1 : 0; },
               [](VGrfElement &e, int v) { e.Font().SetmmPos(v == 1); });
    grid->addWidget(align, 1, 0, 1, 2);
    auto *vertical = texted(new QGroupBox(page), "Vertical");
    bindRadios(radioGroup(vertical, {"Top", "Centre", "Bottom"}, "rgVertical"),
               [](const VGrfElement &e) { return e.Font().VertPos(); },
               [](VGrfElement &e, int v) { e.Font().SetVertPos(v); });
    auto *horizontal = texted(new QGroupBox(page), "Horizontal");
    bindRadios(radioGroup(horizontal, {"Left", "Centre", "Right"}, "rgHorizontal"),
               [](const VGrfElement &e) { return e.Font().HorzPos(); },
               [](VGrfElement &e, int v) { e.Font().SetHorzPos(v); });
    grid->addWidget(vertical, 2, 0);
    grid->addWidget(horizontal, 2, 1);

    auto *positions = texted(new QGroupBox(page), "Positions");
    auto *p = new QGridLayout(positions);
    auto *left = MillimetreBox(positions, "edLeftPos");
    auto *top = MillimetreBox(positions, "edTopPos");
    bindReal(left, [](const VGrfElement &e) { return e.Font().LeftPos(); },
             [](VGrfElement &e, double v) { e.Font().SetLeftPos(v); });
    bindReal(top, [](const VGrfElement &e) { return e.Font().TopPos(); },
             [](VGrfElement &e, double v) { e.Font().SetTopPos(v); });
    p->addWidget(texted(new QLabel(positions), "Left"), 0, 0);
    p->addWidget(left, 0, 1);
    p->addWidget(texted(new QLabel(positions), "Top"), 1, 0);
    p->addWidget(top, 1, 1);
    onFill([this, positions] { positions->setEnabled(m_element->Font().mmPos()); });
    grid->addWidget(positions, 3, 0);

    auto *parting = texted(new QGroupBox(page), "Text Parting");
    auto *t = new QGridLayout(parting);
    auto *offset = new QSpinBox(parting);
    offset->setObjectName(QStringLiteral("edOffset"));
    offset->setRange(0, 100000);
    auto *count = new QSpinBox(parting);
    count->setObjectName(QStringLiteral("edTextLength"));
    count->setRange(-1, 100000);
    bindSpin(offset, [](const VGrfElement &e) { return e.Font().Offset(); },
             [](VGrfElement &e, int v) { e.Font().SetOffset(v); });
    bindSpin(count, [](const VGrfElement &e) { return e.Font().TextLength(); },
             [](VGrfElement &e, int v) { e.Font().SetTextLength(v); });
    auto *defaults = texted(new QPushButton(parting), "Default");
    defaults->setObjectName(QStringLiteral("btnPartingDefault"));
    const int partingControl = nextControl();
    connect(defaults, &QPushButton::clicked, this, [this, partingControl] {
        edit(partingControl, [](VGrfElement &e) {
            e.Font().SetOffset(0);
            e.Font().SetTextLength(-1);
        });
    });
    t->addWidget(texted(new QLabel(parting), "Offset"), 0, 0);
    t->addWidget(offset, 0, 1);
    t->addWidget(texted(new QLabel(parting), "Symbol's count "), 1, 0);
    t->addWidget(count, 1, 1);
    t->addWidget(defaults, 2, 1);
    grid->addWidget(parting, 3, 1);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget *TfrmProperties::valueTypesTab()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    auto *types = new QGroupBox(page);
    auto *t = new QGridLayout(types);
    auto *group = new QButtonGroup(types);
    group->setObjectName(QStringLiteral("rgValueType"));
    for (int code = vtVariable; code < vtBarCode; ++code) {
        auto *r = texted(new QRadioButton(types), ValueTypeText(code));
        group->addButton(r, code);
        t->addWidget(r, code, 0);
    }
    bindRadios(group, [](const VGrfElement &e) { return e.ValueType(); },
               [](VGrfElement &e, int v) {
                   e.SetValueType(v);
                   e.SetChanged(true);
               });
    auto *description = new QLineEdit(types);
    description->setObjectName(QStringLiteral("edDescription"));
    bindText(description, [](const VGrfElement &e) { return e.Description(); },
             [](VGrfElement &e, const QString &text) { e.SetDescription(text); });
    description->setMinimumWidth(220);
    t->addWidget(description, vtVariable, 1, 1, 3);
    // The two ticks a Bool label can show; the chosen one is put on the label when the dialog closes.
    auto *ticks = new QButtonGroup(types);
    ticks->setExclusive(false);
    int column = 1;
    for (int character : {114, 97}) {
        auto *b = new QToolButton(types);
        b->setObjectName(QStringLiteral("btnTick%1").arg(character));
        b->setCheckable(true);
        b->setIcon(tickIcon(character));
        b->setIconSize(QSize(28, 28));
        ticks->addButton(b, character);
        m_tickButtons.push_back(b);
        t->addWidget(b, vtBool, column++);
    }
    connect(ticks, &QButtonGroup::idClicked, this, [this, ticks](int character) {
        const bool down = ticks->button(character)->isChecked();
        for (QAbstractButton *b : ticks->buttons())
            if (ticks->id(b) != character) b->setChecked(false);
        m_tick = down ? character : 0;
    });
    onFill([this, types, description] {
        const ElementKind k = m_element->Kind();
        types->setEnabled(k == ElementKind::Label || k == ElementKind::Cell);
        // Only a variable's description is kept.
        description->setEnabled(m_element->ValueType() == vtVariable);
    });
    grid->addWidget(types, 0, 0);

    // What the design view shows of a group or barcode, and a group's repeated band.
    auto *band = new QWidget(page);
    auto *b = new QGridLayout(band);
    b->setContentsMargins(0, 0, 0, 0);
    auto *caption = new QLineEdit(band);
    caption->setObjectName(QStringLiteral("edCaption"));
    bindText(caption, [](const VGrfElement &e) { return e.Caption(); },
             [](VGrfElement &e, const QString &text) { e.SetCaption(text); });
    b->addWidget(texted(new QLabel(band), "Caption "), 0, 0);
    b->addWidget(caption, 0, 1);
    auto *repeat = texted(new QCheckBox(band), "Repeatability");
    repeat->setObjectName(QStringLiteral("chkRepeatability"));
    bindCheck(repeat, [](const VGrfElement &e) { return e.Repeatability(); },
              [](VGrfElement &e, bool on) { e.SetRepeatability(on); });
    b->addWidget(repeat, 1, 0, 1, 2);
    onFill([this, caption, repeat] {
        const ElementKind k = m_element->Kind();
        caption->setEnabled(k == ElementKind::Group || k == ElementKind::BarCode || k == ElementKind::Label);
        repeat->setEnabled(k == ElementKind::Group);
    });
    grid->addWidget(band, 2, 0);

    auto *printable = texted(new QGroupBox(page), "Printable / Showing");
    auto *p = new QVBoxLayout(printable);
    auto *modes = new QButtonGroup(printable);
    modes->setObjectName(QStringLiteral("rgPrintable"));
    for (int code = pmNever; code <= pmTextOnly; ++code) {
        auto *r = texted(new QRadioButton(printable), PrintableText(code));
        modes->addButton(r, code);
        p->addWidget(r);
    }
    bindRadios(modes, [](const VGrfElement &e) { return e.Printable(); },
               [](VGrfElement &e, int v) { e.SetPrintable(v); });
    grid->addWidget(printable, 1, 0);
    grid->setRowStretch(3, 1);
    return page;
}

void TfrmProperties::applyTick()
{
    const int character = m_tick;
    edit(nextControl(), [character](VGrfElement &e) {
        e.SetCaption(QString(QChar(character)));
        e.Font().SetFontName(QStringLiteral("Webdings"));
        e.Font().SetFontHeight(character == 114 ? 5.0 : 7.0);
        e.Font().SetFontWidth(character == 114 ? 4.0 : 6.0);
    });
    m_tick = 0;
}
