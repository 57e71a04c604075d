#include "model/v_page.h"

#include <algorithm>
#include <cmath>
#include <functional>

VPage::VPage() : m_root(std::make_unique<VGrfElement>(ElementKind::Panel)) {}

void VPage::SetZoom(int zoom)
{
    if (zoom <= 0) return;
    m_zoom = zoom;
    // Element windows scale with the page.
    std::function<void(VGrfElement &)> apply = [&](VGrfElement &e) {
        e.SetZoom(zoom);
        for (auto &c : e.ChildList())
            apply(*c);
    };
    apply(*m_root);
    m_root->UpdateWindowFromTwips(true);
}

void VPage::SetPreview(bool on)
{
    m_preview = on;
}

void VPage::SetBackground(std::unique_ptr<VPicture> picture)
{
    m_background = std::move(picture);
}

VPicture &VPage::EnsureBackground()
{
    if (!m_background) m_background = std::make_unique<VPicture>();
    return *m_background;
}

bool VPage::SetBackgroundPicture(const QString &file)
{
    auto picture = std::make_unique<VPicture>();
    if (!picture->LoadFile(file)) return false;
    m_background = std::move(picture);
    m_changed = true;
    return true;
}

void VPage::ClearBackgroundPicture()
{
    if (m_background) m_changed = true;
    m_background.reset();
}

QSize VPage::TwipsSize() const
{
    int w = MmToTwips(m_settings.Width);
    int h = MmToTwips(m_settings.Height);
    if (m_settings.Landscape() && w < h) std::swap(w, h);
    return QSize(w, h);
}

std::unique_ptr<VPicture> VPage::ReplaceBackground(std::unique_ptr<VPicture> picture)
{
    std::swap(m_background, picture);
    m_changed = true;
    return picture;
}

QString VPage::PaperSizeProblem() const
{
    // A PDF page may not exceed 200 inches a side; printers stop far below that.
    constexpr double kMinMm = 1.0, kMaxMm = 5080.0;
    const double w = m_settings.Width, h = m_settings.Height;
    if (w >= kMinMm && w <= kMaxMm && h >= kMinMm && h <= kMaxMm) return {};
    return QStringLiteral("page %1 (%2): the paper size %3 x %4 mm lies outside %5 to %6 mm")
        .arg(QString::number(Num()), Name(), QString::number(w, 'f', 1), QString::number(h, 'f', 1),
             QString::number(kMinMm), QString::number(kMaxMm));
}

QSize VPage::PixelSize() const
{
    const ScreenMetrics &m = screenMetrics();
    const QSize t = TwipsSize();
    return QSize(int(std::trunc(double(t.width()) * m_zoom / 100.0 / m.twipsPerPixelX())),
                 int(std::trunc(double(t.height()) * m_zoom / 100.0 / m.twipsPerPixelY())));
}

void VPage::PlaceRoot()
{
    const ScreenMetrics &m = screenMetrics();
    const int mX = (m.ppiX * m_zoom / 100) / 4;
    const int mY = (m.ppiY * m_zoom / 100) / 4;
    const QSize px = PixelSize();
    m_root->SetZoom(m_zoom);
    m_root->SetWindowBounds(QRect(mX, mY, px.width() - 2 * mX, px.height() - 3 * mY));
    m_root->UpdateTwipsFromWindow();
}

void VPage::Clear()
{
    m_root->DeleteChildren();
    m_background.reset();
}

bool VPage::IsModified() const
{
    return m_changed || m_settings.changed || m_font.Changed() || m_root->IsModified() ||
           (m_background && m_background->Changed());
}

void VPage::ClearModified()
{
    m_changed = false;
    m_settings.changed = false;
    m_font.SetChanged(false);
    m_root->ClearModified();
    if (m_background) m_background->SetChanged(false);
}

bool VPage::ContainsBarCode() const
{
    return m_root->ContainsBarCode();
}
