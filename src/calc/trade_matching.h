#pragma once
// Sales matched against earlier purchases of the same code. Every part of a
// parcel sold carries its share of the purchase value, of both brokerages
// and of the proceeds; shares are split so that the parts of one parcel (or
// of one sale) add up to its whole, to the cent (proceeds: to the dollar,
// the capital proceeds box holding whole dollars).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/trades_csv.h"

namespace cgt {

// Which parcel a sale uses first: the oldest, the newest, or the one whose
// units cost most (brokerage included), which gives the smallest gain.
enum class MatchOrder { Fifo, Lifo, HighestCost };
// "fifo", "lifo", "highest-cost".
std::optional<MatchOrder> MatchOrderOf(std::string_view name);

enum class SalePeriod { BeforeYear, InYear, AfterYear };

struct SoldPart {
    int buyLine = 0;
    int buyDate = 0;
    std::int64_t units = 0;
    std::int64_t costCents = 0;          // of the purchase value
    std::int64_t buyBrokerageCents = 0;  // of the purchase's brokerage
    std::int64_t sellBrokerageCents = 0;
    std::int64_t proceedsDollars = 0;
};

struct MatchedSale {
    const Trade* trade = nullptr;
    SalePeriod period = SalePeriod::InYear;
    std::int64_t proceedsDollars = 0;  // the sale's value to the dollar
    std::vector<SoldPart> parts;       // none for a sale after the income year
};

// Units still held at the end of the income year, with what is left of the
// parcel's value and brokerage.
struct HeldParcel {
    const Trade* trade = nullptr;
    std::int64_t units = 0;
    std::int64_t costCents = 0;
    std::int64_t brokerageCents = 0;
};

struct TradeMatching {
    std::vector<MatchedSale> sales;  // by date; within a day in file order
    std::vector<HeldParcel> held;    // by code, then date of purchase
};

// Trades on one day are taken buys first, so that a sale may use a parcel
// bought the same day. Trades after the income year are left alone. A sale
// of a code the file never buys, a sale of more units than are held and an
// income-year sale of units bought before CGT began (20/09/1985) are faults
// of the sale's line. The result points into `trades`.
TradeMatching MatchTrades(const std::vector<Trade>& trades, MatchOrder order);

}  // namespace cgt
