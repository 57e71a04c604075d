#pragma once

#include "model/v_grf_element.h"
#include "model/v_picture.h"
#include "model/v_set_page.h"
#include "model/zel_font.h"

#include <QSize>
#include <memory>

// One page: its settings, default font, background picture and root Panel element.
class VPage
{
public:
    VPage();

    VGrfElement &Root() { return *m_root; }
    const VGrfElement &Root() const { return *m_root; }

    VSetPage &Settings() { return m_settings; }
    const VSetPage &Settings() const { return m_settings; }
    QString Name() const { return m_settings.Name; }
    int Num() const { return m_settings.Num; }
    TZelFont &Font() { return m_font; }
    const TZelFont &Font() const { return m_font; }

    int Zoom() const { return m_zoom; }
    void SetZoom(int zoom);
    bool Preview() const { return m_preview; }
    void SetPreview(bool on);
    bool PrintableOnly() const { return m_printableOnly; }
    void SetPrintableOnly(bool on) { m_printableOnly = on; }
    bool BlackWhite() const { return m_blackWhite; }
    void SetBlackWhite(bool on) { m_blackWhite = on; }
    bool Copied() const { return m_copied; }
    void SetCopied(bool on) { m_copied = on; }
    bool FollowsDocumentSettings() const { return m_followsDoc; }
    void SetFollowsDocumentSettings(bool on) { m_followsDoc = on; }
    bool Changed() const { return m_changed; }
    void SetChanged(bool on) { m_changed = on; }
    bool Hidden() const { return m_hidden; }
    void SetHidden(bool on) { m_hidden = on; }

    VPicture *Background() const { return m_background.get(); }
    void SetBackground(std::unique_ptr<VPicture> picture);
    // Puts picture (or none) in as the background and hands back the one before.
    std::unique_ptr<VPicture> ReplaceBackground(std::unique_ptr<VPicture> picture);
    VPicture &EnsureBackground();
    // Loads jpg, jpeg, bmp, gif or png; false when the file cannot be read.
    bool SetBackgroundPicture(const QString &file);
    void ClearBackgroundPicture();

    // The page window in screen pixels at the page's zoom (landscape puts the long side across).
    QSize PixelSize() const;
    // Page size in twips, landscape already turned.
    QSize TwipsSize() const;
    // Empty when the paper size can be drawn on every output; otherwise why not. One rule for
    // every output, so that a page that cannot be rendered is not exported either.
    QString PaperSizeProblem() const;
    // Places the root element in the page window with the margins of a new page.
    void PlaceRoot();

    // Destroys the element tree below the root and the background picture.
    void Clear();
    bool IsModified() const;
    void ClearModified();
    bool ContainsBarCode() const;

private:
    std::unique_ptr<VGrfElement> m_root;
    VSetPage m_settings;
    TZelFont m_font;
    std::unique_ptr<VPicture> m_background;
    int m_zoom = 100;
    bool m_preview = false;
    bool m_printableOnly = false;
    bool m_blackWhite = false;
    bool m_copied = false;
    bool m_followsDoc = true;
    bool m_changed = false;
    bool m_hidden = false;
};
