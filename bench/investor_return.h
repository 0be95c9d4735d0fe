#pragma once
// An investor's return for the scale benchmarks: share parcels sold in the
// income year, each a worksheet as `cgt trades` makes it (bought between 1986
// and 2002, so that indexation, the discount, short holdings and losses all
// occur), the trust distribution table, and losses of earlier years.
#include <string>

namespace cgt {
class FieldStore;
}

namespace cgt::bench {

inline constexpr const char* kInvestorIdentity = "123456789";

// Fills an empty store (one whose field 1 holds the identity text).
void FillInvestorReturn(FieldStore& store, int parcels, int trustRows);

// The same return as `cgt export` writes it, for `cgt import`.
std::string InvestorReturnJson(int parcels, int trustRows);

}  // namespace cgt::bench
