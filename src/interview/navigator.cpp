#include "interview/navigator.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "controls/control_context.h"
#include "controls/elided_item_tip.h"

namespace cgt {

TNavigator::TNavigator(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    title_ = new QLabel(QStringLiteral("CGT Navigator"), this);
    title_->setAlignment(Qt::AlignCenter);
    title_->setStyleSheet(QStringLiteral("background:#808080;color:white;font-weight:bold;padding:2px"));
    tree_ = new QTreeWidget(this);
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(false);
    tree_->setIndentation(4);
    // An entry wider than the bar ends in "…" (its tooltip has it whole):
    // the bar keeps the width the frame gives it.
    tree_->header()->setStretchLastSection(true);
    KeepEntriesToWidth(tree_);
    layout->addWidget(title_);
    layout->addWidget(tree_);
    // itemClicked comes with the mouse release over the item.
    connect(tree_, &QTreeWidget::itemClicked, this, GuardedSlot(this, [this](QTreeWidgetItem* item, int) {
                if (!item) return;
                tree_->setCurrentItem(item);
                emit entryReleased(item->data(0, Qt::UserRole).toInt(), item->text(0));
            }));
}

void TNavigator::SetEntries(const std::vector<NavigatorEntry>& entries) {
    tree_->clear();
    for (const NavigatorEntry& e : entries) {
        auto* item = new QTreeWidgetItem(tree_, QStringList{e.text});
        item->setData(0, Qt::UserRole, e.screenNumber);
    }
}

int TNavigator::EntryCount() const {
    return tree_->topLevelItemCount();
}

bool TNavigator::SelectScreen(int screenNumber) {
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = tree_->topLevelItem(i);
        if (item->data(0, Qt::UserRole).toInt() == screenNumber) {
            tree_->setCurrentItem(item);
            return true;
        }
    }
    return false;
}

QString TNavigator::SelectedText() const {
    const QTreeWidgetItem* item = tree_->currentItem();
    return item ? item->text(0) : QString();
}

void TNavigator::ClickEntry(int row) {
    if (QTreeWidgetItem* item = tree_->topLevelItem(row)) emit tree_->itemClicked(item, 0);
}

}  // namespace cgt
