#pragma once
// Small readings shared by the worksheet calculations: dates that may be
// absent, amounts held as cell text, asset type and cost element codes.
#include <optional>
#include <string>
#include <string_view>

#include "calc/asset_codes.h"

namespace cgt {

class FieldStore;

// The day number of a date text (its first ten characters); nothing when the
// text is blank, the blank mask or no date. A date that does not convert
// counts as absent: the calculations never stop on one.
std::optional<int> DateOfText(std::string_view text);
std::optional<int> FieldDate(FieldStore& store, int tag);

// A cell or field text as an amount; 0 when it is not a number.
long double AmountOfText(std::string_view text);

// Amount text of the worksheets: two decimals, ten wide.
std::string AmountCell(long double value);
// CPI text: `decimals` decimals, ten wide.
std::string CPICell(long double value, int decimals);
// Indexation factor text: three decimals, ten wide.
std::string FactorCell(long double value);

// What a whole-dollar box holds after it has shown a value and been saved:
// blank for nothing, the explicit zero for a shown zero.
long double DollarBoxValue(long double value);
// The same for a box with two decimals.
long double CentsBoxValue(long double value);
// The text a percentage box shows for a value ("80.00%", "0.00%" for the
// explicit zero, empty for nothing).
std::string PercentBoxText(long double value);
// The number a percentage box reads from its text.
long double PercentOfText(std::string_view text);

}  // namespace cgt

namespace cgt {

// The date of an entered cost base: that of its calculation (kTagCostBaseDate),
// unless the asset was acquired (kTagAcquisitionDate) later; the acquisition
// date when the calculation's date is absent.
std::optional<int> CostBaseDate(FieldStore& store);

// Whole years from one day to another; the second counts as a full year only
// once the anniversary has passed by at least a day.
int WholeYearsHeld(int from, int to);

}  // namespace cgt

namespace cgt {

// The base date of the worksheets: the roll-over date
// (kTagRollOverAcquisitionDate) when present, else the acquisition date
// (kTagAcquisitionDate), else blank.
std::string BaseDateText(FieldStore& store);

// Indexation is excluded by the dates alone: a base date after 21/09/1999
// (without a roll-over date), acquisition on 21/09/1999 after 11.45am, or a
// roll-over acquisition after 21/09/1999 or on it after 11.45am.
bool IndexationExcludedByDates(FieldStore& store, int baseDate);

}  // namespace cgt
