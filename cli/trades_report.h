#pragma once
// What `cgt trades` prints: each sale with the parcels it used, and the
// parcels still held at the end of the income year.
#include <iosfwd>

#include "calc/trade_matching.h"

namespace cgt::cli {

void PrintSales(std::ostream& out, const TradeMatching& matching);
void PrintHeld(std::ostream& out, const TradeMatching& matching);

}  // namespace cgt::cli
