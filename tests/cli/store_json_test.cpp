#include "store_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/clock.h"
#include "support/scripted_dialogs.h"

namespace cgt::cli {
namespace {

class StoreJsonTest : public ::testing::Test {
protected:
    ModuleRun& Fresh() {
        runs.push_back(std::make_unique<ModuleRun>(dialogs, clock));
        return *runs.back();
    }
    std::string ErrorOf(const char* text) {
        try {
            StoreFromJson(nlohmann::ordered_json::parse(text), Fresh());
        } catch (const JsonStoreError& e) {
            return e.what();
        }
        return "";
    }

    test::ScriptedDialogs dialogs;
    FixedClock clock{2003, 7, 1};
    std::vector<std::unique_ptr<ModuleRun>> runs;
};

// Values no JSON number can hold, as a damaged file may carry them, and
// Windows-1252 text both ways.
TEST_F(StoreJsonTest, SpecialNumbersAndTextSurviveTheRoundTrip) {
    ModuleRun& run = Fresh();
    run.store().SetFieldVal(300, std::numeric_limits<long double>::quiet_NaN());
    run.store().SetFieldVal(301, -std::numeric_limits<long double>::infinity());
    run.store().SetFieldStr(302, "caf\xE9 \x80 5");  // e-acute and the euro sign
    const auto json = StoreToJson(run);
    EXPECT_EQ(json["fields"]["300"]["value"], "NaN");
    EXPECT_EQ(json["fields"]["301"]["value"], "-Infinity");
    EXPECT_EQ(json["fields"]["302"]["value"], "caf\xC3\xA9 \xE2\x82\xAC 5");

    ModuleRun& back = Fresh();
    StoreFromJson(json, back);
    EXPECT_TRUE(std::isnan(back.store().GetFieldVal(300)));
    EXPECT_EQ(back.store().GetFieldVal(301), -std::numeric_limits<long double>::infinity());
    EXPECT_EQ(back.store().GetFieldStr(302), "caf\xE9 \x80 5");
    EXPECT_EQ(StoreToJson(back).dump(), json.dump());
}

TEST_F(StoreJsonTest, RejectsWhatTheStoreCannotHold) {
    const struct {
        const char* json;
        const char* error;
    } cases[] = {
        {R"([1])", "expected an object"},
        {R"({"feilds": {}})", "unknown key \"feilds\""},
        {R"({"fields": {"abc": 1}})", "\"abc\" is not a whole number"},
        {R"({"fields": {"0": 1}})", "0 is outside 1 to 1999"},
        {R"({"fields": {"300": {"value": 1}}})", "\"type\" missing"},
        {R"({"fields": {"300": {"type": "dtCurrency", "value": "x"}}})", "expected a number"},
        {R"({"fields": {"300": {"type": "dtCheckbox", "value": 1}}})", "expected true or false"},
        {R"({"fields": {"300": {"type": "dtCurrency", "value": 1, "extra": 2}}})", "unexpected key \"extra\""},
        {R"({"fields": {"300": {"type": "dtWorksheet"}}})", "worksheets belong under \"worksheets\""},
        {R"({"fields": {"300": "\u4e2d"}})", "outside Windows-1252"},
        {R"({"fields": {"1202": 5}, "worksheets": {"451": []}})", "field 1202 is also under \"fields\""},
        {R"({"worksheets": {"1249": []}})", "1249 is outside -750 to 1248"},
        {R"({"worksheets": {"451": [5]}})", "expected an object of tags"},
        {R"({"history": [1.5]})", "expected a whole number"},
        {R"({"position": {"section": 3000000000}})", "outside"},
    };
    for (const auto& c : cases)
        EXPECT_NE(ErrorOf(c.json).find(c.error), std::string::npos) << c.json << "\n" << ErrorOf(c.json);
}

}  // namespace
}  // namespace cgt::cli
