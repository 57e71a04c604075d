// The properties dialog's tabs for the look of an element: Borders, Background and Picture.
#include "app/app_texts.h"
#include "app/dialogs/colour_button.h"
#include "app/prompts.h"
#include "app/dialogs/properties_dialog.h"
#include "files/atomic_file.h"
#include "model/v_grf_element.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

namespace
{
const char *const kPenStyles[] = {"Solid", "Dash", "Dot", "DashDot", "DashDotDot", "Transparent", "InsideFrame"};
const char *const kTextures[] = {"Solid",     "Transparent", "Horizontal", "Vertical",
                                 "FDiagonal", "BDiagonal",   "Cross",      "DiagonalCroll"};
const char *const kBorderButtons[] = {"Top", "Right", "Bottom", "Left", "Rising diagonal", "Falling diagonal"};

// The line a border button draws, as its icon.
QIcon borderIcon(int index)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setPen(QPen(Qt::lightGray, 1, Qt::DotLine));
    p.drawRect(3, 3, 13, 13);
    p.setPen(QPen(Qt::black, 2));
    const QLine lines[] = {{3, 3, 16, 3}, {16, 3, 16, 16}, {3, 16, 16, 16}, {3, 3, 3, 16}, {3, 16, 16, 3}, {3, 3, 16, 16}};
    p.drawLine(lines[index]);
    return QIcon(pixmap);
}

void fillCombo(QComboBox *box, const char *const *texts, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        AddTextItem(box, texts[i], int(i));
}
} // namespace

QWidget *TfrmProperties::bordersTab()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);

    auto *pen = new QComboBox(page);
    pen->setObjectName(QStringLiteral("cbPenStyle"));
    fillCombo(pen, kPenStyles, std::size(kPenStyles));
    bindCombo(pen, [](const VGrfElement &e) { return int(e.Shape().PenStyle()); },
              [](VGrfElement &e, int v) { e.Shape().SetPenStyle(v); });
    auto *width = new QSpinBox(page);
    width->setObjectName(QStringLiteral("edPenWidth"));
    width->setRange(0, 100);
    bindSpin(width, [](const VGrfElement &e) { return e.Shape().PenWidth(); },
             [](VGrfElement &e, int v) { e.Shape().SetPenWidth(v); });
    auto *colour = new VDropDownPalette(page);
    colour->setObjectName(QStringLiteral("cpPenColor"));
    bindColour(colour, [](const VGrfElement &e) { return e.Shape().PenColor(); },
               [](VGrfElement &e, ColorRef c) { e.Shape().SetPenColor(c); });
    grid->addWidget(texted(new QLabel(page), "Pen Style"), 0, 0);
    grid->addWidget(pen, 0, 1);
    grid->addWidget(texted(new QLabel(page), "Width"), 1, 0);
    grid->addWidget(width, 1, 1);
    grid->addWidget(texted(new QLabel(page), "Borders Color"), 2, 0);
    grid->addWidget(colour, 2, 1);

    auto *standard = texted(new QGroupBox(page), "Standart");
    auto *s = new QGridLayout(standard);
    auto *figures = new QButtonGroup(standard);
    figures->setObjectName(QStringLiteral("rgFigure"));
    int id = 0;
    for (const char *text : {"Rectangle", "Round Rectangle", "Ellips"}) {
        auto *r = texted(new QRadioButton(standard), text);
        figures->addButton(r, id);
        s->addWidget(r, id++, 0, 1, 2);
    }
    bindRadios(figures, [](const VGrfElement &e) { return e.Shape().Figure(); },
               [](VGrfElement &e, int v) { e.Shape().SetFigure(v); });
    auto *round = new QSpinBox(standard);
    round->setObjectName(QStringLiteral("edRectRound"));
    round->setRange(0, 1000);
    bindSpin(round, [](const VGrfElement &e) { return e.Shape().RectRound(); },
             [](VGrfElement &e, int v) { e.Shape().SetRectRound(v); });
    s->addWidget(texted(new QLabel(standard), "Corner roundness: "), 3, 0);
    s->addWidget(round, 3, 1);
    grid->addWidget(standard, 3, 0, 1, 2);

    // Each border line takes the pen chosen above; any of them makes the frame custom.
    auto *custom = texted(new QGroupBox(page), "Custom");
    auto *c = new QHBoxLayout(custom);
    std::vector<QToolButton *> lines;
    for (int i = 0; i < 6; ++i) {
        auto *b = new QToolButton(custom);
        b->setObjectName(QStringLiteral("btnBorder%1").arg(i));
        b->setCheckable(true);
        b->setIcon(borderIcon(i));
        b->setToolTip(T(kBorderButtons[i]));
        c->addWidget(b);
        lines.push_back(b);
        const int control = nextControl();
        connect(b, &QToolButton::toggled, this, [this, i, control](bool on) {
            edit(control, [i, on](VGrfElement &e) {
                VShape &shape = e.Shape();
                shape.SetFigure(3);
                shape.SetBorderLine(i, VBorder{on, shape.PenColor(), shape.PenWidth(), shape.PenStyle()});
            });
        });
    }
    auto *clear = texted(new QToolButton(custom), "Clear");
    clear->setObjectName(QStringLiteral("btnBorderClear"));
    const int clearControl = nextControl();
    connect(clear, &QToolButton::clicked, this, [this, clearControl] {
        edit(clearControl, [](VGrfElement &e) {
            for (int i = 0; i < 6; ++i)
                e.Shape().SetBorderLine(i, VBorder{});
        });
    });
    c->addWidget(clear);
    c->addStretch();
    onFill([this, lines] {
        for (int i = 0; i < 6; ++i)
            lines[size_t(i)]->setChecked(m_element->Shape().Figure() == 3 && m_element->Shape().BorderLine(i).visible);
    });
    grid->addWidget(custom, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(2, 1);
    return page;
}

QWidget *TfrmProperties::backgroundTab()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    auto *texture = texted(new QGroupBox(page), "Texture");
    auto *t = new QGridLayout(texture);
    auto *styles = new QButtonGroup(texture);
    styles->setObjectName(QStringLiteral("rgBrushStyle"));
    for (int i = 0; i < int(std::size(kTextures)); ++i) {
        auto *r = texted(new QRadioButton(texture), kTextures[i]);
        styles->addButton(r, i);
        t->addWidget(r, i % 4, i / 4);
    }
    bindRadios(styles, [](const VGrfElement &e) { return int(e.Shape().BrushStyle()); },
               [](VGrfElement &e, int v) { e.Shape().SetBrushStyle(v); });
    grid->addWidget(texture, 0, 0, 1, 2);
    auto *colour = new VDropDownPalette(page);
    colour->setObjectName(QStringLiteral("cpBrushColor"));
    bindColour(colour, [](const VGrfElement &e) { return e.Shape().BrushColor(); },
               [](VGrfElement &e, ColorRef c) { e.Shape().SetBrushColor(c); });
    grid->addWidget(texted(new QLabel(page), "Color"), 1, 0);
    grid->addWidget(colour, 1, 1, Qt::AlignLeft);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(1, 1);
    return page;
}

QWidget *TfrmProperties::pictureTab()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);

    m_preview = new QLabel(page);
    m_preview->setObjectName(QStringLiteral("imgPreview"));
    m_preview->setFixedSize(160, 120);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::Box);
    onFill([this] { showPicture(); });
    grid->addWidget(m_preview, 0, 0, 3, 1);

    auto *load = texted(new QPushButton(page), "&Load...");
    load->setObjectName(QStringLiteral("btnPictureLoad"));
    connect(load, &QPushButton::clicked, this, [this] {
        const QString path = m_prompts.openFileName(
            T("&Load..."), T("Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.ico)|*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.ico|*.*|*.*"));
        if (path.isEmpty()) return;
        VPicture loaded;
        if (!loaded.LoadFile(path)) {
            m_prompts.warning(T("Properties"), T("The picture cannot be read: ") + path);
            return;
        }
        edit(nextControl(), [&](VGrfElement &e) {
            VPicture &p = e.EnsurePicture();
            loaded.SetSizeSet(p.SizeSet()); // the picture changes, its placing stays
            loaded.SetPosSetX(p.PosSetX());
            loaded.SetPosSetY(p.PosSetY());
            loaded.SetLeft(p.Left());
            loaded.SetTop(p.Top());
            loaded.SetHeight(p.Height());
            loaded.SetWidth(p.Width());
            loaded.SetChanged(true);
            p = loaded;
        });
    });
    auto *clear = texted(new QPushButton(page), "&Clear");
    clear->setObjectName(QStringLiteral("btnPictureClear"));
    connect(clear, &QPushButton::clicked, this, [this] {
        if (m_element->Picture()) edit(nextControl(), [](VGrfElement &e) { e.ClearPicture(); });
    });
    auto *save = texted(new QPushButton(page), "Save to file");
    save->setObjectName(QStringLiteral("btnPictureSave"));
    connect(save, &QPushButton::clicked, this, [this] {
        const VPicture *p = m_element->Picture();
        if (!p || !p->HasImage()) return;
        const bool jpeg = p->StoredClass() == "TJPEGImage";
        const QString path = m_prompts.saveFileName(T("Save to file"),
                                                    jpeg ? QStringLiteral("JPEG (*.jpg)|*.jpg") : QStringLiteral("PNG (*.png)|*.png"),
                                                    jpeg ? QStringLiteral("jpg") : QStringLiteral("png"), m_element->Name());
        if (path.isEmpty()) return;
        QString error;
        // A JPEG goes out with the bytes it came with; anything else as PNG.
        const bool ok = jpeg && p->StoredStream().size() > 4
                            ? WriteFileAtomically(path, p->StoredStream().mid(4), &error)
                            : SaveImageAtomically(path, p->Image(), "PNG", -1, &error);
        if (!ok) m_prompts.warning(T("Properties"), error);
    });
    grid->addWidget(load, 0, 1);
    grid->addWidget(clear, 1, 1);
    grid->addWidget(save, 2, 1);

    auto picture = [](VGrfElement &e) -> VPicture & { return e.EnsurePicture(); };
    auto *size = texted(new QGroupBox(page), "Size");
    auto *s = new QGridLayout(size);
    auto *modes = new QButtonGroup(size);
    modes->setObjectName(QStringLiteral("rgSizeSet"));
    int id = 0;
    for (const char *text : {"Original Size", "Stretch", "Stretch proportion", "Manual"}) {
        auto *r = texted(new QRadioButton(size), text);
        modes->addButton(r, id);
        s->addWidget(r, id++, 0, 1, 2);
    }
    bindRadios(modes, [](const VGrfElement &e) { return e.Picture() ? e.Picture()->SizeSet() : 0; },
               [picture](VGrfElement &e, int v) { picture(e).SetSizeSet(v); });
    auto *height = new QSpinBox(size);
    height->setObjectName(QStringLiteral("edPictureHeight"));
    auto *width = new QSpinBox(size);
    width->setObjectName(QStringLiteral("edPictureWidth"));
    for (QSpinBox *box : {height, width})
        box->setRange(0, 20000);
    bindSpin(height, [](const VGrfElement &e) { return e.Picture() ? e.Picture()->Height() : 0; },
             [picture](VGrfElement &e, int v) { picture(e).SetHeight(v); });
    bindSpin(width, [](const VGrfElement &e) { return e.Picture() ? e.Picture()->Width() : 0; },
             [picture](VGrfElement &e, int v) { picture(e).SetWidth(v); });
    s->addWidget(texted(new QLabel(size), "Height"), 4, 0);
    s->addWidget(height, 4, 1);
    s->addWidget(texted(new QLabel(size), "Width "), 5, 0);
    s->addWidget(width, 5, 1);
    onFill([this, height, width] {
        const bool manual = m_element->Picture() && m_element->Picture()->SizeSet() == VPicture::ManualSize;
        height->setEnabled(manual);
        width->setEnabled(manual);
    });
    grid->addWidget(size, 3, 0);

    auto *position = texted(new QGroupBox(page), "Position");
    auto *p = new QGridLayout(position);
    auto axis = [&](int row, const char *title, std::initializer_list<const char *> places, const char *name,
                    const char *manualName, bool x) {
        auto *box = new QComboBox(position);
        box->setObjectName(QLatin1String(name));
        int code = 0;
        for (const char *place : places)
            AddTextItem(box, place, code++);
        AddTextItem(box, "Manual", 3);
        bindCombo(box, [x](const VGrfElement &e) {
                      const VPicture *pic = e.Picture();
                      return pic ? (x ? pic->PosSetX() : pic->PosSetY()) : 1;
                  },
                  [picture, x](VGrfElement &e, int v) { x ? picture(e).SetPosSetX(v) : picture(e).SetPosSetY(v); });
        auto *at = MillimetreBox(position, manualName);
        bindReal(at, [x](const VGrfElement &e) {
                     const VPicture *pic = e.Picture();
                     return pic ? TwipsToMm(x ? pic->Left() : pic->Top()) : 0.0;
                 },
                 [picture, x](VGrfElement &e, double mm) { x ? picture(e).SetLeftMm(mm) : picture(e).SetTopMm(mm); });
        onFill([this, at, x] {
            const VPicture *pic = m_element->Picture();
            at->setEnabled(pic && (x ? pic->PosSetX() : pic->PosSetY()) == 3);
        });
        p->addWidget(texted(new QLabel(position), title), row, 0);
        p->addWidget(box, row, 1);
        p->addWidget(texted(new QLabel(position), x ? "X" : "Y"), row, 2);
        p->addWidget(at, row, 3);
    };
    axis(0, "Horizontal", {"Left", "Centre", "Right"}, "cbPosSetX", "edPictureLeft", true);
    axis(1, "Vertical", {"Top", "Centre", "Bottom"}, "cbPosSetY", "edPictureTop", false);
    grid->addWidget(position, 3, 1);
    grid->setRowStretch(4, 1);
    return page;
}

void TfrmProperties::showPicture()
{
    const VPicture *p = m_element->Picture();
    if (p && p->HasImage()) {
        m_preview->setPixmap(QPixmap::fromImage(
            p->Image().scaled(m_preview->size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    } else {
        m_preview->setPixmap({});
        m_preview->setText(p && p->HasData() ? T("cannot be shown") : T("(None)"));
    }
}
