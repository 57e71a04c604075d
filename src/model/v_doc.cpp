#include "model/v_doc.h"

#include "model/element_ops.h"

#include <algorithm>

VPage *VDoc::AddPage()
{
    auto page = std::make_unique<VPage>();
    page->Settings() = m_settings;
    page->Font() = m_font;
    if (m_zoom != 0) page->SetZoom(m_zoom);
    page->PlaceRoot();
    page->Root().Font() = page->Font();
    page->SetPrintableOnly(m_printableOnly);
    page->SetBlackWhite(m_blackWhite);
    const int num = m_pages.empty() ? 1 : m_pages.back()->Num() + 1;
    page->Settings().Num = num;
    page->Settings().Name = QStringLiteral("Page") + QString::number(num);
    m_pages.push_back(std::move(page));
    return m_pages.back().get();
}

void VDoc::DeletePage(int index)
{
    if (index < 0 || index >= PageCount()) return;
    m_pages.erase(m_pages.begin() + index);
}

std::unique_ptr<VPage> VDoc::TakePage(int index)
{
    if (index < 0 || index >= PageCount()) return nullptr;
    std::unique_ptr<VPage> page = std::move(m_pages[size_t(index)]);
    m_pages.erase(m_pages.begin() + index);
    return page;
}

VPage *VDoc::InsertPage(int index, std::unique_ptr<VPage> page)
{
    VPage *raw = page.get();
    if (index < 0 || index > PageCount()) index = PageCount();
    m_pages.insert(m_pages.begin() + index, std::move(page));
    return raw;
}

VPage *VDoc::PageAt(int index) const
{
    if (index < 0 || index >= PageCount()) return nullptr;
    return m_pages[size_t(index)].get();
}

int VDoc::IndexOf(const VPage *page) const
{
    for (size_t i = 0; i < m_pages.size(); ++i)
        if (m_pages[i].get() == page) return int(i);
    return -1;
}

VPage *VDoc::FindPage(const QString &name) const
{
    for (const auto &p : m_pages)
        if (p->Name() == name) return p.get();
    return nullptr;
}

void VDoc::Clear()
{
    m_pages.clear();
    m_fileName.clear();
    m_settings = VSetPage();
    m_changed = false;
    m_zoom = 0;
}

bool VDoc::IsModified() const
{
    if (m_changed || m_settings.changed || m_font.Changed()) return true;
    return std::any_of(m_pages.begin(), m_pages.end(), [](const auto &p) { return p->IsModified(); });
}

void VDoc::ClearModified()
{
    m_changed = false;
    m_settings.changed = false;
    m_font.SetChanged(false);
    for (auto &p : m_pages)
        p->ClearModified();
}

bool VDoc::ContainsBarCode() const
{
    return std::any_of(m_pages.begin(), m_pages.end(), [](const auto &p) { return p->ContainsBarCode(); });
}

void VDoc::ApplySettingsToAllPages()
{
    for (auto &p : m_pages) {
        p->Settings().CopySettingsFrom(m_settings);
        p->Settings().changed = true;
        p->Font() = m_font;
        p->Font().SetChanged(true);
    }
}

void VDoc::SetZoomAll(int zoom)
{
    for (auto &p : m_pages)
        p->SetZoom(zoom);
}

void VDoc::SetPrintableOnly(bool on)
{
    m_printableOnly = on;
    for (auto &p : m_pages)
        p->SetPrintableOnly(on);
}

void VDoc::SetBlackWhite(bool on)
{
    m_blackWhite = on;
    for (auto &p : m_pages)
        p->SetBlackWhite(on);
}

void VDoc::SetPreview(bool on)
{
    m_preview = on;
    for (auto &p : m_pages)
        p->SetPreview(on);
}

void VDoc::MarkCopied(int index)
{
    for (int i = 0; i < PageCount(); ++i)
        m_pages[size_t(i)]->SetCopied(i == index);
}

void CopyPageContent(const VPage &source, VPage &target)
{
    target.Clear();
    VSetPage &ts = target.Settings();
    ts.PaperSize = source.Settings().PaperSize;
    ts.Width = source.Settings().Width;
    ts.Height = source.Settings().Height;
    ts.Orientation = source.Settings().Orientation;
    ts.changed = true;
    if (source.Background()) target.SetBackground(std::make_unique<VPicture>(*source.Background()));
    const VGrfElement &src = source.Root();
    VGrfElement &dst = target.Root();
    dst.Shape() = src.Shape();
    dst.Font() = src.Font();
    dst.SetCaption(src.Caption());
    if (src.Picture()) dst.SetPicture(std::make_unique<VPicture>(*src.Picture()));
    dst.UpdateWindowFromTwips(false);
    for (const auto &child : src.ChildList())
        CopySubtree(*child, dst);
    target.SetChanged(true);
}

std::unique_ptr<VPage> ClonePage(const VPage &source)
{
    auto page = std::make_unique<VPage>();
    page->Settings() = source.Settings();
    page->Font() = source.Font();
    page->SetZoom(source.Zoom());
    page->SetPreview(source.Preview());
    page->SetPrintableOnly(source.PrintableOnly());
    page->SetBlackWhite(source.BlackWhite());
    page->SetFollowsDocumentSettings(source.FollowsDocumentSettings());
    page->SetHidden(source.Hidden());
    if (source.Background()) page->SetBackground(std::make_unique<VPicture>(*source.Background()));
    VGrfElement &root = page->Root();
    CopyElementFields(source.Root(), root);
    for (const auto &child : source.Root().ChildList())
        root.InsertChild(CloneElement(*child));
    return page;
}

bool VDoc::PasteCopied(int index)
{
    VPage *target = PageAt(index);
    if (!target) return false;
    const auto it = std::find_if(m_pages.begin(), m_pages.end(), [](const auto &p) { return p->Copied(); });
    if (it == m_pages.end() || it->get() == target) return false;
    CopyPageContent(**it, *target);
    return true;
}

QString VDoc::PaperSizeProblem() const
{
    for (const auto &page : m_pages)
        if (QString problem = page->PaperSizeProblem(); !problem.isEmpty()) return problem;
    return {};
}
