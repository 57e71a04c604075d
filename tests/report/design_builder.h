#pragma once

// Small designs built with the model API, shared by the data file and generation tests.

#include "model/element_ops.h"
#include "model/v_doc.h"
#include "report/report_sink.h"
#include "test_support.h" // readable QString values in failure messages

#include <QStringList>
#include <functional>

namespace testdesign
{

inline VGrfElement *add(VGrfElement &parent, ElementKind kind, int valueType = vtFixed,
                        const QString &caption = QString())
{
    VGrfElement *e = AddElement(parent, kind, QRect(10, 10, 80, 20));
    if (kind == ElementKind::Label) e->SetValueType(valueType);
    e->SetCaption(caption);
    return e;
}

inline VGrfElement *label(VGrfElement &parent, int valueType = vtVariable, const QString &caption = QString())
{
    return add(parent, ElementKind::Label, valueType, caption);
}

inline VGrfElement *group(VGrfElement &parent, bool repeatable = false)
{
    VGrfElement *g = add(parent, ElementKind::Group);
    g->SetRepeatability(repeatable);
    return g;
}

// Element by a path of names from the page root, "Group1/Group1_E2"; null when there is none.
inline VGrfElement *find(const VPage &page, const QString &path)
{
    const VGrfElement *e = &page.Root();
    for (const QString &name : path.split(QLatin1Char('/'))) {
        const VGrfElement *next = nullptr;
        for (const auto &c : e->ChildList())
            if (!next && c->Name() == name) next = c.get();
        if (!(e = next)) return nullptr;
    }
    return const_cast<VGrfElement *>(e);
}

// Writes the lines as Latin-1, each ended by CR LF.
inline void writeLines(const QString &path, const QStringList &lines)
{
    testsupport::writeAll(path, (lines.join("\r\n") + "\r\n").toLatin1());
}

// A sink that leaves every page in the report and writes nothing.
inline ReportSink &keepAll()
{
    static ReportSink sink;
    return sink;
}

// Sees each convert-file document with its pages still in the report.
struct DocumentRecorder : ReportSink {
    std::function<void(VDoc &, const ConvertDocument &)> onDocument;
    QStringList warnings;
    explicit DocumentRecorder(std::function<void(VDoc &, const ConvertDocument &)> f = {})
        : onDocument(std::move(f))
    {
    }
    void DocumentDone(VDoc &report, const ConvertDocument &document) override
    {
        if (onDocument) onDocument(report, document);
    }
    void DataWarning(const QString &text) override { warnings << text; }
};

} // namespace testdesign
