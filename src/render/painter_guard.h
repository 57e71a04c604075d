#pragma once

#include <QPainter>

// Saves the painter state for one scope, so that every drawing call leaves the painter as it found it.
class PainterGuard
{
public:
    explicit PainterGuard(QPainter &painter) : m_painter(painter) { m_painter.save(); }
    ~PainterGuard() { m_painter.restore(); }
    PainterGuard(const PainterGuard &) = delete;
    PainterGuard &operator=(const PainterGuard &) = delete;

private:
    QPainter &m_painter;
};
