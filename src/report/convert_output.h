#pragma once

#include <QString>

// Where a convert file's document may go. A data file comes from anyone, so the name it gives is
// held to rules: it ends in ".pdf"; with a folder to confine it, it is relative and stays inside
// that folder (symbolic links resolved); and what it names, when it exists, is a plain PDF file.
struct ConvertOutput {
    QString path;    // absolute, when not refused
    QString refusal; // why nothing may be written there
};

// Checks the name and, when it passes, creates its folder. folder empty: relative names are taken
// from the current folder and absolute ones as they are.
ConvertOutput PrepareConvertOutput(const QString &name, const QString &folder);

// Empty when path may be replaced: nothing is there, or a plain file that starts as a PDF does;
// never a symbolic link, whatever it points to.
QString ConvertTargetProblem(const QString &path);
