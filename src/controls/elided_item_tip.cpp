#include "controls/elided_item_tip.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

namespace cgt {

bool TElidedItemTip::TextCut(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    if (opt.text.isEmpty()) return false;
    const QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget);
    // The style keeps a small margin each side of the text.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &opt, opt.widget) + 1;
    return opt.fontMetrics.horizontalAdvance(opt.text) > text.width() - 2 * margin;
}

QString TElidedItemTip::TipFor(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return TextCut(option, index) ? index.data(Qt::DisplayRole).toString() : QString();
}

QSize TElidedItemTip::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return {0, QStyledItemDelegate::sizeHint(option, index).height()};
}

bool TElidedItemTip::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                               const QModelIndex& index) {
    if (!event || event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString tip = TipFor(option, index);
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), tip, view->viewport(), option.rect);
    return true;
}

void KeepEntriesToWidth(QAbstractItemView* view) {
    view->setItemDelegate(new TElidedItemTip(view));
    view->setTextElideMode(Qt::ElideRight);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

}  // namespace cgt
