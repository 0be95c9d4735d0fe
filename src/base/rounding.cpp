#include "base/rounding.h"

#include <cfenv>
#include <cmath>

namespace cgt {

std::int64_t Round(long double value) {
    // nearbyint follows the current rounding mode, which is to-nearest-even
    // unless someone changed it; do the tie-break explicitly instead.
    if (std::fabs(value) < 0x1p62L) {
        // The same steps in whole numbers, exact in this range: the floor
        // from the truncation, and the fraction left, which is exact too.
        std::int64_t whole = static_cast<std::int64_t>(value);
        if (static_cast<long double>(whole) > value) --whole;
        const long double diff = value - static_cast<long double>(whole);
        if (diff > 0.5L) return whole + 1;
        if (diff < 0.5L) return whole;
        return whole % 2 == 0 ? whole : whole + 1;
    }
    const long double floorValue = std::floor(value);
    const long double diff = value - floorValue;
    long double result;
    if (diff > 0.5L) {
        result = floorValue + 1;
    } else if (diff < 0.5L) {
        result = floorValue;
    } else {
        result = std::fmod(floorValue, 2.0L) == 0 ? floorValue : floorValue + 1;
    }
    return static_cast<std::int64_t>(result);
}

std::int64_t Trunc(long double value) {
    return static_cast<std::int64_t>(std::trunc(value));
}

}  // namespace cgt
