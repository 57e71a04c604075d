#include "files/data_field_names.h"

#include "files/data_file.h"
#include "files/file_checks.h"
#include "model/element_naming.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

DataFieldNames ReadDataFieldNames(QIODevice &device, const QString &pageName)
{
    DataFieldNames out;
    QSet<QString> seen;
    DataLineReader reader(device);
    bool inPage = false;
    QStringList groups; // the open group blocks of the page, "" for one without a name
    while (!reader.AtEnd()) {
        const QString line = reader.ReadLine();
        if (reader.Failed()) break;
        switch (LeadingTag(line)) {
        case DataTag::PageStart: {
            QString name;
            inPage = DataAttributes(line).Get(QStringLiteral("DesignName"), name) && name == pageName;
            groups.clear();
            break;
        }
        case DataTag::PageEnd:
        case DataTag::DocumentEnd:
            inPage = false;
            groups.clear();
            break;
        case DataTag::DataEnd:
            if (!groups.isEmpty()) groups.removeLast();
            break;
        case DataTag::DataStart: {
            if (!inPage) break;
            const DataAttributes attributes(line);
            QString status, name;
            attributes.Get(QStringLiteral("Status"), status);
            const bool named = attributes.Get(QStringLiteral("DesignName"), name) && !name.isEmpty();
            ElementKind kind;
            if (status == QLatin1String("Label"))
                kind = ElementKind::Label;
            else if (status == QLatin1String("BarCode"))
                kind = ElementKind::BarCode;
            else if (status == QLatin1String("Group"))
                kind = ElementKind::Group;
            else
                break;
            QString within;
            for (auto it = groups.crbegin(); it != groups.crend() && within.isEmpty(); ++it)
                within = *it;
            if (kind == ElementKind::Group) groups << (named ? name : QString());
            if (!named || seen.contains(name)) break;
            if (int(out.fields.size()) >= kMaxDataFieldNames) {
                out.cut = true;
                break;
            }
            seen.insert(name);
            out.fields.push_back({name, kind, within, false});
            break;
        }
        default:
            break;
        }
    }
    out.bareLineFeeds = reader.SawBareLineFeed();
    return out;
}

DataFieldNames ReadDataFieldNames(const QString &path, const QString &pageName)
{
    if (!PlainFileProblem(path).isEmpty()) return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return ReadDataFieldNames(file, pageName);
}

void MarkBoundNames(DataFieldNames &names, const VGrfElement &root)
{
    for (DataFieldName &field : names.fields)
        field.bound = ElementNamed(root, field.name) != nullptr;
}

QString DataBesideDesign(const QString &designFile)
{
    if (designFile.isEmpty()) return {};
    const QFileInfo info(designFile);
    const QString base = info.path() + QLatin1Char('/') + info.completeBaseName();
    QStringList candidates = {base + QStringLiteral(".edd"), base + QStringLiteral(".ebd")};
    if (info.suffix().compare(QLatin1String("ebt"), Qt::CaseInsensitive) == 0) candidates.swapItemsAt(0, 1);
    for (const QString &candidate : candidates)
        if (QFileInfo(candidate).isFile() && !IsSameFile(candidate, designFile)) return candidate;
    return {};
}
