#include "export/sheet_layout.h"
#include "export/sheet_number.h"
#include "export/xlsx_export.h"
#include "export_test_util.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using namespace exporttest;

TEST(SheetNumber, NumbersAsTheTextShowsThemAndLookalikesStayText)
{
    const struct {
        const char *text;
        double value;
        const char *format;
    } numbers[] = {
        {"12.50", 12.5, "0.00"},
        {"12,50", 12.5, "0.00"},
        {"4", 4, "0"},
        {"-0.5", -0.5, "0.0"},
        {"1,234.50", 1234.5, "#,##0.00"},
        {"1.234,50", 1234.5, "#,##0.00"},
        {"1 234 567", 1234567, "#,##0"},
        {"1.234.567", 1234567, "#,##0"},
        {"115.90 €", 115.9, "0.00\" €\""},
        {"$5", 5, "\"$\"0"},
    };
    for (const auto &n : numbers) {
        const std::optional<SheetNumber> read = ReadSheetNumber(QString::fromUtf8(n.text));
        ASSERT_TRUE(read) << n.text;
        EXPECT_DOUBLE_EQ(read->value, n.value) << n.text;
        EXPECT_EQ(read->format, QString::fromUtf8(n.format)) << n.text;
    }
    for (const char *text : {"20457 Hamburg", "007", "1234567890123456", "+49 40 123", "1,23,456", "12.",
                             ".5", "1.234.56", "1,234.5,6", "€", "", "5 € €", "12-3", "1e5", "0x10"})
        EXPECT_FALSE(ReadSheetNumber(QString::fromUtf8(text))) << text;
}

namespace
{
VGrfElement *addCell(VGrfElement &table, int left, int top, int width, int height, ColorRef fill)
{
    VGrfElement *cell = addElement(table, ElementKind::Cell, left, top, width, height);
    VShape &s = cell->Shape();
    s.SetFigure(3);
    for (int side = 0; side < 4; ++side)
        s.SetBorderLine(side, VBorder{true});
    if (fill != kWhite) {
        s.SetBrushStyle(0);
        s.SetBrushColor(fill);
    }
    return cell;
}

std::map<std::pair<int, int>, SheetCell> byPlace(const SheetPage &sheet)
{
    std::map<std::pair<int, int>, SheetCell> cells;
    for (const SheetCell &c : sheet.cells)
        cells[{c.row, c.column}] = c;
    return cells;
}
} // namespace

// Rows and columns come from the texts' places and the table cells: a text in a table cell takes
// that cell, one under a table's column that column; texts sharing a cell follow the text output.
TEST(SheetLayout, TextsTakeTheCellsOfTheirPlaces)
{
    VDoc doc;
    VPage *page = addPage(doc);
    VGrfElement &root = page->Root();
    addLabel(root, "ACME", 1000, 200, 2000, 400);
    addLabel(root, "INVOICE", 3500, 300, 1500, 600)->Font().SetFontWeight(700); // top within ACME's row
    VGrfElement *table = addElement(root, ElementKind::Table, 1000, 1000, 4000, 800);
    addCell(*table, 1000, 1000, 4000, 400, 0xC0C0C0); // a heading over both columns
    addCell(*table, 1000, 1400, 2000, 400, kWhite);
    addCell(*table, 3000, 1400, 2000, 400, kWhite);
    VGrfElement *group = addElement(root, ElementKind::Group, 1000, 1000, 4000, 800);
    addLabel(*group, "Qty", 1050, 1000, 1900, 400);
    addLabel(*group, "12,50", 3050, 1400, 1900, 400);
    addLabel(root, "b", 1100, 1450, 500, 300);
    addLabel(root, "a", 1050, 1400, 500, 300); // after "b" in the text output
    addLabel(root, "Total", 3050, 2000, 1500, 400);
    addLabel(root, "Note", 6000, 2000, 1500, 400); // beside the table: a column of its own
    addLabel(root, "hidden", 1000, 2600, 1500, 400)->SetPrintable(pmNever);
    addLabel(root, "with picture", 1000, 3000, 600, 600)
        ->EnsurePicture()
        .SetImage(QImage(4, 4, QImage::Format_RGB32));

    const SheetPage sheet = LayOutSheet(*page);
    auto cells = byPlace(sheet);
    const auto at = [&cells](int row, int column) { return cells[std::make_pair(row, column)]; };
    std::map<std::pair<int, int>, QString> texts;
    for (const auto &[place, cell] : cells)
        if (!cell.text.isEmpty()) texts[place] = cell.text;
    const std::map<std::pair<int, int>, QString> expected = {
        {{0, 0}, "ACME"},  {{0, 1}, "INVOICE"}, {{1, 0}, "Qty"}, {{2, 0}, "b\na"},
        {{2, 1}, "12,50"}, {{3, 1}, "Total"},   {{3, 2}, "Note"}};
    EXPECT_EQ(texts, expected);
    EXPECT_TRUE(at(0, 1).bold);
    EXPECT_FALSE(at(0, 0).bold);

    // The heading's frame and fill cover both columns; the cells below have their own frames.
    EXPECT_EQ(at(1, 0).sides, unsigned(SheetCell::Top | SheetCell::Bottom | SheetCell::Left));
    EXPECT_EQ(at(1, 1).sides, unsigned(SheetCell::Top | SheetCell::Bottom | SheetCell::Right));
    EXPECT_EQ(at(1, 1).fill, std::optional<ColorRef>(0xC0C0C0));
    EXPECT_EQ(at(2, 1).sides,
              unsigned(SheetCell::Top | SheetCell::Right | SheetCell::Bottom | SheetCell::Left));
    EXPECT_EQ(at(2, 1).fill, std::nullopt);
    EXPECT_EQ(cells.count(std::make_pair(3, 0)), 0u);
    // Rows come in order, and each column is as wide as the way to the next one.
    for (size_t i = 1; i < sheet.cells.size(); ++i)
        EXPECT_LT(std::make_pair(sheet.cells[i - 1].row, sheet.cells[i - 1].column),
                  std::make_pair(sheet.cells[i].row, sheet.cells[i].column));
    EXPECT_EQ(sheet.columnTwips, (std::vector<int>{2000, 3000, 1500}));
}

namespace
{
// The XML of a workbook's part, as unzip shows it.
QString part(const QString &xlsx, const char *name)
{
    return QString::fromUtf8(testsupport::runProgram("unzip", {"-p", xlsx, name}).out);
}

// The cell at ref ("D7") of a sheet's XML: its text (shared strings looked up), and whether it is
// a number (no string type).
std::pair<QString, bool> cellAt(const QString &sheet, const QString &ref, const QStringList &strings)
{
    const QRegularExpression cell("<c r=\"" + ref + "\"([^>]*)>(.*?)</c>");
    const QRegularExpressionMatch m = cell.match(sheet);
    if (!m.hasMatch()) return {};
    static const QRegularExpression value("<v>([^<]*)</v>");
    const QString v = value.match(m.captured(2)).captured(1);
    const bool shared = m.captured(1).contains("t=\"s\"");
    return {shared ? strings.value(v.toInt()) : v, !m.captured(1).contains("t=")};
}

QStringList sharedStrings(const QString &xlsx)
{
    QStringList strings;
    static const QRegularExpression item("<si><t[^>]*>([^<]*)</t></si>");
    for (const QRegularExpressionMatch &m : item.globalMatch(part(xlsx, "xl/sharedStrings.xml")))
        strings << m.captured(1);
    return strings;
}
} // namespace

// The invoice, from its design and data as the command line streams it: a sheet per page, the
// lines and the total in their rows and columns, numbers numeric, as LibreOffice reads it.
TEST(XlsxExport, InvoiceAsLibreOfficeReadsIt)
{
    if (!testsupport::haveTool("unzip")) GTEST_SKIP() << "unzip missing";
    QTemporaryDir dir;
    const QString out = dir.filePath("invoice.xlsx");
    testsupport::Run r = testsupport::runCli({"export", TESSALY_SOURCE_DIR "/examples/invoice.edt", "--data",
                                              TESSALY_SOURCE_DIR "/examples/invoice.edd", "--format", "xlsx",
                                              "-o", out, "--code-page", "utf-8"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();

    const QString book = part(out, "xl/workbook.xml");
    EXPECT_TRUE(book.contains("name=\"Page1 (1)\"") && book.contains("name=\"Page1 (2)\""))
        << book.toStdString();
    const QString sheet = part(out, "xl/worksheets/sheet1.xml");
    // The table's rows: description, quantity, price and amount in columns A to D.
    const std::pair<const char *, std::pair<QString, bool>> expected[] = {
        {"A4", {QString::fromUtf8("Müller &amp; Söhne GmbH"), false}},
        {"A8", {"Description", false}},
        {"A9", {"Ballpoint pens, blue (box of 50)", false}},
        {"B9", {"4", true}},
        {"C9", {"12.5", true}},
        {"D9", {"50", true}},
        {"A11", {"Stapler, heavy duty", false}},
        {"D11", {"23.9", true}},
        {"C13", {"Total:", false}},
        {"D13", {"115.9", true}},
    };
    const QStringList strings = sharedStrings(out);
    for (const auto &[ref, value] : expected)
        EXPECT_EQ(cellAt(sheet, ref, strings), value) << ref << "\n" << sheet.toStdString();
    EXPECT_EQ(cellAt(part(out, "xl/worksheets/sheet2.xml"), "D13", strings),
              std::make_pair(QString("54"), true));

    if (!testsupport::haveTool("soffice"))
        GTEST_SKIP() << "soffice missing: LibreOffice's reading not checked";
    // Every sheet to a CSV file of its own (sheet -1), values as the cells show them.
    officeConvert(out, "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true,false,false,-1",
                  dir.path());
    const QStringList rows =
        QString::fromUtf8(testsupport::readAll(dir.filePath("invoice-Page1 (1).csv"))).split('\n');
    ASSERT_GE(rows.size(), 13);
    EXPECT_TRUE(rows[8].startsWith("\"Ballpoint pens, blue (box of 50)\",4,12.50,50.00"))
        << rows[8].toStdString();
    EXPECT_TRUE(rows[9].startsWith("\"Copy paper A4, 80 g (500 sheets)\",10,4.20,42.00"))
        << rows[9].toStdString();
    EXPECT_TRUE(rows[12].startsWith(QString::fromUtf8(",,Total:,115.90 €"))) << rows[12].toStdString();
    const QString second = QString::fromUtf8(testsupport::readAll(dir.filePath("invoice-Page1 (2).csv")));
    EXPECT_TRUE(second.contains("Espresso cups (set of 6),3,18.00,54.00")) << second.toStdString();
}

// Only a whole workbook replaces a file: a report that fails half way, or has no pages, leaves the
// older file as it was; with SOURCE_DATE_EPOCH the same report gives the same bytes.
TEST(XlsxExport, OlderFileStaysAndOutputIsReproducible)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("r.xlsx");
    testsupport::writeAll(out, "older");
    const QString broken = dir.filePath("broken.edd");
    QByteArray data = testsupport::readAll(TESSALY_SOURCE_DIR "/examples/invoice.edd");
    data.insert(data.lastIndexOf("<Page ID=\"2\""), "<Data Status=\"Label\" DesignName=\"Label3\"");
    testsupport::writeAll(broken, data);
    const testsupport::Run r = testsupport::runCli({"export", TESSALY_SOURCE_DIR "/examples/invoice.edt",
                                                    "--data", broken, "--format", "xlsx", "-o", out});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("Data structure error")) << r.err.toStdString();
    VDoc empty;
    EXPECT_FALSE(ExportXlsx(empty, out));
    EXPECT_EQ(testsupport::readAll(out), QByteArray("older"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"broken.edd", "r.xlsx"}))
        << "nothing left behind";

    const QStringList epoch = {"SOURCE_DATE_EPOCH=1700000000"};
    QByteArray first;
    for (const char *name : {"a.xlsx", "b.xlsx"}) {
        const testsupport::Run made = testsupport::runCli(
            {"export", TESSALY_SOURCE_DIR "/examples/invoice.edt", "--data",
             TESSALY_SOURCE_DIR "/examples/invoice.edd", "--format", "xlsx", "-o", dir.filePath(name)},
            epoch);
        ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
        if (first.isEmpty()) first = testsupport::readAll(dir.filePath(name));
    }
    EXPECT_EQ(testsupport::readAll(dir.filePath("b.xlsx")), first);
    if (testsupport::haveTool("unzip")) {
        EXPECT_TRUE(part(dir.filePath("a.xlsx"), "docProps/core.xml").contains("2023-11-14T22:13:20Z"));
    }
}
