#pragma once
// The order of grid rows when sorting: key cells compared in key order, the
// first key that tells two rows apart decides. An empty key cell sorts after
// a filled one; filled cells compare as numbers, dates or case-insensitive
// text by the column's kind; business and tax file numbers never tell rows
// apart. This is a strict weak order, so a stable sort gives exactly the rows
// a neighbour-exchange (bubble) sort would.
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

}  // namespace cgt
