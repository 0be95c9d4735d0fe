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
#include "calc/schedule_boxes.h"
#include "command.h"
#include "session.h"
#include "store/tags.h"

namespace cgt::cli {
namespace {

std::string Amount(long double v) {
    return FormatGeneral(v);
}

int RunCalc(const Args& args, Io& io) {
    const std::string& file = args.positional[0];
    Session session(args.Value("--id"));
    // Nobody writes the return between this load and the save.
    if (args.Has("--save")) session.Lock(file);
    session.Load(file);
    FieldStore& store = session.store();
    CalcChainResult result = RunCalculationChain(store, {.keepChoices = args.Has("--keep-choices")});

    // The schedule as stored.
    store.LoadInstance(kScheduleType, 1);
    // Every box that holds an amount, under its listing label.
    std::vector<std::pair<const ScheduleBox*, long double>> boxes;
    for (const ScheduleBox& b : ScheduleBoxes())
        if (b.listing) boxes.emplace_back(&b, store.GetFieldVal(b.tag, true));
    store.StoreInstance(kScheduleType, 1);
    const long double totalGains = store.GetFieldVal(kTagTotalGains, true);
    const long double netCapitalGain = store.GetFieldVal(kTagNetCapitalGain, true);
    const long double lossesCarried = store.GetFieldVal(kTagLossesCarriedForward, true);

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
        j["fields"] = {{std::to_string(kTagTotalGains), double(totalGains)},
                       {std::to_string(kTagNetCapitalGain), double(netCapitalGain)},
                       {std::to_string(kTagLossesCarriedForward), double(lossesCarried)}};
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
            if (v != 0) io.out << "  " << std::setw(5) << b->tag << "  " << b->listing << ": " << Amount(v) << '\n';
        io.out << "field " << kTagTotalGains << " total current year capital gains: " << Amount(totalGains) << '\n'
               << "field " << kTagNetCapitalGain << " net capital gain: " << Amount(netCapitalGain) << '\n'
               << "field " << kTagLossesCarriedForward
               << " net capital losses carried forward: " << Amount(lossesCarried) << '\n';
    }
    if (result.failure) {
        io.err << "cgt calc: " << result.failedScreen << ": " << Cp1252ToUtf8(*result.failure) << '\n';
        return 1;
    }
    // Printed, the results are let go before the save needs room for the file.
    result = CalcChainResult{};
    if (args.Has("--save")) session.Save(file, io.err, "calc");
    return 0;
}

}  // namespace

extern const Command kCalcCommand{
    "calc",
    "FILE",
    "calculate the whole return as if every automatic choice were accepted",
    "Calculates every asset worksheet (the cost base history first where receipts were\n"
    "entered), builds the choice table, clears the choices stored in the return (as \"Delete\n"
    "all and start over\" does; --keep-choices keeps them), makes every method, deferment\n"
    "and loss choice as \"make all choices\" does, writes the choices back, computes the CGT schedule and then the "
    "small\n"
    "business concession, 15-year exemption and scrip for scrip totals with the elections\n"
    "already stored. Prints each asset's result, the choice rows and the schedule. A check\n"
    "that fails is printed and nothing is saved.\n"
    "\n"
    "The elections are kept with the gain they are for: an asset's in field 719 of its\n"
    "worksheet; a trust distribution's 50% active asset reduction in cells 38, 39 and 40 of\n"
    "its row of field 1215 (counted from 0: its active-asset gain by indexation, by the\n"
    "discount method, by neither); a manual calculation's SBAAR, SBRE and SBRO in cells 17,\n"
    "18 and 19 of its row of field 1201.",
    1,
    1,
    {kIdOption,
     {"--save", nullptr, false, "save the calculated return back to FILE"},
     {"--json", nullptr, false, "print the results as JSON"},
     {"--keep-choices", nullptr, false,
      "keep the method, deferment and loss choices stored in the return (by default they are cleared and made "
      "afresh, so that a second run gives the same figures)"}},
    RunCalc,
};

}  // namespace cgt::cli
