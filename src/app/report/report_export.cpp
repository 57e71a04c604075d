// The Report tab's export and mail commands, on the report or, from the Design tab, on the design.
#include "app/report/report_tab.h"

#include "app/app_texts.h"
#include "app/design/design_tab.h"
#include "app/main_window.h"
#include "app/prompts.h"
#include "export/export_names.h"
#include "export/export_report.h"

namespace
{
QString titleFor(const char *subject)
{
    return subject ? T("File Export") + QStringLiteral(" - ") + T(subject) : T("File Export");
}

// Said in the titles when F5 or F6 in the Design tab exports the design itself.
constexpr const char *kDesignWithoutData = "the design without data";
} // namespace

void ReportTab::cmdView_ConvertClick()
{
    if (m_doc.IsEmpty()) return;
    convertDocument(m_doc, exportNamesFrom(), nullptr);
}

void ReportTab::cmdView_MailClick()
{
    if (m_doc.IsEmpty()) return;
    mailDocument(m_doc, exportNamesFrom(), nullptr);
}

void ReportTab::fromDesign(void (ReportTab::*send)(VDoc &, const QString &, const char *))
{
    VDoc &design = m_shell.design().document();
    if (design.IsEmpty()) return;
    // With data loaded the report is made first; without, the design's own pages go out.
    if (generateEnabled()) {
        if (mnuReport_Report_GenerateClick()) (this->*send)(m_doc, exportNamesFrom(), nullptr);
        return;
    }
    (this->*send)(design, design.FileName(), kDesignWithoutData);
}

void ReportTab::exportFromDesign()
{
    fromDesign(&ReportTab::convertDocument);
}

void ReportTab::mailFromDesign()
{
    fromDesign(&ReportTab::mailDocument);
}

void ReportTab::convertDocument(VDoc &doc, const QString &namesFrom, const char *subject)
{
    TfrmConvert dialog(
        m_shell.exportSettings(), namesFrom,
        [this, &doc](int format, const QString &path, const ExportSettings &options, bool mht) {
            return exportDocument(doc, format, path, options, mht);
        },
        prompts(), &m_shell);
    if (subject) dialog.setSubject(subject);
    dialog.setMailer([this](const QStringList &files) { handOffToMail(files); });
    if (runDialog(dialog) != QDialog::Accepted) return;
    m_shell.storeExportSettings(dialog.settings());
    m_shell.setStatusText(0, WrittenFilesText(dialog.written()));
}

void ReportTab::mailDocument(VDoc &doc, const QString &namesFrom, const char *subject)
{
    const ExportSettings &settings = m_shell.exportSettings();
    const int format = settings.ID_of_Convert;
    const QString path = prompts().saveFileName(titleFor(subject), ExportFilter(format), ExportSuffix(format),
                                                ProposedExportName(namesFrom, format));
    if (path.isEmpty()) return;
    const ExportOutcome outcome = exportDocument(doc, format, path, settings, false);
    m_shell.setStatusText(0, WrittenFilesText(outcome.written));
    if (const QString why = outcome.notMailable(); !why.isEmpty()) {
        prompts().warning(T("File Export"), why);
        return;
    }
    if (!outcome.error.isEmpty()) prompts().warning(T("File Export"), outcome.error);
    handOffToMail(outcome.written);
}

ExportOutcome ReportTab::exportReport(int format, const QString &path, const ExportSettings &settings,
                                      bool mht)
{
    return exportDocument(m_doc, format, path, settings, mht);
}

ExportOutcome ReportTab::exportDocument(VDoc &doc, int format, const QString &path,
                                        const ExportSettings &settings, bool mht)
{
    ExportOutcome outcome;
    if (format < ExportTextFormat || format > ExportSheetFormat) {
        outcome.error = T("This output is not available yet.");
        outcome.failed = true;
        return outcome;
    }
    ExportOptions options;
    options.newPageChar = settings.CheckNewPage;
    options.eofChar = settings.CheckEOFChar;
    options.savePictures = format == ExportHtmlFormat  ? settings.ImageSaveHTML
                           : format == ExportRtfFormat ? settings.ImageSaveRtf
                                                       : settings.ImageSaveDoc;
    options.mht = mht;
    options.title = T("Tessaly");
    options.version = QStringLiteral(TESSALY_VERSION);
    PictureFormats chosen;
    chosen.setFlag(PictureFormat::Bmp, settings.CheckBMP);
    chosen.setFlag(PictureFormat::Jpeg, settings.CheckJPEG);
    chosen.setFlag(PictureFormat::Gif, settings.CheckGIF);
    chosen.setFlag(PictureFormat::Ico, settings.CheckICO);
    chosen.setFlag(PictureFormat::Png, settings.CheckPNG);
    options.pictures = chosen;
    // Neither the design nor the data may be replaced by an output.
    options.inputs = {m_shell.design().document().FileName(), m_shell.dataFileName(), doc.FileName()};
    const ExportResult r = ExportReport(doc, format, path, options);
    outcome.written = r.written;
    outcome.failed = !r;
    outcome.error = r ? r.warnings.join(QLatin1Char('\n')) : r.message;
    return outcome;
}
