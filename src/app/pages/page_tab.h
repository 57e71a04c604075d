#pragma once

#include "app/mode_tab.h"
#include "model/design_commands.h"
#include "model/v_doc.h"

#include <functional>

class PageCanvas;
class QAction;
class QDialog;
class QScrollArea;
class QTabBar;

// The zoom menu's percentages, largest first.
inline constexpr int kZoomTags[] = {500, 400, 300, 200, 150, 125, 100, 75, 50, 25, 12};

// The zoom (percent, 12 to 500) at which a page of pageTwips fits a scroll box of client pixels
// with the room the box keeps around the page: whole, or by its width alone (a page taller than
// the box then brings the vertical scroll bar, scrollBar pixels wide).
int FitZoom(const QSize &pageTwips, const QSize &client, bool widthOnly, int scrollBar);

// The modes that show the pages of a document, design and report: page tabs over a scroll box
// holding the page, the zoom menu, the preview switches, and saving the document.
class PageTab : public ModeTab
{
public:
    // Object names of the mode's widgets ("tabDesign", "scrDesign", "mnuZoom", ...).
    struct Names {
        const char *tabs, *scroll, *zoomMenu, *zoomByWidth, *zoomButton;
    };
    PageTab(TfrmMain &shell, const Names &names);

    VDoc &document() { return m_doc; }
    const VDoc &document() const { return m_doc; }
    QWidget *sheet() const override { return m_sheet; }
    QString fileName() const override { return m_doc.FileName(); }
    bool isModified() const override { return m_doc.IsModified(); }
    bool isPreview() const override { return m_doc.Preview(); }
    void applyTexts() override;

    QTabBar *pageTabs() const { return m_tabs; }
    QScrollArea *scrollArea() const { return m_scroll; }
    PageCanvas *canvas() const { return m_canvas; }
    int zoom() const { return m_zoom; }
    void setZoom(int zoom);
    // Zoom (page_zoom.cpp): the page point under at (pixels of the scroll box's viewport) stays
    // there as far as the scroll range allows; Ctrl + wheel takes the menu's next zoom up or down
    // (delta > 0 enlarges); Fit Page and Fit Width fill the scroll box.
    void zoomAround(int zoom, const QPoint &at);
    void wheelZoom(int delta, const QPoint &at);
    void fitPage();
    void fitWidth();
    // Fills the page tabs from the document and shows the first page.
    void fillPageTabs();
    void showPage(int index);
    // Places the page in the scroll box again (after a resize).
    void relayout();
    void togglePreview();
    void toggleCheckPrintable();
    void toggleBlackWhite();
    // The view after the preview switches of the document changed.
    void applyDocumentModes();
    bool saveDocument();
    bool saveDocumentAs();

    // Printing (page_printing.cpp): the whole document or the shown page after the print
    // settings dialog, the settings alone, and back to the system's default printer.
    void printDocument();
    void printShownPage();
    void printPropertiesDocument();
    void printPropertiesPage();
    void defaultPrinter();

    // The page properties dialog on page index, or on the document for -1; "Set For All" gives
    // every page the paper and font (each keeps its ID and name).
    void editPageProperties(int index);
    void editShownPageProperties();

    // Tests work the modal dialogs instead of a person; the result is the dialog's.
    using DialogRunner = std::function<int(QDialog &)>;
    void setDialogRunner(DialogRunner runner) { m_dialogRunner = std::move(runner); }

protected:
    struct SaveDialog {
        QString title, filter, suffix;
    };
    virtual SaveDialog saveDialog() const = 0;
    // The document was written to its file.
    virtual void saved() {}
    // Puts page settings into the document (the design makes it a step of Undo).
    virtual void applyPageSettings(const std::vector<PageSettingsCommand::State> &states);
    void addSpecial(const char *item, QMenu *menu, QToolBar *bar) override;
    // The preview, printable and black/white actions, checked as the document is.
    void checkSwitches(const char *preview, const char *printable, const char *blackWhite);

    int runDialog(QDialog &dialog);
    VPage *shownPage() const;
    VDoc m_doc;

private:
    int m_zoom = 100;
    QWidget *m_sheet;
    QTabBar *m_tabs;
    QScrollArea *m_scroll;
    PageCanvas *m_canvas;
    QMenu *m_zoomMenu;
    void addFitActions(const char *zoomMenu);
    QAction *m_fitPage = nullptr, *m_fitWidth = nullptr;
    const char *m_zoomButton;
    DialogRunner m_dialogRunner;
};
