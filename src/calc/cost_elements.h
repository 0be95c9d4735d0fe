#pragma once
// A row of the cost element list (kTagCostElements), as the cost element grid
// lays it out. The grid, the calculations and `cgt trades` all take the
// cells of a row from here.

namespace cgt {

enum CostElementCell : int {
    kCostElementCode,             // the cost element item ("2A - Incidentals ..."), its code first
    kCostElementIncurred,         // date the expense was incurred
    kCostElementPaid,             // date paid (kept, not asked for)
    kCostElementDescription,      // description of the expense
    kCostElementAmount,           // the amount
    kCostElementExcluded,         // amount excluded from the cost base
    kCostElementExcludedReduced,  // amount excluded from the reduced cost base (kept, not asked for)
    kCostElementComments,
    kCostElementCells,  // cells a row
};

}  // namespace cgt
