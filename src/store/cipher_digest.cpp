#include "store/cipher_digest.h"

#include <algorithm>
#include <stdexcept>

namespace cgt {
namespace {

using u32 = std::uint32_t;

// The 24-step mixing round on four words; step 21 shifts A, not B.
void MixRound(u32& a, u32& b, u32& c, u32& d) {
    d += a;
    a += d;
    d ^= d >> 7;
    c += d;
    d += c;
    c ^= c << 13;
    b += c;
    c += b;
    b ^= b >> 17;
    a += b;
    b += a;
    a ^= a << 9;
    d += a;
    a += d;
    d ^= d >> 3;
    c += d;
    d += c;
    c ^= c << 7;
    b += c;
    c += b;
    b ^= a >> 15;
    a += b;
    b += a;
    a ^= a << 11;
}

u32 LoadWord(const std::uint8_t* p) {
    return u32(p[0]) | u32(p[1]) << 8 | u32(p[2]) << 16 | u32(p[3]) << 24;
}

void StoreWord(std::uint8_t* p, u32 w) {
    p[0] = std::uint8_t(w);
    p[1] = std::uint8_t(w >> 8);
    p[2] = std::uint8_t(w >> 16);
    p[3] = std::uint8_t(w >> 24);
}

struct DigestState {
    std::size_t index = 0;
    std::array<std::uint8_t, 256> digest = PiFractionBytes();
    int keyIndex = 0;
    std::array<u32, 4> w{0x55555555u, 0x55555555u, 0x55555555u, 0x55555555u};

    void MixKeyWords() {
        u32 a = w[0], b = w[1], c = w[2], d = w[3];
        for (int i = 0; i < 4; ++i) MixRound(a, b, c, d);
        w = {d, c, b, a};
    }

    void Feed(std::uint8_t x) {
        digest[index] ^= x;
        index = (index + 1) % digest.size();
        // Key bytes 0-3 are W0 from its low byte up, 4-7 are W1.
        const int word = keyIndex / 4;
        const int shift = (keyIndex % 4) * 8;
        w[std::size_t(word)] ^= u32(x) << shift;
        if (++keyIndex == 8) {
            MixKeyWords();
            keyIndex = 0;
        }
    }
};

}  // namespace

const std::array<std::uint8_t, 256>& PiFractionBytes() {
    static const std::array<std::uint8_t, 256> bytes = {
        0x24, 0x3F, 0x6A, 0x88, 0x85, 0xA3, 0x08, 0xD3, 0x13, 0x19, 0x8A, 0x2E, 0x03, 0x70, 0x73, 0x44, 0xA4, 0x09,
        0x38, 0x22, 0x29, 0x9F, 0x31, 0xD0, 0x08, 0x2E, 0xFA, 0x98, 0xEC, 0x4E, 0x6C, 0x89, 0x45, 0x28, 0x21, 0xE6,
        0x38, 0xD0, 0x13, 0x77, 0xBE, 0x54, 0x66, 0xCF, 0x34, 0xE9, 0x0C, 0x6C, 0xC0, 0xAC, 0x29, 0xB7, 0xC9, 0x7C,
        0x50, 0xDD, 0x3F, 0x84, 0xD5, 0xB5, 0xB5, 0x47, 0x09, 0x17, 0x92, 0x16, 0xD5, 0xD9, 0x89, 0x79, 0xFB, 0x1B,
        0xD1, 0x31, 0x0B, 0xA6, 0x98, 0xDF, 0xB5, 0xAC, 0x2F, 0xFD, 0x72, 0xDB, 0xD0, 0x1A, 0xDF, 0xB7, 0xB8, 0xE1,
        0xAF, 0xED, 0x6A, 0x26, 0x7E, 0x96, 0xBA, 0x7C, 0x90, 0x45, 0xF1, 0x2C, 0x7F, 0x99, 0x24, 0xA1, 0x99, 0x47,
        0xB3, 0x91, 0x6C, 0xF7, 0x08, 0x01, 0xF2, 0xE2, 0x85, 0x8E, 0xFC, 0x16, 0x63, 0x69, 0x20, 0xD8, 0x71, 0x57,
        0x4E, 0x69, 0xA4, 0x58, 0xFE, 0xA3, 0xF4, 0x93, 0x3D, 0x7E, 0x0D, 0x95, 0x74, 0x8F, 0x72, 0x8E, 0xB6, 0x58,
        0x71, 0x8B, 0xCD, 0x58, 0x82, 0x15, 0x4A, 0xEE, 0x7B, 0x54, 0xA4, 0x1D, 0xC2, 0x5A, 0x59, 0xB5, 0x9C, 0x30,
        0xD5, 0x39, 0x2A, 0xF2, 0x60, 0x13, 0xC5, 0xD1, 0xB0, 0x23, 0x28, 0x60, 0x85, 0xF0, 0xCA, 0x41, 0x79, 0x18,
        0xB8, 0xDB, 0x38, 0xEF, 0x8E, 0x79, 0xDC, 0xB0, 0x60, 0x3A, 0x18, 0x0E, 0x6C, 0x9E, 0x0E, 0x8B, 0xB0, 0x1E,
        0x8A, 0x3E, 0xD7, 0x15, 0x77, 0xC1, 0xBD, 0x31, 0x4B, 0x27, 0x78, 0xAF, 0x2F, 0xDA, 0x55, 0x60, 0x5C, 0x60,
        0xE6, 0x55, 0x25, 0xF3, 0xAA, 0x55, 0xAB, 0x94, 0x57, 0x48, 0x98, 0x62, 0x63, 0xE8, 0x14, 0x40, 0x55, 0xCA,
        0x39, 0x6A, 0x2A, 0xAB, 0x10, 0xB6, 0xB4, 0xCC, 0x5C, 0x34, 0x11, 0x41, 0xE8, 0xCE, 0xA1, 0x54, 0x86, 0xAF,
        0x7C, 0x72, 0xE9, 0x93,
    };
    return bytes;
}

MixCipher::MixCipher(const std::array<u32, 4>& key, int rounds, bool encrypt)
    : encrypt_(encrypt), rounds_(std::clamp(rounds, 4, 16)) {
    static constexpr u32 kSalt[4] = {0x55555555u, 0xAAAAAAAAu, 0x33333333u, 0xCCCCCCCCu};
    for (int i = 0; i < 4; ++i) {
        const u32 s = kSalt[i];
        u32 a = key[0], b = s, c = key[1], d = s, e = key[2], f = s, g = key[3], h = s;
        for (int n = 0; n < 8; ++n) {
            a ^= b << 11;
            d += a;
            b += c;
            b ^= c >> 2;
            e += b;
            c += d;
            c ^= d << 8;
            f += c;
            d += e;
            d ^= e >> 16;
            g += d;
            e += f;
            e ^= f << 10;
            h += e;
            f += g;
            f ^= g >> 4;
            a += f;
            g += h;
            g ^= h << 8;
            b += g;
            h += a;
            h ^= a >> 9;
            c += h;
            a += b;
        }
        u32* out = &subkeys_[std::size_t(8 * i)];
        out[0] = a;
        out[1] = b;
        out[2] = c;
        out[3] = d;
        out[4] = e;
        out[5] = f;
        out[6] = g;
        out[7] = h;
    }
}

void MixCipher::Block(std::uint8_t* block) const {
    u32 x0 = LoadWord(block), x1 = LoadWord(block + 4), x2 = LoadWord(block + 8), x3 = LoadWord(block + 12);
    for (int r = 0; r < rounds_; ++r) {
        const int pair = encrypt_ ? r : rounds_ - 1 - r;
        const u32 low = subkeys_[std::size_t(2 * pair)];
        const u32 high = subkeys_[std::size_t(2 * pair + 1)];
        u32 a = high, b = x1, c = low, d = x0;
        MixRound(a, b, c, d);
        // Rename (A, B, C, D) = (old C, old D, old A, old B).
        std::swap(a, c);
        std::swap(b, d);
        MixRound(a, b, c, d);
        d ^= x2;
        c ^= d;
        b ^= x3;
        a ^= b;
        const u32 oldX0 = x0, oldX1 = x1;
        x0 = c;
        x1 = a;
        x2 = oldX0;
        x3 = oldX1;
    }
    StoreWord(block, x2);
    StoreWord(block + 4, x3);
    StoreWord(block + 8, x0);
    StoreWord(block + 12, x1);
}

std::string KeyText(std::string_view text) {
    std::string digits;
    for (const char ch : text)
        if (ch >= '0' && ch <= '9') digits += ch;
    return digits;
}

std::string KeyDigest(std::string_view text, std::size_t size) {
    if (size > 256) throw std::invalid_argument("KeyDigest: size above 256");
    DigestState st;
    for (const char ch : text) st.Feed(static_cast<std::uint8_t>(ch));
    // The finishing bytes make sure the key words are mixed once more.
    const int pad = 8 - st.keyIndex;
    for (int i = 0; i < pad; ++i) st.Feed(i == 0 ? 1 : 0);

    const MixCipher cipher(st.w, 8, true);
    for (std::size_t off = 0; off < st.digest.size(); off += 16) cipher.Block(&st.digest[off]);
    return std::string(reinterpret_cast<const char*>(st.digest.data()), size);
}

CipherKey CipherKeyFor(std::string_view keyText) {
    const std::string digest = KeyDigest(keyText, kCipherKeySize);
    CipherKey key{};
    std::copy(digest.begin(), digest.end(), reinterpret_cast<char*>(key.data()));
    return key;
}

}  // namespace cgt
