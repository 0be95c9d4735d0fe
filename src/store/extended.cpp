#include "store/extended.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

namespace cgt {
namespace {

constexpr int kBias = 16383;
constexpr int kMaxExponent = 0x7FFF;
constexpr std::uint64_t kIntegerBit = std::uint64_t(1) << 63;
// The value of the lowest significand bit of a denormal: 2^(1 - 16383 - 63).
constexpr int kDenormalScale = 16445;

void Put(std::uint8_t* out, std::uint64_t significand, int exponent, bool negative) {
    for (int i = 0; i < 8; ++i) out[i] = std::uint8_t(significand >> (8 * i));
    const unsigned top = unsigned(exponent) | (negative ? 0x8000u : 0u);
    out[8] = std::uint8_t(top);
    out[9] = std::uint8_t(top >> 8);
}

// Where the host's long double is this very format, the bytes of a value in
// the usual form (no NaN or infinity, the integer bit set exactly when the
// exponent is not 0) are its encoding, and such bytes are the value: they
// are copied, which is what the arithmetic below comes to for them.
constexpr bool kHostIsX87 = LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384 && LDBL_MIN_EXP == -16381 &&
                            std::endian::native == std::endian::little && sizeof(long double) >= kExtendedSize;

bool UsualForm(const std::uint8_t* bytes) {
    const unsigned exponent = (unsigned(bytes[8]) | unsigned(bytes[9]) << 8) & 0x7FFFu;
    const bool integerBit = (bytes[7] & 0x80) != 0;
    return exponent != unsigned(kMaxExponent) && integerBit == (exponent != 0);
}

// Splits a scaled value below 2^64 into its integer part rounded to even.
// Returns false when rounding carried out of 64 bits.
bool RoundToInteger(long double scaled, std::uint64_t& result) {
    const long double whole = std::floor(scaled);
    std::uint64_t n = static_cast<std::uint64_t>(whole);
    const long double rest = scaled - whole;
    if (rest > 0.5L || (rest == 0.5L && (n & 1))) ++n;
    result = n;
    return !(n == 0 && whole != 0);
}

}  // namespace

void EncodeExtended(long double value, std::uint8_t* out) {
    if constexpr (kHostIsX87) {
        std::uint8_t bytes[sizeof(long double)];
        std::memcpy(bytes, &value, sizeof bytes);
        if (UsualForm(bytes)) {
            std::memcpy(out, bytes, kExtendedSize);
            return;
        }
    }
    const bool negative = std::signbit(value);
    if (std::isnan(value)) return Put(out, kIntegerBit | (kIntegerBit >> 1), kMaxExponent, negative);
    if (std::isinf(value)) return Put(out, kIntegerBit, kMaxExponent, negative);
    if (value == 0) return Put(out, 0, 0, negative);

    const long double magnitude = std::fabs(value);
    int e = 0;
    const long double m = std::frexp(magnitude, &e);  // magnitude = m * 2^e, m in [0.5, 1)
    int exponent = e + kBias - 1;
    std::uint64_t significand = 0;
    if (exponent >= 1) {
        if (!RoundToInteger(std::ldexp(m, 64), significand)) {
            significand = kIntegerBit;
            ++exponent;
        }
    } else {
        // Too small for a normal number: a denormal with exponent field 0.
        exponent = 0;
        if (!RoundToInteger(std::ldexp(magnitude, kDenormalScale), significand)) significand = kIntegerBit;
        if (significand & kIntegerBit) exponent = 1;  // rounded up into the normal range
    }
    if (exponent >= kMaxExponent) return Put(out, kIntegerBit, kMaxExponent, negative);
    Put(out, significand, exponent, negative);
}

ExtendedBytes EncodeExtended(long double value) {
    ExtendedBytes bytes{};
    EncodeExtended(value, bytes.data());
    return bytes;
}

long double DecodeExtended(const std::uint8_t* in) {
    if constexpr (kHostIsX87) {
        if (UsualForm(in)) {
            std::uint8_t bytes[sizeof(long double)] = {};
            std::memcpy(bytes, in, kExtendedSize);
            long double value;
            std::memcpy(&value, bytes, sizeof value);
            return value;
        }
    }
    std::uint64_t significand = 0;
    for (int i = 0; i < 8; ++i) significand |= std::uint64_t(in[i]) << (8 * i);
    const unsigned top = unsigned(in[8]) | unsigned(in[9]) << 8;
    const bool negative = (top & 0x8000u) != 0;
    const int exponent = int(top & 0x7FFFu);

    long double value;
    if (exponent == kMaxExponent) {
        value = (significand << 1) == 0 ? std::numeric_limits<long double>::infinity()
                                        : std::numeric_limits<long double>::quiet_NaN();
    } else if (exponent == 0) {
        value = std::ldexp(static_cast<long double>(significand), -kDenormalScale);
    } else {
        value = std::ldexp(static_cast<long double>(significand), exponent - kBias - 63);
    }
    return negative ? -value : value;
}

}  // namespace cgt
