#pragma once

#include <QString>
#include <QStringList>

// Outcome of the text, HTML and picture outputs: message says what went wrong, written lists the
// files made, in the order they were written; warnings name what the written file shows
// differently from the report (it is complete otherwise).
struct ExportResult {
    bool ok = true;
    QString message;
    QStringList written;
    QStringList warnings;
    explicit operator bool() const { return ok; }

    static ExportResult failure(const QString &why)
    {
        ExportResult r;
        r.ok = false;
        r.message = why;
        return r;
    }
};
