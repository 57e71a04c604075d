#include "app/headless_export.h"

#include "app/command_line.h"
#include "export/export_report.h"
#include "files/design_file.h"
#include "model/v_doc.h"
#include "report/report_generation.h"
#include "report/report_sink.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace
{

HeadlessOutcome failure(const QString &why)
{
    HeadlessOutcome outcome;
    outcome.error = why;
    return outcome;
}

bool load(VDoc &doc, const QString &path, QStringList &warnings, QString *error)
{
    const FileResult r = ReadDesignFile(doc, path);
    for (const QString &warning : r.warnings)
        warnings << path + QStringLiteral(": ") + warning;
    if (!r) *error = path + QStringLiteral(": ") + r.error;
    return bool(r);
}

} // namespace

HeadlessOutcome RunHeadlessExport(const CommandLineOptions &options)
{
    const QString extension = options.exportExtension.toLower();
    PictureFormats pictures;
    const int format = ExportFormatForExtension(extension, &pictures);
    if (format < 0)
        return failure(
            QStringLiteral("-e: unknown export format '") + options.exportExtension +
            QStringLiteral("'; one of pdf, rtf, doc, txt, html, mht, xlsx, bmp, jpeg, gif, ico, png, edf"));

    HeadlessOutcome outcome;
    QString error;
    VDoc report;
    QString folder;
    QString base;
    if (!options.designFile.isEmpty() && !options.dataFile.isEmpty()) {
        VDoc design;
        if (!load(design, options.designFile, outcome.warnings, &error)) return failure(error);
        QString reason;
        ReportSink keep;
        if (!ReadDataFile(options.dataFile, design, report, &keep, &reason))
            return failure(
                DataErrorMessage(QStringLiteral("Data structure error =>  ") + options.dataFile, reason));
        folder = QFileInfo(options.dataFile).absolutePath();
        base = QFileInfo(options.designFile).completeBaseName();
    } else if (!options.reportFile.isEmpty()) {
        if (!load(report, options.reportFile, outcome.warnings, &error)) return failure(error);
        folder = QFileInfo(options.reportFile).absolutePath();
        const QString named = options.designFile.isEmpty() ? options.reportFile : options.designFile;
        base = QFileInfo(named).completeBaseName();
    } else {
        return failure(QStringLiteral("-g -e needs -t DESIGN with -d DATA, or -r REPORT"));
    }
    if (report.IsEmpty()) return failure(QStringLiteral("the report has no pages; nothing was written"));
    report.SetPrintableOnly(options.checkPrintable);
    report.SetBlackWhite(options.blackWhite);

    ExportOptions exportOptions;
    exportOptions.mht = extension == QLatin1String("mht");
    exportOptions.pictures = pictures;
    exportOptions.version = QStringLiteral(TESSALY_VERSION);
    exportOptions.inputs = {options.designFile, options.dataFile, options.reportFile};
    const QString path = folder + QLatin1Char('/') + base + QLatin1Char('.') + extension;
    const ExportResult r = ExportReport(report, format, path, exportOptions);
    outcome.written = r.written;
    if (!r) {
        outcome.error = r.message;
        return outcome;
    }
    outcome.warnings << r.warnings;
    outcome.ok = true;
    // The data file goes only once its report is safely out.
    if (options.deleteDataOnExit && !options.dataFile.isEmpty()) QFile::remove(options.dataFile);
    return outcome;
}

void ConsolePrompts::warning(const QString &caption, const QString &text)
{
    const QString line = (caption.isEmpty() ? QString() : caption + QStringLiteral(": ")) +
                         QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(stderr, "%s\n", qPrintable(line));
}

void ConsolePrompts::information(const QString &, const QString &text)
{
    std::fprintf(stdout, "%s\n", qPrintable(text));
}

Prompts::Answer ConsolePrompts::askYesNoCancel(const QString &, const QString &)
{
    return Cancel;
}

QString ConsolePrompts::openFileName(const QString &, const QString &)
{
    return {};
}

QString ConsolePrompts::saveFileName(const QString &, const QString &, const QString &, const QString &)
{
    return {};
}
