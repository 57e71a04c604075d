#include "files/data_template.h"

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

QString withDescription(QString line, const VGrfElement &element)
{
    const QString description = element.Description();
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
    TemplateWriter(QStringList &lines, int dataType) : m_lines(lines), m_dataType(dataType) {}

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
            const qsizetype at = m_lines.size();
            m_lines << indent(level) +
                           QStringLiteral("<Data Status=\"Group\" DesignName=\"%1\">").arg(e.Name());
            if (children(e, level + 1) == 0)
                m_lines.removeAt(at);
            else
                m_lines << indent(level) + QStringLiteral("</Data>");
        } else if (e.Kind() == ElementKind::BarCode) {
            const VBarCode code = e.BarCode() ? *e.BarCode() : VBarCode();
            // Concatenated, not arg()-chained: names and captions may hold "%1".
            m_lines << indent(level) + QLatin1String("<Data Status=\"BarCode\" DesignName=\"") + e.Name() +
                           QLatin1String("\" Caption=\"") + e.Caption() + QLatin1String("\" Type=\"") +
                           QString::number(code.Type()) + QLatin1String("\" Value=\"") + code.Value() +
                           QLatin1String("\" ValueType=\"") + QString::number(code.ValueType()) +
                           QLatin1String("\"/>");
        } else if (inGroup &&
                   (isVariableLabel(e) || (m_dataType == 1 && IsPictureValueType(e.ValueType())))) {
            m_lines << withDescription(
                indent(level) + QStringLiteral("<f%1=\"%2\"/>").arg(e.Num()).arg(e.Caption()), e);
        } else if (!inGroup && isVariableLabel(e)) {
            m_lines << withDescription(
                QStringLiteral("        <Data Status=\"Label\" DesignName=\"%1\" Caption=\"%2\"/>")
                    .arg(e.Name(), e.Caption()),
                e);
        } else {
            children(e, level);
        }
    }

    void repeatingGroup(const VGrfElement &container, const VGrfElement &band, int level)
    {
        QString record;
        for (const auto &c : band.ChildList())
            if (isVariableLabel(*c)) record += QStringLiteral("f%1=\"%2\" ").arg(c->Num()).arg(c->Caption());
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
};

QString designFileName(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return path.mid(cut + 1).left(kMaxDesignFileName);
}
} // namespace

void WriteDataTemplate(const VDoc &document, QStringList &lines, int dataType)
{
    lines << QStringLiteral("<?xml version=\"1.0\"?>");
    lines << QLatin1String("<Document DesignFile=\"") + designFileName(document.FileName()) +
                 QLatin1String("\" DataType=\"") + QString::number(dataType) + QLatin1String("\">");
    TemplateWriter writer(lines, dataType);
    for (int i = 0; i < document.PageCount(); ++i) {
        const VPage *page = document.PageAt(i);
        lines << QStringLiteral("    <Page ID=\"%1\" DesignName=\"%2\">").arg(page->Num()).arg(page->Name());
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
