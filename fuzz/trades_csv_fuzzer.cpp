// libFuzzer target: the broker's trades reader and the matching on arbitrary text.
#include <cstdio>
#include <cstdlib>

#include "trades_fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const char* fault = cgt::fuzz::TradesCsv(data, size)) {
        std::fprintf(stderr, "trades_csv: %s\n", fault);
        std::abort();
    }
    return 0;
}
