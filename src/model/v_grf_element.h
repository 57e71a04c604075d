#pragma once

#include "model/element_types.h"
#include "model/units.h"
#include "model/v_bar_code.h"
#include "model/v_picture.h"
#include "model/v_shape.h"
#include "model/zel_font.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// One graphic element of a page: a node of the element tree that also carries the facts of its
// design-view window (pixel bounds, zoom, background colour). The tree owns its children.
class VGrfElement
{
public:
    using Children = std::vector<std::unique_ptr<VGrfElement>>;

    explicit VGrfElement(ElementKind kind = ElementKind::Panel);
    ~VGrfElement();
    VGrfElement(const VGrfElement &) = delete;
    VGrfElement &operator=(const VGrfElement &) = delete;

    // --- tree ---
    VGrfElement *Parent() const { return m_parent; }
    const Children &ChildList() const { return m_children; }
    int ChildCount() const { return int(m_children.size()); }
    VGrfElement *Child(int index) const;
    int IndexInParent() const;
    // Inserts at the end (index < 0) or at index; returns the inserted element.
    VGrfElement *InsertChild(std::unique_ptr<VGrfElement> child, int index = -1);
    std::unique_ptr<VGrfElement> TakeChild(VGrfElement *child);
    void DeleteChild(VGrfElement *child);
    void DeleteChildren();
    // Removes the element from its parent and inserts it again, above its siblings.
    void BringToFront();
    bool IsAncestorOf(const VGrfElement *other) const;
    // The page's root Panel this element hangs under (itself for a root).
    const VGrfElement *Root() const;

    // --- element fields ---
    ElementKind Kind() const { return m_kind; }
    void SetKind(ElementKind kind);
    QString Name() const { return m_name; }
    void SetName(const QString &name);
    int Num() const { return m_num; }
    void SetNum(int num);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    int ValueType() const { return m_valueType; }
    bool SetValueType(int valueType);
    bool Repeatability() const { return m_repeatability; }
    void SetRepeatability(bool on);
    int Printable() const { return m_printable; }
    bool SetPrintable(int mode);
    QString Description() const { return m_description; }
    void SetDescription(const QString &text);
    // The accounting system's operation codes noted on the element (kDataCodeFields order);
    // empty entries are unset.
    const QStringList &DataCodes() const { return m_dataCodes; }
    void SetDataCode(int field, const QString &text);
    void SetDataCodes(const QStringList &codes);
    bool Changed() const { return m_changed; }
    void SetChanged(bool on) { m_changed = on; }

    VShape &Shape() { return m_shape; }
    const VShape &Shape() const { return m_shape; }
    TZelFont &Font() { return m_font; }
    const TZelFont &Font() const { return m_font; }

    VBarCode *BarCode() const { return m_barCode.get(); }
    VBarCode &EnsureBarCode();
    void SetBarCode(std::unique_ptr<VBarCode> barCode);
    VPicture *Picture() const { return m_picture.get(); }
    VPicture &EnsurePicture();
    void SetPicture(std::unique_ptr<VPicture> picture);
    void ClearPicture();

    // --- window facts ---
    int Zoom() const { return m_zoom; }
    void SetZoom(int zoom);
    // Pixel bounds of the window inside its parent window.
    QRect WindowBounds() const { return m_window; }
    void SetWindowBounds(const QRect &r);
    ColorRef BackgroundColor() const { return m_background; }
    void SetBackgroundColor(ColorRef c) { m_background = c; }
    bool Selected() const { return m_selected; }
    void SetSelected(bool on) { m_selected = on; }

    // pixels = trunc(twips * zoom / 100 / twips-per-pixel), for this element and its subtree.
    void UpdateWindowFromTwips(bool recursive = true);
    // twips = trunc(pixels * twips-per-pixel * 100 / zoom); Left/Top follow from the parent.
    void UpdateTwipsFromWindow();
    // Absolute positions of the subtree from this element's origin (a root's origin is 0, 0).
    void RecomputeAbsolute(int originLeft, int originTop);
    // Applies the millimetre setters' pending flags: moves or resizes the window and clears them.
    void ApplyPendingGeometry();

    // --- queries ---
    bool IsModified() const;
    void ClearModified();
    bool ContainsBarCode() const;
    // "X  = 10.00 mm, Y = ..." shown while an element is moved or resized.
    QString InfoText() const;

private:
    VGrfElement *m_parent = nullptr;
    Children m_children;
    ElementKind m_kind;
    QString m_name;
    int m_num = 0;
    QString m_caption;
    int m_valueType = vtFixed;
    bool m_repeatability = false;
    int m_printable = pmNormal;
    QString m_description;
    QStringList m_dataCodes;
    bool m_changed = false;
    VShape m_shape;
    TZelFont m_font;
    std::unique_ptr<VBarCode> m_barCode;
    std::unique_ptr<VPicture> m_picture;
    int m_zoom = 100;
    QRect m_window;
    ColorRef m_background = kWhite;
    bool m_selected = false;
};

// The pending Cut and Copy elements of the design view (one each, process-wide), and whether the
// properties dialog is open (the edited element then stays selected without the focus).
struct EditingState {
    VGrfElement *cutElement = nullptr;
    VGrfElement *copiedElement = nullptr;
    bool propertiesOpen = false;
};
EditingState &editingState();
