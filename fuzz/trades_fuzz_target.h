#pragma once
// What the trades fuzz target does with one input: read it as a broker's
// trades file and match it in every order. Shared by the libFuzzer program
// and by the calc tests, which replay every kept input. Returns nullptr
// when the input was handled as it must be, otherwise what went wrong.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string_view>

#include "base/income_year.h"
#include "calc/trade_matching.h"

namespace cgt::fuzz {

namespace detail {

struct Totals {
    std::int64_t units = 0, cost = 0, brokerage = 0;
};

// Every part of a sale and of a parcel adds up to the whole.
inline const char* CheckMatching(const std::vector<Trade>& trades, const TradeMatching& m) {
    std::map<int, Totals> parcels;  // by the purchase's line
    for (const MatchedSale& sale : m.sales) {
        if (sale.period == SalePeriod::AfterYear) {
            if (!sale.parts.empty()) return "a sale after the income year used parcels";
            continue;
        }
        Totals sold;
        std::int64_t proceeds = 0;
        for (const SoldPart& p : sale.parts) {
            if (p.units <= 0) return "a part of no units";
            sold.units += p.units;
            sold.brokerage += p.sellBrokerageCents;
            proceeds += p.proceedsDollars;
            Totals& parcel = parcels[p.buyLine];
            parcel.units += p.units;
            parcel.cost += p.costCents;
            parcel.brokerage += p.buyBrokerageCents;
        }
        if (sold.units != sale.trade->units) return "a sale's parts are not its units";
        if (sold.brokerage != sale.trade->brokerageCents) return "a sale's brokerage shares do not add up";
        if (proceeds != sale.proceedsDollars) return "a sale's proceeds shares do not add up";
    }
    for (const HeldParcel& h : m.held) {
        Totals& parcel = parcels[h.trade->line];
        parcel.units += h.units;
        parcel.cost += h.costCents;
        parcel.brokerage += h.brokerageCents;
    }
    for (const Trade& t : trades) {
        if (t.side != TradeSide::Buy || t.date > kIncomeYearEnd) continue;
        const Totals& parcel = parcels[t.line];
        if (parcel.units != t.units || parcel.cost != t.valueCents || parcel.brokerage != t.brokerageCents)
            return "a parcel's parts and what is held do not add up to it";
    }
    return nullptr;
}

}  // namespace detail

inline const char* TradesCsv(const std::uint8_t* data, std::size_t size) {
    std::vector<Trade> trades;
    try {
        trades = ReadTradesCsv(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const TradesError& e) {
        return e.line() >= 1 ? nullptr : "a fault without a line";
    }
    for (const Trade& t : trades) {
        if (t.line < 2) return "a trade on the header's line";
        if (t.units < 1 || t.units > kMaxTradeUnits) return "units out of range";
        if (t.valueCents < 0 || t.valueCents > kMaxTradeCents) return "value out of range";
        if (t.brokerageCents < 0 || t.brokerageCents > kMaxTradeCents) return "brokerage out of range";
        if (t.code.empty() || t.code.size() > kMaxTradeCodeLength) return "code out of range";
    }
    for (const MatchOrder order : {MatchOrder::Fifo, MatchOrder::Lifo, MatchOrder::HighestCost}) {
        try {
            if (const char* fault = detail::CheckMatching(trades, MatchTrades(trades, order))) return fault;
        } catch (const TradesError& e) {
            if (e.line() < 2) return "a matching fault without a trade's line";
        }
    }
    return nullptr;
}

}  // namespace cgt::fuzz
