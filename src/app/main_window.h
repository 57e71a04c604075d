#pragma once

#include "app/report/export_settings.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class DataEditor;
class DataTab;
class DesignTab;
class ModeTab;
class PageCanvas;
class PageTab;
class Prompts;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QScrollArea;
class QSettings;
class QTabWidget;
class ReportTab;
class VDoc;

// The only top-level window: the shell of the three working modes (design, data, report), each
// a unit of its own. The shell keeps the tabs, the caption, the status line, the language and
// help menus, the start-up loading and the closing sequence.
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

    DesignTab &design() const { return *m_design; }
    DataTab &data() const { return *m_data; }
    ReportTab &report() const { return *m_report; }
    ModeTab &tab(Mode mode) const;
    PageTab &pageTab(Mode mode) const; // design or report
    Prompts &prompts() const { return m_prompts; }

    VDoc &designDocument() const;
    VDoc &reportDocument() const;
    DataEditor *dataEditor() const;
    QString dataFileName() const;
    const ExportSettings &exportSettings() const { return m_exportSettings; }
    // Keeps the export options and writes them to the stored settings.
    void storeExportSettings(const ExportSettings &settings);
    // The stored settings; null where none are kept (tests).
    std::unique_ptr<QSettings> openSettings() const;
    // Panels: 0 the modified mark, 1 the state, 2 the file, 3 the design selection's place and size.
    void setStatusText(int panel, const QString &text);
    Mode currentMode() const;
    void showMode(Mode mode);
    int zoom(Mode mode) const;
    void setZoom(Mode mode, int zoom);
    QAction *action(const QString &objectName) const;
    QString statusText(int panel) const;
    QString tabCaption(Mode mode) const;
    QScrollArea *scrollArea(Mode mode) const;
    PageCanvas *canvas(Mode mode) const;

    void chooseLanguage(int codePage);
    void showHelpContents();
    void showAbout();
    // The closing sequence; true when the window may close.
    bool closeQuery();

    // The files of the open documents other than mode's: no save may replace them.
    QStringList openFilesBut(const ModeTab *mode) const;
    void refreshCaption();
    void refreshStatus();
    void refreshMenus();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildShellActions();
    void applyTexts();
    void scrollKey(int key, bool ctrl);

    Prompts &m_prompts;
    SettingsFactory m_settings;
    ExportSettings m_exportSettings;
    bool m_firstShow = true;

    QTabWidget *m_tabWorks = nullptr;
    DesignTab *m_design = nullptr;
    DataTab *m_data = nullptr;
    ReportTab *m_report = nullptr;
    QList<QMenu *> m_shellMenus[3]; // Language and Help, one pair per mode
    QActionGroup *m_languageGroup = nullptr;
    QLabel *m_status[4] = {};
    class QTimer *m_mnuTimer = nullptr;                      // releases a shown hint after 700 ms
    std::vector<std::pair<QAction *, const char *>> m_texts; // the shell's actions and their English texts
    std::vector<std::pair<QMenu *, const char *>> m_menuTexts;
};
