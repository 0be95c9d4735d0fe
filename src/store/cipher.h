#pragma once
// The file cipher: two-key Triple DES in ECB mode over the whole content,
// with a final block whose last byte records how many of its bytes are data.
// The encrypted length is always (plain length div 8 + 1) * 8.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "store/cipher_digest.h"

namespace cgt {

class ECipherException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kInvalidFileFormat = "Invalid file format";
inline constexpr std::size_t kDesBlock = 8;

using Bytes = std::vector<std::uint8_t>;

// Encrypts or decrypts whole 8-byte blocks (E(K1) D(K2) E(K1) and back);
// `in.size()` must be a multiple of 8; `out` may be `in`.
class TripleDes {
public:
    explicit TripleDes(const CipherKey& key);
    ~TripleDes();
    TripleDes(const TripleDes&) = delete;
    TripleDes& operator=(const TripleDes&) = delete;

    void Encrypt(const std::uint8_t* in, std::uint8_t* out, std::size_t size);
    void Decrypt(const std::uint8_t* in, std::uint8_t* out, std::size_t size);

private:
    struct Contexts;
    Contexts* ctx_;
};

// Plain bytes to cipher bytes and back, in memory.
Bytes EncryptBytes(std::span<const std::uint8_t> plain, const CipherKey& key);
// Throws ECipherException "Invalid file format" when fewer than 8 bytes are given.
Bytes DecryptBytes(std::span<const std::uint8_t> cipher, const CipherKey& key);
// The same in the bytes given, so that a large return is never held twice.
Bytes EncryptBytes(Bytes&& plain, const CipherKey& key);
Bytes DecryptBytes(Bytes&& cipher, const CipherKey& key);

inline constexpr const char* kWrongKeyOrForeign = "wrong key (identity text) or not a file of this cipher";

// As DecryptBytes, but only for what this writer produces: whole blocks and a
// trailer of zeros after its data. Anything else comes from a wrong key or a
// foreign or damaged file and throws ECipherException kWrongKeyOrForeign
// (a wrong key passes unnoticed only once in 32 or fewer times).
Bytes DecryptBytesChecked(std::span<const std::uint8_t> cipher, const CipherKey& key);

// Reads the input file and creates or truncates the output file; encrypt
// true turns plain into cipher, false cipher into plain. File system errors
// come as std::filesystem::filesystem_error.
void EncryptFile(const std::filesystem::path& input, const std::filesystem::path& output, const CipherKey& key,
                 bool encrypt);

}  // namespace cgt
