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
    for (int c : keyCols) kinds.push_back(specs_[std::size_t(c)].kind);

    // Each key cell is read once; the comparisons then work on the read values.
    const std::size_t dataRows = rows_.size() - 1;
    std::vector<std::vector<SortKey>> keyValues(dataRows);
    for (std::size_t i = 0; i < dataRows; ++i) {
        keyValues[i].reserve(keyCols.size());
        for (std::size_t k = 0; k < keyCols.size(); ++k)
            keyValues[i].push_back(MakeSortKey(kinds[k], rows_[i + 1][std::size_t(keyCols[k])], *clock_));
    }

    std::vector<std::size_t> order(dataRows);
    std::iota(order.begin(), order.end(), std::size_t(0));
    // Stable, so rows that compare equal keep their order, exactly as the
    // neighbour-exchange sort that only moves a row down past a smaller one.
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return CompareSortKeys(keyValues[a], keyValues[b]) < 0; });

    std::vector<std::vector<std::string>> sorted;
    sorted.reserve(dataRows);
    for (std::size_t i : order) sorted.push_back(std::move(rows_[i + 1]));
    std::move(sorted.begin(), sorted.end(), rows_.begin() + 1);
    Changed();
}

}  // namespace cgt
