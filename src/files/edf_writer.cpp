// The print engine reads each data row on its own, so every item carries its complete font and
// pen; nothing is inherited from an item before it.
#include "files/edf_writer.h"

#include "export/export_pictures.h"
#include "files/atomic_file.h"
#include "files/file_checks.h"
#include "files/ordered_ini.h"
#include "model/code_page.h"
#include "model/v_doc.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cmath>

namespace
{
const QString kPictureName = QStringLiteral("zel_convert.bmp");

QString num(qint64 v)
{
    return QString::number(v);
}

// Sizes hold whole tenths of a millimetre; the nudge keeps 2.4 * 10 from truncating to 23.
qint64 tenths(double mm)
{
    const double scaled = mm * 10.0;
    return qint64(std::trunc(scaled + (scaled < 0 ? -1e-6 : 1e-6)));
}

QString real(double v)
{
    return QString::number(v, 'f', QLocale::FloatingPointShortest);
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

int rowCode(const QString &item)
{
    if (item.startsWith(QLatin1Char('['))) return 12;
    if (item.startsWith(QLatin1Char('#'))) return 31;
    if (item == QLatin1String("13")) return 13;
    if (item == QLatin1String("4")) return 4;
    if (item.compare(QLatin1String("new page"), Qt::CaseInsensitive) == 0) return 1;
    return 33;
}

QString penStyle(int style)
{
    switch (style) {
    case 1:
        return QStringLiteral(" pt=2");
    case 2:
        return QStringLiteral(" pt=3");
    case 3:
        return QStringLiteral(" pt=4");
    case 4:
        return QStringLiteral(" pt=5");
    case 5:
        return QStringLiteral(" pt=0");
    default:
        return QStringLiteral(" pt=1"); // 0 solid, 6 inside frame
    }
}

QString pen(ColorRef color, int width, int style)
{
    QString s;
    if (color != 0) s += QStringLiteral(" pcINT=") + num(color);
    if (width != 1) s += QStringLiteral(" lw=") + num(width);
    return s + penStyle(style);
}

QString brush(ColorRef color, int style)
{
    QString s;
    if (color != kWhite) s += QStringLiteral(" bcINT=") + num(color);
    static const int kCodes[8] = {1, 0, 6, 7, 5, 2, 3, 4}; // by brush style; 1 (no fill) has none
    if (style >= 0 && style < 8 && kCodes[style] != 0) s += QStringLiteral(" bt=") + num(kCodes[style]);
    return s;
}

QString font(const TZelFont &f)
{
    QString s = QStringLiteral(" height=") + num(tenths(f.FontHeight())) + QStringLiteral(" width=") +
                num(tenths(f.FontWidth()));
    if (f.FontColor() != 0) s += QStringLiteral(" fcINT=") + num(f.FontColor());
    if (f.FontOrientation() != 0) s += QStringLiteral(" od=") + num(f.FontOrientation());
    // The model keeps one character spacing; there is no separate horizontal one to write as hs.
    if (tenths(f.VertSpace()) != 0) s += QStringLiteral(" vs=") + num(tenths(f.VertSpace()));
    if (f.FontWeight() != 400) s += QStringLiteral(" fp=") + num(f.FontWeight());
    if (f.FontItalic()) s += QStringLiteral(" fi=1");
    if (f.FontUnderline()) s += QStringLiteral(" fu=1");
    if (f.FontStrikeOut()) s += QStringLiteral(" fso=1");
    if (f.FontName() != QLatin1String("Courier New")) s += QStringLiteral(" fn=") + quoted(f.FontName());
    return s;
}

QString barcodeType(int type)
{
    switch (type) {
    case VBarCode::Ean8:
        return QStringLiteral("EAN_8");
    case VBarCode::Ean13:
        return QStringLiteral("EAN_13");
    case VBarCode::UpcA:
        return QStringLiteral("UPCA");
    case VBarCode::UpcE:
        return QStringLiteral("UPCE");
    case VBarCode::Code39:
        return QStringLiteral("39");
    case VBarCode::Code128:
        return QStringLiteral("128");
    case VBarCode::Codabar:
        return QStringLiteral("CodeBar");
    case VBarCode::InterLeave:
        return QStringLiteral("InterLeave");
    case VBarCode::FullAscii:
        return QStringLiteral("FullASCII");
    case VBarCode::Itf:
        return QStringLiteral("ITF");
    case VBarCode::Code93:
        return QStringLiteral("93");
    default:
        return {};
    }
}

struct Box {
    int left, top, right, bottom;
};

Box boxOf(const VShape &s)
{
    return {WholeMillimetres(s.Left()), WholeMillimetres(s.Top()), WholeMillimetres(s.Left() + s.Width()),
            WholeMillimetres(s.Top() + s.Height())};
}

QString position(const Box &b, bool inRepeat = false)
{
    return QStringLiteral(" left=") + num(b.left) +
           (inRepeat ? QStringLiteral(" top=#H1+7 ") : QStringLiteral(" top=") + num(b.top)) +
           QStringLiteral(" right=") + num(b.right) + QStringLiteral(" bottom=") + num(b.bottom);
}

// The encoder drops what the code page cannot hold; a '?' at least shows where something was.
QString withQuestionMarks(const QString &text, int codePage)
{
    QString out;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString one = text.mid(i, n);
        out += DecodeAnsi(EncodeAnsi(one, codePage), codePage) == one ? one : QStringLiteral("?");
        i += n;
    }
    return out;
}

class ItemBuilder
{
public:
    ItemBuilder(const QString &picturePath, FileResult &result) : m_picturePath(picturePath), m_result(result)
    {
    }

    QStringList items;

    bool page(const VPage &p, bool first)
    {
        if (!first) items << QStringLiteral("new page");
        if (const VPicture *bg = p.Background(); bg && bg->HasData()) {
            const QSize size = p.TwipsSize();
            if (!picture(*bg, {0, 0, WholeMillimetres(size.width()), WholeMillimetres(size.height())},
                         QStringLiteral("the background of %1").arg(p.Name())))
                return false;
        }
        return element(p.Root());
    }

private:
    bool element(const VGrfElement &e)
    {
        const VShape &s = e.Shape();
        switch (e.Kind()) {
        case ElementKind::Group:
            if (s.Figure() < 4) shape(e);
            if (e.Repeatability()) return repeated(e);
            break;
        // A cell is a label of its table: text, picture and borders alike.
        case ElementKind::Label:
        case ElementKind::Cell:
            if (e.Picture() && e.Picture()->HasData()) {
                if (!picture(*e.Picture(), boxOf(s), e.Name())) return false;
            } else {
                text(e);
                if (s.PenStyle() != 5 || s.Figure() == 3) shape(e);
            }
            break;
        case ElementKind::BarCode:
            barcode(e);
            if (s.Figure() < 3) shape(e);
            break;
        default: // the page's panel and tables have no print of their own
            break;
        }
        return children(e);
    }

    bool children(const VGrfElement &e)
    {
        for (const auto &c : e.ChildList())
            if (!element(*c)) return false;
        return true;
    }

    // The engine repeats the rows between "#H1" and the closing 4 / 13 per data line, placing
    // their texts relative to the running top H1.
    bool repeated(const VGrfElement &e)
    {
        items << QStringLiteral("#H1=") + num(WholeMillimetres(e.Shape().Top()))
              << QLatin1Char('[') + e.Name() + QLatin1Char(']') << QStringLiteral("#H1");
        ++m_repeatDepth;
        const bool ok = children(e);
        --m_repeatDepth;
        items << QStringLiteral("4") << QStringLiteral("13");
        return ok;
    }

    void text(const VGrfElement &e)
    {
        // A row is one line of the file; a caption's line breaks become blanks.
        QString caption = e.Caption();
        caption.replace(QLatin1String("\r\n"), QLatin1String(" "));
        caption.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        // A caption in brackets is a field the engine fills: it goes in bare.
        const bool bare = caption.isEmpty() || caption.startsWith(QLatin1Char('['));
        items << QStringLiteral("<text tc=") + (bare ? caption : quoted(caption)) + font(e.Font()) +
                     position(boxOf(e.Shape()), m_repeatDepth > 0) + QStringLiteral(" alignH=") +
                     num(e.Font().HorzPos()) + QStringLiteral(" alignV=") + num(e.Font().VertPos()) +
                     QStringLiteral("/>");
    }

    bool picture(const VPicture &p, const Box &box, const QString &owner)
    {
        if (p.HasImage()) {
            QString error;
            if (!SaveImageAtomically(m_picturePath, p.Image(), "BMP", -1, &error)) {
                m_result = FileResult::failure(error);
                return false;
            }
        } else {
            m_result.warnings << QStringLiteral(
                                     "The picture of %1 cannot be drawn; %2 was not written for it")
                                     .arg(owner, m_picturePath);
        }
        items << QStringLiteral("<img image=") + quoted(QDir::toNativeSeparators(m_picturePath)) +
                     QStringLiteral(" imgSS=") + num(p.SizeSet()) + position(box) + QStringLiteral("/>");
        return true;
    }

    void barcode(const VGrfElement &e)
    {
        const VBarCode defaults;
        const VBarCode &b = e.BarCode() ? *e.BarCode() : defaults;
        const QString type = barcodeType(b.Type());
        if (type.isEmpty())
            m_result.warnings << QStringLiteral(
                                     "The barcode %1 has a type (%2) the print engine does not know; "
                                     "it is written without br_type")
                                     .arg(e.Name(), QString::number(b.Type()));
        QString s = QStringLiteral("<barcode  value=") + quoted(b.Value()) + font(e.Font()) +
                    position(boxOf(e.Shape()));
        if (!type.isEmpty()) s += QStringLiteral(" br_type=") + quoted(type);
        if (b.ValueType() != 0) s += QStringLiteral(" value_type=") + num(b.ValueType());
        if (b.Orientation() != 0) s += QStringLiteral(" orient=") + num(b.Orientation());
        if (b.Color() != 0) s += QStringLiteral(" brcINT=") + num(b.Color());
        if (b.ManualWidth()) s += QStringLiteral(" manual_width=1");
        if (b.LineWidth() != 0) s += QStringLiteral(" line_width=") + real(b.LineWidth());
        if (b.ManualHeight()) s += QStringLiteral(" manual_height=1");
        if (b.MarginTop() != 0) s += QStringLiteral(" margin_top=") + real(b.MarginTop());
        if (b.MarginBottom() != 0) s += QStringLiteral(" margin_bottom=") + real(b.MarginBottom());
        if (b.ShowValue())
            s += QStringLiteral(" value_show=1 value_pos=") + num(b.ValuePos()) +
                 QStringLiteral(" value_font=") + num(b.FontSizeSet());
        items << s + QStringLiteral("/>");
    }

    // The frame: for per-side borders each visible line first, then the figure itself.
    void shape(const VGrfElement &e)
    {
        const VShape &s = e.Shape();
        const Box b = boxOf(s);
        if (s.Figure() == 3) {
            const Box lines[6] = {{b.left, b.top, b.right, b.top},       {b.right, b.top, b.right, b.bottom},
                                  {b.left, b.bottom, b.right, b.bottom}, {b.left, b.top, b.left, b.bottom},
                                  {b.left, b.bottom, b.right, b.top},    {b.left, b.top, b.right, b.bottom}};
            for (int i = 0; i < 6; ++i) {
                const VBorder &line = s.BorderLine(i);
                if (line.visible)
                    items << QStringLiteral("<shape  sh_type=1") + position(lines[i]) +
                                 pen(line.PenColor, line.PenWidth, line.PenStyle) + QStringLiteral("/>");
            }
        }
        const int type = s.Figure() == 1 ? 3 : s.Figure() == 2 ? 4 : 2;
        items << QStringLiteral("<shape  sh_type=") + num(type) + position(b) +
                     pen(s.PenColor(), s.PenWidth(), s.PenStyle()) + brush(s.BrushColor(), s.BrushStyle()) +
                     QStringLiteral("/>");
    }

    QString m_picturePath;
    FileResult &m_result;
    int m_repeatDepth = 0;
};

} // namespace

QString EdfPath(const QString &path)
{
    const QFileInfo info(path);
    if (info.suffix().compare(QLatin1String("edf"), Qt::CaseInsensitive) == 0) return path;
    if (info.suffix().isEmpty()) return path + QStringLiteral(".edf");
    return path.left(path.size() - info.suffix().size()) + QStringLiteral("edf");
}

QString DefaultEdfPictureFolder()
{
    const QString programs = QCoreApplication::applicationDirPath();
    if (QFileInfo(programs).isWritable()) return programs;
    // Installed under /usr/bin, which a user cannot write to. One folder for every program of ours,
    // whatever name it runs under.
    const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                        QStringLiteral("/ZEL/Tessaly");
    QDir().mkpath(own);
    return own;
}

QString EdfRow(const QString &item)
{
    const int code = rowCode(item);
    const QString field5 = code == 13 || code == 4 ? QStringLiteral(" ") : item;
    return num(code) + QStringLiteral("| | | |") + field5 + QStringLiteral("| | | | ");
}

FileResult ExportEdf(VDoc &doc, const QString &path, const EdfOptions &options)
{
    const QString target = EdfPath(path);
    if (doc.IsEmpty())
        return FileResult::failure(QStringLiteral("The document has no pages; nothing was written"));
    if (const QString problem = doc.PaperSizeProblem(); !problem.isEmpty())
        return FileResult::failure(problem);
    if (const QString refusal = OutputOverwritesInput(target, {doc.FileName()}); !refusal.isEmpty())
        return FileResult::failure(refusal);

    const QString folder =
        options.pictureFolder.isEmpty() ? DefaultEdfPictureFolder() : options.pictureFolder;
    const QString picturePath = QDir(folder).absoluteFilePath(kPictureName);
    if (IsSameFile(target, picturePath) || IsSameFile(doc.FileName(), picturePath))
        return FileResult::failure(
            QStringLiteral("%1 is the picture file of the print engine; choose another output file")
                .arg(target));

    OrderedIni ini(InterfaceCodePage());
    QString error;
    if (!ini.load(target, &error)) return FileResult::failure(error);

    FileResult result;
    ItemBuilder builder(picturePath, result);
    for (int i = 0; i < doc.PageCount(); ++i) {
        VPage &page = *doc.PageAt(i);
        page.Root().RecomputeAbsolute(0, 0);
        if (!builder.page(page, i == 0)) return result;
    }

    ini.setValue(QStringLiteral("width"), QStringLiteral("0"), QStringLiteral("35"));
    for (int k = 1; k <= 9; ++k)
        ini.setValue(QStringLiteral("width"), num(k), k == 5 ? QStringLiteral("575") : QStringLiteral("75"));
    static const char *const kHead[][2] = {
        {"modulenum", "1"},   {"subject", "1"},     {"pagesize", ""},   {"linenumber", ""},
        {"calc_height", ""},  {"calc_width", ""},   {"calc_flag", "0"}, {"print_mode", "0"},
        {"paket", "1"},       {"vatincluded", "0"}, {"yuvarlama", "0"}, {"cumulativetotal", "0"},
        {"invoicewcur", "0"}, {"rbgrouping", "0"},  {"malhizmet", "0"}, {"herfis_yenisayfa", "0"},
        {"rbgroupingno", ""}, {"details_type", "0"}};
    for (const auto &kv : kHead)
        ini.setValue(QStringLiteral("head"), QLatin1String(kv[0]), QLatin1String(kv[1]));
    const int codePage = InterfaceCodePage();
    std::vector<std::pair<QString, QString>> rows;
    rows.reserve(size_t(builder.items.size()));
    for (qsizetype i = 0; i < builder.items.size(); ++i) {
        QString row = EdfRow(builder.items[i]);
        if (DecodeAnsi(EncodeAnsi(row, codePage), codePage) != row) {
            row = withQuestionMarks(row, codePage);
            result.warnings << QStringLiteral(
                                   "line%1 has characters code page %2 cannot hold; they were written as '?'")
                                   .arg(i + 1)
                                   .arg(codePage);
        }
        rows.emplace_back(QStringLiteral("line") + num(i + 1), quoted(row));
    }
    ini.replaceSection(QStringLiteral("data"), rows);
    if (!ini.save(target, &error)) return FileResult::failure(error);
    return result;
}
