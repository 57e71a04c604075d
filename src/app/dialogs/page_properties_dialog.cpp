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

namespace
{
constexpr double kMaxMm = 9999.0;
constexpr double kMaxFineMm = 9999.989;

QLocale numberLocale()
{
    QLocale l = QLocale::system();
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l;
}

QChar separator()
{
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 ? point.at(0) : QLatin1Char('.');
}
} // namespace

QValidator::State MillimetreValidator::validate(QString &input, int &pos) const
{
    const QChar sep = separator();
    for (QChar &c : input)
        if (c == QLatin1Char('.') || c == QLatin1Char(',')) c = sep;
    // A zero typed before or after a shown zero stays one zero.
    bool cut = false;
    while (input.startsWith(QLatin1String("00"))) {
        input.remove(0, 1);
        if (pos > 0) --pos;
        cut = true;
    }
    if (input.isEmpty() || (cut && input == QLatin1String("0"))) return Acceptable;
    if (input.front() == QLatin1Char('0') || input.front() == sep) return Invalid;
    int separators = 0, before = 0, after = 0;
    for (QChar c : input) {
        if (c == sep)
            ++separators;
        else if (!c.isDigit() || c.unicode() > 0x7f)
            return Invalid;
        else
            ++(separators ? after : before);
    }
    return separators <= 1 && before <= 4 && after <= 3 ? Acceptable : Invalid;
}

double MillimetreValue(const QString &text)
{
    bool ok = false;
    const double v = numberLocale().toDouble(text, &ok);
    return ok && std::isfinite(v) && v > 0 ? v : 0.0;
}

QString MillimetreText(double mm)
{
    QString text = numberLocale().toString(std::round(mm * 1000.0) / 1000.0, 'f', 3);
    const QChar sep = separator();
    if (text.contains(sep)) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(sep)) text.chop(1);
    }
    return text;
}

TfrmPageProperties::TfrmPageProperties(VSetPage &record, TZelFont &font, const QString &selectedPrinter,
                                       QWidget *parent, const char *title)
    : TextedDialog(parent), m_record(record), m_fontRecord(font), m_page(record), m_font(font)
{
    setObjectName(QStringLiteral("frmPageProperties"));
    setTitle(title);
    setModal(true);
    m_page.PaperSize = NormalPaperSize(m_page.PaperSize);
    m_printer = m_page.PrinterName.isEmpty() ? selectedPrinter : m_page.PrinterName;
    choosePaper = [this] { return TfrmPages::Choose(this); };
    m_loading = true;

    auto *left = new QVBoxLayout;
    left->addWidget(parametersBox());
    left->addWidget(pageSizeBox());
    left->addWidget(orientationBox());
    m_setForAll = texted(new QCheckBox(this), "Set For All");
    m_setForAll->setObjectName(QStringLiteral("chkSetForAll"));
    left->addWidget(m_setForAll);
    left->addStretch(1);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(fontBox(), 1);

    auto *ok = texted(new QPushButton(this), "OK");
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    auto *cancel = texted(new QPushButton(this), "Cancel");
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(ok, &QPushButton::clicked, this, [this] {
        apply();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    int mode = AllPages;
    if (!m_page.PrinterName.isEmpty())
        mode = PrinterPages;
    else if (m_page.PaperSize == kUserPaperSize)
        mode = Manual;
    m_modes->button(mode)->setChecked(true);
    m_orientations->button(m_orientations->button(m_page.Orientation) ? m_page.Orientation : 1)
        ->setChecked(true);
    setMode(mode, false);
    m_loading = false;
    showPicture();
    showFont();
    applyTexts();
}

void TfrmPageProperties::applyTexts()
{
    TextedDialog::applyTexts();
    RetextItems(this);
    if (!m_fontPicked && m_fontName) m_fontName->setText(T("Font not choosen"));
}

QWidget *TfrmPageProperties::parametersBox()
{
    auto *box = texted(new QGroupBox(this), "Parameters");
    auto *grid = new QGridLayout(box);
    m_id = new QLineEdit(QString::number(m_page.Num), box);
    m_id->setObjectName(QStringLiteral("txtID"));
    m_id->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), m_id));
    m_name = new QLineEdit(m_page.Name, box);
    m_name->setObjectName(QStringLiteral("txtName"));
    grid->addWidget(texted(new QLabel(box), "ID"), 0, 0);
    grid->addWidget(m_id, 0, 1);
    grid->addWidget(texted(new QLabel(box), "Name"), 1, 0);
    grid->addWidget(m_name, 1, 1);
    return box;
}

QWidget *TfrmPageProperties::sizeRow(QWidget *parent, const char *label, QLineEdit *&edit, const char *name)
{
    auto *row = new QWidget(parent);
    auto *h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    edit = new QLineEdit(row);
    edit->setObjectName(QLatin1String(name));
    edit->setValidator(new MillimetreValidator(edit));
    connect(edit, &QLineEdit::textEdited, this, [this] { sizeEdited(); });
    h->addWidget(texted(new QLabel(row), label));
    h->addWidget(edit);
    // A whole-millimetre and a hundredth control, each an up and a down arrow.
    const QString base = QString::fromLatin1(name).mid(3); // "Width" of "txtWidth"
    for (const auto &[fine, delta] : {std::pair{false, 1.0}, std::pair{true, 0.01}}) {
        auto *pair = new QVBoxLayout;
        pair->setSpacing(0);
        for (const bool up : {true, false}) {
            auto *b = new QToolButton(row);
            b->setObjectName(QStringLiteral("btn%1%2%3")
                                 .arg(base, fine ? QStringLiteral("Fine") : QString(),
                                      up ? QStringLiteral("Up") : QStringLiteral("Down")));
            b->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
            b->setAutoRepeat(true);
            b->setFixedSize(18, 12);
            QLineEdit *target = edit;
            const double d = up ? delta : -delta;
            connect(b, &QToolButton::clicked, this, [this, target, d] { step(target, d); });
            pair->addWidget(b);
        }
        h->addLayout(pair);
    }
    return row;
}

QWidget *TfrmPageProperties::pageSizeBox()
{
    auto *box = texted(new QGroupBox(this), "Page Size");
    auto *v = new QVBoxLayout(box);
    m_modes = new QButtonGroup(box);
    m_modes->setObjectName(QStringLiteral("rgPageSize"));
    const auto radio = [&](const char *text, const char *name, int id) {
        auto *r = texted(new QRadioButton(box), text);
        r->setObjectName(QLatin1String(name));
        m_modes->addButton(r, id);
        v->addWidget(r);
        return r;
    };
    const auto dots = [this](QWidget *parent, const char *name) {
        auto *b = new QPushButton(QStringLiteral("..."), parent);
        b->setObjectName(QLatin1String(name));
        b->setFixedWidth(32);
        connect(b, &QPushButton::clicked, this, [this] {
            if (const std::optional<ChosenPaper> paper = choosePaper ? choosePaper() : std::nullopt)
                takePaper(*paper);
        });
        return b;
    };

    radio("All Pages", "rbAllPages", AllPages);
    m_allBox = new QWidget(box);
    auto *all = new QHBoxLayout(m_allBox);
    m_allPages = new QComboBox(m_allBox);
    m_allPages->setObjectName(QStringLiteral("cmbAllPages"));
    m_allPages->setMaxVisibleItems(20);
    m_forms = PaperForms();
    QStringList lines;
    const int current = FillFormList(lines, 3, m_page);
    for (int i = 0; i < lines.size(); ++i)
        m_allPages->addItem(lines[i], m_forms[size_t(i)].number);
    m_allPages->setCurrentIndex(m_page.PrinterName.isEmpty() ? current : -1);
    connect(m_allPages, &QComboBox::activated, this, [this](int i) {
        if (i < 0 || size_t(i) >= m_forms.size()) return;
        const PaperForm &f = m_forms[size_t(i)];
        m_page.PaperSize = f.number;
        m_page.Width = f.widthMm;
        m_page.Height = f.heightMm;
        m_page.PrinterName.clear();
        showSize();
    });
    all->addWidget(m_allPages, 1);
    all->addWidget(dots(m_allBox, "btnAllPages"));
    v->addWidget(m_allBox);

    auto *printerRadio = radio("Printer Pages", "rbPrinterPages", PrinterPages);
    m_printerBox = new QWidget(box);
    auto *p = new QGridLayout(m_printerBox);
    m_printers = new QComboBox(m_printerBox);
    m_printers->setObjectName(QStringLiteral("cmbPrinters"));
    m_printers->addItems(ListPrinters());
    // A printer this machine lacks stays the record's.
    if (!m_printer.isEmpty() && m_printers->findText(m_printer) < 0) m_printers->addItem(m_printer);
    m_printers->setCurrentIndex(m_printers->findText(m_printer));
    m_printerPages = new QComboBox(m_printerBox);
    m_printerPages->setObjectName(QStringLiteral("cmbPrinterPages"));
    m_printerPages->setMaxVisibleItems(20);
    connect(m_printers, &QComboBox::currentIndexChanged, this, [this] {
        m_printer = m_printers->currentText();
        fillPrinterPages();
    });
    connect(m_printerPages, &QComboBox::activated, this, [this](int i) {
        if (i < 0 || size_t(i) >= m_printerPapers.size()) return;
        const PaperForm &f = m_printerPapers[size_t(i)];
        m_page.PaperSize = f.number;
        m_page.Width = f.widthMm;
        m_page.Height = f.heightMm;
        m_page.PrinterName = m_printer;
        showSize();
    });
    p->addWidget(m_printers, 0, 0);
    p->addWidget(dots(m_printerBox, "btnPrinters"), 0, 1);
    p->addWidget(m_printerPages, 1, 0, 1, 2);
    v->addWidget(m_printerBox);
    fillPrinterPages();
    if (m_printer.isEmpty()) {
        printerRadio->setEnabled(false);
        m_printers->setEnabled(false);
        m_printerPages->setEnabled(false);
    }

    radio("Manual Page Size", "rbManualPageSize", Manual);
    m_manualBox = new QWidget(box);
    auto *m = new QVBoxLayout(m_manualBox);
    m->addWidget(sizeRow(m_manualBox, "Width, mm", m_width, "txtWidth"));
    m->addWidget(sizeRow(m_manualBox, "Height, mm", m_height, "txtHeight"));
    v->addWidget(m_manualBox);

    connect(m_modes, &QButtonGroup::idClicked, this, [this](int id) { setMode(id, true); });
    return box;
}

QWidget *TfrmPageProperties::orientationBox()
{
    auto *box = texted(new QGroupBox(this), "Orientation");
    auto *h = new QHBoxLayout(box);
    auto *radios = new QVBoxLayout;
    m_orientations = new QButtonGroup(box);
    m_orientations->setObjectName(QStringLiteral("rgOrientation"));
    const char *const texts[] = {"Portrait", "Landscape", "Reverse Portrait", "Reverse Landscape"};
    const char *const names[] = {"rbPortrait", "rbLandscape", "rbReversePortrait", "rbReverseLandscape"};
    for (int tag = 1; tag <= 4; ++tag) {
        auto *r = texted(new QRadioButton(box), texts[tag - 1]);
        r->setObjectName(QLatin1String(names[tag - 1]));
        m_orientations->addButton(r, tag);
        radios->addWidget(r);
    }
    connect(m_orientations, &QButtonGroup::idToggled, this, [this](int tag, bool on) {
        if (!on || m_loading) return;
        m_page.Orientation = tag;
        showSize();
        showPicture();
    });
    m_picture = new QLabel(box);
    m_picture->setObjectName(QStringLiteral("lblOrientationPicture"));
    m_picture->setFixedSize(72, 72);
    h->addLayout(radios);
    h->addWidget(m_picture);
    return box;
}

void TfrmPageProperties::setMode(int mode, bool byUser)
{
    m_allBox->setEnabled(mode == AllPages);
    m_printerBox->setEnabled(mode == PrinterPages);
    m_manualBox->setEnabled(mode == Manual);
    if (byUser && mode == Manual) {
        m_page.PrinterName.clear();
        m_page.PaperSize = kUserPaperSize;
    }
    showSize();
}

void TfrmPageProperties::fillPrinterPages()
{
    m_printerPages->clear();
    m_printerPapers = PrinterPapers(m_printer);
    int current = -1;
    for (const PaperForm &f : m_printerPapers) {
        if (current < 0 && m_page.PrinterName == m_printer && f.number == m_page.PaperSize)
            current = m_printerPages->count();
        m_printerPages->addItem(FormSizeLine(f), f.number);
    }
    m_printerPages->setCurrentIndex(current);
}

void TfrmPageProperties::takePaper(const ChosenPaper &paper)
{
    m_page.PaperSize = paper.form.number;
    m_page.Width = paper.form.widthMm;
    m_page.Height = paper.form.heightMm;
    m_page.PrinterName = paper.printer;
    if (!paper.printer.isEmpty()) {
        if (m_printers->findText(paper.printer) < 0) m_printers->addItem(paper.printer);
        m_printers->setCurrentIndex(m_printers->findText(paper.printer)); // fills its papers
        fillPrinterPages();
        m_modes->button(PrinterPages)->setEnabled(true);
        m_printers->setEnabled(true);
        m_printerPages->setEnabled(true);
        m_modes->button(PrinterPages)->setChecked(true);
        m_allPages->setCurrentIndex(-1);
        setMode(PrinterPages, false);
    } else {
        m_allPages->setCurrentIndex(m_allPages->findData(paper.form.number));
        m_modes->button(AllPages)->setChecked(true);
        setMode(AllPages, false);
    }
}

void TfrmPageProperties::showSize()
{
    if (!m_width || !m_height) return;
    if (m_modes->checkedId() == AllPages && m_allPages->currentIndex() < 0) {
        m_width->setText(QStringLiteral("0"));
        m_height->setText(QStringLiteral("0"));
        return;
    }
    // The record keeps portrait terms; the dialog shows the page as it lies.
    const bool across = m_page.Landscape();
    m_width->setText(MillimetreText(across ? m_page.Height : m_page.Width));
    m_height->setText(MillimetreText(across ? m_page.Width : m_page.Height));
}

void TfrmPageProperties::sizeEdited()
{
    const double w = MillimetreValue(m_width->text()), h = MillimetreValue(m_height->text());
    const bool across = m_page.Landscape();
    m_page.Width = across ? h : w;
    m_page.Height = across ? w : h;
    m_page.PaperSize = kUserPaperSize;
    m_page.PrinterName.clear();
}

void TfrmPageProperties::step(QLineEdit *edit, double delta)
{
    double v = MillimetreValue(edit->text());
    const bool fine = std::abs(delta) < 1.0;
    if (delta > 0 && v < (fine ? kMaxFineMm : kMaxMm))
        v += delta;
    else if (delta < 0 && v >= -delta)
        v += delta;
    else
        return;
    edit->setText(MillimetreText(v));
    sizeEdited();
}

void TfrmPageProperties::showPicture()
{
    const int tag = m_page.Orientation;
    const bool across = tag == 2 || tag == 4;
    QPixmap pixmap(m_picture->size());
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QSizeF sheet = across ? QSizeF(60, 44) : QSizeF(44, 60);
    const QRectF page(QPointF((pixmap.width() - sheet.width()) / 2, (pixmap.height() - sheet.height()) / 2),
                      sheet);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(page);
    // The letter turns with the page's content: a quarter turn for landscape, half a turn reversed.
    static const int degrees[] = {0, 0, -90, 180, 90};
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(int(std::min(sheet.width(), sheet.height()) * 0.8));
    f.setBold(true);
    p.setFont(f);
    p.translate(page.center());
    p.rotate(degrees[tag >= 1 && tag <= 4 ? tag : 1]);
    p.drawText(QRectF(-30, -30, 60, 60), Qt::AlignCenter, QStringLiteral("A"));
    p.end();
    m_picture->setPixmap(pixmap);
}

bool TfrmPageProperties::setForAll() const
{
    return m_setForAll->isChecked();
}

bool TfrmPageProperties::apply()
{
    VSetPage page = m_page;
    page.Num = m_id->text().toInt(); // digits only; empty is 0
    page.Name = m_name->text();
    page.changed = m_record.changed;
    VSetPage before = m_record;
    before.PaperSize = NormalPaperSize(before.PaperSize);
    const bool pageChanged = !(page == before);
    if (pageChanged) {
        page.changed = true;
        m_record = page;
    }
    TZelFont font = m_font;
    font.SetChanged(m_fontRecord.Changed());
    const bool fontChanged = !(font == m_fontRecord);
    if (fontChanged) {
        font.SetChanged(true);
        m_fontRecord = font;
    }
    return pageChanged || fontChanged;
}

bool EditPageProperties(VSetPage &record, TZelFont &font, const QString &selectedPrinter, bool *setForAll,
                        QWidget *parent)
{
    TfrmPageProperties dialog(record, font, selectedPrinter, parent);
    const bool ok = dialog.exec() == QDialog::Accepted;
    if (setForAll) *setForAll = ok && dialog.setForAll();
    return ok;
}
