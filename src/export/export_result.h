#pragma once

#include <QString>
#include <QStringList>

// Outcome of the text, HTML and picture outputs: message says what went wrong, written lists the
// files made, in the order they were written.
struct ExportResult {
    bool ok = true;
    QString message;
    QStringList written;
    explicit operator bool() const { return ok; }

    static ExportResult failure(const QString &why)
    {
        ExportResult r;
        r.ok = false;
        r.message = why;
        return r;
    }
};
