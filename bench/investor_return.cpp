#include "investor_return.h"

#include <cstdint>
#include <memory>
#include <sstream>
#include <vector>

#include "base/clock.h"
#include "base/daynumber.h"
#include "base/dialogs.h"
#include "calc/choice_table.h"
#include "store/modulerun.h"
#include "store/store_json.h"
#include "store/tags.h"
#include "trade_worksheets.h"

namespace cgt::bench {
namespace {

// A fixed sequence, so that every run measures the same return.
class Sequence {
public:
    std::uint64_t Below(std::uint64_t n) {
        seed_ = seed_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return (seed_ >> 33) % n;
    }

private:
    std::uint64_t seed_ = 20030630;
};

// One sale per parcel, each part of it the whole parcel.
TradeMatching Sales(int parcels, std::vector<Trade>& trades) {
    Sequence next;
    const int firstBuy = DayNumber(1986, 1, 1), buyDays = DayNumber(2002, 6, 30) - firstBuy;
    const int firstSale = DayNumber(2002, 7, 1);
    trades.resize(std::size_t(parcels));
    TradeMatching matching;
    for (int n = 0; n < parcels; ++n) {
        Trade& sale = trades[std::size_t(n)];
        sale.line = n + 2;
        sale.code = "C" + std::to_string(n % 200);
        sale.side = TradeSide::Sell;
        sale.date = firstSale + int(next.Below(365));
        SoldPart part;
        part.buyLine = n + 2;
        part.buyDate = firstBuy + int(next.Below(std::uint64_t(buyDays)));
        part.units = 100 + std::int64_t(next.Below(5000));
        part.costCents = part.units * (200 + std::int64_t(next.Below(2000)));
        part.buyBrokerageCents = 1995;
        part.sellBrokerageCents = 1995;
        // About one sale in four at a loss.
        const std::int64_t percent = 60 + std::int64_t(next.Below(140));
        part.proceedsDollars = part.costCents * percent / 10000;
        sale.units = part.units;
        sale.valueCents = part.proceedsDollars * 100;
        sale.brokerageCents = part.sellBrokerageCents;
        matching.sales.push_back({&sale, SalePeriod::InYear, part.proceedsDollars, {part}});
    }
    return matching;
}

// Trust distribution rows with an other-asset gain under one method or two.
void AddTrustRows(FieldStore& store, int rows) {
    auto table = std::make_shared<TextList>();
    for (int m = 0; m < rows; ++m) {
        TextList row(kTrustRowCells);
        row[0] = "Unit trust " + std::to_string(m + 1);
        row[2] = std::to_string(150 + 7 * m) + ".00";     // discounted
        if (m % 3 == 0) row[1] = std::to_string(40 + m);  // indexed
        if (m % 10 == 0) row[3] = "25.50";                // other
        table->insert(table->end(), row.begin(), row.end());
    }
    store.SetFieldLst(kTagTrustTable, table);
}

}  // namespace

void FillInvestorReturn(FieldStore& store, int parcels, int trustRows) {
    std::vector<Trade> trades;
    const TradeMatching matching = Sales(parcels, trades);
    cli::AddShareWorksheets(store, matching, "SN", cli::TradesImportMark("broker.csv"));
    AddTrustRows(store, trustRows);
    store.SetFieldVal(kTagPriorOtherLosses, 250000);
}

std::string InvestorReturnJson(int parcels, int trustRows) {
    SilentDialogs dialogs;
    FixedClock clock{2003, 7, 1};
    ModuleRun run(dialogs, clock);
    run.store().SetFieldStr(kTagIdentity, kInvestorIdentity);
    FillInvestorReturn(run.store(), parcels, trustRows);
    std::ostringstream json;
    WriteStoreJson(run, json);
    return json.str();
}

}  // namespace cgt::bench
