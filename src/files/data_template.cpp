#include "files/data_template.h"

#include "files/xml_check.h"
#include "model/v_doc.h"

#include <algorithm>

namespace
{
constexpr int kCommentColumn = 87;
constexpr int kMaxDesignFileName = 128;

QString indent(int level)
{
    return QString(4 * (level + 1), QLatin1Char(' '));
}

// Data lines have no escapes: a quote would end a value early and a line break would start a
// new line that the reader takes for whatever it begins with. Sample texts are only
// placeholders, so they are made writable.
QString sampleText(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('"'), QLatin1Char('\''));
    return text;
}

// A name is what a data line finds its element by, so it cannot be changed the same way.
QString nameProblem(const QString &name)
{
    if (name.contains(QLatin1Char('"'))) return QStringLiteral("holds a double quote");
    if (name.contains(QLatin1Char('\r')) || name.contains(QLatin1Char('\n')))
        return QStringLiteral("holds a line break");
    return {};
}

QString withDescription(QString line, const VGrfElement &element)
{
    QString description = element.Description();
    description.replace(QLatin1String("\r\n"), QLatin1String(" "));
    description.replace(QLatin1Char('\r'), QLatin1Char(' '));
    description.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (description.isEmpty()) return line;
    if (line.size() < kCommentColumn)
        line = line.leftJustified(kCommentColumn, QLatin1Char(' '));
    else
        line += QLatin1String("  ");
    return line + QLatin1String("// ") + description;
}

bool isVariableLabel(const VGrfElement &e)
{
    return e.Kind() == ElementKind::Label && e.ValueType() == vtVariable;
}

class TemplateWriter
{
public:
    TemplateWriter(QStringList &lines, int dataType, QStringList *unwritable)
        : m_lines(lines), m_dataType(dataType), m_unwritable(unwritable)
    {
    }

    // False (and the reason noted) when a data line cannot name it.
    bool nameWritable(const QString &what, const QString &name)
    {
        const QString problem = nameProblem(name);
        if (problem.isEmpty()) return true;
        if (m_unwritable)
            *m_unwritable << what + QStringLiteral(" \"") + VisibleText(name) + QStringLiteral("\" ") +
                                 problem + QStringLiteral(", which a data line cannot carry");
        return false;
    }

    // Writes the lines of container's children; returns how many lines were written.
    qsizetype children(const VGrfElement &container, int level)
    {
        const qsizetype before = m_lines.size();
        bool repeatableWritten = false;
        for (const auto &c : container.ChildList()) {
            if (m_dataType == 2 && c->Kind() == ElementKind::Group && c->Repeatability()) {
                if (!repeatableWritten) repeatingGroup(container, *c, level);
                repeatableWritten = true; // only the first band of a container has a record line
                continue;
            }
            element(*c, level);
        }
        return m_lines.size() - before;
    }

private:
    void element(const VGrfElement &e, int level)
    {
        const VGrfElement *parent = e.Parent();
        const bool inGroup = parent && parent->Kind() == ElementKind::Group;
        if (e.Kind() == ElementKind::Group) {
            // its fields would otherwise land in the enclosing container
            if (!nameWritable(QStringLiteral("group"), e.Name())) return;
            const qsizetype at = m_lines.size();
            m_lines << indent(level) + QLatin1String("<Data Status=\"Group\" DesignName=\"") + e.Name() +
                           QLatin1String("\">");
            if (children(e, level + 1) == 0)
                m_lines.removeAt(at);
            else
                m_lines << indent(level) + QStringLiteral("</Data>");
        } else if (e.Kind() == ElementKind::BarCode) {
            if (!nameWritable(QStringLiteral("barcode"), e.Name())) return;
            const VBarCode code = e.BarCode() ? *e.BarCode() : VBarCode();
            // Concatenated, not arg()-chained: names and captions may hold "%1".
            m_lines << indent(level) + QLatin1String("<Data Status=\"BarCode\" DesignName=\"") + e.Name() +
                           QLatin1String("\" Caption=\"") + sampleText(e.Caption()) +
                           QLatin1String("\" Type=\"") + QString::number(code.Type()) +
                           QLatin1String("\" Value=\"") + sampleText(code.Value()) +
                           QLatin1String("\" ValueType=\"") + QString::number(code.ValueType()) +
                           QLatin1String("\"/>");
        } else if (inGroup &&
                   (isVariableLabel(e) || (m_dataType == 1 && IsPictureValueType(e.ValueType())))) {
            m_lines << withDescription(indent(level) + QLatin1String("<f") + QString::number(e.Num()) +
                                           QLatin1String("=\"") + sampleText(e.Caption()) +
                                           QLatin1String("\"/>"),
                                       e);
        } else if (!inGroup && isVariableLabel(e)) {
            if (!nameWritable(QStringLiteral("label"), e.Name())) return;
            m_lines << withDescription(QLatin1String("        <Data Status=\"Label\" DesignName=\"") +
                                           e.Name() + QLatin1String("\" Caption=\"") +
                                           sampleText(e.Caption()) + QLatin1String("\"/>"),
                                       e);
        } else {
            children(e, level);
        }
    }

    void repeatingGroup(const VGrfElement &container, const VGrfElement &band, int level)
    {
        QString record;
        for (const auto &c : band.ChildList())
            if (isVariableLabel(*c))
                record += QLatin1Char('f') + QString::number(c->Num()) + QLatin1String("=\"") +
                          sampleText(c->Caption()) + QLatin1String("\" ");
        if (record.isEmpty()) return;
        record.chop(1);
        const auto bands =
            std::count_if(container.ChildList().begin(), container.ChildList().end(), [](const auto &c) {
                return c->Kind() == ElementKind::Group && c->Repeatability();
            });
        m_lines << indent(level) +
                       QStringLiteral("<Data Status=\"Group\" Repeat=\"1\" ID=\"%1\" RepeatCount=\"%2\">")
                           .arg(band.Num())
                           .arg(bands);
        m_lines << indent(level + 1) + QLatin1Char('<') + record + QLatin1String("/>");
        m_lines << indent(level) + QStringLiteral("</Data>");
    }

    QStringList &m_lines;
    const int m_dataType;
    QStringList *m_unwritable;
};

QString designFileName(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return path.mid(cut + 1).left(kMaxDesignFileName);
}
} // namespace

void WriteDataTemplate(const VDoc &document, QStringList &lines, int dataType, QStringList *unwritable)
{
    lines << QStringLiteral("<?xml version=\"1.0\"?>");
    lines << QLatin1String("<Document DesignFile=\"") + sampleText(designFileName(document.FileName())) +
                 QLatin1String("\" DataType=\"") + QString::number(dataType) + QLatin1String("\">");
    TemplateWriter writer(lines, dataType, unwritable);
    for (int i = 0; i < document.PageCount(); ++i) {
        const VPage *page = document.PageAt(i);
        if (!writer.nameWritable(QStringLiteral("page"), page->Name())) continue;
        lines << QLatin1String("    <Page ID=\"") + QString::number(page->Num()) +
                     QLatin1String("\" DesignName=\"") + page->Name() + QLatin1String("\">");
        writer.children(page->Root(), 1);
        lines << QStringLiteral("    </Page>");
    }
    lines << QStringLiteral("</Document>");
}

void WriteNewDataTemplate(QStringList &lines)
{
    lines << QStringLiteral("<?xml version=\"1.0\"?>")
          << QStringLiteral("<Document DesignFile= DataType=\"1\">")
          << QStringLiteral("    <Page ID=\"1\" DesignName=\"Page1\">")
          << QStringLiteral("        <Data Status=\"Group\" DesignName=\"Group1\">")
          << QStringLiteral("            <f1=\"Group1_E1\"/>")
          << QStringLiteral("            <f2=\"Group1_E2\"/>")
          << QStringLiteral("            <f3=\"Group1_E3\"/>") << QStringLiteral("        </Data>")
          << QStringLiteral("        <Data Status=\"Label\" DesignName=\"Label1\" Caption=\"Label1\"/>")
          << QStringLiteral("    </Page>") << QStringLiteral("    <Page ID=\"2\" DesignName=\"Page1\">")
          << QStringLiteral("    </Page>") << QStringLiteral("    <Page ID=\"3\" DesignName=\"Page1\">")
          << QStringLiteral("    </Page>") << QStringLiteral("</Document>");
}
