// libFuzzer target: the module's load and save of a return on arbitrary content.
#include <cstdio>
#include <cstdlib>

#include "fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const char* fault = cgt::fuzz::LoadAndSaveReturn(data, size)) {
        std::fprintf(stderr, "module_save: %s\n", fault);
        std::abort();
    }
    return 0;
}
