// The print engine reads each data row on its own, so every item carries its complete font and
// pen; nothing is inherited from an item before it.
#include "export/edf_writer.h"

#include "export/export_pictures.h"
#include "files/atomic_file.h"
#include "files/file_checks.h"
#include "files/ordered_ini.h"
#include "model/code_page.h"
#include "model/v_doc.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <cmath>

namespace
{

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
    if (f.FontName() != QLatin1String("Courier New"))
        s += QStringLiteral(" fn=") + quoted(EdfValue(f.FontName()));
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

// Each different picture in a file of its own: the first keeps the name the engine has always
// read, the others are numbered. Identical pictures (a logo on every page) share one file.
class PictureFiles
{
public:
    PictureFiles(const QString &folder, const QStringList &protectedFiles)
        : m_folder(folder), m_protected(protectedFiles)
    {
    }

    // The file holding image, written when it is new; empty with error set on failure.
    QString file(const QImage &image, QString *error)
    {
        const QByteArray bytes = EncodeImage(image, "BMP");
        if (bytes.isEmpty()) {
            *error = QStringLiteral("A picture could not be encoded as a bitmap");
            return {};
        }
        const QByteArray key = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
        if (const auto known = m_files.constFind(key); known != m_files.cend()) return *known;
        const QString path = nextName();
        for (const QString &input : m_protected)
            if (!input.isEmpty() && IsSameFile(input, path)) {
                *error =
                    QStringLiteral("%1 is a picture file of the print engine; choose another output file")
                        .arg(input);
                return {};
            }
        if (!WriteFileAtomically(path, bytes, error)) return {};
        m_files.insert(key, path);
        return path;
    }

    // A name of its own for a picture that cannot be drawn: no later picture takes it, so the
    // row never shows another picture than its own.
    QString unwritten() { return nextName(); }

private:
    QString nextName()
    {
        const int n = ++m_names;
        return QDir(m_folder).absoluteFilePath(n == 1 ? QStringLiteral("zel_convert.bmp")
                                                      : QStringLiteral("zel_convert_%1.bmp").arg(n));
    }

    QString m_folder;
    QStringList m_protected;
    QHash<QByteArray, QString> m_files;
    int m_names = 0;
};

class ItemBuilder
{
public:
    ItemBuilder(PictureFiles &pictures, FileResult &result) : m_pictures(pictures), m_result(result) {}

    QStringList items;

    bool page(const VPage &p, bool first)
    {
        if (!first) items << QStringLiteral("new page");
        if (const VPicture *bg = p.Background(); bg && bg->HasData()) {
            const QSize size = p.TwipsSize();
            if (!picture(*bg, {0, 0, WholeMillimetres(size.width()), WholeMillimetres(size.height())},
                         QStringLiteral("the background of ") + p.Name()))
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
              << QLatin1Char('[') + EdfValue(e.Name()) + QLatin1Char(']') << QStringLiteral("#H1");
        ++m_repeatDepth;
        const bool ok = children(e);
        --m_repeatDepth;
        items << QStringLiteral("4") << QStringLiteral("13");
        return ok;
    }

    void text(const VGrfElement &e)
    {
        const QString caption = EdfValue(e.Caption());
        // A caption in brackets is a field the engine fills: it goes in bare.
        const bool bare = caption.isEmpty() || caption.startsWith(QLatin1Char('['));
        items << QStringLiteral("<text tc=") + (bare ? caption : quoted(caption)) + font(e.Font()) +
                     position(boxOf(e.Shape()), m_repeatDepth > 0) + QStringLiteral(" alignH=") +
                     num(e.Font().HorzPos()) + QStringLiteral(" alignV=") + num(e.Font().VertPos()) +
                     QStringLiteral("/>");
    }

    bool picture(const VPicture &p, const Box &box, const QString &owner)
    {
        QString path;
        if (p.HasImage()) {
            QString error;
            path = m_pictures.file(p.Image(), &error);
            if (path.isEmpty()) {
                m_result = FileResult::failure(error);
                return false;
            }
        } else {
            path = m_pictures.unwritten();
            m_result.warnings << QStringLiteral("The picture of ") + owner +
                                     QStringLiteral(" cannot be drawn; ") + path +
                                     QStringLiteral(" was not written for it");
        }
        const QString shown = QDir::toNativeSeparators(path);
        if (EdfValue(shown) != shown) {
            m_result = FileResult::failure(QStringLiteral("The picture folder ") + shown +
                                           QStringLiteral(" has a name the print engine cannot read "
                                                          "(a line break, '|' or '\"' in it)"));
            return false;
        }
        items << QStringLiteral("<img image=") + quoted(shown) + QStringLiteral(" imgSS=") +
                     num(p.SizeSet()) + position(box) + QStringLiteral("/>");
        return true;
    }

    void barcode(const VGrfElement &e)
    {
        const VBarCode defaults;
        const VBarCode &b = e.BarCode() ? *e.BarCode() : defaults;
        const QString type = barcodeType(b.Type());
        if (type.isEmpty())
            m_result.warnings << QStringLiteral("The barcode ") + e.Name() + QStringLiteral(" has a type (") +
                                     num(b.Type()) +
                                     QStringLiteral(
                                         ") the print engine does not know; it is written without br_type");
        QString s = QStringLiteral("<barcode  value=") + quoted(EdfValue(b.Value())) + font(e.Font()) +
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

    PictureFiles &m_pictures;
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

QString EdfValue(const QString &text)
{
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar &c : out) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0) || u == 0x2028 || u == 0x2029)
            c = QLatin1Char(' ');
        else if (u == '|')
            c = QChar(0x00A6);
        else if (u == '"')
            c = QLatin1Char('\'');
    }
    return out;
}

struct EdfWriter::Private {
    QString target;
    QStringList inputs;
    AtomicFile file;
    PictureFiles pictures;
    FileResult result;
    int codePage = InterfaceCodePage();
    int pages = 0;
    qint64 rows = 0;

    Private(const QString &path, const QStringList &in, const QString &pictureFolder)
        : target(path), inputs(in), file(path), pictures(pictureFolder, in + QStringList{path})
    {
    }

    void fail(const QString &why)
    {
        if (result) result = FileResult::failure(why);
    }

    bool writeRows(const QStringList &items)
    {
        QByteArray bytes;
        for (const QString &item : items) {
            ++rows;
            QString row = EdfRow(item);
            QByteArray encoded = EncodeAnsi(row, codePage);
            if (DecodeAnsi(encoded, codePage) != row) {
                encoded = EncodeAnsi(withQuestionMarks(row, codePage), codePage);
                result.warnings << QStringLiteral("line") + num(rows) +
                                       QStringLiteral(" has characters code page ") + num(codePage) +
                                       QStringLiteral(" cannot hold; they were written as '?'");
            }
            bytes += "line" + QByteArray::number(rows) + "=\"" + encoded + "\"\r\n";
        }
        if (file.write(bytes) != bytes.size()) {
            fail(file.error());
            return false;
        }
        return true;
    }
};

EdfWriter::EdfWriter(const QString &path, const QStringList &inputs, const EdfOptions &options)
    : d(std::make_unique<Private>(EdfPath(path), inputs,
                                  options.pictureFolder.isEmpty() ? DefaultEdfPictureFolder()
                                                                  : options.pictureFolder))
{
    if (const QString refusal = OutputOverwritesInput(d->target, inputs); !refusal.isEmpty()) {
        d->fail(refusal);
        return;
    }
    // The sections of an existing file are kept; the data section goes last and is written anew.
    OrderedIni ini(d->codePage);
    QString error;
    if (!ini.load(d->target, &error)) {
        d->fail(error);
        return;
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
    ini.replaceSection(QStringLiteral("data"), {});
    if (!d->file.open()) {
        d->fail(d->file.error());
        return;
    }
    const QByteArray head = ini.bytes();
    if (d->file.write(head) != head.size()) d->fail(d->file.error());
}

EdfWriter::~EdfWriter() = default;

bool EdfWriter::AddPage(VPage &page)
{
    if (!d->result) return false;
    page.Root().RecomputeAbsolute(0, 0);
    ItemBuilder builder(d->pictures, d->result);
    if (!builder.page(page, d->pages == 0)) return false;
    ++d->pages;
    return d->writeRows(builder.items);
}

FileResult EdfWriter::Finish()
{
    if (d->result && d->pages == 0) d->fail(QStringLiteral("The document has no pages; nothing was written"));
    if (!d->result) {
        d->file.discard();
        return d->result;
    }
    if (!d->file.commit()) return FileResult::failure(d->file.error());
    return d->result;
}

int EdfWriter::Pages() const
{
    return d->pages;
}

FileResult ExportEdf(VDoc &doc, const QString &path, const EdfOptions &options)
{
    if (doc.IsEmpty())
        return FileResult::failure(QStringLiteral("The document has no pages; nothing was written"));
    if (const QString problem = doc.PaperSizeProblem(); !problem.isEmpty())
        return FileResult::failure(problem);
    EdfWriter writer(path, {doc.FileName()}, options);
    for (int i = 0; i < doc.PageCount(); ++i)
        if (!writer.AddPage(*doc.PageAt(i))) break;
    return writer.Finish();
}
