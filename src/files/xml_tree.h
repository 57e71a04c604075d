#pragma once

#include <QString>
#include <QXmlStreamAttributes>
#include <memory>
#include <vector>

// A small element tree built in one pass, so that a file that is not well-formed is refused
// before anything of it reaches a document.
struct XmlNode {
    QString tag;
    QXmlStreamAttributes attributes;
    QString text; // character data directly inside the element, whitespace-only runs dropped
    std::vector<std::unique_ptr<XmlNode>> children;

    bool has(const QString &name) const { return attributes.hasAttribute(name); }
    QString attr(const QString &name) const { return attributes.value(name).toString(); }
};

struct XmlParseResult {
    std::unique_ptr<XmlNode> root;
    QString error; // the parser's reason when root is null
};

XmlParseResult ParseXmlFile(const QString &path);
