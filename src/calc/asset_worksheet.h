#pragma once
// The per-asset worksheet: cost bases, the gain under each method or the
// capital loss, the result messages and the asset register, computed from
// the working tags of one asset's worksheet instance and written back among
// them, as the summary screen leaves them when it has been shown and left.
#include <cstdint>
#include <string>
#include <vector>

namespace cgt {

class FieldStore;

// What the summary screen shows beyond the stored fields.
struct AssetWorksheetResult {
    // Boxes shown disabled (their columns do not apply).
    std::vector<int> disabledBoxes;
    // The display-only radio groups: "Active" 0, "Non-active" 1; and
    // "Shares/units" 0, "Real estate" 1, "Other" 2, "Collectable" 3; -1 when
    // none. Neither is saved.
    int activeChoice = -1;
    int typeChoice = -1;
    // The block of gains from non-assessable receipts (kTagFirstReceiptGain ..
    // kTagLastReceiptGain) is shown.
    bool showReceiptGains = false;
    // Partial disposal note: what remains of the cost bases.
    bool partialDisposal = false;
    std::int64_t remainingIndexed = 0;
    std::int64_t remainingNonIndexed = 0;
    std::int64_t remainingReduced = 0;
    // Label texts; empty when the label is hidden.
    std::string message1;
    std::string message2;
    bool indexationAvailable = true;
    bool discountAvailable = true;
    int wholeYears = 0;
    // Depreciating assets: the indexation component taken off the indexed gain.
    long double indexationComponent = 0;

    bool IsDisabled(int tag) const;
};

// Runs the calculation on the working tags (the unpacked instance) of an
// asset of worksheet type `worksheetType` (kFirstAssetType .. kLastAssetType).
AssetWorksheetResult CalculateAssetWorksheet(FieldStore& store, int worksheetType);

// Unpacks instance `instance` of `worksheetType`, calculates and packs it back.
AssetWorksheetResult CalculateAssetWorksheetInstance(FieldStore& store, int worksheetType, int instance);

// The depreciating-asset variant: the termination value against the asset's
// cost, scaled by the part of the use that was not taxable (or by the
// reductions of the decline), less the indexation component.
AssetWorksheetResult CalculateDepreciatingWorksheet(FieldStore& store);
AssetWorksheetResult CalculateDepreciatingWorksheetInstance(FieldStore& store, int instance);

// Result messages.
inline constexpr const char* kMsgNoGainOrLoss = "You have no gain or loss in respect of this CGT event";
inline constexpr const char* kMsgDisregarded = "This gain or loss is disregarded this year";
inline constexpr const char* kMsgFifteenYear =
    "This gain is exempt as it qualifies for the 15 year active asset exemption";
inline constexpr const char* kMsgSmallBusiness =
    "This gain may qualify for a small business concession. You will asked about this later in the interview.";
inline constexpr const char* kMsgSmallBusinessDepreciating =
    "This gain may qualify for a small business concession. You will be asked about this later in the interview.";
inline constexpr const char* kMsgRollOverChoice =
    "You will be able to choose if you want this gain or loss included this year or deferred to another year";
inline constexpr const char* kMsgChooseMethod =
    "Later in the interview you will be required to choose between the indexed and discount gain.";

}  // namespace cgt
