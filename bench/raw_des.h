#pragma once
// OpenSSL's two-key Triple DES in ECB mode with nothing around it: the floor
// our cipher and data file are measured against.
#include <openssl/evp.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "store/cipher_digest.h"

namespace cgt::bench {

inline void RawDesEde(const CipherKey& key, const std::vector<std::uint8_t>& in, std::vector<std::uint8_t>& out,
                      bool encrypt) {
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    int n = 0;
    const bool ok = EVP_CipherInit_ex(ctx, EVP_des_ede_ecb(), nullptr, key.data(), nullptr, encrypt) == 1 &&
                    EVP_CIPHER_CTX_set_padding(ctx, 0) == 1 &&
                    EVP_CipherUpdate(ctx, out.data(), &n, in.data(), int(in.size())) == 1;
    EVP_CIPHER_CTX_free(ctx);
    if (!ok) throw std::runtime_error("Triple DES failed");
}

}  // namespace cgt::bench
