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
// transferred-in losses the choice table applied to it; then the small
// business 50% active asset reduction elected on the concession screen for
// its active-asset gains.
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
// The 50% active asset reduction of the row's active-asset gain taken by
// indexation, by the discount method and by neither (parts A3, A6 and A9) is
// kept in the three cells after the losses applied, so that it stays with
// its trust: a beneficiary reapplies the reduction the trust applied, while
// the retirement exemption and the roll-over are the trust's to choose. A row
// saved before keeps these cells empty, which means no reduction.
inline constexpr int kTrustFirstReductionCol = TrustCellsOf(kTrustComponents - 1).transferredApplied + 1;
static_assert(kTrustFirstReductionCol + 3 == kTrustRowCells);

// A row of the manual calculation table (kTagManualTable) is laid out as a
// choice row. It has no use for the cells of the choice row's source and part
// code (its choice row always comes from the table, its own row, part "C"):
// they keep the small business concessions elected for its gain on the
// concession screen, the 50% active asset reduction, the retirement exemption
// and the roll-over. A row saved before keeps them empty, which means none.
inline constexpr int kManualFirstElectionCol = choice::kSourceTag;
static_assert(kManualFirstElectionCol + 3 == choice::kIndexFactor);

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
