#pragma once

#include "model/v_page.h"
#include "model/v_set_page.h"
#include "model/zel_font.h"

#include <QString>
#include <memory>
#include <vector>

// A design or report document: an ordered list of pages plus the settings new pages receive.
class VDoc
{
public:
    VPage *AddPage();
    void DeletePage(int index);
    // Takes the page out of the document (null for a bad index): outputs that stream a report
    // page by page free each page once it is written.
    std::unique_ptr<VPage> TakePage(int index);
    // Puts a page in at index (at the end when index is past it): undo gives back a taken page.
    VPage *InsertPage(int index, std::unique_ptr<VPage> page);
    VPage *PageAt(int index) const;
    int PageCount() const { return int(m_pages.size()); }
    bool IsEmpty() const { return m_pages.empty(); }
    // The first page's VPage::PaperSizeProblem(): every output refuses a document by this one rule.
    QString PaperSizeProblem() const;
    VPage *FirstPage() const { return m_pages.empty() ? nullptr : m_pages.front().get(); }
    VPage *LastPage() const { return m_pages.empty() ? nullptr : m_pages.back().get(); }
    int IndexOf(const VPage *page) const;
    // First page whose Name equals name exactly (letter case counts), or null.
    VPage *FindPage(const QString &name) const;
    // Destroys all pages, empties the file name, resets the settings, the mark and the zoom.
    void Clear();

    bool IsModified() const;
    void ClearModified();
    bool ContainsBarCode() const;

    // Copies the document settings and font into every page; pages keep their Name and Num.
    void ApplySettingsToAllPages();
    void SetZoomAll(int zoom);
    void SetPrintableOnly(bool on);
    void SetBlackWhite(bool on);
    void SetPreview(bool on);
    bool PrintableOnly() const { return m_printableOnly; }
    bool BlackWhite() const { return m_blackWhite; }
    bool Preview() const { return m_preview; }

    void MarkCopied(int index);
    // Copies the marked page's paper, background and elements onto the page at index.
    bool PasteCopied(int index);

    VSetPage &Settings() { return m_settings; }
    const VSetPage &Settings() const { return m_settings; }
    TZelFont &Font() { return m_font; }
    const TZelFont &Font() const { return m_font; }
    QString FileName() const { return m_fileName; }
    void SetFileName(const QString &name) { m_fileName = name; }
    int Zoom() const { return m_zoom; }
    void SetZoom(int zoom) { m_zoom = zoom; }
    bool Changed() const { return m_changed; }
    void SetChanged(bool on) { m_changed = on; }

private:
    std::vector<std::unique_ptr<VPage>> m_pages;
    VSetPage m_settings;
    TZelFont m_font;
    QString m_fileName;
    int m_zoom = 0;
    bool m_changed = false;
    bool m_printableOnly = false;
    bool m_blackWhite = false;
    bool m_preview = false;
};

// Copies a whole page (settings, font, background and element tree) into an empty target page.
void CopyPageContent(const VPage &source, VPage &target);
// An exact copy of a page, names, numbers and flags kept, standing alone: what a writer that
// takes pages over is handed when the report stays open.
std::unique_ptr<VPage> ClonePage(const VPage &source);
