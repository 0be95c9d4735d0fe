#include "base/numtext.h"

#include <cerrno>
#include <cfenv>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace cgt {
namespace {

constexpr int kMaxDigits = 18;

// Up to 19 digits, held without a heap block (a number's text is made for
// every amount a worksheet shows).
struct Digits {
    char at[kMaxDigits + 1] = {};
    int count = 0;
    char operator[](int i) const { return at[i]; }
    char& operator[](int i) { return at[i]; }
    void Append(char c) { at[count++] = c; }
};

// A number as decimal digits: value = 0.d1d2d3... x 10^exponent.
struct Decimal {
    bool negative = false;
    Digits digits;  // no leading zeros; none for zero
    int exponent = 0;
};

// The 18 significant digits "%.17Le" prints for a value from 10^-4 to below
// 10^18, worked out exactly from its binary digits: the whole part's own
// digits, then the fraction's one at a time, and the last rounded half to
// even, as the library rounds in the usual mode. Most amounts, percentages
// and indexation figures are in this range, and printing through the C
// library costs far more.
bool ExactDigits(long double magnitude, Digits& digits, int& exp10) {
    if constexpr (LDBL_MANT_DIG != 64) return false;
    if (!(magnitude >= 1e-4L && magnitude < 1e18L) || std::fegetround() != FE_TONEAREST) return false;
    using Wide = unsigned __int128;
    int exp2 = 0;
    const auto significand = static_cast<std::uint64_t>(std::ldexp(std::frexp(magnitude, &exp2), 64));
    const int shift = 64 - exp2;  // magnitude = significand / 2^shift, shift from 4 to 78
    const Wide unit = Wide(1) << shift;
    Wide fraction = Wide(significand) & (unit - 1);
    char all[kMaxDigits + 1];
    int n = 0;
    char whole[kMaxDigits];
    int wholeDigits = 0;
    for (auto v = static_cast<std::uint64_t>(Wide(significand) >> shift); v > 0; v /= 10)
        whole[wholeDigits++] = char('0' + v % 10);
    for (int i = wholeDigits - 1; i >= 0; --i) all[n++] = whole[i];
    int exponent = wholeDigits - 1;
    if (wholeDigits == 0) exponent = 0;
    bool seen = wholeDigits > 0;
    while (n <= kMaxDigits) {
        if (fraction == 0 && seen) {
            // Nothing left: zeros to the end, and nothing to round.
            while (n <= kMaxDigits) all[n++] = '0';
            break;
        }
        fraction *= 10;
        const auto digit = char('0' + int(fraction >> shift));
        fraction &= unit - 1;
        if (!seen) {
            --exponent;
            if (digit == '0') continue;
            seen = true;
        }
        all[n++] = digit;
    }
    const char next = all[kMaxDigits];
    const bool up = next > '5' || (next == '5' && (fraction != 0 || (all[kMaxDigits - 1] - '0') % 2 == 1));
    for (int i = 0; i < kMaxDigits; ++i) digits[i] = all[i];
    digits.count = kMaxDigits;
    if (up) {
        int i = kMaxDigits - 1;
        while (i >= 0 && digits[i] == '9') digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits[0] = '1';
            ++exponent;
        }
    }
    exp10 = exponent;
    return true;
}

// The 18 significant digits of the value, then rounded half up to
// `keep` digits (keep may be <= 0, which rounds to 0 or to one unit).
Decimal ToDecimal(long double value, int keepSignificant, int decimals) {
    Decimal d;
    if (value == 0 || !std::isfinite(value)) return d;
    d.negative = value < 0;
    Digits& digits = d.digits;
    int exp10 = 0;
    if (!ExactDigits(std::fabs(value), digits, exp10)) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*Le", kMaxDigits - 1, std::fabs(value));
        // buf = "d.ddddddddddddddddde[+-]XX"
        const char* p = buf;
        for (; *p && *p != 'e'; ++p)
            if (*p >= '0' && *p <= '9') digits.Append(*p);
        exp10 = std::atoi(p + 1);
    }
    d.exponent = exp10 + 1;

    int keep = std::min(keepSignificant, d.exponent + decimals);
    keep = std::min(keep, kMaxDigits);
    if (keep < 0) {
        digits.count = 0;
        d.exponent = 0;
        return d;
    }
    const bool roundUp = keep < digits.count && digits[keep] >= '5';
    digits.count = std::min(digits.count, keep);
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && digits[i] == '9') {
            digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++digits[i];
        } else {
            // All nines (or nothing kept): one more digit before the point.
            // The trailing zeros are dropped below anyway.
            digits.count = keep + 1;
            for (int k = 0; k < digits.count; ++k) digits[k] = '0';
            digits[0] = '1';
            ++d.exponent;
        }
    }
    while (digits.count > 0 && digits[digits.count - 1] == '0') --digits.count;
    if (digits.count == 0) {
        d.exponent = 0;
        d.negative = false;
    }
    return d;
}

std::string ExponentText(const Decimal& d) {
    std::string s = d.negative ? "-" : "";
    s += d.digits[0];
    if (d.digits.count > 1) {
        s += '.';
        s.append(d.digits.at + 1, std::size_t(d.digits.count - 1));
    }
    s += 'E';
    s += std::to_string(d.exponent - 1);
    return s;
}

std::string PlainText(const Decimal& d, int minDecimals) {
    std::string s = d.negative ? "-" : "";
    if (d.exponent <= 0) {
        s += '0';
    } else {
        for (int i = 0; i < d.exponent; ++i) s += i < d.digits.count ? d.digits[i] : '0';
    }
    std::string frac;
    if (d.exponent < 0) frac.assign(std::size_t(-d.exponent), '0');
    for (int i = std::max(d.exponent, 0); i < d.digits.count; ++i) frac += d.digits[i];
    while (int(frac.size()) < minDecimals) frac += '0';
    if (!frac.empty()) {
        s += '.';
        s += frac;
    }
    return s;
}

// A checked text without an exponent and with at most 19 digits: its
// digits as a whole number over a power of ten. Both are exact in a long
// double, so their quotient is the correctly rounded value strtold gives.
std::optional<long double> PlainDecimal(std::string_view t) {
    static constexpr long double kPowers[] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
                                              1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L};
    std::size_t i = 0;
    const bool negative = !t.empty() && t[0] == '-';
    if (!t.empty() && (t[0] == '-' || t[0] == '+')) ++i;
    unsigned long long whole = 0;
    int digits = 0, decimals = 0;
    bool point = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c == '.') {
            point = true;
            continue;
        }
        if (c < '0' || c > '9' || ++digits > 19) return std::nullopt;
        whole = whole * 10 + unsigned(c - '0');
        if (point) ++decimals;
    }
    const long double v = static_cast<long double>(whole) / kPowers[decimals];
    return negative ? -v : v;
}

}  // namespace

std::string FormatGeneral(long double value, int precision) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    const Decimal d = ToDecimal(value, precision, 9999);
    if (d.digits.count == 0) return "0";
    if (d.exponent > precision || d.exponent < -3) return ExponentText(d);
    return PlainText(d, 0);
}

std::string FormatFixed(long double value, int precision, int decimals) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    const Decimal whole = ToDecimal(value, precision, decimals);
    if (whole.exponent > precision) return FormatGeneral(value, precision);
    return PlainText(whole, decimals);
}

std::optional<long double> FixedValue(long double value, int precision, int decimals) {
    static constexpr long double kPowers[] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
                                              1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L};
    if (!std::isfinite(value)) return std::nullopt;
    const Decimal d = ToDecimal(value, precision, decimals);
    if (d.exponent > precision) return std::nullopt;
    // The text's digits are these digits and zeros: their whole number, over
    // or times the power of ten of the point, both exact, as the reading does.
    unsigned long long whole = 0;
    for (int i = 0; i < d.digits.count; ++i) whole = whole * 10 + unsigned(d.digits[i] - '0');
    const int scale = d.exponent - d.digits.count;
    if (scale < -19 || scale > 19 - d.digits.count) return std::nullopt;
    const long double v = scale >= 0 ? static_cast<long double>(whole) * kPowers[scale]
                                     : static_cast<long double>(whole) / kPowers[-scale];
    return d.negative ? -v : v;
}

std::string FloatToStrWD(long double value, int width, int decimals) {
    std::string s = FormatFixed(value, kMaxDigits, decimals);
    if (int(s.size()) < width) s.insert(0, std::string(width - s.size(), ' '));
    return s;
}

std::optional<long double> TryStrToFloat(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ') ++b;
    while (e > b && text[e - 1] == ' ') --e;
    const std::string_view t = text.substr(b, e - b);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t mantissaDigits = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++mantissaDigits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (i != t.size()) return std::nullopt;
    if (const auto v = PlainDecimal(t)) return v;
    const std::string copy(t);
    errno = 0;
    const long double v = std::strtold(copy.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(v)) return std::nullopt;
    return v;
}

long double StrToFloatDef(std::string_view text, long double defaultValue) {
    return TryStrToFloat(text).value_or(defaultValue);
}

std::optional<long long> TryStrToInt(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ') ++b;
    while (e > b && text[e - 1] == ' ') --e;
    const std::string_view t = text.substr(b, e - b);
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    if (i == t.size() || t.size() - i > 18) return std::nullopt;
    long long v = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') return std::nullopt;
        v = v * 10 + (t[i] - '0');
    }
    return negative ? -v : v;
}

}  // namespace cgt

namespace cgt {

std::string DollarText(long double value, int decimals) {
    const std::string digits = FormatFixed(std::fabs(value), kWidestAmountDigits, decimals);
    const auto point = digits.find('.');
    std::string whole = digits.substr(0, point);
    const std::string fraction = point == std::string::npos ? std::string() : digits.substr(point);
    for (int i = int(whole.size()) - 3; i > 0; i -= 3) whole.insert(std::size_t(i), ",");
    const bool zero = digits.find_first_not_of("0.") == std::string::npos;
    return std::string(value < 0 && !zero ? "-$" : "$") + whole + fraction;
}

}  // namespace cgt
