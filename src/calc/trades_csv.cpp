#include "calc/trades_csv.h"

#include <array>
#include <cctype>
#include <optional>

#include "base/daynumber.h"
#include "base/rounding.h"
#include "base/text.h"

namespace cgt {

namespace {

enum Column { kDate, kCode, kSide, kUnits, kPrice, kBrokerage, kValue, kColumnCount };

struct ColumnName {
    Column column;
    const char* name;  // lower case
};
constexpr ColumnName kColumnNames[] = {
    {kDate, "date"},           {kDate, "trade date"}, {kCode, "code"},
    {kCode, "symbol"},         {kCode, "security"},   {kSide, "type"},
    {kSide, "action"},         {kSide, "buy/sell"},   {kUnits, "quantity"},
    {kUnits, "units"},         {kPrice, "price"},     {kPrice, "unit price"},
    {kBrokerage, "brokerage"}, {kBrokerage, "fees"},  {kBrokerage, "commission"},
    {kValue, "consideration"}, {kValue, "value"},
};
// What a missing column is called in the message.
constexpr const char* kColumnWhat[kColumnCount] = {"date",  "code",      "buy/sell type", "quantity",
                                                   "price", "brokerage", "consideration"};

// Amounts are read exactly, in millionths of a dollar (prices run past cents).
constexpr int kMicroDecimals = 6;
constexpr std::int64_t kMicrosPerCent = 10'000;
constexpr std::int64_t kMicrosPerUnit = 1'000'000;
// Whole-dollar digits kept below 10^12, so that millionths stay within 64 bits.
constexpr std::size_t kMaxWholeDigits = 12;

std::string LowerCase(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return r;
}

// The next line and what is left after its end: LF, CR LF or a lone CR.
// A quoted cell cannot hold a line end.
std::string_view NextLine(std::string_view& text) {
    const std::size_t end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    if (end == std::string_view::npos) {
        text = {};
    } else {
        text.remove_prefix(end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1));
    }
    return line;
}

// One line's cells; a quoted cell may hold commas and doubled quotes.
std::vector<std::string> SplitCells(std::string_view line, int number) {
    std::vector<std::string> cells;
    std::size_t i = 0;
    while (true) {
        std::string cell;
        while (i < line.size() && line[i] == ' ') ++i;
        if (i < line.size() && line[i] == '"') {
            ++i;
            while (true) {
                if (i >= line.size()) throw TradesError(number, "a quoted cell is not closed");
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        cell += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                cell += line[i++];
            }
            while (i < line.size() && line[i] == ' ') ++i;
            if (i < line.size() && line[i] != ',') throw TradesError(number, "text after a quoted cell");
        } else {
            while (i < line.size() && line[i] != ',') cell += line[i++];
        }
        cells.push_back(Trim(cell));
        if (i >= line.size()) return cells;
        ++i;  // the comma
    }
}

struct Decimal {
    bool negative = false;
    std::int64_t micros = 0;
};

// "-$1,234.5678": sign, "$", digits in groups of three or none, up to six
// decimals.
std::optional<Decimal> ParseDecimal(std::string_view text) {
    Decimal d;
    std::size_t i = 0;
    auto take = [&](char c) {
        if (i < text.size() && text[i] == c) return ++i, true;
        return false;
    };
    d.negative = take('-');
    take('$');
    if (!d.negative) d.negative = take('-');
    std::string whole;
    std::size_t group = 0;
    bool grouped = false;
    for (; i < text.size() && (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == ','); ++i) {
        if (text[i] == ',') {
            if (whole.empty() || (grouped && group != 3) || group > 3) return std::nullopt;
            grouped = true;
            group = 0;
            continue;
        }
        whole += text[i];
        ++group;
    }
    if (grouped && group != 3) return std::nullopt;
    std::string fraction;
    if (take('.'))
        for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) fraction += text[i];
    if (i != text.size() || (whole.empty() && fraction.empty())) return std::nullopt;
    while (whole.size() > 1 && whole[0] == '0') whole.erase(0, 1);
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (whole.size() > kMaxWholeDigits || fraction.size() > kMicroDecimals) return std::nullopt;
    fraction.resize(kMicroDecimals, '0');
    for (const char c : whole + fraction) d.micros = d.micros * 10 + (c - '0');
    return d;
}

// Millionths of a dollar to cents, halves to even.
std::int64_t CentsOf(std::int64_t micros) {
    return Round(static_cast<long double>(micros) / kMicrosPerCent);
}

std::optional<int> ParseDate(std::string_view text) {
    auto number = [&](std::size_t& i, std::size_t minDigits, std::size_t maxDigits) -> std::optional<int> {
        const std::size_t start = i;
        int v = 0;
        while (i < text.size() && i - start < maxDigits && std::isdigit(static_cast<unsigned char>(text[i])))
            v = v * 10 + (text[i++] - '0');
        if (i - start < minDigits) return std::nullopt;
        return v;
    };
    std::size_t i = 0;
    std::optional<int> day, month, year;
    if (text.size() > 4 && text[4] == '-') {
        year = number(i, 4, 4);
        if (i < text.size() && text[i] == '-') month = number(++i, 1, 2);
        if (i < text.size() && text[i] == '-') day = number(++i, 1, 2);
    } else {
        day = number(i, 1, 2);
        if (i < text.size() && text[i] == '/') month = number(++i, 1, 2);
        if (i < text.size() && text[i] == '/') year = number(++i, 4, 4);
    }
    if (!day || !month || !year || i != text.size() || !IsValidCivilDate(*year, *month, *day)) return std::nullopt;
    return DayNumber(*year, *month, *day);
}

class RowReader {
public:
    RowReader(const std::array<int, kColumnCount>& columns, const std::vector<std::string>& names,
              const std::vector<std::string>& cells, int line)
        : columns_(columns), names_(names), cells_(cells), line_(line) {}

    Trade Read() const {
        Trade t;
        t.line = line_;
        const auto date = ParseDate(Cell(kDate));
        if (!date) Fail("bad date " + QuoteInput(Cell(kDate)) + " (dd/mm/yyyy or yyyy-mm-dd)");
        t.date = *date;
        t.code = Code();
        t.side = Side();
        t.units = Units();
        const std::optional<std::int64_t> value = Amount(kValue);
        const std::optional<std::int64_t> price = Amount(kPrice);
        if (value) {
            t.valueCents = CentsOf(*value);
        } else if (price) {
            // Both factors are below 10^18 / 10^9; the product is checked before it is narrowed.
            const __int128 micros = static_cast<__int128>(*price) * t.units;
            if (micros > static_cast<__int128>(kMaxTradeCents) * kMicrosPerCent)
                Fail("the trade's value is above $1,000,000,000,000");
            t.valueCents = CentsOf(static_cast<std::int64_t>(micros));
        } else {
            Fail(columns_[kValue] < 0 ? "no price" : "no price or consideration");
        }
        if (const auto brokerage = Amount(kBrokerage)) t.brokerageCents = CentsOf(*brokerage);
        if (t.valueCents > kMaxTradeCents || t.brokerageCents > kMaxTradeCents)
            Fail("an amount above $1,000,000,000,000");
        return t;
    }

private:
    [[noreturn]] void Fail(const std::string& message) const { throw TradesError(line_, message); }

    const std::string& Cell(Column c) const {
        static const std::string none;
        return columns_[c] < 0 ? none : cells_[std::size_t(columns_[c])];
    }
    // One of kColumnNames as the header has it, case aside: plain and short.
    const std::string& Name(Column c) const { return names_[std::size_t(columns_[c])]; }

    std::string Code() const {
        const std::string code = UpperCase(Cell(kCode));
        if (code.empty()) Fail("no code");
        if (code.size() > kMaxTradeCodeLength)
            Fail("code " + QuoteInput(code) + " is longer than " + std::to_string(kMaxTradeCodeLength) + " characters");
        for (const char c : code)
            if (c <= ' ' || c > '~') Fail("bad code " + QuoteInput(code));
        return code;
    }

    TradeSide Side() const {
        const std::string side = LowerCase(Cell(kSide));
        if (side == "buy" || side == "b" || side == "bought") return TradeSide::Buy;
        if (side == "sell" || side == "s" || side == "sold") return TradeSide::Sell;
        Fail(Name(kSide) + " " + QuoteInput(Cell(kSide)) + " is neither buy nor sell");
    }

    std::int64_t Units() const {
        const std::string& text = Cell(kUnits);
        const auto d = ParseDecimal(text);
        if (!d) Fail("bad number " + QuoteInput(text) + " in " + Name(kUnits));
        if (d->negative && d->micros != 0) Fail("negative quantity " + QuoteInput(text));
        if (d->micros % kMicrosPerUnit != 0) Fail(QuoteInput(text) + " is not a whole number of units");
        const std::int64_t units = d->micros / kMicrosPerUnit;
        if (units == 0) Fail("quantity 0");
        if (units > kMaxTradeUnits)
            Fail("quantity " + QuoteInput(text) + " is above " + std::to_string(kMaxTradeUnits));
        return units;
    }

    // Millionths of a dollar; nothing for a missing column or an empty cell.
    std::optional<std::int64_t> Amount(Column c) const {
        const std::string& text = Cell(c);
        if (text.empty()) return std::nullopt;
        const auto d = ParseDecimal(text);
        if (!d) Fail("bad number " + QuoteInput(text) + " in " + Name(c));
        if (d->negative && d->micros != 0) Fail("negative amount " + QuoteInput(text) + " in " + Name(c));
        return d->micros;
    }

    const std::array<int, kColumnCount>& columns_;
    const std::vector<std::string>& names_;
    const std::vector<std::string>& cells_;
    int line_;
};

std::array<int, kColumnCount> ReadHeader(const std::vector<std::string>& names, int line) {
    std::array<int, kColumnCount> columns;
    columns.fill(-1);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string name = LowerCase(names[i]);
        const ColumnName* known = nullptr;
        for (const ColumnName& c : kColumnNames)
            if (name == c.name) known = &c;
        if (!known) throw TradesError(line, "unknown column " + QuoteInput(names[i]));
        int& column = columns[known->column];
        if (column >= 0)
            throw TradesError(line, "columns " + QuoteInput(names[std::size_t(column)]) + " and " +
                                        QuoteInput(names[i]) + " are both the " + kColumnWhat[known->column]);
        column = int(i);
    }
    for (const Column c : {kDate, kCode, kSide, kUnits})
        if (columns[c] < 0) throw TradesError(line, std::string("no ") + kColumnWhat[c] + " column");
    if (columns[kPrice] < 0 && columns[kValue] < 0) throw TradesError(line, "no price or consideration column");
    return columns;
}

bool Blank(const std::vector<std::string>& cells) {
    for (const std::string& c : cells)
        if (!c.empty()) return false;
    return true;
}

}  // namespace

std::vector<Trade> ReadTradesCsv(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());

    std::vector<Trade> trades;
    std::vector<std::string> names;
    std::array<int, kColumnCount> columns{};
    bool haveHeader = false;
    int number = 0;
    while (!text.empty()) {
        ++number;
        std::vector<std::string> cells = SplitCells(NextLine(text), number);
        if (Blank(cells)) continue;
        if (!haveHeader) {
            columns = ReadHeader(cells, number);
            names = std::move(cells);
            haveHeader = true;
            continue;
        }
        if (cells.size() != names.size())
            throw TradesError(
                number, std::to_string(cells.size()) + " cells where the header has " + std::to_string(names.size()));
        trades.push_back(RowReader(columns, names, cells, number).Read());
    }
    if (!haveHeader) throw TradesError(1, "no header row");
    return trades;
}

}  // namespace cgt
