#include "store/cipher.h"

#include <gtest/gtest.h>

// Single DES from the library's low-level interface serves as the reference.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/des.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

namespace cgt {
namespace {

Bytes FromHex(std::string_view hex) {
    Bytes out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(std::uint8_t(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    return out;
}

std::string ToHex(std::span<const std::uint8_t> bytes) {
    static const char* digits = "0123456789abcdef";
    std::string s;
    for (const auto b : bytes) {
        s += digits[b >> 4];
        s += digits[b & 15];
    }
    return s;
}

std::string ToHex(std::string_view bytes) {
    return ToHex(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

CipherKey KeyOf(const Bytes& k1, const Bytes& k2) {
    CipherKey key{};
    std::copy(k1.begin(), k1.end(), key.begin());
    std::copy(k2.begin(), k2.end(), key.begin() + 8);
    return key;
}

Bytes SingleDes(const Bytes& key, const Bytes& block, bool encrypt) {
    DES_cblock k;
    std::copy(key.begin(), key.end(), k);
    DES_key_schedule schedule;
    DES_set_key_unchecked(&k, &schedule);
    DES_cblock in, out;
    std::copy(block.begin(), block.end(), in);
    DES_ecb_encrypt(&in, &out, &schedule, encrypt ? DES_ENCRYPT : DES_DECRYPT);
    return Bytes(out, out + 8);
}

// Published DES answers (FIPS 46-3 worked example and the FIPS 81 / SP 800-17
// known-answer tests); with K1 = K2 the two-key EDE is single DES.
TEST(TripleDesTest, ReproducesPublishedDesVectors) {
    const struct {
        const char* key;
        const char* plain;
        const char* cipher;
    } cases[] = {
        {"133457799bbcdff1", "0123456789abcdef", "85e813540f0ab405"},
        {"0123456789abcdef", "4e6f772069732074", "3fa40e8a984d4815"},
        {"0123456789abcdef", "68652074696d6520", "6a271787ab8883f9"},
        {"0123456789abcdef", "666f7220616c6c20", "893d51ec4b563b53"},
        {"0101010101010101", "8000000000000000", "95f8a5e5dd31d900"},
        {"0101010101010101", "0000000000000001", "166b40b44aba4bd6"},
        {"8001010101010101", "0000000000000000", "95a8d72813daa94d"},
    };
    for (const auto& c : cases) {
        const Bytes k = FromHex(c.key);
        TripleDes des(KeyOf(k, k));
        Bytes block = FromHex(c.plain);
        des.Encrypt(block.data(), block.data(), 8);
        EXPECT_EQ(ToHex(block), c.cipher) << "key " << c.key << " plain " << c.plain;
        des.Decrypt(block.data(), block.data(), 8);
        EXPECT_EQ(ToHex(block), c.plain) << "key " << c.key;
    }
}

TEST(TripleDesTest, IsEncryptK1DecryptK2EncryptK1AndEqualsSingleDesWhenKeysMatch) {
    std::mt19937 rng(7);
    const auto random8 = [&] {
        Bytes b(8);
        for (auto& x : b) x = std::uint8_t(rng());
        return b;
    };
    for (int i = 0; i < 50; ++i) {
        const Bytes k1 = random8(), k2 = random8(), plain = random8();
        const Bytes expected = SingleDes(k1, SingleDes(k2, SingleDes(k1, plain, true), false), true);
        Bytes block = plain;
        TripleDes(KeyOf(k1, k2)).Encrypt(block.data(), block.data(), 8);
        EXPECT_EQ(ToHex(block), ToHex(expected));

        Bytes same = plain;
        TripleDes(KeyOf(k1, k1)).Encrypt(same.data(), same.data(), 8);
        EXPECT_EQ(ToHex(same), ToHex(SingleDes(k1, plain, true)));
    }
}

class FileCipherTest : public ::testing::Test {
protected:
    const CipherKey key = CipherKeyFor("123456789");

    // The last block decrypted without interpreting the trailer.
    Bytes RawLastBlock(const Bytes& cipher) {
        Bytes block(cipher.end() - 8, cipher.end());
        TripleDes(key).Decrypt(block.data(), block.data(), 8);
        return block;
    }
};

TEST_F(FileCipherTest, FinalBlockRecordsTheLengthOfThePartialBlock) {
    const struct {
        std::size_t plain;
        std::size_t cipher;
        std::uint8_t r;
    } cases[] = {{0, 8, 0}, {1, 8, 1}, {7, 8, 7}, {8, 16, 0}, {16, 24, 0}, {17, 24, 1}, {1001, 1008, 1}};
    for (const auto& c : cases) {
        Bytes plain(c.plain);
        for (std::size_t i = 0; i < plain.size(); ++i) plain[i] = std::uint8_t(i * 31 + 5);
        const Bytes cipher = EncryptBytes(plain, key);
        ASSERT_EQ(cipher.size(), c.cipher) << c.plain;
        const Bytes last = RawLastBlock(cipher);
        EXPECT_EQ(last[7], c.r) << c.plain;
        for (std::size_t i = c.r; i < 7; ++i) EXPECT_EQ(last[i], 0) << c.plain << " byte " << i;
        EXPECT_EQ(DecryptBytes(cipher, key), plain) << c.plain;
    }
}

TEST_F(FileCipherTest, BytesAfterTheLastWholeBlockAreIgnored) {
    const Bytes plain = {'a', 'b', 'c'};
    Bytes cipher = EncryptBytes(plain, key);
    ASSERT_EQ(cipher.size(), 8u);
    cipher.insert(cipher.end(), {1, 2, 3, 4});
    EXPECT_EQ(DecryptBytes(cipher, key), plain);
}

TEST_F(FileCipherTest, FewerThanEightBytesAreAnInvalidFileFormat) {
    for (std::size_t n = 0; n < 8; ++n) {
        const Bytes cipher(n, 0x41);
        try {
            DecryptBytes(cipher, key);
            ADD_FAILURE() << n << " bytes accepted";
        } catch (const ECipherException& e) {
            EXPECT_STREQ(e.what(), "Invalid file format");
        }
    }
}

TEST_F(FileCipherTest, ATrailerCountAboveSevenNeverReachesBeyondTheBlock) {
    Bytes block = {1, 2, 3, 4, 5, 6, 7, 200};
    TripleDes(key).Encrypt(block.data(), block.data(), 8);
    Bytes cipher(16, 0);
    std::copy(block.begin(), block.end(), cipher.begin() + 8);
    const Bytes plain = DecryptBytes(cipher, key);
    ASSERT_EQ(plain.size(), 15u);
    EXPECT_EQ(Bytes(plain.begin() + 8, plain.end()), Bytes({1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(FileCipherTest, WrongKeyGivesOtherBytesNotAnError) {
    const Bytes plain(40, 'x');
    const Bytes cipher = EncryptBytes(plain, key);
    const Bytes other = DecryptBytes(cipher, CipherKeyFor("987654321"));
    EXPECT_NE(Bytes(other.begin(), other.begin() + std::min<std::ptrdiff_t>(32, std::ptrdiff_t(other.size()))),
              Bytes(plain.begin(), plain.begin() + std::min<std::ptrdiff_t>(32, std::ptrdiff_t(other.size()))));
}

// The checked decryption takes only what this writer produces.
TEST_F(FileCipherTest, CheckedDecryptionRefusesWhatThisWriterNeverWrites) {
    const Bytes plain = {'r', 'e', 't', 'u', 'r', 'n', '!', '!', '!', '!'};
    const Bytes cipher = EncryptBytes(plain, key);
    EXPECT_EQ(DecryptBytesChecked(cipher, key), plain);
    EXPECT_EQ(DecryptBytesChecked(EncryptBytes(Bytes{}, key), key), Bytes{});

    Bytes badTrailer = {1, 2, 3, 0, 0, 0, 9, 3};  // a non-zero byte after the data
    TripleDes(key).Encrypt(badTrailer.data(), badTrailer.data(), 8);
    Bytes longCount = {0, 0, 0, 0, 0, 0, 0, 8};
    TripleDes(key).Encrypt(longCount.data(), longCount.data(), 8);
    Bytes odd = cipher;
    odd.push_back(0);
    const struct {
        const char* what;
        Bytes cipher;
        CipherKey key;
        const char* message;
    } cases[] = {
        {"wrong key", cipher, CipherKeyFor("987654321"), kWrongKeyOrForeign},
        {"another wrong key", cipher, CipherKeyFor("1"), kWrongKeyOrForeign},
        {"padding not zero", badTrailer, key, kWrongKeyOrForeign},
        {"count above 7", longCount, key, kWrongKeyOrForeign},
        {"not whole blocks", odd, key, kWrongKeyOrForeign},
        {"short", Bytes(7, 1), key, kInvalidFileFormat},
    };
    for (const auto& c : cases) {
        try {
            DecryptBytesChecked(c.cipher, c.key);
            ADD_FAILURE() << c.what << " accepted";
        } catch (const ECipherException& e) {
            EXPECT_STREQ(e.what(), c.message) << c.what;
        }
    }
}

class EncryptFileTest : public FileCipherTest {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("cgt_cipher_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    void Write(const std::filesystem::path& p, const Bytes& b) {
        std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
    }
    Bytes Read(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    std::filesystem::path dir;
};

// Sizes around the chunk the file variant works in must give what the
// in-memory variant gives.
TEST_F(EncryptFileTest, FilesMatchTheInMemoryCipherAcrossChunkBoundaries) {
    for (const std::size_t n : {std::size_t(0), std::size_t(5), std::size_t(65528), std::size_t(65536),
                                std::size_t(65543), std::size_t(65544), std::size_t(200003)}) {
        Bytes plain(n);
        for (std::size_t i = 0; i < n; ++i) plain[i] = std::uint8_t((i * 7) ^ (i >> 8));
        Write(dir / "plain", plain);
        EncryptFile(dir / "plain", dir / "cipher", key, true);
        EXPECT_EQ(Read(dir / "cipher"), EncryptBytes(plain, key)) << n;
        EncryptFile(dir / "cipher", dir / "back", key, false);
        EXPECT_EQ(Read(dir / "back"), plain) << n;
    }
}

TEST_F(EncryptFileTest, ShortCipherFileAndMissingInputFail) {
    Write(dir / "short", Bytes(5, 1));
    EXPECT_THROW(EncryptFile(dir / "short", dir / "out", key, false), ECipherException);
    EXPECT_THROW(EncryptFile(dir / "missing", dir / "out", key, true), std::filesystem::filesystem_error);
    EXPECT_THROW(EncryptFile(dir / "short", dir / "no" / "such" / "folder", key, true),
                 std::filesystem::filesystem_error);
}

TEST(KeyDigestTest, PinnedDigests) {
    // Worked out with a separate implementation written from the algorithm's description.
    const struct {
        const char* text;
        const char* key;
    } cases[] = {
        {"", "0bd132aa831c56ac1f92e61084a342d2"},
        {"0", "d049a4856c780ba4b97f0adb6fdc123a"},
        {"12345678", "b71bccfc7a8c64aae7e3b7c6716ad7d6"},  // fills the key bytes: eight finishing bytes
        {"123456789", "c19b40cfe741e4dd0f903f1a60c9af50"},
        {"0123456789012345", "13588b02ae65b17b6ed6c08023adbdc5"},
        {"98765432101234567890", "594e36128e522b0a547f632ffcb4984b"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToHex(KeyDigest(c.text, 16)), c.key) << '"' << c.text << '"';
        const CipherKey key = CipherKeyFor(c.text);
        EXPECT_EQ(ToHex(key), c.key);
    }
    EXPECT_EQ(ToHex(KeyDigest("42", 256)).substr(0, 64),
              "f44336a9b73065e2bd4a7df53b40cd81a6a89c936b71e2568aa1ab9107a9bd19");
    EXPECT_EQ(ToHex(KeyDigest("42", 256)).substr(448),
              "9db9066dfae969b27e0197d21fd5fd561e2ee75f659a120d25d933fee72bcebc");
    EXPECT_EQ(KeyDigest("42", 256).size(), 256u);
    EXPECT_EQ(KeyDigest("42", 5), KeyDigest("42", 256).substr(0, 5));
    EXPECT_THROW(KeyDigest("42", 257), std::invalid_argument);
}

TEST(KeyDigestTest, KeyTextIsTheDigitsInOrder) {
    EXPECT_EQ(KeyText("TFN 123-456 789 / Smith, J. 2003"), "1234567892003");
    EXPECT_EQ(KeyText("no digits"), "");
    EXPECT_EQ(KeyText("\xB9\xB2\xB3 5"), "5");  // superscript digits of Windows-1252 are not digits
}

// The table is checked against the Bailey-Borwein-Plouffe digit formula.
TEST(KeyDigestTest, DigestStartsFromTheHexDigitsOfPi) {
    const auto series = [](int j, int n) {
        long double s = 0;
        for (int k = 0; k <= n; ++k) {
            const long long r = 8LL * k + j;
            long long p = 1, base = 16 % r, e = n - k;
            while (e > 0) {
                if (e & 1) p = p * base % r;
                base = base * base % r;
                e >>= 1;
            }
            s += static_cast<long double>(p) / static_cast<long double>(r);
            s -= std::floor(s);
        }
        long double t = 0;
        for (int k = n + 1; k <= n + 30; ++k) t += std::pow(16.0L, static_cast<long double>(n - k)) / (8.0L * k + j);
        return s + t;
    };
    const auto& table = PiFractionBytes();
    for (int byte = 0; byte < 256; ++byte) {
        int value = 0;
        for (int half = 0; half < 2; ++half) {
            const int n = 2 * byte + half;
            long double x = 4 * series(1, n) - 2 * series(4, n) - series(5, n) - series(6, n);
            x -= std::floor(x);
            value = value * 16 + int(x * 16);
        }
        ASSERT_EQ(table[std::size_t(byte)], value) << "byte " << byte;
    }
}

TEST(MixCipherTest, DecryptionUndoesEncryptionAndRoundsAreClamped) {
    const std::array<std::uint32_t, 4> key = {0x01234567u, 0x89ABCDEFu, 0xFEDCBA98u, 0x76543210u};
    for (const int rounds : {1, 4, 8, 16, 40}) {
        const MixCipher enc(key, rounds, true), dec(key, rounds, false);
        EXPECT_EQ(enc.Rounds(), std::clamp(rounds, 4, 16));
        std::uint8_t block[16], original[16];
        for (int i = 0; i < 16; ++i) original[i] = block[i] = std::uint8_t(i * 17 + rounds);
        enc.Block(block);
        EXPECT_NE(std::memcmp(block, original, 16), 0);
        dec.Block(block);
        EXPECT_EQ(std::memcmp(block, original, 16), 0) << rounds;
    }
}

// Encrypting or decrypting in the bytes given gives what the copying forms
// give, at every length around a block.
TEST(CipherInPlaceTest, GivesWhatTheCopyGives) {
    const CipherKey key = CipherKeyFor("123456789");
    for (std::size_t n = 0; n <= 33; ++n) {
        Bytes plain(n);
        for (std::size_t i = 0; i < n; ++i) plain[i] = std::uint8_t(i * 37 + 11);
        const Bytes cipher = EncryptBytes(std::span<const std::uint8_t>(plain), key);
        EXPECT_EQ(EncryptBytes(Bytes(plain), key), cipher) << n;
        Bytes withTail = cipher;
        withTail.insert(withTail.end(), n % 8, 0xAB);  // bytes after the last whole block are ignored
        EXPECT_EQ(DecryptBytes(Bytes(withTail), key), plain) << n;
        EXPECT_EQ(DecryptBytes(std::span<const std::uint8_t>(withTail), key), plain) << n;
    }
    EXPECT_THROW(DecryptBytes(Bytes(7, 0), key), ECipherException);
}

}  // namespace
}  // namespace cgt
