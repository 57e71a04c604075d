#include "export/text_export.h"

#include "export/page_markup.h"
#include "files/atomic_file.h"
#include "model/code_page.h"
#include "model/v_doc.h"
#include "model/v_page.h"

namespace
{

const QString kLineEnd = QStringLiteral("\r\n");

void appendElement(const VGrfElement &e, QString &text)
{
    if (e.Printable() == pmNever) return;
    if (e.Kind() == ElementKind::Panel || e.Kind() == ElementKind::Group)
        for (const auto &child : e.ChildList())
            appendElement(*child, text);
    if (e.Kind() == ElementKind::Label && !(e.Picture() && e.Picture()->HasData())) {
        // A caption of several lines keeps the file's own line ends.
        QString caption = DisplayedCaption(e);
        caption.replace(kLineEnd, QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        text += caption.replace(QLatin1Char('\n'), kLineEnd);
    }
    text += kLineEnd;
}

} // namespace

ExportResult ExportText(VDoc &report, const QString &path, bool newPageChar, bool eofChar, int codePage)
{
    if (report.PageCount() == 0) return ExportResult::failure(QStringLiteral("The report has no pages"));
    if (const QString problem = report.PaperSizeProblem(); !problem.isEmpty())
        return ExportResult::failure(problem);
    QString text;
    for (int i = 0; i < report.PageCount(); ++i) {
        if (i > 0 && newPageChar) text += QChar(0x0C) + kLineEnd;
        appendElement(report.PageAt(i)->Root(), text);
    }
    if (eofChar) text += QChar(26) + kLineEnd;
    ExportResult result;
    QString error;
    if (!WriteFileAtomically(path, EncodeAnsi(text, codePage), &error)) return ExportResult::failure(error);
    result.written << path;
    return result;
}
