#pragma once
// The income year this module is for and the key dates of the CGT rules.
// Every date constant is a day number (30/12/1899 = 0).

namespace cgt {

inline constexpr int kIncomeYear = 2003;
inline constexpr const char* kModuleHelpFile = "CGT2003.HLP";
inline constexpr const char* kHostHelpFile = "VERIMO2003.HLP";

// 01/07/2002 and 30/06/2003.
inline constexpr int kIncomeYearStart = 37438;
inline constexpr int kIncomeYearEnd = 37802;

// CGT began: assets acquired before this date are pre-CGT.
inline constexpr int kCgtStart = 31310;  // 20/09/1985
// The discount method replaced indexation at 11.45am on this day.
inline constexpr int kDiscountStart = 36424;  // 21/09/1999
inline constexpr int kDiscountStartMinutes = 11 * 60 + 45;
inline constexpr int kDate30Jun1998 = 35976;  // 30/06/1998
inline constexpr int kDate18Dec1986 = 31764;  // 18/12/1986
inline constexpr int kDate01Jul1990 = 33055;  // 01/07/1990
inline constexpr int kDate30Jun2001 = 37072;  // 30/06/2001

}  // namespace cgt
