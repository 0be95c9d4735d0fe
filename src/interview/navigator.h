#pragma once
// The outlook bar "CGT Navigator": a tree of entries, each carrying a screen
// number (-1: the entry only shows its text).
#include <QString>
#include <QWidget>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class QLabel;

namespace cgt {

struct NavigatorEntry {
    QString text;
    int screenNumber;
};

class TNavigator : public QWidget {
    Q_OBJECT
public:
    explicit TNavigator(QWidget* parent = nullptr);

    void SetEntries(const std::vector<NavigatorEntry>& entries);
    int EntryCount() const;
    // Highlights the entry of a screen number; false when there is none.
    bool SelectScreen(int screenNumber);
    // Text of the selected entry, empty when none.
    QString SelectedText() const;
    QTreeWidget* Tree() const { return tree_; }
    // Releases the mouse over entry `row`, as a click does.
    void ClickEntry(int row);

signals:
    // The mouse was released over an entry.
    void entryReleased(int screenNumber, const QString& text);

private:
    QLabel* title_;
    QTreeWidget* tree_;
};

}  // namespace cgt
