// A broker's trades file as different systems write it (LF, CR LF, lone CR
// line ends), and input no message may echo whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/daynumber.h"
#include "calc/trades_csv.h"

namespace cgt {
namespace {

// The lines joined by `end`, which ends the last one too.
std::string Joined(const std::vector<std::string>& lines, const std::string& end) {
    std::string text;
    for (const std::string& line : lines) text += line + end;
    return text;
}

std::string Shown(const std::vector<Trade>& trades) {
    std::string shown;
    for (const Trade& t : trades)
        shown += std::to_string(t.line) + " " + DateToText(t.date) + " " + t.code + " " +
                 (t.side == TradeSide::Buy ? "buy " : "sell ") + std::to_string(t.units) + " " +
                 std::to_string(t.valueCents) + " " + std::to_string(t.brokerageCents) + "\n";
    return shown;
}

std::string ErrorOf(const std::string& csv) {
    try {
        ReadTradesCsv(csv);
    } catch (const TradesError& e) {
        return e.what();
    }
    return "read";
}

const std::vector<std::string> kLines = {
    "",
    "Date,Code,Type,Quantity,Price,Brokerage",
    "15/03/1990,BHP,Buy,\"1,000\",9.50,19.95",
    "",
    "16/03/1990,\"NAB\",Sell,10,\"$1,234.50\",0",
    " , , , , , ",
    "17/03/1990,BHP,Sell,1,1,0",
};

TEST(TradesCsvLineEndsTest, EveryLineEndGivesTheSameTradesOnTheSameLines) {
    const std::string expected =
        "3 15/03/1990 BHP buy 1000 950000 1995\n"
        "5 16/03/1990 NAB sell 10 1234500 0\n"
        "7 17/03/1990 BHP sell 1 100 0\n";
    for (const std::string end : {"\n", "\r\n", "\r"}) {
        SCOPED_TRACE(::testing::PrintToString(end));
        EXPECT_EQ(Shown(ReadTradesCsv(Joined(kLines, end))), expected);
        // The last line's end may be missing.
        const std::string text = Joined(kLines, end);
        EXPECT_EQ(Shown(ReadTradesCsv(text.substr(0, text.size() - end.size()))), expected);
    }
    // Ends mixed in one file: CR LF is one end, LF CR two.
    const std::string mixed =
        "Date,Code,Type,Quantity,Price\r15/03/1990,BHP,Buy,1,1\n\r16/03/1990,BHP,Sell,1,1\r\n"
        "\r\r\n17/03/1990,BHP,Sell,1,1";
    EXPECT_EQ(Shown(ReadTradesCsv(mixed)),
              "2 15/03/1990 BHP buy 1 100 0\n4 16/03/1990 BHP sell 1 100 0\n7 17/03/1990 BHP sell 1 100 0\n");
}

TEST(TradesCsvLineEndsTest, FaultsNameTheLineWhateverTheEnds) {
    const struct {
        std::vector<std::string> lines;
        const char* message;
    } cases[] = {
        {{"Date,Code,Type,Quantity,Price", "", "31/02/1990,BHP,Buy,1,1"},
         "line 3: bad date \"31/02/1990\" (dd/mm/yyyy or yyyy-mm-dd)"},
        {{"", "Date,Code,Type,Quantity,Price,Notes"}, "line 2: unknown column \"Notes\""},
        // A line end inside quotes ends the line all the same.
        {{"Date,Code,Type,Quantity,Price", "15/03/1990,\"BH", "P\",Buy,1,1"}, "line 2: a quoted cell is not closed"},
    };
    for (const auto& c : cases)
        for (const std::string end : {"\n", "\r\n", "\r"})
            EXPECT_EQ(ErrorOf(Joined(c.lines, end)), c.message) << ::testing::PrintToString(end);
}

// Each cell, code or column name in a message is shown in at most 60
// characters, with control characters and bytes that are no UTF-8 escaped.
TEST(TradesCsvInputTest, MessagesShowInputShortAndEscaped) {
    const std::string head = "Date,Code,Type,Quantity,Price,Brokerage\n";
    const std::string mb(1'000'000, 'A');
    const std::string shown = "\"" + std::string(60, 'A') + "\"... (1000000 bytes)";
    const struct {
        const char* what;
        std::string csv;
        std::string message;
    } cases[] = {
        {"long code", head + "15/03/1990," + mb + ",Buy,1,1,0\n",
         "line 2: code " + shown + " is longer than 10 characters"},
        {"long date", head + mb + ",BHP,Buy,1,1,0\n", "line 2: bad date " + shown + " (dd/mm/yyyy or yyyy-mm-dd)"},
        {"long type", head + "15/03/1990,BHP," + mb + ",1,1,0\n", "line 2: Type " + shown + " is neither buy nor sell"},
        {"long quantity", head + "15/03/1990,BHP,Buy," + mb + ",1,0\n", "line 2: bad number " + shown + " in Quantity"},
        {"long price", head + "15/03/1990,BHP,Buy,1," + mb + ",0\n", "line 2: bad number " + shown + " in Price"},
        {"long column", "Date," + mb + "\n", "line 1: unknown column " + shown},
        {"control characters in a code", head + "15/03/1990,B\x01\x1B[2JP,Buy,1,1,0\n",
         R"(line 2: bad code "B\x01\x1B[2JP")"},
        {"a tab in a column", "Date,Co\tde\n", R"(line 1: unknown column "Co\tde")"},
        {"no UTF-8", head + "15/03/1990,BHP,B\xFFuy,1,1,0\n", R"(line 2: Type "B\xFFuy" is neither buy nor sell)"},
        {"UTF-8 kept", head + "15/03/1990,BHP,Ach\xC3\xA9t,1,1,0\n",
         "line 2: Type \"Ach\xC3\xA9t\" is neither buy nor sell"},
        {"quotes", "Date,\"Co\"\"de\"\n", R"(line 1: unknown column "Co\"de")"},
        {"the same column twice", "Date,Code,Type,Units,Price,DATE\n",
         R"(line 1: columns "Date" and "DATE" are both the date)"},
    };
    for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.csv), c.message) << c.what;
}

}  // namespace
}  // namespace cgt
