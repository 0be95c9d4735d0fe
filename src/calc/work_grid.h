#pragma once
// The few grid operations the worksheet calculations need, over the entry
// grid's model: cells by column and row with row growth, column totals, the
// list form and the row sort.
#include <string>
#include <string_view>
#include <vector>

#include "store/datatype.h"

namespace cgt {

class WorkGrid {
public:
    explicit WorkGrid(const std::vector<std::string>& columnSpecs);

    int ColCount() const;
    // Rows including the title row 0.
    int RowCount() const;
    void SetRowCount(int rows);
    std::string Cell(int col, int row) const;
    // Writes a cell; the grid grows by a row whenever `row` reaches its end.
    void SetCell(int col, int row, const std::string& text);
    void ClearRows();
    // The sum of a number column over the data rows; the explicit zero when
    // the sum is 0 but a cell held a zero.
    long double ColumnTotal(int col) const;
    void SaveToList(TextList& list) const;
    void LoadFromList(const TextList& list);
    // Stable sort of the data rows on comma-separated key columns ("0,5").
    void SortRows(std::string_view keys);

private:
    std::vector<int> kinds_;
    std::vector<std::vector<std::string>> rows_;  // rows_[0] is the title row
};

}  // namespace cgt
