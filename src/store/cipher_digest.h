#pragma once
// The key of the file cipher is never stored: it is derived from the key
// text (the digits of the return's identity text) by this digest, a 256-byte
// state folded through a small 128-bit block cipher.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace cgt {

inline constexpr std::size_t kCipherKeySize = 16;
using CipherKey = std::array<std::uint8_t, kCipherKeySize>;

// The decimal digits of a text, in order; every other character dropped.
std::string KeyText(std::string_view text);

// The first `size` bytes (at most 256) of the digest of the text's bytes.
std::string KeyDigest(std::string_view text, std::size_t size);

// The 16-byte two-key Triple DES key for a key text (bytes 0-7 are K1, 8-15 K2).
CipherKey CipherKeyFor(std::string_view keyText);

// The 128-bit block cipher the digest uses. Kept public so that its inverse
// can be checked.
class MixCipher {
public:
    MixCipher(const std::array<std::uint32_t, 4>& key, int rounds, bool encrypt);
    // Transforms one 16-byte block in place (little-endian words).
    void Block(std::uint8_t* block) const;
    int Rounds() const { return rounds_; }

private:
    bool encrypt_;
    int rounds_;
    std::array<std::uint32_t, 32> subkeys_{};
};

// The first 256 bytes of the fractional part of pi in hexadecimal.
const std::array<std::uint8_t, 256>& PiFractionBytes();

}  // namespace cgt
