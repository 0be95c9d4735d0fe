#pragma once
// The texts of a page: one line, clipped or word-wrapped per the alignment
// code of the latest font record, form boxes, and the markup ("<S12;T1>")
// of multi-line texts.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <functional>

#include "report/page_record.h"

class QPainter;

namespace cgt {

struct TextState {
    QFont font;
    QColor colour;
    QColor background;
    int align = 0;
    bool printing = false;
    double xs = 1, ys = 1;
    double fontScale = 1;
    bool mono = true;
    // Warns of a markup command with a bad number.
    const std::function<void()>* beep = nullptr;
};

// Draws a text record's text in the rectangle `r` (device pixels).
void DrawText(QPainter& p, const QRect& r, const TPageRec& rec, const QString& text, const TextState& s);

}  // namespace cgt
