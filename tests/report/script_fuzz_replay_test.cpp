// Every input kept for the report script fuzz target still passes its check.
#include <gtest/gtest.h>

#include "report_script_fuzz_target.h"
#include "support/fuzz_replay.h"

namespace cgt::test {
namespace {

TEST(ReportScriptFuzzReplay, KeptInputs) {
    EXPECT_GT(ReplayFuzzInputs("report_script", &fuzz::ReportScript), 0);
}

}  // namespace
}  // namespace cgt::test
