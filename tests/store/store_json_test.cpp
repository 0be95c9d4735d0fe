#include "store/store_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>
#include <streambuf>

#include "base/clock.h"
#include "support/scripted_dialogs.h"

namespace cgt {
namespace {

using nlohmann::ordered_json;

std::string Written(const ModuleRun& run) {
    std::ostringstream text;
    WriteStoreJson(run, text);
    return text.str();
}

class StoreJsonTest : public ::testing::Test {
protected:
    ModuleRun& Fresh() {
        runs.push_back(std::make_unique<ModuleRun>(dialogs, clock));
        return *runs.back();
    }
    // Reads `text` into a fresh run: the run written back, or the fault.
    std::string ReadBack(const std::string& text, const std::string& source = {}) {
        try {
            std::istringstream in(text);
            ModuleRun& run = Fresh();
            ReadStoreJson(in, source).PutInto(run);
            return Written(run);
        } catch (const JsonStoreError& e) {
            return e.what();
        }
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
    const std::string text = Written(run);
    const auto json = ordered_json::parse(text);
    EXPECT_EQ(json["fields"]["300"]["value"], "NaN");
    EXPECT_EQ(json["fields"]["301"]["value"], "-Infinity");
    EXPECT_EQ(json["fields"]["302"]["value"], "caf\xC3\xA9 \xE2\x82\xAC 5");

    ModuleRun& back = Fresh();
    std::istringstream in(text);
    ReadStoreJson(in, "r.json").PutInto(back);
    EXPECT_TRUE(std::isnan(back.store().GetFieldVal(300)));
    EXPECT_EQ(back.store().GetFieldVal(301), -std::numeric_limits<long double>::infinity());
    EXPECT_EQ(back.store().GetFieldStr(302), "caf\xE9 \x80 5");
    EXPECT_EQ(Written(back), text);
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
    for (const auto& c : cases) {
        const std::string error = ReadBack(c.json);
        EXPECT_EQ(error.rfind("JSON: ", 0), 0u) << c.json << "\n" << error;
        EXPECT_NE(error.find(c.error), std::string::npos) << c.json << "\n" << error;
    }
}

// The text laid out as dump(2) lays out the document worked by hand from
// the lists, whatever they hold: gaps between instances, items of no
// instance, a list whose instances are out of order, a tag twice in an
// instance; before the lists are packed and after.
TEST_F(StoreJsonTest, WrittenAsItIsMadeTheTextIsTheDocument) {
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
    const auto document = ordered_json::parse(R"({
        "position": {"section": 20, "index": 0},
        "history": [2004, 2009],
        "fields": {
            "1": {"type": "dtSmallStr", "value": "42"},
            "170": {"type": "dtCheckbox", "value": true},
            "300": {"type": "dtCurrency", "value": 12.5},
            "399": {"type": "dtList", "value": ["a", ""]}
        },
        "worksheets": {
            "451": [{"710": {"type": "dtCurrency", "value": 4.0}, "711": {"type": "dtCurrency", "value": 3.0}},
                    {}, {}, {"710": {"type": "dtCurrency", "value": 5.0}}],
            "452": [{"710": {"type": "dtCurrency", "value": 2.0}},
                    {"710": {"type": "dtCurrency", "value": 1.0}, "711": {"type": "dtCurrency", "value": 3.0}}],
            "453": [],
            "454": []
        }})");
    for (const char* pass : {"as made", "packed"}) {
        EXPECT_EQ(Written(run), document.dump(2)) << pass;
        shares->Pack();
        trusts->Pack();
    }
    EXPECT_EQ(Written(Fresh()), R"({
  "position": {
    "section": 0,
    "index": 0
  },
  "history": [],
  "fields": {},
  "worksheets": {}
})");
}

// Read as it comes, a text gives the store, or the first fault in the
// order the form is checked in (top keys, position, history, fields,
// worksheets, each in the order of its keys).
TEST_F(StoreJsonTest, ReadAsItComesTheTextGivesTheStoreOrTheFirstFault) {
    std::string manyInstances = R"({"worksheets": {"451": [)";
    for (int n = 0; n < 65536; ++n) manyInstances += n ? ",{}" : R"({"710": "x"})";
    manyInstances += "]}}";
    const struct {
        std::string text;
        std::string store;  // as written back, when the text is read
        std::string fault;
    } cases[] = {
        {R"({"position": {"section": 2, "index": 3}, "history": [1, 2], "fields": {"300": 5, "301": "abc"}})",
         R"({"position": {"section": 2, "index": 3}, "history": [1, 2],
             "fields": {"300": {"type": "dtCurrency", "value": 5.0}, "301": {"type": "dtSmallStr", "value": "abc"}},
             "worksheets": {}})",
         ""},
        {R"({"worksheets": {"452": [{}, {"710": true}], "451": [{"710": 1, "300": [""]}]}, "history": [7]})",
         R"({"position": {"section": 0, "index": 0}, "history": [7], "fields": {},
             "worksheets": {"451": [{"710": {"type": "dtCurrency", "value": 1.0},
                                     "300": {"type": "dtList", "value": [""]}}],
                            "452": [{}, {"710": {"type": "dtCheckbox", "value": true}}]}})",
         ""},
        {R"({"worksheets": {"451": [{"710": 1}, {}, {"710": 2, "711": 3}]}, "fields": {"1202": 1}})", "",
         R"(worksheets."451": field 1202 is also under "fields")"},
        {R"({"worksheets": {"451": [{"710": 1}], "452": [[1]], "453": [{"711": true}]}})", "",
         R"(worksheets."452"[0]: expected an object of tags)"},
        {R"({"worksheets": {"abc": 5, "451": [{"9999": 1}]}})", "", R"(worksheets."abc": "abc" is not a whole number)"},
        {R"({"worksheets": {"451": [5, {"9999": 1}]}})", "", R"(worksheets."451"[0]: expected an object of tags)"},
        {R"({"worksheets": {"451": {"710": 1}}})", "", R"(worksheets."451": expected an array of instances)"},
        {R"({"worksheets": [1, 2]})", "", "worksheets: expected an object of worksheet types"},
        {R"({"fields": [1], "worksheets": 3})", "", "fields: expected an object of tags"},
        {R"({"fields": {"300": 1, "abc": 2}, "position": 7})", "", "position: expected an object"},
        {R"({"history": "x", "zzz": {"a": [1, {"b": 2}]}, "yyy": 1})", "", R"(unknown key "zzz")"},
        {R"({"zzz": {"fields": {"300": 1}}})", "", R"(unknown key "zzz")"},
        {R"([{"fields": {"300": 1}}])", "", "expected an object"},
        {R"("text")", "", "expected an object"},
        {R"({"fields": {"300": {"value": 1, "type": "dtString"}}})", "", R"(fields."300".value: expected a text)"},
        {manyInstances, "", R"(worksheets."451": more than 65535 instances)"},
    };
    for (const auto& c : cases) {
        const std::string text = c.text.substr(0, 120);
        const std::string read = ReadBack(c.text, "t.json");
        EXPECT_EQ(read, c.fault.empty() ? ordered_json::parse(c.store).dump(2) : "bad JSON in t.json: " + c.fault)
            << text;
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
        EXPECT_THROW(ordered_json::parse(c.text), nlohmann::json::exception) << c.text;
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

// Serves `head`, `unit` `units` times and `tail`, a few kilobytes at a
// time, made as they are asked for; counts what it served.
class MadeText : public std::streambuf {
public:
    MadeText(std::string head, std::string unit, std::size_t units, std::string tail)
        : head_(std::move(head)), unit_(std::move(unit)), units_(units), tail_(std::move(tail)) {}
    std::size_t served() const { return served_; }

protected:
    int_type underflow() override {
        const std::size_t total = head_.size() + unit_.size() * units_ + tail_.size();
        buffer_.clear();
        for (; buffer_.size() < 4096 && served_ < total; ++served_) buffer_ += At(served_);
        if (buffer_.empty()) return traits_type::eof();
        setg(buffer_.data(), buffer_.data(), buffer_.data() + buffer_.size());
        return traits_type::to_int_type(buffer_[0]);
    }

private:
    char At(std::size_t i) const {
        if (i < head_.size()) return head_[i];
        i -= head_.size();
        if (i < unit_.size() * units_) return unit_[i % unit_.size()];
        return tail_[i - unit_.size() * units_];
    }

    std::string head_, unit_;
    std::size_t units_;
    std::string tail_, buffer_;
    std::size_t served_ = 0;
};

// A text, number or run of anything else of 20 MB stops the reading a
// little past the limit, with the byte it stopped at.
TEST(ReadStoreJsonTest, AnythingTooLongStopsTheReadingAtTheLimit) {
    constexpr std::size_t k20Mb = 20'000'000;
    const struct {
        const char* what;
        std::string head, unit, tail;
        std::string fault;
    } cases[] = {
        {"text", R"({"fields": {"300": ")", "x", R"("}})", "a text of more than 1048576 bytes at byte 1048597"},
        {"key", R"({"fields": {")", "1", R"(": 1}})", "a text of more than 1048576 bytes at byte 1048590"},
        // An escaped quote does not end the text.
        {"escapes", R"({"fields": {"300": ")", R"(\")", R"("}})", "a text of more than 1048576 bytes at byte 1048597"},
        {"number", R"({"fields": {"300": )", "1", "}}", "a number of more than 1048576 bytes at byte 1048596"},
        {"blanks", R"({"fields": {"300": 1,)", " ", "}}",
         "more than 1048576 bytes with no text or number at byte 1048596"},
        {"literals", R"({"fields": {"300": [)", "null,", "]}}",
         "more than 1048576 bytes with no text or number at byte 1048594"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MadeText made(c.head, c.unit, k20Mb / c.unit.size(), c.tail);
        std::istream in(&made);
        try {
            ReadStoreJson(in, "big.json");
            ADD_FAILURE() << "read whole";
        } catch (const JsonStoreError& e) {
            EXPECT_EQ(std::string(e.what()), "bad JSON in big.json: " + c.fault);
        }
        EXPECT_LT(made.served(), kMaxJsonToken + 64 * 1024);
    }
}

// Up to the limit, a text is read: the limit holds back nothing shorter.
TEST(ReadStoreJsonTest, ATextAtTheLimitIsRead) {
    for (const std::size_t size : {kMaxJsonToken - 1, kMaxJsonToken}) {
        MadeText made(R"({"fields": {"300": ")", "x", size, R"(", "301": 2}})");
        std::istream in(&made);
        StagedStore staged;
        ASSERT_NO_THROW(staged = ReadStoreJson(in, "big.json")) << size;
    }
    MadeText made(R"({"fields": {"300": ")", "x", kMaxJsonToken + 1, R"("}})");
    std::istream in(&made);
    EXPECT_THROW(ReadStoreJson(in, "big.json"), JsonStoreError);
}

// The runs between texts that an export writes stay far below the limit:
// the most instances a type can have, all empty but the last.
TEST(ReadStoreJsonTest, TheLargestExportOfEmptyInstancesReadsBack) {
    test::ScriptedDialogs dialogs;
    FixedClock clock{2003, 7, 1};
    ModuleRun run(dialogs, clock);
    Slot slot;
    slot.type = dtCurrency;
    slot.number = 1;
    run.store().EnsureWorksheetList(451)->push_back(WorksheetItem{std::uint16_t(0xFFFF), 710, slot});
    std::stringstream text;
    WriteStoreJson(run, text);
    ASSERT_GT(text.str().size(), 600'000u);
    ModuleRun back(dialogs, clock);
    ReadStoreJson(text, "r.json").PutInto(back);
    EXPECT_EQ(Written(back), text.str());
}

}  // namespace
}  // namespace cgt
