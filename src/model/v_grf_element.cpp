#include "model/v_grf_element.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

EditingState &editingState()
{
    static EditingState state;
    return state;
}

VGrfElement::VGrfElement(ElementKind kind) : m_kind(kind) {}

VGrfElement::~VGrfElement()
{
    EditingState &s = editingState();
    if (s.cutElement == this) s.cutElement = nullptr;
    if (s.copiedElement == this) s.copiedElement = nullptr;
    // Children go first so that their own clean-up sees a live parent.
    m_children.clear();
}

VGrfElement *VGrfElement::Child(int index) const
{
    if (index < 0 || index >= ChildCount()) return nullptr;
    return m_children[size_t(index)].get();
}

int VGrfElement::IndexInParent() const
{
    if (!m_parent) return -1;
    const Children &siblings = m_parent->m_children;
    for (size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this) return int(i);
    return -1;
}

VGrfElement *VGrfElement::InsertChild(std::unique_ptr<VGrfElement> child, int index)
{
    VGrfElement *raw = child.get();
    raw->m_parent = this;
    if (index < 0 || index >= ChildCount())
        m_children.push_back(std::move(child));
    else
        m_children.insert(m_children.begin() + index, std::move(child));
    return raw;
}

std::unique_ptr<VGrfElement> VGrfElement::TakeChild(VGrfElement *child)
{
    auto it = std::find_if(m_children.begin(), m_children.end(),
                           [child](const std::unique_ptr<VGrfElement> &c) { return c.get() == child; });
    if (it == m_children.end()) return nullptr;
    std::unique_ptr<VGrfElement> taken = std::move(*it);
    m_children.erase(it);
    taken->m_parent = nullptr;
    return taken;
}

void VGrfElement::DeleteChild(VGrfElement *child)
{
    TakeChild(child).reset();
}

void VGrfElement::DeleteChildren()
{
    m_children.clear();
}

void VGrfElement::BringToFront()
{
    if (!m_parent) return;
    VGrfElement *parent = m_parent;
    parent->InsertChild(parent->TakeChild(this));
}

bool VGrfElement::IsAncestorOf(const VGrfElement *other) const
{
    for (const VGrfElement *p = other ? other->m_parent : nullptr; p; p = p->m_parent)
        if (p == this) return true;
    return false;
}

const VGrfElement *VGrfElement::Root() const
{
    const VGrfElement *e = this;
    while (e->m_parent)
        e = e->m_parent;
    return e;
}

void VGrfElement::SetKind(ElementKind kind)
{
    m_kind = kind;
    m_changed = true;
}

void VGrfElement::SetName(const QString &name)
{
    m_name = name;
    m_changed = true;
}

void VGrfElement::SetNum(int num)
{
    m_num = num;
    m_changed = true;
}

void VGrfElement::SetCaption(const QString &caption)
{
    m_caption = caption;
    m_changed = true;
}

bool VGrfElement::SetValueType(int valueType)
{
    if (valueType < vtVariable || valueType > vtBarCode) return false;
    m_valueType = valueType;
    m_changed = true;
    return true;
}

void VGrfElement::SetRepeatability(bool on)
{
    m_repeatability = on;
    m_changed = true;
}

bool VGrfElement::SetPrintable(int mode)
{
    if (mode < pmNever || mode > pmTextOnly) return false;
    m_printable = mode;
    m_changed = true;
    return true;
}

void VGrfElement::SetDescription(const QString &text)
{
    m_description = text;
    m_changed = true;
}

void VGrfElement::SetDataCode(int field, const QString &text)
{
    if (field < 0 || field >= kDataCodeFieldCount) return;
    if (m_dataCodes.size() < kDataCodeFieldCount) m_dataCodes.resize(kDataCodeFieldCount);
    m_dataCodes[field] = text;
    m_changed = true;
}

void VGrfElement::SetDataCodes(const QStringList &codes)
{
    m_dataCodes.clear();
    for (int i = 0; i < std::min<int>(int(codes.size()), kDataCodeFieldCount); ++i)
        if (!codes[i].isEmpty()) SetDataCode(i, codes[i]);
    m_changed = true;
}

VBarCode &VGrfElement::EnsureBarCode()
{
    if (!m_barCode) m_barCode = std::make_unique<VBarCode>();
    return *m_barCode;
}

void VGrfElement::SetBarCode(std::unique_ptr<VBarCode> barCode)
{
    m_barCode = std::move(barCode);
}

VPicture &VGrfElement::EnsurePicture()
{
    if (!m_picture) m_picture = std::make_unique<VPicture>();
    return *m_picture;
}

void VGrfElement::SetPicture(std::unique_ptr<VPicture> picture)
{
    m_picture = std::move(picture);
}

void VGrfElement::ClearPicture()
{
    m_picture.reset();
    m_changed = true;
}

void VGrfElement::SetZoom(int zoom)
{
    if (zoom > 0) m_zoom = zoom;
}

void VGrfElement::SetWindowBounds(const QRect &r)
{
    // A window is never smaller than 5 zoomed pixels.
    QRect b = r;
    if (b.width() * m_zoom / 100 < 5) b.setWidth(5);
    if (b.height() * m_zoom / 100 < 5) b.setHeight(5);
    m_window = b;
}

namespace
{
int twipsToPixels(int twips, int zoom, int tpp)
{
    return int(std::trunc(double(twips) * zoom / 100.0 / tpp));
}
int pixelsToTwips(int px, int zoom, int tpp)
{
    return int(std::trunc(double(px) * tpp * 100.0 / zoom));
}
} // namespace

void VGrfElement::UpdateWindowFromTwips(bool recursive)
{
    const ScreenMetrics &m = screenMetrics();
    m_window = QRect(twipsToPixels(m_shape.RelLeft(), m_zoom, m.twipsPerPixelX()),
                     twipsToPixels(m_shape.RelTop(), m_zoom, m.twipsPerPixelY()),
                     twipsToPixels(m_shape.Width(), m_zoom, m.twipsPerPixelX()),
                     twipsToPixels(m_shape.Height(), m_zoom, m.twipsPerPixelY()));
    if (recursive)
        for (auto &c : m_children)
            c->UpdateWindowFromTwips(true);
}

void VGrfElement::UpdateTwipsFromWindow()
{
    const ScreenMetrics &m = screenMetrics();
    m_shape.SetRelLeft(pixelsToTwips(m_window.left(), m_zoom, m.twipsPerPixelX()));
    m_shape.SetRelTop(pixelsToTwips(m_window.top(), m_zoom, m.twipsPerPixelY()));
    m_shape.SetWidth(pixelsToTwips(m_window.width(), m_zoom, m.twipsPerPixelX()));
    m_shape.SetHeight(pixelsToTwips(m_window.height(), m_zoom, m.twipsPerPixelY()));
    const int originLeft = m_parent ? m_parent->m_shape.Left() : 0;
    const int originTop = m_parent ? m_parent->m_shape.Top() : 0;
    RecomputeAbsolute(originLeft, originTop);
}

void VGrfElement::RecomputeAbsolute(int originLeft, int originTop)
{
    m_shape.SetAbsoluteFromOrigin(originLeft, originTop);
    for (auto &c : m_children)
        c->RecomputeAbsolute(m_shape.Left(), m_shape.Top());
}

void VGrfElement::ApplyPendingGeometry()
{
    if (!(m_shape.LeftPending() || m_shape.TopPending() || m_shape.WidthPending() || m_shape.HeightPending()))
        return;
    const int originLeft = m_parent ? m_parent->m_shape.Left() : 0;
    const int originTop = m_parent ? m_parent->m_shape.Top() : 0;
    m_shape.SetRelativeFromOrigin(originLeft, originTop);
    m_shape.ClearPending();
    for (auto &c : m_children)
        c->RecomputeAbsolute(m_shape.Left(), m_shape.Top());
    UpdateWindowFromTwips(true);
}

bool VGrfElement::IsModified() const
{
    if (m_changed || m_shape.Changed() || m_font.Changed()) return true;
    if ((m_barCode && m_barCode->Changed()) || (m_picture && m_picture->Changed())) return true;
    return std::any_of(m_children.begin(), m_children.end(),
                       [](const std::unique_ptr<VGrfElement> &c) { return c->IsModified(); });
}

void VGrfElement::ClearModified()
{
    m_changed = false;
    m_shape.SetChanged(false);
    m_font.SetChanged(false);
    if (m_barCode) m_barCode->SetChanged(false);
    if (m_picture) m_picture->SetChanged(false);
    for (auto &c : m_children)
        c->ClearModified();
}

bool VGrfElement::ContainsBarCode() const
{
    if (m_kind == ElementKind::BarCode) return true;
    return std::any_of(m_children.begin(), m_children.end(),
                       [](const std::unique_ptr<VGrfElement> &c) { return c->ContainsBarCode(); });
}

QString VGrfElement::InfoText() const
{
    // The absolute position is the sum of the relative ones up to and including the page's Panel.
    int x = 0, y = 0;
    for (const VGrfElement *e = this; e; e = e->m_parent) {
        x += e->m_shape.RelLeft();
        y += e->m_shape.RelTop();
    }
    auto mm = [](int twips) { return QString::number(TwipsToMm(twips), 'f', 2); };
    return QStringLiteral("X  = ") + mm(x) + QStringLiteral(" mm,") + QStringLiteral(" Y = ") + mm(y) +
           QStringLiteral(" mm\n") + QStringLiteral("W = ") + mm(m_shape.Width()) + QStringLiteral(" mm,") +
           QStringLiteral(" H = ") + mm(m_shape.Height()) + QStringLiteral(" mm");
}
