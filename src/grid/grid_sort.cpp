#include <algorithm>
#include <numeric>

#include "base/daynumber.h"
#include "base/numtext.h"
#include "base/text.h"
#include "grid/grid_model.h"
#include "grid/row_order.h"

namespace cgt {

void GridModel::SortRows(std::string_view keys) {
    const std::vector<int> keyCols = ParseSortKeys(keys, ColCount());
    if (keyCols.empty() || rows_.size() <= 2) return;

    std::vector<ColKind> kinds;
    for (int c : keyCols) kinds.push_back(Specs()[std::size_t(c)].kind);

    // Stable, so rows that compare equal keep their order, exactly as the
    // neighbour-exchange sort that only moves a row down past a smaller one.
    const std::size_t dataRows = rows_.size() - 1;
    const std::vector<std::size_t> order = SortedRowOrder(
        dataRows, keyCols, kinds, *clock_,
        [&](std::size_t row, int col) -> const std::string& { return rows_[row + 1][std::size_t(col)]; });

    std::vector<std::vector<std::string>> sorted;
    sorted.reserve(dataRows);
    for (std::size_t i : order) sorted.push_back(std::move(rows_[i + 1]));
    std::move(sorted.begin(), sorted.end(), rows_.begin() + 1);
    Changed();
}

}  // namespace cgt
