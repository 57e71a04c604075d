#pragma once

#include "app/dialogs/convert_dialog.h"
#include "app/pages/page_tab.h"

#include <functional>

// The Report tab: generation from the design and the data text, and the report's file commands.
class ReportTab : public PageTab
{
public:
    explicit ReportTab(TfrmMain &shell);
    const char *title() const override { return "Report Viewer"; }
    void refreshMenus() override;
    bool askSave() override;

    bool generateEnabled() const;
    // Merges dataFile into the design, the report being empty; false with the data's reason.
    // A convert file writes its PDFs meanwhile.
    bool generateReport(const QString &dataFile, QString *reason);
    // A report fresh from generation: preview at the report zoom, named after the design.
    void showGeneratedReport();

    // True when a report with pages was made.
    bool mnuReport_Report_GenerateClick();
    // The export dialog (F6), and one export of the report by format index.
    void cmdView_ConvertClick();
    // Mail (F5): the report exported in the stored format and handed to the mail utility.
    void cmdView_MailClick();
    // F6 and F5 in the Design tab: with data loaded the report is generated from it first and
    // exported; without data the design's own pages are, and the dialog's title says so.
    void exportFromDesign();
    void mailFromDesign();
    void handOffToMail(const QStringList &files);
    QString exportNamesFrom() const;
    // Starts the mail utility detached; tests record the call instead.
    std::function<bool(const QString &program, const QStringList &arguments)> startProgram;
    ExportOutcome exportReport(int format, const QString &path, const ExportSettings &options, bool mht);
    void mnuReport_Report_ClearClick();
    bool openReport(const QString &path);
    void mnuReport_Report_OpenClick();
    bool mnuReport_Report_SaveClick() { return saveDocument(); }
    bool mnuReport_Report_SaveAsClick() { return saveDocumentAs(); }

protected:
    SaveDialog saveDialog() const override;

private:
    // subject: what is exported when it is not the report, for the titles; nullptr for the report.
    void fromDesign(void (ReportTab::*send)(VDoc &, const QString &, const char *));
    void convertDocument(VDoc &doc, const QString &namesFrom, const char *subject);
    void mailDocument(VDoc &doc, const QString &namesFrom, const char *subject);
    ExportOutcome exportDocument(VDoc &doc, int format, const QString &path, const ExportSettings &options,
                                 bool mht);
};
