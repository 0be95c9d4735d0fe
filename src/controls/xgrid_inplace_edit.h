#pragma once
// The entry grid's cell editor: a single-line edit over the current cell,
// with a drop-down or ellipsis button drawn at its right when the column has
// one. Keys and focus changes go to the grid first.
#include <QLineEdit>

#include "grid/column_spec.h"

namespace cgt {

class TXGrid;

class TXGridInplaceEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TXGridInplaceEdit(TXGrid* grid, QWidget* parent);

    EditStyle Style() const { return style_; }
    void SetStyle(EditStyle s);
    // The button's rectangle in editor coordinates (empty when plain).
    QRect ButtonRect() const;
    // Inserts a character the grid's rules accepted.
    void InsertAccepted(const QString& s) { insert(s); }

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    TXGrid* grid_;
    EditStyle style_ = EditStyle::Plain;
};

// Draws the small drop-down arrow of a pick-list cell or button.
void DrawDropDownArrow(class QPainter& p, const QRect& r, const QColor& color);

}  // namespace cgt
