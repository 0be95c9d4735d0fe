#include "calc/entry_tables.h"

#include "base/numtext.h"
#include "base/text.h"
#include "calc/asset_codes.h"

namespace cgt {

// A manual row is laid out as a row of the choice table.
using namespace choice;

namespace {

// A cell holds a number when its text converts to one (0 included).
std::optional<long double> NumberIn(const GridModel& grid, int col, int row) {
    return TryStrToFloat(Trim(grid.Cell(col, row)));
}
bool Filled(const GridModel& grid, int col, int row) {
    return !Trim(grid.Cell(col, row)).empty();
}
bool AnyFilled(const GridModel& grid, int row, int fromCol, int toCol) {
    for (int c = fromCol; c <= toCol && c < grid.ColCount(); ++c)
        if (Filled(grid, c, row)) return true;
    return false;
}

std::string AssetTypeOf(const GridModel& grid, int row) {
    return Trim(grid.Cell(kAssetType, row));
}

constexpr const char* kYes = "Yes";
constexpr const char* kNo = "No";
constexpr const char* kPersonalUse = "P";

}  // namespace

// --- the trust distribution table -----------------------------------------------

namespace {

// The net gain of a trust row whose cell `c` is cell(c).
template <typename Cell>
std::string NetGainOfRow(const Cell& cell) {
    long double sum = 0;
    for (int c = kTrustFirstGainCol; c <= kTrustLastGainCol; ++c) sum += TryStrToFloat(Trim(cell(c))).value_or(0);
    if (!Trim(cell(kTrustNameCol)).empty() || sum > 0) return FormatGeneral(sum);
    return {};
}

}  // namespace

std::string TrustNetGainText(const GridModel& grid, int row) {
    return NetGainOfRow([&](int c) { return grid.Cell(c, row); });
}

void RecomputeTrustNetGains(TextList& cells) {
    const std::size_t width = kTrustRowCells;
    for (std::size_t row = 0; (row + 1) * width <= cells.size(); ++row) {
        const std::size_t first = row * width;
        cells[first + kTrustNetGainCol] = NetGainOfRow([&](int c) { return cells[first + std::size_t(c)]; });
    }
}

void RecomputeTrustNetGains(GridModel& grid) {
    for (int r = 1; r < grid.RowCount(); ++r) grid.SetCell(kTrustNetGainCol, r, TrustNetGainText(grid, r));
}

std::optional<TableFault> TrustTableFault(const GridModel& grid) {
    for (int r = 1; r < grid.RowCount(); ++r)
        if (!Filled(grid, kTrustNameCol, r) && AnyFilled(grid, r, kTrustFirstGainCol, kTrustRowCells - 1))
            return TableFault{kMsgRowWithoutDescription, kTrustNameCol, r};
    return std::nullopt;
}

// --- the manual calculation table ---------------------------------------------------

std::string ManualSectionName(std::string_view assetType) {
    const std::string code = Trim(assetType);
    if (code.empty()) return {};
    const AssetTypeClass* c = AssetTypeClassOf(code);
    return c ? c->manualSection : "Not Allocated";
}

void ManualCellClicked(GridModel& grid, int col, int row) {
    if (col < kAssetType || !Filled(grid, kDescription, row)) return;
    grid.SetCell(kSection, row, ManualSectionName(AssetTypeOf(grid, row)));
    const bool canDefer = Trim(grid.Cell(kCanDefer, row)) == kYes;
    if (canDefer && !Filled(grid, kDeferAuto, row)) grid.SetCell(kDeferAuto, row, kNo);
    if (!canDefer && !grid.Cell(kDeferAuto, row).empty()) grid.SetCell(kDeferAuto, row, std::string());
}

ManualCellLeft LeaveManualCell(GridModel& grid, int col, int row) {
    ManualCellLeft left;
    const long double indexed = NumberIn(grid, kIndexedGain, row).value_or(0);
    const long double discount = NumberIn(grid, kDiscountGain, row).value_or(0);
    const long double loss = NumberIn(grid, kLoss, row).value_or(0);
    if (col > kIndexedGain && (indexed != 0 || discount != 0) && indexed > discount) {
        left.messages.push_back(kMsgManualCellIndexedAboveDiscount);
        grid.SetCell(kIndexedGain, row, std::string());
        grid.SetCell(kDiscountGain, row, std::string());
        left.moveToCol = kIndexedGain;
    }
    if (col >= kOtherGain && AssetTypeOf(grid, row) == kPersonalUse && loss > 0) {
        left.messages.push_back(kMsgManualCellLossOnPersonalUse);
        grid.SetCell(kLoss, row, std::string());
    }
    if (col == kDeferAuto && Filled(grid, kDeferAuto, row) && Trim(grid.Cell(kCanDefer, row)) != kYes) {
        left.messages.push_back(kMsgManualCellDeferAutoAlone);
        grid.SetCell(kDeferAuto, row, std::string());
    }
    return left;
}

namespace {

// The first rule a described manual row breaks.
const char* DescribedRowFault(const GridModel& grid, int row) {
    const auto indexed = NumberIn(grid, kIndexedGain, row);
    const auto discount = NumberIn(grid, kDiscountGain, row);
    const auto other = NumberIn(grid, kOtherGain, row);
    const auto loss = NumberIn(grid, kLoss, row);
    if (AssetTypeOf(grid, row).empty()) return kMsgManualNoAssetType;
    if (indexed && discount && *indexed > *discount) return kMsgManualIndexedAboveDiscount;
    if ((indexed || discount) && other) return kMsgManualOtherWithMethodGain;
    if ((indexed || discount || other) && loss) return kMsgManualLossWithGain;
    if (AssetTypeOf(grid, row) == kPersonalUse && loss && *loss > 0) return kMsgManualLossOnPersonalUse;
    return nullptr;
}

}  // namespace

std::optional<TableFault> ManualTableFault(GridModel& grid) {
    for (int r = 1; r < grid.RowCount(); ++r) {
        const char* fault = Filled(grid, kDescription, r)                         ? DescribedRowFault(grid, r)
                            : AnyFilled(grid, r, kAssetType, grid.ColCount() - 1) ? kMsgRowWithoutDescription
                                                                                  : nullptr;
        if (fault) return TableFault{fault, kDescription, r};
        grid.SetCell(kSection, r, std::string());
    }
    return std::nullopt;
}

}  // namespace cgt
