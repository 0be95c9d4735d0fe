#pragma once
// Share worksheets (type 451) for the parcels sold in the income year, each
// holding exactly the fields the share block's screens leave when a parcel
// is typed in: registration, cost elements, event A1 and roll-over No.
#include <cstdint>
#include <string>
#include <vector>

#include "calc/trade_matching.h"

namespace cgt {
class FieldStore;
}

namespace cgt::cli {

// Money as the cost element grid shows it: two decimals, no separators.
std::string CentsText(std::int64_t cents);

// The comment that marks the cost element rows of an import from a file:
// its name (without folders, as the store holds text), cut to the 50
// characters of the column.
std::string TradesImportMark(const std::string& tradesFile);

// The share worksheets carrying the mark in a cost element row, ascending.
std::vector<int> ImportedShareWorksheets(const FieldStore& store, const std::string& mark);
// Removes the instances (ascending numbers); those above move down.
void RemoveShareWorksheets(FieldStore& store, const std::vector<int>& instances);

// How many worksheets the income-year sales make.
int ShareWorksheetsOf(const TradeMatching& matching);
// Appends one share worksheet per part of a parcel sold in the income
// year. `assetType` is "SN" or "SA".
void AddShareWorksheets(FieldStore& store, const TradeMatching& matching, const std::string& assetType,
                        const std::string& mark);

}  // namespace cgt::cli
