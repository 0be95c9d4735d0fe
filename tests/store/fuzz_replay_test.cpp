// Every input kept for the fuzz targets (seeds and past failures) goes
// through the same checks as the fuzzers, in the normal test run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fuzz_targets.h"

namespace cgt {
namespace {

namespace fs = std::filesystem;

using Target = const char* (*)(const std::uint8_t*, std::size_t);

int Replay(const std::string& target, Target check) {
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

TEST(FuzzReplayTest, LoaderInputs) {
    EXPECT_GT(Replay("load_return", fuzz::LoadReturn), 0);
}

TEST(FuzzReplayTest, DecryptionInputs) {
    EXPECT_GT(Replay("decrypt", fuzz::Decrypt), 0);
}

}  // namespace
}  // namespace cgt
