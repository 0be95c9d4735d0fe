// cgt trades: a broker's trades as share worksheets.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <ostream>
#include <sstream>

#include "base/text.h"
#include "command.h"
#include "session.h"
#include "trade_worksheets.h"
#include "trades_report.h"

namespace cgt::cli {
namespace {

// Instance numbers are two bytes in the file.
constexpr int kMaxWorksheets = std::numeric_limits<std::uint16_t>::max();

std::string ReadTradesFile(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) throw Failure("cannot read " + path + ": Is a directory");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Failure("cannot open " + path + ": " + std::strerror(errno ? errno : ENOENT));
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

MatchOrder OrderOption(const Args& args) {
    if (!args.Has("--match")) return MatchOrder::Fifo;
    if (const auto order = MatchOrderOf(args.Value("--match"))) return *order;
    throw UsageError("--match is fifo, lifo or highest-cost, not " + args.Value("--match"));
}

std::string TypeOption(const Args& args) {
    if (!args.Has("--type")) return "SN";
    const std::string type = UpperCase(args.Value("--type"));
    if (type != "SN" && type != "SA") throw UsageError("--type is SN or SA, not " + args.Value("--type"));
    return type;
}

int RunTrades(const Args& args, Io& io) {
    const std::string& file = args.positional[0];
    const std::string& tradesFile = args.positional[1];
    const MatchOrder order = OrderOption(args);
    const std::string assetType = TypeOption(args);
    const bool dryRun = args.Has("--dry-run");

    const std::string text = ReadTradesFile(tradesFile);
    std::vector<Trade> trades;
    TradeMatching matching;
    try {
        trades = ReadTradesCsv(text);
        matching = MatchTrades(trades, order);
    } catch (const TradesError& e) {
        throw Failure(tradesFile + " " + e.what());
    }

    Session session(args.Value("--id"));
    // Nobody writes the return between this load and the save.
    if (!dryRun) session.Lock(file);
    session.Load(file);
    FieldStore& store = session.store();
    const std::string mark = TradesImportMark(StoreText(tradesFile));
    const std::vector<int> earlier = ImportedShareWorksheets(store, mark);
    if (!earlier.empty() && !args.Has("--replace"))
        throw Failure(std::filesystem::path(tradesFile).filename().string() + " was imported before (" +
                      std::to_string(earlier.size()) + " share worksheets); --replace takes that import out first");
    const int added = ShareWorksheetsOf(matching);
    if (store.WorksheetCount(kWsShares) - int(earlier.size()) + added > kMaxWorksheets)
        throw Failure("a return holds at most " + std::to_string(kMaxWorksheets) + " share worksheets; " + tradesFile +
                      " makes " + std::to_string(added));

    if (dryRun) {
        PrintSales(io.out, matching);
        PrintHeld(io.out, matching);
        io.out << "dry run: " << earlier.size() << " share worksheets of the earlier import would go, " << added
               << " would be added; nothing saved\n";
        return 0;
    }
    RemoveShareWorksheets(store, earlier);
    AddShareWorksheets(store, matching, assetType, mark);
    session.Save(file, io.err, "trades");
    PrintHeld(io.out, matching);
    if (!earlier.empty()) io.out << "removed " << earlier.size() << " share worksheets of the earlier import\n";
    io.out << "added " << added << " share worksheets\nsaved " << file << '\n';
    return 0;
}

}  // namespace

extern const Command kTradesCommand{
    "trades",
    "FILE TRADES.csv",
    "turn a broker's CSV of buys and sells into share worksheets and save",
    "Each sale is matched against earlier buys of the same code; every part of a parcel\n"
    "sold in the income year becomes a share worksheet: description, asset type, date\n"
    "of acquisition, cost elements 1, 2A and 2B, event A1 with its date and capital\n"
    "proceeds, and roll-over No. Sales before 01/07/2002 use up parcels but make no\n"
    "worksheet; trades after 30/06/2003 are left alone. Columns, by header name in any\n"
    "case: date (trade date), code (symbol, security), type (action, buy/sell),\n"
    "quantity (units), price (unit price), brokerage (fees, commission) and\n"
    "consideration (value), the last two optional. Dates dd/mm/yyyy or yyyy-mm-dd.\n"
    "The worksheets' cost element rows carry the comment \"cgt trades: \" and the file's\n"
    "name; importing a file of that name again is refused unless --replace. Prints the\n"
    "parcels held at 30/06/2003. The previous FILE is kept with the extension .BAK.",
    2,
    2,
    {kIdOption,
     {"--match", "fifo|lifo|highest-cost", false, "which parcel a sale uses first (fifo by default)"},
     {"--type", "SN|SA", false, "asset type of the worksheets (SN by default)"},
     {"--dry-run", nullptr, false, "print the matching and the parcels held; save nothing"},
     {"--replace", nullptr, false, "take out the worksheets an earlier import of the file made"}},
    RunTrades,
};

}  // namespace cgt::cli
