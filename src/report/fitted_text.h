#pragma once
// A value printed in a box that cannot grow: each line on one line of its
// own, a figure in a smaller typeface until it fits whole, any other text
// shortened with "…". A printout never cuts a digit off an amount.
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace cgt {

// Whether a line is a figure (an amount, a number, a date or a percentage)
// rather than a description: digits with only signs, separators, "$", "%",
// "/" and blanks around them.
bool IsFigure(const QString& line);

// `font` made smaller, if need be, until `text` is at most `width` device
// pixels wide on `p`'s device.
QFont FontToFit(const QPainter& p, const QFont& font, const QString& text, int width);

// One line fitted to `width`: a figure whole (its font shrunk into
// `fitted`), a description elided; `fitted` is `font` when it fits.
QString FitLine(const QPainter& p, const QFont& font, const QString& line, int width, QFont& fitted);

// Draws `text` line by line from the top of `r` at the line pitch of the
// painter's font, each line fitted to the width of `r` and placed by
// `horizontal` (Qt::AlignLeft, AlignRight or AlignHCenter). A single line
// is centred down `r` when `centreSingleLine` is set.
void DrawFittedLines(QPainter& p, const QRect& r, const QString& text, int horizontal, bool centreSingleLine = false);

}  // namespace cgt
