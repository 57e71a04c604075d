#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTransform>

// The PDF engine's option lists ("key=value", "key value", "key={a b}", '.' as decimal
// separator) and where they place a text line or a picture.

// One parsed option list: each key with its value words ({a b} lists split into words).
class PdfOptionList
{
public:
    explicit PdfOptionList(const QString &text);
    QStringList words(const QString &key) const { return m_values.value(key); }
    QString word(const QString &key, const QString &fallback = QString()) const
    {
        const QStringList w = m_values.value(key);
        return w.isEmpty() ? fallback : w.first().toLower();
    }
    // The index-th number of key's value; fallback when absent or not a number.
    double number(const QString &key, int index, double fallback) const;

private:
    QHash<QString, QStringList> m_values;
};

struct PdfPlacement {
    double fx = 0.0, fy = 0.0; // position fractions
};

// "position": keywords (left, right, top, bottom, center) or percentages, one or two of them.
PdfPlacement ReadPdfPosition(const PdfOptionList &options);

// Maps an object (local units, origin at its lower-left, y up) into page coordinates: scaled by
// sx, sy along its own axes, turned counter-clockwise by degrees, and placed in the fit box (or
// at the reference point when the box is empty) at the position fractions.
QTransform PlacePdfObject(double w, double h, double sx, double sy, int degrees, double refX, double refY,
                          double boxW, double boxH, const PdfPlacement &pos);

// The fitting options that text lines and images share: boxsize, orientate, fitmethod.
struct PdfFitOptions {
    double boxW = 0.0, boxH = 0.0;
    bool hasBox = false;
    int degrees = 0;
    bool across = false; // turned a quarter: the object runs along the box's height
    QString method;

    PdfFitOptions() = default;
    explicit PdfFitOptions(const PdfOptionList &options);
    double placedW() const { return hasBox ? boxW : 0.0; }
    double placedH() const { return hasBox ? boxH : 0.0; }
};

struct PdfTextOptions {
    PdfFitOptions fit;
    PdfPlacement position;
};

// A text line's options read once: the same element on every page of a report asks for the
// same box, so each option text is parsed once per thread rather than once per line.
const PdfTextOptions &ReadTextOptions(const QString &text);
