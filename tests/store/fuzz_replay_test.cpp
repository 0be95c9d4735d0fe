// Every input kept for the fuzz targets (seeds and past failures) goes
// through the same checks as the fuzzers, in the normal test run.
#include "support/fuzz_replay.h"

#include <gtest/gtest.h>

#include "fuzz_targets.h"

namespace cgt {
namespace {

TEST(FuzzReplayTest, LoaderInputs) {
    EXPECT_GT(test::ReplayFuzzInputs("load_return", fuzz::LoadReturn), 0);
}

TEST(FuzzReplayTest, ModuleSaveInputs) {
    EXPECT_GT(test::ReplayFuzzInputs("module_save", fuzz::LoadAndSaveReturn), 0);
}

TEST(FuzzReplayTest, DecryptionInputs) {
    EXPECT_GT(test::ReplayFuzzInputs("decrypt", fuzz::Decrypt), 0);
}

}  // namespace
}  // namespace cgt
