#pragma once
// The order of grid rows when sorting: key cells compared in key order, the
// first key that tells two rows apart decides. An empty key cell sorts after
// a filled one; filled cells compare as numbers, dates or case-insensitive
// text by the column's kind; business and tax file numbers never tell rows
// apart. This is a strict weak order, so a stable sort gives exactly the rows
// a neighbour-exchange (bubble) sort would.
#include <algorithm>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

#include "grid/column_spec.h"

namespace cgt {

class Clock;

struct SortKey {
    enum class Class : unsigned char { Value, Unordered, Empty };
    Class cls = Class::Empty;
    long double number = 0;  // numbers and dates
    std::string text;        // text, case folded
};

// "1, 2,0" -> {1, 2, 0}; items that are no column of the grid are left out.
std::vector<int> ParseSortKeys(std::string_view keys, int colCount);

SortKey MakeSortKey(ColKind kind, std::string_view cell, const Clock& clock);
// <0, 0, >0 as `a` sorts before, with, or after `b`.
int CompareSortKey(const SortKey& a, const SortKey& b);
int CompareSortKeys(const std::vector<SortKey>& a, const std::vector<SortKey>& b);

// The order of `rows` rows sorted on the key columns of the given kinds:
// each key cell (`cell(row, col)`) read once, then a stable sort, so rows
// that compare equal keep their order.
template <typename Cell>
std::vector<std::size_t> SortedRowOrder(std::size_t rows, const std::vector<int>& keyCols,
                                        const std::vector<ColKind>& kinds, const Clock& clock, Cell cell) {
    std::vector<std::vector<SortKey>> keyValues(rows);
    for (std::size_t i = 0; i < rows; ++i) {
        keyValues[i].reserve(keyCols.size());
        for (std::size_t k = 0; k < keyCols.size(); ++k)
            keyValues[i].push_back(MakeSortKey(kinds[k], cell(i, keyCols[k]), clock));
    }
    std::vector<std::size_t> order(rows);
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return CompareSortKeys(keyValues[a], keyValues[b]) < 0; });
    return order;
}

}  // namespace cgt
