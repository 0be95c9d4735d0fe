#pragma once
// Whole-dollar rounding and the explicit zero.
#include <cstdint>

namespace cgt {

// A numeric field holding this value is a zero that was typed or calculated,
// as against 0 for a blank.
inline constexpr long double kExplicitZero = 0.0011L;
// Amounts above this are present; anything at or below is blank or an explicit zero.
inline constexpr long double kPresentAbove = 0.0011L;

// Nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
std::int64_t Round(long double value);
// Towards zero, to whole dollars.
std::int64_t Trunc(long double value);

inline bool AmountPresent(long double value) {
    return value > kPresentAbove;
}

}  // namespace cgt
