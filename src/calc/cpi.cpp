#include "calc/cpi.h"

#include <array>
#include <cmath>

#include "base/daynumber.h"
#include "base/income_year.h"
#include "base/numtext.h"

namespace cgt {
namespace {

constexpr int kFirstTableYear = 1985;
constexpr int kLastPublishedYear = 2001;

// Newest year first: row 0 is the income year 2003, row 18 is 1985.
// Quarters March, June, September, December.
constexpr std::array<std::array<double, 4>, kIncomeYear - kFirstTableYear + 1> kCPITable = {{
    {123.4, 123.4, 123.4, 123.4},  // 2003
    {123.4, 123.4, 123.4, 123.4},  // 2002
    {123.4, 123.4, 123.4, 123.4},  // 2001
    {123.4, 123.4, 123.4, 123.4},  // 2000
    {121.8, 122.3, 123.4, 123.4},  // 1999
    {120.3, 121.0, 121.3, 121.9},  // 1998
    {120.5, 120.2, 119.7, 120.0},  // 1997
    {119.0, 119.8, 120.1, 120.3},  // 1996
    {114.7, 116.2, 117.6, 118.5},  // 1995
    {110.4, 111.2, 111.9, 112.8},  // 1994
    {108.9, 109.3, 109.8, 110.0},  // 1993
    {107.6, 107.3, 107.4, 107.9},  // 1992
    {105.8, 106.0, 106.6, 107.6},  // 1991
    {100.9, 102.5, 103.3, 106.0},  // 1990
    {92.9, 95.2, 97.4, 99.2},      // 1989
    {87.0, 88.5, 90.2, 92.0},      // 1988
    {81.4, 82.6, 84.0, 85.5},      // 1987
    {74.4, 75.6, 77.6, 79.8},      // 1986
    {0.0, 0.0, 71.3, 72.7},        // 1985: no figure before September
}};

}  // namespace

long double QuarterCPI(double dayNumber) {
    if (!std::isfinite(dayNumber)) return kFrozenCPI;
    const CivilDate d = CivilFromDayNumber(static_cast<int>(std::floor(dayNumber)));
    if (d.year > kLastPublishedYear) return kFrozenCPI;
    if (d.year < kFirstTableYear) return kPreTableCPI;
    const int quarter = (d.month - 1) / 3;
    // The table holds binary doubles, as the figures were always held; the
    // extended value keeps that double's exact value.
    return static_cast<long double>(kCPITable[std::size_t(kIncomeYear - d.year)][std::size_t(quarter)]);
}

long double IndexationFactor(long double eventCPI, long double costCPI) {
    if (costCPI == 0) costCPI = eventCPI;
    if (costCPI == 0) return 1;
    long double factor = eventCPI / costCPI;
    if (factor < 1) factor = 1;
    // The factor as its three-decimal text reads back.
    if (const auto shown = FixedValue(factor, 18, 3)) return *shown;
    return TryStrToFloat(FormatFixed(factor, 18, 3)).value_or(1.0L);
}

long double QuarterCPIOfText(const std::string& dateText, long double fallback) {
    const auto day = TextToDayNumber(dateText);
    return day ? QuarterCPI(*day) : fallback;
}

}  // namespace cgt
