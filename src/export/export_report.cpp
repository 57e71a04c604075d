#include "export/export_report.h"

#include "export/edf_writer.h"
#include "export/html_export.h"
#include "export/pdf_export.h"
#include "export/rtf_export.h"
#include "export/text_export.h"
#include "export/xlsx_export.h"
#include "files/file_checks.h"
#include "model/code_page.h"
#include "model/v_doc.h"

namespace
{

ExportResult fromPdf(const PdfExportResult &r, const QString &path)
{
    if (!r) return ExportResult::failure(r.message.trimmed());
    ExportResult result;
    result.written << path;
    result.warnings = r.warnings;
    return result;
}

ExportResult fromFile(const FileResult &r, const QString &path)
{
    if (!r) return ExportResult::failure(r.error);
    ExportResult result;
    result.written << path;
    result.warnings = r.warnings;
    return result;
}

template <typename Writer> ExportResult feed(Writer &writer, const PageSource &source)
{
    bool failed = false;
    QString reason;
    const bool read = source(
        [&](VPage &page) {
            if (!failed && !writer.AddPage(page)) failed = true;
            return !failed;
        },
        &reason);
    // The writer's own message wins when it was the writer that stopped the source.
    if (!read && !failed) return ExportResult::failure(reason);
    return writer.Finish();
}

// The first of paths that would replace an input, as a refusal; empty when none does.
QString overwritesInput(const QStringList &paths, const QStringList &inputs)
{
    for (const QString &path : paths)
        if (const QString refusal = OutputOverwritesInput(path, inputs); !refusal.isEmpty()) return refusal;
    return {};
}

} // namespace

namespace
{
HtmlOptions htmlOptions(const ExportOptions &options, int codePage)
{
    HtmlOptions html;
    html.codePage = codePage;
    html.savePictures = options.savePictures;
    html.mht = options.mht;
    html.title = options.title;
    html.version = options.version;
    return html;
}
} // namespace

ExportResult ExportReport(VDoc &report, int format, const QString &path, const ExportOptions &options)
{
    const int codePage = options.codePage ? options.codePage : InterfaceCodePage();
    const QStringList targets = format == ExportPictureFormat
                                    ? PicturePaths(report.PageCount(), path, options.pictures)
                                : format == ExportEdfFormat ? QStringList{EdfPath(path)}
                                                            : QStringList{path};
    if (const QString refusal = overwritesInput(targets, options.inputs); !refusal.isEmpty())
        return ExportResult::failure(refusal);

    switch (format) {
    case ExportTextFormat:
        return ExportText(report, path, options.newPageChar, options.eofChar, codePage);
    case ExportHtmlFormat:
        return ExportHtml(report, path, htmlOptions(options, codePage));
    case ExportRtfFormat: {
        RtfOptions rtf;
        rtf.codePage = codePage;
        rtf.savePictures = options.savePictures;
        return ExportRtf(report, path, rtf);
    }
    case ExportDocFormat:
        return ExportDoc(report, path, options.savePictures);
    case ExportPdfFormat:
        return fromPdf(ExportReportPdf(report, path, codePage, options.title, options.keepPictures, options.jobs), path);
    case ExportPictureFormat:
        return ExportPictures(report, path, options.pictures);
    case ExportEdfFormat:
        return fromFile(ExportEdf(report, path), EdfPath(path));
    case ExportSheetFormat:
        return ExportXlsx(report, path);
    default:
        return ExportResult::failure(QStringLiteral("Unknown export format"));
    }
}

ExportResult ExportPages(const PageSource &source, int format, const QString &path,
                         const ExportOptions &options, const QString &fontName)
{
    const int codePage = options.codePage ? options.codePage : InterfaceCodePage();
    switch (format) {
    case ExportTextFormat: {
        TextWriter writer(path, options.newPageChar, options.eofChar, codePage);
        return feed(writer, source);
    }
    case ExportHtmlFormat: {
        HtmlWriter writer(path, fontName, htmlOptions(options, codePage));
        return feed(writer, source);
    }
    case ExportRtfFormat: {
        RtfOptions rtf;
        rtf.codePage = codePage;
        rtf.savePictures = options.savePictures;
        RtfWriter writer(path, rtf);
        return feed(writer, source);
    }
    case ExportDocFormat: {
        DocWriter writer(path, options.savePictures);
        return feed(writer, source);
    }
    case ExportPictureFormat: {
        PictureWriter writer(path, options.pictures, options.inputs);
        return feed(writer, source);
    }
    case ExportSheetFormat: {
        XlsxWriter writer(path);
        return feed(writer, source);
    }
    case ExportEdfFormat: {
        // EdfWriter's result is a file's; it names no file, so the target is added here.
        struct Edf {
            EdfWriter writer;
            QString target;
            bool AddPage(VPage &page) { return writer.AddPage(page); }
            ExportResult Finish() { return fromFile(writer.Finish(), target); }
        } edf{EdfWriter(path, options.inputs), EdfPath(path)};
        return feed(edf, source);
    }
    default:
        return ExportResult::failure(QStringLiteral("This output is not written page by page"));
    }
}

int ExportFormatForExtension(const QString &extension, PictureFormats *pictures)
{
    const QString e = extension.toLower();
    static const struct {
        const char *name;
        int format;
    } kFormats[] = {{"txt", ExportTextFormat}, {"html", ExportHtmlFormat}, {"htm", ExportHtmlFormat},
                    {"mht", ExportHtmlFormat}, {"rtf", ExportRtfFormat},   {"doc", ExportDocFormat},
                    {"pdf", ExportPdfFormat},  {"edf", ExportEdfFormat},   {"xlsx", ExportSheetFormat}};
    for (const auto &f : kFormats)
        if (e == QLatin1String(f.name)) return f.format;
    static const struct {
        const char *name;
        PictureFormat format;
    } kPictures[] = {{"bmp", PictureFormat::Bmp}, {"jpeg", PictureFormat::Jpeg}, {"jpg", PictureFormat::Jpeg},
                     {"gif", PictureFormat::Gif}, {"ico", PictureFormat::Ico},   {"png", PictureFormat::Png}};
    for (const auto &p : kPictures)
        if (e == QLatin1String(p.name)) {
            if (pictures) *pictures = p.format;
            return ExportPictureFormat;
        }
    return -1;
}
