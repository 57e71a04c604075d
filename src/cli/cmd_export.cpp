#include "cli/cli_command.h"
#include "cli/cli_util.h"

#include "export/html_export.h"
#include "export/pdf_export.h"
#include "export/rtf_export.h"
#include "files/edf_writer.h"
#include "export/picture_export.h"
#include "export/text_export.h"
#include "model/code_page.h"
#include "model/v_doc.h"
#include "report/report_generation.h"
#include "report/report_outputs.h"
#include "report/report_sink.h"

#include <QFileInfo>

namespace
{

const char *const kUsage =
    "export DOC [--data DATA] --format txt|html|mht|rtf|doc|pdf|bmp|jpeg|gif|ico|png|edf -o OUT "
    "[--new-page-char] [--eof-char] [--no-pictures] [--code-page 1251|1252|1254] [--keep-pictures]\n"
    "  txt: --new-page-char puts a form-feed line between pages, --eof-char ends with character 26\n"
    "  html: pictures beside OUT unless --no-pictures; mht: one MIME HTML file\n"
    "  rtf: pictures inside OUT unless --no-pictures; doc: the same as Word 97 (needs LibreOffice)\n"
    "  bmp|jpeg|gif|ico|png: OUT(page).ext per page (OUT.ext for one page); the files are listed\n"
    "  pdf: --keep-pictures leaves the label pictures beside OUT\n"
    "  edf: the print engine's file (OUT with .edf)";

const QStringList kPictureFormats = {"bmp", "jpeg", "gif", "ico", "png"};

PictureFormat pictureFormat(const QString &name)
{
    static const PictureFormat formats[] = {PictureFormat::Bmp, PictureFormat::Jpeg, PictureFormat::Gif,
                                            PictureFormat::Ico, PictureFormat::Png};
    return formats[kPictureFormats.indexOf(name)];
}

// The file is written even when something could not be drawn; the exit code says it is incomplete.
int reportPdf(const PdfExportResult &r)
{
    if (!r) {
        cliError(r.message.trimmed());
        return kExitFailure;
    }
    for (const QString &warning : r.warnings)
        cliError(QStringLiteral("warning: ") + warning);
    return r.warnings.isEmpty() ? kExitOk : kExitFailure;
}

int reportResult(const ExportResult &r)
{
    if (!r) {
        cliError(r.message);
        return kExitFailure;
    }
    return kExitOk;
}

// The text, HTML and picture outputs work on the whole report.
int exportReport(VDoc &report, const QString &format, const QString &out, const CliArgs &a,
                 const QStringList &inputs)
{
    const QString path = QFileInfo(out).absoluteFilePath();
    if (format == QLatin1String("edf")) return cliFileResult(ExportEdf(report, path));
    if (format == QLatin1String("txt"))
        return reportResult(ExportText(report, path, a.flag(QStringLiteral("--new-page-char")),
                                       a.flag(QStringLiteral("--eof-char")), InterfaceCodePage()));
    if (format == QLatin1String("html") || format == QLatin1String("mht")) {
        HtmlOptions options;
        options.codePage = InterfaceCodePage();
        options.savePictures = !a.flag(QStringLiteral("--no-pictures"));
        options.mht = format == QLatin1String("mht");
        options.version = QStringLiteral(TESSALY_VERSION);
        return reportResult(ExportHtml(report, path, options));
    }
    if (format == QLatin1String("rtf")) {
        RtfOptions options;
        options.codePage = InterfaceCodePage();
        options.savePictures = !a.flag(QStringLiteral("--no-pictures"));
        return reportResult(ExportRtf(report, path, options));
    }
    if (format == QLatin1String("doc"))
        return reportResult(ExportDoc(report, path, !a.flag(QStringLiteral("--no-pictures"))));
    // One file per page and format; none of them may be an input.
    for (const QString &file : PicturePaths(report.PageCount(), path, pictureFormat(format)))
        if (!cliOutputIsNew(file, inputs)) return kExitFailure;
    QStringList written;
    const ExportResult r = ExportPictures(report, path, pictureFormat(format), &written);
    for (const QString &file : written)
        cliOut(file);
    return reportResult(r);
}

int runExport(const QStringList &args)
{
    CliArgs a(args,
              {QStringLiteral("--data"), QStringLiteral("--format"), QStringLiteral("-o"),
               QLatin1String(kCodePageOption)},
              {QStringLiteral("--new-page-char"), QStringLiteral("--eof-char"),
               QStringLiteral("--keep-pictures"), QStringLiteral("--no-pictures")});
    const auto format = a.value(QStringLiteral("--format"));
    const auto out = a.value(QStringLiteral("-o"));
    if (!a.ok() || a.positional().size() != 1 || !format || !out || out->isEmpty()) return cliUsage(kUsage);
    if (!cliApplyCodePage(a)) return kExitUsage;
    static const QStringList available =
        QStringList{"txt", "html", "mht", "rtf", "doc", "pdf", "edf"} + kPictureFormats;
    const QString f = format->toLower();
    if (!available.contains(f)) return cliUsage(kUsage);
    const QString docPath = a.positional().first();
    const std::optional<QString> data = a.value(QStringLiteral("--data"));
    const QStringList inputs = {docPath, data.value_or(QString())};
    if (!cliOutputIsNew(*out, inputs)) return kExitFailure;
    if (f != QLatin1String("pdf")) {
        VDoc doc;
        if (!cliLoadDocument(docPath, doc)) return kExitFailure;
        if (!data) return exportReport(doc, f, *out, a, inputs);
        ReportSink keep;
        VDoc report;
        QString reason;
        if (!ReadDataFile(*data, doc, report, &keep, &reason)) {
            cliDataError(*data, reason);
            return kExitFailure;
        }
        return exportReport(report, f, *out, a, inputs);
    }
    const QString pdfPath = QFileInfo(*out).absoluteFilePath();
    const bool keepPictures = a.flag(QStringLiteral("--keep-pictures"));
    VDoc doc;
    if (!cliLoadDocument(docPath, doc)) return kExitFailure;
    if (!data)
        return reportPdf(
            ExportReportPdf(doc, pdfPath, InterfaceCodePage(), QStringLiteral("Tessaly"), keepPictures));

    // DOC is the design; its report is exported page by page while the data is read.
    PdfFileSink pdf(doc, pdfPath, InterfaceCodePage(), keepPictures);
    VDoc report;
    QString reason;
    if (!ReadDataFile(*data, doc, report, &pdf, &reason)) {
        cliDataError(*data, reason);
        return kExitFailure;
    }
    const PdfExportResult r = pdf.Finish(report);
    if (!r && r.message == QLatin1String("The report has no pages")) {
        cliError(QStringLiteral("the report has no pages; %1 was not written").arg(*out));
        return kExitFailure;
    }
    return reportPdf(r);
}

} // namespace

TESSALY_CLI_COMMAND("export", kUsage, runExport);
