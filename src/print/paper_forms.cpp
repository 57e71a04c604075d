#include "print/paper_forms.h"

#include "model/v_set_page.h"

#include <QPageSize>
#include <cmath>
#include <map>

int NormalPaperSize(int code)
{
    return code == 0 ? kUserPaperSize : code;
}

std::vector<PaperForm> PaperForms()
{
    // Several Qt sizes can share one code; the one Qt names for the code wins.
    std::map<int, PaperForm> byCode;
    for (int i = 0; i <= int(QPageSize::LastPageSize); ++i) {
        const auto id = QPageSize::PageSizeId(i);
        if (id == QPageSize::Custom) continue;
        const int code = QPageSize::windowsId(id);
        if (code < 1 || byCode.count(code)) continue;
        const QPageSize size(QPageSize::id(code) == QPageSize::Custom ? id : QPageSize::id(code));
        const QSizeF mm = size.size(QPageSize::Millimeter);
        PaperForm form;
        form.number = code;
        form.name = size.name();
        form.widthMm = mm.width();
        form.heightMm = mm.height();
        form.imageableMm = QRectF(QPointF(0, 0), mm);
        form.kind = PaperForm::BuiltIn;
        byCode.emplace(code, form);
    }
    std::vector<PaperForm> forms;
    forms.reserve(byCode.size());
    for (auto &[code, form] : byCode)
        forms.push_back(std::move(form));
    return forms;
}

QString FormKindText(PaperForm::Kind kind)
{
    switch (kind) {
    case PaperForm::User:
        return QStringLiteral("[Form User]");
    case PaperForm::Printer:
        return QStringLiteral("[Form Printer]");
    default:
        return QStringLiteral("[Form BuiltIn]");
    }
}

namespace
{
// Whole millimetres the way the forms' thousandths are cut.
long long wholeMm(double mm)
{
    return std::llround(mm * 1000.0) / 1000;
}
} // namespace

QString FormSizeLine(const PaperForm &form)
{
    return QStringLiteral("%1 (%2 x %3 mm)")
        .arg(form.name, QString::number(wholeMm(form.widthMm)), QString::number(wholeMm(form.heightMm)));
}

QString FormLine(const PaperForm &form)
{
    return FormSizeLine(form) + QLatin1String("  ") + FormKindText(form.kind);
}

int FillFormList(QStringList &lines, int style, const VSetPage &record)
{
    const int code = NormalPaperSize(record.PaperSize);
    int found = -1;
    for (const PaperForm &form : PaperForms()) {
        if (form.number == code && found < 0) found = int(lines.size());
        if (style == 1)
            lines << FormLine(form) + QLatin1Char('|') + FormKindText(form.kind);
        else if (style == 2)
            lines << form.name;
        else
            lines << FormSizeLine(form);
    }
    return found;
}
