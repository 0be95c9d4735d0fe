#pragma once
// A broker's list of share trades (CSV with a header row) read into plain
// trades: money in cents, dates as day numbers. Any line that cannot be read
// stops the reading with its line number, so nothing half-read is imported.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace cgt {

enum class TradeSide { Buy, Sell };

struct Trade {
    int line = 0;  // in the file, the header being line 1
    int date = 0;  // day number
    std::string code;
    TradeSide side = TradeSide::Buy;
    std::int64_t units = 0;
    std::int64_t valueCents = 0;  // units x price (or the consideration), before brokerage
    std::int64_t brokerageCents = 0;
};

// A fault of the trades, found reading or matching them; what() is one line
// that begins with "line N: ".
class TradesError : public std::runtime_error {
public:
    TradesError(int line, const std::string& message)
        : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

// Limits that keep every description and amount within what the screens
// hold: a description of at most 40 characters, sums exact in 64 bits.
inline constexpr std::size_t kMaxTradeCodeLength = 10;
inline constexpr std::int64_t kMaxTradeUnits = 999'999'999;
inline constexpr std::int64_t kMaxTradeCents = 100'000'000'000'000;  // $1,000,000,000,000

// The trades in file order. Column names, case aside: date / trade date;
// code / symbol / security; type / action / buy/sell; quantity / units;
// price / unit price; brokerage / fees / commission (optional);
// consideration / value (optional: when given it is the trade's value,
// otherwise units x price). Dates dd/mm/yyyy or yyyy-mm-dd; amounts may
// carry "$" and thousands separators. Lines end in LF, CR LF or a lone CR;
// blank lines are skipped.
std::vector<Trade> ReadTradesCsv(std::string_view text);

}  // namespace cgt
