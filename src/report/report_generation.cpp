#include "report/report_generation.h"

#include "files/data_file.h"
#include "model/v_doc.h"
#include "report/data_type_state.h"
#include "report/report_page.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <new>
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
int intAttribute(const QString &name, const QString &line, int fallback)
{
    QString text;
    if (!GetAttribute(name, line, text)) return fallback;
    int value = 0;
    if (!ParseDataInt(text, value)) fail(QStringLiteral("%1 is not an integer: \"%2\"").arg(name, text));
    return value;
}

VGrfElement *findChild(const VGrfElement &container, ElementKind kind, int num)
{
    for (const auto &c : container.ChildList())
        if (c->Kind() == kind && c->Num() == num) return c.get();
    return nullptr;
}

VGrfElement *findChild(const VGrfElement &container, ElementKind kind, const QString &name)
{
    for (const auto &c : container.ChildList())
        if (c->Kind() == kind && c->Name() == name) return c.get();
    return nullptr;
}

// A label by name among the container's children, else one level down in its groups.
VGrfElement *findLabel(const VGrfElement &container, const QString &name)
{
    if (VGrfElement *label = findChild(container, ElementKind::Label, name)) return label;
    for (const auto &c : container.ChildList())
        if (c->Kind() == ElementKind::Group)
            if (VGrfElement *label = findChild(*c, ElementKind::Label, name)) return label;
    return nullptr;
}

int pictureSizeSet(int valueType)
{
    switch (valueType) {
    case vtPictureStretch:
        return VPicture::Stretch;
    case vtPictureStretchProportion:
        return VPicture::StretchProportional;
    default:
        return VPicture::OriginalSize;
    }
}

QByteArray pictureFormat(const QString &path)
{
    const QString ext = QFileInfo(path).suffix().toUpper();
    if (ext == QLatin1String("JPEG") || ext == QLatin1String("JPG")) return "JPEG";
    if (ext == QLatin1String("GIF")) return "GIF";
    if (ext == QLatin1String("BMP")) return "BMP";
    if (ext == QLatin1String("PNG")) return "PNG";
    return {};
}

// Data files often name the same picture on every page (a logo, a signature): the last picture
// read is kept, so that such pages share one image instead of each holding its own copy.
class PictureLoader
{
public:
    QImage load(const QString &path, const QByteArray &format)
    {
        const QFileInfo info(path);
        const QDateTime stamp = info.lastModified();
        if (!m_image.isNull() && path == m_path && format == m_format && stamp == m_stamp &&
            info.size() == m_size)
            return m_image;
        QImageReader reader(path, format);
        reader.setDecideFormatFromContent(false);
        QImage image = reader.read();
        if (image.isNull())
            fail(QStringLiteral("picture %1 cannot be read as %2").arg(path, QLatin1String(format)));
        m_path = path;
        m_format = format;
        m_stamp = stamp;
        m_size = info.size();
        m_image = image;
        return image;
    }

private:
    QString m_path;
    QByteArray m_format;
    QDateTime m_stamp;
    qint64 m_size = -1;
    QImage m_image;
};

void setLabelValue(VGrfElement &label, const QString &value, PictureLoader &pictures)
{
    label.SetCaption(value);
    if (!IsPictureValueType(label.ValueType()) || value.isEmpty() || !QFileInfo(value).isFile()) return;
    const QByteArray format = pictureFormat(value);
    if (format.isEmpty()) return;
    auto picture = std::make_unique<VPicture>();
    picture->SetImage(pictures.load(value, format));
    picture->SetSizeSet(pictureSizeSet(label.ValueType()));
    label.SetPicture(std::move(picture));
    label.SetCaption(QString());
}

// The numbers k for which "f<k>=" occurs in a record line, ascending, 1 to 996.
std::vector<int> recordFieldNumbers(const QString &line)
{
    std::vector<int> numbers;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] != QLatin1Char('f')) continue;
        qsizetype j = i + 1;
        int k = 0;
        while (j < line.size() && line[j].isDigit() && line[j].unicode() < 128 && k <= 996) {
            k = k * 10 + (line[j].unicode() - '0');
            ++j;
        }
        const bool leadingZero = j > i + 1 && line[i + 1] == QLatin1Char('0');
        if (j > i + 1 && j < line.size() && line[j] == QLatin1Char('=') && !leadingZero && k >= 1 && k <= 996)
            numbers.push_back(k);
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

class DataMerge
{
public:
    DataMerge(DataLineReader &reader, const VDoc &design, VDoc &report, bool convert,
              const ConvertPdfWriter &writePdf)
        : m_reader(reader), m_design(design), m_report(report), m_convert(convert), m_writePdf(writePdf)
    {
    }

    void run()
    {
        prepareReport();
        QString line;
        while (!m_stop && nextLine(line))
            dispatch(line);
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
            if (!line.isEmpty()) return true;
            if (m_convert) return false;
            if (m_reader.AtEnd()) fail(QStringLiteral("the file ends without </Document>"));
        }
    }

    void dispatch(const QString &line)
    {
        if (line.contains(QLatin1String("</Data>"))) {
            if (!m_groups.empty()) {
                m_container = m_groups.back();
                m_groups.pop_back();
            }
        } else if (line.contains(QLatin1String("</Page>"))) {
            m_container = nullptr;
            m_groups.clear();
        } else if (m_convert && line.contains(QLatin1String("</ConvertFile>"))) {
            // the wrapper may be followed by more of them
        } else if (line.contains(QLatin1String("</Document>"))) {
            endDocument();
        } else if (m_convert && line.contains(QLatin1String("<ConvertFile"))) {
            convertFileName(line);
        } else if (line.contains(QLatin1String("<Document"))) {
            SetCurrentDataType(intAttribute(QStringLiteral("DataType"), line, CurrentDataType()));
        } else if (line.contains(QLatin1String("<Page"))) {
            page(line);
        } else if (line.contains(QLatin1String("<Data Status"))) {
            QString status;
            GetAttribute(QStringLiteral("Status"), line, status);
            if (status == QLatin1String("Label"))
                label(line);
            else if (status == QLatin1String("BarCode"))
                barCode(line);
            else if (status == QLatin1String("Group"))
                group(line);
        } else if (line.contains(QLatin1String("<f"))) {
            field(line);
        }
    }

    VGrfElement &container()
    {
        if (!m_container) fail(QStringLiteral("data outside a page of the design"));
        return *m_container;
    }

    void endDocument()
    {
        if (!m_convert || m_pdfPath.trimmed().isEmpty()) {
            m_stop = true;
            return;
        }
        if (m_writePdf) m_writePdf(m_report, m_pdfPath);
        m_report.Clear();
        prepareReport();
        m_container = nullptr;
        m_groups.clear();
    }

    void convertFileName(const QString &line)
    {
        if (!GetAttribute(QStringLiteral("ConvertFileName"), line, m_pdfPath)) return;
        if (!m_pdfPath.trimmed().isEmpty()) QDir().mkpath(QFileInfo(m_pdfPath).absolutePath());
    }

    void page(const QString &line)
    {
        QString name;
        if (!GetAttribute(QStringLiteral("DesignName"), line, name)) return;
        const VPage *designPage = m_design.FindPage(name);
        if (!designPage) return; // its data lines meet the container of before, at document level none
        m_container = &AddReportPage(m_report, *designPage, name)->Root();
        m_groups.clear();
    }

    void label(const QString &line)
    {
        VGrfElement &in = container();
        QString caption;
        GetAttribute(QStringLiteral("Caption"), line, caption);
        QString name;
        VGrfElement *target = nullptr;
        if (GetAttribute(QStringLiteral("DesignName"), line, name)) {
            target = findLabel(in, name);
        } else {
            QString idText;
            if (!GetAttribute(QStringLiteral("ID"), line, idText)) return;
            target = findChild(in, ElementKind::Label, intAttribute(QStringLiteral("ID"), line, 0));
        }
        if (target) setLabelValue(*target, caption, m_pictures);
    }

    void barCode(const QString &line)
    {
        VGrfElement &in = container();
        QString caption, type, value, valueType, name;
        GetAttribute(QStringLiteral("Caption"), line, caption);
        GetAttribute(QStringLiteral("Type"), line, type);
        GetAttribute(QStringLiteral("Value"), line, value);
        GetAttribute(QStringLiteral("ValueType"), line, valueType);
        int typeCode = 0, valueTypeCode = 0;
        if (!type.isEmpty() && !ParseDataInt(type, typeCode))
            fail(QStringLiteral("Type is not an integer: \"%1\"").arg(type));
        if (!valueType.isEmpty() && !ParseDataInt(valueType, valueTypeCode))
            fail(QStringLiteral("ValueType is not an integer: \"%1\"").arg(valueType));
        if (!GetAttribute(QStringLiteral("DesignName"), line, name)) return;
        VGrfElement *target = findChild(in, ElementKind::BarCode, name);
        if (!target) return;
        if (!caption.isEmpty()) target->SetCaption(caption);
        VBarCode &code = target->EnsureBarCode();
        if (!type.isEmpty()) code.SetType(typeCode);
        if (!value.isEmpty()) code.SetValue(value);
        if (!valueType.isEmpty()) code.SetValueType(valueTypeCode);
    }

    void group(const QString &line)
    {
        VGrfElement &in = container();
        QString repeat;
        if (CurrentDataType() == 2 && GetAttribute(QStringLiteral("Repeat"), line, repeat) &&
            repeat == QLatin1String("1")) {
            repeatingBlock(in, line);
            return;
        }
        QString name;
        const bool named = GetAttribute(QStringLiteral("DesignName"), line, name);
        VGrfElement *match = nullptr;
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
        m_groups.push_back(m_container);
        if (match) m_container = match;
    }

    void repeatingBlock(VGrfElement &in, const QString &head)
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
            if (first == 0 || count == 0 || i >= first + count) continue;
            VGrfElement *band = nullptr;
            for (const auto &c : in.ChildList())
                if (c->Kind() == ElementKind::Group && c->Repeatability() && c->Num() == i) {
                    band = c.get();
                    break;
                }
            if (!band) continue;
            QString value;
            for (int k : recordFieldNumbers(line)) {
                GetAttribute(QStringLiteral("f%1=").arg(k), line, value);
                if (VGrfElement *label = findChild(*band, ElementKind::Label, k))
                    setLabelValue(*label, value, m_pictures);
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
        if (VGrfElement *label = findChild(in, ElementKind::Label, number))
            setLabelValue(*label, value, m_pictures);
    }

    DataLineReader &m_reader;
    const VDoc &m_design;
    VDoc &m_report;
    const bool m_convert;
    const ConvertPdfWriter &m_writePdf;
    VGrfElement *m_container = nullptr;
    std::vector<VGrfElement *> m_groups; // containers to return to at each </Data>
    QString m_pdfPath;
    PictureLoader m_pictures;
    int m_lineNumber = 0;
    bool m_stop = false;
};
} // namespace

bool IsConvertFile(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile()) return false;
    if (!file.open(QIODevice::ReadOnly)) return false;
    static const QByteArray token = "<ConvertFile";
    int matched = -1; // characters of token matched so far, -1 outside a candidate
    bool afterBlank = true;
    char buffer[DataLineReader::kWindow];
    qint64 n = 0;
    while ((n = file.read(buffer, sizeof buffer)) > 0) {
        for (qint64 i = 0; i < n; ++i) {
            const char c = buffer[i];
            if (matched == token.size()) {
                if (isBlank(c)) return true;
                matched = -1;
            } else if (matched >= 0) {
                if (c == token[matched]) {
                    ++matched;
                    continue;
                }
                matched = -1;
            } else if (afterBlank && c == token[0]) {
                matched = 1;
                continue;
            }
            afterBlank = isBlank(c);
        }
    }
    return matched == token.size();
}

bool ReadDataFile(const QString &path, const VDoc &design, VDoc &report, const ConvertPdfWriter &writePdf,
                  QString *reason)
{
    // Devices and pipes can stream without end; data files are plain files.
    if (!QFileInfo(path).isFile()) {
        if (reason) *reason = QStringLiteral("%1 is not a readable file").arg(path);
        return false;
    }
    const bool convert = IsConvertFile(path);
    QFile file(path);
    // Unbuffered: the line reader's window is the only copy of the file held in memory.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        if (reason) *reason = file.errorString();
        return false;
    }
    DataLineReader reader(file);
    DataMerge merge(reader, design, report, convert, writePdf);
    try {
        merge.run();
        return true;
    } catch (const DataError &e) {
        if (reason) *reason = QStringLiteral("line %1: %2").arg(merge.lineNumber()).arg(e.reason);
    } catch (const std::bad_alloc &) {
        if (reason) *reason = QStringLiteral("line %1: out of memory").arg(merge.lineNumber());
    }
    return false;
}

bool ReadDataFile(const QString &path, const VDoc &design, VDoc &report, QString *reason)
{
    return ReadDataFile(path, design, report, DefaultConvertPdfWriter(), reason);
}
