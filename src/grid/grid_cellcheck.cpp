#include <cmath>

#include "base/daynumber.h"
#include "base/idnumbers.h"
#include "base/numtext.h"
#include "base/rounding.h"
#include "base/text.h"
#include "grid/grid_model.h"

namespace cgt {
namespace {

std::string WholeNumberText(long long v) {
    return FormatGeneral(static_cast<long double>(v));
}

bool IsDigits(std::string_view t) {
    for (char c : t)
        if (c < '0' || c > '9') return false;
    return true;
}

// The fraction rounded to `decimals` places, halves to the even neighbour.
// A fraction that is a half in decimal but not quite in binary (2.675) still
// counts as a half.
long double RoundFraction(long double value, int decimals) {
    const long double whole = std::trunc(value);
    const long double scale = std::pow(10.0L, decimals);
    long double scaled = (value - whole) * scale;
    const long double twice = scaled * 2;
    const long double nearest = std::round(twice);
    if (std::fabs(twice - nearest) < 1e-9L) scaled = nearest / 2;
    return whole + static_cast<long double>(Round(scaled)) / scale;
}

std::string FormatNumberCell(const ColumnSpec& spec, long double value) {
    if (std::fabs(value) < kExplicitZero) return std::string();
    if (spec.decimals > 0) value = RoundFraction(value, spec.decimals);
    return Trim(FloatToStrWD(value, spec.maxLength, spec.decimals));
}

bool OutOfRange(const ColumnSpec& spec, long double v) {
    if (spec.minValue == spec.maxValue) return false;
    return v < static_cast<long double>(spec.minValue) || v > static_cast<long double>(spec.maxValue);
}

}  // namespace

CellCheckResult GridModel::CheckCell(int col, int row) {
    Spec(col);
    if (MutableSpec(col).IsStrictPickList()) RefreshPickList(col, row);
    const ColumnSpec& spec = Spec(col);
    CellCheckResult res;
    std::string text = Cell(col, row);

    auto warn = [&res](std::string msg) { res.messages.push_back({std::move(msg), false}); };
    auto finish = [&](bool accepted, std::string message = {}) {
        res.accepted = accepted;
        if (!message.empty()) res.messages.push_back({std::move(message), true});
        if (row >= 0 && row < RowCount() && Cell(col, row) != text) SetCell(col, row, text);
        res.text = text;
        return res;
    };

    // 1. A strict pick list takes only its own items (cut to the column's length).
    if (spec.IsStrictPickList() && !text.empty()) {
        bool found = false;
        for (const std::string& item : spec.pickList) {
            const std::string head = spec.maxLength > 0 ? item.substr(0, std::size_t(spec.maxLength)) : item;
            if (head == text) {
                found = true;
                break;
            }
        }
        if (!found) return finish(false, kPicklistMismatchMessage);
    }

    // 2. Nothing to check in a blank cell or a text cell. Blanks in a number
    // or date cell are no entry, so they are cleared.
    if (Trim(text).empty()) {
        if (spec.kind != ColKind::Text) {
            text.clear();
            if (spec.kind == ColKind::Number) lastNumValue_ = 0;
            if (spec.kind == ColKind::Date) lastDateValue_ = 0;
        }
        return finish(true);
    }
    if (spec.kind == ColKind::Text) return finish(true);

    // 3. Identification numbers.
    if (spec.kind == ColKind::BusinessNumber) {
        if (!IsValidABN(text)) return finish(false, kInvalidAbnMessage);
        text = FormatABN(text);
        return finish(true);
    }
    if (spec.kind == ColKind::TaxFileNumber) {
        if (!IsValidTFN(text)) return finish(false, kInvalidTfnMessage);
        text = FormatTFN(text);
        return finish(true);
    }

    if (spec.kind == ColKind::Number) {
        // 4. Range of the value as typed.
        if (OutOfRange(spec, StrToFloatDef(Trim(text), 0)))
            return finish(false, "Value must be between " + WholeNumberText(spec.minValue) + " and " +
                                     WholeNumberText(spec.maxValue));
        // 5. Too many whole-number digits: a warning only.
        if (spec.decimals > 0 && spec.maxLength > 0) {
            const std::size_t point = text.find(kGridDecimalSeparator);
            if (point != std::string::npos && int(point) + 1 > spec.maxLength - spec.decimals)
                warn("Value of \"" + text + "\" with two decimal places" + kGridMessageLineBreak +
                     "exceeds allowed number of digits (" + IntToStr(spec.maxLength) + ")");
        }
        // 6. A column total too long for the totals strip: a warning only.
        if (HasTotals && !spec.noTotal && spec.maxLength > 0) {
            const long double total = ColumnTotal(col);
            bool tooLong = int(IntToStr(Round(total)).size()) > spec.maxLength;
            if (spec.decimals > 0) {
                const std::string t = FormatGeneral(total);
                const std::size_t point = t.find(kGridDecimalSeparator);
                const int wholeRoom = spec.maxLength - spec.decimals;
                if (point != std::string::npos ? int(point) + 1 > wholeRoom : int(t.size()) > wholeRoom - 1)
                    tooLong = true;
            }
            if (tooLong)
                warn("Column Total of \"" + spec.title + "\" " + kGridMessageLineBreak +
                     "exceeds allowed number of digits (" + IntToStr(spec.maxLength) + ")");
        }
        // 7. The number itself.
        std::string kept;
        for (char c : text)
            if (spec.Allows(c)) kept += c;
        long double value = 0;
        if (!kept.empty()) {
            const std::optional<long double> v = TryStrToFloat(kept);
            if (!v) {
                text.clear();
                return finish(false, kept + kInvalidNumberSuffix);
            }
            value = *v;
            if (std::fabs(value) <= kExplicitZero) value = kExplicitZero;
        }
        if (OutOfRange(spec, value)) return finish(false, kInvalidNumericEntryMessage);
        lastNumValue_ = value;
        // 8. Reformat.
        text = FormatNumberCell(spec, value);
        return finish(true);
    }

    // 7. Date: six or eight digits get their separators.
    std::string t = Trim(text);
    if ((t.size() == 6 || t.size() == 8) && IsDigits(t)) {
        t.insert(4, 1, kGridDateSeparator);
        t.insert(2, 1, kGridDateSeparator);
    }
    text = t;
    const std::optional<int> day = TextToDayNumber(t, *clock_);
    if (!day) return finish(false, kBadDateMessage);
    lastDateValue_ = *day;
    // 8. Reformat; a day number of 0 or less is no date.
    text = *day > 0 ? DateToText(*day) : std::string();
    return finish(true);
}

}  // namespace cgt
