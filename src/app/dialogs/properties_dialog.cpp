#include "app/dialogs/properties_dialog.h"

#include "app/app_texts.h"
#include "app/dialogs/colour_button.h"
#include "model/design_editing.h"
#include "model/design_editor.h"
#include "model/typed_geometry.h"
#include "model/v_page.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <algorithm>

namespace
{
const char *const kSummaryRows[] = {"Name ",    "Top   (mm) ", "Left  (mm) ", "Height  (mm) ",      "Width   (mm) ",
                                    "Caption ", "Value Type ", "Font ",       "Text Align ",        "Borders ",
                                    "Filling ", "Picture ",    "Repeatability", "BarCodes Features ", "Operation codes "};
const char *const kTabTitles[] = {"Font",    "Text Align",  "Borders", "Background",
                                  "Picture", "Value Types", "BarCode", "Data Codes"};

QString mm(int twips)
{
    return QString::number(TwipsToMm(twips), 'f', 1);
}
} // namespace

const char *ValueTypeText(int code)
{
    static const char *const names[] = {"Variable",
                                        "Fixed",
                                        "Bool",
                                        "Time of Print",
                                        "Date of Print",
                                        "Number of Page",
                                        "Number Line On Page",
                                        "Number Line Total",
                                        "Picture (Original Size)",
                                        "Picture (Stretch proportion)",
                                        "Picture (Stretch)",
                                        "BarCode"};
    return code >= 0 && code < 12 ? names[code] : "";
}

const char *PrintableText(int code)
{
    static const char *const names[] = {"Never print/preview, only design view",
                                        "Normal print/preview, printable = false",
                                        "All print/preview (text && border), printable = true",
                                        "Text only print/preview, printable = true"};
    return code >= 0 && code < 4 ? names[code] : "";
}

QStringList TfrmProperties::TabsFor(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Label:
    case ElementKind::Cell:
        return {"Font", "Text Align", "Borders", "Background", "Picture", "Value Types", "Data Codes"};
    case ElementKind::BarCode:
        return {"BarCode", "Font", "Borders", "Background", "Value Types", "Data Codes"};
    default: // the containers: their font is what new elements inside them take
        return {"Font", "Borders", "Background", "Picture", "Value Types"};
    }
}

TfrmProperties::TfrmProperties(DesignEditor &editor, VPage &page, VGrfElement &element, Prompts &prompts,
                               QWidget *parent)
    : TextedDialog(parent, Qt::Tool), m_editor(editor), m_page(page), m_element(&element), m_prompts(prompts)
{
    setObjectName(QStringLiteral("frmProperties"));
    setTitle("Properties");
    setModal(true);
    auto *splitter = new QSplitter(this);
    m_tree = new QTreeWidget(splitter);
    m_tree->setObjectName(QStringLiteral("tvElements"));
    m_tree->setHeaderHidden(true);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (!m_loading && item && m_items.contains(item)) selectElement(*m_items.value(item));
    });

    auto *summary = new QWidget(splitter);
    auto *grid = new QGridLayout(summary);
    grid->setVerticalSpacing(2);
    // The geometry rows take typed millimetres; the others only show.
    static const std::pair<const char *, GeometrySide> geometryRows[] = {
        {"Top   (mm) ", GeometrySide::Top},
        {"Left  (mm) ", GeometrySide::Left},
        {"Height  (mm) ", GeometrySide::Height},
        {"Width   (mm) ", GeometrySide::Width}};
    for (const char *row : kSummaryRows) {
        const int r = grid->rowCount();
        grid->addWidget(texted(new QLabel(summary), row), r, 0, Qt::AlignTop);
        const auto geometry = std::find_if(std::begin(geometryRows), std::end(geometryRows),
                                           [row](const auto &g) { return qstrcmp(g.first, row) == 0; });
        if (geometry != std::end(geometryRows)) {
            QDoubleSpinBox *box = geometryBox(summary, geometry->second);
            grid->addWidget(box, r, 1, Qt::AlignLeft);
            m_geometryBoxes.insert(QString::fromLatin1(row), box);
            m_summary.emplace_back(QString::fromLatin1(row), nullptr);
            continue;
        }
        auto *value = new QLabel(summary);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(value, r, 1);
        m_summary.emplace_back(QString::fromLatin1(row), value);
    }
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(1, 1);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("pcProperties"));
    m_pages.insert(QStringLiteral("Font"), fontTab());
    m_pages.insert(QStringLiteral("Text Align"), alignTab());
    m_pages.insert(QStringLiteral("Borders"), bordersTab());
    m_pages.insert(QStringLiteral("Background"), backgroundTab());
    m_pages.insert(QStringLiteral("Picture"), pictureTab());
    m_pages.insert(QStringLiteral("Value Types"), valueTypesTab());
    m_pages.insert(QStringLiteral("BarCode"), barCodeTab());
    m_pages.insert(QStringLiteral("Data Codes"), dataCodesTab());
    for (auto it = m_pages.begin(); it != m_pages.end(); ++it) {
        // Pages off the tabs of the present kind stay the dialog's, hidden.
        it.value()->setParent(m_tabs);
        it.value()->hide();
        it.value()->setObjectName(QStringLiteral("ts") + QString(it.key()).remove(QLatin1Char(' ')));
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 2);
    layout->addWidget(m_tabs, 3);
    splitter->setSizes({220, 380});
    resize(640, 640);

    applyTexts();
    fillTree();
    selectElement(element);
    m_tree->setFocus();
}

TfrmProperties::~TfrmProperties() = default;

void TfrmProperties::applyTexts()
{
    TextedDialog::applyTexts();
    RetextItems(this);
    for (int i = 0; i < m_tabs->count(); ++i)
        m_tabs->setTabText(i, T(qPrintable(m_pages.key(m_tabs->widget(i)))));
    if (m_element) fill();
}

void TfrmProperties::fillTree()
{
    m_loading = true;
    m_tree->clear();
    m_items.clear();
    static const char *const kinds[] = {" (Panel)", " (Group)", " (Table)", " (Label)", " (BarCode)", "", " (Cell)"};
    std::function<void(VGrfElement &, QTreeWidgetItem *)> add = [&](VGrfElement &e, QTreeWidgetItem *parent) {
        const int k = int(e.Kind());
        const QString text = e.Name() + QLatin1String(k >= 0 && k < 7 ? kinds[k] : "");
        auto *item = parent ? new QTreeWidgetItem(parent, {text}) : new QTreeWidgetItem(m_tree, {text});
        m_items.insert(item, &e);
        for (const auto &child : e.ChildList())
            add(*child, item);
    };
    add(m_page.Root(), nullptr);
    m_tree->expandAll();
    m_loading = false;
}

void TfrmProperties::selectElement(VGrfElement &element)
{
    m_element = &element;
    m_tick = 0; // a tick is chosen for one label
    for (QAbstractButton *b : m_tickButtons)
        b->setChecked(false);
    if (int(element.Kind()) != m_previousKind) {
        m_previousKind = int(element.Kind());
        layoutTabs();
    }
    m_loading = true;
    if (QTreeWidgetItem *item = m_items.key(&element)) m_tree->setCurrentItem(item);
    m_loading = false;
    fill();
}

void TfrmProperties::layoutTabs()
{
    // Pages of the old kind are only hidden, so their controls keep their bindings.
    const QString current = m_pages.key(m_tabs->currentWidget());
    m_tabs->clear();
    for (const QString &title : TabsFor(m_element->Kind()))
        m_tabs->addTab(m_pages.value(title), T(qPrintable(title)));
    if (QWidget *again = m_pages.value(current); again && m_tabs->indexOf(again) >= 0)
        m_tabs->setCurrentWidget(again);
}

void TfrmProperties::fill()
{
    m_loading = true;
    for (const auto &filler : m_fillers)
        filler();
    m_loading = false;
    fillSummary();
}

QString TfrmProperties::summary(const QString &label) const
{
    for (size_t i = 0; i < m_summary.size(); ++i)
        if (m_summary[i].first == label)
            return m_summary[i].second ? m_summary[i].second->text() : m_geometryBoxes.value(label)->text();
    return {};
}

QDoubleSpinBox *TfrmProperties::geometryBox(QWidget *parent, GeometrySide side)
{
    static const char *const names[] = {"edElementLeft", "edElementTop", "edElementWidth", "edElementHeight"};
    auto *box = MillimetreBox(parent, names[int(side)], 9999.9);
    if (side == GeometrySide::Left || side == GeometrySide::Top) box->setMinimum(-9999.9);
    // A half-typed number would move the element at every key.
    box->setKeyboardTracking(false);
    bindReal(
        box, [side](const VGrfElement &e) { return GeometryMm(e, side); },
        [side](VGrfElement &e, double mm) { SetGeometryMm(e, side, mm); });
    return box;
}

void TfrmProperties::fillSummary()
{
    const VGrfElement &e = *m_element;
    const VShape &s = e.Shape();
    const TZelFont &f = e.Font();
    static const char *const figures[] = {"Rectangle", "Round Rectangle", "Ellips", "Custom"};
    static const char *const pens[] = {"Solid", "Dash", "Dot", "DashDot", "DashDotDot", "Transparent", "InsideFrame"};
    static const char *const brushes[] = {"Solid",     "Transparent", "Horizontal", "Vertical",
                                          "FDiagonal", "BDiagonal",   "Cross",      "DiagonalCroll"};
    static const char *const places[] = {"Left", "Centre", "Right"};
    static const char *const heights[] = {"Top", "Centre", "Bottom"};
    QString font = QStringLiteral("%1, %2 x %3 mm").arg(f.FontName(), QString::number(f.FontHeight(), 'f', 1),
                                                        QString::number(f.FontWidth(), 'f', 1));
    if (f.FontWeight() >= 700) font += QStringLiteral(", ") + T("bold");
    if (f.FontItalic()) font += QStringLiteral(", ") + T("italic");
    const QString align = f.mmPos() ? T("Custom") + QStringLiteral(": %1, %2 mm")
                                                        .arg(QString::number(f.LeftPos(), 'f', 1),
                                                             QString::number(f.TopPos(), 'f', 1))
                                    : T(heights[qBound(0, f.VertPos(), 2)]) + QStringLiteral(" / ") +
                                          T(places[qBound(0, f.HorzPos(), 2)]);
    QString borders = T(figures[qBound(0, s.Figure(), 3)]);
    if (s.Figure() < 3) borders += QStringLiteral(", ") + T(pens[qBound(0, int(s.PenStyle()), 6)]) +
                                   QStringLiteral(" %1").arg(s.PenWidth());
    const QString filling = T(brushes[qBound(0, int(s.BrushStyle()), 7)]) +
                            (s.BrushStyle() == 1 ? QString() : QStringLiteral(", ") + ColorFromRef(s.BrushColor()).name());
    const VPicture *p = e.Picture();
    const QString picture = !p || !p->HasData() ? T("(None)")
                            : p->HasImage()     ? QStringLiteral("%1 x %2").arg(p->Image().width()).arg(p->Image().height())
                                                : T("cannot be shown");
    const VBarCode *b = e.BarCode();
    const QStringList values = {e.Name(),
                                mm(s.RelTop()),
                                mm(s.RelLeft()),
                                mm(s.Height()),
                                mm(s.Width()),
                                e.Caption(),
                                T(ValueTypeText(e.ValueType())),
                                font,
                                align,
                                borders,
                                filling,
                                picture,
                                e.Repeatability() ? T("Yes") : T("No"),
                                b ? QStringLiteral("%1, %2").arg(b->Type()).arg(b->Value()) : QStringLiteral("-"),
                                QStringLiteral("-")};
    for (size_t i = 0; i < m_summary.size(); ++i)
        if (m_summary[i].second) m_summary[i].second->setText(values[int(i)]);
}

void TfrmProperties::edit(int control, const Edit &change, bool walk)
{
    if (m_loading) return;
    std::vector<VGrfElement *> elements{m_element};
    if (walk)
        for (VGrfElement *e : SelectionWalk(*m_element))
            if (e != m_element) elements.push_back(e);
    auto before = PropertiesCommand::Capture(elements);
    for (VGrfElement *e : elements)
        change(*e);
    m_editor.propertiesChanged(std::move(before), control);
    // Other controls may show what changed (Bold and Weight, a reset that a switch makes); the
    // box being typed in keeps its text.
    m_refilling = true;
    fill();
    m_refilling = false;
}

void TfrmProperties::keyPressEvent(QKeyEvent *event)
{
    const int k = event->key();
    if ((k == Qt::Key_Return || k == Qt::Key_Enter) && !(event->modifiers() & Qt::ShiftModifier)) return accept();
    if (k == Qt::Key_Escape) return reject();
    TextedDialog::keyPressEvent(event);
}

void TfrmProperties::done(int result)
{
    if (m_element->ValueType() == vtBool && m_tick) applyTick();
    TextedDialog::done(result);
}

// ---------------------------------------------------------------- bindings

void TfrmProperties::bindCombo(QComboBox *box, std::function<int(const VGrfElement &)> get,
                               std::function<void(VGrfElement &, int)> set, bool walk)
{
    const int control = nextControl();
    onFill([this, box, get] { box->setCurrentIndex(box->findData(get(*m_element))); });
    connect(box, &QComboBox::activated, this, [this, box, set, control, walk] {
        const int value = box->currentData().toInt();
        edit(control, [&](VGrfElement &e) { set(e, value); }, walk);
    });
}

void TfrmProperties::bindCheck(QCheckBox *box, std::function<bool(const VGrfElement &)> get,
                               std::function<void(VGrfElement &, bool)> set)
{
    const int control = nextControl();
    onFill([this, box, get] { box->setChecked(get(*m_element)); });
    connect(box, &QCheckBox::toggled, this, [this, set, control](bool on) {
        edit(control, [&](VGrfElement &e) { set(e, on); });
    });
}

void TfrmProperties::bindSpin(QSpinBox *box, std::function<int(const VGrfElement &)> get,
                              std::function<void(VGrfElement &, int)> set)
{
    const int control = nextControl();
    onFill([this, box, get] {
        if (!(m_refilling && box->hasFocus())) box->setValue(get(*m_element));
    });
    connect(box, &QSpinBox::valueChanged, this, [this, set, control](int value) {
        edit(control, [&](VGrfElement &e) { set(e, value); });
    });
}

void TfrmProperties::bindReal(QDoubleSpinBox *box, std::function<double(const VGrfElement &)> get,
                              std::function<void(VGrfElement &, double)> set, bool walk)
{
    const int control = nextControl();
    onFill([this, box, get] {
        if (!(m_refilling && box->hasFocus())) box->setValue(get(*m_element));
    });
    connect(box, &QDoubleSpinBox::valueChanged, this, [this, set, control, walk](double value) {
        edit(control, [&](VGrfElement &e) { set(e, value); }, walk);
    });
}

void TfrmProperties::bindRadios(QButtonGroup *group, std::function<int(const VGrfElement &)> get,
                                std::function<void(VGrfElement &, int)> set)
{
    const int control = nextControl();
    onFill([this, group, get] {
        if (QAbstractButton *b = group->button(get(*m_element)))
            b->setChecked(true);
        else if (QAbstractButton *checked = group->checkedButton()) {
            group->setExclusive(false);
            checked->setChecked(false);
            group->setExclusive(true);
        }
    });
    connect(group, &QButtonGroup::idToggled, this, [this, set, control](int id, bool on) {
        if (on) edit(control, [&](VGrfElement &e) { set(e, id); });
    });
}

void TfrmProperties::bindText(QLineEdit *box, std::function<QString(const VGrfElement &)> get,
                              std::function<void(VGrfElement &, const QString &)> set)
{
    const int control = nextControl();
    onFill([this, box, get] {
        if (!(m_refilling && box->hasFocus()) && box->text() != get(*m_element)) box->setText(get(*m_element));
    });
    connect(box, &QLineEdit::textEdited, this, [this, set, control](const QString &text) {
        edit(control, [&](VGrfElement &e) { set(e, text); });
    });
}

void TfrmProperties::bindColour(VDropDownPalette *button, std::function<ColorRef(const VGrfElement &)> get,
                                std::function<void(VGrfElement &, ColorRef)> set)
{
    const int control = nextControl();
    onFill([this, button, get] { button->setColour(get(*m_element)); });
    button->chosen = [this, set, control](ColorRef c) { edit(control, [&](VGrfElement &e) { set(e, c); }); };
}
