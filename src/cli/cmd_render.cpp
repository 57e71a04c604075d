#include "cli/cli_command.h"
#include "cli/cli_util.h"

#include "model/v_doc.h"
#include "render/page_image.h"

#include <QFileInfo>
#include <QImageWriter>

namespace
{

const char *kUsage =
    "render DOC [--data DATA] [--page N|all] [--zoom Z] [--dpi D] [--design-view] [--bw] [--printable-only] "
    "-o OUT.png";

bool parseInt(const std::optional<QString> &text, int low, int high, int *value)
{
    if (!text) return true;
    bool ok = false;
    const int v = text->toInt(&ok);
    if (!ok || v < low || v > high) return false;
    *value = v;
    return true;
}

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

int runRender(const QStringList &args)
{
    CliArgs a(
        args,
        {QStringLiteral("--data"), QStringLiteral("--page"), QStringLiteral("--zoom"), QStringLiteral("--dpi"),
         QStringLiteral("-o")},
        {QStringLiteral("--design-view"), QStringLiteral("--bw"), QStringLiteral("--printable-only")});
    if (!a.ok()) {
        cliError(a.error());
        return cliUsage(kUsage);
    }
    const auto out = a.value(QStringLiteral("-o"));
    if (a.positional().size() != 1 || !out || out->isEmpty()) return cliUsage(kUsage);

    PageImageOptions options;
    int dpi = 0;
    if (!parseInt(a.value(QStringLiteral("--zoom")), 1, 1000, &options.zoom)) {
        cliError(QStringLiteral("--zoom takes a percentage from 1 to 1000"));
        return kExitUsage;
    }
    if (!parseInt(a.value(QStringLiteral("--dpi")), 1, 4800, &dpi)) {
        cliError(QStringLiteral("--dpi takes a resolution from 1 to 4800"));
        return kExitUsage;
    }
    options.dpi = dpi;
    options.designView = a.flag(QStringLiteral("--design-view"));
    options.blackWhite = a.flag(QStringLiteral("--bw"));
    options.printableOnly = a.flag(QStringLiteral("--printable-only"));

    const QString pageArg = a.value(QStringLiteral("--page")).value_or(QStringLiteral("1"));
    const bool all = pageArg == QLatin1String("all");
    int pageNumber = 1;
    if (!all && !parseInt(pageArg, 1, INT_MAX, &pageNumber)) {
        cliError(QStringLiteral("--page takes a page number from 1 or all"));
        return kExitUsage;
    }

    VDoc doc;
    if (!cliLoadReport(a.positional().first(), a.value(QStringLiteral("--data")), doc)) return kExitFailure;
    if (doc.PageCount() == 0) {
        cliError(QStringLiteral("%1: the document has no pages").arg(a.positional().first()));
        return kExitFailure;
    }
    if (!all && pageNumber > doc.PageCount()) {
        cliError(QStringLiteral("page %1 does not exist; the document has %2 page(s)")
                     .arg(pageNumber)
                     .arg(doc.PageCount()));
        return kExitFailure;
    }

    const int first = all ? 0 : pageNumber - 1;
    const int last = all ? doc.PageCount() - 1 : pageNumber - 1;
    for (int i = first; i <= last; ++i) {
        VPage &page = *doc.PageAt(i);
        const QSize size = PageImageSize(page, options);
        if (size.isEmpty() || qint64(size.width()) * size.height() > kMaxPageImagePixels) {
            cliError(
                QStringLiteral("page %1: a %2 x %3 pixel image is too large or empty; lower --dpi or --zoom")
                    .arg(i + 1)
                    .arg(size.width())
                    .arg(size.height()));
            return kExitFailure;
        }
        const QImage image = RenderPageImage(page, options);
        const QString path = all ? numberedPath(*out, i + 1) : *out;
        QImageWriter writer(path, "png");
        if (image.isNull() || !writer.write(image)) {
            cliError(QStringLiteral("%1: cannot write the picture (%2)").arg(path, writer.errorString()));
            return kExitFailure;
        }
        cliOut(path);
    }
    return kExitOk;
}

} // namespace

TESSALY_CLI_COMMAND("render", kUsage, runRender);
