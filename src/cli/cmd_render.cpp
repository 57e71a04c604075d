#include "cli/cli_command.h"
#include "cli/cli_util.h"

#include "export/page_markup.h"
#include "files/atomic_file.h"
#include "files/file_checks.h"
#include "model/v_doc.h"
#include "render/page_image.h"
#include "report/report_generation.h"

#include <QFileInfo>

namespace
{

const char *kUsage =
    "render DOC [--data DATA] [--page N|all] [--zoom Z] [--dpi D] [--design-view] [--bw] [--printable-only] "
    "[--code-page 1251|1252|1254] -o OUT.png|OUT.jpg|OUT.bmp\n"
    "  OUT's extension picks the format: .png, .jpg or .jpeg, .bmp\n"
    "  --page all writes OUT(1).png, OUT(2).png, ... as the picture export names them (OUT.png for one page)";

// The writer's format for OUT's extension; null for an extension it does not take.
const char *imageFormat(const QString &out)
{
    const QString suffix = QFileInfo(out).suffix().toLower();
    if (suffix == QLatin1String("png")) return "PNG";
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) return "JPEG";
    if (suffix == QLatin1String("bmp")) return "BMP";
    return nullptr;
}

// Renders the pages asked for, one at a time, as they come: from a document or while a report
// is generated. With every page asked for, the first waits for the second, which decides whether
// it is OUT(1) or the only page OUT.
class PageRenderer : public ReportSink
{
public:
    PageRenderer(const PageImageOptions &options, const QString &out, bool all, int pageNumber,
                 const QStringList &inputs)
        : m_options(options), m_out(out), m_format(imageFormat(out)), m_all(all), m_pageNumber(pageNumber),
          m_inputs(inputs)
    {
    }

    // False after the message when the page cannot be rendered or written.
    bool render(VPage &page)
    {
        const int number = ++m_seen;
        if (!m_error.isEmpty() || (!m_all && number != m_pageNumber)) return m_error.isEmpty();
        const QString problem = page.PaperSizeProblem();
        const QSize size = PageImageSize(page, m_options);
        if (!problem.isEmpty()) {
            m_error = problem;
            return false;
        }
        if (size.isEmpty() || qint64(size.width()) * size.height() > kMaxPageImagePixels) {
            m_error =
                QStringLiteral("page %1: a %2 x %3 pixel image is too large or empty; lower --dpi or --zoom")
                    .arg(QString::number(number), QString::number(size.width()),
                         QString::number(size.height()));
            return false;
        }
        QImage image = RenderPageImage(page, m_options);
        if (image.isNull()) {
            m_error = QStringLiteral("page ") + QString::number(number) +
                      QStringLiteral(": cannot draw the picture");
            return false;
        }
        if (!m_all) return write(m_out, image);
        if (number == 1) {
            m_first = std::move(image);
            return true;
        }
        if (number == 2 && !write(numberedPath(1), m_first)) return false;
        m_first = QImage();
        return write(numberedPath(number), image);
    }

    // The only page of an all-pages render is OUT itself.
    bool finish()
    {
        if (m_error.isEmpty() && !m_first.isNull()) write(m_out, m_first);
        m_first = QImage();
        return m_error.isEmpty();
    }

    void PageDone(VDoc &report, int index) override { render(*report.TakePage(index)); }
    QString StopReason() const override { return m_error; }
    QString error() const { return m_error; }
    int pages() const { return m_seen; }

private:
    QString numberedPath(int number) const
    {
        return OutputBase(m_out) + QLatin1Char('(') + QString::number(number) + QStringLiteral(").") +
               QFileInfo(m_out).suffix();
    }

    bool write(const QString &path, const QImage &image)
    {
        QString error = OutputOverwritesInput(path, m_inputs);
        // JPEG and BMP hold no transparency: the page's white stays white.
        const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
        if (error.isEmpty() && SaveImageAtomically(path, opaque, m_format, -1, &error)) {
            cliOut(path);
            return true;
        }
        m_error = error.isEmpty() ? path + QStringLiteral(": cannot write the picture") : error;
        return false;
    }

    PageImageOptions m_options;
    QString m_out;
    const char *m_format;
    bool m_all;
    int m_pageNumber;
    QStringList m_inputs;
    QImage m_first; // an all-pages render's first page, until the second comes
    int m_seen = 0;
    QString m_error;
};

int runRender(const QStringList &args)
{
    CliArgs a(args,
              {QStringLiteral("--data"), QStringLiteral("--page"), QStringLiteral("--zoom"),
               QStringLiteral("--dpi"), QStringLiteral("-o"), QLatin1String(kCodePageOption)},
              {QStringLiteral("--design-view"), QStringLiteral("--bw"), QStringLiteral("--printable-only")});
    if (const QString problem = a.problem({QStringLiteral("DOC")}, {QStringLiteral("-o")});
        !problem.isEmpty())
        return cliUsage(kUsage, problem);
    const auto out = a.value(QStringLiteral("-o"));
    if (!cliApplyCodePage(a)) return cliUsage(kUsage);

    PageImageOptions options;
    int dpi = 0;
    if (!cliParseInt(a.value(QStringLiteral("--zoom")), 1, 1000, &options.zoom)) {
        return cliUsage(kUsage, QStringLiteral("--zoom takes a percentage from 1 to 1000"));
    }
    if (!cliParseInt(a.value(QStringLiteral("--dpi")), 1, 4800, &dpi)) {
        return cliUsage(kUsage, QStringLiteral("--dpi takes a resolution from 1 to 4800"));
    }
    options.dpi = dpi;
    options.designView = a.flag(QStringLiteral("--design-view"));
    options.blackWhite = a.flag(QStringLiteral("--bw"));
    options.printableOnly = a.flag(QStringLiteral("--printable-only"));

    const QString pageArg = a.value(QStringLiteral("--page")).value_or(QStringLiteral("1"));
    const bool all = pageArg == QLatin1String("all");
    int pageNumber = 1;
    if (!all && !cliParseInt(pageArg, 1, INT_MAX, &pageNumber)) {
        return cliUsage(kUsage, QStringLiteral("--page takes a page number from 1 or all, not ") + pageArg);
    }
    const QString docPath = a.positional().first();
    const std::optional<QString> data = a.value(QStringLiteral("--data"));
    const QStringList inputs = {docPath, data.value_or(QString())};
    if (!cliOutputIsNew(*out, inputs)) return kExitFailure;
    if (!imageFormat(*out))
        return cliUsage(
            kUsage, QStringLiteral("-o ") + *out +
                        QStringLiteral(": the extension picks the format, one of .png, .jpg, .jpeg, .bmp"));

    VDoc doc;
    if (!cliLoadDocument(docPath, doc)) return kExitFailure;
    PageRenderer renderer(options, *out, all, pageNumber, inputs);
    if (data) {
        VDoc report;
        QString reason;
        const bool read = ReadDataFile(*data, doc, report, &renderer, &reason);
        while (read && renderer.error().isEmpty() && !report.IsEmpty())
            renderer.render(*report.TakePage(0));
        if (read) renderer.finish();
        if (!renderer.error().isEmpty()) {
            cliError(renderer.error());
            return kExitFailure;
        }
        if (!read) {
            cliDataError(*data, reason);
            return kExitFailure;
        }
    } else {
        for (int i = 0; i < doc.PageCount() && renderer.render(*doc.PageAt(i)); ++i) {
        }
        renderer.finish();
        if (!renderer.error().isEmpty()) {
            cliError(renderer.error());
            return kExitFailure;
        }
    }
    if (renderer.pages() == 0) {
        cliError(QStringLiteral("%1: the document has no pages").arg(docPath));
        return kExitFailure;
    }
    if (!all && pageNumber > renderer.pages()) {
        cliError(QStringLiteral("page %1 does not exist; the document has %2 page(s)")
                     .arg(pageNumber)
                     .arg(renderer.pages()));
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace

TESSALY_CLI_COMMAND("render", kUsage, runRender);
