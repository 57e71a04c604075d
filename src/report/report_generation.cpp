#include "report/report_generation.h"

#include "files/data_file.h"
#include "files/file_checks.h"
#include "files/plain_file.h"
#include "files/xml_check.h"
#include "model/v_doc.h"
#include "report/convert_pdf_sink.h"
#include "report/data_pictures.h"
#include "report/data_type_state.h"
#include "report/report_page.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <bitset>
#include <climits>
#include <new>
#include <unordered_map>
#include <vector>

namespace
{
struct DataError {
    QString reason;
};

[[noreturn]] void fail(const QString &reason)
{
    throw DataError{reason};
}

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

// Integer attribute: absent gives fallback, present but not an integer breaks the data.
int intAttribute(const QString &name, const DataAttributes &attributes, int fallback)
{
    QString text;
    if (!attributes.Get(name, text)) return fallback;
    int value = 0;
    if (!ParseDataInt(text, value))
        fail(name + QStringLiteral(" is not an integer: \"") + VisibleText(text) + QLatin1Char('"'));
    return value;
}

// The children of one container by name and number, built on first use: pages with
// thousands of labels would otherwise cost a scan of all of them for every data line. Each
// lookup gives what a scan in child order would give, the first match.
class ContainerIndex
{
public:
    explicit ContainerIndex(const VGrfElement &container)
    {
        for (const auto &c : container.ChildList()) {
            VGrfElement *e = c.get();
            if (e->Kind() == ElementKind::Label) {
                m_labelByName.insert(e->Name(), e);
                m_labelByNum.insert(e->Num(), e);
            } else if (e->Kind() == ElementKind::BarCode) {
                m_barCodeByName.insert(e->Name(), e);
            } else if (e->Kind() == ElementKind::Group) {
                m_groups.push_back(e);
                m_groupByName.insert(e->Name(), e);
                if (e->Repeatability()) m_bandByNum.insert(e->Num(), e);
            }
            if (e->Name() == QLatin1String("Group5_E3") || e->Name() == QLatin1String("Group5_E5"))
                m_hasGroup5 = true;
        }
    }

    VGrfElement *label(const QString &name) const { return m_labelByName.value(name); }
    VGrfElement *label(int num) const { return m_labelByNum.value(num); }
    VGrfElement *barCode(const QString &name) const { return m_barCodeByName.value(name); }
    VGrfElement *group(const QString &name) const { return m_groupByName.value(name); }
    VGrfElement *band(int num) const { return m_bandByNum.value(num); }
    const std::vector<VGrfElement *> &groups() const { return m_groups; }
    // Children named Group5_E3 or Group5_E5 make a group line walk the children in order.
    bool hasGroup5() const { return m_hasGroup5; }

private:
    // Filled in child order, keeping the first element of each key.
    struct FirstHash : QHash<QString, VGrfElement *> {
        void insert(const QString &key, VGrfElement *e)
        {
            if (!contains(key)) QHash::insert(key, e);
        }
    };
    struct FirstNumHash : QHash<int, VGrfElement *> {
        void insert(int key, VGrfElement *e)
        {
            if (!contains(key)) QHash::insert(key, e);
        }
    };
    FirstHash m_labelByName, m_barCodeByName, m_groupByName;
    FirstNumHash m_labelByNum, m_bandByNum;
    std::vector<VGrfElement *> m_groups;
    bool m_hasGroup5 = false;
};

// Indexes of the containers of the page being read; a new page starts afresh, since freed
// pages give their addresses to new ones.
class PageIndex
{
public:
    const ContainerIndex &of(const VGrfElement &container)
    {
        auto it = m_index.find(&container);
        if (it == m_index.end())
            it = m_index.emplace(&container, std::make_unique<ContainerIndex>(container)).first;
        return *it->second;
    }
    // A label by name among the container's children, else one level down in its groups.
    VGrfElement *findLabel(const VGrfElement &container, const QString &name)
    {
        const ContainerIndex &index = of(container);
        if (VGrfElement *label = index.label(name)) return label;
        for (VGrfElement *group : index.groups())
            if (VGrfElement *label = of(*group).label(name)) return label;
        return nullptr;
    }
    void clear() { m_index.clear(); }

private:
    std::unordered_map<const VGrfElement *, std::unique_ptr<ContainerIndex>> m_index;
};

// Report files are XML, which cannot hold most control characters, not even escaped; a value
// with one is refused where it is read, so that the report can always be saved.
void checkStorable(const QString &value)
{
    for (QChar c : value)
        if (c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            fail(QStringLiteral(
                     "the value \"%1\" holds the control character \\x%2, which a report file cannot store")
                     .arg(VisibleText(value),
                          QString::number(c.unicode(), 16).rightJustified(2, QLatin1Char('0'))));
}

void setLabelValue(VGrfElement &label, const QString &value, PictureLoader &pictures)
{
    checkStorable(value);
    label.SetCaption(value);
    // A name that leads nowhere stays as text; one that leads to something other than a plain
    // file is refused by name, whatever its extension.
    if (!IsPictureValueType(label.ValueType()) || value.isEmpty() || !QFileInfo::exists(value)) return;
    if (!QFileInfo(value).isFile())
        fail(QStringLiteral("picture ") + value + QStringLiteral(" is not a plain file"));
    const QByteArray format = DataPictureFormat(value);
    if (format.isEmpty()) return;
    QString problem;
    const QImage image = pictures.load(value, format, problem);
    if (image.isNull()) fail(problem);
    auto picture = std::make_unique<VPicture>();
    picture->SetImage(image);
    picture->SetSizeSet(DataPictureSizeSet(label.ValueType()));
    label.SetPicture(std::move(picture));
    label.SetCaption(QString());
}

// The field number of a record line's attribute name "f<k>", 1 to 996; 0 for any other name.
int recordFieldNumber(QStringView name)
{
    if (name.size() < 2 || name.size() > 4 || name[0] != QLatin1Char('f') || name[1] == QLatin1Char('0'))
        return 0;
    int k = 0;
    for (QChar c : name.sliced(1)) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return 0;
        k = k * 10 + (c.unicode() - '0');
    }
    return k <= 996 ? k : 0;
}

class DataMerge
{
public:
    DataMerge(DataLineReader &reader, const VDoc &design, VDoc &report, bool convert, ReportSink &sink)
        : m_reader(reader), m_design(design), m_report(report), m_convert(convert), m_sink(sink),
          m_pageNumber(report.LastPage() ? report.LastPage()->Num() : 0)
    {
    }

    void run()
    {
        prepareReport();
        QString line;
        while (!m_stop && nextLine(line)) {
            dispatch(line);
            const QString stop = m_sink.StopReason();
            if (!stop.isEmpty()) fail(stop);
        }
        finishPage();
        if (!m_convert) return;
        // A convert file ends quietly at its end; say what that left unwritten.
        const QString lineFeeds = QStringLiteral("lines that end in LF alone were not read (data files need CR LF)");
        if (m_documentStart > 0 && !m_stop)
            m_sink.DataWarning(QStringLiteral("line %1: the document that starts here has no </Document> and was not written")
                                   .arg(m_documentStart) +
                               (m_reader.SawBareLineFeed() ? QStringLiteral("; ") + lineFeeds : QString()));
        else if (m_reader.SawBareLineFeed())
            m_sink.DataWarning(lineFeeds);
    }

    int lineNumber() const { return m_lineNumber; }

private:
    void prepareReport()
    {
        m_report.Settings() = m_design.Settings();
        m_report.Font() = m_design.Font();
    }

    // False when the reading ends without an error (a convert file's blank line).
    bool nextLine(QString &line)
    {
        for (;;) {
            line = m_reader.ReadLine();
            ++m_lineNumber;
            if (m_reader.Failed()) fail(QStringLiteral("the file cannot be read"));
            static_assert(DataLineReader::kMaxLineBytes == 16 * 1024 * 1024, "the message names the limit");
            if (m_reader.LineTooLong())
                fail(QStringLiteral("the line is longer than 16 MiB (16,777,216 bytes), the most a data "
                                    "line may hold") +
                     (m_reader.SawBareLineFeed()
                          ? QStringLiteral(
                                "; the file has lines that end in LF alone, and data files need CR LF")
                          : QString()));
            if (!line.isEmpty()) return true;
            if (m_convert) return false;
            if (m_reader.AtEnd())
                fail(m_reader.SawBareLineFeed()
                         ? QStringLiteral("the file ends without </Document>; its lines end in LF "
                                          "alone, and data files need CR LF")
                         : QStringLiteral("the file ends without </Document>"));
        }
    }

    // Each line is what its leading tag says; its values never make it anything else.
    void dispatch(const QString &line)
    {
        const DataTag tag = LeadingTag(line);
        // A skipped document's pages are not built; the lines that shape the file still count.
        if (m_skipping && tag != DataTag::DocumentEnd && tag != DataTag::DocumentStart &&
            tag != DataTag::ConvertStart && tag != DataTag::ConvertEnd)
            return;
        switch (tag) {
        case DataTag::DataEnd:
            if (!m_groups.empty()) {
                m_container = m_groups.back();
                m_groups.pop_back();
            }
            break;
        case DataTag::PageEnd:
            m_container = nullptr;
            m_groups.clear();
            break;
        case DataTag::ConvertEnd:
            break; // the wrapper may be followed by more of them
        case DataTag::DocumentEnd:
            endDocument();
            break;
        case DataTag::ConvertStart:
            if (m_convert) convertFileName(DataAttributes(line));
            break;
        case DataTag::DocumentStart:
            SetCurrentDataType(
                intAttribute(QStringLiteral("DataType"), DataAttributes(line), CurrentDataType()));
            if (m_documentPages == 0) m_documentStart = m_lineNumber;
            break;
        case DataTag::PageStart:
            page(DataAttributes(line));
            break;
        case DataTag::DataStart: {
            const DataAttributes attributes(line);
            QString status;
            attributes.Get(QStringLiteral("Status"), status);
            if (status == QLatin1String("Label"))
                label(attributes);
            else if (status == QLatin1String("BarCode"))
                barCode(attributes);
            else if (status == QLatin1String("Group"))
                group(attributes);
            break;
        }
        case DataTag::Field:
            field(line);
            break;
        case DataTag::Other:
            break;
        }
    }

    VGrfElement &container()
    {
        if (!m_container) fail(QStringLiteral("data outside a page of the design"));
        return *m_container;
    }

    // The page being filled is complete: no later line can reach it.
    void finishPage()
    {
        if (!m_openPage) return;
        const int index = m_report.IndexOf(m_openPage);
        m_openPage = nullptr;
        m_index.clear();
        if (index >= 0) m_sink.PageDone(m_report, index);
    }

    void endDocument()
    {
        if (!m_convert || m_pdfPath.trimmed().isEmpty()) {
            m_stop = true;
            return;
        }
        finishPage();
        ConvertDocument document;
        document.pdfPath = m_pdfPath;
        document.firstLine = m_documentStart > 0 ? m_documentStart : m_lineNumber;
        document.lastLine = m_lineNumber;
        document.pages = m_documentPages;
        if (m_documentPages == 0)
            document.problem =
                QStringLiteral("the document of lines %1 to %2 has no pages")
                    .arg(document.firstLine)
                    .arg(document.lastLine) +
                (m_reader.SawBareLineFeed() ? QStringLiteral("; its lines end in LF alone, and data files need CR LF")
                                 : QString());
        m_sink.DocumentDone(m_report, document);
        m_report.Clear();
        prepareReport();
        m_container = nullptr;
        m_groups.clear();
        m_pageNumber = 0;
        m_documentPages = 0;
        m_documentStart = 0;
        m_skipping = false;
        m_reader.ForgetBareLineFeed();
    }

    void convertFileName(const DataAttributes &attributes)
    {
        if (!attributes.Get(QStringLiteral("ConvertFileName"), m_pdfPath)) return;
        // The sink checks the name and makes its folder: not every name may be written.
        m_sink.OutputNamed(m_pdfPath);
    }

    void page(const DataAttributes &attributes)
    {
        QString name;
        if (!attributes.Get(QStringLiteral("DesignName"), name)) return;
        const VPage *designPage = m_design.FindPage(name);
        if (!designPage) return; // its data lines meet the container of before, at document level none
        if (m_convert && m_documentPages == 0 && !m_pdfPath.trimmed().isEmpty() && m_sink.SkipsDocument()) {
            finishPage();
            m_skipping = true;
            m_container = nullptr;
            m_groups.clear();
            return;
        }
        finishPage();
        VPage *added = AddReportPage(m_report, *designPage, name);
        // Numbered as if every page were still there: streaming outputs take finished ones away.
        added->Settings().Num = ++m_pageNumber;
        m_openPage = added;
        ++m_documentPages;
        if (m_documentStart == 0) m_documentStart = m_lineNumber;
        m_container = &added->Root();
        m_groups.clear();
    }

    void label(const DataAttributes &attributes)
    {
        VGrfElement &in = container();
        QString caption;
        attributes.Get(QStringLiteral("Caption"), caption);
        QString name;
        VGrfElement *target = nullptr;
        if (attributes.Get(QStringLiteral("DesignName"), name)) {
            target = m_index.findLabel(in, name);
        } else {
            QString idText;
            if (!attributes.Get(QStringLiteral("ID"), idText)) return;
            target = m_index.of(in).label(intAttribute(QStringLiteral("ID"), attributes, 0));
        }
        if (target) setLabelValue(*target, caption, m_pictures);
    }

    void barCode(const DataAttributes &attributes)
    {
        VGrfElement &in = container();
        QString caption, type, value, valueType, name;
        attributes.Get(QStringLiteral("Caption"), caption);
        attributes.Get(QStringLiteral("Type"), type);
        attributes.Get(QStringLiteral("Value"), value);
        attributes.Get(QStringLiteral("ValueType"), valueType);
        int typeCode = 0, valueTypeCode = 0;
        if (!type.isEmpty() && !ParseDataInt(type, typeCode))
            fail(QStringLiteral("Type is not an integer: \"") + VisibleText(type) + QLatin1Char('"'));
        if (!valueType.isEmpty() && !ParseDataInt(valueType, valueTypeCode))
            fail(QStringLiteral("ValueType is not an integer: \"") + VisibleText(valueType) +
                 QLatin1Char('"'));
        if (!attributes.Get(QStringLiteral("DesignName"), name)) return;
        VGrfElement *target = m_index.of(in).barCode(name);
        if (!target) return;
        checkStorable(caption);
        checkStorable(value);
        if (!caption.isEmpty()) target->SetCaption(caption);
        VBarCode &code = target->EnsureBarCode();
        if (!type.isEmpty()) code.SetType(typeCode);
        if (!value.isEmpty()) code.SetValue(value);
        if (!valueType.isEmpty()) code.SetValueType(valueTypeCode);
    }

    void group(const DataAttributes &attributes)
    {
        VGrfElement &in = container();
        QString repeat;
        if (CurrentDataType() == 2 && attributes.Get(QStringLiteral("Repeat"), repeat) &&
            repeat == QLatin1String("1")) {
            repeatingBlock(in, attributes);
            return;
        }
        QString name;
        const bool named = attributes.Get(QStringLiteral("DesignName"), name);
        VGrfElement *match = nullptr;
        const ContainerIndex &index = m_index.of(in);
        if (!index.hasGroup5()) {
            if (named) match = index.group(name);
        } else {
            bool hideCompanions = false;
            for (const auto &c : in.ChildList()) {
                if (named && c->Kind() == ElementKind::Group && c->Name() == name) {
                    match = c.get();
                    break;
                }
                // An empty Group5_E3 or Group5_E5 takes its Group5_E2 and Group5_E4 out of print.
                if ((c->Name() == QLatin1String("Group5_E3") || c->Name() == QLatin1String("Group5_E5")) &&
                    c->Caption().trimmed().isEmpty()) {
                    c->SetPrintable(pmNever);
                    hideCompanions = true;
                }
            }
            if (hideCompanions)
                for (const auto &c : in.ChildList())
                    if (c->Name() == QLatin1String("Group5_E2") || c->Name() == QLatin1String("Group5_E4"))
                        c->SetPrintable(pmNever);
        }
        m_groups.push_back(m_container);
        if (match) m_container = match;
    }

    void repeatingBlock(VGrfElement &in, const DataAttributes &head)
    {
        const qint64 first = intAttribute(QStringLiteral("ID"), head, 0);
        const qint64 count = intAttribute(QStringLiteral("RepeatCount"), head, 0);
        QString line;
        for (qint64 i = first;; ++i) {
            if (!nextLine(line)) {
                m_stop = true;
                return;
            }
            if (line == QLatin1String("</Data>")) return;
            if (first == 0 || count == 0 || i >= first + count || i > INT_MAX) continue;
            VGrfElement *band = m_index.of(in).band(int(i));
            if (!band) continue;
            // A record line is "<" and then its attributes: f1="..." f2="..." and so on.
            const DataAttributes record(line, line.startsWith(QLatin1Char('<')) ? 1 : 0);
            const ContainerIndex &fields = m_index.of(*band);
            std::bitset<997> done; // of a number given twice, the first counts
            for (const auto &[name, value] : record.All()) {
                const int k = recordFieldNumber(name);
                if (k == 0 || done[size_t(k)]) continue;
                done[size_t(k)] = true;
                if (VGrfElement *label = fields.label(k)) setLabelValue(*label, value.toString(), m_pictures);
            }
        }
    }

    void field(const QString &line)
    {
        VGrfElement &in = container();
        int number = 0;
        QString value;
        switch (ParseFieldLine(line, number, value)) {
        case FieldLine::BadNumber:
            fail(QStringLiteral("field number is not an integer"));
        case FieldLine::Malformed:
            return;
        case FieldLine::Valid:
            break;
        }
        if (VGrfElement *label = m_index.of(in).label(number)) setLabelValue(*label, value, m_pictures);
    }

    DataLineReader &m_reader;
    const VDoc &m_design;
    VDoc &m_report;
    const bool m_convert;
    ReportSink &m_sink;
    VGrfElement *m_container = nullptr;
    std::vector<VGrfElement *> m_groups; // containers to return to at each </Data>
    VPage *m_openPage = nullptr;         // the page being filled
    PageIndex m_index;
    int m_pageNumber;
    int m_documentPages = 0;
    int m_documentStart = 0;
    QString m_pdfPath;
    PictureLoader m_pictures;
    int m_lineNumber = 0;
    bool m_stop = false;
    bool m_skipping = false; // the document being read is not the sink's to write
};
} // namespace

bool IsConvertFile(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile()) return false;
    if (!file.open(QIODevice::ReadOnly)) return false;
    // Lines split as the reader splits them (at CR LF only), each looked at only where it
    // starts: the token inside a value never counts.
    static const QByteArray token = "<ConvertFile";
    enum { LineStart, Matching, Rest } state = LineStart;
    int matched = 0;
    char previous = 0;
    char buffer[65536];
    qint64 n = 0;
    while ((n = file.read(buffer, sizeof buffer)) > 0) {
        for (qint64 i = 0; i < n; ++i) {
            const char c = buffer[i];
            const bool lineEnd = previous == '\r' && c == '\n';
            previous = c;
            if (lineEnd) {
                state = LineStart;
                continue;
            }
            switch (state) {
            case LineStart:
                if (isBlank(c)) break;
                state = c == token[0] ? Matching : Rest;
                matched = 1;
                break;
            case Matching:
                if (matched == token.size()) {
                    if (isBlank(c)) return true;
                    state = Rest;
                } else if (c == token[matched]) {
                    ++matched;
                } else {
                    state = Rest;
                }
                break;
            case Rest:
                break;
            }
        }
    }
    return state == Matching && matched == token.size();
}

bool ReadDataFile(const QString &path, const VDoc &design, VDoc &report, ReportSink *sink, QString *reason)
{
    std::unique_ptr<ReportSink> own;
    if (!sink) {
        own = std::make_unique<ConvertPdfSink>(design, ConvertPdfSink::Options());
        sink = own.get();
    }
    auto failWith = [&](const QString &text) {
        if (reason) *reason = text;
        return false;
    };
    // Devices and pipes can stream without end; data files are plain files.
    const QString problem = PlainFileProblem(path);
    if (!problem.isEmpty()) return failWith(problem);
    const bool convert = IsConvertFile(path);
    QFile file(path);
    // Unbuffered: the line reader's window is the only copy of the file held in memory.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return failWith(QStringLiteral("%1: %2").arg(path, file.errorString()));
    DataLineReader reader(file);
    DataMerge merge(reader, design, report, convert, *sink);
    bool ok = false;
    try {
        merge.run();
        ok = true;
    } catch (const DataError &e) {
        failWith(QStringLiteral("line ") + QString::number(merge.lineNumber()) + QStringLiteral(": ") +
                 e.reason);
    } catch (const std::bad_alloc &) {
        failWith(QStringLiteral("line %1: out of memory").arg(merge.lineNumber()));
    }
    if (own) static_cast<ConvertPdfSink &>(*own).Finish();
    return ok;
}

bool ReadDataFile(const QString &path, const VDoc &design, VDoc &report, QString *reason)
{
    return ReadDataFile(path, design, report, nullptr, reason);
}

QString DataErrorMessage(const QString &message, const QString &reason)
{
    return reason.isEmpty() ? message : message + QLatin1Char('\n') + reason;
}
