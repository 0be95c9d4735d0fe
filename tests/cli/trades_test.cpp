// cgt trades, run in process: the worksheets a broker's file makes, the
// refusals, --replace and --dry-run, and the calculation of what it made.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "command.h"
#include "run_cgt.h"

namespace cgt {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

using test::Outcome;

class TradesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("cgt_trades_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        ret = Path("r.dat");
        ASSERT_EQ(Cgt({"new", ret, "--id", "42"}).status, 0);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Path(const std::string& name) const { return (dir / name).string(); }

    Outcome Cgt(std::vector<std::string> args, const std::string& input = "") {
        return test::RunCgt(std::move(args), input);
    }

    // Writes the trades file and imports it into the return.
    Outcome Trades(const std::string& name, const std::string& csv, std::vector<std::string> options = {}) {
        std::ofstream(Path(name), std::ios::binary) << csv;
        std::vector<std::string> args = {"trades", ret, Path(name), "--id", "42"};
        args.insert(args.end(), options.begin(), options.end());
        return Cgt(args);
    }

    json ShareWorksheets() {
        const Outcome exported = Cgt({"export", ret, "--id", "42"});
        EXPECT_EQ(exported.status, 0) << exported.err;
        const json j = json::parse(exported.out);
        return j["worksheets"].contains("451") ? j["worksheets"]["451"] : json::array();
    }

    std::string Bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    fs::path dir;
    std::string ret;
};

json Typed(const char* type, json value) {
    return {{"type", type}, {"value", std::move(value)}};
}

// One parcel sold, as its worksheet must hold it. Empty amounts are costs
// of nothing, which have no row.
struct Sheet {
    std::string description, bought, cost, buyBrokerage, sellBrokerage, sold;
    double proceeds;
    std::string type = "SN";
    std::string file = "t.csv";
};

// The fields the share block's screens store for a parcel typed in with
// no cost base carried over, no receipt, event A1 and roll-over No, as
// the end-to-end road (2009 to 2014) saves them: registration 710, 714,
// 726; the cost base screen's inherited answer 731 (2, No); the cost
// element grid 737 sorted by date incurred; the receipt screen's event and
// type 748, 1150; the event screen's 1100, 739, 742; the roll-over No 721.
// Boxes left blank or unticked are not kept.
json Expected(const Sheet& s) {
    json rows = json::array();
    auto row = [&](const char* element, const std::string& date, const char* what, const std::string& amount) {
        if (amount.empty()) return;
        for (const std::string& cell : {std::string(element), date, std::string(), std::string(what), amount,
                                        std::string(), std::string(), "cgt trades: " + s.file})
            rows.push_back(cell);
    };
    row("1 - Purchase/Acquisition cost", s.bought, "Purchase price", s.cost);
    row("2A - Incidentals re holding & acquisition", s.bought, "Brokerage on purchase", s.buyBrokerage);
    row("2B - Incidentals re specific CGT event", s.sold, "Brokerage on sale", s.sellBrokerage);
    return {{"710", Typed("dtString", s.description)}, {"714", Typed("dtSmallStr", s.type)},
            {"721", Typed("dtCheckbox", true)},        {"726", Typed("dtString", s.bought)},
            {"731", Typed("dtNumeric", 2.0)},          {"737", Typed("dtList", rows)},
            {"739", Typed("dtString", s.sold)},        {"742", Typed("dtCurrency", s.proceeds)},
            {"748", Typed("dtSmallStr", "G1")},        {"1100", Typed("dtSmallStr", "A1")},
            {"1150", Typed("dtSmallStr", "ON")}};
}

struct ImportCase {
    const char* name;
    const char* csv;
    std::vector<std::string> options;
    std::vector<Sheet> sheets;
};

class TradesTableTest : public TradesTest, public ::testing::WithParamInterface<ImportCase> {};

TEST_P(TradesTableTest, MakesTheWorksheetsWorkedByHand) {
    const ImportCase& c = GetParam();
    const Outcome r = Trades("t.csv", c.csv, c.options);
    ASSERT_EQ(r.status, 0) << r.err;
    const json sheets = ShareWorksheets();
    ASSERT_EQ(sheets.size(), c.sheets.size()) << sheets.dump(1);
    for (std::size_t i = 0; i < c.sheets.size(); ++i) EXPECT_EQ(sheets[i], Expected(c.sheets[i])) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TradesTableTest,
    ::testing::Values(
        // 1500 sold from the 1000 of line 2 and 500 of line 3, then 300 more
        // of line 3. Brokerage 29.95 on the first sale: 2995 x 1000/1500 =
        // 1996.67 -> 19.97 and 29.95 - 19.97 = 9.98; proceeds 14250 x
        // 1000/1500 = 9500 and 4750. Line 3's 1000 units: after 500, 10000.00
        // x 500/1000 = 5000.00 and 29.95 x 500/1000 = 14.975 -> 14.98 (half to
        // even); after 800, 8000.00 - 5000.00 and 23.96 - 14.98 = 8.98.
        ImportCase{"PartialSalesAcrossParcels",
                   "Date,Code,Type,Quantity,Price,Brokerage\n"
                   "01/03/2000,BHP,Buy,1000,9.50,19.95\n"
                   "01/06/2001,BHP,Buy,1000,10.00,29.95\n"
                   "15/11/2002,BHP,Sell,1500,9.50,29.95\n"
                   "20/03/2003,BHP,Sell,300,11.00,15.00\n",
                   {},
                   {{"BHP 1000 (bought 01/03/2000)", "01/03/2000", "9500.00", "19.95", "19.97", "15/11/2002", 9500},
                    {"BHP 500 (bought 01/06/2001)", "01/06/2001", "5000.00", "14.98", "9.98", "15/11/2002", 4750},
                    {"BHP 300 (bought 01/06/2001)", "01/06/2001", "3000.00", "8.98", "15.00", "20/03/2003", 3300}}},
        // NAB: 100 of the 300 (6000.00, 15.00) went before the income year
        // (2000.00, 5.00); the next 150 take 6000.00 x 250/300 - 2000.00 =
        // 3000.00 and 12.50 - 5.00 = 7.50; 150 x 26.50 = 3975. The sale after
        // 30/06/2003 is left alone. CBA, sold first, is a whole parcel.
        ImportCase{"SeveralCodesAndAnEarlierSale",
                   "Date,Code,Type,Quantity,Price,Brokerage\n"
                   "02/01/2002,NAB,Buy,300,20.00,15.00\n"
                   "10/05/2002,NAB,Sell,100,25.00,10.00\n"
                   "03/07/2002,CBA,Buy,50,30.00,9.90\n"
                   "01/02/2003,CBA,Sell,50,28.00,9.90\n"
                   "01/05/2003,NAB,Sell,150,26.50,12.00\n"
                   "01/07/2003,NAB,Sell,50,27.00,12.00\n",
                   {},
                   {{"CBA 50 (bought 03/07/2002)", "03/07/2002", "1500.00", "9.90", "9.90", "01/02/2003", 1400},
                    {"NAB 150 (bought 02/01/2002)", "02/01/2002", "3000.00", "7.50", "12.00", "01/05/2003", 3975}}},
        // Last in first out on one day: line 3 (100 for 1230.00) is the
        // later; the sale's 3250 and 25.00 split 100/250: 1300 and 10.00.
        // Line 2's 150 of 200: 1800.00 and 15.00; 1950 and 15.00.
        ImportCase{
            "SameDayBuysLastInFirstOut",
            "Date,Code,Type,Quantity,Price,Brokerage\n"
            "01/08/2002,WOW,Buy,200,12.00,20.00\n"
            "01/08/2002,WOW,Buy,100,12.30,20.00\n"
            "01/10/2002,WOW,Sell,250,13.00,25.00\n",
            {"--match", "lifo", "--type", "sa"},
            {{"WOW 100 (bought 01/08/2002)", "01/08/2002", "1230.00", "20.00", "10.00", "01/10/2002", 1300, "SA"},
             {"WOW 150 (bought 01/08/2002)", "01/08/2002", "1800.00", "15.00", "15.00", "01/10/2002", 1950, "SA"}}},
        // The dearer parcel goes first; no brokerage, no rows for it; 20
        // cents of proceeds are no whole dollar: the typed zero.
        ImportCase{"HighestCostSoldForNothing",
                   "Date,Code,Type,Quantity,Price\n"
                   "01/07/1999,ABC,Buy,100,5.00\n"
                   "01/07/2000,ABC,Buy,100,6.00\n"
                   "01/09/2002,ABC,Sell,100,0.002\n",
                   {"--match", "highest-cost"},
                   {{"ABC 100 (bought 01/07/2000)", "01/07/2000", "600.00", "", "", "01/09/2002", 0.0011}}}),
    [](const auto& info) { return std::string(info.param.name); });

constexpr const char* kTwoSales =
    "Date,Code,Type,Quantity,Price,Brokerage\n"
    "01/03/2000,BHP,Buy,1000,9.50,19.95\n"
    "15/11/2002,BHP,Sell,400,11.00,20.00\n"
    "15/12/2002,BHP,Sell,100,12.00,10.00\n";

TEST_F(TradesTest, RefusalsAreOneLineAndLeaveTheReturnAsItWas) {
    ASSERT_EQ(Trades("t.csv", kTwoSales).status, 0);
    const std::string before = Bytes(ret);
    const std::string head = "Date,Code,Type,Quantity,Price,Brokerage\n01/03/2000,BHP,Buy,1000,9.50,19.95\n";
    const struct {
        std::string csv;
        std::vector<std::string> options;
        int status;
        std::string line;  // after "cgt trades: "
    } cases[] = {
        {kTwoSales, {}, 1, "t.csv was imported before (2 share worksheets); --replace takes that import out first"},
        {head + "31/02/2003,BHP,Sell,10,1,0\n",
         {},
         1,
         Path("u.csv") + " line 3: bad date \"31/02/2003\" (dd/mm/yyyy or yyyy-mm-dd)"},
        {head + "15/11/2002,BHP,Sell,1001,1,0\n",
         {},
         1,
         Path("u.csv") + " line 3: sells 1001 BHP on 15/11/2002 but only 1000 are held"},
        {head + "15/11/2002,NAB,Sell,1,1,0\n", {}, 1, Path("u.csv") + " line 3: sells NAB, which the file never buys"},
        {head + "15/11/2002,BHP,Sell,-10,1,0\n", {}, 1, Path("u.csv") + " line 3: negative quantity \"-10\""},
        {"Date,Code,Side,Quantity,Price\n", {}, 1, Path("u.csv") + " line 1: unknown column \"Side\""},
        {head, {"--match", "best"}, 2, "--match is fifo, lifo or highest-cost, not best; see `cgt trades --help`"},
        {head, {"--type", "RN"}, 2, "--type is SN or SA, not RN; see `cgt trades --help`"},
    };
    for (const auto& c : cases) {
        const Outcome r = Trades(c.line.rfind("t.csv", 0) == 0 ? "t.csv" : "u.csv", c.csv, c.options);
        EXPECT_EQ(r.status, c.status) << c.line;
        EXPECT_EQ(r.err, "cgt trades: " + c.line + "\n");
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(Bytes(ret), before) << c.line;
    }
    const Outcome missing = Cgt({"trades", ret, Path("none.csv"), "--id", "42"});
    EXPECT_EQ(missing.err, "cgt trades: cannot open " + Path("none.csv") + ": No such file or directory\n");
    const Outcome wrongKey = Cgt({"trades", ret, Path("t.csv"), "--id", "43", "--replace"});
    EXPECT_EQ(wrongKey.err, "cgt trades: cannot open " + ret + ": the identity text does not open this return\n");
    EXPECT_EQ(Bytes(ret), before);
}

TEST_F(TradesTest, ReplaceTakesOutOnlyThatFilesImport) {
    // A parcel typed by hand first, then two broker files.
    const std::string hand =
        R"({"fields": {"1": "42"}, "worksheets": {"451": [{"710": "Typed by hand", "714": "SN",
           "737": ["1 - Purchase/Acquisition cost", "01/01/2001", "", "", "100.00", "", "", "my own note"]}]}})";
    ASSERT_EQ(Cgt({"import", ret, "--id", "42"}, hand).status, 0);
    ASSERT_EQ(Trades("t.csv", kTwoSales).status, 0);
    ASSERT_EQ(Trades("other-\u00e9.csv",
                     "Date,Code,Type,Quantity,Price\n01/07/2001,NAB,Buy,10,20\n01/08/2002,NAB,Sell,10,25\n")
                  .status,
              0);
    const Outcome again = Trades("t.csv",
                                 "Date,Code,Type,Quantity,Price,Brokerage\n01/03/2000,BHP,Buy,1000,9.50,19.95\n"
                                 "15/11/2002,BHP,Sell,1000,11.00,20.00\n",
                                 {"--replace"});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out,
              "held at 30/06/2003:\n  none\nremoved 2 share worksheets of the earlier import\n"
              "added 1 share worksheets\nsaved " +
                  ret + "\n");
    std::vector<std::string> names;
    for (const json& sheet : ShareWorksheets()) names.push_back(sheet["710"]["value"]);
    EXPECT_EQ(names, (std::vector<std::string>{"Typed by hand", "NAB 10 (bought 01/07/2001)",
                                               "BHP 1000 (bought 01/03/2000)"}));
    // The mark holds the file's name as the store holds text (Windows-1252).
    EXPECT_EQ(ShareWorksheets()[1]["737"]["value"][7], "cgt trades: other-\u00e9.csv");
}

TEST_F(TradesTest, DryRunPrintsTheMatchingAndSavesNothing) {
    const std::string before = Bytes(ret);
    const std::string csv = std::string(kTwoSales) + "30/05/2002,BHP,Sell,100,9.00,10.00\n01/07/2003,BHP,Sell,5,1,0\n";
    const Outcome r = Trades("t.csv", csv, {"--dry-run"});
    ASSERT_EQ(r.status, 0) << r.err;
    // Line 2's 1000 units: 9500.00 and 19.95 go 100, 400, 100 at a time;
    // running shares 950.00/2.00 (1.995 to even), 4750.00/9.98 (9.975 to
    // even), 5700.00/11.97; what is left, 3800.00 and 7.98, is held.
    EXPECT_EQ(r.out,
              "sales:\n"
              "  line 5: 30/05/2002 sold 100 BHP, proceeds 900, brokerage 10.00 (before the income year: parcels "
              "used, no worksheet)\n"
              "    100 bought 01/03/2000 (line 2): cost 950.00 + brokerage 2.00, sale brokerage 10.00, proceeds 900\n"
              "  line 3: 15/11/2002 sold 400 BHP, proceeds 4400, brokerage 20.00\n"
              "    400 bought 01/03/2000 (line 2): cost 3800.00 + brokerage 7.98, sale brokerage 20.00, proceeds 4400\n"
              "  line 4: 15/12/2002 sold 100 BHP, proceeds 1200, brokerage 10.00\n"
              "    100 bought 01/03/2000 (line 2): cost 950.00 + brokerage 1.99, sale brokerage 10.00, proceeds 1200\n"
              "  line 6: 01/07/2003 sold 5 BHP (after the income year: left alone)\n"
              "held at 30/06/2003:\n"
              "  BHP 400 bought 01/03/2000 (line 2): cost 3800.00 + brokerage 7.98\n"
              "dry run: 0 share worksheets of the earlier import would go, 2 would be added; nothing saved\n");
    EXPECT_EQ(Bytes(ret), before);
}

// A small portfolio, imported and calculated.
TEST_F(TradesTest, CalcGivesTheGainsWorkedByHand) {
    const Outcome r = Trades("t.csv",
                             "Date,Code,Type,Quantity,Price,Brokerage\n"
                             "01/03/2000,BHP,Buy,1000,9.50,19.95\n"
                             "03/07/2002,CBA,Buy,50,30.00,9.90\n"
                             "01/08/2002,WOW,Buy,200,12.00,20.00\n"
                             "15/11/2002,BHP,Sell,1000,14.00,29.95\n"
                             "01/02/2003,CBA,Sell,50,28.00,9.90\n"
                             "01/10/2002,WOW,Sell,200,13.50,25.00\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const Outcome calc = Cgt({"calc", ret, "--id", "42", "--json"});
    ASSERT_EQ(calc.status, 0) << calc.err;
    const json j = json::parse(calc.out);
    // Cost bases, each cost element to the dollar: BHP 9500 + 20 + 30 =
    // 9550, CBA 1500 + 10 + 10 = 1520, WOW 2400 + 20 + 25 = 2445.
    // BHP, held over a year from after 21/09/1999: discount gain 14000 -
    // 9550 = 4450. CBA: loss 1520 - 1400 = 120. WOW, held two months:
    // other gain 2700 - 2445 = 255.
    // The worksheets follow the sales: WOW, BHP, CBA.
    ASSERT_EQ(j["assets"].size(), 3u);
    EXPECT_EQ(j["assets"][0]["otherGain"], 255);
    EXPECT_EQ(j["assets"][1]["discountGain"], 4450);
    EXPECT_EQ(j["assets"][2]["loss"], 120);
    // The loss goes against the other gain first: 255 - 120 = 135; the
    // discount gain halves: 4450 / 2 = 2225. Net capital gain 135 + 2225.
    EXPECT_EQ(j["fields"]["169"], 4705);
    EXPECT_EQ(j["schedule"]["1114"], 2225);
    EXPECT_EQ(j["fields"]["174"], 2360);
}

}  // namespace
}  // namespace cgt
