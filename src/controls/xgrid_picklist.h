#pragma once
// The drop-down list of a pick-list cell: a popup under (or over) the cell
// with type-ahead search; characters typed within two seconds of each other
// build the search text.
#include <QListWidget>
#include <chrono>

namespace cgt {

class TXGrid;

class XGridPickList : public QListWidget {
    Q_OBJECT
public:
    explicit XGridPickList(TXGrid* grid);

    // The search text typed so far (at most 32 characters).
    const QString& SearchText() const { return search_; }

signals:
    void accepted(int index);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    TXGrid* grid_;
    QString search_;
    std::chrono::system_clock::time_point lastKey_{};
};

}  // namespace cgt
