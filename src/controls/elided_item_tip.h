#pragma once
// The item delegate of the module's lists (the navigator, the worksheet
// picker): an entry wider than its row is drawn cut with "…", and hovering it
// shows the whole entry as a tooltip; an entry that shows whole has none.
#include <QStyledItemDelegate>

namespace cgt {

class TElidedItemTip : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The entry's text does not fit the row it is drawn in.
    bool TextCut(const QStyleOptionViewItem& option, const QModelIndex& index) const;
    // The tooltip hovering the entry shows: its whole text when it is cut, else "".
    QString TipFor(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    // An entry asks for no width of its own: each row is as wide as the
    // list, and the text is cut to it.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
};

// Lays a list out so that its entries keep to its width: rows as wide as the
// list, long entries cut with "…" (with their tooltip), no sideways scrolling.
void KeepEntriesToWidth(class QAbstractItemView* view);

}  // namespace cgt
