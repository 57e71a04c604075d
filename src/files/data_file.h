#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <QStringView>
#include <utility>

class QIODevice;

// Reads a data file line by line. Only CR LF ends a line, and a line is read whole up to
// kMaxLineBytes; a longer one is skipped without being held and reported by LineTooLong(), so
// that memory stays bounded whatever the file holds. Bytes after the last CR LF (a last line
// without CR LF, a file with LF-only line ends) are dropped. Lines come back decoded from the
// ANSI code page and trimmed.
class DataLineReader
{
public:
    static constexpr qsizetype kMaxLineBytes = 16 * 1024 * 1024;

    explicit DataLineReader(QIODevice &device, int codePage);
    explicit DataLineReader(QIODevice &device);

    // The next line; empty for a blank line, for a refused or dropped stretch and at the end,
    // "EOF" when the device fails.
    QString ReadLine();
    // The line just returned was longer than kMaxLineBytes and was skipped.
    bool LineTooLong() const { return m_tooLong; }
    // Nothing left to read (or the device failed).
    bool AtEnd() const { return m_failed || (m_eof && m_begin == m_buffer.size()); }
    bool Failed() const { return m_failed; }
    // Some bytes read so far ended in LF alone: the usual reason why lines go missing.
    bool SawBareLineFeed() const { return m_bareLineFeed; }
    void ForgetBareLineFeed() { m_bareLineFeed = false; }

private:
    bool fill();
    void noteLineFeeds(qsizetype from, qsizetype to);

    QIODevice &m_device;
    QStringDecoder m_decoder;
    QByteArray m_buffer; // bytes read and not yet returned start at m_begin
    qsizetype m_begin = 0;
    qsizetype m_scanned = 0; // no CR LF starts before this offset
    bool m_skipping = false; // inside a line that is too long
    bool m_tooLong = false;
    bool m_eof = false;
    bool m_failed = false;
    bool m_bareLineFeed = false;
};

// What a data line is, by its own leading tag alone: the text after the tag never changes it.
enum class DataTag {
    Other,
    DocumentStart, // <Document
    DocumentEnd,   // </Document>
    PageStart,     // <Page
    PageEnd,       // </Page>
    DataStart,     // <Data
    DataEnd,       // </Data>
    Field,         // <fN="value"/>
    ConvertStart,  // <ConvertFile
    ConvertEnd,    // </ConvertFile>
};
// line as ReadLine gives it, trimmed.
DataTag LeadingTag(QStringView line);

// The attributes of a tag line, read left to right after its leading tag as Name="value" pairs
// (blanks allowed around "=") up to "/>" or ">". A value is the text up to its own closing
// quote, so nothing inside it is ever taken for a name; an unclosed value runs to the end of
// the line. Reading stops at the first stretch that is not such a pair. Names are
// case-sensitive; of a name given twice, the first counts.
class DataAttributes
{
public:
    // start: where the attributes begin; by default after the leading tag.
    explicit DataAttributes(QStringView line);
    DataAttributes(QStringView line, qsizetype start);

    // False when the line has no attribute of that name; true with an empty value for name="".
    bool Get(QStringView name, QString &value) const;
    const QList<std::pair<QStringView, QStringView>> &All() const { return m_pairs; }

private:
    void parse(QStringView line, qsizetype at);

    QList<std::pair<QStringView, QStringView>> m_pairs; // views into the line
};

// The value of the attribute name of a tag line (see DataAttributes).
bool GetAttribute(const QString &name, const QString &line, QString &value);

// A line holding "<fN="value"/>".
enum class FieldLine {
    Valid,
    BadNumber, // the text between "<f" and "=" is not an integer: the data is broken
    Malformed, // no closing "/>: the line is ignored
};
// The number is the text between the leading "<f" and the first "="; the value starts two
// characters after it (after =") and ends at the next "/> (a description comment may follow).
FieldLine ParseFieldLine(const QString &line, int &number, QString &value);

// Decimal integer as data files write it (optional sign, digits, nothing else).
bool ParseDataInt(const QString &text, int &value);

// Writes lines with CR LF after each (the last one too) in the given code page, so that
// DataLineReader reads them back; error receives "Cannot write FILE: reason".
bool WriteDataLines(const QStringList &lines, const QString &path, int codePage, QString *error = nullptr);
bool WriteDataLines(const QStringList &lines, const QString &path, QString *error = nullptr);
QByteArray EncodeDataLines(const QStringList &lines, int codePage);
