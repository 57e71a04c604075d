#include "app/report/report_tab.h"

#include "app/app_texts.h"
#include "app/command_line.h"
#include "app/data/data_editor.h"
#include "app/data/data_tab.h"
#include "app/design/design_tab.h"
#include "app/main_window.h"
#include "app/prompts.h"
#include "export/export_names.h"
#include "export/export_report.h"
#include "export/mail_handoff.h"
#include "files/design_file.h"
#include "model/code_page.h"
#include "report/convert_pdf_sink.h"
#include "report/report_generation.h"
#include "report/report_names.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <cstdio>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>

ReportTab::ReportTab(TfrmMain &shell)
    : PageTab(shell,
              {"tabReport", "scrReport", "mnuZoomReport", "mnuZoomReport_ByWidth", "tbtnReport_Page_Zoom"})
{
    add(
        "mnuReport_Report_Generate", "Generate", [this] { mnuReport_Report_GenerateClick(); }, {},
        "generate");
    add(
        "mnuReport_Report_Clear", "Clear", [this] { mnuReport_Report_ClearClick(); }, {}, "close");
    add(
        "mnuReport_Report_Open", "Open", [this] { mnuReport_Report_OpenClick(); }, {}, "open");
    add(
        "mnuReport_Report_Save", "Save", [this] { mnuReport_Report_SaveClick(); },
        QKeySequence(Qt::CTRL | Qt::Key_S), "save");
    add("mnuReport_Report_SaveAs", "Save As", [this] { mnuReport_Report_SaveAsClick(); });
    add("mnuReport_Report_PrintProperties", "Print Properties", [this] { printPropertiesDocument(); });
    add(
        "mnuReport_Report_Print", "Print", [this] { printDocument(); }, {}, "print");
    add(
        "mnuReport_Report_Preview", "Preview", [this] { togglePreview(); },
        QKeySequence(Qt::CTRL | Qt::Key_W), "preview")
        ->setCheckable(true);
    add(
        "mnuReport_Report_CheckPrintable", "Check Printable", [this] { toggleCheckPrintable(); }, {},
        "printable")
        ->setCheckable(true);
    add(
        "mnuReport_Report_BlackWhite", "Black/White mode", [this] { toggleBlackWhite(); }, {}, "blackwhite")
        ->setCheckable(true);
    add("mnuReport_Report_Exit", "Exit", [this] { m_shell.close(); });
    add("mnuReport_Page_PrintProperties", "Print Properties", [this] { printPropertiesPage(); });
    add(
        "mnuReport_Page_Print", "Print", [this] { printShownPage(); }, {}, "print");
    add("mnuReport_Page_Properties", "Properties", [this] { editShownPageProperties(); });
    // F5 and F6 in the Design tab act on the design (TfrmMain hands their keys over).
    const auto inDesign = [this] { return m_shell.currentMode() == TfrmMain::DesignMode; };
    add(
        "cmdView_Mail", "Mail", [this, inDesign] { inDesign() ? mailFromDesign() : cmdView_MailClick(); },
        QKeySequence(Qt::Key_F5), "mail");
    add(
        "cmdView_Convert", "Export", [this, inDesign] { inDesign() ? exportFromDesign() : cmdView_ConvertClick(); },
        QKeySequence(Qt::Key_F6), "export");

    QMenu *report = addMenu("Report", {"mnuReport_Report_Generate", "mnuReport_Report_Clear", nullptr,
                                       "mnuReport_Report_Open", "mnuReport_Report_Save",
                                       "mnuReport_Report_SaveAs", nullptr, "mnuReport_Report_PrintProperties",
                                       "mnuReport_Report_Print", "cmdView_Convert", "cmdView_Mail", nullptr,
                                       "mnuReport_Report_Preview", "mnuReport_Report_CheckPrintable",
                                       "mnuReport_Report_BlackWhite", nullptr, "mnuReport_Report_Exit"});
    // Generate is re-evaluated each time the menu opens.
    connect(report, &QMenu::aboutToShow, this, [this] { m_shell.refreshMenus(); });
    addMenu("Page", {"@zoom", nullptr, "mnuReport_Page_PrintProperties", "mnuReport_Page_Print", nullptr,
                     "mnuReport_Page_Properties"},
            "mnuReport_Page");
    setToolBar("ToolBar_Report",
               {"mnuReport_Report_Generate", "mnuReport_Report_Open", "mnuReport_Report_Save",
                "mnuReport_Report_Clear", nullptr, "@zoom", "mnuReport_Report_Preview",
                "mnuReport_Report_CheckPrintable", "mnuReport_Report_BlackWhite", nullptr,
                "mnuReport_Page_Print", "cmdView_Mail", "cmdView_Convert"});
    setHints({
        {"mnuReport_Report_Generate", "Generate report"},
        {"mnuReport_Report_Open", "Open report"},
        {"mnuReport_Report_Save", "Save report"},
        {"mnuReport_Report_Clear", "Close report"},
        {"mnuReport_Report_Print", "Print report"},
        {"mnuReport_Report_Preview", "Page preview mode"},
        {"mnuReport_Report_CheckPrintable", "Check printable mode"},
        {"mnuReport_Report_BlackWhite", "Black/Whitemode of preview"},
        {"mnuReport_Page_Print", "Print page"},
    });
}

PageTab::SaveDialog ReportTab::saveDialog() const
{
    const bool barcode = m_doc.ContainsBarCode();
    return {barcode ? T("Save *.ebr As...   [barcode report]") : T("Save *.edr As...   [normal report]"),
            T("Normal report (*.edr)|*.edr|Barcode report (*.ebr)|*.ebr|*.*|*.*"),
            barcode ? QStringLiteral("ebr") : QStringLiteral("edr")};
}

void ReportTab::refreshMenus()
{
    action("mnuReport_Report_Generate")->setEnabled(generateEnabled());
    const bool pages = !m_doc.IsEmpty();
    menus()[1]->setEnabled(pages);
    for (const char *name :
         {"mnuReport_Report_Clear", "mnuReport_Report_Save", "mnuReport_Report_SaveAs",
          "mnuReport_Report_Preview", "mnuReport_Report_CheckPrintable", "mnuReport_Report_BlackWhite",
          "mnuReport_Report_Print", "mnuReport_Report_PrintProperties", "mnuReport_Page_Print",
          "cmdView_Convert", "cmdView_Mail", "mnuReport_Page_PrintProperties", "mnuReport_Page_Properties"})
        action(name)->setEnabled(pages);
    checkSwitches("mnuReport_Report_Preview", "mnuReport_Report_CheckPrintable",
                  "mnuReport_Report_BlackWhite");
}

bool ReportTab::askSave()
{
    return askSaveChanges(T("Save changes in report document?"), [this] { return mnuReport_Report_SaveClick(); });
}

bool ReportTab::generateEnabled() const
{
    const DataTab &data = m_shell.data();
    return !m_shell.design().document().IsEmpty() && data.isShown() &&
           !data.editor()->toPlainText().isEmpty();
}

bool ReportTab::generateReport(const QString &dataFile, QString *reason)
{
    // What went wrong with a convert file's PDFs is shown once at the end.
    const VDoc &design = m_shell.design().document();
    ConvertPdfSink::Options options;
    options.inputs = {design.FileName(), dataFile};
    options.outputFolder = m_shell.exportSettings().ConvertFolder;
    QStringList problems;
    options.message = [&](const QString &message, bool failed) {
        if (failed) problems << message;
    };
    ConvertPdfSink pdfs(design, options);
    const bool ok = ReadDataFile(dataFile, design, m_doc, &pdfs, reason);
    pdfs.Finish();
    if (!problems.isEmpty()) prompts().information(QString(), problems.join(QLatin1Char('\n')));
    return ok;
}

bool ReportTab::mnuReport_Report_GenerateClick()
{
    if (!generateEnabled() || !askSave()) return false;
    m_doc.Clear();
    fillPageTabs();
    // The current folder may be read-only (or someone else's); the system's temporary folder is not.
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/tessaly-XXXXXX"));
    const QString temp = folder.filePath(QStringLiteral("data.edd"));
    QString reason;
    if (!folder.isValid()) reason = folder.errorString();
    const bool ok = folder.isValid() && m_shell.data().writeTo(temp) && generateReport(temp, &reason);
    if (!ok) {
        prompts().information(QString(),
                              DataErrorMessage(QStringLiteral("Data structure error => 2 ") + temp, reason));
        m_shell.refreshCaption();
        return false;
    }
    if (!m_doc.IsEmpty()) showGeneratedReport();
    refreshShell();
    return !m_doc.IsEmpty();
}

void ReportTab::showGeneratedReport()
{
    m_doc.SetZoomAll(zoom());
    m_doc.SetPreview(true);
    fillPageTabs();
    const QString design = m_shell.design().document().FileName();
    if (!design.isEmpty()) m_doc.SetFileName(ReportFileName(design));
}

void ReportTab::mnuReport_Report_ClearClick()
{
    if (!askSave()) return;
    m_doc.Clear();
    fillPageTabs();
    refreshShell();
}

bool ReportTab::openReport(const QString &path)
{
    const FileResult r = ReadDesignFile(m_doc, path);
    if (!r) prompts().warning(T("Report Viewer"), r.error);
    m_doc.SetZoomAll(zoom());
    fillPageTabs();
    refreshShell();
    return bool(r);
}

void ReportTab::mnuReport_Report_OpenClick()
{
    if (!askSave()) return;
    const QString path = prompts().openFileName(
        T("Open *.edr/*.ebr file"), T("Normal report (*.edr)|*.edr|Barcode report (*.ebr)|*.ebr|*.*|*.*"));
    if (!path.isEmpty()) openReport(path);
}

QString ReportTab::exportNamesFrom() const
{
    // A report not saved yet takes its names from the design.
    return m_doc.FileName().isEmpty() ? m_shell.design().document().FileName() : m_doc.FileName();
}

void ReportTab::handOffToMail(const QStringList &files)
{
    QString error;
    const QString list = WriteMailList(files, &error);
    if (list.isEmpty()) {
        prompts().warning(T("File Export"), error);
        return;
    }
    // The utility sits beside the program, or else on the PATH.
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/ZelUtlMail");
    const QString program = QFileInfo::exists(beside) ? beside : QStringLiteral("ZelUtlMail");
    const QStringList arguments = MailArguments(commandLineOptions().mailId, list);
    const bool started = startProgram ? startProgram(program, arguments) : QProcess::startDetached(program, arguments);
    if (!started) std::fprintf(stderr, "tessaly: cannot start %s\n", qPrintable(program)); // no message box, as ever
}
