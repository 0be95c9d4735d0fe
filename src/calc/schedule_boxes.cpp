#include "calc/schedule_boxes.h"

#include "store/tags.h"

namespace cgt {
namespace {

constexpr SchedulePart kParts[] = {
    {'A', "Current year capital gains", {"Indexation", "Discount", "Other", ""}},
    {'B',
     "Current year capital losses (other than from collectables)",
     {"Shares, units", "Real estate", "Other", "Total"}},
    {'D', "Capital losses applied", {"Indexation", "Discount", "Other", "Total"}},
    {'E', "Current year capital gains after applying capital losses", {"Indexation", "Discount", "Other", ""}},
    {'F', "CGT discount", {"", "Discount", "", ""}},
    {'G', "Small business concessions", {"Indexation", "Discount", "Other", ""}},
    {'H', "Net capital gain", {"Indexation", "Discount", "Other", "Total"}},
    {'I', "Unapplied net capital losses carried forward", {"", "", "", ""}},
    {'J', "Small business 15-year exemption", {"", "", "", ""}},
    {'K', "Scrip for scrip roll-over", {"", "", "", ""}},
};
constexpr const SchedulePart* kPartA = &kParts[0];
constexpr const SchedulePart* kPartB = &kParts[1];
constexpr const SchedulePart* kPartD = &kParts[2];
constexpr const SchedulePart* kPartE = &kParts[3];
constexpr const SchedulePart* kPartF = &kParts[4];
constexpr const SchedulePart* kPartG = &kParts[5];
constexpr const SchedulePart* kPartH = &kParts[6];
constexpr const SchedulePart* kPartI = &kParts[7];
constexpr const SchedulePart* kPartJ = &kParts[8];
constexpr const SchedulePart* kPartK = &kParts[9];

constexpr auto kCode = ScheduleBoxKind::Code;
constexpr auto kTick = ScheduleBoxKind::Tick;

// clang-format off
constexpr ScheduleBox kBoxes[] = {
    {kTagSchedSharesNonActiveIndexed,       kPartA, "A", 0, "Shares and units - non-active",          "A1 shares/units indexation"},
    {kTagSchedSharesNonActiveDiscount,      kPartA, "B", 1, "Shares and units - non-active",          "A1 shares/units discount"},
    {kTagSchedSharesNonActiveOther,         kPartA, "C", 2, "Shares and units - non-active",          "A1 shares/units other"},
    {kTagSchedRealEstateNonActiveIndexed,   kPartA, "D", 0, "Real estate - non-active",               "A1 real estate indexation"},
    {kTagSchedRealEstateNonActiveDiscount,  kPartA, "E", 1, "Real estate - non-active",               "A1 real estate discount"},
    {kTagSchedRealEstateNonActiveOther,     kPartA, "F", 2, "Real estate - non-active",               "A1 real estate other"},
    {kTagSchedOtherNonActiveIndexed,        kPartA, "G", 0, "Other assets and events - non-active",   "A1 other indexation"},
    {kTagSchedOtherNonActiveDiscount,       kPartA, "H", 1, "Other assets and events - non-active",   "A1 other discount"},
    {kTagSchedOtherNonActiveOther,          kPartA, "I", 2, "Other assets and events - non-active",   "A1 other other"},
    {kTagSchedCollectablesIndexed,          kPartA, "J", 0, "Collectables, after collectable losses", "A collectables indexation"},
    {kTagSchedCollectablesDiscount,         kPartA, "K", 1, "Collectables, after collectable losses", "A collectables discount"},
    {kTagSchedCollectablesOther,            kPartA, "L", 2, "Collectables, after collectable losses", "A collectables other"},
    {kTagSchedSharesActiveIndexed,          kPartA, "M", 0, "Shares and units - active",              "A2 shares/units indexation"},
    {kTagSchedSharesActiveDiscount,         kPartA, "N", 1, "Shares and units - active",              "A2 shares/units discount"},
    {kTagSchedSharesActiveOther,            kPartA, "O", 2, "Shares and units - active",              "A2 shares/units other"},
    {kTagSchedRealEstateActiveIndexed,      kPartA, "P", 0, "Real estate - active",                   "A2 real estate indexation"},
    {kTagSchedRealEstateActiveDiscount,     kPartA, "Q", 1, "Real estate - active",                   "A2 real estate discount"},
    {kTagSchedRealEstateActiveOther,        kPartA, "R", 2, "Real estate - active",                   "A2 real estate other"},
    {kTagSchedOtherActiveIndexed,           kPartA, "S", 0, "Other assets and events - active",       "A2 other indexation"},
    {kTagSchedOtherActiveDiscount,          kPartA, "T", 1, "Other assets and events - active",       "A2 other discount"},
    {kTagSchedOtherActiveOther,             kPartA, "U", 2, "Other assets and events - active",       "A2 other other"},
    {kTagSchedTotalGainsIndexed,            kPartA, "V", 0, "Total current year capital gains",       "A total CYCG indexation"},
    {kTagSchedTotalGainsDiscount,           kPartA, "W", 1, "Total current year capital gains",       "A total CYCG discount"},
    {kTagSchedTotalGainsOther,              kPartA, "X", 2, "Total current year capital gains",       "A total CYCG other"},
    {kTagSchedLossesShares,                 kPartB, "A", 0, "Current year capital losses",            "B losses shares/units"},
    {kTagSchedLossesRealEstate,             kPartB, "B", 1, "Current year capital losses",            "B losses real estate"},
    {kTagSchedLossesOther,                  kPartB, "C", 2, "Current year capital losses",            "B losses other"},
    {kTagSchedLossesTotal,                  kPartB, "D", 3, "Current year capital losses",            "B losses total"},
    {kTagSchedCurrentAppliedIndexed,        kPartD, "E", 0, "Current year capital losses",            "D current year applied I"},
    {kTagSchedCurrentAppliedDiscount,       kPartD, "F", 1, "Current year capital losses",            "D current year applied D"},
    {kTagSchedCurrentAppliedOther,          kPartD, "G", 2, "Current year capital losses",            "D current year applied O"},
    {kTagSchedCurrentApplied,               kPartD, "H", 3, "Current year capital losses",            "D current year applied"},
    {kTagSchedPriorAppliedIndexed,          kPartD, "I", 0, "Prior year net capital losses",          "D prior year applied I"},
    {kTagSchedPriorAppliedDiscount,         kPartD, "J", 1, "Prior year net capital losses",          "D prior year applied D"},
    {kTagSchedPriorAppliedOther,            kPartD, "K", 2, "Prior year net capital losses",          "D prior year applied O"},
    {kTagSchedPriorApplied,                 kPartD, "L", 3, "Prior year net capital losses",          "D prior year applied"},
    {kTagSchedTransferredAppliedIndexed,    kPartD, "M", 0, "Capital losses transferred in",          "D transferred in applied I"},
    {kTagSchedTransferredAppliedDiscount,   kPartD, "N", 1, "Capital losses transferred in",          "D transferred in applied D"},
    {kTagSchedTransferredAppliedOther,      kPartD, "O", 2, "Capital losses transferred in",          "D transferred in applied O"},
    {kTagSchedTransferredApplied,           kPartD, "P", 3, "Capital losses transferred in",          "D transferred in applied"},
    {kTagSchedTotalAppliedIndexed,          kPartD, "Q", 0, "Total capital losses applied",           "D total applied I"},
    {kTagSchedTotalAppliedDiscount,         kPartD, "R", 1, "Total capital losses applied",           "D total applied D"},
    {kTagSchedTotalAppliedOther,            kPartD, "S", 2, "Total capital losses applied",           "D total applied O"},
    {kTagSchedTotalApplied,                 kPartD, "",  3, "Total capital losses applied",           "D total applied"},
    {kTagSchedNonActiveAfterLossesIndexed,  kPartE, "A", 0, "Non-active assets and collectables",     "E non-active I"},
    {kTagSchedNonActiveAfterLossesDiscount, kPartE, "B", 1, "Non-active assets and collectables",     "E non-active D"},
    {kTagSchedNonActiveAfterLossesOther,    kPartE, "C", 2, "Non-active assets and collectables",     "E non-active O"},
    {kTagSchedActiveAfterLossesIndexed,     kPartE, "D", 0, "Active assets",                          "E active I"},
    {kTagSchedActiveAfterLossesDiscount,    kPartE, "E", 1, "Active assets",                          "E active D"},
    {kTagSchedActiveAfterLossesOther,       kPartE, "F", 2, "Active assets",                          "E active O"},
    {kTagSchedAfterLossesIndexed,           kPartE, "",  0, "Total",                                  "E total I"},
    {kTagSchedAfterLossesDiscount,          kPartE, "",  1, "Total",                                  "E total D"},
    {kTagSchedAfterLossesOther,             kPartE, "",  2, "Total",                                  "E total O"},
    {kTagSchedDiscountNonActive,            kPartF, "J", 1, "On gains from non-active assets",        "F discount non-active"},
    {kTagSchedDiscountActive,               kPartF, "K", 1, "On gains from active assets",            "F discount active"},
    {kTagSchedReductionIndexed,             kPartG, "L", 0, "50% active asset reduction",             "G SBAAR I"},
    {kTagSchedReductionDiscount,            kPartG, "M", 1, "50% active asset reduction",             "G SBAAR D"},
    {kTagSchedReductionOther,               kPartG, "N", 2, "50% active asset reduction",             "G SBAAR O"},
    {kTagSchedRetirementIndexed,            kPartG, "O", 0, "Retirement exemption",                   "G SBRE I"},
    {kTagSchedRetirementDiscount,           kPartG, "P", 1, "Retirement exemption",                   "G SBRE D"},
    {kTagSchedRetirementOther,              kPartG, "Q", 2, "Retirement exemption",                   "G SBRE O"},
    {kTagSchedRollOverIndexed,              kPartG, "R", 0, "Roll-over",                              "G SBRO I"},
    {kTagSchedRollOverDiscount,             kPartG, "S", 1, "Roll-over",                              "G SBRO D"},
    {kTagSchedRollOverOther,                kPartG, "T", 2, "Roll-over",                              "G SBRO O"},
    {kTagSchedConcessionsIndexed,           kPartH, "",  0, "CGT discount and concessions",           "H concessions I"},
    {kTagSchedConcessionsDiscount,          kPartH, "",  1, "CGT discount and concessions",           "H concessions D"},
    {kTagSchedConcessionsOther,             kPartH, "",  2, "CGT discount and concessions",           "H concessions O"},
    {kTagSchedNetGainIndexed,               kPartH, "",  0, "Net capital gains",                      "H net gain I"},
    {kTagSchedNetGainDiscount,              kPartH, "",  1, "Net capital gains",                      "H net gain D"},
    {kTagSchedNetGainOther,                 kPartH, "",  2, "Net capital gains",                      "H net gain O"},
    {kTagSchedNetCapitalGain,               kPartH, "G", 3, "Net capital gain",                       "H net capital gain"},
    {kTagSchedCollectableLossesCarried,     kPartI, "H", 3, "From collectables",                      "I collectable losses c/f"},
    {kTagSchedOtherLossesCarried,           kPartI, "I", 3, "From other CGT assets and events",       "I other losses c/f"},
    {kTagSchedExemptGains,                  kPartJ, "",  3, "Exempt capital gains",                   "J exempt gains"},
    {kTagSchedExemptionCode,                kPartJ, "",  3, "CGT asset or CGT event code",            nullptr, kCode},
    {kTagSchedScripYes,                     kPartK, "A", 3, "Scrip for scrip roll-over chosen",       nullptr, kTick},
    {kTagSchedScripCostBase,                kPartK, "B", 3, "Cost base of the interests exchanged",   "K cost base exchanged"},
    {kTagSchedScripMarketValue,             kPartK, "C", 3, "Market value of replacement interests",  "K market value replacement"},
    {kTagSchedScripCash,                    kPartK, "D", 3, "Cash and other consideration",           "K cash and other"},
};
// clang-format on

}  // namespace

std::span<const SchedulePart> ScheduleParts() {
    return kParts;
}

std::span<const ScheduleBox> ScheduleBoxes() {
    return kBoxes;
}

}  // namespace cgt
