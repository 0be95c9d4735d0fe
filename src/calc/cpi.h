#pragma once
// The quarterly CPI table and the indexation factor. Every worksheet uses
// these; none keeps a table of its own.
#include <string>

namespace cgt {

// The index is frozen at this figure from the September quarter 1999 on.
inline constexpr long double kFrozenCPI = static_cast<long double>(123.4);
// Used for every date before 1985.
inline constexpr long double kPreTableCPI = static_cast<long double>(71.3);

// The CPI figure of the quarter containing the day number (30/12/1899 = 0).
// The March and June quarters of 1985 have no figure and give 0.
long double QuarterCPI(double dayNumber);

// eventCPI / costCPI, never below 1, rounded to three decimals through its
// "0.000" text so that the factor shown is the factor used. A cost CPI of 0
// (no figure) gives 1.
long double IndexationFactor(long double eventCPI, long double costCPI);

// The CPI of a date held as text; `fallback` when the text is no date.
long double QuarterCPIOfText(const std::string& dateText, long double fallback);

}  // namespace cgt
