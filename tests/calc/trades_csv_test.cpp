#include "calc/trades_csv.h"

#include <gtest/gtest.h>

#include "base/daynumber.h"

namespace cgt {
namespace {

struct ReadCase {
    const char* name;
    const char* csv;
    int day, month, year;
    const char* code;
    TradeSide side;
    std::int64_t units, valueCents, brokerageCents;
};

class ReadTradesTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadTradesTest, ReadsTheOneTrade) {
    const ReadCase& c = GetParam();
    const std::vector<Trade> trades = ReadTradesCsv(c.csv);
    ASSERT_EQ(trades.size(), 1u) << c.csv;
    const Trade& t = trades[0];
    EXPECT_EQ(t.line, 2);
    EXPECT_EQ(DateToText(t.date), DateToText(DayNumber(c.year, c.month, c.day)));
    EXPECT_EQ(t.code, c.code);
    EXPECT_EQ(t.side, c.side);
    EXPECT_EQ(t.units, c.units);
    EXPECT_EQ(t.valueCents, c.valueCents);
    EXPECT_EQ(t.brokerageCents, c.brokerageCents);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadTradesTest,
    ::testing::Values(
        // 1500 x 9.5 = 14250.00
        ReadCase{"OtherNamesAnyCase",
                 "Trade Date,SYMBOL,Action,Units,Unit Price,Commission\n2002-11-15,bhp,SELL,\"1,500\",$9.5,$29.95\n",
                 15, 11, 2002, "BHP", TradeSide::Sell, 1500, 1425000, 2995},
        // 100 x 25.125 = 2512.50
        ReadCase{"ThirdNames", "date,security,buy/sell,quantity,price,fees\n1/7/2002,NAB,b,100,25.125,0\n", 1, 7, 2002,
                 "NAB", TradeSide::Buy, 100, 251250, 0},
        ReadCase{"ConsiderationOverPrice",
                 "Date,Code,Type,Quantity,Price,Brokerage,Consideration\n15/11/2002,BHP,Bought,3,3.3333,10,"
                 "\"$9.99\"\n",
                 15, 11, 2002, "BHP", TradeSide::Buy, 3, 999, 1000},
        ReadCase{"ValueWithoutPrice", "Date,Code,Type,Units,Value\n15/11/2002,BHP,sold,2,\"$1,234.56\"\n", 15, 11, 2002,
                 "BHP", TradeSide::Sell, 2, 123456, 0},
        // 12.5 cents and 13.5 cents: halves go to the even cent.
        ReadCase{"HalfCentDownToEven", "Date,Code,Type,Units,Price\n01/07/2002,X,s,1,0.125\n", 1, 7, 2002, "X",
                 TradeSide::Sell, 1, 12, 0},
        ReadCase{"HalfCentUpToEven", "Date,Code,Type,Units,Price\n01/07/2002,X,s,1,0.135\n", 1, 7, 2002, "X",
                 TradeSide::Sell, 1, 14, 0},
        // An empty consideration falls back on the price: 10 x 1.5.
        ReadCase{"EmptyConsideration", "Date,Code,Type,Units,Price,Value\n01/07/2002,X,b,10,1.5,\n", 1, 7, 2002, "X",
                 TradeSide::Buy, 10, 1500, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadTradesCsvTest, CountsEveryLineOfTheFile) {
    // A byte order mark, Windows line ends and blank lines do not shift the numbers.
    const std::vector<Trade> trades = ReadTradesCsv(
        "\xEF\xBB\xBF"
        "\r\nDate,Code,Type,Units,Price\r\n\r\n01/07/2002,A,b,1,1\r\n ,,,, \r\n02/07/2002,\"A\",s,1,\"1\"\r\n");
    ASSERT_EQ(trades.size(), 2u);
    EXPECT_EQ(trades[0].line, 4);
    EXPECT_EQ(trades[1].line, 6);
    EXPECT_EQ(ReadTradesCsv("Date,Code,Type,Units,Price\n").size(), 0u);
}

struct ErrorCase {
    const char* name;
    const char* csv;
    const char* message;
};

class TradesCsvErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(TradesCsvErrorTest, StopsAtTheLine) {
    const ErrorCase& c = GetParam();
    try {
        ReadTradesCsv(c.csv);
        FAIL() << "read " << c.csv;
    } catch (const TradesError& e) {
        EXPECT_EQ(std::string(e.what()), c.message);
    }
}

#define HEAD "Date,Code,Type,Quantity,Price,Brokerage\n"
#define GOOD "01/07/2002,BHP,Buy,100,9.50,19.95\n"

INSTANTIATE_TEST_SUITE_P(
    Table, TradesCsvErrorTest,
    ::testing::Values(
        ErrorCase{"Empty", "", "line 1: no header row"},
        ErrorCase{"UnknownColumn", "Date,Code,Type,Quantity,Price,Notes\n", "line 1: unknown column \"Notes\""},
        ErrorCase{"NoQuantity", "\nDate,Code,Type,Price\n", "line 2: no quantity column"},
        ErrorCase{"NoPrice", "Date,Code,Type,Units\n", "line 1: no price or consideration column"},
        ErrorCase{"TwoDates", "Date,Code,Type,Units,Price,Trade date\n",
                  "line 1: columns \"Date\" and \"Trade date\" are both the date"},
        ErrorCase{"NoSuchDay", HEAD GOOD "31/02/2003,BHP,Sell,100,9.50,19.95\n",
                  "line 3: bad date \"31/02/2003\" (dd/mm/yyyy or yyyy-mm-dd)"},
        ErrorCase{"DashedDayFirst", HEAD "15-11-2002,BHP,Sell,100,9.50,19.95\n",
                  "line 2: bad date \"15-11-2002\" (dd/mm/yyyy or yyyy-mm-dd)"},
        ErrorCase{"TwoDigitYear", HEAD "15/11/02,BHP,Sell,100,9.50,19.95\n",
                  "line 2: bad date \"15/11/02\" (dd/mm/yyyy or yyyy-mm-dd)"},
        ErrorCase{"DecimalComma", HEAD "01/07/2002,BHP,Buy,100,\"9,50\",19.95\n",
                  "line 2: bad number \"9,50\" in Price"},
        ErrorCase{"TwoPoints", HEAD "01/07/2002,BHP,Buy,100,9.5.0,19.95\n", "line 2: bad number \"9.5.0\" in Price"},
        ErrorCase{"SevenDecimals", HEAD "01/07/2002,BHP,Buy,100,9.1234567,0\n",
                  "line 2: bad number \"9.1234567\" in Price"},
        ErrorCase{"NegativeQuantity", HEAD "01/07/2002,BHP,Sell,-100,9.50,19.95\n",
                  "line 2: negative quantity \"-100\""},
        ErrorCase{"ZeroQuantity", HEAD "01/07/2002,BHP,Buy,0,9.50,19.95\n", "line 2: quantity 0"},
        ErrorCase{"PartUnits", HEAD "01/07/2002,BHP,Buy,10.5,9.50,19.95\n",
                  "line 2: \"10.5\" is not a whole number of units"},
        ErrorCase{"NegativeBrokerage", HEAD "01/07/2002,BHP,Buy,10,9.50,-5\n",
                  "line 2: negative amount \"-5\" in Brokerage"},
        ErrorCase{"TooFewCells", HEAD GOOD "01/07/2002,BHP,Buy,100\n", "line 3: 4 cells where the header has 6"},
        ErrorCase{"OpenQuote", HEAD "01/07/2002,\"BHP,Buy,100,9.50,19.95\n", "line 2: a quoted cell is not closed"},
        ErrorCase{"NeitherBuyNorSell", HEAD "01/07/2002,BHP,Transfer,100,9.50,19.95\n",
                  "line 2: Type \"Transfer\" is neither buy nor sell"},
        ErrorCase{"NoCode", HEAD "01/07/2002,,Buy,100,9.50,19.95\n", "line 2: no code"},
        ErrorCase{"LongCode", HEAD "01/07/2002,ABCDEFGHIJK,Buy,100,9.50,19.95\n",
                  "line 2: code \"ABCDEFGHIJK\" is longer than 10 characters"},
        ErrorCase{"NoPriceGiven", HEAD "01/07/2002,BHP,Buy,100,,19.95\n", "line 2: no price"},
        ErrorCase{"ValueTooLarge", HEAD "01/07/2002,BHP,Buy,999999999,999999999999,0\n",
                  "line 2: the trade's value is above $1,000,000,000,000"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cgt
