#include "report/fitted_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace cgt {

bool IsFigure(const QString& line) {
    bool digit = false;
    for (const QChar ch : line) {
        if (ch.isDigit()) {
            digit = true;
            continue;
        }
        if (!QStringLiteral(" .,-+$%/()").contains(ch)) return false;
    }
    return digit;
}

QFont FontToFit(const QPainter& p, const QFont& font, const QString& text, int width) {
    QFont f = font;
    const double size = font.pointSizeF() > 0 ? font.pointSizeF() : double(font.pixelSize());
    const double advance = QFontMetricsF(f, p.device()).horizontalAdvance(text);
    if (width <= 0 || advance <= width || size <= 0) return f;
    // Text width grows with the point size, all but the hinting: scale,
    // then step down until the last pixel fits.
    double next = size * width / advance;
    for (int step = 0; step < 40 && next > 0.5; ++step) {
        if (font.pointSizeF() > 0)
            f.setPointSizeF(next);
        else
            f.setPixelSize(std::max(1, int(next)));
        if (QFontMetricsF(f, p.device()).horizontalAdvance(text) <= width) break;
        next *= 0.95;
    }
    return f;
}

QString FitLine(const QPainter& p, const QFont& font, const QString& line, int width, QFont& fitted) {
    fitted = font;
    if (width <= 0) return line;
    const QFontMetricsF fm(font, p.device());
    if (fm.horizontalAdvance(line) <= width) return line;
    if (IsFigure(line)) {
        fitted = FontToFit(p, font, line, width);
        return line;
    }
    return fm.elidedText(line, Qt::ElideRight, width);
}

void DrawFittedLines(QPainter& p, const QRect& r, const QString& text, int horizontal, bool centreSingleLine) {
    const QFont base = p.font();
    const QFontMetricsF fm(base, p.device());
    const double pitch = QFontMetrics(base, p.device()).height();
    const double ascent = QFontMetrics(base, p.device()).ascent();
    const QStringList lines = QString(text).remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
    double top = r.top();
    if (centreSingleLine && lines.size() == 1) top = r.top() + (r.height() - pitch) / 2;
    const double width = r.width();
    for (const QString& line : lines) {
        QString shown = line;
        double advance = fm.horizontalAdvance(line);
        bool shrunk = false;
        if (advance > width) {
            if (IsFigure(line)) {
                p.setFont(FontToFit(p, base, line, r.width()));
                advance = QFontMetricsF(p.font(), p.device()).horizontalAdvance(line);
                shrunk = true;
            } else {
                shown = fm.elidedText(line, Qt::ElideRight, width);
                advance = fm.horizontalAdvance(shown);
            }
        }
        double x = r.left();
        if (horizontal & Qt::AlignRight) x = r.right() - advance;
        if (horizontal & Qt::AlignHCenter) x = r.left() + (width - advance) / 2;
        // A smaller typeface keeps the line's baseline.
        p.drawText(QPointF(x, int(top) + ascent), shown);
        if (shrunk) p.setFont(base);
        top += pitch;
    }
}

}  // namespace cgt
