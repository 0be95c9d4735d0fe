#pragma once
// The capital gains choice table: one row per gain or loss component of the
// return, gathered from the trust distribution table, the manual calculation
// table and the asset worksheets; the deferment and method choices made in
// it; and the write-back of those choices to their sources.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "store/tags.h"

namespace cgt {

class FieldStore;
class Dialogs;

namespace choice {
enum Column {
    kSection = 0,
    kDescription = 1,
    kAssetType = 2,
    kIndexedGain = 3,
    kDiscountGain = 4,
    kChoiceReq = 5,
    kMethod = 6,
    kOtherGain = 7,
    kLoss = 8,
    kCanDefer = 9,
    kDeferAuto = 10,
    kWantDefer = 11,
    kCollectableApplied = 12,
    kPriorCollectableApplied = 13,
    kOtherApplied = 14,
    kTransferredApplied = 15,
    kNetGain = 16,
    kSourceTag = 17,
    kSourceIndex = 18,
    kPart = 19,
    kIndexFactor = 20,
    kColumnCount = 21,
};
}  // namespace choice

// A row of the trust distribution table (kTagTrustTable): the trust's name,
// its nine gain components (of other assets indexed, discounted and other;
// then the same of collectables, then of active assets), their net gain, and
// for each component in the same order the collectable, the other and the
// transferred-in losses the choice table applied to it. The last three cells
// are kept empty.
inline constexpr int kTrustNameCol = 0;
inline constexpr int kTrustComponents = 9;
inline constexpr int kTrustFirstGainCol = 1;
inline constexpr int kTrustLastGainCol = kTrustFirstGainCol + kTrustComponents - 1;
inline constexpr int kTrustNetGainCol = kTrustLastGainCol + 1;  // computed
inline constexpr int kTrustFirstAppliedCol = kTrustNetGainCol + 1;
inline constexpr int kTrustRowCells = 41;
// The cells of the component in position k (0 .. 8) of a trust row.
struct TrustComponentCells {
    int gain, collectableApplied, otherApplied, transferredApplied;
};
constexpr TrustComponentCells TrustCellsOf(int k) {
    return {kTrustFirstGainCol + k, kTrustFirstAppliedCol + k, kTrustFirstAppliedCol + kTrustComponents + k,
            kTrustFirstAppliedCol + 2 * kTrustComponents + k};
}
static_assert(TrustCellsOf(kTrustComponents - 1).transferredApplied < kTrustRowCells);

// The choice grid's column specifications, as the entry grid reads them.
const std::vector<std::string>& ChoiceGridColumns();
const std::vector<std::string>& UnappliedLossGridColumns();

using ChoiceRow = std::array<std::string, choice::kColumnCount>;

// Section name of a worksheet type tag ("Shares" for kWsShares ...).
std::string SectionName(int typeTag);

class ChoiceTable {
public:
    std::vector<ChoiceRow> rows;

    // Current-year losses from the Loss column, by pool.
    double currentCollectableLosses = 0;
    double currentOtherLosses = 0;

    // Rebuilds the rows from the three sources; sets kTagGainsExist /
    // kTagNoGains and kTagLossTotal.
    // `sortBySource` sorts by "17,18,19" as the screen does on show.
    void Build(FieldStore& store, bool sortBySource = true);

    // Sorts rows by a comma-separated list of columns, keeping ties in order.
    void SortRows(const std::string& keys);

    // Row readings with the defaults of empty cells.
    static std::string Section(const ChoiceRow& r);
    static std::string AssetType(const ChoiceRow& r);
    static std::string ChoiceReq(const ChoiceRow& r);
    static std::string Method(const ChoiceRow& r);
    static std::string CanDefer(const ChoiceRow& r);
    static std::string DeferAuto(const ChoiceRow& r);
    static std::string WantDefer(const ChoiceRow& r);
    static bool Deferred(const ChoiceRow& r);
    // A numeric cell read as the calculations read it: rounded, 0 when empty.
    static double Amount(const ChoiceRow& r, int column);

    // "Delete all and start over": every method and deferment choice and
    // every applied loss is cleared.
    void ClearChoices();

    // Automatic choices.
    void MakeMethodChoices();
    void MakeDeferChoices();

    // The list form of the grid (21 cells per non-empty row), kTagChoiceGrid.
    std::vector<std::string> ToList() const;

    // Writes the choices back into kTagTrustTable, kTagManualTable and each
    // worksheet's kTagLossesApplied, kTagReceiptMethodChosen (receipts row),
    // kTagMethodChosen and kTagDeferChosen (disposal row).
    void WriteBack(FieldStore& store) const;
};

// The index factor text of a row: indexed / discount * 100, 5 decimals.
std::string IndexFactorText(double indexed, double discount);

}  // namespace cgt
