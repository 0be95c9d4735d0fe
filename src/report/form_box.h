#pragma once
// A form box: the framed white box a tax form prints an amount or a text in,
// with the cents mark ("00" struck through) after a whole-dollar amount.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringList>
#include <optional>

class QPainter;

namespace cgt {

namespace boxflag {
inline constexpr int kNoFrame = 0x01;
inline constexpr int kCents = 0x02;
inline constexpr int kStartRight = 0x04;
inline constexpr int kStartLower = 0x08;
inline constexpr int kNarrowFromBoth = 0x10;
inline constexpr int kEndEarlier = 0x20;
inline constexpr int kStartFarRight = 0x40;
inline constexpr int kUnfilled = 0x80;
}  // namespace boxflag

struct FormBoxStyle {
    int flags = 0;
    // 1 against the right edge, 2 centred, else from the left.
    int align = 0;
    // How far flag 4 moves the text, in script units.
    int startRight = 25;
    // The text's inset from the left of its area: 10 units, or this many
    // device pixels when set (negative: left of the area).
    std::optional<int> insetPixels;
    // Scales the cents mark's "00" with the zoom on screen.
    double fontScale = 1;
    QColor fill = Qt::white;
    QFont font;
    QColor text = Qt::black;
    // Lines drawn word-wrapped from the top (a list column), not one centred line.
    bool lines = false;
};

// `r` in device pixels; `xs`/`ys` device pixels per script unit.
void DrawFormBox(QPainter& p, QRect r, const QString& text, const FormBoxStyle& style, double xs, double ys);

// The cents mark to the right of a box ending at `right`.
void DrawCentsMark(QPainter& p, int right, int top, int bottom, double xs, double fontScale);

}  // namespace cgt
