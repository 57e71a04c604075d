#include "cli/cli_command.h"
#include "cli/cli_util.h"

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
    "[--code-page 1251|1252|1254] -o OUT.png";

// OUT.png -> OUT_2.png for the second page when every page is written.
QString numberedPath(const QString &out, int number)
{
    const QFileInfo info(out);
    const QString suffix = info.suffix();
    QString base = out;
    if (!suffix.isEmpty()) base.chop(suffix.size() + 1);
    return base + QStringLiteral("_%1").arg(number) +
           (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
}

// Renders the pages asked for, one at a time, as they come: from a document or while a report
// is generated.
class PageRenderer : public ReportSink
{
public:
    PageRenderer(const PageImageOptions &options, const QString &out, bool all, int pageNumber,
                 const QStringList &inputs)
        : m_options(options), m_out(out), m_all(all), m_pageNumber(pageNumber), m_inputs(inputs)
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
        } else if (size.isEmpty() || qint64(size.width()) * size.height() > kMaxPageImagePixels) {
            m_error =
                QStringLiteral("page %1: a %2 x %3 pixel image is too large or empty; lower --dpi or --zoom")
                    .arg(number)
                    .arg(size.width())
                    .arg(size.height());
        } else {
            const QString path = m_all ? numberedPath(m_out, number) : m_out;
            const QImage image = RenderPageImage(page, m_options);
            QString error = OutputOverwritesInput(path, m_inputs);
            if (!error.isEmpty() || image.isNull() || !SaveImageAtomically(path, image, "png", -1, &error))
                m_error = error.isEmpty() ? QStringLiteral("%1: cannot draw the picture").arg(path) : error;
            else
                cliOut(path);
        }
        return m_error.isEmpty();
    }

    void PageDone(VDoc &report, int index) override { render(*report.TakePage(index)); }
    QString StopReason() const override { return m_error; }
    QString error() const { return m_error; }
    int pages() const { return m_seen; }

private:
    PageImageOptions m_options;
    QString m_out;
    bool m_all;
    int m_pageNumber;
    QStringList m_inputs;
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

    VDoc doc;
    if (!cliLoadDocument(docPath, doc)) return kExitFailure;
    PageRenderer renderer(options, *out, all, pageNumber, inputs);
    if (data) {
        VDoc report;
        QString reason;
        const bool read = ReadDataFile(*data, doc, report, &renderer, &reason);
        while (read && renderer.error().isEmpty() && !report.IsEmpty())
            renderer.render(*report.TakePage(0));
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
