#include "store_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

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

// Written a piece at a time, the text is the whole document's, whatever
// the lists hold: gaps between instances, items of no instance, a list
// whose instances are out of order, a tag twice in an instance.
TEST_F(StoreJsonTest, WrittenAsItIsMadeTheTextIsTheDocuments) {
    ModuleRun& run = Fresh();
    FieldStore& store = run.store();
    run.section = 20;
    run.history = {2004, 2009};
    store.SetFieldStr(1, "42");
    store.SetFieldVal(300, 12.5L);
    store.SetFieldLst(399, std::make_shared<TextList>(TextList{"a", ""}));
    store.SetFieldChecked(170);
    const auto item = [](int instance, int tag, long double v) {
        Slot s;
        s.type = dtCurrency;
        s.number = v;
        return WorksheetItem{std::uint16_t(instance), tag, s};
    };
    auto shares = store.EnsureWorksheetList(451);
    for (const auto& i : {item(0, 710, 1), item(1, 710, 2), item(1, 711, 3), item(1, 710, 4), item(4, 710, 5)})
        shares->push_back(i);
    auto trusts = store.EnsureWorksheetList(452);
    for (const auto& i : {item(2, 710, 1), item(1, 710, 2), item(2, 711, 3)}) trusts->push_back(i);
    store.EnsureWorksheetList(453);
    store.MutableSlotAt(454 + kWorksheetTagOffset).type = dtWorksheet;  // no list at all
    for (int pass = 0; pass < 2; ++pass) {
        std::ostringstream streamed;
        WriteStoreJson(run, streamed);
        EXPECT_EQ(streamed.str(), StoreToJson(run).dump(2));
        shares->Pack();
        trusts->Pack();
    }
    std::ostringstream empty;
    WriteStoreJson(Fresh(), empty);
    EXPECT_EQ(empty.str(), StoreToJson(Fresh()).dump(2));
}

// Read as it comes, a text gives the store, or the first fault, that the
// whole document gives.
TEST_F(StoreJsonTest, ReadAsItComesTheTextIsTheDocuments) {
    std::string manyInstances = R"({"worksheets": {"451": [)";
    for (int n = 0; n < 65536; ++n) manyInstances += n ? ",{}" : R"({"710": "x"})";
    manyInstances += "]}}";
    // The first fault of each, worked from the order the whole document is
    // checked in (top keys, position, history, fields, worksheets).
    const struct {
        std::string text;
        std::string fault;
    } cases[] = {
        {R"({"position": {"section": 2, "index": 3}, "history": [1, 2], "fields": {"300": 5, "301": "abc"}})", ""},
        {R"({"worksheets": {"451": [{"710": 1}, {}, {"710": 2, "711": 3}]}, "fields": {"1202": 1}})",
         R"(worksheets."451": field 1202 is also under "fields")"},
        {R"({"worksheets": {"451": [{"710": 1}], "452": [[1]], "453": [{"711": true}]}})",
         R"(worksheets."452"[0]: expected an object of tags)"},
        {R"({"worksheets": {"abc": 5, "451": [{"9999": 1}]}})", R"(worksheets."abc": "abc" is not a whole number)"},
        {R"({"worksheets": {"451": [5, {"9999": 1}]}})", R"(worksheets."451"[0]: expected an object of tags)"},
        {R"({"worksheets": {"451": {"710": 1}}})", R"(worksheets."451": expected an array of instances)"},
        {R"({"worksheets": [1, 2]})", "worksheets: expected an object of worksheet types"},
        {R"({"fields": [1], "worksheets": 3})", "fields: expected an object of tags"},
        {R"({"fields": {"300": 1, "abc": 2}, "position": 7})", "position: expected an object"},
        {R"({"history": "x", "zzz": {"a": [1, {"b": 2}]}, "yyy": 1})", R"(unknown key "zzz")"},
        {R"({"zzz": {"fields": {"300": 1}}})", R"(unknown key "zzz")"},
        {R"([{"fields": {"300": 1}}])", "expected an object"},
        {R"("text")", "expected an object"},
        {R"({"fields": {"300": {"value": 1, "type": "dtString"}}})", R"(fields."300".value: expected a text)"},
        {manyInstances, R"(worksheets."451": more than 65535 instances)"},
    };
    for (const auto& c : cases) {
        const std::string text = c.text.substr(0, 120);
        std::string whole, streamed;
        ModuleRun& a = Fresh();
        try {
            StoreFromJson(nlohmann::ordered_json::parse(c.text), a, "t.json");
            whole = StoreToJson(a).dump();
        } catch (const JsonStoreError& e) {
            whole = e.what();
        }
        ModuleRun& b = Fresh();
        try {
            std::istringstream in(c.text);
            ReadStoreJson(in, "t.json").PutInto(b);
            streamed = StoreToJson(b).dump();
        } catch (const JsonStoreError& e) {
            streamed = e.what();
        }
        EXPECT_EQ(streamed, whole) << text;
        EXPECT_EQ(a.section, b.section) << text;
        EXPECT_EQ(a.history, b.history) << text;
        const std::string fault = streamed.rfind('{', 0) == 0 ? std::string() : streamed;
        EXPECT_EQ(fault, c.fault.empty() ? "" : "bad JSON in t.json: " + c.fault) << text;
    }
}

// Text that is no JSON, refused where and as the parser refuses it, with
// what it last read shown as any input is.
TEST_F(StoreJsonTest, ReadAsItComesTextThatIsNoJsonFailsAsTheParserDoes) {
    const struct {
        const char* text;
        const char* fault;
    } cases[] = {
        {R"({"fields": {"300": 1,}})",
         "parse error at line 1, column 22: syntax error while parsing object key - unexpected '}'; expected string "
         "literal"},
        {R"({"a": 1} x)",
         "parse error at line 1, column 10: syntax error while parsing value - invalid literal; "
         "last read: \"1} x\"; expected end of input"},
        {R"({"fields": {"300": 1e400}})", "number overflow parsing \"1e400\""},
        {"",
         "parse error at line 1, column 1: syntax error while parsing value - unexpected end of input; expected "
         "'[', '{', or a literal"},
    };
    for (const auto& c : cases) {
        EXPECT_THROW(nlohmann::ordered_json::parse(c.text), nlohmann::json::exception) << c.text;
        std::string streamed;
        try {
            std::istringstream in(c.text);
            ReadStoreJson(in, "t.json");
        } catch (const JsonStoreError& e) {
            streamed = e.what();
        }
        EXPECT_EQ(streamed, std::string("bad JSON in t.json: ") + c.fault) << c.text;
    }
}

}  // namespace
}  // namespace cgt::cli
