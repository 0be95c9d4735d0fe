#include "calc/cgt_schedule.h"

#include <algorithm>
#include <cmath>

#include "base/rounding.h"
#include "calc/asset_codes.h"
#include "store/fieldstore.h"
#include "store/tags.h"

namespace cgt {
namespace {

using namespace choice;

enum RowClass {
    kSharesNonActive,
    kRealEstateNonActive,
    kOtherNonActive,
    kCollectables,
    kSharesActive,
    kRealEstateActive,
    kOtherActive
};

// The first box of each class's three columns (index, discount, other).
constexpr int kPartABox[7] = {kTagSchedSharesNonActiveIndexed, kTagSchedRealEstateNonActiveIndexed,
                              kTagSchedOtherNonActiveIndexed,  kTagSchedCollectablesIndexed,
                              kTagSchedSharesActiveIndexed,    kTagSchedRealEstateActiveIndexed,
                              kTagSchedOtherActiveIndexed};

RowClass ClassOf(const std::string& type) {
    const AssetTypeClass* c = AssetTypeClassOf(type);
    // A row without a known type: other CGT assets and events, so that no
    // gain drops out of the schedule.
    if (!c) return kOtherNonActive;
    switch (c->kind) {
        case AssetKind::SharesUnits: return c->active ? kSharesActive : kSharesNonActive;
        case AssetKind::RealEstate: return c->active ? kRealEstateActive : kRealEstateNonActive;
        case AssetKind::Collectable: return kCollectables;
        case AssetKind::Other: break;
    }
    return c->active ? kOtherActive : kOtherNonActive;
}

bool IsActiveClass(RowClass c) {
    return c == kSharesActive || c == kRealEstateActive || c == kOtherActive;
}

// Running totals are kept in whole dollars: the whole part of total + amount.
void AddTo(double& total, double amount) {
    total = std::trunc(total + amount);
}

}  // namespace

void RecomputeScheduleTotals(FieldStore& store) {
    const auto v = [&](int tag) { return double(store.GetFieldVal(tag, true)); };
    store.SetFieldVal(kTagSchedConcessionsIndexed,
                      v(kTagSchedReductionIndexed) + v(kTagSchedRetirementIndexed) + v(kTagSchedRollOverIndexed));
    store.SetFieldVal(kTagSchedConcessionsDiscount, v(kTagSchedDiscountNonActive) + v(kTagSchedDiscountActive) +
                                                        v(kTagSchedReductionDiscount) + v(kTagSchedRetirementDiscount) +
                                                        v(kTagSchedRollOverDiscount));
    store.SetFieldVal(kTagSchedConcessionsOther,
                      v(kTagSchedReductionOther) + v(kTagSchedRetirementOther) + v(kTagSchedRollOverOther));
    store.SetFieldVal(kTagSchedNetGainIndexed, v(kTagSchedAfterLossesIndexed) - v(kTagSchedConcessionsIndexed));
    store.SetFieldVal(kTagSchedNetGainDiscount, v(kTagSchedAfterLossesDiscount) - v(kTagSchedConcessionsDiscount));
    store.SetFieldVal(kTagSchedNetGainOther, v(kTagSchedAfterLossesOther) - v(kTagSchedConcessionsOther));
    store.SetFieldVal(kTagSchedNetCapitalGain,
                      v(kTagSchedNetGainIndexed) + v(kTagSchedNetGainDiscount) + v(kTagSchedNetGainOther));
    store.SetFieldVal(kTagNetCapitalGain, v(kTagSchedNetCapitalGain));
    if (store.GetFieldVal(kTagTotalGains, true) > 0 && store.GetFieldVal(kTagNetCapitalGain) == 0)
        store.SetFieldVal(kTagNetCapitalGain, kExplicitZero);
}

void ComputeCgtSchedule(FieldStore& store, const ChoiceTable& table, const LossApplication& losses) {
    store.EmptyWorkingTags();
    store.LoadInstance(kScheduleType, 1);

    double partA[7][3] = {};
    double partB[3] = {};     // shares, real estate, other
    double partE[2][3] = {};  // non-active (collectables included), active
    double collApplied[3] = {}, otherApplied[3] = {}, transferredApplied[3] = {};

    for (const ChoiceRow& r : table.rows) {
        if (ChoiceTable::Deferred(r)) continue;
        const std::string type = ChoiceTable::AssetType(r);
        const RowClass cls = ClassOf(type);
        const double i = ChoiceTable::Amount(r, kIndexedGain);
        const double d = ChoiceTable::Amount(r, kDiscountGain);
        const double o = ChoiceTable::Amount(r, kOtherGain);
        const double loss = ChoiceTable::Amount(r, kLoss);
        if (loss > 0) {
            if (cls == kSharesNonActive || cls == kSharesActive)
                AddTo(partB[0], loss);
            else if (cls == kRealEstateNonActive || cls == kRealEstateActive)
                AddTo(partB[1], loss);
            else if (cls != kCollectables)
                AddTo(partB[2], loss);
            continue;
        }
        int column = -1;
        double gain = 0;
        if (ChoiceTable::ChoiceReq(r) == "Yes") {
            const std::string method = ChoiceTable::Method(r);
            if (method == "Indexed")
                column = 0, gain = i;
            else if (method == "Discount")
                column = 1, gain = d;
        } else if (i > 0) {
            column = 0, gain = i;
        } else if (d > 0) {
            column = 1, gain = d;
        } else if (o > 0) {
            column = 2, gain = o;
        }
        if (column < 0) continue;
        const double c = ChoiceTable::Amount(r, kCollectableApplied);
        const double ol = ChoiceTable::Amount(r, kOtherApplied);
        const double t = ChoiceTable::Amount(r, kTransferredApplied);
        AddTo(partA[cls][column], gain);
        AddTo(partE[IsActiveClass(cls) ? 1 : 0][column], gain - c - ol - t);
        if (c > 0) AddTo(collApplied[column], c);
        if (ol > 0) AddTo(otherApplied[column], ol);
        if (t > 0) AddTo(transferredApplied[column], t);
    }

    // Splits applied losses into this year's part, taken against the index
    // column first, then discount, then other, and the earlier years' rest.
    const auto split = [](const double applied[3], double currentLosses, double appliedTotal, double current[3],
                          double prior[3]) {
        double remaining = std::min(appliedTotal, currentLosses);
        for (int k = 0; k < 3; ++k) {
            current[k] = std::max(0.0, std::min(applied[k], remaining));
            remaining -= current[k];
            prior[k] = applied[k] - current[k];
        }
    };
    double collCurrent[3], collPrior[3], otherCurrent[3], otherPrior[3];
    split(collApplied, table.currentCollectableLosses, losses.CollectableAppliedTotal(), collCurrent, collPrior);
    split(otherApplied, table.currentOtherLosses, losses.OtherAppliedTotal(), otherCurrent, otherPrior);

    double grossTotals[3] = {};
    for (int k = 0; k < 3; ++k)
        for (int cls = 0; cls < 7; ++cls) grossTotals[k] += partA[cls][k];

    const auto set = [&](int tag, double value) { store.SetFieldVal(tag, value); };
    for (int cls = 0; cls < 7; ++cls)
        for (int k = 0; k < 3; ++k) {
            double value = partA[cls][k];
            if (cls == kCollectables) value -= collCurrent[k] + collPrior[k];
            set(kPartABox[cls] + k, value);
        }
    double totals[3];
    for (int k = 0; k < 3; ++k) {
        totals[k] = grossTotals[k] - collCurrent[k] - collPrior[k];
        set(kTagSchedTotalGainsIndexed + k, totals[k]);
    }
    set(kTagSchedLossesShares, partB[0]);
    set(kTagSchedLossesRealEstate, partB[1]);
    set(kTagSchedLossesOther, partB[2]);
    set(kTagSchedLossesTotal, partB[0] + partB[1] + partB[2]);
    for (int k = 0; k < 3; ++k) {
        set(kTagSchedCurrentAppliedIndexed + k, otherCurrent[k]);
        set(kTagSchedPriorAppliedIndexed + k, otherPrior[k]);
        set(kTagSchedTransferredAppliedIndexed + k, transferredApplied[k]);
        set(kTagSchedTotalAppliedIndexed + k, otherCurrent[k] + otherPrior[k] + transferredApplied[k]);
    }
    const double currentTotal = otherCurrent[0] + otherCurrent[1] + otherCurrent[2];
    const double priorTotal = otherPrior[0] + otherPrior[1] + otherPrior[2];
    const double transferredTotal = transferredApplied[0] + transferredApplied[1] + transferredApplied[2];
    set(kTagSchedCurrentApplied, currentTotal);
    set(kTagSchedPriorApplied, priorTotal);
    set(kTagSchedTransferredApplied, transferredTotal);
    set(kTagSchedTotalApplied, currentTotal + priorTotal + transferredTotal);
    for (int k = 0; k < 3; ++k) {
        set(kTagSchedNonActiveAfterLossesIndexed + k, partE[0][k]);
        set(kTagSchedActiveAfterLossesIndexed + k, partE[1][k]);
        set(kTagSchedAfterLossesIndexed + k, partE[0][k] + partE[1][k]);
    }

    const double totalGains = totals[0] + totals[1] + totals[2];
    store.SetFieldVal(kTagTotalGains, totalGains);
    if (totalGains == 0 && (grossTotals[0] > 0 || grossTotals[1] > 0 || grossTotals[2] > 0))
        store.SetFieldVal(kTagTotalGains, kExplicitZero);

    set(kTagSchedDiscountNonActive, std::trunc(partE[0][1] / 2));
    set(kTagSchedDiscountActive, std::trunc(partE[1][1] / 2));

    const UnappliedLosses& u = losses.Unapplied();
    const double carriedCollectable = std::trunc(u.priorCollectable) + std::trunc(u.currentCollectable);
    const double carriedOther = std::trunc(u.priorOther) + std::trunc(u.currentOther);
    set(kTagSchedCollectableLossesCarried, carriedCollectable);
    set(kTagSchedOtherLossesCarried, carriedOther);
    store.SetFieldVal(kTagLossesCarriedForward, carriedCollectable + carriedOther);

    RecomputeScheduleTotals(store);
    store.SetFieldStr(kTagSchedTitle, kScheduleTitle);
    store.StoreInstance(kScheduleType, 1);
}

}  // namespace cgt
