#include "fuzz_entries.h"

#include "export/page_markup.h"
#include "export/pdf_export.h"
#include "files/design_file.h"
#include "export/edf_writer.h"
#include "files/picture_text.h"
#include "model/v_doc.h"
#include "model/v_picture.h"
#include "report/data_type_state.h"
#include "report/report_generation.h"
#include "report/report_sink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <memory>

namespace fuzzentry
{
namespace
{

// One scratch folder for the life of the process; every input overwrites the same files. Saves
// sync their files, which costs nothing in memory (/dev/shm) and most of the time on a disk.
const QTemporaryDir &scratchDir()
{
    static const QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                       ? QStringLiteral("/dev/shm/tessaly-fuzz-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/tessaly-fuzz-XXXXXX"));
    return dir;
}

QString scratch(const QString &name)
{
    return scratchDir().filePath(name);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Designs the data inputs are merged into: the examples and one with picture labels and the
// group names that change how group lines are read.
struct Designs {
    std::vector<std::unique_ptr<VDoc>> docs;
    QString problem;
};

const Designs &designs()
{
    static const Designs loaded = [] {
        Designs d;
        const QString root = QStringLiteral(TESSALY_SOURCE_DIR);
        for (const char *name :
             {"examples/invoice.edt", "examples/label.ebt", "examples/orders.edt", "fuzz/data_design.edt"}) {
            auto doc = std::make_unique<VDoc>();
            const QString path = root + QLatin1Char('/') + QLatin1String(name);
            if (const FileResult r = ReadDesignFile(*doc, path); !r)
                d.problem += path + QStringLiteral(": ") + r.error;
            d.docs.push_back(std::move(doc));
        }
        // Pictures the data lines may name, relative to the scratch folder.
        QImage image(6, 4, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        for (const char *format : {"png", "jpg", "bmp"})
            image.save(scratch(QStringLiteral("pic.") + QLatin1String(format)), format);
        writeFile(scratch(QStringLiteral("broken.png")), "not a picture");
        return d;
    }();
    return loaded;
}

// Convert files create the folders their PDFs go to. Inputs whose PDF names could reach outside
// the scratch folder (absolute, or with "..") are passed over, so fuzzing never creates folders
// elsewhere. Each value is taken up to the next quote or the end, which covers every line split.
bool namesOutsideScratch(const QByteArray &input)
{
    static const QByteArray key = "ConvertFileName";
    for (qsizetype at = input.indexOf(key); at >= 0; at = input.indexOf(key, at + 1)) {
        const qsizetype open = input.indexOf('"', at + key.size());
        if (open < 0) return false;
        qsizetype close = input.indexOf('"', open + 1);
        if (close < 0) close = input.size();
        const QByteArray value = input.mid(open + 1, close - open - 1);
        if (value.startsWith('/') || value.contains("..")) return true;
    }
    return false;
}

// Restores the working folder, which the data entry moves to the scratch folder.
struct CurrentFolder {
    QString saved = QDir::currentPath();
    ~CurrentFolder() { QDir::setCurrent(saved); }
};

constexpr int kMaxReadBackPages = 16;

QString readData(const QByteArray &bytes, const VDoc &design, const QString &mode)
{
    const QString path = scratch(QStringLiteral("data.edd"));
    if (!writeFile(path, bytes)) return QStringLiteral("cannot write %1").arg(path);
    // The data type carries over from one data file to the next; every input starts afresh.
    ResetCurrentDataType();
    VDoc report;
    ReportSink keepPages;
    QString reason;
    const bool ok = ReadDataFile(path, design, report, &keepPages, &reason);
    if (!ok && !reason.startsWith(QLatin1String("line ")))
        return QStringLiteral("%1 data failed without a line: \"%2\"").arg(mode, reason);
    if (report.IsEmpty()) return {};
    // Values that a report file cannot hold are refused while reading, so the report saves.
    const QString saved = scratch(QStringLiteral("report.edr"));
    if (const FileResult w = WriteDesignFile(report, saved); !w)
        return QStringLiteral("the %1 report cannot be written: %2").arg(mode, w.error);
    // Reading back is slow under the sanitizers; a long report repeats the same design pages.
    if (report.PageCount() > kMaxReadBackPages) return {};
    VDoc again;
    if (const FileResult r = ReadDesignFile(again, saved); !r)
        return QStringLiteral("the written %1 report cannot be read: %2").arg(mode, r.error);
    if (again.PageCount() != report.PageCount())
        return QStringLiteral("the %1 report has %2 pages, read back %3")
            .arg(mode)
            .arg(report.PageCount())
            .arg(again.PageCount());
    return {};
}

// The input with every "<" that does not open a line (after its leading blanks; lines end at
// CR LF as the reader splits them) turned into "[". Only a line's leading tag is structure, so
// this changes values and nothing else: the merge must come out the same, as many pages, the
// same success or the same failing line. A value read as a tag shows up as a difference.
QByteArray neutralised(QByteArray bytes)
{
    bool lineStart = true;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\n' && i > 0 && bytes[i - 1] == '\r') {
            lineStart = true;
        } else if (static_cast<unsigned char>(c) > ' ') {
            if (c == '<' && !lineStart) bytes[i] = '[';
            lineStart = false;
        }
    }
    return bytes;
}

// Merges the bytes as a data file; "pages N" or "failed at line N".
QString mergeOutcome(const QByteArray &bytes, const VDoc &design)
{
    const QString path = scratch(QStringLiteral("data.edd"));
    if (!writeFile(path, bytes)) return QStringLiteral("cannot write %1").arg(path);
    ResetCurrentDataType();
    VDoc report;
    ReportSink keepPages;
    QString reason;
    if (!ReadDataFile(path, design, report, &keepPages, &reason))
        return QStringLiteral("failed at ") + reason.section(QLatin1Char(':'), 0, 0);
    return QStringLiteral("pages ") + QString::number(report.PageCount());
}

// The design a data file names (DesignFile="invoice.edt"); one by the input's length otherwise.
const VDoc &designFor(const QByteArray &input, const Designs &d)
{
    const VDoc *named = nullptr;
    qsizetype first = input.size();
    for (const auto &doc : d.docs) {
        const qsizetype at = input.indexOf(QFile::encodeName(QFileInfo(doc->FileName()).fileName()));
        if (at >= 0 && at < first) first = at, named = doc.get();
    }
    return named ? *named : *d.docs[size_t(input.size()) % d.docs.size()];
}

} // namespace

QString DesignFile(const QByteArray &input)
{
    const QString path = scratch(QStringLiteral("input.edt"));
    if (!writeFile(path, input)) return QStringLiteral("cannot write %1").arg(path);
    VDoc doc;
    const FileResult read = ReadDesignFile(doc, path);
    if (!read) {
        if (read.error.isEmpty()) return QStringLiteral("the design failed without a reason");
        // What was read before the error stays and can still be saved.
        WriteDesignFile(doc, scratch(QStringLiteral("partial.edt")));
        return {};
    }
    // A design that loaded saves, loads again to as many pages and saves to the same bytes. The
    // same document is read again, so that only one holds its pictures at a time.
    const QString first = scratch(QStringLiteral("first.edt")),
                  second = scratch(QStringLiteral("second.edt"));
    if (const FileResult w = WriteDesignFile(doc, first); !w)
        return QStringLiteral("the design cannot be written: ") + w.error;
    const int pages = doc.PageCount();
    if (const FileResult r = ReadDesignFile(doc, first); !r)
        return QStringLiteral("the written design cannot be read: ") + r.error;
    if (doc.PageCount() != pages)
        return QStringLiteral("%1 pages written, %2 read back").arg(pages).arg(doc.PageCount());
    if (const FileResult w = WriteDesignFile(doc, second); !w)
        return QStringLiteral("the design read back cannot be written: ") + w.error;
    if (readFile(first) != readFile(second))
        return QStringLiteral("the design read back is written differently");
    return {};
}

QString PictureText(const QByteArray &input)
{
    const QString text = QString::fromUtf8(input);
    VPicture first;
    QString problem;
    const bool drawable = DecodePictureText(text, first, &problem);
    if (drawable != first.HasImage()) return QStringLiteral("the decoder's answer and its image disagree");
    if (!drawable && problem.isEmpty() && !text.trimmed().isEmpty())
        return QStringLiteral("an undrawable picture without a reason");
    // Saving and loading again keeps the picture: same text, same image size.
    const QString encoded = EncodePictureText(first);
    VPicture second;
    DecodePictureText(encoded, second);
    if (second.HasImage() != first.HasImage() || second.Image().size() != first.Image().size())
        return QStringLiteral("the encoded picture decodes to another image");
    if (EncodePictureText(second) != encoded)
        return QStringLiteral("the encoded picture encodes differently");
    return {};
}

QString DataFile(const QByteArray &input)
{
    const Designs &d = designs();
    if (!d.problem.isEmpty()) return d.problem;
    if (namesOutsideScratch(input)) return {};
    CurrentFolder keep;
    QDir::setCurrent(scratchDir().path());
    const VDoc &design = designFor(input, d);
    const QString name = QFileInfo(design.FileName()).fileName();
    if (QString problem = readData(input, design, QStringLiteral("plain ") + name); !problem.isEmpty())
        return problem;
    if (const QByteArray other = neutralised(input); other != input) {
        const QString as = mergeOutcome(input, design), neutral = mergeOutcome(other, design);
        if (as != neutral)
            return QStringLiteral("a \"<\" inside a line changed the merge into %1: %2, with \"[\" %3")
                .arg(name, as, neutral);
    }
    const QByteArray convert = "<ConvertFile ConvertFileName=\"" +
                               QFile::encodeName(scratch(QStringLiteral("out/doc.pdf"))) + "\">\r\n";
    return readData(convert + input, design, QStringLiteral("convert ") + name);
}

QString PageSource(const QByteArray &input)
{
    const QString in = scratch(QStringLiteral("in")), a = scratch(QStringLiteral("a")),
                  b = scratch(QStringLiteral("b"));
    QDir().mkpath(in);
    if (!writeFile(PageSourcePath(0, in), input))
        return QStringLiteral("cannot write %1").arg(PageSourcePath(0, in));
    VDoc doc;
    doc.AddPage();
    const FileResult read = LoadPageSource(doc, 0, in);
    if (!read)
        return read.error.isEmpty() ? QStringLiteral("the page source failed without a reason") : QString();
    // A page that loaded saves, loads again and saves to the same bytes; one page holds the
    // pictures at a time.
    if (const FileResult w = SavePageSource(doc, 0, a); !w)
        return QStringLiteral("the page cannot be saved: ") + w.error;
    if (const FileResult r = LoadPageSource(doc, 0, a); !r)
        return QStringLiteral("the saved page cannot be loaded: ") + r.error;
    if (const FileResult w = SavePageSource(doc, 0, b); !w)
        return QStringLiteral("the page loaded again cannot be saved: ") + w.error;
    if (readFile(PageSourcePath(0, a)) != readFile(PageSourcePath(0, b)))
        return QStringLiteral("the page loaded again is saved differently");
    return {};
}

QString PageMarkupReplay(const QByteArray &input)
{
    // One markup line per input line; form-feed lines turn the page, as in an export.
    PageMarkup pages(1);
    int breaks = 0;
    for (const QString &line : QString::fromUtf8(input).split(QLatin1Char('\n'))) {
        pages[0] << line;
        if (MarkupTags(line).pageBreak()) ++breaks;
    }
    const QString pdf = scratch(QStringLiteral("markup.pdf"));
    const PdfExportResult r = ExportPdf(pages, pdf, 595, 842, 1252, QString(),
                                        QStringLiteral(TESSALY_SOURCE_DIR "/src/export/pdflib.upr"));
    if (!r) return QStringLiteral("the markup was not exported: ") + r.message;
    // The file is complete and has one page more than the markup has page breaks.
    const QByteArray bytes = readFile(pdf);
    if (!bytes.startsWith("%PDF-") || !bytes.trimmed().endsWith("%%EOF"))
        return QStringLiteral("an incomplete PDF");
    int pageObjects = 0;
    static const QByteArray page = "/Type /Page";
    for (qsizetype at = bytes.indexOf(page); at >= 0; at = bytes.indexOf(page, at + 1))
        if (at + page.size() < bytes.size() && bytes[at + page.size()] != 's') ++pageObjects;
    if (pageObjects != breaks + 1)
        return QStringLiteral("%1 page breaks gave %2 pages")
            .arg(QString::number(breaks), QString::number(pageObjects));
    return {};
}

namespace
{

// What is wrong with one data row (the text between the quotes), or nothing.
QString rowProblem(const QByteArray &row)
{
    const QList<QByteArray> fields = row.split('|');
    if (fields.size() != 9) return QStringLiteral("%1 fields").arg(fields.size());
    static const QList<QByteArray> codes = {"1", "4", "12", "13", "31", "33"};
    if (!codes.contains(fields[0])) return QStringLiteral("row code ") + QString::fromLatin1(fields[0]);
    for (int i : {1, 2, 3, 5, 6, 7, 8})
        if (fields[i] != " ") return QStringLiteral("field %1 is not blank").arg(i + 1);
    return {};
}

// What is wrong with a written print-engine file, or nothing: every line a section or a key,
// the sections width, head and data, the data keys line1.. without gaps, each row nine fields,
// each picture it names on disk unless a warning says it could not be drawn.
QString edfProblem(const QByteArray &file, const QStringList &warnings)
{
    if (!file.endsWith("\r\n")) return QStringLiteral("the file does not end with a line end");
    const QList<QByteArray> lines = file.left(file.size() - 2).split('\n');
    QList<QByteArray> sections;
    int rows = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (!line.endsWith('\r') && i + 1 < lines.size())
            return QStringLiteral("line %1 ends in LF alone").arg(i + 1);
        if (line.endsWith('\r')) line.chop(1);
        if (line.contains('\r')) return QStringLiteral("line %1 holds a CR").arg(i + 1);
        if (line.startsWith('[')) {
            if (!line.endsWith(']')) return QStringLiteral("line %1 is a broken section").arg(i + 1);
            sections << line;
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (eq <= 0) return QStringLiteral("line %1 is neither a section nor a key").arg(i + 1);
        if (sections.isEmpty() || sections.last() != "[data]") continue;
        const QByteArray key = "line" + QByteArray::number(++rows);
        if (line.left(eq) != key)
            return QStringLiteral("data line %1 has the key %2")
                .arg(rows)
                .arg(QString::fromLatin1(line.left(eq)));
        const QByteArray value = line.mid(eq + 1);
        if (value.size() < 2 || !value.startsWith('"') || !value.endsWith('"'))
            return QStringLiteral("%1 is not quoted").arg(QString::fromLatin1(key));
        const QByteArray row = value.mid(1, value.size() - 2);
        if (const QString problem = rowProblem(row); !problem.isEmpty())
            return QString::fromLatin1(key) + QStringLiteral(": ") + problem;
        const qsizetype image = row.indexOf("<img image=\"");
        if (image >= 0) {
            const qsizetype start = image + 12, end = row.indexOf('"', start);
            const QString picture = QFile::decodeName(row.mid(start, end - start));
            const bool told = !warnings.filter(picture).isEmpty();
            if (end < 0 || (!QFileInfo(picture).isFile() && !told))
                return QString::fromLatin1(key) + QStringLiteral(" names a picture that is not there: ") +
                       picture;
        }
    }
    if (sections != QList<QByteArray>{"[width]", "[head]", "[data]"})
        return QStringLiteral("the sections are ") + QString::fromLatin1(sections.join(' '));
    return {};
}

} // namespace

QString EdfFile(const QByteArray &input)
{
    const QString path = scratch(QStringLiteral("edf-input.edt"));
    if (!writeFile(path, input)) return QStringLiteral("cannot write %1").arg(path);
    VDoc doc;
    if (!ReadDesignFile(doc, path)) return {};
    // A fresh output and picture folder for every input, so that nothing of the last one counts.
    const QString out = scratch(QStringLiteral("out.edf"));
    QFile::remove(out);
    QDir pictures(scratch(QStringLiteral("edf-pictures")));
    pictures.removeRecursively();
    QDir().mkpath(pictures.path());
    const FileResult written = ExportEdf(doc, out, {pictures.path()});
    if (!written) {
        if (written.error.isEmpty()) return QStringLiteral("the print-engine file failed without a reason");
        if (QFileInfo::exists(out))
            return QStringLiteral("a failed print-engine file was left: ") + written.error;
        return {};
    }
    return edfProblem(readFile(out), written.warnings);
}

const std::vector<Target> &Targets()
{
    static const std::vector<Target> targets = {
        {"design_file", DesignFile}, {"picture_text", PictureText}, {"data_file", DataFile},
        {"page_source", PageSource}, {"page_markup", PageMarkupReplay}, {"edf_file", EdfFile},
    };
    return targets;
}

} // namespace fuzzentry
