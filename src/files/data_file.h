#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

class QIODevice;

// Reads a data file line by line through a fixed 8,192-byte window. Only CR LF ends a line; a
// stretch of the window without CR LF (an over-long line, LF-only line ends, a last line
// without CR LF) is dropped. Lines come back decoded from the ANSI code page and trimmed.
class DataLineReader
{
public:
    static constexpr int kWindow = 8192;

    explicit DataLineReader(QIODevice &device, int codePage);
    explicit DataLineReader(QIODevice &device);

    // The next line; empty for a blank line, for dropped bytes and at the end, "EOF" when the
    // device fails.
    QString ReadLine();
    // Nothing left to read (or the device failed).
    bool AtEnd() const { return m_failed || (m_eof && m_begin == m_end); }
    bool Failed() const { return m_failed; }
    // Some bytes read so far ended in LF alone: the usual reason why lines go missing.
    bool SawBareLineFeed() const { return m_bareLineFeed; }
    void ForgetBareLineFeed() { m_bareLineFeed = false; }

private:
    void fill();

    QIODevice &m_device;
    QStringDecoder m_decoder;
    char m_buffer[kWindow];
    int m_begin = 0;
    int m_end = 0;
    bool m_eof = false;
    bool m_failed = false;
    bool m_bareLineFeed = false;
};

// Value of the first occurrence of name anywhere in line: the text from the next double quote
// to the one after it. False when name does not occur; true with an empty value for name="".
bool GetAttribute(const QString &name, const QString &line, QString &value);

// A line holding "<fN="value"/>".
enum class FieldLine {
    Valid,
    BadNumber, // the text between "<f" and "=" is not an integer: the data is broken
    Malformed, // no closing "/>: the line is ignored
};
FieldLine ParseFieldLine(const QString &line, int &number, QString &value);

// Decimal integer as data files write it (optional sign, digits, nothing else).
bool ParseDataInt(const QString &text, int &value);

// Writes lines with CR LF after each (the last one too) in the given code page, so that
// DataLineReader reads them back; error receives "Cannot write FILE: reason".
bool WriteDataLines(const QStringList &lines, const QString &path, int codePage, QString *error = nullptr);
bool WriteDataLines(const QStringList &lines, const QString &path, QString *error = nullptr);
QByteArray EncodeDataLines(const QStringList &lines, int codePage);
