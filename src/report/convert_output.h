#pragma once

#include <QSet>
#include <QString>

// Where a convert file's document may go. A data file comes from anyone, so the name it gives is
// held to rules: it ends in ".pdf"; with a folder to confine it, it is relative and stays inside
// that folder (symbolic links resolved); and what it names, when it exists, is a plain PDF file.
struct ConvertOutput {
    QString path;    // absolute, when not refused
    QString refusal; // why nothing may be written there
};

// What one run has learned of its folders: the output folder resolved, and the folders already
// checked and created. A data file cannot make links, so what held for one of its documents
// holds for the next, and a batch is not slowed by resolving the same path a thousand times.
struct ConvertFolders {
    QString folder; // the output folder as given, and its resolution
    QString root;
    QSet<QString> ready;
};

// Checks the name and, when it passes, creates its folder. folder empty: relative names are taken
// from the current folder and absolute ones as they are. known, where given, spares checks done
// for earlier documents of the run.
ConvertOutput PrepareConvertOutput(const QString &name, const QString &folder,
                                   ConvertFolders *known = nullptr);

// Empty when path may be replaced: nothing is there, or a plain file that starts as a PDF does;
// never a symbolic link, whatever it points to.
QString ConvertTargetProblem(const QString &path);
