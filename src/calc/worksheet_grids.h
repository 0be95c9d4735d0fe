#pragma once
// Column specifications of the grids the worksheet calculations fill: the
// CGT worksheet (kTagWorksheetGrid), the asset register (kTagRegisterGrid)
// and the cost base history (kTagHistoryGrid).
#include <string>
#include <vector>

#include "store/tags.h"

namespace cgt {

const std::vector<std::string>& WorksheetGridColumns();  // 12 columns
const std::vector<std::string>& RegisterGridColumns();   // 11 columns
const std::vector<std::string>& HistoryGridColumns();    // 23 columns

}  // namespace cgt
