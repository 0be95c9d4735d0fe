#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>

#include "command.h"
#include "run_cgt.h"
#include "store/cipher.h"
#include "store/datafile_fs.h"

namespace cgt {
namespace {

namespace fs = std::filesystem;

struct Result {
    int status;
    std::string out;
    std::string err;
};

class CgtTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("cgt_cli_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Path(const std::string& name) const { return (dir / name).string(); }

    // Runs the real program with the arguments and the standard input given.
    Result Run(const std::vector<std::string>& args, const std::string& input = "") {
        WriteText("stdin.txt", input);
        std::string command = test::ShellQuote(CGT_EXE);
        for (const auto& a : args) command += " " + test::ShellQuote(a);
        command += " <" + test::ShellQuote(Path("stdin.txt")) + " >" + test::ShellQuote(Path("stdout.txt")) + " 2>" +
                   test::ShellQuote(Path("stderr.txt"));
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadText("stdout.txt"), ReadText("stderr.txt")};
    }

    void WriteText(const std::string& name, const std::string& text) {
        std::ofstream(Path(name), std::ios::binary) << text;
    }
    std::string ReadText(const std::string& name) {
        std::ifstream in(Path(name), std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    Bytes ReadBytes(const std::string& name) {
        const std::string s = ReadText(name);
        return Bytes(s.begin(), s.end());
    }

    fs::path dir;
};

// Expected plain content, built by hand, little-endian.
struct Content {
    Bytes b;
    Content& Text(std::string_view s) {
        b.insert(b.end(), s.begin(), s.end());
        return *this;
    }
    Content& U8(int v) {
        b.push_back(std::uint8_t(v));
        return *this;
    }
    Content& U16(int v) { return U8(v & 0xFF).U8(v >> 8); }
    Content& I32(std::int64_t v) {
        for (int i = 0; i < 4; ++i) U8(int((std::uint32_t(v) >> (8 * i)) & 0xFF));
        return *this;
    }
    Content& Hex(std::string_view hex) {
        for (std::size_t i = 0; i + 1 < hex.size(); i += 3) U8(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
        return *this;
    }
    Content& Zeros(int n) {
        b.insert(b.end(), std::size_t(n), 0);
        return *this;
    }
};

// One field or item of every type, typed and bare.
constexpr const char* kEveryType = R"({
  "position": {"section": 20, "index": 4},
  "history": [2004, 2009],
  "fields": {
    "5": {"type": "dtNumeric", "value": 0},
    "6": {"type": "dtCurrency", "value": 0},
    "7": 1,
    "8": {"type": "dtCurrencyCnt", "value": 2.5},
    "100": true,
    "101": false,
    "102": "abcdefghijk",
    "103": {"type": "dtString", "value": ""},
    "104": {"type": "dtString", "value": null},
    "105": "",
    "106": "hi",
    "107": ["a", "bc"],
    "108": [],
    "1999": {"type": "dtNumeric", "value": 7}
  },
  "worksheets": {
    "451": [
      {"710": "Shares", "1100": 12.5, "1101": true, "1102": "long text here", "1103": ["x"],
       "1104": {"type": "dtList", "value": null}},
      {"710": {"type": "dtNumeric", "value": 3}}
    ]
  }
})";

TEST_F(CgtTest, ImportWritesTheExactPlainLayoutForEveryType) {
    const Result imported = Run({"import", Path("r.dat"), "--id", "42"}, kEveryType);
    ASSERT_EQ(imported.status, 0) << imported.err;
    const Result decrypted = Run({"decrypt", Path("r.dat"), Path("plain.bin"), "--id", "No. 42"});
    ASSERT_EQ(decrypted.status, 0) << decrypted.err;

    Content c;
    c.Text("Electronic Quorvin'2003 (c) Ravelle Revenue Department ").I32(20).I32(4).I32(2).I32(2004).I32(2009);
    c.I32(1).U8(5).U8(2).Text("42");  // the identity text, as the module's start stores it
    c.I32(5).U8(1).Zeros(10);
    c.I32(7).U8(2).Hex("00 00 00 00 00 00 00 80 FF 3F");
    c.I32(8).U8(3).Hex("00 00 00 00 00 00 00 A0 00 40");
    c.I32(100).U8(6).U8(1).Zeros(9);
    c.I32(102).U8(4).U8(11).Text("abcdefghijk");
    c.I32(103).U8(4).U8(0);
    c.I32(106).U8(5).U8(2).Text("hi");
    c.I32(107).U8(7).I32(10).Text("a\r\nbc\r\n").Zeros(3);
    c.I32(960).U8(2).Hex("00 00 00 00 00 00 6C EA 0E 40");  // 60012
    c.I32(1202).U8(8).I32(7);
    c.U16(1).I32(710).U8(5).U8(0).U8(6).Text("Shares").Zeros(3);
    c.U16(1).I32(1100).U8(2).U8(0).Hex("00 00 00 00 00 00 00 C8 02 40");
    c.U16(1).I32(1101).U8(6).U8(0).U8(1).Zeros(9).U8(1).Zeros(9);
    c.U16(1).I32(1102).U8(4).U8(0).Zeros(10).U8(14).Text("long text here");
    c.U16(1).I32(1103).U8(7).U8(0).Zeros(10).I32(6).Text("x\r\n").Zeros(3);
    c.U16(1).I32(1104).U8(7).U8(0).Zeros(10).I32(0);
    c.U16(2).I32(710).U8(1).U8(0).Hex("00 00 00 00 00 00 00 C0 00 40");
    c.I32(1300).U8(5).U8(2).Text("EI");
    c.I32(1999).U8(1).Hex("00 00 00 00 00 00 00 E0 01 40");

    const Bytes plain = ReadBytes("plain.bin");
    ASSERT_EQ(plain.size(), c.b.size());
    for (std::size_t i = 0; i < plain.size(); ++i) ASSERT_EQ(plain[i], c.b[i]) << "byte " << i;
}

TEST_F(CgtTest, DumpListsEveryField) {
    ASSERT_EQ(Run({"import", Path("r.dat"), "--id", "42"}, kEveryType).status, 0);
    const Result dump = Run({"dump", Path("r.dat"), "--id", "42"});
    ASSERT_EQ(dump.status, 0) << dump.err;
    const std::string expected[] = {
        "position: section 20, index 4\nhistory: 2004 2009\nfields:\n",
        "    1  dtSmallStr    42\n",
        "    5  dtNumeric     0\n",
        "    7  dtCurrency    1\n",
        "    8  dtCurrencyCnt 2.5\n",
        "  100  dtCheckbox    checked\n",
        "  102  dtString      abcdefghijk\n",
        "  103  dtString      \n",
        "  106  dtSmallStr    hi\n",
        "  107  dtList        [\"a\",\"bc\"]\n",
        "  960  dtCurrency    60012\n",
        " 1202  dtWorksheet   7 items\n",
        " 1300  dtSmallStr    EI\n",
        " 1999  dtNumeric     7\n",
        "  type 451 (field 1202): 2 instances\n    instance 1\n      710  dtSmallStr    Shares\n",
        "     1103  dtList        [\"x\"]\n",
        "     1104  dtList        []\n",
        "    instance 2\n      710  dtNumeric     3\n",
    };
    for (const auto& e : expected)
        EXPECT_NE(dump.out.find(e), std::string::npos) << "missing:\n" << e << "in:\n" << dump.out;
    for (const char* absent : {"  6  ", "  101  ", "  104  ", "  105  ", "  108  "})
        EXPECT_EQ(dump.out.find(absent), std::string::npos) << absent;
}

TEST_F(CgtTest, ExportAfterImportGivesBackTheSameStore) {
    ASSERT_EQ(Run({"import", Path("r.dat"), "--id", "42"}, kEveryType).status, 0);
    const Result first = Run({"export", Path("r.dat"), "--id", "42"});
    ASSERT_EQ(first.status, 0) << first.err;
    WriteText("first.json", first.out);
    ASSERT_EQ(Run({"import", Path("r2.dat"), Path("first.json"), "--id", "42"}).status, 0);
    const Result second = Run({"export", Path("r2.dat"), "--id", "42"});
    EXPECT_EQ(second.out, first.out);

    const auto j = nlohmann::json::parse(first.out);
    EXPECT_EQ(j["position"], nlohmann::json::parse(R"({"section": 20, "index": 4})"));
    EXPECT_EQ(j["history"], nlohmann::json::parse("[2004, 2009]"));
    EXPECT_EQ(j["fields"]["8"], nlohmann::json::parse(R"({"type": "dtCurrencyCnt", "value": 2.5})"));
    EXPECT_EQ(j["fields"]["103"], nlohmann::json::parse(R"({"type": "dtString", "value": ""})"));
    EXPECT_EQ(j["fields"]["107"], nlohmann::json::parse(R"({"type": "dtList", "value": ["a", "bc"]})"));
    EXPECT_FALSE(j["fields"].contains("6"));
    EXPECT_EQ(j["worksheets"]["451"][1], nlohmann::json::parse(R"({"710": {"type": "dtNumeric", "value": 3}})"));
    EXPECT_EQ(j["worksheets"]["451"][0]["1104"], nlohmann::json::parse(R"({"type": "dtList", "value": []})"));
    // Items keep their order inside an instance.
    std::vector<std::string> order;
    const auto ordered = nlohmann::ordered_json::parse(first.out);
    for (const auto& [k, v] : ordered["worksheets"]["451"][0].items()) order.push_back(k);
    EXPECT_EQ(order, (std::vector<std::string>{"710", "1100", "1101", "1102", "1103", "1104"}));
}

TEST_F(CgtTest, NewReturnOpensWithTheSameIdentityText) {
    const Result made = Run({"new", Path("n.dat"), "--id", "Smith 123 456 789"});
    ASSERT_EQ(made.status, 0) << made.err;
    const Result dump = Run({"dump", Path("n.dat"), "--id", "Smith 123 456 789"});
    ASSERT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(dump.out,
              "position: section 0, index 0\nhistory:\nfields:\n"
              "    1  dtString      Smith 123 456 789\n"
              "  960  dtCurrency    60012\n"
              " 1300  dtSmallStr    EI\n"
              "worksheets:\n");
    EXPECT_EQ(Run({"new", Path("n.dat"), "--id", "1"}).status, 1);
    EXPECT_EQ(Run({"new", Path("n.dat"), "--id", "1", "--force"}).status, 0);
    EXPECT_TRUE(fs::exists(Path("n.BAK")));
}

TEST_F(CgtTest, ImportReadsStandardInputOrAFileAndKeepsTheIdentityItIsGiven) {
    ASSERT_EQ(Run({"import", Path("r.dat"), "--id", "TFN 42"}, R"({"fields": {"1": "TFN 42", "300": 5}})").status, 0);
    WriteText("in.json", R"({"fields": {"1": "Ref 4-2", "300": 6}})");
    ASSERT_EQ(Run({"import", Path("r.dat"), Path("in.json"), "--id", "TFN 42"}).status, 0);
    const Result dump = Run({"dump", Path("r.dat"), "--id", "42"});
    EXPECT_NE(dump.out.find("    1  dtSmallStr    Ref 4-2\n"), std::string::npos) << dump.out;
    EXPECT_NE(dump.out.find("  300  dtCurrency    6\n"), std::string::npos) << dump.out;
}

TEST_F(CgtTest, CipherCommandsMatchTheFileCipher) {
    WriteText("plain.txt", "seventeen bytes!!");
    ASSERT_EQ(Run({"encrypt", Path("plain.txt"), Path("c.bin"), "--id", "A1B2C3"}).status, 0);
    const Bytes plain = ReadBytes("plain.txt");
    EXPECT_EQ(ReadBytes("c.bin"), EncryptBytes(plain, CipherKeyFor("123")));
    ASSERT_EQ(Run({"decrypt", Path("c.bin"), Path("back.txt"), "--id", "123"}).status, 0);
    EXPECT_EQ(ReadText("back.txt"), "seventeen bytes!!");

    const Result key = Run({"key", "--id", "TFN 123-456-789"});
    EXPECT_EQ(key.status, 0);
    EXPECT_EQ(key.out, "c19b40cfe741e4dd0f903f1a60c9af50\n");
}

// Failures and bad usage: the exit status and one line on standard error.
TEST_F(CgtTest, ErrorsAreOneLineWithTheirExitStatus) {
    ASSERT_EQ(Run({"new", Path("r.dat"), "--id", "42"}).status, 0);
    WriteText("short.bin", "abc");
    WriteText("bad.json", "{\n  \"fields\": {\n    \"300\": 12,,\n  }\n}");
    const struct {
        std::vector<std::string> args;
        std::string input;
        int status;
        std::string message;  // part of the line
    } cases[] = {
        {{}, "", 2, "cgt: no command given"},
        {{"bogus"}, "", 2, "cgt: unknown command bogus"},
        {{"dump"}, "", 2, "cgt dump: expected FILE"},
        {{"dump", Path("r.dat")}, "", 2, "cgt dump: missing --id TEXT"},
        {{"dump", Path("r.dat"), "--id"}, "", 2, "--id needs a value"},
        {{"dump", Path("r.dat"), "--id", "42", "--what"}, "", 2, "unknown option --what"},
        {{"dump", Path("r.dat"), "extra", "--id", "42"}, "", 2, "unexpected argument extra"},
        {{"help", "bogus"}, "", 2, "cgt help: unknown command bogus"},
        {{"dump", Path("missing.dat"), "--id", "42"}, "", 1, "missing.dat: No such file or directory"},
        {{"dump", Path("r.dat"), "--id", "43"},
         "",
         1,
         "cgt dump: cannot open " + Path("r.dat") + ": the identity text does not open this return"},
        {{"export", Path("r.dat"), "--id", "43"},
         "",
         1,
         "cgt export: cannot open " + Path("r.dat") + ": the identity text does not open this return"},
        {{"dump", Path("short.bin"), "--id", "42"},
         "",
         1,
         "cgt dump: cannot open " + Path("short.bin") + ": it is too short to be a return"},
        {{"import", Path("r.dat"), Path("bad.json"), "--id", "42"}, "", 1, "parse error at line 3, column 15"},
        {{"import", Path("r.dat"), "--id", "42"},
         R"({"fields": {"300": {"type": "dtFoo", "value": 1}}})",
         1,
         R"(fields."300": unknown field type "dtFoo")"},
        {{"import", Path("r.dat"), "--id", "42"}, R"({"fields": {"2000": 1}})", 1, "2000 is outside 1 to 1999"},
        {{"import", Path("r.dat"), "--id", "42"}, R"({"fields": {"300": null}})", 1, "cannot tell the type of null"},
        {{"import", Path("r.dat"), "--id", "42"},
         R"({"fields": {"300": {"type": "dtSmallStr", "value": "0123456789"}}})",
         1,
         "longer than 9 characters"},
        {{"import", Path("r.dat"), "--id", "42"}, R"({"fields": {"1": "43"}})", 1, "other digits than --id"},
        {{"import", Path("r.dat"), "--id", "42"}, R"({"fields": {"399": ["a\nb"]}})", 1, "line break"},
        {{"import", Path("r.dat"), "--id", "42"}, R"({"fields": {"1453": "999999999"}})", 1, "lodged"},
        {{"import", Path("r.dat"), Path("none.json"), "--id", "42"}, "", 1, "cannot open"},
        {{"decrypt", Path("short.bin"), Path("out.bin"), "--id", "42"}, "", 1, "Invalid file format"},
        {{"encrypt", Path("r.dat"), Path("r.dat"), "--id", "42"}, "", 1, "same file"},
        {{"encrypt", Path("missing.bin"), Path("out.bin"), "--id", "42"}, "", 1, "missing.bin"},
    };
    for (const auto& c : cases) {
        const Result r = Run(c.args, c.input);
        std::string shown;
        for (const auto& a : c.args) shown += a + " ";
        EXPECT_EQ(r.status, c.status) << shown << "\n" << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << shown << "\n" << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << shown << "\n" << r.err;
        EXPECT_TRUE(r.out.empty()) << shown << "\n" << r.out;
    }
    // Nothing of the failed imports reached the file.
    EXPECT_EQ(Run({"dump", Path("r.dat"), "--id", "42"}).status, 0);
}

// Refusals that protect a file: the exact line, the status, and every file
// named in the command byte for byte as it was (or still missing).
TEST_F(CgtTest, RefusalsLeaveEveryFileAsItWas) {
    ASSERT_EQ(Run({"new", Path("r.dat"), "--id", "42"}).status, 0);
    WriteText("plain.txt", "seventeen bytes!!");
    ASSERT_EQ(Run({"encrypt", Path("plain.txt"), Path("c.bin"), "--id", "42"}).status, 0);
    WriteText("kept.txt", "an existing file");
    fs::copy_file(Path("r.dat"), Path("r.BAK"));
    const std::string longId(256, '7');
    const struct {
        std::vector<std::string> args;
        int status;
        std::string line;
        std::vector<std::string> files;
    } cases[] = {
        {{"decrypt", Path("c.bin"), Path("kept.txt"), "--id", "42"},
         1,
         "cgt decrypt: " + Path("kept.txt") + " already exists (--force replaces it)",
         {"c.bin", "kept.txt"}},
        {{"encrypt", Path("plain.txt"), Path("kept.txt"), "--id", "42"},
         1,
         "cgt encrypt: " + Path("kept.txt") + " already exists (--force replaces it)",
         {"plain.txt", "kept.txt"}},
        {{"decrypt", Path("c.bin"), Path("out.txt"), "--id", "43"},
         1,
         "cgt decrypt: " + Path("c.bin") + ": wrong key (identity text) or not a file of this cipher",
         {"c.bin", "out.txt"}},
        {{"decrypt", Path("c.bin"), Path("kept.txt"), "--id", "43", "--force"},
         1,
         "cgt decrypt: " + Path("c.bin") + ": wrong key (identity text) or not a file of this cipher",
         {"c.bin", "kept.txt"}},
        {{"new", Path("n.dat"), "--id", longId},
         2,
         "cgt new: --id is 256 characters long; a return holds at most 255; see `cgt new --help`",
         {"n.dat"}},
        {{"new", Path("r.dat"), "--id", "42"},
         1,
         "cgt new: " + Path("r.dat") + " already exists (--force replaces it)",
         {"r.dat", "r.BAK"}},
        {{"import", Path("r.BAK"), "--id", "42"},
         1,
         "cgt import: " + Path("r.BAK") +
             ": a return cannot be named *.BAK or *.SEC, the names of its backup and of its plain copy",
         {"r.BAK", "r.dat"}},
        {{"new", Path("n.SEC"), "--id", "42"},
         1,
         "cgt new: " + Path("n.SEC") +
             ": a return cannot be named *.BAK or *.SEC, the names of its backup and of its plain copy",
         {"n.SEC"}},
    };
    for (const auto& c : cases) {
        std::map<std::string, std::optional<std::string>> before;
        for (const auto& f : c.files)
            before[f] = fs::exists(Path(f)) ? std::optional<std::string>(ReadText(f)) : std::nullopt;
        const Result r = Run(c.args, "{}");
        EXPECT_EQ(r.status, c.status) << c.line;
        EXPECT_EQ(r.err, c.line + "\n");
        EXPECT_EQ(r.out, "");
        for (const auto& f : c.files) {
            const auto now = fs::exists(Path(f)) ? std::optional<std::string>(ReadText(f)) : std::nullopt;
            EXPECT_EQ(now, before[f]) << c.line << ": " << f << " changed";
        }
    }
    // Only the files named above and the test's own are there.
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"c.bin", "kept.txt", "plain.txt", "r.BAK", "r.dat", "stderr.txt",
                                               "stdin.txt", "stdout.txt"}));
}

TEST_F(CgtTest, PlainOutputIsOwnerOnlyAndReplacedOnlyWhenForced) {
    WriteText("plain.txt", "seventeen bytes!!");
    ASSERT_EQ(Run({"encrypt", Path("plain.txt"), Path("c.bin"), "--id", "42"}).status, 0);
    WriteText("out.txt", "old");
    fs::permissions(Path("out.txt"), fs::perms(0644));
    ASSERT_EQ(Run({"decrypt", Path("c.bin"), Path("out.txt"), "--id", "42", "--force"}).status, 0);
    EXPECT_EQ(ReadText("out.txt"), "seventeen bytes!!");
    for (const char* f : {"c.bin", "out.txt"}) {
        struct stat st;
        ASSERT_EQ(::stat(Path(f).c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u) << f;
    }
}

TEST_F(CgtTest, AReturnInUseIsNotWritten) {
    ASSERT_EQ(Run({"new", Path("r.dat"), "--id", "42"}).status, 0);
    const std::string before = ReadText("r.dat");
    const ReturnLock held(Path("r.dat"));
    for (const auto& args : {std::vector<std::string>{"import", Path("r.dat"), "--id", "42"},
                             std::vector<std::string>{"calc", Path("r.dat"), "--id", "42", "--save"}}) {
        const Result r = Run(args, "{}");
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "cgt " + args[0] + ": " + InUseMessage(Path("r.dat")) + "\n");
        EXPECT_EQ(ReadText("r.dat"), before);
    }
    // Reading needs no lock: the name always holds a whole return.
    EXPECT_EQ(Run({"dump", Path("r.dat"), "--id", "42"}).status, 0);
}

TEST_F(CgtTest, ReadingACompanionNameKeepsIt) {
    ASSERT_EQ(Run({"new", Path("r.dat"), "--id", "42"}).status, 0);
    for (const char* name : {"r.SEC", "r.BAK"}) {
        fs::copy_file(Path("r.dat"), Path(name));
        EXPECT_EQ(Run({"dump", Path(name), "--id", "42"}).status, 0) << name;
        EXPECT_EQ(ReadText(name), ReadText("r.dat")) << name;
    }
}

// Each failure is one line naming the file and the reason in plain words;
// the return is byte for byte as it was.
TEST_F(CgtTest, FailuresNameTheFileAndTheReason) {
    ASSERT_EQ(Run({"new", Path("r.dat"), "--id", "42"}).status, 0);
    WriteText("short.bin", "abc");
    fs::create_directory(Path("folder"));
    const std::string before = ReadText("r.dat");
    const std::string r = Path("r.dat");
    const std::string cannotHold = " is not an amount a return can hold (at most 1E15 either side of 0)";
    const struct {
        std::vector<std::string> args;
        std::string input;
        std::string line;
    } cases[] = {
        {{"import", r, "--id", "42"},
         R"({"fields": {"300": 1e400}})",
         "cgt import: bad JSON in standard input: number overflow parsing \"1e400\""},
        {{"import", r, "--id", "42"},
         R"({"fields": {"300": 1e308}})",
         "cgt import: bad JSON in standard input: fields.\"300\": 1e+308" + cannotHold},
        {{"import", r, "--id", "42"},
         R"({"fields": {"300": -1000000000000001}})",
         "cgt import: bad JSON in standard input: fields.\"300\": -1000000000000001" + cannotHold},
        {{"import", r, "--id", "42"},
         R"({"fields": {"175": {"type": "dtCurrency", "value": "NaN"}}})",
         "cgt import: bad JSON in standard input: fields.\"175\": NaN" + cannotHold},
        {{"import", r, "--id", "42"},
         R"({"fields": {"7": {"type": "dtNumeric", "value": "-Infinity"}}})",
         "cgt import: bad JSON in standard input: fields.\"7\": -Infinity" + cannotHold},
        {{"import", r, "--id", "42"},
         R"({"worksheets": {"451": [{}, {"742": {"type": "dtCurrency", "value": "Infinity"}}]}})",
         "cgt import: bad JSON in standard input: worksheets.\"451\"[1].\"742\": Infinity" + cannotHold},
        {{"import", r, "--id", "42"},
         R"({"worksheets": {"451": [{"2000": 1}]}})",
         "cgt import: bad JSON in standard input: worksheets.\"451\"[0].\"2000\": 2000 is outside 1 to 1999"},
        {{"import", r, "--id", "42"},
         R"({"worksheets": {"451": [{"0": 1}]}})",
         "cgt import: bad JSON in standard input: worksheets.\"451\"[0].\"0\": 0 is outside 1 to 1999"},
        {{"import", r, Path("none.json"), "--id", "42"},
         "",
         "cgt import: cannot open " + Path("none.json") + ": No such file or directory"},
        {{"import", r, Path("folder"), "--id", "42"},
         "",
         "cgt import: cannot read " + Path("folder") + ": Is a directory"},
        {{"dump", Path("folder"), "--id", "42"}, "", "cgt dump: cannot read " + Path("folder") + ": Is a directory"},
        {{"dump", Path("short.bin"), "--id", "42"},
         "",
         "cgt dump: cannot open " + Path("short.bin") + ": it is too short to be a return"},
    };
    for (const auto& c : cases) {
        const Result res = Run(c.args, c.input);
        EXPECT_EQ(res.status, 1) << c.line;
        EXPECT_EQ(res.err, c.line + "\n");
        EXPECT_EQ(res.out, "");
        EXPECT_EQ(ReadText("r.dat"), before) << c.line;
    }
    // Amounts up to the limit are taken.
    EXPECT_EQ(Run({"import", r, "--id", "42"}, R"({"fields": {"300": 1e15, "301": -1e15}})").status, 0);
}

TEST_F(CgtTest, DumpShowsControlCharactersEscaped) {
    ASSERT_EQ(
        Run({"import", Path("r.dat"), "--id", "42"},
            R"({"fields": {"300": "a\nfake line", "301": {"type": "dtString", "value": "tab\there\\ \u0007\r"}}})")
            .status,
        0);
    const Result r = Run({"dump", Path("r.dat"), "--id", "42"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("  300  dtString      a\\nfake line\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("  301  dtString      tab\\there\\\\ \\x07\\r\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("\nfake line"), std::string::npos) << "a forged line";
}

TEST_F(CgtTest, AFullStandardOutputIsAFailure) {
    ASSERT_EQ(Run({"new", Path("r.dat"), "--id", "42"}).status, 0);
    const std::string command = test::ShellQuote(CGT_EXE) + " dump " + test::ShellQuote(Path("r.dat")) +
                                " --id 42 >/dev/full 2>" + test::ShellQuote(Path("stderr.txt"));
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1);
    EXPECT_EQ(ReadText("stderr.txt"), "cgt dump: cannot write standard output: No space left on device\n");
}

TEST_F(CgtTest, HelpForEveryCommand) {
    const Result list = Run({"help"});
    EXPECT_EQ(list.status, 0);
    for (const auto* c : cli::Commands()) {
        EXPECT_NE(list.out.find(std::string("  ") + c->name + " "), std::string::npos) << c->name;
        for (const auto& form :
             {std::vector<std::string>{c->name, "--help"}, std::vector<std::string>{"help", c->name}}) {
            const Result r = Run(form);
            EXPECT_EQ(r.status, 0) << c->name;
            EXPECT_EQ(r.out.rfind(std::string("usage: cgt ") + c->name, 0), 0u) << r.out;
        }
    }
    EXPECT_EQ(Run({"--help"}).out, list.out);
}

// The command functions run without the program, too.
// A small return for the calculation: one share parcel sold at a gain,
// one sold at a loss, prior-year losses and a manual calculation row.
constexpr const char* kSmallReturn = R"({
  "fields": {"921": 400, "1201": ["", "Private company", "SN", "", "2000", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""]},
  "worksheets": {"451": [
    {"710": "BHP", "714": "SN", "726": "15/03/1995", "739": "10/10/2002", "742": 25000, "721": true,
     "737": ["1 - Acquisition", "15/03/1995", "15/03/1995", "", "10000.00", "", "", ""]},
    {"710": "Telstra", "714": "SN", "726": "20/11/1999", "739": "02/12/2002", "742": 3500, "721": true,
     "737": ["1 - Acquisition", "20/11/1999", "20/11/1999", "", "5000.00", "", "", ""]}
  ]}
})";

TEST_F(CgtTest, CalcSavedTwiceGivesTheSameFile) {
    WriteText("r.json", kSmallReturn);
    ASSERT_EQ(Run({"import", Path("r.dat"), Path("r.json"), "--id", "42"}).status, 0);
    const Result first = Run({"calc", Path("r.dat"), "--id", "42", "--save"});
    ASSERT_EQ(first.status, 0) << first.err;
    // BHP: indexed 25000 - 10000 x 1.076 = 14240, discount 15000. The 1900 of
    // losses (1500 this year, 400 earlier) meet BHP first: (15000 - 1900) / 2
    // = 6550 is not above 14240 - 1900, so Discount. Net capital gain
    // (15000 + 2000 - 1900) / 2 = 7550.
    EXPECT_NE(first.out.find("field 174 net capital gain: 7550"), std::string::npos) << first.out;
    const Bytes once = ReadBytes("r.dat");
    ASSERT_EQ(Run({"calc", Path("r.dat"), "--id", "42", "--save"}).status, 0);
    EXPECT_EQ(ReadBytes("r.dat"), once);

    const Result json = Run({"calc", Path("r.dat"), "--id", "42", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    const auto j = nlohmann::json::parse(json.out);
    EXPECT_EQ(j["fields"]["174"], 7550);
    EXPECT_EQ(j["schedule"]["712"], 17000);
    EXPECT_EQ(j["assets"].size(), 2u);
}

// Returns whose receipts row carries two gains, or shares a worksheet with a
// disposal: the calculation passes its own checks, and a second run on its
// saved output (choices cleared and made afresh, or kept) gives the same.
TEST_F(CgtTest, CalcRunOnItsOwnOutputGivesTheSameFigures) {
    struct Case {
        const char* name;
        const char* json;
        const char* netGain;
        const char* lossesCarried;
    } cases[] = {
        // Shares bought 01/03/1990 for 1000 (CPI 100.9); a return of capital of
        // 5000 on 01/10/2002. Indexed cost base 1000 x 1.223 (123.4 / 100.9) =
        // 1223: indexed gain 3777; other gain 4000. The row's net is the
        // indexed one, so the pool of 8000 is applied once: 3777, net 0,
        // 8000 - 3777 = 4223 carried forward.
        {"receipt with two gains",
         R"({"fields":{"921":8000},"worksheets":{"451":[{"710":"A","714":"SN","726":"01/03/1990","741":true,"748":"G1","737":["1 - Purchase/Acquisition cost","01/03/1990","","a","1000.00","","",""],"738":["01/10/2002","","r","5000.00","",""]}]}})",
         "0", "4223"},
        // The same receipt with the discount method open (indexed 3777,
        // discount 4000) and a sale for 2000 (cost base used up: indexed and
        // discount gain 2000). Pool 4000: the receipts row (type ON) comes
        // first, 4000 >= 3777 so Indexed with 3777 applied; the disposal gets
        // the 223 left: (2000 - 223) / 2 = 888.50 is not above 1777, so
        // Discount. Schedule: 1777 - 888 (the discount, half of 1777 to even)
        // = 889.
        {"receipt and disposal",
         R"({"fields":{"921":4000},"worksheets":{"451":[{"710":"A","714":"SN","726":"01/03/1990","739":"01/12/2002","742":2000,"748":"G1","737":["1 - Purchase/Acquisition cost","01/03/1990","","a","1000.00","","",""],"738":["01/10/2002","","r","5000.00","",""]}]}})",
         "889", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(Path("r.dat"));
        WriteText("r.json", c.json);
        ASSERT_EQ(Run({"import", Path("r.dat"), Path("r.json"), "--id", "42"}).status, 0);
        const Result first = Run({"calc", Path("r.dat"), "--id", "42", "--save"});
        ASSERT_EQ(first.status, 0) << first.err;
        EXPECT_NE(first.out.find(std::string("field 174 net capital gain: ") + c.netGain + "\n"), std::string::npos)
            << first.out;
        EXPECT_NE(first.out.find(std::string("field 175 net capital losses carried forward: ") + c.lossesCarried),
                  std::string::npos)
            << first.out;
        const Bytes once = ReadBytes("r.dat");
        const Result kept = Run({"calc", Path("r.dat"), "--id", "42", "--keep-choices"});
        EXPECT_EQ(kept.status, 0) << kept.err;
        EXPECT_EQ(kept.out, first.out);
        const Result again = Run({"calc", Path("r.dat"), "--id", "42", "--save"});
        EXPECT_EQ(again.status, 0) << again.err;
        EXPECT_EQ(again.out, first.out);
        EXPECT_EQ(ReadBytes("r.dat"), once);
    }
}

// By default the choices stored in the return are made afresh; with
// --keep-choices a method the taxpayer chose stays.
TEST_F(CgtTest, CalcKeepsStoredChoicesOnlyWhenAsked) {
    // A manual row with indexed gain 900 and discount gain 1800: made afresh,
    // 1800 / 2 = 900 is not above 900, so Discount (net 900); the stored
    // "Indexed" gives a net of 900 too, so the row itself is compared.
    WriteText(
        "r.json",
        R"({"fields": {"1201": ["", "Land", "RN", "900", "1800", "", "Indexed", "", "", "", "", "", "", "", "", "", "", "", "", "", ""]}})");
    ASSERT_EQ(Run({"import", Path("r.dat"), Path("r.json"), "--id", "42"}).status, 0);
    const Result fresh = Run({"calc", Path("r.dat"), "--id", "42"});
    ASSERT_EQ(fresh.status, 0) << fresh.err;
    EXPECT_NE(fresh.out.find("  Land | RN | 900 | 1800 | Discount |"), std::string::npos) << fresh.out;
    const Result kept = Run({"calc", Path("r.dat"), "--id", "42", "--keep-choices"});
    ASSERT_EQ(kept.status, 0) << kept.err;
    EXPECT_NE(kept.out.find("  Land | RN | 900 | 1800 | Indexed |"), std::string::npos) << kept.out;
}

// The small business concessions of a gain with no asset worksheet are
// given in the cells of its own row of the trust distribution or manual
// calculation table, kept by the calculation and written back by export.
TEST_F(CgtTest, CalcAppliesTheConcessionsKeptInATrustOrManualRow) {
    // A row of a table: the cells given (by number), the others empty.
    const auto row = [](std::size_t cells, std::map<std::size_t, std::string> given) {
        nlohmann::json r = nlohmann::json::array();
        for (std::size_t c = 0; c < cells; ++c) r.push_back(given.count(c) ? given[c] : "");
        return r;
    };
    struct Case {
        const char* name;
        nlohmann::json fields;
        std::size_t cell;  // the election given, in the table's list
        const char* netGain;
    } cases[] = {
        // The CGT guide's trust: 250 after the trust's discount and 50%
        // reduction, grossed up to 1000; less 100 of losses, 900; after the
        // discount 450, after the 50% active asset reduction 225.
        {"trust without an election",
         {{"921", 100}, {"1215", row(41, {{0, "Smith Family Trust"}, {8, "250"}})}},
         0,
         "450"},
        {"trust", {{"921", 100}, {"1215", row(41, {{0, "Smith Family Trust"}, {8, "250"}, {39, "225"}})}}, 39, "225"},
        // A manual row's discount gain of 2000: 1000 after the discount, less
        // the reduction of 500 and the retirement exemption of 250.
        {"manual", {{"1201", row(21, {{1, "Shop"}, {2, "SA"}, {4, "2000"}, {17, "500"}, {18, "250"}})}}, 17, "250"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(Path("r.dat"));
        WriteText("r.json", nlohmann::json{{"fields", c.fields}}.dump());
        ASSERT_EQ(Run({"import", Path("r.dat"), Path("r.json"), "--id", "42"}).status, 0);
        const Result first = Run({"calc", Path("r.dat"), "--id", "42", "--save"});
        ASSERT_EQ(first.status, 0) << first.err;
        EXPECT_NE(first.out.find(std::string("field 174 net capital gain: ") + c.netGain + "\n"), std::string::npos)
            << first.out;
        const Bytes once = ReadBytes("r.dat");
        const Result again = Run({"calc", Path("r.dat"), "--id", "42", "--save"});
        EXPECT_EQ(again.out, first.out);
        EXPECT_EQ(ReadBytes("r.dat"), once);

        const Result exported = Run({"export", Path("r.dat"), "--id", "42"});
        ASSERT_EQ(exported.status, 0) << exported.err;
        const auto j = nlohmann::json::parse(exported.out);
        for (const auto& [tag, given] : c.fields.items()) {
            if (given.is_array()) {
                EXPECT_EQ(j["fields"][tag]["value"][c.cell], given[c.cell]) << tag;
            }
        }
    }
}

TEST_F(CgtTest, CalcThatFailsACheckSavesNothing) {
    // Losses transferred in that no row applies fail the choice table's check.
    WriteText(
        "r.json",
        R"({"fields": {"1065": 100, "1201": ["", "Land", "RN", "", "2000", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""]}})");
    ASSERT_EQ(Run({"import", Path("r.dat"), Path("r.json"), "--id", "42"}).status, 0);
    const Bytes before = ReadBytes("r.dat");
    const Result r = Run({"calc", Path("r.dat"), "--id", "42", "--save"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "cgt calc: choice table: Check Capital losses transferred in. Losses cannot be transferred in unless "
              "they can be applied.\n");
    EXPECT_EQ(ReadBytes("r.dat"), before);
}

TEST(CgtMainTest, RunsInProcessWithItsOwnStreams) {
    std::istringstream in;
    std::ostringstream out, err;
    cli::Io io{in, out, err};
    EXPECT_EQ(cli::Main({"cgt", "key", "--id=0"}, io), 0);
    EXPECT_EQ(out.str(), "d049a4856c780ba4b97f0adb6fdc123a\n");
    EXPECT_EQ(cli::Main({"cgt", "key", "--id"}, io), 2);
    EXPECT_EQ(cli::Main({"cgt", "key", "surplus", "--id", "1"}, io), 2);
    EXPECT_NE(cli::FindCommand("import"), nullptr);
}

}  // namespace
}  // namespace cgt
