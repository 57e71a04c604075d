#include "cli/data_check.h"

#include "cli/cli_command.h"
#include "cli/cli_util.h"
#include "files/data_file.h"
#include "files/file_checks.h"
#include "model/code_page.h"
#include "model/v_doc.h"
#include "model/v_grf_element.h"
#include "model/v_page.h"
#include "report/report_generation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace
{
constexpr qsizetype kChunk = 64 * 1024;
constexpr qsizetype kKeptBytes = 64 * 1024; // of a line, what is looked at
constexpr int kListed = 10;                 // line numbers or names written out in one message
constexpr int kMaxNames = 1000;             // names kept: a hostile file cannot grow memory
constexpr int kMaxProblems = 20;
constexpr int kListedDocuments = 20;

enum class LineEnd { CrLf, Lf, None };

// The file's lines split at LF as they stand, so that lines ending in LF alone can be named
// (the data reader splits at CR LF only and never sees them).
class RawLines
{
public:
    explicit RawLines(QFile &file) : m_file(file) {}

    // False at the end. line holds at most kKeptBytes of it, without its line end; length is its
    // whole length.
    bool next(QByteArray &line, LineEnd &end, qint64 &length)
    {
        line.clear();
        length = 0;
        char last = 0;
        bool started = false;
        for (;;) {
            if (m_pos >= m_buffer.size()) {
                m_buffer = m_file.read(kChunk);
                m_pos = 0;
                if (m_buffer.isEmpty()) {
                    end = LineEnd::None;
                    return started;
                }
            }
            started = true;
            const qsizetype lf = m_buffer.indexOf('\n', m_pos);
            const qsizetype stop = lf < 0 ? m_buffer.size() : lf;
            const qsizetype take = std::min(stop - m_pos, kKeptBytes - line.size());
            if (take > 0) line.append(m_buffer.constData() + m_pos, take);
            if (stop > m_pos) last = m_buffer[stop - 1];
            length += stop - m_pos;
            m_pos = stop;
            if (lf >= 0) {
                ++m_pos;
                end = last == '\r' ? LineEnd::CrLf : LineEnd::Lf;
                if (end == LineEnd::CrLf) {
                    if (line.size() == length) line.chop(1);
                    --length;
                }
                return true;
            }
        }
    }

private:
    QFile &m_file;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
};

// Line numbers of one kind of problem: the first few, and how many.
struct LineList {
    QList<int> first;
    int count = 0;
    void add(int line)
    {
        if (first.size() < kListed) first << line;
        ++count;
    }
    // "line 3 ends", "lines 3, 5 end": verb is the plural form.
    QString text(const QString &verb) const
    {
        QStringList numbers;
        for (int n : first)
            numbers << QString::number(n);
        QString s = (count == 1 ? QStringLiteral("line ") : QStringLiteral("lines ")) +
                    numbers.join(QStringLiteral(", "));
        if (count > first.size())
            s += QStringLiteral(" and ") + QString::number(count - first.size()) + QStringLiteral(" more");
        return s + QLatin1Char(' ') + (count == 1 ? verb + QLatin1Char('s') : verb);
    }
};

// Names in the order first met, each with its first line.
struct NameList {
    QStringList names;
    QHash<QString, int> lines;
    int dropped = 0;
    void add(const QString &name, int line)
    {
        if (lines.contains(name)) return;
        if (names.size() >= kMaxNames) {
            ++dropped;
            return;
        }
        names << name;
        lines.insert(name, line);
    }
    QString text() const
    {
        QString s = names.mid(0, 50).join(QStringLiteral(", "));
        const int more = int(names.size()) - 50 + dropped;
        if (more > 0) s += QStringLiteral(" and ") + QString::number(more) + QStringLiteral(" more");
        return s;
    }
};

// Problems in the order found; past kMaxProblems only counted.
struct Problems {
    QStringList texts;
    int count = 0;
    void add(const QString &text, bool first = false)
    {
        ++count;
        if (first)
            texts.prepend(text);
        else if (texts.size() < kMaxProblems)
            texts << text;
        if (texts.size() > kMaxProblems) texts.removeLast();
    }
    bool isEmpty() const { return count == 0; }
};

struct Document {
    int line = 0;
    QString dataType;
    QString designFile;
    int pages = 0;
};

struct Scan {
    bool convert = false;
    int outputs = 0;
    QList<Document> documents; // the first kListedDocuments
    int documentCount = 0;
    int pageCount = 0;
    NameList pages;                    // design page names used
    QHash<QString, NameList> elements; // element names used, by page name
    NameList designFiles;
    LineList lineFeeds;
    LineList tooLong;
    int unended = 0;      // a last line without any line end
    int elementNames = 0; // kept over all pages
    Problems errors;
    Problems warnings;
    bool readFailed = false;
};

void addProblem(Problems &problems, int line, const QString &text)
{
    problems.add(QStringLiteral("line ") + QString::number(line) + QStringLiteral(": ") + text);
}

void scanLine(Scan &scan, const QString &text, int number, bool &inDocument, bool &inPage, QString &page,
              bool &ended, QString &output)
{
    const auto integer = [&](const DataAttributes &attributes, const char *name) {
        QString value;
        int parsed = 0;
        if (attributes.Get(QString::fromLatin1(name), value) && !ParseDataInt(value, parsed))
            addProblem(scan.errors, number,
                       QLatin1String(name) + QStringLiteral(" is not an integer: \"") + value +
                           QLatin1Char('"'));
        return value;
    };
    const auto needPage = [&] {
        if (!inPage) addProblem(scan.errors, number, QStringLiteral("data outside a page"));
        return inPage;
    };
    switch (LeadingTag(text)) {
    case DataTag::ConvertStart: {
        QString name;
        if (DataAttributes(text).Get(QStringLiteral("ConvertFileName"), name)) {
            output = name;
            ++scan.outputs;
        }
        break;
    }
    case DataTag::DocumentStart: {
        if (inDocument) break;
        inDocument = true;
        ++scan.documentCount;
        const DataAttributes attributes(text);
        Document document;
        document.line = number;
        document.dataType = integer(attributes, "DataType");
        if (document.dataType != QLatin1String("1") && document.dataType != QLatin1String("2") &&
            !document.dataType.isEmpty())
            addProblem(scan.warnings, number,
                       QStringLiteral("DataType ") + document.dataType +
                           QStringLiteral(" is neither 1 (normal) nor 2 (repeating)"));
        attributes.Get(QStringLiteral("DesignFile"), document.designFile);
        if (!document.designFile.isEmpty()) scan.designFiles.add(document.designFile, number);
        if (scan.documents.size() < kListedDocuments) scan.documents << document;
        break;
    }
    case DataTag::DocumentEnd:
        if (scan.convert && output.trimmed().isEmpty())
            addProblem(scan.warnings, number,
                       QStringLiteral("the document ends before a <ConvertFile ConvertFileName=\"...\"> line "
                                      "names its PDF; the reading stops here"));
        inDocument = inPage = false;
        ended = !scan.convert;
        break;
    case DataTag::PageStart: {
        QString name;
        if (!DataAttributes(text).Get(QStringLiteral("DesignName"), name)) {
            addProblem(scan.warnings, number, QStringLiteral("a page without DesignName is passed over"));
            break;
        }
        inPage = true;
        page = name;
        ++scan.pageCount;
        if (!scan.documents.isEmpty() && scan.documentCount <= kListedDocuments)
            ++scan.documents.last().pages;
        scan.pages.add(name, number);
        break;
    }
    case DataTag::PageEnd:
        inPage = false;
        break;
    case DataTag::DataStart: {
        const DataAttributes attributes(text);
        QString status, name;
        attributes.Get(QStringLiteral("Status"), status);
        if (status != QLatin1String("Label") && status != QLatin1String("BarCode") &&
            status != QLatin1String("Group"))
            break;
        if (!needPage()) break;
        if (status == QLatin1String("BarCode")) {
            integer(attributes, "Type");
            integer(attributes, "ValueType");
        }
        // Only for pages whose name is kept, and a bounded number in all.
        if (attributes.Get(QStringLiteral("DesignName"), name) && scan.pages.lines.contains(page) &&
            scan.elementNames < kMaxNames) {
            NameList &names = scan.elements[page];
            const qsizetype before = names.names.size();
            names.add(name, number);
            scan.elementNames += int(names.names.size() - before);
        }
        break;
    }
    case DataTag::Field: {
        if (!needPage()) break;
        int field = 0;
        QString value;
        if (ParseFieldLine(text, field, value) == FieldLine::BadNumber)
            addProblem(scan.errors, number, QStringLiteral("field number is not an integer"));
        break;
    }
    default:
        break;
    }
}

Scan scanFile(QFile &file)
{
    Scan scan;
    scan.convert = IsConvertFile(file.fileName());
    RawLines lines(file);
    QByteArray bytes;
    LineEnd end = LineEnd::None;
    qint64 length = 0;
    int number = 0;
    bool inDocument = false, inPage = false, ended = false;
    int blankLine = 0, endLine = 0;
    QString page, output;
    while (lines.next(bytes, end, length)) {
        ++number;
        const QString text = DecodeAnsi(bytes).trimmed();
        if (end == LineEnd::Lf) scan.lineFeeds.add(number);
        if (end == LineEnd::None && !text.isEmpty()) scan.unended = number;
        if (length > DataLineReader::kMaxLineBytes) scan.tooLong.add(number);
        if (text.isEmpty()) {
            // A convert file's reading ends at its first blank line.
            if (scan.convert && blankLine == 0 && end != LineEnd::None) blankLine = number;
            continue;
        }
        if (ended || (scan.convert && blankLine > 0)) {
            if (endLine == 0) {
                endLine = number;
                addProblem(
                    scan.warnings, number,
                    ended ? QStringLiteral("not read: the reading ends at the document's </Document>")
                          : QStringLiteral("not read: a convert file's reading ends at the blank line ") +
                                QString::number(blankLine));
            }
            continue;
        }
        scanLine(scan, text, number, inDocument, inPage, page, ended, output);
    }
    scan.readFailed = file.error() != QFileDevice::NoError;
    if (!ended && !scan.convert)
        addProblem(scan.errors, number, QStringLiteral("the file ends without </Document>"));
    if (inDocument && scan.convert)
        addProblem(scan.warnings, number,
                   QStringLiteral("the last document has no </Document> and is not written"));
    return scan;
}

// Every element name in the tree under e.
void collectNames(const VGrfElement &e, QSet<QString> &names)
{
    names.insert(e.Name());
    for (const auto &c : e.ChildList())
        collectNames(*c, names);
}

// The design the data names beside the data file; empty when there is none there.
QString designBeside(const QString &dataPath, const Scan &scan)
{
    if (scan.designFiles.names.isEmpty()) return QString();
    const QString name = scan.designFiles.names.first();
    const QString path = QFileInfo(dataPath).dir().filePath(name);
    return QFileInfo(path).isFile() ? path : QString();
}

// Takes each page as it is made: the check keeps nothing.
class DropPages : public ReportSink
{
public:
    void PageDone(VDoc &report, int index) override { report.TakePage(index); }
    void DataWarning(const QString &text) override { warnings << text; }
    QStringList warnings;
};

void printProblems(const QString &path, const Problems &problems, const QString &prefix)
{
    for (const QString &text : problems.texts)
        cliError(path + QStringLiteral(": ") + prefix + text);
    if (problems.count > problems.texts.size())
        cliError(path + QStringLiteral(": ") + QString::number(problems.count - problems.texts.size()) +
                 QStringLiteral(" more like these"));
}
} // namespace

bool looksLikeDataFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("edd") || suffix == QLatin1String("ebd")) return true;
    QFile file(path);
    if (!PlainFileProblem(path).isEmpty() || !file.open(QIODevice::ReadOnly)) return false;
    const QList<QByteArray> lines = file.read(kChunk).split('\n');
    for (const QByteArray &raw : lines) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1String("<?xml"))) continue;
        switch (LeadingTag(line)) {
        case DataTag::ConvertStart:
        case DataTag::PageStart:
        case DataTag::DataStart:
        case DataTag::Field:
            return true;
        case DataTag::DocumentStart: {
            // A design's document holds its paper; a data document its type or design.
            QString value;
            const DataAttributes attributes(line);
            return attributes.Get(QStringLiteral("DataType"), value) ||
                   attributes.Get(QStringLiteral("DesignFile"), value);
        }
        default:
            return false;
        }
    }
    return false;
}

int checkDataFile(const QString &path, const std::optional<QString> &designPath)
{
    if (const QString problem = PlainFileProblem(path); !problem.isEmpty()) {
        cliError(path + QStringLiteral(": ") + problem);
        return kExitFailure;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        cliError(path + QStringLiteral(": ") + file.errorString());
        return kExitFailure;
    }
    Scan scan = scanFile(file);
    if (scan.readFailed) {
        cliError(path + QStringLiteral(": ") + file.errorString());
        return kExitFailure;
    }

    cliOut(path + QStringLiteral(": data file") +
           (scan.convert ? QStringLiteral(" (convert file, ") + QString::number(scan.outputs) +
                               QStringLiteral(" output(s))")
                         : QString()) +
           QStringLiteral(", ") + QString::number(scan.documentCount) + QStringLiteral(" document(s), ") +
           QString::number(scan.pageCount) + QStringLiteral(" page(s)"));
    for (int i = 0; i < scan.documents.size(); ++i) {
        const Document &d = scan.documents[i];
        cliOut(QStringLiteral("document ") + QString::number(i + 1) + QStringLiteral(" (line ") +
               QString::number(d.line) + QStringLiteral("): DataType ") +
               (d.dataType.isEmpty() ? QStringLiteral("-") : d.dataType) +
               (d.designFile.isEmpty() ? QString() : QStringLiteral(", design ") + d.designFile) +
               QStringLiteral(", ") + QString::number(d.pages) + QStringLiteral(" page(s)"));
    }
    if (scan.documentCount > scan.documents.size())
        cliOut(QStringLiteral("and ") + QString::number(scan.documentCount - scan.documents.size()) +
               QStringLiteral(" more document(s)"));
    if (!scan.pages.names.isEmpty()) cliOut(QStringLiteral("design pages used: ") + scan.pages.text());
    int listed = 0;
    for (const QString &page : scan.pages.names) {
        if (!scan.elements.contains(page)) continue;
        if (++listed > kListedDocuments) {
            cliOut(QStringLiteral("(elements of further pages not listed)"));
            break;
        }
        cliOut(QStringLiteral("elements named on ") + page + QStringLiteral(": ") +
               scan.elements[page].text());
    }

    if (scan.lineFeeds.count > 0)
        scan.errors.add(
            scan.lineFeeds.text(QStringLiteral("end")) +
                QStringLiteral(" in LF alone; data files need CR LF, and the reader does not see them"),
            true);
    if (scan.unended > 0)
        scan.errors.add(QStringLiteral("line ") + QString::number(scan.unended) +
                        QStringLiteral(" has no line end; the reader passes it over"));
    if (scan.tooLong.count > 0)
        scan.errors.add(scan.tooLong.text(QStringLiteral("hold")) +
                        QStringLiteral(" more than 16 MiB, the most a data line may hold"));

    // The design: given, or the one the data names beside it.
    const QString design = designPath.value_or(designBeside(path, scan));
    if (design.isEmpty()) {
        if (!scan.designFiles.names.isEmpty())
            scan.warnings.add(
                scan.designFiles.names.first() +
                QStringLiteral(" is not beside the data: its names are not looked up (--design DESIGN)"));
    }
    VDoc doc;
    const bool haveDesign = !design.isEmpty() && cliLoadDocument(design, doc);
    if (!design.isEmpty() && !haveDesign) return kExitFailure;
    if (haveDesign) {
        cliOut(QStringLiteral("design: ") + design);
        for (const QString &pageName : scan.pages.names) {
            const VPage *page = doc.FindPage(pageName);
            if (!page) {
                addProblem(scan.errors, scan.pages.lines.value(pageName),
                           QStringLiteral("the design has no page \"") + pageName + QLatin1Char('"'));
                continue;
            }
            QSet<QString> names;
            collectNames(page->Root(), names);
            for (const QString &name : scan.elements.value(pageName).names)
                if (!names.contains(name))
                    addProblem(scan.warnings, scan.elements.value(pageName).lines.value(name),
                               QStringLiteral("page \"") + pageName +
                                   QStringLiteral("\" of the design has no element \"") + name +
                                   QLatin1Char('"'));
        }
    }
    printProblems(path, scan.warnings, QStringLiteral("warning: "));
    printProblems(path, scan.errors, QString());
    if (!scan.errors.isEmpty()) return kExitFailure;
    if (!haveDesign) return kExitOk;

    // The merge itself, as generate runs it, for what only it finds (pictures, repeat counts).
    DropPages sink;
    VDoc report;
    QString reason;
    const bool read = ReadDataFile(path, doc, report, &sink, &reason);
    for (const QString &warning : sink.warnings)
        cliError(path + QStringLiteral(": warning: ") + warning);
    if (!read) {
        cliDataError(path, reason);
        return kExitFailure;
    }
    cliOut(QStringLiteral("the data merges into the design"));
    return kExitOk;
}
