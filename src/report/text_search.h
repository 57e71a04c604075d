#pragma once

#include <QString>

// Search rules of the data editor's Find and Replace.
struct SearchOptions {
    bool matchCase = false;
    bool wholeWord = false;
};

// First match of needle at or after from, or -1. Whole words have no letter, digit or '_' on
// either side.
qsizetype FindForward(const QString &text, const QString &needle, qsizetype from,
                      const SearchOptions &options);

// Replaces every match from the start; returns how many were replaced.
int ReplaceAll(QString &text, const QString &needle, const QString &replacement,
               const SearchOptions &options);
