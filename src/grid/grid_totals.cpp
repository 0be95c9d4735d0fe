#include <cmath>

#include "base/numtext.h"
#include "base/rounding.h"
#include "base/text.h"
#include "grid/grid_model.h"

namespace cgt {
namespace {

// "-", the digits and the decimal point of a cell.
std::string NumberChars(std::string_view text) {
    std::string r;
    for (char c : text)
        if (c == '-' || c == kGridDecimalSeparator || (c >= '0' && c <= '9')) r += c;
    return r;
}

}  // namespace

void NumberColumnTotal::Add(std::string_view cell) {
    const std::optional<long double> v = TryStrToFloat(NumberChars(cell));
    // A typed zero is written "0" or "0.00" (or with the column's own
    // number of decimals): any such cell makes a zero total explicit.
    if (v && *v == 0) zeroSeen_ = true;
    if (v) sum_ += *v;
}

long double NumberColumnTotal::Value() const {
    return sum_ == 0 && zeroSeen_ ? kExplicitZero : sum_;
}

long double GridModel::ColumnTotal(int col) const {
    if (col < 0 || col >= ColCount() || Specs()[std::size_t(col)].kind != ColKind::Number) return 0;
    NumberColumnTotal total;
    for (std::size_t r = 1; r < rows_.size(); ++r) total.Add(rows_[r][std::size_t(col)]);
    return total.Value();
}

std::string GridModel::ColumnTotalText(int col) const {
    const int maxLength = col >= 0 && col < ColCount() ? Specs()[std::size_t(col)].maxLength : 0;
    const int decimals = col >= 0 && col < ColCount() ? Specs()[std::size_t(col)].decimals : 0;
    return Trim(FloatToStrWD(ColumnTotal(col), maxLength, decimals));
}

}  // namespace cgt
