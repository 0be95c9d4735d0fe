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
inline constexpr int kTagIdentity = 1;       // identity text given by the host; keys the file cipher
inline constexpr int kTagNotes = 399;        // the user's notes, a text list
inline constexpr int kTagProgress = 588;     // highest interview stage reached
inline constexpr int kTagFileVersion = 960;  // written by every save
inline constexpr int kTagTrustTable = 1215;  // trust distribution table
inline constexpr int kTagFileKind = 1300;    // written by every save
// A lodged return: its details, and the markers the store and the file writer test.
inline constexpr int kTagLodgedFileMarker = 1453;
inline constexpr int kTagLodgeDate = 1478;
inline constexpr int kTagLodgeReference = 1479;
inline constexpr int kTagLodgeTime = 1490;
inline constexpr int kTagLodgeMarker = 1491;

// Return check boxes kept as pairs of which exactly one is checked: checking
// one unchecks its partner.
struct CheckBoxPair {
    int first, second;
};
inline constexpr CheckBoxPair kPairedCheckBoxes[] = {
    {9, 10}, {17, 18}, {19, 20}, {33, 34}, {132, 133}, {134, 135}, {136, 137}, {138, 139}, {140, 141}, {142, 143},
};

// --- working tags: the worksheet instance being edited is unpacked into
// these two ranges, and the screens bind their controls to them.
inline constexpr int kFirstLowWorkingTag = 710;
inline constexpr int kLastLowWorkingTag = 749;
inline constexpr int kFirstHighWorkingTag = 1100;
inline constexpr int kLastHighWorkingTag = 1199;
inline constexpr int kTagInstanceName = 710;

}  // namespace cgt
