#include "cli/cli_command.h"
#include "cli/cli_util.h"

#include "export/edf_writer.h"
#include "export/export_report.h"
#include "export/html_export.h"
#include "export/pdf_export.h"
#include "export/picture_export.h"
#include "export/rtf_export.h"
#include "export/text_export.h"
#include "model/code_page.h"
#include "model/v_doc.h"
#include "report/report_generation.h"
#include "report/report_outputs.h"
#include "report/report_sink.h"

#include <QFileInfo>
#include <functional>

namespace
{

const char *const kUsage =
    "export DOC [--data DATA] --format txt|html|mht|rtf|doc|pdf|xlsx|bmp|jpeg|gif|ico|png|edf -o OUT "
    "[--new-page-char] [--eof-char] [--no-pictures] [--code-page 1251|1252|1254|utf-8] [--keep-pictures]\n"
    "[--jobs N]\n"
    "  --code-page: the interface code page by default; utf-8 for txt, html, mht and xlsx only\n"
    "  txt: --new-page-char puts a form-feed line between pages, --eof-char ends with character 26\n"
    "  html: pictures beside OUT unless --no-pictures; mht: one MIME HTML file\n"
    "  rtf: pictures inside OUT unless --no-pictures; doc: the same as Word 97 (needs LibreOffice)\n"
    "  bmp|jpeg|gif|ico|png: OUT(page).ext per page (OUT.ext for one page); the files are listed\n"
    "  pdf: --keep-pictures leaves the label pictures beside OUT; the pages are drawn on --jobs N\n"
    "       threads (one per core by default), the file being the same for any N\n"
    "  xlsx: a sheet per page, each text in the cell of its place, numbers as numbers (always Unicode)\n"
    "  edf: the print engine's file (OUT with .edf)";

const QStringList kPictureFormats = {"bmp", "jpeg", "gif", "ico", "png"};

PictureFormat pictureFormat(const QString &name)
{
    static const PictureFormat formats[] = {PictureFormat::Bmp, PictureFormat::Jpeg, PictureFormat::Gif,
                                            PictureFormat::Ico, PictureFormat::Png};
    return formats[kPictureFormats.indexOf(name)];
}

bool asksUtf8(const CliArgs &a)
{
    const std::optional<QString> value = a.value(QLatin1String(kCodePageOption));
    return value && (value->compare(QLatin1String("utf-8"), Qt::CaseInsensitive) == 0 ||
                     value->compare(QLatin1String("utf8"), Qt::CaseInsensitive) == 0);
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

// A file written with warnings (a character the code page lacks) is complete but not exact: 1.
int reportResult(const ExportResult &r)
{
    if (!r) {
        cliError(r.message);
        return kExitFailure;
    }
    for (const QString &warning : r.warnings)
        cliError(QStringLiteral("warning: ") + warning);
    return r.warnings.isEmpty() ? kExitOk : kExitFailure;
}

// Hands each page of the report to an output as soon as generation completes it and frees it,
// so that the export of a report of any length needs the memory of one page.
class PageSink : public ReportSink
{
public:
    explicit PageSink(std::function<bool(VPage &)> add) : m_add(std::move(add)) {}
    void PageDone(VDoc &report, int index) override
    {
        const std::unique_ptr<VPage> page = report.TakePage(index);
        if (!m_failed && !m_add(*page)) m_failed = true;
    }
    // Reading on is pointless once the output has failed (a full disk).
    QString StopReason() const override
    {
        return m_failed ? QStringLiteral("the output could not be written") : QString();
    }
    bool failed() const { return m_failed; }
    // The pages generation left in the report.
    void finish(VDoc &report)
    {
        while (!report.IsEmpty())
            PageDone(report, 0);
    }

private:
    std::function<bool(VPage &)> m_add;
    bool m_failed = false;
};

ExportOptions exportOptions(const QString &format, const CliArgs &a, const QStringList &inputs)
{
    ExportOptions options;
    options.newPageChar = a.flag(QStringLiteral("--new-page-char"));
    options.eofChar = a.flag(QStringLiteral("--eof-char"));
    options.savePictures = !a.flag(QStringLiteral("--no-pictures"));
    options.mht = format == QLatin1String("mht");
    options.keepPictures = a.flag(QStringLiteral("--keep-pictures"));
    // Checked by the caller before anything is read.
    cliParseInt(a.value(QStringLiteral("--jobs")), 1, kMaxJobs, &options.jobs);
    options.version = QStringLiteral(TESSALY_VERSION);
    options.inputs = inputs;
    if (asksUtf8(a)) options.codePage = kUtf8CodePage;
    if (kPictureFormats.contains(format)) options.pictures = pictureFormat(format);
    return options;
}

// What the export wrote or why not: pictures name their files; the print-engine file's warnings
// have always come without a prefix.
int finishExport(const QString &format, const ExportResult &r)
{
    if (format == QLatin1String("edf"))
        return cliFileResult(r ? FileResult{true, {}, r.warnings} : FileResult::failure(r.message));
    if (kPictureFormats.contains(format))
        for (const QString &file : r.written)
            cliOut(file);
    return reportResult(r);
}

// The outputs that take their pages one by one (all but PDF, which has a sink of its own), fed
// from the data as it is read.
int streamExport(const VDoc &design, const QString &dataPath, const QString &format, const QString &out,
                 const CliArgs &a, const QStringList &inputs)
{
    // Report pages take their design pages' paper: a size no output can hold stops before writing.
    if (const QString problem = design.PaperSizeProblem(); !problem.isEmpty()) {
        cliError(problem);
        return kExitFailure;
    }
    const PageSource source = [&](const std::function<bool(VPage &)> &add, QString *reason) {
        PageSink sink(add);
        VDoc doc;
        QString why;
        const bool read = ReadDataFile(dataPath, design, doc, &sink, &why);
        if (read) sink.finish(doc);
        if (!read) *reason = DataErrorMessage(QStringLiteral("Data structure error =>  ") + dataPath, why);
        return read;
    };
    const ExportResult r =
        ExportPages(source, ExportFormatForExtension(format), QFileInfo(out).absoluteFilePath(),
                    exportOptions(format, a, inputs), design.Font().FontName());
    return finishExport(format, r);
}

// The outputs of a whole report in memory.
int exportReport(VDoc &report, const QString &format, const QString &out, const CliArgs &a,
                 const QStringList &inputs)
{
    const QString path = QFileInfo(out).absoluteFilePath();
    const ExportResult r =
        ExportReport(report, ExportFormatForExtension(format), path, exportOptions(format, a, inputs));
    return finishExport(format, r);
}

int runExport(const QStringList &args)
{
    CliArgs a(args,
              {QStringLiteral("--data"), QStringLiteral("--format"), QStringLiteral("-o"),
               QLatin1String(kCodePageOption), QStringLiteral("--jobs")},
              {QStringLiteral("--new-page-char"), QStringLiteral("--eof-char"),
               QStringLiteral("--keep-pictures"), QStringLiteral("--no-pictures")});
    const auto format = a.value(QStringLiteral("--format"));
    const auto out = a.value(QStringLiteral("-o"));
    if (!a.ok() || a.positional().size() != 1 || !format || !out || out->isEmpty())
        return cliUsage(kUsage, a.problem({QStringLiteral("DOC")}, {QStringLiteral("--format"), QStringLiteral("-o")}));
    static const QStringList available =
        QStringList{"txt", "html", "mht", "rtf", "doc", "pdf", "xlsx", "edf"} + kPictureFormats;
    const QString f = format->toLower();
    if (!available.contains(f))
        return cliUsage(kUsage, QStringLiteral("--format: unknown format ") + *format + QStringLiteral(" (") +
                                    available.join(QStringLiteral(", ")) + QLatin1Char(')'));
    if (asksUtf8(a)) {
        if (!QStringList{"txt", "html", "mht", "xlsx"}.contains(f)) {
            cliError(QStringLiteral("--code-page utf-8 is for txt, html, mht and xlsx only"));
            return kExitUsage;
        }
    } else if (!cliApplyCodePage(a)) {
        return cliUsage(kUsage);
    }
    int jobs = -1;
    if (!cliParseInt(a.value(QStringLiteral("--jobs")), 1, kMaxJobs, &jobs))
        return cliUsage(kUsage, QStringLiteral("--jobs takes 1 to %1").arg(kMaxJobs));
    const QString docPath = a.positional().first();
    const std::optional<QString> data = a.value(QStringLiteral("--data"));
    const QStringList inputs = {docPath, data.value_or(QString())};
    if (!cliOutputIsNew(*out, inputs)) return kExitFailure;
    if (f != QLatin1String("pdf")) {
        VDoc doc;
        if (!cliLoadDocument(docPath, doc)) return kExitFailure;
        if (!data) return exportReport(doc, f, *out, a, inputs);
        return streamExport(doc, *data, f, *out, a, inputs);
    }
    const QString pdfPath = QFileInfo(*out).absoluteFilePath();
    const bool keepPictures = a.flag(QStringLiteral("--keep-pictures"));
    VDoc doc;
    if (!cliLoadDocument(docPath, doc)) return kExitFailure;
    if (!data) return exportReport(doc, f, *out, a, inputs);

    // DOC is the design; its report is exported page by page while the data is read.
    PdfFileSink pdf(doc, pdfPath, InterfaceCodePage(), keepPictures, jobs);
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
