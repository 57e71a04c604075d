#pragma once

#include "report/report_sink.h"
#include <functional>

// Small designs built with the model API, shared by the data file and generation tests.

#include "model/element_ops.h"
#include "model/v_doc.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>

#include "test_support.h" // readable QString values in failure messages

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

inline VGrfElement *barCode(VGrfElement &parent)
{
    return add(parent, ElementKind::BarCode);
}

inline VGrfElement *child(const VGrfElement &parent, const QString &name)
{
    for (const auto &c : parent.ChildList())
        if (c->Name() == name) return c.get();
    return nullptr;
}

// Element by a path of names from the page root, "Group1/Group1_E2".
inline VGrfElement *find(const VPage &page, const QString &path)
{
    const VGrfElement *e = &page.Root();
    for (const QString &name : path.split(QLatin1Char('/'))) {
        e = child(*e, name);
        if (!e) return nullptr;
    }
    return const_cast<VGrfElement *>(e);
}

// Writes lines joined by CR LF (each line ended) as Latin-1 bytes unless bytes are given.
inline void writeLines(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &l : lines)
        bytes += l.toLatin1() + "\r\n";
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
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
    explicit DocumentRecorder(std::function<void(VDoc &, const ConvertDocument &)> f = {})
        : onDocument(std::move(f))
    {
    }
    void DocumentDone(VDoc &report, const ConvertDocument &document) override
    {
        if (onDocument) onDocument(report, document);
    }
    void DataWarning(const QString &text) override { warnings << text; }
    QStringList warnings;
};

} // namespace testdesign
