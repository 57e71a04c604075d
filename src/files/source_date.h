#pragma once

#include <QDateTime>
#include <QString>

// SOURCE_DATE_EPOCH (the reproducible-builds convention, whole seconds since 1970 UTC): when it
// is set, outputs record that time instead of the clock's and nothing taken from chance, so two
// runs over the same input give the same bytes. A value that is not such a number counts as unset.
bool ReproducibleOutput();
// Called first in main: with SOURCE_DATE_EPOCH set, hash tables iterate in the same order on
// every run (the PDF writer writes its fonts in the order of one), at the price of the random
// seed that guards them against crafted keys.
void SetUpReproducibleOutput();
// The time an output records: SOURCE_DATE_EPOCH's, or now.
QDateTime OutputTime();

// For a file that is a PDF (anything else is left alone): rewrites in place, at the same length,
// what the PDF writer takes from the clock or from chance, so that offsets stay valid: the
// CreationDate and ModDate strings near the start become time in UTC, and the trailer's /ID the
// digest of everything before it. fd is open for reading and writing. False only when the file
// could not be read or written.
bool StampReproduciblePdf(int fd, const QDateTime &time);
// The CreationDate and ModDate strings in bytes become time in UTC, at the same length.
void StampPdfDates(QByteArray &bytes, const QDateTime &time);
