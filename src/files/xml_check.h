#pragma once

#include <QString>
#include <QStringList>

class QFile;

// What the first pass over a design file found: the file is read once before anything of it
// reaches a document, so that a broken file leaves the document untouched.
struct XmlOutline {
    QString problem; // empty when the file is well-formed and within the limits
    QString root;    // name of the root element
    int pages = 0;   // "Page" elements right below the root
};

// Opens file (a plain file only: pipes and devices could block for ever) and reads it through:
// not well-formed XML (including malformed element and attribute names, control characters and
// text that is not valid UTF-8), entity declarations, or elements nested deeper than maxDepth,
// give the reason with line and column. Elements named in flat (and what they hold) do not count as levels.
// When the problem is empty the file is open and positioned at its start.
XmlOutline CheckXmlFile(QFile &file, int maxDepth, const QStringList &flat = {});

// Text with control characters (as "\x00") and the non-characters U+FFFE and U+FFFF made
// visible, for messages that quote file contents.
QString VisibleText(const QString &text);
