#include "app/main_window.h"

#include "app/app_texts.h"
#include "app/command_line.h"
#include "app/data/data_editor.h"
#include "app/data/data_tab.h"
#include "app/design/design_tab.h"
#include "app/design/element_widget.h"
#include "app/language.h"
#include "app/pages/page_view.h"
#include "app/prompts.h"
#include "app/report/report_tab.h"
#include "model/units.h"
#include "print/print_job.h"
#include "report/report_generation.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>
#include <QUrl>

TfrmMain::TfrmMain(Prompts &prompts, SettingsFactory settings, QWidget *parent)
    : QMainWindow(parent), m_prompts(prompts), m_settings(std::move(settings))
{
    setObjectName(QStringLiteral("frmMain"));
    m_tabWorks = new QTabWidget(this);
    m_tabWorks->setObjectName(QStringLiteral("tabWorks"));
    m_tabWorks->setTabPosition(QTabWidget::West);
    QFont tabFont(QStringLiteral("Courier New"));
    tabFont.setBold(true);
    tabFont.setPixelSize(16);
    m_tabWorks->tabBar()->setFont(tabFont);

    m_design = new DesignTab(*this);
    m_data = new DataTab(*this);
    m_report = new ReportTab(*this);
    m_tabWorks->addTab(m_design->sheet(), AppIcon("design"), QString());
    m_tabWorks->addTab(m_data->sheet(), AppIcon("data"), QString());
    m_tabWorks->addTab(m_report->sheet(), AppIcon("report"), QString());
    for (PageTab *pages : {static_cast<PageTab *>(m_design), static_cast<PageTab *>(m_report)})
        pages->scrollArea()->viewport()->installEventFilter(this);
    connect(m_tabWorks, &QTabWidget::currentChanged, this, [this](int index) { showMode(Mode(index)); });
    setCentralWidget(m_tabWorks);
    for (Mode mode : {DesignMode, DataMode, ReportMode})
        addToolBar(Qt::TopToolBarArea, tab(mode).toolBar());

    for (QLabel *&panel : m_status) {
        panel = new QLabel;
        statusBar()->addWidget(panel, panel == m_status[2] ? 1 : 0);
    }
    m_status[0]->setMinimumWidth(20);
    m_status[1]->setMinimumWidth(60);
    m_status[3]->setObjectName(QStringLiteral("stSelection"));

    buildShellActions();
    applyTexts();
    showMode(DesignMode);
    m_mnuTimer = new QTimer(this);
    m_mnuTimer->setObjectName(QStringLiteral("mnuTimer"));
    m_mnuTimer->setInterval(700);
    m_mnuTimer->setSingleShot(true);
    connect(m_mnuTimer, &QTimer::timeout, this, [] { QToolTip::hideText(); });
    qApp->installEventFilter(this);
}

TfrmMain::~TfrmMain()
{
    qApp->removeEventFilter(this);
}

// ---------------------------------------------------------------- the modes

ModeTab &TfrmMain::tab(Mode mode) const
{
    switch (mode) {
    case DesignMode:
        return *m_design;
    case DataMode:
        return *m_data;
    default:
        return *m_report;
    }
}

PageTab &TfrmMain::pageTab(Mode mode) const
{
    return mode == ReportMode ? static_cast<PageTab &>(*m_report) : static_cast<PageTab &>(*m_design);
}

VDoc &TfrmMain::designDocument() const
{
    return m_design->document();
}

VDoc &TfrmMain::reportDocument() const
{
    return m_report->document();
}

DataEditor *TfrmMain::dataEditor() const
{
    return m_data->editor();
}

QString TfrmMain::dataFileName() const
{
    return m_data->fileName();
}

int TfrmMain::zoom(Mode mode) const
{
    return pageTab(mode).zoom();
}

void TfrmMain::setZoom(Mode mode, int value)
{
    pageTab(mode).setZoom(value);
}

QScrollArea *TfrmMain::scrollArea(Mode mode) const
{
    return pageTab(mode).scrollArea();
}

PageCanvas *TfrmMain::canvas(Mode mode) const
{
    return pageTab(mode).canvas();
}

QAction *TfrmMain::action(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

QStringList TfrmMain::openFilesBut(const ModeTab *mode) const
{
    QStringList files;
    for (const ModeTab *t : {static_cast<const ModeTab *>(m_design), static_cast<const ModeTab *>(m_data),
                             static_cast<const ModeTab *>(m_report)})
        if (t != mode) files << t->fileName();
    return files;
}

void TfrmMain::buildShellActions()
{
    auto add = [this](const QString &name, const char *text, const std::function<void()> &run) {
        QAction *a = MakeCommandAction(this, name, run);
        m_texts.emplace_back(a, text);
        return a;
    };
    add(QStringLiteral("mnuHelp_Contents"), "Contents", [this] { showHelpContents(); });
    add(QStringLiteral("mnuHelp_About"), "About", [this] { showAbout(); });
    // Languages: three exclusive items in every mode's menu.
    m_languageGroup = new QActionGroup(this);
    // Each language is named in itself, so that a person who cannot read the present one finds theirs.
    const std::pair<const char *, int> languages[] = {
        {"Русский", 1251}, {"English", 1252}, {"Türkçe", 1254}};
    for (const auto &[text, codePage] : languages) {
        QAction *a = MakeCommandAction(this, QStringLiteral("mnuLanguage_") + QString::number(codePage),
                                       [this, cp = codePage] { chooseLanguage(cp); });
        a->setText(QString::fromUtf8(text));
        a->setCheckable(true);
        a->setData(codePage);
        m_languageGroup->addAction(a);
    }
    for (Mode mode : {DesignMode, DataMode, ReportMode}) {
        auto *language = new QMenu(this);
        language->addActions(m_languageGroup->actions());
        auto *help = new QMenu(this);
        help->addAction(action(QStringLiteral("mnuHelp_Contents")));
        help->addAction(action(QStringLiteral("mnuHelp_About")));
        m_menuTexts.emplace_back(language, "Language");
        m_menuTexts.emplace_back(help, "Help");
        m_shellMenus[mode] = {language, help};
    }
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
    for (Mode mode : {DesignMode, DataMode, ReportMode})
        tab(mode).applyTexts();
    m_tabWorks->setTabText(DesignMode, T(" Design "));
    m_tabWorks->setTabText(DataMode, T("  Data  "));
    m_tabWorks->setTabText(ReportMode, T(" Report "));
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
    for (QMenu *m : tab(mode).menus() + m_shellMenus[mode])
        menuBar()->addMenu(m);
    m_status[3]->setVisible(mode == DesignMode);
    // Each mode has its own Ctrl+S and Ctrl+W: only the shown mode's actions are live.
    for (Mode other : {DesignMode, DataMode, ReportMode}) {
        ModeTab &t = tab(other);
        t.toolBar()->setVisible(other == mode);
        for (QAction *a : findChildren<QAction *>())
            if (t.owns(a) && !a->shortcut().isEmpty())
                a->setShortcutContext(other == mode ? Qt::WindowShortcut : Qt::WidgetShortcut);
    }
    refreshMenus();
    refreshCaption();
    refreshStatus();
}

void TfrmMain::refreshCaption()
{
    const ModeTab &t = tab(currentMode());
    const QString name = t.fileName();
    const QString file =
        name.isEmpty() ? QStringLiteral("  [...]") : QStringLiteral("  [%1]").arg(QFileInfo(name).fileName());
    setWindowTitle(T(t.title()) + file + (t.isPreview() ? T(" - preview") : T(" - edit")));
}

void TfrmMain::refreshStatus()
{
    const ModeTab &t = tab(currentMode());
    m_status[0]->setText(t.isModified() ? QStringLiteral("*") : QStringLiteral(" "));
    m_status[1]->setText(T("Edit"));
    m_status[2]->setText(QStringLiteral("  ") + t.fileName());
}

void TfrmMain::setStatusText(int panel, const QString &text)
{
    m_status[panel]->setText(text);
}

void TfrmMain::storeExportSettings(const ExportSettings &settings)
{
    m_exportSettings = settings;
    if (!m_settings) return;
    if (std::unique_ptr<QSettings> store = m_settings()) WriteExportSettings(*store, settings);
}

std::unique_ptr<QSettings> TfrmMain::openSettings() const
{
    return m_settings ? m_settings() : nullptr;
}

QString TfrmMain::statusText(int panel) const
{
    return m_status[panel]->text();
}

void TfrmMain::refreshMenus()
{
    // The modes read each other (generation needs the design and the data), so all are refreshed.
    for (Mode mode : {DesignMode, DataMode, ReportMode})
        tab(mode).refreshMenus();
}

// ---------------------------------------------------------------- closing

bool TfrmMain::closeQuery()
{
    if (!m_design->askSave()) return false;
    m_design->clearDocument();
    m_design->fillPageTabs();
    if (!m_data->askSave()) return false;
    m_data->clear();
    m_report->document().Clear();
    m_report->fillPageTabs();
    return true;
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    if (closeQuery())
        event->accept();
    else
        event->ignore();
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
    SelectedPrinter() = options.printerName; // as given, unchecked
    if (!options.designFile.isEmpty()) m_design->openDesign(options.designFile);
    if (!options.dataFile.isEmpty()) m_data->openData(options.dataFile);
    if (!options.reportFile.isEmpty()) m_report->openReport(options.reportFile);
    VDoc &design = m_design->document();
    VDoc &report = m_report->document();
    if (!options.designFile.isEmpty() && !options.dataFile.isEmpty()) {
        report.Clear();
        QString reason;
        const bool ok = m_report->generateReport(options.dataFile, &reason);
        if (!ok) {
            m_prompts.information(
                QString(),
                DataErrorMessage(QStringLiteral("Data structure error =>  ") + options.dataFile, reason));
            m_report->fillPageTabs();
            refreshCaption();
            return;
        }
        if (report.IsEmpty()) return;
        m_report->showGeneratedReport();
    }
    if (!design.IsEmpty()) {
        design.SetPrintableOnly(options.checkPrintable);
        design.SetBlackWhite(options.blackWhite);
        m_design->applyDocumentModes();
    }
    if (!report.IsEmpty()) {
        report.SetPrintableOnly(options.checkPrintable);
        report.SetBlackWhite(options.blackWhite);
        m_report->applyDocumentModes();
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
    m_design->relayout();
    m_report->relayout();
}

void TfrmMain::chooseLanguage(int codePage)
{
    SelectLanguage(codePage); // the installed translation sends LanguageChange to every window
    applyTexts();
}

void TfrmMain::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && m_languageGroup) applyTexts();
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
