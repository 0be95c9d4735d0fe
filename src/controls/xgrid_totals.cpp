#include "controls/xgrid_totals.h"

#include <QPainter>

#include "base/cp1252.h"
#include "controls/qt_text.h"
#include "controls/xgrid.h"

namespace cgt {
namespace {

constexpr int kFrame = 3;
const QColor kFrameGrey(128, 128, 128);

}  // namespace

TXGridTotals::TXGridTotals(QWidget* parent) : QWidget(parent) {}

TXGridTotals::~TXGridTotals() {
    if (grid_) grid_->DetachTotals(this);
}

void TXGridTotals::SetXGrid(TXGrid* grid) {
    if (grid_ == grid) return;
    if (grid_) grid_->DetachTotals(this);
    grid_ = grid;
    if (grid_) grid_->AttachTotals(this);
    update();
}

void TXGridTotals::setXGrid(const QString& name) {
    gridName_ = name;
    ResolveName();
}

void TXGridTotals::ResolveName() {
    if (gridName_.isEmpty() || !parentWidget()) return;
    if (auto* g = parentWidget()->findChild<TXGrid*>(gridName_)) SetXGrid(g);
}

void TXGridTotals::showEvent(QShowEvent* e) {
    if (!grid_) ResolveName();
    QWidget::showEvent(e);
}

void TXGridTotals::Place() {
    if (!grid_) return;
    const QRect g = grid_->geometry();
    setGeometry(g.left(), g.top() + g.height() - 1, g.width() - 2, grid_->defaultRowHeight() + 2);
}

void TXGridTotals::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setPen(QPen(kFrameGrey, kFrame));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(kFrame / 2.0, kFrame / 2.0, -kFrame / 2.0, -kFrame / 2.0));
    if (!grid_) return;
    const GridModel& m = grid_->Model();
    // Column positions follow the grid's viewport (inside its frame) and scroll.
    const int offset = grid_->viewport()->geometry().left();
    p.setFont(grid_->font());
    for (int c : grid_->ShownColumns()) {
        const int left = offset + grid_->ColumnX(c);
        if (left >= width()) break;
        const int right = left + grid_->ColumnWidth(c);
        p.setPen(kFrameGrey);
        p.drawLine(right, kFrame, right, height() - kFrame - 1);
        const ColumnSpec& spec = m.Spec(c);
        if (spec.kind != ColKind::Number || spec.noTotal) continue;
        const QString total = ToQt(m.ColumnTotalText(c));
        p.setPen(Qt::black);
        p.drawText(QRect(left, kFrame, right - left - 3, height() - 2 * kFrame), Qt::AlignRight | Qt::AlignVCenter,
                   total);
    }
}

}  // namespace cgt
