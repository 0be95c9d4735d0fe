#include "trade_worksheets.h"

#include <filesystem>
#include <utility>

#include "base/daynumber.h"
#include "base/numtext.h"
#include "base/rounding.h"
#include "base/text.h"
#include "calc/asset_codes.h"
#include "calc/cost_elements.h"
#include "flow/code_tables.h"
#include "flow/flow_rules.h"
#include "store/fieldstore.h"
#include "store/worksheet_items.h"

namespace cgt::cli {

namespace {

constexpr std::size_t kCommentWidth = 50;  // the cost element grid's Comments column
// The cost base screen starts every worksheet as not inherited.
constexpr long double kNotInherited = 2;

// The cost element item of a code as the share grid lists it.
std::string CostElement(const char* code) {
    for (const std::string& item : CostElementItems(kWsShares))
        if (CodeOf(item) == code) return item;
    return code;
}

// A row for each cost above nothing, in the order the grid sorts them
// (date incurred, then cost element).
void AddCost(TextList& rows, const char* code, int date, const char* description, std::int64_t cents,
             const std::string& mark) {
    if (cents <= 0) return;
    TextList row(kCostElementCells);
    row[kCostElementCode] = CostElement(code);
    row[kCostElementIncurred] = DateToText(date);
    row[kCostElementDescription] = description;
    row[kCostElementAmount] = CentsText(cents);
    row[kCostElementComments] = mark;
    rows.insert(rows.end(), row.begin(), row.end());
}

void AddWorksheet(FieldStore& store, const Trade& sale, const SoldPart& part, const std::string& assetType,
                  const std::string& mark) {
    store.EmptyWorkingTags();
    // Registration.
    store.SetFieldStr(kTagAssetDescription,
                      sale.code + " " + std::to_string(part.units) + " (bought " + DateToText(part.buyDate) + ")");
    store.SetFieldStr(kTagAssetType, assetType);
    store.SetFieldStr(kTagAcquisitionDate, DateToText(part.buyDate));
    // Cost base screen: nothing carried over; it starts the inherited answer.
    EnsureNumericField(store, kTagInherited);
    store.SetFieldVal(kTagInherited, kNotInherited);
    // Cost elements.
    auto rows = std::make_shared<TextList>();
    AddCost(*rows, "1", part.buyDate, "Purchase price", part.costCents, mark);
    AddCost(*rows, "2A", part.buyDate, "Brokerage on purchase", part.buyBrokerageCents, mark);
    AddCost(*rows, "2B", sale.date, "Brokerage on sale", part.sellBrokerageCents, mark);
    store.SetFieldLst(kTagCostElements, rows);
    // The receipts screen, passed without a receipt, still names its event and type.
    store.SetFieldStr(kTagReceiptEventCode, CodeOf(kCapitalPaymentForShares));
    store.SetFieldStr(kTagReceiptAssetType, CodeOf(ReceiptTypeItems().back()));
    // The event: a disposal, with proceeds of nothing typed as a zero.
    store.SetFieldStr(kTagEventCode, CodeOf(EventItems(kWsShares).front()));
    store.SetFieldStr(kTagEventDate, DateToText(sale.date));
    store.SetFieldVal(kTagCapitalProceeds,
                      part.proceedsDollars > 0 ? static_cast<long double>(part.proceedsDollars) : kExplicitZero);
    // Roll-over: No.
    store.SetFieldUnchecked(kTagRollOverYes);
    store.SetFieldChecked(kTagRollOverNo);
    store.StoreInstance(kWsShares, store.WorksheetCount(kWsShares) + 1);
}

}  // namespace

std::string CentsText(std::int64_t cents) {
    return Trim(FloatToStrWD(static_cast<long double>(cents) / 100, 0, 2));
}

std::string TradesImportMark(const std::string& tradesFile) {
    std::string mark = "cgt trades: " + std::filesystem::path(tradesFile).filename().string();
    if (mark.size() > kCommentWidth) mark.resize(kCommentWidth);
    return mark;
}

std::vector<int> ImportedShareWorksheets(const FieldStore& store, const std::string& mark) {
    std::vector<int> instances;
    const WorksheetListPtr list = store.WorksheetList(kWsShares);
    if (!list) return instances;
    for (const WorksheetItem& item : std::as_const(*list)) {
        if (item.tag != kTagCostElements || item.slot.type != dtList || !item.slot.list) continue;
        if (!instances.empty() && instances.back() == item.instance) continue;
        const TextList& cells = *item.slot.list;
        for (std::size_t c = kCostElementComments; c < cells.size(); c += kCostElementCells)
            if (cells[c] == mark) {
                instances.push_back(item.instance);
                break;
            }
    }
    return instances;
}

void RemoveShareWorksheets(FieldStore& store, const std::vector<int>& instances) {
    for (auto n = instances.rbegin(); n != instances.rend(); ++n) store.DeleteInstance(kWsShares, *n);
}

int ShareWorksheetsOf(const TradeMatching& matching) {
    int count = 0;
    for (const MatchedSale& sale : matching.sales)
        if (sale.period == SalePeriod::InYear) count += int(sale.parts.size());
    return count;
}

void AddShareWorksheets(FieldStore& store, const TradeMatching& matching, const std::string& assetType,
                        const std::string& mark) {
    for (const MatchedSale& sale : matching.sales)
        if (sale.period == SalePeriod::InYear)
            for (const SoldPart& part : sale.parts) AddWorksheet(store, *sale.trade, part, assetType, mark);
}

}  // namespace cgt::cli
