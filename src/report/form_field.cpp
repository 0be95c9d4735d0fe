#include "report/form_field.h"

#include <QPainter>
#include <QPolygon>
#include <cmath>

#include "base/cp1252.h"
#include "report/field_values.h"
#include "report/form_box.h"
#include "report/report_style.h"
#include "store/fieldstore.h"

namespace cgt {

namespace {

void DrawCaution(QPainter& p, const QRect& r, double fontScale) {
    p.save();
    const int cx = r.center().x(), cy = r.center().y();
    const int hw = r.width() / 2, hh = r.height() / 2;
    // The corners are cut a fifth of the half-side either side of each
    // edge's middle.
    const int cutX = int(hw * 0.2), cutY = int(hh * 0.2);
    const QPoint corners[] = {{cx - cutX, r.top()},   {cx + cutX, r.top()},    {r.right(), cy - cutY},
                              {r.right(), cy + cutY}, {cx + cutX, r.bottom()}, {cx - cutX, r.bottom()},
                              {r.left(), cy + cutY},  {r.left(), cy - cutY}};
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 255, 0));
    p.drawPolygon(corners, 8);
    p.setFont(ReportFont(0, int(8 * fontScale + 0.2), 1));
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("CAUTION"));
    p.restore();
}

}  // namespace

DrawFieldEvent FormFieldDrawer(const FieldStore& store) {
    return
        [&store](char type, const TPageRec& rec, QPainter& p, const QRect& r, double fontScale, double xs, double ys) {
            if (type == rec::kCaution) {
                DrawCaution(p, r, fontScale);
                return;
            }
            if (type != rec::kField && type != rec::kEditField) return;
            FormBoxStyle box;
            box.flags =
                rec.BoxFlags() & (boxflag::kNoFrame | boxflag::kCents | boxflag::kStartRight | boxflag::kStartLower);
            box.startRight = 35;
            box.fontScale = fontScale;
            box.font = ReportFont(2, int(std::lround(12 * fontScale + 0.2)), 1);
            const int k = rec.Kind();
            box.align = (k == 1 || k == 2) ? 1 : 0;
            if (k == 6 || k == kind::kLossMark) box.insetPixels = 1;
            // A list column's cells one under another; its box stays empty
            // without cells or a row width.
            box.lines = k == kind::kListColumn;
            std::string text = box.lines && rec.Columns() == 0 ? std::string() : ResolveField(store, rec);
            if (text.find_first_not_of(' ') == std::string::npos) text = " ";
            DrawFormBox(p, r, QString::fromStdString(Cp1252ToUtf8(text)), box, xs, ys);
        };
}

}  // namespace cgt
