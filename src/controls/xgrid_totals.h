#pragma once
// The totals strip under an entry grid: one total per number column, lined
// up with the grid's columns and its horizontal scroll.
#include <QPointer>
#include <QWidget>

namespace cgt {

class TXGrid;

class TXGridTotals : public QWidget {
    Q_OBJECT
    // The grid totalled, by object name among the strip's siblings (a screen
    // definition cannot hold an object reference).
    Q_PROPERTY(QString xGrid READ xGridName WRITE setXGrid)

public:
    explicit TXGridTotals(QWidget* parent = nullptr);
    ~TXGridTotals() override;

    TXGrid* XGrid() const { return grid_; }
    // Attaches to `grid` (detaching from any other); nullptr detaches.
    void SetXGrid(TXGrid* grid);
    QString xGridName() const { return gridName_; }
    void setXGrid(const QString& name);

    // Directly under the grid: left as the grid, one pixel above its bottom
    // edge, two pixels narrower, one row (plus 2) high.
    void Place();

protected:
    void paintEvent(QPaintEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    friend class TXGrid;
    void ResolveName();

    QPointer<TXGrid> grid_;
    QString gridName_;
};

}  // namespace cgt
