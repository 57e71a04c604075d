#include "files/xml_tree.h"

#include <QFile>
#include <QXmlStreamReader>

XmlParseResult ParseXmlFile(const QString &path)
{
    XmlParseResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("The system cannot open the file %1: %2").arg(path, file.errorString());
        return result;
    }
    QXmlStreamReader reader(&file);
    std::vector<XmlNode *> stack;
    std::unique_ptr<XmlNode> root;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            auto node = std::make_unique<XmlNode>();
            node->tag = reader.name().toString();
            node->attributes = reader.attributes();
            XmlNode *raw = node.get();
            if (stack.empty())
                root = std::move(node);
            else
                stack.back()->children.push_back(std::move(node));
            stack.push_back(raw);
        } else if (reader.isEndElement()) {
            if (!stack.empty()) stack.pop_back();
        } else if (reader.isCharacters() && !reader.isWhitespace() && !stack.empty()) {
            stack.back()->text += reader.text();
        }
    }
    if (reader.hasError()) {
        result.error = QStringLiteral("%1 (line %2, column %3)")
                           .arg(reader.errorString())
                           .arg(reader.lineNumber())
                           .arg(reader.columnNumber());
        return result;
    }
    if (!root) {
        result.error = QStringLiteral("The document has no root element.");
        return result;
    }
    result.root = std::move(root);
    return result;
}
