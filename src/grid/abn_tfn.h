#pragma once
// The business-number and tax-file-number checks and groupings the grid's
// cell check needs. Kept here because the grid sits below the controls layer.
#include <string>
#include <string_view>

namespace cgt::grid_ids {

// A blank text passes both tests.
bool IsValidABN(std::string_view text);
bool IsValidTFN(std::string_view text);
// "12345678901" -> "12 345 678 901"; a shorter number is padded with zeros first.
std::string FormatABN(std::string_view text);
// 7, 8 or 9 digits grouped 1-3-3, 2-3-3 or 3-3-3; other lengths unchanged.
std::string FormatTFN(std::string_view text);

}  // namespace cgt::grid_ids
