#include "controls/xgrid_inplace_edit.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPolygon>
#include <QStyle>

#include "controls/xgrid.h"
#include "controls/xgrid_totals.h"

namespace cgt {

void DrawDropDownArrow(QPainter& p, const QRect& r, const QColor& color) {
    const int cx = r.center().x();
    const int cy = r.center().y();
    QPolygon tri;
    tri << QPoint(cx - 4, cy - 2) << QPoint(cx + 4, cy - 2) << QPoint(cx, cy + 2);
    p.save();
    p.setPen(color);
    p.setBrush(color);
    p.drawPolygon(tri);
    p.restore();
}

TXGridInplaceEdit::TXGridInplaceEdit(TXGrid* grid, QWidget* parent) : QLineEdit(parent), grid_(grid) {
    setFrame(false);
}

void TXGridInplaceEdit::SetStyle(EditStyle s) {
    style_ = s;
    // A button narrows the text area by the width of a vertical scroll bar.
    const int w = s == EditStyle::Plain ? 0 : style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    setTextMargins(0, 0, w, 0);
    update();
}

QRect TXGridInplaceEdit::ButtonRect() const {
    if (style_ == EditStyle::Plain) return {};
    const int w = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return {width() - w, 0, w, height()};
}

bool TXGridInplaceEdit::event(QEvent* e) {
    // Tab moves between cells, not out of the grid.
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            grid_->EditorKeyPress(k);
            return true;
        }
    }
    return QLineEdit::event(e);
}

void TXGridInplaceEdit::keyPressEvent(QKeyEvent* e) {
    if (grid_->EditorKeyPress(e)) {
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void TXGridInplaceEdit::keyReleaseEvent(QKeyEvent* e) {
    if (grid_->EditorKeyRelease(e)) {
        e->accept();
        return;
    }
    QLineEdit::keyReleaseEvent(e);
}

void TXGridInplaceEdit::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    grid_->EditorFocusIn(e);
}

void TXGridInplaceEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    grid_->EditorFocusOut(e);
}

void TXGridInplaceEdit::mousePressEvent(QMouseEvent* e) {
    if (ButtonRect().contains(e->position().toPoint()) && e->button() == Qt::LeftButton) {
        grid_->EditorButtonClicked();
        e->accept();
        return;
    }
    QLineEdit::mousePressEvent(e);
}

void TXGridInplaceEdit::contextMenuEvent(QContextMenuEvent* e) {
    // A display-only column offers nothing on the right button.
    if (grid_->Model().Spec(grid_->Col()).displayOnly) {
        e->accept();
        return;
    }
    QLineEdit::contextMenuEvent(e);
}

void TXGridInplaceEdit::paintEvent(QPaintEvent* e) {
    if (grid_->ReadOnlyGrid()) {
        // Nothing to type here: the cell looks as every other cell does (no
        // selection, no cursor), framed while it holds the keyboard.
        QPainter p(this);
        p.setFont(font());
        grid_->PaintCell(p, rect(), grid_->Col(), grid_->Row());
        if (hasFocus()) {
            p.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        }
        return;
    }
    QLineEdit::paintEvent(e);
    const QRect b = ButtonRect();
    if (b.isEmpty()) return;
    QPainter p(this);
    p.fillRect(b, palette().color(QPalette::Button));
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(b.adjusted(0, 0, -1, -1));
    if (style_ == EditStyle::PickList) {
        DrawDropDownArrow(p, b, palette().color(QPalette::ButtonText));
    } else {
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(b, Qt::AlignCenter, QStringLiteral("..."));
    }
}

}  // namespace cgt
