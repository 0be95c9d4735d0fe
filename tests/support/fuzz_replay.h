#pragma once
// Replays every input kept for a fuzz target (its seeds in fuzz/corpus and
// its past failures in fuzz/regressions) through the target's own check, so
// that the normal test run keeps them passing. The test program defines
// CGT_FUZZ_DIR.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace cgt::test {

using FuzzCheck = const char* (*)(const std::uint8_t*, std::size_t);

// The number of inputs replayed; each failing one fails the test.
inline int ReplayFuzzInputs(const std::string& target, FuzzCheck check) {
    namespace fs = std::filesystem;
    int count = 0;
    for (const char* kind : {"corpus", "regressions"}) {
        const fs::path folder = fs::path(CGT_FUZZ_DIR) / kind / target;
        if (!fs::is_directory(folder)) continue;
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            const char* fault = check(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            EXPECT_EQ(fault, nullptr) << entry.path() << ": " << (fault ? fault : "");
            ++count;
        }
    }
    return count;
}

}  // namespace cgt::test
