// libFuzzer target: the data file reader on arbitrary content.
#include <cstdio>
#include <cstdlib>

#include "fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const char* fault = cgt::fuzz::LoadReturn(data, size)) {
        std::fprintf(stderr, "load_return: %s\n", fault);
        std::abort();
    }
    return 0;
}
