#pragma once
// Number text as the module shows and reads it: "." as decimal point, no
// thousands separators, whatever the locale.
#include <optional>
#include <string>
#include <string_view>

namespace cgt {

// Fixed notation rounded to at most `precision` significant digits and
// `decimals` digits after the point, padded with zeros to `decimals`.
// When the integer part needs more digits than `precision`, the general form
// with `precision` significant digits is used instead ("1.2345679E11").
std::string FormatFixed(long double value, int precision, int decimals);

// General form with `precision` significant digits (15 by default): the
// shortest fixed text, or exponent notation ("1E20", "1.5E-6") when the
// number is too large for the precision or smaller than 0.00001.
std::string FormatGeneral(long double value, int precision = 15);

// The number FormatFixed(value, precision, decimals) shows, as
// TryStrToFloat reads it back, worked out without the text; nothing when the
// text is no plain number of up to 18 digits (the general form, NAN, INF).
std::optional<long double> FixedValue(long double value, int precision, int decimals);

// The significant digits that show every amount a return can hold (the
// import limit, 1e15, with cents) in fixed notation.
inline constexpr int kWidestAmountDigits = 18;

// An amount as labels and messages show it: "$", thousands separators, a
// minus in front of a negative amount that does not round to 0, `decimals`
// digits after the point, never in exponent form.
std::string DollarText(long double value, int decimals);

// Fixed notation with `decimals` decimals, right-aligned in `width` characters.
std::string FloatToStrWD(long double value, int width, int decimals);

// Strict conversion: optional blanks, sign, digits with one ".", optional
// exponent; nothing else.
std::optional<long double> TryStrToFloat(std::string_view text);
long double StrToFloatDef(std::string_view text, long double defaultValue);

// "12345" -> 12345; nothing when the text is not a whole number.
std::optional<long long> TryStrToInt(std::string_view text);

}  // namespace cgt
