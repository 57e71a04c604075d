#include "app/main_window.h"

#include "app/app_texts.h"
#include "app/command_line.h"
#include "app/data_editor.h"
#include "app/language.h"
#include "app/page_view.h"
#include "app/prompts.h"
#include "files/data_template.h"
#include "files/design_file.h"
#include "model/units.h"
#include "files/atomic_file.h"
#include "files/file_checks.h"
#include "report/convert_pdf_sink.h"
#include "report/report_generation.h"
#include "report/report_names.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QUrl>
#include <QVBoxLayout>

namespace
{
const int kZoomTags[] = {500, 400, 300, 200, 150, 125, 100, 75, 50, 25, 12};

const char *modeTitle(TfrmMain::Mode mode)
{
    switch (mode) {
    case TfrmMain::DesignMode:
        return "Design Editor";
    case TfrmMain::DataMode:
        return "Data Editor";
    default:
        return "Report Viewer";
    }
}

QIcon icon(const char *name)
{
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}
} // namespace

TfrmMain::TfrmMain(Prompts &prompts, SettingsFactory settings, QWidget *parent)
    : QMainWindow(parent), m_prompts(prompts), m_settings(std::move(settings))
{
    setObjectName(QStringLiteral("frmMain"));
    buildWidgets();
    buildActions();
    buildMenus();
    buildToolbars();
    applyTexts();
    showMode(DesignMode);
    m_mnuTimer = new QTimer(this);
    m_mnuTimer->setObjectName(QStringLiteral("mnuTimer"));
    m_mnuTimer->setInterval(700);
    m_mnuTimer->setSingleShot(true);
    connect(m_mnuTimer, &QTimer::timeout, this, [] { QToolTip::hideText(); });
    qApp->installEventFilter(this);
}

QScrollArea *TfrmMain::scrollArea(Mode mode) const
{
    return mode == ReportMode ? m_scrReport : m_scrDesign;
}

TfrmMain::~TfrmMain()
{
    qApp->removeEventFilter(this);
}

// ---------------------------------------------------------------- construction

void TfrmMain::buildWidgets()
{
    m_tabWorks = new QTabWidget(this);
    m_tabWorks->setObjectName(QStringLiteral("tabWorks"));
    m_tabWorks->setTabPosition(QTabWidget::West);
    QFont tabFont(QStringLiteral("Courier New"));
    tabFont.setBold(true);
    tabFont.setPixelSize(16);
    m_tabWorks->tabBar()->setFont(tabFont);

    auto makeSheet = [this](QTabBar *&tabs, QScrollArea *&scroll, PageCanvas *&canvas, Mode mode) {
        auto *sheet = new QWidget;
        auto *layout = new QVBoxLayout(sheet);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        tabs = new QTabBar(sheet);
        tabs->setShape(QTabBar::RoundedNorth);
        tabs->setExpanding(false);
        scroll = new QScrollArea(sheet);
        scroll->setWidgetResizable(false);
        scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        canvas = new PageCanvas;
        scroll->setWidget(canvas);
        scroll->viewport()->installEventFilter(this);
        layout->addWidget(tabs);
        layout->addWidget(scroll, 1);
        connect(tabs, &QTabBar::currentChanged, this, [this, mode](int index) { showPage(mode, index); });
        return sheet;
    };
    m_tabWorks->addTab(makeSheet(m_tabDesign, m_scrDesign, m_designCanvas, DesignMode), icon("design"),
                       QString());
    m_tabDesign->setObjectName(QStringLiteral("tabDesign"));
    m_scrDesign->setObjectName(QStringLiteral("scrDesign"));

    m_dataStack = new QStackedWidget;
    m_pDataPanel = new QLabel;
    m_pDataPanel->setObjectName(QStringLiteral("pDataPanel"));
    m_pDataPanel->setAlignment(Qt::AlignCenter);
    m_txtData = new DataEditor;
    m_dataStack->addWidget(m_pDataPanel);
    m_dataStack->addWidget(m_txtData);
    m_tabWorks->addTab(m_dataStack, icon("data"), QString());
    connect(m_txtData, &QPlainTextEdit::modificationChanged, this, [this] {
        refreshStatus();
        refreshCaption();
    });
    connect(m_txtData, &QPlainTextEdit::textChanged, this, [this] { refreshMenus(); });

    m_tabWorks->addTab(makeSheet(m_tabReport, m_scrReport, m_reportCanvas, ReportMode), icon("report"),
                       QString());
    m_tabReport->setObjectName(QStringLiteral("tabReport"));
    m_scrReport->setObjectName(QStringLiteral("scrReport"));
    connect(m_tabWorks, &QTabWidget::currentChanged, this, [this](int index) { showMode(Mode(index)); });
    setCentralWidget(m_tabWorks);

    for (QLabel *&panel : m_status) {
        panel = new QLabel;
        statusBar()->addWidget(panel, panel == m_status[2] ? 1 : 0);
    }
    m_status[0]->setMinimumWidth(20);
    m_status[1]->setMinimumWidth(60);
}

QAction *TfrmMain::makeAction(const QString &name, const std::function<void()> &run, const QKeySequence &key)
{
    auto *a = new QAction(this);
    a->setObjectName(name);
    if (!key.isEmpty()) {
        a->setShortcut(key);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    }
    if (run)
        connect(a, &QAction::triggered, this, [run] {
            QToolTip::hideText(); // a hint goes away with the next command
            run();
        });
    else
        a->setEnabled(false); // delivered by later work; shown so the menus are complete
    return a;
}

QAction *TfrmMain::action(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

void TfrmMain::buildActions()
{
    auto add = [this](const char *name, const char *text, const std::function<void()> &run,
                      const QKeySequence &key = {}) {
        QAction *a = makeAction(QLatin1String(name), run, key);
        m_texts.emplace_back(a, text);
        return a;
    };
    // Design
    add("mnuDesign_File_New", "New", [this] { mnuDesign_File_NewClick(); })->setIcon(icon("new"));
    add("mnuDesign_File_Open", "Open", [this] { mnuDesign_File_OpenClick(); })->setIcon(icon("open"));
    add("mnuDesign_File_Reload", "Reload", [this] { mnuDesign_File_ReloadClick(); });
    add("mnuDesign_File_Close", "Close", [this] { mnuDesign_File_CloseClick(); })->setIcon(icon("close"));
    add(
        "mnuDesign_File_Save", "Save", [this] { mnuDesign_File_SaveClick(); },
        QKeySequence(Qt::CTRL | Qt::Key_S))
        ->setIcon(icon("save"));
    add("mnuDesign_File_SaveAs", "Save As", [this] { mnuDesign_File_SaveAsClick(); });
    add("mnuDesign_File_PrintProperties", "Print Properties", nullptr);
    add("mnuDesign_File_Print", "Print", nullptr)->setIcon(icon("print"));
    add(
        "mnuDesign_File_Preview", "Preview", [this] { togglePreview(DesignMode); },
        QKeySequence(Qt::CTRL | Qt::Key_W))
        ->setIcon(icon("preview"));
    add("mnuDesign_File_CheckPrintable", "Check Printable", [this] {
        toggleCheckPrintable(DesignMode);
    })->setIcon(icon("printable"));
    add("mnuDesign_File_BlackWhite", "Black/White mode", [this] {
        toggleBlackWhite(DesignMode);
    })->setIcon(icon("blackwhite"));
    add("mnuDesign_File_Properties", "Properties", nullptr);
    add("mnuDesign_File_Exit", "Exit", [this] { close(); });
    add("mnuDesign_Page_New", "New", [this] { mnuDesign_Page_NewClick(); })->setIcon(icon("pagenew"));
    add("mnuDesign_Page_Delete", "Delete", [this] {
        mnuDesign_Page_DeleteClick();
    })->setIcon(icon("pagedelete"));
    add("mnuDesign_Page_Copy", "Copy", [this] { mnuDesign_Page_CopyClick(); })->setIcon(icon("copy"));
    add("mnuDesign_Page_Paste", "Paste", [this] { mnuDesign_Page_PasteClick(); })->setIcon(icon("paste"));
    add("mnuDesign_Page_PrintProperties", "Print Properties", nullptr);
    add("mnuDesign_Page_Print", "Print", nullptr)->setIcon(icon("print"));
    add("mnuDesign_Page_Background", "Background Picture", [this] { mnuDesign_Page_BackgroundClick(); });
    add("mnuDesign_Page_ClearBackground", "Clear Background",
        [this] { mnuDesign_Page_ClearBackgroundClick(); });
    add("mnuDesign_Page_Properties", "Properties", nullptr);
    add("tbtnDesign_Page_ViewSource", "Page properties", nullptr)->setIcon(icon("source"));
    // Data
    add("mnuData_File_New", "New", [this] { mnuData_File_NewClick(); })->setIcon(icon("new"));
    add("mnuData_File_Open", "Open", [this] { mnuData_File_OpenClick(); })->setIcon(icon("open"));
    add("mnuData_File_Reload", "Reload", [this] { mnuData_File_ReloadClick(); });
    add("mnuData_File_Close", "Close", [this] { mnuData_File_CloseClick(); })->setIcon(icon("close"));
    add("mnuData_File_CreateType1", "Create Type 1", [this] {
        mnuData_File_CreateTypeClick(1);
    })->setIcon(icon("type1"));
    add("mnuData_File_CreateType2", "Create Type 2", [this] {
        mnuData_File_CreateTypeClick(2);
    })->setIcon(icon("type2"));
    add(
        "mnuData_File_Save", "Save", [this] { mnuData_File_SaveClick(); }, QKeySequence(Qt::CTRL | Qt::Key_S))
        ->setIcon(icon("save"));
    add("mnuData_File_SaveAs", "Save As", [this] { mnuData_File_SaveAsClick(); });
    add("mnuData_File_View", "View", nullptr);
    add("mnuData_File_PrintProperties", "Print Properties", nullptr);
    add("mnuData_File_Print", "Print", nullptr);
    add("mnuData_File_Exit", "Exit", [this] { close(); });
    add("mnuData_Edit_Undo", "Undo", [this] { m_txtData->undo(); });
    add("mnuData_Edit_Redo", "Redo", [this] { m_txtData->redo(); });
    add("mnuData_Edit_Cut", "Cut", [this] { m_txtData->cut(); });
    add("mnuData_Edit_Copy", "Copy", [this] { m_txtData->copy(); });
    add("mnuData_Edit_Paste", "Paste", [this] { m_txtData->paste(); });
    add("mnuData_Edit_Delete", "Delete", [this] { m_txtData->textCursor().removeSelectedText(); });
    add("mnuData_Edit_SelectAll", "Select All", [this] { m_txtData->selectAll(); });
    add(
        "mnuData_Search_Find", "Find", [this] { mnuData_Search_FindClick(); },
        QKeySequence(Qt::CTRL | Qt::Key_F));
    add(
        "mnuData_Search_Replace", "Replace", [this] { mnuData_Search_ReplaceClick(); },
        QKeySequence(Qt::CTRL | Qt::Key_R));
    add("mnuData_Format_Font", "Font", [this] { mnuData_Format_FontClick(); })->setIcon(icon("font"));
    // Report
    add("mnuReport_Report_Generate", "Generate", [this] {
        mnuReport_Report_GenerateClick();
    })->setIcon(icon("generate"));
    add("mnuReport_Report_Clear", "Clear", [this] { mnuReport_Report_ClearClick(); })->setIcon(icon("close"));
    add("mnuReport_Report_Open", "Open", [this] { mnuReport_Report_OpenClick(); })->setIcon(icon("open"));
    add(
        "mnuReport_Report_Save", "Save", [this] { mnuReport_Report_SaveClick(); },
        QKeySequence(Qt::CTRL | Qt::Key_S))
        ->setIcon(icon("save"));
    add("mnuReport_Report_SaveAs", "Save As", [this] { mnuReport_Report_SaveAsClick(); });
    add("mnuReport_Report_PrintProperties", "Print Properties", nullptr);
    add("mnuReport_Report_Print", "Print", nullptr)->setIcon(icon("print"));
    add(
        "mnuReport_Report_Preview", "Preview", [this] { togglePreview(ReportMode); },
        QKeySequence(Qt::CTRL | Qt::Key_W))
        ->setIcon(icon("preview"));
    add("mnuReport_Report_CheckPrintable", "Check Printable", [this] {
        toggleCheckPrintable(ReportMode);
    })->setIcon(icon("printable"));
    add("mnuReport_Report_BlackWhite", "Black/White mode", [this] {
        toggleBlackWhite(ReportMode);
    })->setIcon(icon("blackwhite"));
    add("mnuReport_Report_Exit", "Exit", [this] { close(); });
    add("mnuReport_Page_PrintProperties", "Print Properties", nullptr);
    add("mnuReport_Page_Print", "Print", nullptr)->setIcon(icon("print"));
    add("cmdView_Mail", "F5 - Send by e-mail", nullptr)->setIcon(icon("mail"));
    add("cmdView_Convert", "F6 - File Export", nullptr)->setIcon(icon("export"));
    // Help, shared by the modes
    add("mnuHelp_Contents", "Contents", [this] { showHelpContents(); });
    add("mnuHelp_About", "About", [this] { showAbout(); });

    for (const char *name :
         {"mnuDesign_File_Preview", "mnuDesign_File_CheckPrintable", "mnuDesign_File_BlackWhite",
          "mnuReport_Report_Preview", "mnuReport_Report_CheckPrintable", "mnuReport_Report_BlackWhite"})
        action(QLatin1String(name))->setCheckable(true);

    // Languages: three exclusive items in every mode's menu.
    m_languageGroup = new QActionGroup(this);
    const std::pair<const char *, int> languages[] = {
        {"Russian", 1251}, {"English", 1252}, {"Turkish", 1254}};
    for (const auto &[text, codePage] : languages) {
        QAction *a = add(QStringLiteral("mnuLanguage_%1").arg(codePage).toLatin1().constData(), text,
                         [this, cp = codePage] { chooseLanguage(cp); });
        a->setCheckable(true);
        a->setData(codePage);
        m_languageGroup->addAction(a);
    }

    // Zoom pop-ups: the items carry their percentage; "By Screen width" can not be chosen.
    auto zoomMenu = [this](Mode mode) {
        auto *menu = new QMenu(this);
        auto *group = new QActionGroup(menu);
        for (int tag : kZoomTags) {
            QAction *a = menu->addAction(QStringLiteral("%1%").arg(tag));
            a->setData(tag);
            a->setCheckable(true);
            group->addAction(a);
            connect(a, &QAction::triggered, this, [this, mode, tag] { setZoom(mode, tag); });
        }
        QAction *byWidth = menu->addAction(QStringLiteral("<--->"));
        byWidth->setObjectName(mode == ReportMode ? QStringLiteral("mnuZoomReport_ByWidth")
                                                  : QStringLiteral("mnuZoom_ByWidth"));
        byWidth->setEnabled(false);
        connect(menu, &QMenu::aboutToShow, this, [this, menu, mode] {
            for (QAction *a : menu->actions())
                a->setChecked(a->data().toInt() == zoom(mode));
        });
        return menu;
    };
    m_mnuZoom = zoomMenu(DesignMode);
    m_mnuZoom->setObjectName(QStringLiteral("mnuZoom"));
    m_mnuZoomReport = zoomMenu(ReportMode);
    m_mnuZoomReport->setObjectName(QStringLiteral("mnuZoomReport"));
}

void TfrmMain::buildMenus()
{
    auto menu = [this](Mode mode, const char *text, std::initializer_list<const char *> items) {
        auto *m = new QMenu(this);
        m_menuTexts.emplace_back(m, text);
        for (const char *item : items) {
            if (!item)
                m->addSeparator();
            else if (QLatin1String(item) == QLatin1String("@zoomDesign") ||
                     QLatin1String(item) == QLatin1String("@zoomReport")) {
                QMenu *zoom = item[5] == 'D' ? m_mnuZoom : m_mnuZoomReport;
                QMenu *sub = m->addMenu(QString());
                m_menuTexts.emplace_back(sub, "Zoom");
                sub->addActions(zoom->actions());
                connect(sub, &QMenu::aboutToShow, zoom, &QMenu::aboutToShow);
            } else if (QLatin1String(item) == QLatin1String("@language")) {
                m->addActions(m_languageGroup->actions());
            } else {
                m->addAction(action(QLatin1String(item)));
            }
        }
        m_menus[mode].append(m);
        return m;
    };
    menu(DesignMode, "File",
         {"mnuDesign_File_New", "mnuDesign_File_Open", "mnuDesign_File_Reload", "mnuDesign_File_Close",
          nullptr, "mnuDesign_File_Save", "mnuDesign_File_SaveAs", nullptr, "mnuDesign_File_PrintProperties",
          "mnuDesign_File_Print", "mnuDesign_File_Preview", "mnuDesign_File_CheckPrintable",
          "mnuDesign_File_BlackWhite", nullptr, "mnuDesign_File_Properties", nullptr, "mnuDesign_File_Exit"});
    menu(DesignMode, "Page",
         {"mnuDesign_Page_New", "mnuDesign_Page_Delete", "mnuDesign_Page_Copy", "mnuDesign_Page_Paste",
          nullptr, "@zoomDesign", nullptr, "mnuDesign_Page_PrintProperties", "mnuDesign_Page_Print", nullptr,
          "mnuDesign_Page_Background", "mnuDesign_Page_ClearBackground", nullptr,
          "mnuDesign_Page_Properties"});
    menu(DataMode, "File",
         {"mnuData_File_New", "mnuData_File_Open", "mnuData_File_Reload", "mnuData_File_Close", nullptr,
          "mnuData_File_CreateType1", "mnuData_File_CreateType2", nullptr, "mnuData_File_Save",
          "mnuData_File_SaveAs", nullptr, "mnuData_File_View", "mnuData_File_PrintProperties",
          "mnuData_File_Print", nullptr, "mnuData_File_Exit"});
    menu(DataMode, "Edit",
         {"mnuData_Edit_Undo", "mnuData_Edit_Redo", nullptr, "mnuData_Edit_Cut", "mnuData_Edit_Copy",
          "mnuData_Edit_Paste", "mnuData_Edit_Delete", nullptr, "mnuData_Edit_SelectAll"})
        ->setObjectName(QStringLiteral("mnuData_Edit"));
    menu(DataMode, "Search", {"mnuData_Search_Find", "mnuData_Search_Replace"})
        ->setObjectName(QStringLiteral("mnuData_Search"));
    menu(DataMode, "Format", {"mnuData_Format_Font"})->setObjectName(QStringLiteral("mnuData_Format"));
    QMenu *report =
        menu(ReportMode, "Report",
             {"mnuReport_Report_Generate", "mnuReport_Report_Clear", nullptr, "mnuReport_Report_Open",
              "mnuReport_Report_Save", "mnuReport_Report_SaveAs", nullptr, "mnuReport_Report_PrintProperties",
              "mnuReport_Report_Print", "mnuReport_Report_Preview", "mnuReport_Report_CheckPrintable",
              "mnuReport_Report_BlackWhite", nullptr, "mnuReport_Report_Exit"});
    connect(report, &QMenu::aboutToShow, this, [this] { refreshMenus(); });
    menu(ReportMode, "Page",
         {"@zoomReport", nullptr, "mnuReport_Page_PrintProperties", "mnuReport_Page_Print"});
    for (Mode mode : {DesignMode, DataMode, ReportMode}) {
        menu(mode, "Language", {"@language"});
        menu(mode, "Help", {"mnuHelp_Contents", "mnuHelp_About"});
    }
    m_menus[DesignMode][1]->setObjectName(QStringLiteral("mnuDesign_Page"));
    m_menus[ReportMode][1]->setObjectName(QStringLiteral("mnuReport_Page"));
}

void TfrmMain::buildToolbars()
{
    auto bar = [this](Mode mode, const char *name, std::initializer_list<const char *> items) {
        auto *t = new QToolBar(this);
        t->setObjectName(QLatin1String(name));
        t->setMovable(false);
        for (const char *item : items) {
            if (!item) {
                t->addSeparator();
            } else if (QLatin1String(item).startsWith(QLatin1String("@zoom"))) {
                auto *button = new QToolButton(t);
                const bool design = item[5] == 'D';
                button->setObjectName(design ? QStringLiteral("tbtnDesign_Page_Zoom")
                                             : QStringLiteral("tbtnReport_Page_Zoom"));
                button->setMenu(design ? m_mnuZoom : m_mnuZoomReport);
                button->setPopupMode(QToolButton::InstantPopup);
                button->setIcon(icon("zoom"));
                t->addWidget(button);
            } else {
                t->addAction(action(QLatin1String(item)));
            }
        }
        addToolBar(Qt::TopToolBarArea, t);
        m_toolBars[mode] = t;
    };
    bar(DesignMode, "ToolBar_Design",
        {"mnuDesign_File_New", "mnuDesign_File_Open", "mnuDesign_File_Save", "mnuDesign_File_Close", nullptr,
         "mnuDesign_Page_New", "mnuDesign_Page_Delete", "mnuDesign_Page_Copy", "mnuDesign_Page_Paste",
         nullptr, "@zoomDesign", "mnuDesign_File_Preview", "mnuDesign_File_CheckPrintable",
         "mnuDesign_File_BlackWhite", nullptr, "mnuDesign_Page_Print", "tbtnDesign_Page_ViewSource"});
    bar(DataMode, "ToolBar_Data",
        {"mnuData_File_New", "mnuData_File_Open", "mnuData_File_Save", "mnuData_File_Close", nullptr,
         "mnuData_File_CreateType1", "mnuData_File_CreateType2", nullptr, "mnuData_Format_Font"});
    bar(ReportMode, "ToolBar_Report",
        {"mnuReport_Report_Generate", "mnuReport_Report_Open", "mnuReport_Report_Save",
         "mnuReport_Report_Clear", nullptr, "@zoomReport", "mnuReport_Report_Preview",
         "mnuReport_Report_CheckPrintable", "mnuReport_Report_BlackWhite", nullptr, "mnuReport_Page_Print",
         "cmdView_Mail", "cmdView_Convert"});
}

// ---------------------------------------------------------------- texts, captions, modes

void TfrmMain::applyTexts()
{
    for (const auto &[a, text] : m_texts) {
        a->setText(T(text));
        a->setToolTip(T(text));
    }
    for (const auto &[m, text] : m_menuTexts)
        m->setTitle(T(text));
    // Toolbar hints have their own texts.
    const std::pair<const char *, const char *> hints[] = {
        {"mnuDesign_File_New", "New Design"},
        {"mnuDesign_File_Open", "Open Design"},
        {"mnuDesign_File_Save", "Save Design"},
        {"mnuDesign_File_Close", "Close Design"},
        {"mnuDesign_File_Print", "Print Design"},
        {"mnuDesign_Page_New", "Add new page"},
        {"mnuDesign_Page_Delete", "Delete page"},
        {"mnuDesign_Page_Copy", "Copy page"},
        {"mnuDesign_Page_Paste", "Paste page"},
        {"mnuDesign_File_Preview", "Page preview mode"},
        {"mnuDesign_File_CheckPrintable", "Check printable mode"},
        {"mnuDesign_File_BlackWhite", "Black/White mode of preview"},
        {"mnuDesign_Page_Print", "Print page"},
        {"tbtnDesign_Page_ViewSource", "Page properties"},
        {"mnuData_File_New", "New data"},
        {"mnuData_File_Open", "Open data"},
        {"mnuData_File_Save", "Save data"},
        {"mnuData_File_Close", "Close data"},
        {"mnuData_File_CreateType1", "Generate template of data\nfor normal design"},
        {"mnuData_File_CreateType2", "Generate template of data\nfor repeating design"},
        {"mnuData_Format_Font", "Font settings"},
        {"mnuReport_Report_Generate", "Generate report"},
        {"mnuReport_Report_Open", "Open report"},
        {"mnuReport_Report_Save", "Save report"},
        {"mnuReport_Report_Clear", "Close report"},
        {"mnuReport_Report_Print", "Print report"},
        {"mnuReport_Report_Preview", "Page preview mode"},
        {"mnuReport_Report_CheckPrintable", "Check printable mode"},
        {"mnuReport_Report_BlackWhite", "Black/Whitemode of preview"},
        {"mnuReport_Page_Print", "Print page"},
    };
    for (const auto &[name, hint] : hints)
        action(QLatin1String(name))->setToolTip(T(hint));
    for (const char *name : {"tbtnDesign_Page_Zoom", "tbtnReport_Page_Zoom"})
        if (auto *b = findChild<QToolButton *>(QLatin1String(name))) b->setToolTip(T("Zoom page"));
    for (QMenu *zoom : {m_mnuZoom, m_mnuZoomReport})
        zoom->setTitle(T("Zoom"));
    m_tabWorks->setTabText(DesignMode, T(" Design "));
    m_tabWorks->setTabText(DataMode, T("  Data  "));
    m_tabWorks->setTabText(ReportMode, T(" Report "));
    m_pDataPanel->setText(T("Data document not exists."));
    if (m_find) m_find->retranslate();
    if (m_replace) m_replace->retranslate();
    for (QAction *a : m_languageGroup->actions())
        a->setChecked(a->data().toInt() == CurrentLanguageCodePage());
    refreshCaption();
    refreshStatus();
}

QString TfrmMain::tabCaption(Mode mode) const
{
    return m_tabWorks->tabText(mode);
}

TfrmMain::Mode TfrmMain::currentMode() const
{
    return Mode(std::max(0, m_tabWorks->currentIndex()));
}

void TfrmMain::showMode(Mode mode)
{
    if (m_tabWorks->currentIndex() != mode) {
        m_tabWorks->setCurrentIndex(mode); // comes back here through currentChanged
        return;
    }
    menuBar()->clear();
    for (QMenu *m : m_menus[mode])
        menuBar()->addMenu(m);
    for (int i = 0; i < 3; ++i)
        m_toolBars[i]->setVisible(i == mode);
    // Each mode has its own Ctrl+S and Ctrl+W: only the shown mode's actions are live.
    for (const auto &[a, text] : m_texts) {
        const QString name = a->objectName();
        const bool own = (mode == DesignMode && name.startsWith(QLatin1String("mnuDesign"))) ||
                         (mode == DataMode && name.startsWith(QLatin1String("mnuData"))) ||
                         (mode == ReportMode && name.startsWith(QLatin1String("mnuReport")));
        if (!a->shortcut().isEmpty()) a->setShortcutContext(own ? Qt::WindowShortcut : Qt::WidgetShortcut);
    }
    refreshMenus();
    refreshCaption();
    refreshStatus();
}

void TfrmMain::refreshCaption()
{
    const Mode mode = currentMode();
    QString name;
    bool preview = false;
    if (mode == DataMode) {
        name = m_dataFileName;
    } else {
        const VDoc &doc = mode == ReportMode ? m_report : m_design;
        name = doc.FileName();
        preview = doc.Preview();
    }
    const QString file =
        name.isEmpty() ? QStringLiteral("  [...]") : QStringLiteral("  [%1]").arg(QFileInfo(name).fileName());
    setWindowTitle(T(modeTitle(mode)) + file + (preview ? T(" - preview") : T(" - edit")));
}

void TfrmMain::refreshStatus()
{
    const Mode mode = currentMode();
    bool modified = false;
    QString name;
    if (mode == DataMode) {
        modified = m_dataShown && m_txtData->document()->isModified();
        name = m_dataFileName;
    } else {
        const VDoc &doc = mode == ReportMode ? m_report : m_design;
        modified = doc.IsModified();
        name = doc.FileName();
    }
    m_status[0]->setText(modified ? QStringLiteral("*") : QStringLiteral(" "));
    m_status[1]->setText(T("Edit"));
    m_status[2]->setText(QStringLiteral("  ") + name);
}

QString TfrmMain::statusText(int panel) const
{
    return m_status[panel]->text();
}

void TfrmMain::refreshMenus()
{
    const bool designPages = !m_design.IsEmpty();
    m_menus[DesignMode][1]->setEnabled(designPages);
    for (const char *name :
         {"mnuDesign_Page_Delete", "mnuDesign_Page_Copy", "mnuDesign_Page_Paste", "mnuDesign_File_Save",
          "mnuDesign_File_SaveAs", "mnuDesign_File_Close", "mnuDesign_File_Preview",
          "mnuDesign_File_CheckPrintable", "mnuDesign_File_BlackWhite"})
        action(QLatin1String(name))->setEnabled(designPages);
    action(QStringLiteral("mnuDesign_File_Reload"))->setEnabled(!m_design.FileName().isEmpty());
    for (const char *name : {"mnuData_Edit", "mnuData_Search", "mnuData_Format"})
        findChild<QMenu *>(QLatin1String(name))->setEnabled(m_dataShown);
    for (const char *name : {"mnuData_Search_Find", "mnuData_Search_Replace", "mnuData_Format_Font",
                             "mnuData_File_Save", "mnuData_File_SaveAs", "mnuData_File_Close"})
        action(QLatin1String(name))->setEnabled(m_dataShown);
    action(QStringLiteral("mnuData_File_Reload"))->setEnabled(!m_dataFileName.isEmpty());
    action(QStringLiteral("mnuReport_Report_Generate"))->setEnabled(generateEnabled());
    const bool reportPages = !m_report.IsEmpty();
    m_menus[ReportMode][1]->setEnabled(reportPages);
    for (const char *name :
         {"mnuReport_Report_Clear", "mnuReport_Report_Save", "mnuReport_Report_SaveAs",
          "mnuReport_Report_Preview", "mnuReport_Report_CheckPrintable", "mnuReport_Report_BlackWhite"})
        action(QLatin1String(name))->setEnabled(reportPages);
    action(QStringLiteral("mnuDesign_File_Preview"))->setChecked(m_design.Preview());
    action(QStringLiteral("mnuDesign_File_CheckPrintable"))->setChecked(m_design.PrintableOnly());
    action(QStringLiteral("mnuDesign_File_BlackWhite"))->setChecked(m_design.BlackWhite());
    action(QStringLiteral("mnuReport_Report_Preview"))->setChecked(m_report.Preview());
    action(QStringLiteral("mnuReport_Report_CheckPrintable"))->setChecked(m_report.PrintableOnly());
    action(QStringLiteral("mnuReport_Report_BlackWhite"))->setChecked(m_report.BlackWhite());
}

// ---------------------------------------------------------------- pages

void TfrmMain::fillPageTabs(Mode mode)
{
    QTabBar *tabs = mode == ReportMode ? m_tabReport : m_tabDesign;
    VDoc &doc = document(mode);
    const QSignalBlocker block(tabs);
    while (tabs->count() > 0)
        tabs->removeTab(0);
    for (int i = 0; i < doc.PageCount(); ++i)
        tabs->addTab(doc.PageAt(i)->Name());
    // A tab bar filled while its sheet is hidden keeps the height it had with no tabs.
    tabs->updateGeometry();
    if (QLayout *layout = tabs->parentWidget()->layout()) layout->invalidate();
    if (doc.PageCount() > 0) {
        tabs->setCurrentIndex(0);
        showPage(mode, 0);
    } else {
        showPage(mode, -1);
    }
}

void TfrmMain::showPage(Mode mode, int index)
{
    VDoc &doc = document(mode);
    PageCanvas *canvas = mode == ReportMode ? m_reportCanvas : m_designCanvas;
    VPage *page = doc.PageAt(index);
    if (page) page->SetZoom(zoom(mode));
    canvas->view()->setPage(page);
    relayout(mode);
}

void TfrmMain::relayout(Mode mode)
{
    QScrollArea *scroll = mode == ReportMode ? m_scrReport : m_scrDesign;
    PageCanvas *canvas = mode == ReportMode ? m_reportCanvas : m_designCanvas;
    canvas->layoutFor(scroll->viewport()->size());
}

void TfrmMain::setZoom(Mode mode, int value)
{
    (mode == ReportMode ? m_reportZoom : m_designZoom) = value;
    document(mode).SetZoomAll(value);
    QScrollArea *scroll = mode == ReportMode ? m_scrReport : m_scrDesign;
    scroll->horizontalScrollBar()->setValue(0);
    scroll->verticalScrollBar()->setValue(0);
    PageCanvas *canvas = mode == ReportMode ? m_reportCanvas : m_designCanvas;
    canvas->view()->refresh();
    relayout(mode);
}

void TfrmMain::applyDocumentModes(Mode mode)
{
    PageCanvas *canvas = mode == ReportMode ? m_reportCanvas : m_designCanvas;
    canvas->view()->refresh();
    relayout(mode);
    refreshMenus();
    refreshCaption();
}

void TfrmMain::togglePreview(Mode mode)
{
    VDoc &doc = document(mode);
    doc.SetPreview(!doc.Preview());
    applyDocumentModes(mode);
}

void TfrmMain::toggleCheckPrintable(Mode mode)
{
    VDoc &doc = document(mode);
    doc.SetPrintableOnly(!doc.PrintableOnly());
    applyDocumentModes(mode);
}

void TfrmMain::toggleBlackWhite(Mode mode)
{
    VDoc &doc = document(mode);
    doc.SetBlackWhite(!doc.BlackWhite());
    applyDocumentModes(mode);
}

// ---------------------------------------------------------------- save questions

bool TfrmMain::askSaveDesign()
{
    if (!m_design.IsModified()) return true;
    switch (m_prompts.askYesNoCancel(T("Design Editor"), T("Save changes in design document?"))) {
    case Prompts::Yes:
        return mnuDesign_File_SaveClick();
    case Prompts::No:
        return true;
    default:
        return false;
    }
}

bool TfrmMain::askSaveData()
{
    if (!m_dataShown || !m_txtData->document()->isModified()) return true;
    switch (m_prompts.askYesNoCancel(T("Data Editor"), T("Save changes in data document?"))) {
    case Prompts::Yes:
        return mnuData_File_SaveClick();
    case Prompts::No:
        return true;
    default:
        return false;
    }
}

bool TfrmMain::askSaveReport()
{
    if (!m_report.IsModified()) return true;
    switch (m_prompts.askYesNoCancel(T("Report Viewer"), T("Save changes in report document?"))) {
    case Prompts::Yes:
        return mnuReport_Report_SaveClick();
    case Prompts::No:
        return true;
    default:
        return false;
    }
}

bool TfrmMain::closeQuery()
{
    if (!askSaveDesign()) return false;
    m_design.Clear();
    fillPageTabs(DesignMode);
    if (!askSaveData()) return false;
    m_txtData->clear();
    m_txtData->document()->setModified(false);
    m_dataFileName.clear();
    m_report.Clear();
    fillPageTabs(ReportMode);
    return true;
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    if (closeQuery())
        event->accept();
    else
        event->ignore();
}

// ---------------------------------------------------------------- design commands

bool TfrmMain::saveDocument(VDoc &doc, Mode mode)
{
    if (doc.FileName().isEmpty()) return saveDocumentAs(doc, mode);
    // A report saved over its design (or any document over another one that is open) would
    // destroy what the others were read from.
    const QString refusal = OutputOverwritesInput(doc.FileName(), openFilesBut(mode));
    if (!refusal.isEmpty()) {
        m_prompts.warning(T(modeTitle(mode)), refusal);
        return false;
    }
    const FileResult r = WriteDesignFile(doc);
    if (!r) {
        m_prompts.warning(T(modeTitle(mode)), r.error);
        return false;
    }
    refreshCaption();
    refreshStatus();
    return true;
}

bool TfrmMain::saveDocumentAs(VDoc &doc, Mode mode)
{
    const bool barcode = doc.ContainsBarCode();
    QString title, filter, suffix;
    if (mode == ReportMode) {
        title = barcode ? T("Save *.ebr As...   [barcode report]") : T("Save *.edr As...   [normal report]");
        filter = T("Normal report (*.edr)|*.edr|Barcode report (*.ebr)|*.ebr|*.*|*.*");
        suffix = barcode ? QStringLiteral("ebr") : QStringLiteral("edr");
    } else {
        title = barcode ? T("Save *.ebt As...   [barcode gesign]") : T("Save *.edt As...   [normal design]");
        filter = T("Normal Design (*.edt)|*.edt|Barcode Design (*.ebt)|*.ebt|*.*|*.*");
        suffix = barcode ? QStringLiteral("ebt") : QStringLiteral("edt");
    }
    const QString path = m_prompts.saveFileName(title, filter, suffix, doc.FileName());
    if (path.isEmpty()) return false;
    if (path.endsWith(QLatin1String(".edf"), Qt::CaseInsensitive)) {
        m_prompts.warning(T(modeTitle(mode)), T("This command is not available yet."));
        return false;
    }
    const QString refusal = OutputOverwritesInput(path, openFilesBut(mode));
    if (!refusal.isEmpty()) {
        m_prompts.warning(T(modeTitle(mode)), refusal);
        return false;
    }
    doc.SetFileName(path);
    return saveDocument(doc, mode);
}

void TfrmMain::mnuDesign_File_NewClick()
{
    if (!askSaveDesign()) return;
    m_design.Clear();
    m_design.AddPage();
    m_design.ClearModified();
    fillPageTabs(DesignMode);
    refreshMenus();
    refreshCaption();
    refreshStatus();
}

bool TfrmMain::openDesign(const QString &path)
{
    const FileResult r = ReadDesignFile(m_design, path);
    if (!r) m_prompts.warning(T("Design Editor"), r.error);
    m_design.SetZoomAll(m_designZoom);
    fillPageTabs(DesignMode);
    refreshMenus();
    refreshCaption();
    refreshStatus();
    return bool(r);
}

void TfrmMain::mnuDesign_File_OpenClick()
{
    if (!askSaveDesign()) return;
    const QString path = m_prompts.openFileName(
        T("Open *.edt/*.ebt file"), T("Normal Design (*.edt)|*.edt|Barcode Design (*.ebt)|*.ebt|*.*|*.*"));
    if (!path.isEmpty()) openDesign(path);
}

void TfrmMain::mnuDesign_File_ReloadClick()
{
    if (!m_design.FileName().isEmpty()) openDesign(m_design.FileName());
}

void TfrmMain::mnuDesign_File_CloseClick()
{
    if (!askSaveDesign()) return;
    m_design.Clear();
    fillPageTabs(DesignMode);
    refreshMenus();
    refreshCaption();
    refreshStatus();
}

bool TfrmMain::mnuDesign_File_SaveClick()
{
    return saveDocument(m_design, DesignMode);
}

bool TfrmMain::mnuDesign_File_SaveAsClick()
{
    return saveDocumentAs(m_design, DesignMode);
}

void TfrmMain::mnuDesign_Page_NewClick()
{
    VPage *page = m_design.AddPage();
    page->SetZoom(m_designZoom);
    page->SetChanged(true);
    fillPageTabs(DesignMode);
    m_tabDesign->setCurrentIndex(m_design.PageCount() - 1);
    refreshStatus();
}

void TfrmMain::mnuDesign_Page_DeleteClick()
{
    const int index = m_tabDesign->currentIndex();
    if (index < 0) return;
    m_designCanvas->view()->setPage(nullptr);
    m_design.DeletePage(index);
    m_design.SetChanged(true);
    fillPageTabs(DesignMode);
    if (index > 0 && index <= m_design.PageCount()) m_tabDesign->setCurrentIndex(index - 1);
    refreshMenus();
    refreshStatus();
}

void TfrmMain::mnuDesign_Page_CopyClick()
{
    m_design.MarkCopied(m_tabDesign->currentIndex());
}

void TfrmMain::mnuDesign_Page_PasteClick()
{
    const int index = m_tabDesign->currentIndex();
    if (m_design.PasteCopied(index)) showPage(DesignMode, index);
    refreshStatus();
}

void TfrmMain::mnuDesign_Page_BackgroundClick()
{
    VPage *page = m_design.PageAt(m_tabDesign->currentIndex());
    if (!page) return;
    const QString path = m_prompts.openFileName(
        T("Background Picture"),
        QStringLiteral("*.jpg|*.jpg|*.jpeg|*.jpeg|*.bmp|*.bmp|*.gif|*.gif|*.png|*.png"));
    if (path.isEmpty()) return;
    if (!page->SetBackgroundPicture(path)) m_prompts.warning(T("Design Editor"), path);
    m_designCanvas->view()->refresh();
    refreshStatus();
}

void TfrmMain::mnuDesign_Page_ClearBackgroundClick()
{
    if (VPage *page = m_design.PageAt(m_tabDesign->currentIndex())) {
        page->ClearBackgroundPicture();
        m_designCanvas->view()->refresh();
        refreshStatus();
    }
}

// ---------------------------------------------------------------- data commands

void TfrmMain::setDataShown(bool shown)
{
    m_dataShown = shown;
    m_dataStack->setCurrentWidget(shown ? static_cast<QWidget *>(m_txtData) : m_pDataPanel);
    refreshMenus();
    refreshCaption();
    refreshStatus();
}

void TfrmMain::loadDataText(const QString &path)
{
    QFile f(path);
    if (f.open(QIODevice::ReadOnly)) m_txtData->setFileBytes(f.readAll());
    m_txtData->document()->setModified(false);
}

bool TfrmMain::writeDataTo(const QString &path)
{
    QString error = OutputOverwritesInput(path, openFilesBut(DataMode));
    if (error.isEmpty() && WriteFileAtomically(path, m_txtData->fileBytes(), &error)) return true;
    m_prompts.warning(T("Data Editor"), error);
    return false;
}

QStringList TfrmMain::openFilesBut(Mode mode) const
{
    QStringList files;
    if (mode != DesignMode) files << m_design.FileName();
    if (mode != DataMode) files << m_dataFileName;
    if (mode != ReportMode) files << m_report.FileName();
    return files;
}

void TfrmMain::mnuData_File_NewClick()
{
    if (!askSaveData()) return;
    m_dataFileName.clear();
    QStringList lines;
    WriteNewDataTemplate(lines);
    m_txtData->setPlainText(lines.join(QLatin1Char('\n')));
    m_txtData->document()->setModified(false);
    setDataShown(true);
}

bool TfrmMain::openData(const QString &path)
{
    if (!QFileInfo::exists(path)) return false;
    m_dataFileName = path;
    loadDataText(path);
    setDataShown(true);
    return true;
}

void TfrmMain::mnuData_File_OpenClick()
{
    if (!askSaveData()) return;
    const QString path = m_prompts.openFileName(
        T("Open *.edd/*.ebd file"), T("Normal data (*.edd)|*.edd|Barcode data (*.ebd)|*.ebd|*.*|*.*"));
    if (!path.isEmpty()) openData(path);
}

void TfrmMain::mnuData_File_ReloadClick()
{
    if (m_dataFileName.isEmpty()) return;
    if (!QFileInfo::exists(m_dataFileName)) {
        m_prompts.warning(T("Data Editor"), m_dataFileName + QLatin1Char('\n') + T("- file not exists."));
        return;
    }
    loadDataText(m_dataFileName);
    setDataShown(true);
}

void TfrmMain::mnuData_File_CloseClick()
{
    if (!askSaveData()) return;
    m_txtData->clear();
    m_txtData->document()->setModified(false);
    m_dataFileName.clear();
    setDataShown(false);
}

void TfrmMain::mnuData_File_CreateTypeClick(int dataType)
{
    if (!askSaveData()) return;
    m_dataFileName.clear();
    QStringList lines;
    WriteDataTemplate(m_design, lines, dataType);
    m_txtData->setPlainText(lines.join(QLatin1Char('\n')));
    if (!m_design.FileName().isEmpty()) m_dataFileName = DataFileName(m_design.FileName());
    setDataShown(true);
}

bool TfrmMain::mnuData_File_SaveClick()
{
    if (m_dataFileName.isEmpty()) return mnuData_File_SaveAsClick();
    if (!writeDataTo(m_dataFileName)) return false;
    m_txtData->document()->setModified(false);
    refreshStatus();
    refreshCaption();
    return true;
}

bool TfrmMain::mnuData_File_SaveAsClick()
{
    // The data save dialog keeps the normal-data title and extension whatever the design is.
    const QString path =
        m_prompts.saveFileName(T("Save *.edd As...   [normal data template]"), QStringLiteral("*.edd|*.edd"),
                               QStringLiteral(".edd"), m_dataFileName);
    if (path.isEmpty()) return false;
    const QString refusal = OutputOverwritesInput(path, openFilesBut(DataMode));
    if (!refusal.isEmpty()) {
        m_prompts.warning(T("Data Editor"), refusal);
        return false;
    }
    m_dataFileName = path;
    return mnuData_File_SaveClick();
}

void TfrmMain::mnuData_Search_FindClick()
{
    if (!m_find) m_find = new FindReplaceDialog(m_txtData, false, this);
    m_find->show();
    m_find->raise();
}

void TfrmMain::mnuData_Search_ReplaceClick()
{
    if (!m_replace) m_replace = new FindReplaceDialog(m_txtData, true, this);
    m_replace->show();
    m_replace->raise();
}

void TfrmMain::mnuData_Format_FontClick()
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, m_txtData->font(), this);
    if (ok) m_txtData->setFont(font);
}

// ---------------------------------------------------------------- report commands

bool TfrmMain::generateEnabled() const
{
    return !m_design.IsEmpty() && m_dataShown && !m_txtData->toPlainText().isEmpty();
}

bool TfrmMain::generateReport(const QString &dataFile, QString *reason)
{
    // A convert file writes its PDFs meanwhile; what went wrong with them is shown once at the end.
    ConvertPdfSink::Options options;
    options.inputs = {m_design.FileName(), dataFile};
    QStringList problems;
    options.message = [&](const QString &message, bool failed) {
        if (failed) problems << message;
    };
    ConvertPdfSink pdfs(m_design, options);
    const bool ok = ReadDataFile(dataFile, m_design, m_report, &pdfs, reason);
    pdfs.Finish();
    if (!problems.isEmpty()) m_prompts.information(QString(), problems.join(QLatin1Char('\n')));
    return ok;
}

void TfrmMain::mnuReport_Report_GenerateClick()
{
    if (!generateEnabled() || !askSaveReport()) return;
    m_report.Clear();
    fillPageTabs(ReportMode);
    const QDir current = QDir::current();
    QRandomGenerator random(quint32(QDateTime::currentMSecsSinceEpoch()));
    do {
        m_tempDataFile = current.filePath(QStringLiteral("tmp%1.edd").arg(random.generate() % 997));
    } while (QFileInfo::exists(m_tempDataFile));
    const bool written = writeDataTo(m_tempDataFile);
    QString reason;
    const bool ok = written && generateReport(m_tempDataFile, &reason);
    QFile::remove(m_tempDataFile);
    const QString temp = m_tempDataFile;
    m_tempDataFile.clear();
    if (!ok) {
        m_prompts.information(QString(),
                              DataErrorMessage(QStringLiteral("Data structure error => 2 ") + temp, reason));
        refreshCaption();
        return;
    }
    if (!m_report.IsEmpty()) {
        showGeneratedReport();
    }
    refreshMenus();
    refreshCaption();
    refreshStatus();
}

void TfrmMain::showGeneratedReport()
{
    m_report.SetZoomAll(m_reportZoom);
    m_report.SetPreview(true);
    fillPageTabs(ReportMode);
    if (!m_design.FileName().isEmpty()) m_report.SetFileName(ReportFileName(m_design.FileName()));
}

void TfrmMain::mnuReport_Report_ClearClick()
{
    if (!askSaveReport()) return;
    m_report.Clear();
    fillPageTabs(ReportMode);
    refreshMenus();
    refreshCaption();
    refreshStatus();
}

bool TfrmMain::openReport(const QString &path)
{
    const FileResult r = ReadDesignFile(m_report, path);
    if (!r) m_prompts.warning(T("Report Viewer"), r.error);
    m_report.SetZoomAll(m_reportZoom);
    fillPageTabs(ReportMode);
    refreshMenus();
    refreshCaption();
    refreshStatus();
    return bool(r);
}

void TfrmMain::mnuReport_Report_OpenClick()
{
    if (!askSaveReport()) return;
    const QString path = m_prompts.openFileName(
        T("Open *.edr/*.ebr file"), T("Normal report (*.edr)|*.edr|Barcode report (*.ebr)|*.ebr|*.*|*.*"));
    if (!path.isEmpty()) openReport(path);
}

bool TfrmMain::mnuReport_Report_SaveClick()
{
    return saveDocument(m_report, ReportMode);
}

bool TfrmMain::mnuReport_Report_SaveAsClick()
{
    return saveDocumentAs(m_report, ReportMode);
}

// ---------------------------------------------------------------- start-up, language, help

void TfrmMain::StartUpLoad()
{
    if (m_settings) {
        std::unique_ptr<QSettings> store = m_settings();
        if (store) m_exportSettings = ReadExportSettings(*store);
    }
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const int dpiX = int(screen->logicalDotsPerInchX());
        const int dpiY = int(screen->logicalDotsPerInchY());
        if (dpiX > 0 && dpiY > 0) screenMetrics() = ScreenMetrics{dpiX, dpiY};
    }
    const CommandLineOptions &options = commandLineOptions();
    if (!options.designFile.isEmpty()) openDesign(options.designFile);
    if (!options.dataFile.isEmpty()) openData(options.dataFile);
    if (!options.reportFile.isEmpty()) openReport(options.reportFile);
    if (!options.designFile.isEmpty() && !options.dataFile.isEmpty()) {
        m_report.Clear();
        QString reason;
        const bool ok = generateReport(options.dataFile, &reason);
        if (!ok) {
            m_prompts.information(
                QString(),
                DataErrorMessage(QStringLiteral("Data structure error =>  ") + options.dataFile, reason));
            fillPageTabs(ReportMode);
            refreshCaption();
            return;
        }
        if (m_report.IsEmpty()) return;
        showGeneratedReport();
    }
    if (!m_design.IsEmpty()) {
        m_design.SetPrintableOnly(options.checkPrintable);
        m_design.SetBlackWhite(options.blackWhite);
        applyDocumentModes(DesignMode);
    }
    if (!m_report.IsEmpty()) {
        m_report.SetPrintableOnly(options.checkPrintable);
        m_report.SetBlackWhite(options.blackWhite);
        applyDocumentModes(ReportMode);
        showMode(ReportMode);
    } else if (!options.dataFile.isEmpty()) {
        showMode(DataMode);
    }
    refreshMenus();
    refreshCaption();
    refreshStatus();
}

void TfrmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_firstShow) {
        m_firstShow = false;
        StartUpLoad();
    }
    relayout(DesignMode);
    relayout(ReportMode);
}

void TfrmMain::chooseLanguage(int codePage)
{
    SelectLanguage(codePage); // the installed translation sends LanguageChange to every window
    applyTexts();
}

void TfrmMain::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && m_tabWorks) applyTexts();
    QMainWindow::changeEvent(event);
}

void TfrmMain::showHelpContents()
{
    const QStringList candidates = {
        QCoreApplication::applicationDirPath() + QStringLiteral("/docs/index.html"),
        QCoreApplication::applicationDirPath() + QStringLiteral("/../../docs/index.html"),
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tessaly/docs/index.html"),
    };
    for (const QString &path : candidates) {
        if (QFileInfo::exists(path)) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).canonicalFilePath()));
            return;
        }
    }
    m_prompts.warning(T("ZEL Tessaly"), T("Help file not found: %1").arg(candidates.first()));
}

void TfrmMain::showAbout()
{
    m_prompts.information(T("About Tessaly"),
                          T("Tessaly %1\nReport edit and print utility.\nBuilt with Qt %2.")
                              .arg(QCoreApplication::applicationVersion(), QLatin1String(qVersion())));
}

// ---------------------------------------------------------------- keyboard and wheel

void TfrmMain::scrollKey(int key, bool ctrl)
{
    const Mode mode = currentMode();
    if (mode == DataMode) return;
    QScrollArea *scroll = mode == ReportMode ? m_scrReport : m_scrDesign;
    QScrollBar *v = scroll->verticalScrollBar();
    QScrollBar *h = scroll->horizontalScrollBar();
    const int factor = ctrl ? 8 : 1;
    switch (key) {
    case Qt::Key_Up:
        if (!v->isVisible()) return;
        if (v->value() == v->minimum())
            QCoreApplication::postEvent(this,
                                        new QKeyEvent(QEvent::KeyPress, Qt::Key_PageUp, Qt::NoModifier));
        v->setValue(v->value() - v->singleStep() * factor);
        break;
    case Qt::Key_Down:
        if (!v->isVisible()) return;
        if (v->value() == v->maximum()) {
            v->setValue(v->minimum());
            QCoreApplication::postEvent(this,
                                        new QKeyEvent(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier));
        } else {
            v->setValue(v->value() + v->singleStep() * factor);
        }
        break;
    case Qt::Key_Left:
        h->setValue(h->value() - h->singleStep() * factor);
        break;
    case Qt::Key_Right:
        h->setValue(h->value() + h->singleStep() * factor);
        break;
    case Qt::Key_Home:
        v->setValue(v->minimum());
        break;
    case Qt::Key_End:
        v->setValue(v->maximum());
        break;
    default:
        break;
    }
}

void TfrmMain::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_F5:
    case Qt::Key_F6:
        // Mail and export arrive with their own work; the keys are taken so nothing else reacts.
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        if (currentMode() != DataMode) {
            scrollKey(event->key(), event->modifiers() & Qt::ControlModifier);
            return;
        }
        break;
    default:
        break;
    }
    QMainWindow::keyPressEvent(event);
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip) m_mnuTimer->start();
    if (event->type() == QEvent::Resize &&
        (watched == m_scrDesign->viewport() || watched == m_scrReport->viewport()))
        relayout(watched == m_scrReport->viewport() ? ReportMode : DesignMode);
    if (event->type() == QEvent::Wheel &&
        (watched == m_scrDesign->viewport() || watched == m_scrReport->viewport())) {
        auto *wheel = static_cast<QWheelEvent *>(event);
        QScrollBar *v = (watched == m_scrReport->viewport() ? m_scrReport : m_scrDesign)->verticalScrollBar();
        v->setValue(v->value() - wheel->angleDelta().y());
        return true;
    }
    if (event->type() == QEvent::KeyPress && isActiveWindow() && currentMode() != DataMode) {
        // The window sees keys before the page widgets do.
        auto *key = static_cast<QKeyEvent *>(event);
        const int k = key->key();
        if (k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_Left || k == Qt::Key_Right ||
            k == Qt::Key_Home || k == Qt::Key_End) {
            if (watched != this && qobject_cast<QWidget *>(watched) &&
                isAncestorOf(static_cast<QWidget *>(watched))) {
                scrollKey(k, key->modifiers() & Qt::ControlModifier);
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
