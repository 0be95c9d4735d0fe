#include "calc/trade_matching.h"

#include <gtest/gtest.h>

namespace cgt {
namespace {

// (line of the purchase, units): the parcels a sale used, or those held.
using Uses = std::vector<std::pair<int, std::int64_t>>;

Uses PartsOf(const MatchedSale& sale) {
    Uses uses;
    for (const SoldPart& p : sale.parts) uses.emplace_back(p.buyLine, p.units);
    return uses;
}

Uses HeldOf(const TradeMatching& m) {
    Uses uses;
    for (const HeldParcel& h : m.held) uses.emplace_back(h.trade->line, h.units);
    return uses;
}

struct OrderCase {
    const char* name;
    const char* csv;
    MatchOrder order;
    Uses used;  // by the last sale of the file
    Uses held;
};

class MatchOrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(MatchOrderTest, UsesTheParcelsInItsOrder) {
    const OrderCase& c = GetParam();
    const std::vector<Trade> trades = ReadTradesCsv(c.csv);
    const TradeMatching m = MatchTrades(trades, c.order);
    ASSERT_FALSE(m.sales.empty());
    EXPECT_EQ(PartsOf(m.sales.back()), c.used);
    EXPECT_EQ(HeldOf(m), c.held);
}

// Three parcels of 100 at 10, 12 and 11 dollars a unit; 150 sold.
constexpr const char* kThreeParcels =
    "Date,Code,Type,Units,Price\n"
    "01/07/2000,BHP,Buy,100,10\n"
    "01/07/2001,BHP,Buy,100,12\n"
    "01/07/2002,BHP,Buy,100,11\n"
    "01/12/2002,BHP,Sell,150,13\n";
// Line 2 costs 10 + 2.50 brokerage a unit, line 3 12: line 2 costs more.
constexpr const char* kBrokerageCounts =
    "Date,Code,Type,Units,Price,Brokerage\n"
    "01/07/2000,BHP,Buy,100,10,250\n"
    "01/07/2001,BHP,Buy,100,12,0\n"
    "01/12/2002,BHP,Sell,50,13,0\n";
// 1000 at 10 and 100 at 100 cost the same a unit; the older goes first.
constexpr const char* kSameUnitCost =
    "Date,Code,Type,Units,Consideration\n"
    "01/07/2000,BHP,Buy,1000,10000\n"
    "01/07/2001,BHP,Buy,100,1000\n"
    "01/12/2002,BHP,Sell,50,600\n";
// On one day the buys come first, wherever the file lists them; two buys
// of one day keep the file's order.
constexpr const char* kSameDay =
    "Date,Code,Type,Units,Price\n"
    "01/12/2002,BHP,Sell,150,13\n"
    "01/12/2002,BHP,Buy,100,10\n"
    "01/12/2002,BHP,Buy,100,11\n";

INSTANTIATE_TEST_SUITE_P(
    Table, MatchOrderTest,
    ::testing::Values(
        OrderCase{"Fifo", kThreeParcels, MatchOrder::Fifo, {{2, 100}, {3, 50}}, {{3, 50}, {4, 100}}},
        OrderCase{"Lifo", kThreeParcels, MatchOrder::Lifo, {{4, 100}, {3, 50}}, {{2, 100}, {3, 50}}},
        OrderCase{"HighestCost", kThreeParcels, MatchOrder::HighestCost, {{3, 100}, {4, 50}}, {{2, 100}, {4, 50}}},
        OrderCase{
            "HighestCostWithBrokerage", kBrokerageCounts, MatchOrder::HighestCost, {{2, 50}}, {{2, 50}, {3, 100}}},
        OrderCase{"HighestCostTie", kSameUnitCost, MatchOrder::HighestCost, {{2, 50}}, {{2, 950}, {3, 100}}},
        OrderCase{"SameDayFifo", kSameDay, MatchOrder::Fifo, {{3, 100}, {4, 50}}, {{4, 50}}},
        OrderCase{"SameDayLifo", kSameDay, MatchOrder::Lifo, {{4, 100}, {3, 50}}, {{3, 50}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MatchTradesTest, SharesOfAParcelAndOfASaleAddUpToTheWhole) {
    // A parcel of 3 units for $1.00 with 10 cents brokerage, sold one unit
    // at a time for $1 (5 cents brokerage), then 3 parcels of 1 sold at once
    // for $10.
    const std::vector<Trade> trades = ReadTradesCsv(
        "Date,Code,Type,Units,Consideration,Brokerage\n"
        "01/07/2002,A,Buy,3,1.00,0.10\n"
        "02/07/2002,A,Sell,1,1,0.05\n"
        "03/07/2002,A,Sell,1,1,0.05\n"
        "04/07/2002,A,Sell,1,1,0.05\n"
        "05/07/2002,B,Buy,1,1,0\n"
        "06/07/2002,B,Buy,1,1,0\n"
        "07/07/2002,B,Buy,1,1,0\n"
        "08/07/2002,B,Sell,3,10,0.10\n");
    const TradeMatching m = MatchTrades(trades, MatchOrder::Fifo);
    ASSERT_EQ(m.sales.size(), 4u);
    // Running shares of 100 cents: 33, 67 and 100 give 33, 34 and 33; of
    // 10 cents: 3, 7 and 10 give 3, 4 and 3.
    const std::int64_t cost[] = {33, 34, 33}, brokerage[] = {3, 4, 3};
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(m.sales[std::size_t(i)].parts.size(), 1u);
        const SoldPart& p = m.sales[std::size_t(i)].parts[0];
        EXPECT_EQ(p.costCents, cost[i]) << i;
        EXPECT_EQ(p.buyBrokerageCents, brokerage[i]) << i;
        EXPECT_EQ(p.sellBrokerageCents, 5) << i;
        EXPECT_EQ(p.proceedsDollars, 1) << i;
    }
    // $10 over three parts: 3, 7 - 3 and 10 - 7 dollars; 10 cents: 3, 4, 3.
    const MatchedSale& b = m.sales[3];
    ASSERT_EQ(b.parts.size(), 3u);
    EXPECT_EQ(b.proceedsDollars, 10);
    const std::int64_t thirds[] = {3, 4, 3};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(b.parts[std::size_t(i)].proceedsDollars, thirds[i]) << i;
        EXPECT_EQ(b.parts[std::size_t(i)].sellBrokerageCents, thirds[i]) << i;
        EXPECT_EQ(b.parts[std::size_t(i)].costCents, 100) << i;
    }
    EXPECT_TRUE(m.held.empty());
}

TEST(MatchTradesTest, PeriodsOfTheSales) {
    // 1000 bought: 400 sold before the income year, 500 in it, and 2000
    // after it (more than held: left alone, as is the buy after it).
    const std::vector<Trade> trades = ReadTradesCsv(
        "Date,Code,Type,Units,Price,Brokerage\n"
        "01/07/1998,BHP,Buy,1000,10,30\n"
        "30/06/2002,BHP,Sell,400,11,0\n"
        "01/07/2002,BHP,Sell,250,12,0\n"
        "30/06/2003,BHP,Sell,250,12,0\n"
        "01/07/2003,BHP,Sell,2000,12,0\n"
        "02/07/2003,BHP,Buy,5000,12,0\n");
    const TradeMatching m = MatchTrades(trades, MatchOrder::Fifo);
    ASSERT_EQ(m.sales.size(), 4u);
    EXPECT_EQ(m.sales[0].period, SalePeriod::BeforeYear);
    EXPECT_EQ(m.sales[1].period, SalePeriod::InYear);
    EXPECT_EQ(m.sales[2].period, SalePeriod::InYear);
    EXPECT_EQ(m.sales[3].period, SalePeriod::AfterYear);
    EXPECT_TRUE(m.sales[3].parts.empty());
    // 100 left of 10000.00 and 30.00: 10000 - 9000 and 30 - 27.
    ASSERT_EQ(m.held.size(), 1u);
    EXPECT_EQ(m.held[0].units, 100);
    EXPECT_EQ(m.held[0].costCents, 100000);
    EXPECT_EQ(m.held[0].brokerageCents, 300);
}

struct FaultCase {
    const char* name;
    const char* csv;
    const char* message;
};

class MatchFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(MatchFaultTest, NamesTheSale) {
    const FaultCase& c = GetParam();
    const std::vector<Trade> trades = ReadTradesCsv(c.csv);
    try {
        MatchTrades(trades, MatchOrder::Fifo);
        FAIL() << c.csv;
    } catch (const TradesError& e) {
        EXPECT_EQ(std::string(e.what()), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, MatchFaultTest,
    ::testing::Values(
        FaultCase{"MoreThanHeld", "Date,Code,Type,Units,Price\n01/07/2001,BHP,Buy,100,1\n15/11/2002,BHP,Sell,150,1\n",
                  "line 3: sells 150 BHP on 15/11/2002 but only 100 are held"},
        // 60 went before the income year.
        FaultCase{"EarlierSalesCount",
                  "Date,Code,Type,Units,Price\n01/07/2001,BHP,Buy,100,1\n15/11/2002,BHP,Sell,60,1\n"
                  "15/11/2001,BHP,Sell,60,1\n",
                  "line 3: sells 60 BHP on 15/11/2002 but only 40 are held"},
        FaultCase{"OtherCodeHeld",
                  "Date,Code,Type,Units,Price\n01/07/2001,BHP,Buy,100,1\n01/07/2001,NAB,Buy,100,1\n"
                  "15/11/2002,NAB,Sell,150,1\n",
                  "line 4: sells 150 NAB on 15/11/2002 but only 100 are held"},
        FaultCase{"NeverBought", "Date,Code,Type,Units,Price\n01/07/2001,BHP,Buy,100,1\n01/08/2003,NAB,Sell,1,1\n",
                  "line 3: sells NAB, which the file never buys"},
        FaultCase{"BoughtBeforeCgt", "Date,Code,Type,Units,Price\n19/09/1985,BHP,Buy,100,1\n15/11/2002,BHP,Sell,50,1\n",
                  "line 3: sells units bought on 19/09/1985 (line 2), before CGT began on 20/09/1985; they need no "
                  "worksheet"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MatchTradesTest, PreCgtUnitsMaySellBeforeTheIncomeYear) {
    const std::vector<Trade> trades = ReadTradesCsv(
        "Date,Code,Type,Units,Price\n19/09/1985,BHP,Buy,100,1\n15/11/2001,BHP,Sell,100,1\n"
        "20/09/1985,BHP,Buy,10,1\n15/11/2002,BHP,Sell,10,1\n");
    const TradeMatching m = MatchTrades(trades, MatchOrder::Fifo);
    ASSERT_EQ(m.sales.size(), 2u);
    EXPECT_EQ(PartsOf(m.sales[1]), (Uses{{4, 10}}));
}

TEST(MatchOrderOfTest, KnowsTheThreeNames) {
    EXPECT_EQ(MatchOrderOf("fifo"), MatchOrder::Fifo);
    EXPECT_EQ(MatchOrderOf("lifo"), MatchOrder::Lifo);
    EXPECT_EQ(MatchOrderOf("highest-cost"), MatchOrder::HighestCost);
    EXPECT_EQ(MatchOrderOf("FIFO"), std::nullopt);
}

}  // namespace
}  // namespace cgt
