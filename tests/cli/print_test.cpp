// cgt print: the printouts of a return as PDF, without a display.
#ifdef CGT_WITH_REPORT
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "command.h"
#include "run_cgt.h"
#include "test_returns.h"

namespace cgt {
namespace {

namespace fs = std::filesystem;

using test::Outcome;

class PrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("cgt_print_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        ret = Path("r.dat");
        ASSERT_EQ(Cgt({"new", ret, "--id", "42"}).status, 0);
        ASSERT_EQ(Cgt({"import", ret, "--id", "42"}, test::kOneParcelReturn).status, 0);
        ASSERT_EQ(Cgt({"calc", ret, "--id", "42", "--save"}).status, 0);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    Outcome Cgt(std::vector<std::string> args, const std::string& input = "") {
        return test::RunCgt(std::move(args), input);
    }
    std::string Bytes(const std::string& path) const {
        std::ifstream f(path, std::ios::binary);
        std::ostringstream s;
        s << f.rdbuf();
        return s.str();
    }
    fs::path dir;
    std::string ret;
};

TEST_F(PrintTest, WorksheetShowsTheAssetAndItsGain) {
    const std::string before = Bytes(ret);
    const Outcome r = Cgt({"print", "cgtwsht", ret, "--id", "42", "--pdf", Path("w.pdf"), "--text"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Capital gains tax worksheet\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("John Smith\n"), std::string::npos);
    EXPECT_NE(r.out.find("BHP 1,000 shares\n"), std::string::npos);
    EXPECT_NE(r.out.find("01/03/1990\n"), std::string::npos);
    // The discount gain box, and the proceeds.
    EXPECT_NE(r.out.find("\n1000\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\n2000\n"), std::string::npos);
    EXPECT_NE(r.out.find("printed CGTWSHT, 1 page, to " + Path("w.pdf")), std::string::npos);
    EXPECT_EQ(Bytes(Path("w.pdf")).substr(0, 4), "%PDF");
    // Printing saves nothing.
    EXPECT_EQ(Bytes(ret), before);
}

TEST_F(PrintTest, EveryPrintoutLaysOut) {
    const struct {
        const char* script;
        const char* heading;
        int pages;
    } cases[] = {{"CGTASSET", "CGT Asset Register", 1},
                 {"CGTNASS", "Non-assessable payments worksheet", 1},
                 {"CGTCHOICE", "Capital Gains Choice Table Summary", 1},
                 {"CGTCHOICEOLD", "Capital Gains Choice Table Summary", 1},
                 {"schedule", "Capital gains tax (CGT) schedule 2003", 4}};
    for (const auto& c : cases) {
        const Outcome r =
            Cgt({"print", c.script, ret, "--id", "42", "--pdf", Path(std::string(c.script) + ".pdf"), "--text"});
        ASSERT_EQ(r.status, 0) << c.script << r.err;
        EXPECT_NE(r.out.find(std::string(c.heading) + "\n"), std::string::npos) << c.script;
        EXPECT_NE(r.out.find("-- page " + std::to_string(c.pages) + "\n"), std::string::npos) << c.script;
        EXPECT_EQ(r.out.find("-- page " + std::to_string(c.pages + 1) + "\n"), std::string::npos) << c.script;
    }
    // The schedule's total current year capital gains, W: the discount gain.
    const Outcome s = Cgt({"print", "SCHEDCGT", ret, "--id", "42", "--pdf", Path("s.pdf"), "--text"});
    // Each box: its letter, the box, its amount.
    EXPECT_NE(s.out.find("Total current year capital gains\nV\n\n\nW\n\n1000\n"), std::string::npos) << s.out;
}

TEST_F(PrintTest, RefusalsSayWhy) {
    const struct {
        std::vector<std::string> args;
        int status;
        std::string message;
    } cases[] = {
        {{"print", "NOPE", ret, "--id", "42", "--pdf", Path("x.pdf")},
         2,
         "no printout NOPE; one of CGTWSHT, CGTASSET, CGTNASS, CGTCHOICE, CGTCHOICEOLD, CGTDISEV, SCHEDCGT (schedule)"},
        {{"print", "CGTWSHT", ret, "--id", "42", "--pdf", Path("x.pdf"), "--worksheet", "451/3"},
         1,
         "has 1 worksheets of type 451, not a number 3"},
        {{"print", "CGTWSHT", ret, "--id", "42", "--pdf", Path("x.pdf"), "--worksheet", "451-1"},
         2,
         "--worksheet is TYPE/N (for example 451/1), not 451-1"},
        {{"print", "CGTWSHT", ret, "--id", "42", "--pdf", Path("x.pdf"), "--worksheet", "469/1"},
         2,
         "--worksheet: 469 is not an asset worksheet type (451 to 462)"},
        {{"print", "schedule", ret, "--id", "42", "--pdf", Path("x.pdf"), "--worksheet", "451/1"},
         2,
         "--worksheet is for CGTWSHT, CGTASSET and CGTNASS only"},
        {{"print", "schedule", ret, "--id", "42", "--pdf", Path("no/such/dir/x.pdf")},
         1,
         "cgt print: cannot write " + Path("no/such/dir/x.pdf") + ": No such file or directory\n"},
    };
    for (const auto& c : cases) {
        const Outcome r = Cgt(c.args);
        EXPECT_EQ(r.status, c.status) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

}  // namespace
}  // namespace cgt
#endif
