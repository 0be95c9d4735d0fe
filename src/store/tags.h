#pragma once
// The names of the field tags the code uses, grouped by what holds them.
// .ui files keep their fieldTag numbers; everything else uses these names.
#include "store/datatype.h"

namespace cgt {

// --- worksheet types: each asset kind (and the CGT schedule) is a worksheet
// type whose instances live as a list in field type + kWorksheetTagOffset.
enum WorksheetType : int {
    kWsShares = 451,
    kWsTrustInterest = 452,
    kWsOtherTrust = 453,
    kWsRealEstate = 454,
    kWsPersonalUse = 455,
    kWsOtherAssets = 456,
    kWsCreatedRights = 457,
    kWsDepreciating = 458,
    kWsStatusChange = 459,
    kWsBankruptPayment = 460,
    kWsCeasingResidency = 461,
    kWsOtherReceipts = 462,
    kWsSchedule = 469,
};
inline constexpr int kFirstAssetType = kWsShares;
inline constexpr int kLastAssetType = kWsOtherReceipts;

// The field that holds the worksheet list of a type.
constexpr int ListFieldOf(int worksheetType) {
    return worksheetType + kWorksheetTagOffset;
}

// --- return fields
inline constexpr int kTagProgress = 588;      // highest interview stage reached
inline constexpr int kTagTrustTable = 1215;   // trust distribution table

}  // namespace cgt
