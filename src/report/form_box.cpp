#include "report/form_box.h"

#include <QPainter>
#include <cmath>

#include "report/fitted_text.h"
#include "report/report_style.h"

namespace cgt {

namespace {

int Px(double units, double scale) {
    return int(std::lround(units * scale));
}

}  // namespace

void DrawCentsMark(QPainter& p, int right, int top, int bottom, double xs, double fontScale) {
    p.save();
    const int mid = (top + bottom) / 2;
    const int radius = std::max(1, Px(3, xs));
    const int cx = right + Px(10, xs);
    p.setPen(QPen(Qt::black, std::max(1, Px(1.5, xs))));
    p.setBrush(Qt::black);
    p.drawEllipse(QPoint(cx, mid), radius, radius);
    const QFont f = ReportFont(0, int(11 * fontScale + 0.2), 0);
    p.setFont(f);
    const QRect text(cx + radius + Px(2, xs), top, Px(40, xs), bottom - top);
    const QRect used = p.boundingRect(text, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("00"));
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("00"));
    p.setPen(QPen(Qt::black, std::max(1, Px(1, xs))));
    p.drawLine(used.left(), used.bottom(), used.left() + used.width() / 2, used.top());
    p.drawLine(used.left() + used.width() / 2, used.bottom(), used.right(), used.top());
    p.restore();
}

void DrawFormBox(QPainter& p, QRect r, const QString& text, const FormBoxStyle& s, double xs, double ys) {
    p.save();
    if (s.flags & boxflag::kCents) r.setRight(r.right() - Px(40, xs));
    if (!(s.flags & boxflag::kNoFrame)) {
        p.setBrush((s.flags & boxflag::kUnfilled) ? QBrush(Qt::NoBrush) : QBrush(s.fill));
        QPen pen(Qt::black);
        pen.setWidthF(std::max(1.0, 0.5 * ys));
        p.setPen(pen);
        p.drawRect(r);
    }
    if (s.flags & boxflag::kCents) DrawCentsMark(p, r.right(), r.top(), r.bottom(), xs, s.fontScale);
    QRect area = r;
    if (s.flags & boxflag::kStartRight) area.setLeft(area.left() + Px(s.startRight, xs));
    if (s.flags & boxflag::kStartLower) area.setTop(area.top() + Px(40, ys));
    if (s.flags & boxflag::kNarrowFromBoth) {
        area.setRight(area.right() - Px(65, xs));
        area.setLeft(area.left() + Px(155, xs));
    }
    if (s.flags & boxflag::kEndEarlier) area.setRight(area.right() - Px(100, xs));
    if (s.flags & boxflag::kStartFarRight) area.setLeft(area.left() + Px(230, xs));
    if (s.flags != boxflag::kNoFrame) area.adjust(1, 1, -1, -1);
    const int inset = s.insetPixels ? *s.insetPixels : Px(10, xs);
    p.setFont(s.font);
    p.setPen(s.text);
    p.setClipRect(area);
    const QRect inner = area.adjusted(inset, 0, -inset, 0);
    if (s.lines) {
        // A list column: a cell a line, none cut.
        DrawFittedLines(p, inner, text, Qt::AlignLeft);
    } else {
        // One line: an amount whole in a smaller typeface, a text elided.
        const int align = s.align == 1 ? Qt::AlignRight : s.align == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
        QFont fitted;
        const QString line = text.section(QLatin1Char('\n'), 0, 0);
        const QString shown = FitLine(p, s.font, line, inner.width(), fitted);
        p.setFont(fitted);
        p.drawText(inner, align | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    }
    p.restore();
}

}  // namespace cgt
