#include "store/cipher.h"

#include <openssl/evp.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <system_error>

namespace cgt {
namespace {

// Work on many blocks per library call; the trailer is handled on its own.
constexpr std::size_t kChunk = 64 * 1024;

EVP_CIPHER_CTX* NewContext(const CipherKey& key, bool encrypt) {
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    if (!ctx) throw std::bad_alloc();
    // Two-key EDE: K1 = bytes 0-7, K2 = bytes 8-15, and K1 again as the third key.
    if (EVP_CipherInit_ex(ctx, EVP_des_ede_ecb(), nullptr, key.data(), nullptr, encrypt ? 1 : 0) != 1 ||
        EVP_CIPHER_CTX_set_padding(ctx, 0) != 1) {
        EVP_CIPHER_CTX_free(ctx);
        throw ECipherException("Triple DES is not available");
    }
    return ctx;
}

void Run(EVP_CIPHER_CTX* ctx, const std::uint8_t* in, std::uint8_t* out, std::size_t size) {
    while (size > 0) {
        const std::size_t n = std::min(size, std::size_t(1) << 30);
        int written = 0;
        if (EVP_CipherUpdate(ctx, out, &written, in, int(n)) != 1 || std::size_t(written) != n)
            throw ECipherException("Triple DES failed");
        in += n;
        out += n;
        size -= n;
    }
}

// The final block: the r remaining bytes, zeros, and r in byte 7.
std::array<std::uint8_t, kDesBlock> Trailer(const std::uint8_t* rest, std::size_t r) {
    std::array<std::uint8_t, kDesBlock> block{};
    std::copy(rest, rest + r, block.begin());
    block[7] = std::uint8_t(r);
    return block;
}

// Byte 7 of a decrypted trailer above 7 comes only from a wrong key or a
// damaged file; at most the 7 bytes before it can be data.
std::size_t TrailerLength(const std::array<std::uint8_t, kDesBlock>& block) {
    return std::min<std::size_t>(block[7], kDesBlock - 1);
}

[[noreturn]] void ThrowFileError(const std::string& what, const std::filesystem::path& path) {
    throw std::filesystem::filesystem_error(what, path, std::error_code(errno ? errno : EIO, std::generic_category()));
}

}  // namespace

struct TripleDes::Contexts {
    EVP_CIPHER_CTX* enc = nullptr;
    EVP_CIPHER_CTX* dec = nullptr;
};

TripleDes::TripleDes(const CipherKey& key) : ctx_(new Contexts) {
    try {
        ctx_->enc = NewContext(key, true);
        ctx_->dec = NewContext(key, false);
    } catch (...) {
        EVP_CIPHER_CTX_free(ctx_->enc);
        delete ctx_;
        throw;
    }
}

TripleDes::~TripleDes() {
    EVP_CIPHER_CTX_free(ctx_->enc);
    EVP_CIPHER_CTX_free(ctx_->dec);
    delete ctx_;
}

void TripleDes::Encrypt(const std::uint8_t* in, std::uint8_t* out, std::size_t size) {
    Run(ctx_->enc, in, out, size);
}

void TripleDes::Decrypt(const std::uint8_t* in, std::uint8_t* out, std::size_t size) {
    Run(ctx_->dec, in, out, size);
}

Bytes EncryptBytes(std::span<const std::uint8_t> plain, const CipherKey& key) {
    Bytes copy;
    copy.reserve(plain.size() + kDesBlock);
    copy.assign(plain.begin(), plain.end());
    return EncryptBytes(std::move(copy), key);
}

Bytes DecryptBytes(std::span<const std::uint8_t> cipher, const CipherKey& key) {
    return DecryptBytes(Bytes(cipher.begin(), cipher.end()), key);
}

Bytes EncryptBytes(Bytes&& plain, const CipherKey& key) {
    TripleDes des(key);
    const std::size_t whole = plain.size() / kDesBlock * kDesBlock;
    const auto trailer = Trailer(plain.data() + whole, plain.size() - whole);
    des.Encrypt(plain.data(), plain.data(), whole);
    plain.resize(whole + kDesBlock);
    des.Encrypt(trailer.data(), plain.data() + whole, kDesBlock);
    return std::move(plain);
}

Bytes DecryptBytes(Bytes&& cipher, const CipherKey& key) {
    const std::size_t q = cipher.size() / kDesBlock;
    if (q == 0) throw ECipherException(kInvalidFileFormat);
    TripleDes des(key);
    const std::size_t body = (q - 1) * kDesBlock;
    std::array<std::uint8_t, kDesBlock> trailer;
    des.Decrypt(cipher.data() + body, trailer.data(), kDesBlock);
    const std::size_t r = TrailerLength(trailer);
    des.Decrypt(cipher.data(), cipher.data(), body);
    std::copy(trailer.begin(), trailer.begin() + std::ptrdiff_t(r), cipher.begin() + std::ptrdiff_t(body));
    cipher.resize(body + r);
    return std::move(cipher);
}

Bytes DecryptBytesChecked(std::span<const std::uint8_t> cipher, const CipherKey& key) {
    if (cipher.size() < kDesBlock) throw ECipherException(kInvalidFileFormat);
    if (cipher.size() % kDesBlock != 0) throw ECipherException(kWrongKeyOrForeign);
    std::array<std::uint8_t, kDesBlock> trailer;
    TripleDes(key).Decrypt(cipher.data() + cipher.size() - kDesBlock, trailer.data(), kDesBlock);
    if (trailer[7] >= kDesBlock ||
        std::any_of(trailer.begin() + trailer[7], trailer.begin() + 7, [](auto b) { return b != 0; }))
        throw ECipherException(kWrongKeyOrForeign);
    return DecryptBytes(cipher, key);
}

void EncryptFile(const std::filesystem::path& input, const std::filesystem::path& output, const CipherKey& key,
                 bool encrypt) {
    std::ifstream in(input, std::ios::binary);
    if (!in) ThrowFileError("cannot open", input);
    errno = 0;
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    if (!out) ThrowFileError("cannot create", output);

    TripleDes des(key);
    // Blocks are processed a chunk at a time; one whole block is always held
    // back, since it may be the last (the trailer when decrypting).
    Bytes buffer(kChunk + kDesBlock);
    std::size_t held = 0;  // bytes in the buffer not yet processed
    for (;;) {
        in.read(reinterpret_cast<char*>(buffer.data() + held), std::streamsize(buffer.size() - held));
        const std::size_t got = std::size_t(in.gcount());
        if (in.bad()) ThrowFileError("cannot read", input);
        held += got;
        const bool end = in.eof();
        if (end) break;
        // Keep at least one whole block (and the odd bytes) back.
        const std::size_t whole = held / kDesBlock * kDesBlock;
        const std::size_t process = whole >= kDesBlock ? whole - kDesBlock : 0;
        if (encrypt)
            des.Encrypt(buffer.data(), buffer.data(), process);
        else
            des.Decrypt(buffer.data(), buffer.data(), process);
        out.write(reinterpret_cast<const char*>(buffer.data()), std::streamsize(process));
        std::copy(buffer.begin() + std::ptrdiff_t(process), buffer.begin() + std::ptrdiff_t(held), buffer.begin());
        held -= process;
    }

    const std::span<const std::uint8_t> rest(buffer.data(), held);
    const Bytes tail = encrypt ? EncryptBytes(rest, key) : DecryptBytes(rest, key);
    out.write(reinterpret_cast<const char*>(tail.data()), std::streamsize(tail.size()));
    out.flush();
    if (!out) ThrowFileError("cannot write", output);
}

}  // namespace cgt
