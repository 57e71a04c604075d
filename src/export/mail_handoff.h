#pragma once

#include <QString>
#include <QStringList>
#include <QTime>
#include <functional>

// Handing exported files to the mail utility: a list file of the paths, and the utility's
// command line.

// "mail" + the two seconds digits + the first two digits of the milliseconds + ".tmp" (for
// example mail4512.tmp), taken anew from the clock while taken says the name is in use.
QString MakeTemporaryName(const QString &prefix, const std::function<QTime()> &clock,
                          const std::function<bool(const QString &)> &taken);

// Writes the list file (one path a line, CR LF, UTF-8, so that every name the file system holds
// can be written) into the folder of the first file, under a free temporary name; returns its
// path, or empty with error set.
QString WriteMailList(const QStringList &files, QString *error);

// The mail utility's arguments: "zelsil", the mail id, the list path (as it is, blanks and all)
// and a single blank.
QStringList MailArguments(int mailId, const QString &listPath);
