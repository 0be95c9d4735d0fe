#pragma once
// The rules of the two short-form entry tables, on their grids: the trust
// distribution table (kTagTrustTable: one row per trust, the gain components
// of its distribution statement) and the manual calculation table
// (kTagManualTable: one row per gain or loss worked out by hand). The choice
// table reads both lists by position, so their layouts are the ones it knows
// (choice_table.h): a trust row of kTrustRowCells cells, and a manual row laid
// out as a choice row.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/choice_table.h"
#include "grid/grid_model.h"
#include "store/datatype.h"

namespace cgt {

// A row that breaks a rule: the message and the cell the cursor is put on.
struct TableFault {
    std::string message;
    int col;
    int row;
    bool operator==(const TableFault&) const = default;
};

inline constexpr const char* kMsgRowWithoutDescription = "Each row of data must have an asset description present.";

// --- the trust distribution table ----------------------------------------

// The net gain cell of a trust row: the sum of the numbers among the gain
// cells, shown when the row names its trust or the sum is above 0.
std::string TrustNetGainText(const GridModel& grid, int row);
// Writes the net gain cell of every row: of the grid, or of the table as
// the store holds it (kTrustRowCells cells a row).
void RecomputeTrustNetGains(GridModel& grid);
void RecomputeTrustNetGains(TextList& cells);
// The first row with something in it but no trust name.
std::optional<TableFault> TrustTableFault(const GridModel& grid);

// --- the manual calculation table -------------------------------------------

inline constexpr const char* kMsgManualNoAssetType = "You must select the asset type for each CGT Asset/Event.";
inline constexpr const char* kMsgManualIndexedAboveDiscount =
    "Discount amount must be greater than or equal to indexed amount. Please correct.";
inline constexpr const char* kMsgManualOtherWithMethodGain =
    "Check gains entered. Other gain cannot be present if a Discount or Indexed gain has been entered.";
inline constexpr const char* kMsgManualLossWithGain =
    "Check loss entered. Loss cannot be present if a Discount, Indexed or Other gain has been entered.";
inline constexpr const char* kMsgManualLossOnPersonalUse =
    "A loss cannot be recorded against an asset of type \"P\". Please correct.";
// The error boxes of a cell being left.
inline constexpr const char* kMsgManualCellIndexedAboveDiscount =
    "Discount Amount must be greater than or equal to Indexed Amount.";
inline constexpr const char* kMsgManualCellLossOnPersonalUse = "You cannot have a loss if asset type is \"P\".";
inline constexpr const char* kMsgManualCellDeferAutoAlone =
    "\"Defer auto?\" must be blank unless \"Can gain be defered\" is \"Yes\"";

// The section a manual row is grouped under, by its asset type code
// ("Shares" for SA and SN ...); empty for no code.
std::string ManualSectionName(std::string_view assetType);

// A cell of a described row was clicked: its section, and "Defer auto?"
// made to follow "Can gain be deferred?".
void ManualCellClicked(GridModel& grid, int col, int row);

// What leaving a cell of the manual table did: the error boxes shown (the
// cells they name are already emptied) and where the cursor goes.
struct ManualCellLeft {
    std::vector<std::string> messages;
    // The cursor moves to this column of the row instead of on.
    std::optional<int> moveToCol;
    bool Stays() const { return !messages.empty(); }
};
ManualCellLeft LeaveManualCell(GridModel& grid, int col, int row);

// The first row that breaks a rule; the rows examined before it (all rows
// when none does) have their section emptied.
std::optional<TableFault> ManualTableFault(GridModel& grid);

}  // namespace cgt
