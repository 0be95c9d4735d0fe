#pragma once
// The cost base history of shares and trust interests: the asset's costs and
// non-assessable receipts replayed in date order. At each receipt the cost
// bases built up to its date are totalled (the indexed one indexed to the
// receipt's quarter), the receipt is taken off, any excess becomes a gain of
// the current or an earlier income year, and the adjusted cost bases carry
// forward. Results go to kTagFirstHistoryResult .. kTagLastHistoryResult,
// kTagReceiptGainThisYear and the history grid kTagHistoryGrid.
#include <optional>
#include <string>
#include <vector>

namespace cgt {

class FieldStore;

// The two twins differ in the receipts list and a few labels and dates.
enum class HistoryTwin {
    Shares,          // returns of capital, screen 2015
    TrustInterests,  // non-assessable trust distributions, screen 2028
};

struct CostBaseHistoryResult {
    std::vector<int> disabledBoxes;
    int activeChoice = -1;
    int typeChoice = -1;
    // Receipts replayed (passes that wrote the summary).
    int receiptsProcessed = 0;
    bool indexationAvailable = true;
    bool discountAvailable = true;

    bool IsDisabled(int tag) const;
};

// Runs on the working tags of the asset being edited.
CostBaseHistoryResult CalculateCostBaseHistory(FieldStore& store, HistoryTwin twin);
CostBaseHistoryResult CalculateCostBaseHistoryInstance(FieldStore& store, HistoryTwin twin, int worksheetType,
                                                       int instance);

// True when the receipts list (kTagReceipts) has a row: the history screen is
// shown.
bool HasReceipts(FieldStore& store);
// Clears what a replay leaves (its summary boxes, kTagReceiptGainThisYear,
// the history grid), so that an asset whose receipts were all removed does
// not keep their adjustments.
void ClearCostBaseHistory(FieldStore& store);

inline constexpr const char* kMsgHistoryDateTooEarly =
    "Check your date. You cannot enter a date earlier than 20/09/1985. \r\nAssets acquired before 20 September "
    "1985 are generally not subject to CGT although there\r\nis an exception for some shares and trust "
    "interests.  If your asset falls within this exception,\r\nyou should manually calculate your capital gain or "
    "capital loss";

// The check made when the shares history screen is left: the first data row
// (1-based) of the history grid with a date earlier than 20/09/1985 in
// columns 0-3, or nothing.
std::optional<int> FirstHistoryRowBeforeCgt(FieldStore& store);

}  // namespace cgt
