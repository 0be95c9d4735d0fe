// cgt import refusing JSON it cannot take: a key given twice, input too
// long to echo or to read whole, each with one exact line that names the
// source, and the return left byte for byte as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>

#include "run_cgt.h"
#include "store/store_json.h"
#include "support/test_folder.h"

namespace cgt {
namespace {

namespace fs = std::filesystem;

class ImportInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        ret = Path("r.dat");
        ASSERT_EQ(test::RunCgt({"new", ret, "--id", "42"}).status, 0);
        const auto imported = test::RunCgt({"import", ret, "--id", "42"}, kReturn);
        ASSERT_EQ(imported.status, 0) << imported.err;
    }

    std::string Path(const std::string& name) const { return folder.Path(name); }
    std::map<std::string, std::string> Folder() const { return test::FolderContents(folder.path()); }

    // Imports `json` from the file r.json or from standard input; the line
    // must be "cgt import: bad JSON in SOURCE: " and `fault`, and nothing
    // in the folder may change.
    void ExpectRefused(const std::string& json, bool fromFile, const std::string& fault) {
        std::vector<std::string> args = {"import", ret, "--id", "42"};
        if (fromFile) {
            std::ofstream(Path("r.json"), std::ios::binary) << json;
            args.insert(args.begin() + 2, Path("r.json"));
        } else {
            fs::remove(Path("r.json"));
        }
        const auto before = Folder();
        const auto r = test::RunCgt(args, fromFile ? "" : json);
        const std::string source = fromFile ? Path("r.json") : "standard input";
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "cgt import: bad JSON in " + source + ": " + fault + "\n");
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(Folder() == before) << "the folder changed";
    }

    static constexpr const char* kReturn =
        R"({"fields": {"300": 5, "921": 1}, "worksheets": {"451": [{"710": "BHP"}]}})";
    test::TestFolder folder{"cgt_import_input_"};
    std::string ret;
};

std::string Repeated(const std::string& unit, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i) text += unit;
    return text;
}

struct RefusalCase {
    const char* what;
    std::string json;
    bool fromFile;
    std::string fault;
};

TEST_F(ImportInputTest, AKeyGivenTwiceAnywhereIsRefused) {
    const RefusalCase cases[] = {
        {"top key", R"({"fields": {"921": 1}, "fields": {"920": 2}})", true, R"("fields" is given twice)"},
        {"tag in fields", R"({"fields": {"921": 1, "920": 3, "921": 2}})", false, R"(fields."921" is given twice)"},
        {"the same tag escaped", R"({"fields": {"921": 1, "9\u0032\u0031": 2}})", false,
         R"(fields."921" is given twice)"},
        {"worksheet type", R"({"worksheets": {"451": [], "452": [], "451": [{"710": "A"}]}})", true,
         R"(worksheets."451" is given twice)"},
        {"tag in an instance", R"({"worksheets": {"451": [{"710": "A"}, {"710": "B", "711": 1, "710": "C"}]}})", false,
         R"(worksheets."451"[1]."710" is given twice)"},
        {"key of a value", R"({"fields": {"300": {"type": "dtCurrency", "value": 1, "type": "dtNumeric"}}})", true,
         R"(fields."300"."type" is given twice)"},
        {"key of an item's value",
         R"({"worksheets": {"451": [{"1103": {"type": "dtList", "value": ["a"], "value": ["b"]}}]}})", false,
         R"(worksheets."451"[0]."1103"."value" is given twice)"},
        {"position", R"({"position": {"section": 1, "index": 2, "section": 3}})", false,
         R"(position."section" is given twice)"},
        {"in an array", R"({"history": [1, {"a": 1, "a": 2}]})", false, R"(history[1]."a" is given twice)"},
        {"under an unknown key", R"({"zzz": {"a": [{"b": 1, "b": 1}]}})", false, R"("zzz"."a"[0]."b" is given twice)"},
        // However deep, the line stays short.
        {"deep", R"({"zzz": )" + Repeated(R"({"a": )", 1000) + R"({"b": 1, "b": 2})" + std::string(1001, '}'), false,
         R"("zzz"."a"."a"."a"."a"...(996 levels more)."b" is given twice)"},
        // Refused as it is read, ahead of the faults found once all is read.
        {"after a fault", R"({"fields": {"abc": 1}, "history": [], "history": []})", false,
         R"("history" is given twice)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectRefused(c.json, c.fromFile, c.fault);
    }
}

// The same key in different objects is no key given twice.
TEST_F(ImportInputTest, AKeyInSeveralObjectsIsTaken) {
    const auto r = test::RunCgt({"import", ret, "--id", "42"},
                                R"({"fields": {"300": {"type": "dtCurrency", "value": 7}}, "worksheets": )"
                                R"({"451": [{"710": "A", "300": 1}, {"710": "B", "300": 2}], "452": [{"710": "C"}]}})");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto exported = test::RunCgt({"export", ret, "--id", "42"});
    ASSERT_EQ(exported.status, 0) << exported.err;
    const auto json = nlohmann::json::parse(exported.out);
    EXPECT_EQ(json["fields"]["300"]["value"], 7);
    EXPECT_EQ(json["worksheets"]["451"][1]["710"]["value"], "B");
    EXPECT_EQ(json["worksheets"]["451"][1]["300"]["value"], 2);
}

TEST_F(ImportInputTest, EveryFaultNamesTheSource) {
    const RefusalCase cases[] = {
        {"an array", "[1]", false, "expected an object"},
        {"a text", R"("text")", true, "expected an object"},
        {"unknown key", R"({"feilds": {}})", false, R"(unknown key "feilds")"},
        {"bad tag", R"({"fields": {"abc": 1}})", true, R"(fields."abc": "abc" is not a whole number)"},
        {"out of range", R"({"worksheets": {"451": [{"2000": 1}]}})", false,
         R"(worksheets."451"[0]."2000": 2000 is outside 1 to 1999)"},
        {"nothing", "", true,
         "parse error at line 1, column 1: syntax error while parsing value - unexpected end of input; expected '[', "
         "'{', or a literal"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectRefused(c.json, c.fromFile, c.fault);
    }
}

// Whatever the input holds, the line shows at most 60 characters of each
// piece of it, control characters and bytes that are no UTF-8 escaped.
TEST_F(ImportInputTest, InputInTheLineIsShortAndEscaped) {
    const std::string mb(1'000'000, 'a');
    const std::string shown = std::string(60, 'a') + "\"... (1000000 bytes)";
    const std::string zeros(1000, '0');
    const RefusalCase cases[] = {
        {"long tag", R"({"fields": {")" + mb + R"(": 1}})", false,
         "fields.\"" + shown + ": \"" + shown + " is not a whole number"},
        {"long worksheet type", R"({"worksheets": {")" + mb + R"(": []}})", true,
         "worksheets.\"" + shown + ": \"" + shown + " is not a whole number"},
        {"long top key", R"({")" + mb + R"(": 1})", false, "unknown key \"" + shown},
        {"long field type", R"({"fields": {"300": {"type": ")" + mb + R"("}}})", false,
         "fields.\"300\": unknown field type \"" + shown},
        {"long key of a value", R"({"fields": {"300": {"type": "dtCurrency", ")" + mb + R"(": 1}}})", false,
         "fields.\"300\": unexpected key \"" + shown},
        {"long key of position", R"({"position": {")" + mb + R"(": 1}})", false, "position: unknown key \"" + shown},
        {"control characters", R"({"fields": {"3\u0001\n\u001b[31m": 1}})", false,
         R"(fields."3\x01\n\x1B[31m": "3\x01\n\x1B[31m" is not a whole number)"},
        {"a tag in an instance", R"({"worksheets": {"451": [{"7\t1": 1}]}})", false,
         R"(worksheets."451"[0]."7\t1": "7\t1" is not a whole number)"},
        {"bytes that are no UTF-8", "{\"fields\": {\"300\": \"ab\xFF\"}}", true,
         "parse error at line 1, column 23: syntax error while parsing value - invalid string: ill-formed UTF-8 "
         "byte; last read: \"\\\"ab\\xFF\""},
        {"raw control character", "{\"fields\": {\"300\": \"a\x01\"}}", false,
         "parse error at line 1, column 22: syntax error while parsing value - invalid string: control character "
         "U+0001 (SOH) must be escaped to \\u0001; last read: \"\\\"a<U+0001>\""},
        {"long text, then a bad escape", R"({"fields": {"300": ")" + mb + R"(\q"}})", false,
         "parse error at line 1, column 1000022: syntax error while parsing value - invalid string: forbidden "
         "character after backslash; last read: \"\\\"" +
             std::string(59, 'a') + "\"... (1000003 bytes)"},
        {"long number", R"({"fields": {"300": 1)" + zeros + "}}", true,
         "number overflow parsing \"1" + std::string(59, '0') + "\"... (1001 bytes)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectRefused(c.json, c.fromFile, c.fault);
    }
}

TEST_F(ImportInputTest, ATextTooLongIsRefusedAsItIsRead) {
    const std::string json = R"({"fields": {"300": ")" + std::string(2 * kMaxJsonToken, 'x') + R"("}})";
    // The text starts at byte 21; its 1048577th byte is one too many.
    ExpectRefused(json, false, "a text of more than 1048576 bytes at byte 1048597");
}

}  // namespace
}  // namespace cgt
