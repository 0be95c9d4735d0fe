// libFuzzer target: the file cipher's decryption on arbitrary files.
#include <cstdio>
#include <cstdlib>

#include "fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const char* fault = cgt::fuzz::Decrypt(data, size)) {
        std::fprintf(stderr, "decrypt: %s\n", fault);
        std::abort();
    }
    return 0;
}
