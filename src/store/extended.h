#pragma once
// The 10-byte extended-precision number of the data file: the x87 layout
// (64-bit significand with an explicit integer bit, then 15-bit biased
// exponent and sign), little-endian. Written and read from the value alone,
// never from the host's own long double bytes, so files match everywhere.
#include <array>
#include <cstdint>

namespace cgt {

inline constexpr int kExtendedSize = 10;
using ExtendedBytes = std::array<std::uint8_t, kExtendedSize>;

// Rounds to nearest-even where the host's long double is wider than 64 bits.
ExtendedBytes EncodeExtended(long double value);
void EncodeExtended(long double value, std::uint8_t* out);

// Any 10 bytes decode to some value (unnormals read as their plain value).
long double DecodeExtended(const std::uint8_t* in);
inline long double DecodeExtended(const ExtendedBytes& in) {
    return DecodeExtended(in.data());
}

}  // namespace cgt
