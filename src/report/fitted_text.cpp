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
    QString plain = text;
    plain.remove(QLatin1Char('\r'));
    const QStringList lines = plain.split(QLatin1Char('\n'));
    const QFont base = p.font();
    const QFontMetrics baseMetrics(base, p.device());
    const int pitch = baseMetrics.height();
    int top = r.top();
    if (centreSingleLine && lines.size() == 1) top = r.top() + (r.height() - pitch) / 2;
    for (const QString& line : lines) {
        QFont fitted;
        const QString shown = FitLine(p, base, line, r.width(), fitted);
        p.setFont(fitted);
        const QFontMetrics fm(fitted, p.device());
        const int width = fm.horizontalAdvance(shown);
        int x = r.left();
        if (horizontal & Qt::AlignRight) x = r.right() - width;
        if (horizontal & Qt::AlignHCenter) x = r.left() + (r.width() - width) / 2;
        // A smaller typeface keeps the line's baseline.
        p.drawText(QPoint(x, top + baseMetrics.ascent()), shown);
        top += pitch;
    }
    p.setFont(base);
}

}  // namespace cgt
