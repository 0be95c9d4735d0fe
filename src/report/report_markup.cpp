#include "report/report_markup.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>
#include <optional>
#include <vector>

#include "report/fitted_text.h"
#include "report/form_box.h"
#include "report/report_style.h"

namespace cgt {

namespace {

// One piece of a marked-up line: text in one font at a place.
struct Run {
    QString text;
    QFont font;
    QColor colour;
    int x = -1;        // explicit x (device pixels from the left) or -1
    int y = -1;        // explicit y (from the top) or -1
    int spacing = 10;  // line spacing in tenths after this run's line
};

// A command's number of at most `digits` digits; nothing when it has none,
// more, or other characters.
std::optional<int> Number(const QString& s, int digits) {
    if (s.isEmpty() || s.size() > digits) return std::nullopt;
    int n = 0;
    for (QChar ch : s) {
        if (!ch.isDigit()) return std::nullopt;
        n = n * 10 + ch.digitValue();
    }
    return n;
}

// Splits one line into runs, applying the commands between them.
std::vector<Run> ParseLine(const QString& line, QFont& font, QColor& colour, int& spacing, const QFont& start,
                           const TextState& s, double xs, double ys) {
    // A command with a bad number is skipped with a warning.
    const auto beep = [&s] {
        if (s.beep && *s.beep) (*s.beep)();
    };
    std::vector<Run> runs;
    int x = -1, y = -1;
    int i = 0;
    while (i < line.size()) {
        const int open = line.indexOf(QLatin1Char('<'), i);
        const int close = open < 0 ? -1 : line.indexOf(QLatin1Char('>'), open);
        const QString plain = line.mid(i, (open < 0 || close < 0) ? -1 : open - i);
        if (!plain.isEmpty()) {
            runs.push_back({plain, font, colour, x, y, spacing});
            x = y = -1;
        }
        if (open < 0 || close < 0) break;
        for (const QString& cmd : line.mid(open + 1, close - open - 1).split(QLatin1Char(';'))) {
            if (cmd.isEmpty()) continue;
            const QChar letter = cmd[0].toUpper();
            const QString arg = cmd.mid(1);
            if (cmd[0] == QLatin1Char('.')) {
                font = start;
                colour = s.colour;
            } else if (letter == QLatin1Char('C')) {
                if (const auto n = Number(arg, 2))
                    colour = s.mono ? MonoText(*n) : ReportColour(*n);
                else
                    beep();
            } else if (letter == QLatin1Char('F')) {
                font.setFamily(ReportTypefaceNamed(arg.left(30)));
            } else if (letter == QLatin1Char('L')) {
                const auto n = Number(arg, 2);
                spacing = n && *n > 0 ? *n : 10;
            } else if (letter == QLatin1Char('S')) {
                if (const auto n = Number(arg, 3))
                    font.setPointSize(std::max(1, int(std::lround(*n * s.fontScale + 0.2))));
                else
                    beep();
            } else if (letter == QLatin1Char('T')) {
                if (const auto n = Number(arg, 3)) {
                    font.setBold(*n & 1);
                    font.setItalic(*n & 2);
                    font.setUnderline(*n & 4);
                } else {
                    beep();
                }
            } else if (letter == QLatin1Char('X')) {
                if (const auto n = Number(arg, 4))
                    x = int(*n * xs);
                else
                    beep();
            } else if (letter == QLatin1Char('Y')) {
                if (const auto n = Number(arg, 4))
                    y = int(*n * ys);
                else
                    beep();
            } else {
                beep();
            }
        }
        i = close + 1;
    }
    if (runs.empty()) runs.push_back({QString(), font, colour, x, y, spacing});
    return runs;
}

// Marked-up multi-line text: each line's runs one after another; lines
// against the left, or the right edge for alignments 4 and 5.
void DrawMarkup(QPainter& p, const QRect& r, const QString& text, const TextState& s) {
    QFont font = s.font;
    QColor colour = s.colour;
    int spacing = 10;
    int y = r.top();
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        QString cleaned = line;
        cleaned.remove(QLatin1Char('\r'));
        const std::vector<Run> runs = ParseLine(cleaned, font, colour, spacing, s.font, s, s.xs, s.ys);
        int width = 0, ascent = 0;
        for (const Run& run : runs) {
            const QFontMetrics fm(run.font, p.device());
            width += fm.horizontalAdvance(run.text);
            ascent = std::max(ascent, fm.ascent());
        }
        int x = s.align == 3 ? r.left() : r.right() - width;
        for (const Run& run : runs) {
            if (run.x >= 0) x = r.left() + run.x;
            if (run.y >= 0) y = r.top() + run.y;
            p.setFont(run.font);
            p.setPen(run.colour);
            p.drawText(QPoint(x, y + ascent), run.text);
            x += QFontMetrics(run.font, p.device()).horizontalAdvance(run.text);
        }
        const QFontMetrics fm(font, p.device());
        y += fm.height() * spacing / 10;
    }
}

// A field's value: each line whole on one line of the rectangle, placed as
// the alignment code places it. False for the codes that draw nothing.
bool DrawFittedValue(QPainter& p, const QRect& r, const QString& text, const TextState& s) {
    switch (s.align) {
        case 0:
        case 3:
        case 6:
        case 23: DrawFittedLines(p, r, text, Qt::AlignLeft); return true;
        case 1:
        case 4:
        case 24: DrawFittedLines(p, r, text, Qt::AlignRight); return true;
        case 2:
            p.fillRect(r, s.background);
            DrawFittedLines(p, r, text, Qt::AlignHCenter, true);
            return true;
        case 5:
        case 25: DrawFittedLines(p, r, text, Qt::AlignHCenter); return true;
        default: return false;
    }
}

}  // namespace

void DrawText(QPainter& p, const QRect& r, const TPageRec& record, const QString& text, const TextState& s) {
    p.save();
    const TextRecord rec = TextRecord::Of(record);
    if (rec.boxed) {
        FormBoxStyle box;
        box.flags = rec.boxFlags;
        // A whole-dollar amount stands against its cents mark.
        box.align = (box.flags & boxflag::kCents) && s.align != 2 ? 1 : s.align;
        box.startRight = 25;
        if (rec.inset == 1) box.insetPixels = -1;
        box.fontScale = s.fontScale;
        box.fill = Qt::white;
        box.font = s.font;
        box.text = s.colour;
        DrawFormBox(p, r, text, box, s.xs, s.ys);
        p.restore();
        return;
    }
    p.setFont(s.font);
    p.setPen(s.colour);
    if (rec.fitted && r.width() > 0 && DrawFittedValue(p, r, text, s)) {
        p.restore();
        return;
    }
    const QFontMetrics fm(s.font, p.device());
    const QString firstLine = text.section(QLatin1Char('\n'), 0, 0).remove(QLatin1Char('\r'));
    constexpr int kFar = 1 << 20;
    switch (s.align) {
        case 0: p.drawText(QPoint(r.left(), r.top() + fm.ascent()), firstLine); break;
        case 1:
            p.drawText(QPoint(r.right() - fm.horizontalAdvance(firstLine), r.top() + fm.ascent()), firstLine);
            break;
        case 2:
            p.fillRect(r, s.background);
            p.setClipRect(r);
            p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, firstLine);
            break;
        case 3:
        case 4:
        case 5:
            if (text.contains(QLatin1Char('<'))) {
                DrawMarkup(p, r, text, s);
            } else if (s.align == 3) {
                QString plain = text;
                plain.remove(QLatin1Char('\r'));
                p.drawText(QRect(r.left(), r.top(), kFar, kFar), Qt::AlignLeft | Qt::AlignTop, plain);
            } else {
                QString plain = text;
                plain.remove(QLatin1Char('\r'));
                p.drawText(r, (s.align == 4 ? Qt::AlignRight : Qt::AlignHCenter) | Qt::AlignTop | Qt::TextWordWrap,
                           plain);
            }
            break;
        case 6: {
            p.fillRect(r, s.background);
            p.setClipRect(r);
            const int dx = int(std::lround(rec.dx * s.xs));
            const int dy = int(std::lround(rec.dy * s.ys));
            p.drawText(QPoint(r.left() + dx, r.top() + dy + fm.ascent()), firstLine);
            break;
        }
        case 23:
        case 24:
        case 25: {
            QString plain = text;
            plain.remove(QLatin1Char('\r'));
            const int h = s.align == 23 ? Qt::AlignLeft : s.align == 24 ? Qt::AlignRight : Qt::AlignHCenter;
            p.drawText(r, h | Qt::AlignTop | Qt::TextWordWrap, plain);
            break;
        }
        default: break;
    }
    p.restore();
}

}  // namespace cgt
