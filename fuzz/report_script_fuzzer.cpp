// libFuzzer target: the report script reader, writer and source form on arbitrary bytes.
#include <cstdio>
#include <cstdlib>

#include "report_script_fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const char* fault = cgt::fuzz::ReportScript(data, size)) {
        std::fprintf(stderr, "report_script: %s\n", fault);
        std::abort();
    }
    return 0;
}
