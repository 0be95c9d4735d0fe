// Every input kept for the trades fuzz target (seeds and past failures)
// goes through the fuzzer's checks in the normal test run.
#include <gtest/gtest.h>

#include "support/fuzz_replay.h"
#include "trades_fuzz_target.h"

namespace cgt {
namespace {

TEST(TradesFuzzReplayTest, KeptInputs) {
    EXPECT_GT(test::ReplayFuzzInputs("trades_csv", fuzz::TradesCsv), 0);
}

}  // namespace
}  // namespace cgt
