// cgt calc: the whole calculation chain of a return, every automatic choice
// accepted.
#include <iomanip>
#include <nlohmann/json.hpp>
#include <ostream>

#include "base/cp1252.h"
#include "base/numtext.h"
#include "base/text.h"
#include "calc/calc_chain.h"
#include "calc/cgt_schedule.h"
#include "command.h"
#include "session.h"

namespace cgt::cli {
namespace {

// Schedule boxes by their letters on the printed form, for the listing.
struct Box {
    int tag;
    const char* label;
};
constexpr Box kScheduleBoxes[] = {
    {711, "A1 shares/units indexation"},
    {712, "A1 shares/units discount"},
    {713, "A1 shares/units other"},
    {714, "A1 real estate indexation"},
    {715, "A1 real estate discount"},
    {716, "A1 real estate other"},
    {717, "A1 other indexation"},
    {718, "A1 other discount"},
    {719, "A1 other other"},
    {720, "A collectables indexation"},
    {721, "A collectables discount"},
    {722, "A collectables other"},
    {723, "A2 shares/units indexation"},
    {724, "A2 shares/units discount"},
    {725, "A2 shares/units other"},
    {726, "A2 real estate indexation"},
    {727, "A2 real estate discount"},
    {728, "A2 real estate other"},
    {729, "A2 other indexation"},
    {730, "A2 other discount"},
    {731, "A2 other other"},
    {732, "A total CYCG indexation"},
    {733, "A total CYCG discount"},
    {734, "A total CYCG other"},
    {735, "B losses shares/units"},
    {736, "B losses real estate"},
    {737, "B losses other"},
    {738, "B losses total"},
    {739, "D current year applied I"},
    {740, "D current year applied D"},
    {741, "D current year applied O"},
    {742, "D current year applied"},
    {743, "D prior year applied I"},
    {744, "D prior year applied D"},
    {745, "D prior year applied O"},
    {746, "D prior year applied"},
    {747, "D transferred in applied I"},
    {748, "D transferred in applied D"},
    {749, "D transferred in applied O"},
    {1100, "D transferred in applied"},
    {1101, "D total applied I"},
    {1102, "D total applied D"},
    {1103, "D total applied O"},
    {1104, "D total applied"},
    {1105, "E non-active I"},
    {1106, "E non-active D"},
    {1107, "E non-active O"},
    {1108, "E active I"},
    {1109, "E active D"},
    {1110, "E active O"},
    {1111, "E total I"},
    {1112, "E total D"},
    {1113, "E total O"},
    {1114, "F discount non-active"},
    {1115, "F discount active"},
    {1116, "G SBAAR I"},
    {1117, "G SBAAR D"},
    {1118, "G SBAAR O"},
    {1119, "G SBRE I"},
    {1120, "G SBRE D"},
    {1121, "G SBRE O"},
    {1122, "G SBRO I"},
    {1123, "G SBRO D"},
    {1124, "G SBRO O"},
    {1125, "H concessions I"},
    {1126, "H concessions D"},
    {1127, "H concessions O"},
    {1128, "H net gain I"},
    {1129, "H net gain D"},
    {1130, "H net gain O"},
    {1131, "H net capital gain"},
    {1132, "I collectable losses c/f"},
    {1133, "I other losses c/f"},
    {1134, "J exempt gains"},
    {1137, "K cost base exchanged"},
    {1138, "K market value replacement"},
    {1139, "K cash and other"},
};

std::string Amount(long double v) {
    return FormatGeneral(v);
}

int RunCalc(const Args& args, Io& io) {
    const std::string& file = args.positional[0];
    Session session(args.Value("--id"));
    session.Load(file);
    FieldStore& store = session.store();
    const CalcChainResult result = RunCalculationChain(store);

    // The schedule as stored.
    store.LoadInstance(kScheduleType, 1);
    std::vector<std::pair<const Box*, long double>> boxes;
    for (const Box& b : kScheduleBoxes) boxes.emplace_back(&b, store.GetFieldVal(b.tag, true));
    store.StoreInstance(kScheduleType, 1);
    const long double f169 = store.GetFieldVal(kTagTotalGains, true);
    const long double f174 = store.GetFieldVal(kTagNetCapitalGain, true);
    const long double f175 = store.GetFieldVal(kTagLossesCarriedForward, true);

    if (args.Has("--json")) {
        nlohmann::ordered_json j;
        j["assets"] = nlohmann::ordered_json::array();
        for (const auto& a : result.assets)
            j["assets"].push_back({{"type", a.type},
                                   {"instance", a.instance},
                                   {"name", Cp1252ToUtf8(a.name)},
                                   {"indexedGain", double(a.indexedGain)},
                                   {"discountGain", double(a.discountGain)},
                                   {"otherGain", double(a.otherGain)},
                                   {"loss", double(a.loss)},
                                   {"messages", {Cp1252ToUtf8(a.message1), Cp1252ToUtf8(a.message2)}}});
        j["choices"] = nlohmann::ordered_json::array();
        for (const auto& r : result.table.rows) {
            nlohmann::ordered_json row = nlohmann::ordered_json::array();
            for (const auto& c : r) row.push_back(Cp1252ToUtf8(Trim(c)));
            j["choices"].push_back(row);
        }
        nlohmann::ordered_json schedule;
        for (const auto& [b, v] : boxes) schedule[std::to_string(b->tag)] = double(v);
        j["schedule"] = schedule;
        j["fields"] = {{"169", double(f169)}, {"174", double(f174)}, {"175", double(f175)}};
        if (result.failure) j["failure"] = Cp1252ToUtf8(*result.failure);
        io.out << j.dump(2) << '\n';
    } else {
        io.out << "assets:\n";
        for (const auto& a : result.assets) {
            io.out << "  " << a.type << '/' << a.instance << ' ' << Cp1252ToUtf8(a.name) << ": indexed "
                   << Amount(a.indexedGain) << ", discount " << Amount(a.discountGain) << ", other "
                   << Amount(a.otherGain) << ", loss " << Amount(a.loss) << '\n';
            for (const std::string* m : {&a.message1, &a.message2})
                if (!m->empty()) io.out << "      " << Cp1252ToUtf8(*m) << '\n';
        }
        io.out << "choices (description | type | indexed | discount | method | other | loss | defer | "
                  "collectable applied | other applied | net gain):\n";
        for (const auto& r : result.table.rows) {
            using namespace choice;
            io.out << "  ";
            bool first = true;
            for (int c : {kDescription, kAssetType, kIndexedGain, kDiscountGain, kMethod, kOtherGain, kLoss, kWantDefer,
                          kCollectableApplied, kOtherApplied, kNetGain}) {
                io.out << (first ? "" : " | ") << Cp1252ToUtf8(Trim(r[std::size_t(c)]));
                first = false;
            }
            io.out << '\n';
        }
        io.out << Cp1252ToUtf8(result.netGainLabel) << "\nschedule:\n";
        for (const auto& [b, v] : boxes)
            if (v != 0) io.out << "  " << std::setw(5) << b->tag << "  " << b->label << ": " << Amount(v) << '\n';
        io.out << "field 169 total current year capital gains: " << Amount(f169) << '\n'
               << "field 174 net capital gain: " << Amount(f174) << '\n'
               << "field 175 net capital losses carried forward: " << Amount(f175) << '\n';
    }
    if (result.failure) {
        io.err << "cgt calc: " << result.failedScreen << ": " << Cp1252ToUtf8(*result.failure) << '\n';
        return 1;
    }
    if (args.Has("--save")) session.Save(file);
    return 0;
}

}  // namespace

extern const Command kCalcCommand{
    "calc",
    "FILE",
    "calculate the whole return as if every automatic choice were accepted",
    "Calculates every asset worksheet (the cost base history first where receipts were\n"
    "entered), builds the choice table with every method, deferment and loss choice made\n"
    "by the program, writes the choices back, computes the CGT schedule and then the small\n"
    "business concession, 15-year exemption and scrip for scrip totals with the elections\n"
    "already stored. Prints each asset's result, the choice rows and the schedule. A check\n"
    "that fails is printed and nothing is saved.",
    1,
    1,
    {kIdOption,
     {"--save", nullptr, false, "save the calculated return back to FILE"},
     {"--json", nullptr, false, "print the results as JSON"}},
    RunCalc,
};

}  // namespace cgt::cli
