#pragma once

#include <QColor>
#include <QList>
#include <QString>

// One coloured stretch of a data-text line.
struct ColourRun {
    qsizetype start = 0;
    qsizetype length = 0;
    QColor colour;
    bool operator==(const ColourRun &) const = default;
};

// The keyword colouring of the data editor for one line: tag punctuation red, "/>" black, the
// keywords in their colours, and the text between double quotes as a value (dark green, italic
// in the editor); runs are in line order and never overlap.
QList<ColourRun> ColourDataLine(const QString &line);

QColor DataValueColour();
