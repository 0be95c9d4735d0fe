#include "calc/trade_matching.h"

#include <algorithm>
#include <map>
#include <set>

#include "base/daynumber.h"
#include "base/income_year.h"
#include "base/rounding.h"

namespace cgt {

namespace {

// The share of `total` that belongs to units `before` .. `before + taken`
// of `all`: the difference of two rounded running shares, so that the
// shares of every unit add up to the total.
std::int64_t ShareOf(std::int64_t total, std::int64_t before, std::int64_t taken, std::int64_t all) {
    auto running = [&](std::int64_t units) {
        if (units == all) return total;
        const __int128 product = static_cast<__int128>(total) * units;
        return Round(static_cast<long double>(product) / static_cast<long double>(all));
    };
    return running(before + taken) - running(before);
}

struct Parcel {
    const Trade* trade;
    std::int64_t used = 0;

    std::int64_t Left() const { return trade->units - used; }
};

// Parcels of one code with units left, in the order the sales use them.
class OpenParcels {
public:
    OpenParcels(MatchOrder order, const std::vector<Parcel>& parcels) : order_(order), parcels_(&parcels) {}

    bool empty() const { return head_ == items_.size(); }
    void Add(int parcel) {
        items_.push_back(parcel);
        if (order_ == MatchOrder::HighestCost) std::push_heap(items_.begin(), items_.end(), Cheaper{parcels_});
    }
    int Next() const {
        switch (order_) {
            case MatchOrder::Fifo: return items_[head_];
            case MatchOrder::Lifo: return items_.back();
            case MatchOrder::HighestCost: return items_.front();
        }
        return items_.front();
    }
    void DropNext() {
        switch (order_) {
            case MatchOrder::Fifo: ++head_; break;
            case MatchOrder::Lifo: items_.pop_back(); break;
            case MatchOrder::HighestCost:
                std::pop_heap(items_.begin(), items_.end(), Cheaper{parcels_});
                items_.pop_back();
                break;
        }
    }

private:
    // Heap order: a parcel whose units cost less, or as much but bought
    // later, comes after.
    struct Cheaper {
        const std::vector<Parcel>* parcels;
        bool operator()(int a, int b) const {
            const Trade& x = *(*parcels)[std::size_t(a)].trade;
            const Trade& y = *(*parcels)[std::size_t(b)].trade;
            const __int128 costX = static_cast<__int128>(x.valueCents + x.brokerageCents) * y.units;
            const __int128 costY = static_cast<__int128>(y.valueCents + y.brokerageCents) * x.units;
            return costX != costY ? costX < costY : a > b;
        }
    };

    MatchOrder order_;
    const std::vector<Parcel>* parcels_;
    std::vector<int> items_;
    std::size_t head_ = 0;
};

SalePeriod PeriodOf(int date) {
    if (date < kIncomeYearStart) return SalePeriod::BeforeYear;
    return date > kIncomeYearEnd ? SalePeriod::AfterYear : SalePeriod::InYear;
}

void CheckCodesBought(const std::vector<Trade>& trades) {
    std::set<std::string> bought;
    for (const Trade& t : trades)
        if (t.side == TradeSide::Buy) bought.insert(t.code);
    for (const Trade& t : trades)
        if (t.side == TradeSide::Sell && !bought.count(t.code))
            throw TradesError(t.line, "sells " + t.code + ", which the file never buys");
}

class Matcher {
public:
    explicit Matcher(MatchOrder order) : order_(order) {}

    void Buy(const Trade& t) {
        parcels_.push_back({&t});
        OpenOf(t.code).Add(int(parcels_.size() - 1));
        held_[t.code] += t.units;
    }

    MatchedSale Sell(const Trade& t) {
        MatchedSale sale{&t, PeriodOf(t.date), Round(static_cast<long double>(t.valueCents) / 100), {}};
        std::int64_t& held = held_[t.code];
        if (held < t.units)
            throw TradesError(t.line, "sells " + std::to_string(t.units) + " " + t.code + " on " + DateToText(t.date) +
                                          " but only " + std::to_string(held) + " are held");
        held -= t.units;
        OpenParcels& open = OpenOf(t.code);
        for (std::int64_t sold = 0; sold < t.units;) {
            Parcel& p = parcels_[std::size_t(open.Next())];
            const Trade& bought = *p.trade;
            if (sale.period == SalePeriod::InYear && bought.date < kCgtStart)
                throw TradesError(t.line, "sells units bought on " + DateToText(bought.date) + " (line " +
                                              std::to_string(bought.line) +
                                              "), before CGT began on 20/09/1985; they need no worksheet");
            const std::int64_t taken = std::min(t.units - sold, p.Left());
            sale.parts.push_back(
                {bought.line, bought.date, taken, ShareOf(bought.valueCents, p.used, taken, bought.units),
                 ShareOf(bought.brokerageCents, p.used, taken, bought.units),
                 ShareOf(t.brokerageCents, sold, taken, t.units), ShareOf(sale.proceedsDollars, sold, taken, t.units)});
            p.used += taken;
            sold += taken;
            if (p.Left() == 0) open.DropNext();
        }
        return sale;
    }

    std::vector<HeldParcel> Held() const {
        std::vector<HeldParcel> held;
        for (const Parcel& p : parcels_) {
            if (p.Left() == 0) continue;
            const Trade& t = *p.trade;
            held.push_back({&t, p.Left(), ShareOf(t.valueCents, p.used, p.Left(), t.units),
                            ShareOf(t.brokerageCents, p.used, p.Left(), t.units)});
        }
        std::stable_sort(held.begin(), held.end(),
                         [](const HeldParcel& a, const HeldParcel& b) { return a.trade->code < b.trade->code; });
        return held;
    }

private:
    OpenParcels& OpenOf(const std::string& code) { return open_.try_emplace(code, order_, parcels_).first->second; }

    MatchOrder order_;
    std::vector<Parcel> parcels_;
    std::map<std::string, OpenParcels> open_;
    std::map<std::string, std::int64_t> held_;
};

}  // namespace

std::optional<MatchOrder> MatchOrderOf(std::string_view name) {
    if (name == "fifo") return MatchOrder::Fifo;
    if (name == "lifo") return MatchOrder::Lifo;
    if (name == "highest-cost") return MatchOrder::HighestCost;
    return std::nullopt;
}

TradeMatching MatchTrades(const std::vector<Trade>& trades, MatchOrder order) {
    CheckCodesBought(trades);
    std::vector<const Trade*> sequence;
    sequence.reserve(trades.size());
    for (const Trade& t : trades) sequence.push_back(&t);
    std::stable_sort(sequence.begin(), sequence.end(), [](const Trade* a, const Trade* b) {
        if (a->date != b->date) return a->date < b->date;
        return a->side == TradeSide::Buy && b->side == TradeSide::Sell;
    });

    TradeMatching result;
    Matcher matcher(order);
    for (const Trade* t : sequence) {
        if (PeriodOf(t->date) == SalePeriod::AfterYear) {
            if (t->side == TradeSide::Sell) result.sales.push_back({t, SalePeriod::AfterYear, 0, {}});
            continue;
        }
        if (t->side == TradeSide::Buy)
            matcher.Buy(*t);
        else
            result.sales.push_back(matcher.Sell(*t));
    }
    result.held = matcher.Held();
    return result;
}

}  // namespace cgt
