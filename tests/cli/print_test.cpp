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
        {{"print", "CGTNASS", ret, "--id", "42", "--pdf", Path("x.pdf"), "--worksheet", "453/1"},
         1,
         "no CGTNASS for worksheet 453/1: only shares (451) and trust units (452) have a non-assessable receipts "
         "worksheet"},
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

TEST_F(PrintTest, ScheduleHeadedWithNameAndTaxFileNumberAndLettered) {
    const Outcome r = Cgt({"print", "schedule", ret, "--id", "42", "--pdf", Path("s.pdf"), "--text"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Tax file number\n42\nName\nJohn Smith\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("382"), std::string::npos);
    // The discount gain of 1,000 less its 50% discount: 500 at label G of
    // Part H, the net capital gain the return's label A takes.
    EXPECT_NE(r.out.find("Net capital gain (total of the three methods)\nG\n\n500\n"), std::string::npos) << r.out;
    for (const char* label : {"Part F  CGT discount", "Part I  Unapplied", "Part K  Scrip"})
        EXPECT_NE(r.out.find(label), std::string::npos) << label;
    for (const char* lettered :
         {"CGT discount on gains from non-active assets\nJ\n", "Small business 50% active asset reduction\nL\n",
          "Net capital losses from collectables\nH\n",
          "Net capital losses from all other CGT assets and CGT events\nI\n",
          "Did you choose scrip for scrip roll-over?\nA\n", "Cash and other consideration received\nD\n"})
        EXPECT_NE(r.out.find(lettered), std::string::npos) << lettered;
}

TEST_F(PrintTest, NameGivenWhenTheReturnHoldsNone) {
    const std::string bare = Path("bare.dat");
    ASSERT_EQ(Cgt({"new", bare, "--id", "7"}).status, 0);
    const Outcome named =
        Cgt({"print", "schedule", bare, "--id", "7", "--pdf", Path("n.pdf"), "--text", "--name", "Jane Investor"});
    ASSERT_EQ(named.status, 0) << named.err;
    EXPECT_NE(named.out.find("Name\nJane Investor\n"), std::string::npos) << named.out;
    // The return's own name stands, with a note.
    const Outcome held =
        Cgt({"print", "schedule", ret, "--id", "42", "--pdf", Path("h.pdf"), "--text", "--name", "Someone Else"});
    ASSERT_EQ(held.status, 0) << held.err;
    EXPECT_NE(held.out.find("Name\nJohn Smith\n"), std::string::npos);
    EXPECT_EQ(held.out.find("Someone Else"), std::string::npos);
    EXPECT_NE(held.err.find("the return holds the name John Smith; --name is not printed"), std::string::npos);
}

TEST_F(PrintTest, FifteenYearExemptionOfNothingPrintsZero) {
    const std::string r15 = Path("r15.dat");
    ASSERT_EQ(Cgt({"new", r15, "--id", "7"}).status, 0);
    ASSERT_EQ(Cgt({"import", r15, "--id", "7"}, R"({"worksheets":{"469":[{"1135":"R"}]}})").status, 0);
    const Outcome r = Cgt({"print", "schedule", r15, "--id", "7", "--pdf", Path("j.pdf"), "--text"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Exempt capital gains\n\n0\nCGT asset type or CGT event code\nR\n"), std::string::npos)
        << r.out;
}

TEST_F(PrintTest, TrustNetCapitalGainsFilled) {
    const std::string rt = Path("rt.dat");
    ASSERT_EQ(Cgt({"new", rt, "--id", "7"}).status, 0);
    // Indexed 40, discounted 150 and other 25.50: a net capital gain of 215.50.
    std::string trust = R"({"fields":{"1215":["Unit trust 1","40","150","25.50")";
    for (int c = 4; c < 41; ++c) trust += R"(,"")";
    trust += "]}}";
    ASSERT_EQ(Cgt({"import", rt, "--id", "7"}, trust).status, 0);
    const Outcome r = Cgt({"print", "CGTDISEV", rt, "--id", "7", "--pdf", Path("d.pdf"), "--text"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Unit trust 1\n40.00\n150.00\n25.50\n\n\n\n\n\n\n215.50\n"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace cgt
#endif
