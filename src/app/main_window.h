#pragma once

#include "app/export_settings.h"
#include "model/v_doc.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class DataEditor;
class FindReplaceDialog;
class PageCanvas;
class Prompts;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QScrollArea;
class QSettings;
class QStackedWidget;
class QTabBar;
class QTabWidget;
class QToolBar;
class QToolButton;

// The only top-level window: the design, the data text and the report in three working modes.
class TfrmMain : public QMainWindow
{
public:
    enum Mode { DesignMode = 0, DataMode = 1, ReportMode = 2 };
    using SettingsFactory = std::function<std::unique_ptr<QSettings>()>;

    // prompts answers every message box and file dialog; settings opens the stored settings.
    TfrmMain(Prompts &prompts, SettingsFactory settings, QWidget *parent = nullptr);
    ~TfrmMain() override;

    // The loading of the first show; tests call it directly.
    void StartUpLoad();

    VDoc &designDocument() { return m_design; }
    VDoc &reportDocument() { return m_report; }
    DataEditor *dataEditor() const { return m_txtData; }
    QString dataFileName() const { return m_dataFileName; }
    const ExportSettings &exportSettings() const { return m_exportSettings; }
    Mode currentMode() const;
    void showMode(Mode mode);
    int zoom(Mode mode) const { return mode == ReportMode ? m_reportZoom : m_designZoom; }
    QAction *action(const QString &objectName) const;
    QString statusText(int panel) const;
    QString tabCaption(Mode mode) const;
    QScrollArea *scrollArea(Mode mode) const;
    PageCanvas *canvas(Mode mode) const { return mode == ReportMode ? m_reportCanvas : m_designCanvas; }

    // Commands (menu items, toolbar buttons and keys share them).
    void mnuDesign_File_NewClick();
    bool openDesign(const QString &path);
    void mnuDesign_File_OpenClick();
    void mnuDesign_File_ReloadClick();
    void mnuDesign_File_CloseClick();
    bool mnuDesign_File_SaveClick();
    bool mnuDesign_File_SaveAsClick();
    void mnuDesign_Page_NewClick();
    void mnuDesign_Page_DeleteClick();
    void mnuDesign_Page_CopyClick();
    void mnuDesign_Page_PasteClick();
    void mnuDesign_Page_BackgroundClick();
    void mnuDesign_Page_ClearBackgroundClick();
    void mnuData_File_NewClick();
    bool openData(const QString &path);
    void mnuData_File_OpenClick();
    void mnuData_File_ReloadClick();
    void mnuData_File_CloseClick();
    void mnuData_File_CreateTypeClick(int dataType);
    bool mnuData_File_SaveClick();
    bool mnuData_File_SaveAsClick();
    void mnuData_Search_FindClick();
    void mnuData_Search_ReplaceClick();
    void mnuData_Format_FontClick();
    bool generateEnabled() const;
    void mnuReport_Report_GenerateClick();
    void mnuReport_Report_ClearClick();
    bool openReport(const QString &path);
    void mnuReport_Report_OpenClick();
    bool mnuReport_Report_SaveClick();
    bool mnuReport_Report_SaveAsClick();
    void setZoom(Mode mode, int zoom);
    void togglePreview(Mode mode);
    void toggleCheckPrintable(Mode mode);
    void toggleBlackWhite(Mode mode);
    void chooseLanguage(int codePage);
    void showHelpContents();
    void showAbout();

    // The save questions; false when the user cancelled (or a save failed).
    bool askSaveDesign();
    bool askSaveData();
    bool askSaveReport();
    // The closing sequence; true when the window may close.
    bool closeQuery();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Merges dataFile into the design (the report is empty); false with the data's reason.
    bool generateReport(const QString &dataFile, QString *reason);
    // The files of the open documents other than mode's: no save may replace them.
    QStringList openFilesBut(Mode mode) const;
    void buildWidgets();
    void buildActions();
    void buildMenus();
    void buildToolbars();
    void applyTexts();
    void refreshCaption();
    void refreshStatus();
    void refreshMenus();
    void fillPageTabs(Mode mode);
    void showPage(Mode mode, int index);
    void relayout(Mode mode);
    void applyDocumentModes(Mode mode);
    // A report fresh from generation: preview at the report zoom, named after the design.
    void showGeneratedReport();
    void setDataShown(bool shown);
    bool saveDocumentAs(VDoc &doc, Mode mode);
    bool saveDocument(VDoc &doc, Mode mode);
    bool writeDataTo(const QString &path);
    void loadDataText(const QString &path);
    void scrollKey(int key, bool ctrl);
    VDoc &document(Mode mode) { return mode == ReportMode ? m_report : m_design; }
    QAction *makeAction(const QString &name, const std::function<void()> &run, const QKeySequence &key = {});

    Prompts &m_prompts;
    SettingsFactory m_settings;
    VDoc m_design;
    VDoc m_report;
    QString m_dataFileName;
    QString m_tempDataFile;
    ExportSettings m_exportSettings;
    int m_designZoom = 100;
    int m_reportZoom = 100;
    bool m_firstShow = true;
    bool m_dataShown = false;

    QTabWidget *m_tabWorks = nullptr;
    QTabBar *m_tabDesign = nullptr;
    QTabBar *m_tabReport = nullptr;
    QScrollArea *m_scrDesign = nullptr;
    QScrollArea *m_scrReport = nullptr;
    PageCanvas *m_designCanvas = nullptr;
    PageCanvas *m_reportCanvas = nullptr;
    QStackedWidget *m_dataStack = nullptr;
    DataEditor *m_txtData = nullptr;
    QLabel *m_pDataPanel = nullptr;
    QToolBar *m_toolBars[3] = {};
    QList<QMenu *> m_menus[3];
    QMenu *m_mnuZoom = nullptr;
    QMenu *m_mnuZoomReport = nullptr;
    QActionGroup *m_languageGroup = nullptr;
    QLabel *m_status[3] = {};
    class QTimer *m_mnuTimer = nullptr; // releases a shown hint after 700 ms
    FindReplaceDialog *m_find = nullptr;
    FindReplaceDialog *m_replace = nullptr;
    std::vector<std::pair<QAction *, const char *>> m_texts; // actions and their English texts
    std::vector<std::pair<QMenu *, const char *>> m_menuTexts;
};
