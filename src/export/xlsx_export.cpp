#include "export/xlsx_export.h"

#include "export/export_pictures.h"
#include "export/sheet_layout.h"
#include "export/sheet_number.h"
#include "files/atomic_file.h"
#include "model/v_doc.h"
#include "model/v_page.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <optional>
#include <tuple>
#include <utility>
#include <xlsxwriter.h>

namespace
{

constexpr int kMaxCellText = 32767; // what a spreadsheet cell holds
constexpr int kMaxSheetName = 31;

// Excel's column unit is a character of its default font, 7 pixels at 96 per inch (15 twips).
double columnCharacters(int twips)
{
    return std::clamp(twips / 105.0, 1.0, 255.0);
}

// "Page1 (2)": the page's name without the characters sheet names may not hold, and its number,
// which keeps the names of a report's pages apart.
QString sheetName(const QString &pageName, int number)
{
    const QString suffix = QStringLiteral(" (") + QString::number(number) + QLatin1Char(')');
    QString name;
    for (QChar c : pageName)
        if (!QStringLiteral("[]:*?/\\").contains(c) && c.unicode() >= 0x20) name += c;
    while (name.startsWith(QLatin1Char('\'')))
        name.remove(0, 1);
    name = name.trimmed().left(kMaxSheetName - suffix.size()).trimmed();
    return name.isEmpty() ? QString::number(number) : name + suffix;
}

// Control characters other than line ends and tabs cannot stand in the workbook's XML.
QString withoutControls(const QString &text, bool *replaced)
{
    QString out = text;
    for (QChar &c : out)
        if (c.unicode() < 0x20 && c != QLatin1Char('\n') && c != QLatin1Char('\t')) {
            c = QLatin1Char('?');
            *replaced = true;
        }
    return out;
}

lxw_color_t rgbOf(ColorRef c)
{
    // COLORREF keeps red in the low byte; the workbook wants 0xRRGGBB.
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

} // namespace

struct XlsxWriter::Private {
    QString path;
    QTemporaryDir folder;
    QByteArray workbookPath, tmpdir;
    lxw_workbook *book = nullptr;
    int pages = 0;
    ExportResult result;
    using FormatKey = std::tuple<QString, bool, bool, unsigned, qint64>;
    std::map<FormatKey, lxw_format *> formats;

    explicit Private(const QString &p) : path(p), folder(QDir::tempPath() + QStringLiteral("/tessaly-XXXXXX"))
    {
    }

    ~Private()
    {
        if (book) lxw_workbook_free(book);
    }

    void fail(const QString &why)
    {
        if (result) result = ExportResult::failure(why);
    }

    bool check(lxw_error error, const QString &what)
    {
        if (error == LXW_NO_ERROR) return true;
        fail(what + QStringLiteral(": ") + QString::fromUtf8(lxw_strerror(error)));
        return false;
    }

    // Formats are made once and shared by every sheet of the workbook.
    lxw_format *format(const QString &numbers, bool bold, bool wrap, unsigned sides,
                       std::optional<ColorRef> fill)
    {
        const FormatKey key{numbers, bold, wrap, sides, fill ? qint64(*fill) : -1};
        if (numbers.isEmpty() && !bold && !wrap && !sides && !fill) return nullptr;
        auto found = formats.find(key);
        if (found != formats.end()) return found->second;
        lxw_format *f = workbook_add_format(book);
        if (!numbers.isEmpty()) format_set_num_format(f, numbers.toUtf8().constData());
        if (bold) format_set_bold(f);
        if (wrap) {
            format_set_text_wrap(f);
            format_set_align(f, LXW_ALIGN_VERTICAL_TOP);
        }
        if (sides & SheetCell::Top) format_set_top(f, LXW_BORDER_THIN);
        if (sides & SheetCell::Right) format_set_right(f, LXW_BORDER_THIN);
        if (sides & SheetCell::Bottom) format_set_bottom(f, LXW_BORDER_THIN);
        if (sides & SheetCell::Left) format_set_left(f, LXW_BORDER_THIN);
        if (fill) {
            format_set_pattern(f, LXW_PATTERN_SOLID);
            format_set_bg_color(f, rgbOf(*fill));
        }
        formats.emplace(key, f);
        return f;
    }

    bool writeSheet(const VPage &page)
    {
        const SheetPage sheet = LayOutSheet(page);
        const QString where = QStringLiteral("page ") + QString::number(pages);
        if (sheet.columnTwips.size() > LXW_COL_MAX ||
            (!sheet.cells.empty() && sheet.cells.back().row >= int(LXW_ROW_MAX))) {
            fail(where + QStringLiteral(" has more rows or columns than a sheet holds"));
            return false;
        }
        const QByteArray name = sheetName(page.Name(), pages).toUtf8();
        lxw_worksheet *ws = workbook_add_worksheet(book, name.constData());
        if (!ws) {
            fail(where + QStringLiteral(": the sheet could not be made"));
            return false;
        }
        for (size_t c = 0; c < sheet.columnTwips.size(); ++c)
            if (!check(worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c),
                                            columnCharacters(sheet.columnTwips[c]), nullptr),
                       where))
                return false;
        bool replaced = false, cut = false;
        for (const SheetCell &cell : sheet.cells) {
            const lxw_row_t row = lxw_row_t(cell.row);
            const lxw_col_t column = lxw_col_t(cell.column);
            lxw_error error;
            const std::optional<SheetNumber> number =
                cell.text.contains(QLatin1Char('\n')) ? std::nullopt : ReadSheetNumber(cell.text);
            if (cell.text.isEmpty()) {
                error =
                    worksheet_write_blank(ws, row, column, format({}, false, false, cell.sides, cell.fill));
            } else if (number) {
                error =
                    worksheet_write_number(ws, row, column, number->value,
                                           format(number->format, cell.bold, false, cell.sides, cell.fill));
            } else {
                QString text = withoutControls(cell.text, &replaced);
                if (text.size() > kMaxCellText) {
                    text.truncate(kMaxCellText);
                    cut = true;
                }
                error = worksheet_write_string(
                    ws, row, column, text.toUtf8().constData(),
                    format({}, cell.bold, text.contains(QLatin1Char('\n')), cell.sides, cell.fill));
            }
            if (!check(error, where)) return false;
        }
        if (replaced) result.warnings << where + QStringLiteral(": control characters were written as '?'");
        if (cut)
            result.warnings << where + QStringLiteral(": a text longer than a cell holds (") +
                                   QString::number(kMaxCellText) + QStringLiteral(" characters) was cut");
        return true;
    }

    // The finished workbook goes to the target through the one atomic path.
    void copyToTarget()
    {
        QFile made(QString::fromLocal8Bit(workbookPath));
        if (!made.open(QIODevice::ReadOnly)) {
            fail(QStringLiteral("Cannot read the workbook made in ") + folder.path() + QStringLiteral(": ") +
                 made.errorString());
            return;
        }
        AtomicFile file(path);
        if (!file.open()) {
            fail(file.error());
            return;
        }
        while (!made.atEnd()) {
            const QByteArray chunk = made.read(1 << 16);
            if (chunk.isEmpty() || file.write(chunk) != chunk.size()) {
                if (chunk.isEmpty())
                    fail(QStringLiteral("Cannot read the workbook: ") + made.errorString());
                else
                    fail(file.error());
                file.discard();
                return;
            }
        }
        if (!file.commit()) fail(file.error());
    }
};

XlsxWriter::XlsxWriter(const QString &path) : d(std::make_unique<Private>(path))
{
    if (const QString problem = ExportTargetProblem(path); !problem.isEmpty()) {
        d->fail(problem);
        return;
    }
    if (!d->folder.isValid()) {
        d->fail(QStringLiteral("Cannot make a temporary folder: ") + d->folder.errorString());
        return;
    }
    d->workbookPath = QFile::encodeName(d->folder.filePath(QStringLiteral("book.xlsx")));
    d->tmpdir = QFile::encodeName(d->folder.path());
    // Not the library's constant-memory mode: it holds a temporary file open per sheet until the
    // end, and a report of a thousand pages would run out of file handles.
    lxw_workbook_options options = {};
    options.tmpdir = d->tmpdir.data();
    d->book = workbook_new_opt(d->workbookPath.constData(), &options);
    if (!d->book) {
        d->fail(QStringLiteral("Cannot start the workbook in ") + d->folder.path());
        return;
    }
    // Reproducible outputs take their date from the build's, not from the clock.
    bool dated = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&dated);
    if (dated) {
        lxw_doc_properties properties = {};
        properties.created = time_t(epoch);
        workbook_set_properties(d->book, &properties);
    }
}

XlsxWriter::~XlsxWriter() = default;

bool XlsxWriter::AddPage(const VPage &page)
{
    if (!d->result) return false;
    ++d->pages;
    return d->writeSheet(page);
}

ExportResult XlsxWriter::Finish()
{
    if (d->result && d->pages == 0) d->fail(QStringLiteral("The report has no pages"));
    if (!d->result) return d->result;
    lxw_workbook *book = std::exchange(d->book, nullptr);
    if (!d->check(workbook_close(book), QStringLiteral("Cannot write the workbook"))) return d->result;
    d->copyToTarget();
    if (d->result) d->result.written << d->path;
    return d->result;
}

ExportResult ExportXlsx(VDoc &report, const QString &path)
{
    if (report.PageCount() == 0) return ExportResult::failure(QStringLiteral("The report has no pages"));
    if (const QString problem = report.PaperSizeProblem(); !problem.isEmpty())
        return ExportResult::failure(problem);
    XlsxWriter writer(path);
    for (int i = 0; i < report.PageCount(); ++i)
        if (!writer.AddPage(*report.PageAt(i))) break;
    return writer.Finish();
}
