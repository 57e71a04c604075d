#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QPainter;
class TZelFont;

// Text parting: TextLength characters after Offset characters; a TextLength of -1 keeps all.
QString PartedText(const QString &text, const TZelFont &font);

struct TextOptions {
    QColor color = Qt::black;
    bool topLeftOnly = false; // the group name: no alignment flags, no manual position
    bool opaque = false;      // fill the text's cell with background first
    QColor background = Qt::white;
};

// Draws text in rect (twips, Windows edges) with the element font: cell height and average width
// from FontHeight and FontWidth, weight, italic, underline, strike-out, face, FontOrientation,
// character extra from VertSpace; placed at the manual mmPos position (unclipped) or aligned by
// HorzPos/VertPos and clipped to rect.
void DrawElementText(QPainter &painter, const QRect &rect, const TZelFont &font, const QString &text,
                     const TextOptions &options);
