#include "calc/calc_util.h"

#include <cmath>

#include "base/daynumber.h"
#include "base/income_year.h"
#include "base/numtext.h"
#include "base/rounding.h"
#include "base/text.h"
#include "store/fieldstore.h"
#include "store/tags.h"

namespace cgt {
namespace {

// The characters a numeric box keeps when it reads its text.
std::string NumberChars(std::string_view text) {
    std::string out;
    for (char c : text)
        if ((c >= '0' && c <= '9') || c == '-' || c == '.') out += c;
    // A minus sign after the first character moves to the front.
    const auto minus = out.find('-', 1);
    if (minus != std::string::npos) {
        std::string digits;
        for (char c : out)
            if (c != '-') digits += c;
        out = "-" + digits;
    }
    return out;
}

// The number a numeric box reads from its text, with the explicit zero.
long double BoxNumberOfText(std::string_view text) {
    const std::string t = NumberChars(text);
    if (t == "0" || t == "0.00" || t == "000.00" || t == "0.000") return kExplicitZero;
    if (t.empty() || t == "-") return 0;
    return TryStrToFloat(t).value_or(0.0L);
}

// A whole number the box shows and reads back unchanged: its text is its
// own digits, never a zero (so never the explicit one), and reads back
// exactly. Most box values are whole dollars; they skip the text.
bool ReadsBackUnchanged(long double value) {
    return std::fabs(value) >= 1 && std::fabs(value) < 1e15L && value == std::floor(value);
}

// The number a box reads back from the text it shows for a value.
long double ShownNumber(long double value, int decimals) {
    if (const auto shown = FixedValue(value, 18, decimals)) return *shown == 0 ? kExplicitZero : *shown;
    return BoxNumberOfText(FormatFixed(value, 18, decimals));
}

}  // namespace

std::optional<int> DateOfText(std::string_view text) {
    if (IsDateTextBad(text)) return std::nullopt;
    return TextToDayNumber(text.substr(0, std::min<std::size_t>(text.size(), 10)));
}

std::optional<int> FieldDate(FieldStore& store, int tag) {
    const int type = store.FieldType(tag);
    if (type != dtString && type != dtSmallStr) return std::nullopt;
    return DateOfText(store.GetFieldStr(tag));
}

long double AmountOfText(std::string_view text) {
    return TryStrToFloat(Trim(text)).value_or(0.0L);
}

std::string AmountCell(long double value) {
    return FloatToStrWD(value, 10, 2);
}

std::string CPICell(long double value, int decimals) {
    return FloatToStrWD(value, 10, decimals);
}

std::string FactorCell(long double value) {
    return FloatToStrWD(value, 10, 3);
}

long double DollarBoxValue(long double value) {
    if (std::fabs(value) <= 0.001L) return 0;
    if (ReadsBackUnchanged(value)) return value;
    return ShownNumber(value, 0);
}

long double CentsBoxValue(long double value) {
    if (std::fabs(value) <= 0.001L) return 0;
    if (ReadsBackUnchanged(value)) return value;
    // The box first rounds a positive fraction to cents, halves to even.
    if (value > 0.005L) {
        const long double whole = std::trunc(value);
        value = whole + Round((value - whole) * 100) / 100.0L;
    }
    return ShownNumber(value, 2);
}

std::string PercentBoxText(long double value) {
    if (std::fabs(value) == kExplicitZero) return "0.00%";
    if (std::fabs(value) <= 0.001L) return {};
    if (value > 0.005L) {
        const long double whole = std::trunc(value);
        value = whole + Round((value - whole) * 100) / 100.0L;
    }
    return FormatFixed(value, 18, 2) + "%";
}

long double PercentOfText(std::string_view text) {
    return BoxNumberOfText(text);
}

}  // namespace cgt

namespace cgt {

std::optional<int> CostBaseDate(FieldStore& store) {
    const std::optional<int> acquired = FieldDate(store, kTagAcquisitionDate);
    const std::optional<int> effective = FieldDate(store, kTagCostBaseDate);
    if (acquired && (!effective || *effective < *acquired)) return acquired;
    return effective;
}

int WholeYearsHeld(int from, int to) {
    const CivilDate a = CivilFromDayNumber(from);
    const CivilDate b = CivilFromDayNumber(to);
    int years = b.year - a.year;
    if (b.month < a.month) --years;
    if (b.month == a.month && b.day <= a.day) --years;
    return years;
}

}  // namespace cgt

namespace cgt {

std::string BaseDateText(FieldStore& store) {
    if (FieldDate(store, kTagRollOverAcquisitionDate)) return store.GetFieldStr(kTagRollOverAcquisitionDate);
    if (FieldDate(store, kTagAcquisitionDate)) return store.GetFieldStr(kTagAcquisitionDate);
    return {};
}

bool IndexationExcludedByDates(FieldStore& store, int baseDate) {
    const std::optional<int> rollOver = FieldDate(store, kTagRollOverAcquisitionDate);
    if (baseDate > kDiscountStart && !rollOver) return true;
    if (store.FieldChecked(kTagAcquiredAfter1145am) && !rollOver) return true;
    if (rollOver && *rollOver > kDiscountStart) return true;
    return store.FieldChecked(kTagRollOverAcquiredAfter1145am);
}

}  // namespace cgt
