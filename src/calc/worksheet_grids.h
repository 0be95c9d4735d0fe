#pragma once
// Column specifications of the grids the worksheet calculations fill: the
// CGT worksheet (field 1105), the asset register (1102) and the cost base
// history (1199).
#include <string>
#include <vector>

namespace cgt {

inline constexpr int kTagRegisterGrid = 1102;
inline constexpr int kTagWorksheetGrid = 1105;
inline constexpr int kTagHistoryGrid = 1199;

const std::vector<std::string>& WorksheetGridColumns();  // 12 columns
const std::vector<std::string>& RegisterGridColumns();   // 11 columns
const std::vector<std::string>& HistoryGridColumns();    // 23 columns

}  // namespace cgt
