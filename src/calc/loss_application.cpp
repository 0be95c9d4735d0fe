#include "calc/loss_application.h"

#include <cmath>
#include <memory>

#include "base/dialogs.h"
#include "base/numtext.h"
#include "base/rounding.h"
#include "base/text.h"
#include "calc/asset_codes.h"
#include "store/fieldstore.h"

namespace cgt {
namespace {

using namespace choice;

// Non-active types but the collectables, which have a loss pool of their own.
bool IsNonActive(const std::string& t) {
    return IsNonActiveType(t) && !IsCollectableType(t);
}

bool Filled(const ChoiceRow& r, int c) {
    return !Trim(r[std::size_t(c)]).empty();
}
double Number(const ChoiceRow& r, int c) {
    return double(StrToFloatDef(Trim(r[std::size_t(c)]), 0));
}

// Sum of a column's cells, truncated to whole dollars.
double TruncatedSum(const std::vector<ChoiceRow>& rows, int c) {
    double sum = 0;
    for (const auto& r : rows) sum += Number(r, c);
    return std::trunc(sum);
}

std::string AmountText(double v) {
    return FormatGeneral(v);
}

const std::string kFixedTrusts = "Fixed Trusts";

}  // namespace

std::string CurrencyText(double amount) {
    return DollarText(amount, 0);
}

LossApplication::LossApplication(ChoiceTable& table, FieldStore& store) : table_(table), store_(store) {
    priorCollectable_ = double(store.GetFieldVal(kTagPriorCollectableLosses, true));
    priorOther_ = double(store.GetFieldVal(kTagPriorOtherLosses, true));
    transferredIn_ = double(store.GetFieldVal(kTagTransferredInLosses, true));
    unapplied_ = InitialUnapplied();
}

double LossApplication::CollectableAppliedTotal() const {
    return running_ ? std::trunc(collectableSum_) : TruncatedSum(table_.rows, kCollectableApplied);
}
double LossApplication::OtherAppliedTotal() const {
    return running_ ? std::trunc(otherSum_) : TruncatedSum(table_.rows, kOtherApplied);
}

void LossApplication::WriteApplied(ChoiceRow& row, int column, double amount) {
    double& sum = column == kCollectableApplied ? collectableSum_ : otherSum_;
    sum -= Number(row, column);
    row[std::size_t(column)] = AmountText(amount);
    sum += Number(row, column);
}
double LossApplication::TransferredAppliedTotal() const {
    return TruncatedSum(table_.rows, kTransferredApplied);
}

UnappliedLosses LossApplication::InitialUnapplied() const {
    return {priorCollectable_, table_.currentCollectableLosses, priorOther_, table_.currentOtherLosses};
}

std::string LossApplication::RecomputeNets() {
    auto gains = std::make_shared<TextList>();
    for (ChoiceRow& r : table_.rows) {
        if (ChoiceTable::Deferred(r)) {
            r[kCollectableApplied].clear();
            r[kOtherApplied].clear();
            r[kTransferredApplied].clear();
            r[kNetGain] = "0";
            continue;
        }
        const double i = ChoiceTable::Amount(r, kIndexedGain);
        const double d = ChoiceTable::Amount(r, kDiscountGain);
        const double o = ChoiceTable::Amount(r, kOtherGain);
        const double applied = ChoiceTable::Amount(r, kCollectableApplied) + ChoiceTable::Amount(r, kOtherApplied) +
                               ChoiceTable::Amount(r, kTransferredApplied);
        enum class By { None, Indexed, Discount, Other } by = By::None;
        if (ChoiceTable::ChoiceReq(r) == "Yes") {
            const std::string method = ChoiceTable::Method(r);
            if (method == "Indexed") by = By::Indexed;
            if (method == "Discount") by = By::Discount;
        } else if (i > 0) {
            by = By::Indexed;
        } else if (d > 0) {
            by = By::Discount;
        } else if (o > 0) {
            by = By::Other;
        }
        if (by == By::None) continue;
        const double net = by == By::Indexed ? i - applied : by == By::Discount ? (d - applied) / 2 : o - applied;
        r[kNetGain] = net == 0 ? std::string("0") : FloatToStrWD(net, 10, 2);
        if (IsActiveType(ChoiceTable::AssetType(r))) {
            const std::string text = Trim(r[kNetGain]);
            gains->push_back(r[kDescription]);
            gains->push_back(by == By::Indexed ? text : "");
            gains->push_back(by == By::Discount ? text : "");
            gains->push_back(by == By::Other ? text : "");
            gains->insert(gains->end(), 3, "");
            gains->push_back(r[kSourceTag]);
            gains->push_back(r[kSourceIndex]);
        }
    }
    if (store_.FieldType(kTagConcessionGains) != dtList && store_.FieldType(kTagConcessionGains) != dtNone)
        store_.SetFieldType(kTagConcessionGains, dtNone);
    if (const TextListPtr existing = store_.GetFieldLst(kTagConcessionGains)) {
        *existing = *gains;
    } else {
        store_.SetFieldLst(kTagConcessionGains, gains);
    }

    // Losses applied come out of this year's losses first, then the earlier years'.
    const double collApplied = CollectableAppliedTotal();
    const double otherApplied = OtherAppliedTotal();
    const double curColl = table_.currentCollectableLosses, curOther = table_.currentOtherLosses;
    unapplied_.currentCollectable = collApplied > curColl ? 0 : curColl - collApplied;
    unapplied_.priorCollectable =
        collApplied <= curColl ? priorCollectable_ : priorCollectable_ - (collApplied - curColl);
    unapplied_.currentOther = otherApplied > curOther ? 0 : curOther - otherApplied;
    unapplied_.priorOther = otherApplied <= curOther ? priorOther_ : priorOther_ - (otherApplied - curOther);

    double total = 0;
    for (const auto& r : table_.rows) total += Number(r, kNetGain);
    const double netGain = std::trunc(total);
    store_.SetFieldVal(kTagNetCapitalGain, netGain);
    return "Your net capital gain is " + CurrencyText(netGain);
}

void LossApplication::ApplyAgainst(ChoiceRow& row, double gain, int column, bool otherPool) {
    // Only a gain above zero takes a loss, so a later pass never overwrites
    // what an earlier pass applied to the same row.
    if (!(gain > 0)) return;
    const double c = otherPool ? ChoiceTable::Amount(row, kCollectableApplied) : 0;
    const double need = gain - c;
    const double available = otherPool ? AvailableOther() : AvailableCollectable();
    if (available >= need) {
        if (need > 0) WriteApplied(row, column, need);
    } else if (available > 0) {
        WriteApplied(row, column, available);
    }
}

void LossApplication::ChooseAndApply(ChoiceRow& row, bool otherPool) {
    const double i = ChoiceTable::Amount(row, kIndexedGain);
    const double d = ChoiceTable::Amount(row, kDiscountGain);
    const double c = otherPool ? ChoiceTable::Amount(row, kCollectableApplied) : 0;
    const double f = otherPool ? AvailableOther() : AvailableCollectable();
    const int column = otherPool ? kOtherApplied : kCollectableApplied;
    double applied;
    if (f >= i) {
        row[kMethod] = "Indexed";
        applied = i - c;
    } else if ((d - f) / 2 > i - f) {
        row[kMethod] = "Indexed";
        applied = f;
    } else {
        row[kMethod] = "Discount";
        applied = f;
    }
    // The amount is written even when the pool is used up ("0"), so the row
    // shows that its method was chosen against an empty pool.
    WriteApplied(row, column, applied > 0 ? applied : 0);
}

void LossApplication::ApplyAll(Dialogs& dialogs) {
    if (!dialogs.AskYesNo(kApplyAllQuestion, "Confirm", MsgIcon::Warning)) {
        RecomputeNets();
        return;
    }
    ApplyAutomatically();
    dialogs.Inform(kApplyAllDone);
    RecomputeNets();
}

void LossApplication::ApplyAutomatically() {
    auto& rows = table_.rows;
    for (auto& r : rows)
        for (int c : {kCollectableApplied, kPriorCollectableApplied, kOtherApplied, kTransferredApplied})
            r[std::size_t(c)].clear();
    table_.MakeDeferChoices();
    RecomputeNets();
    running_ = true;
    collectableSum_ = 0;
    otherSum_ = 0;

    const auto req = [](const ChoiceRow& r) { return ChoiceTable::ChoiceReq(r); };
    const auto method = [](const ChoiceRow& r) { return ChoiceTable::Method(r); };
    // A row without a choice takes losses only against the gain its net is
    // formed from (the first of indexed, discount and other above 0): a row
    // carrying an indexed and an other gain must not take the pool twice.
    const auto formedFrom = [](const ChoiceRow& r) {
        if (ChoiceTable::Amount(r, kIndexedGain) > 0) return kIndexedGain;
        if (ChoiceTable::Amount(r, kDiscountGain) > 0) return kDiscountGain;
        if (ChoiceTable::Amount(r, kOtherGain) > 0) return kOtherGain;
        return kNetGain;
    };
    const auto noFrom = [&](const ChoiceRow& r, int gain) { return req(r) == "No" && formedFrom(r) == gain; };
    const auto noOrIndexed = [&](const ChoiceRow& r) {
        return noFrom(r, kIndexedGain) || (req(r) == "Yes" && method(r) == "Indexed");
    };
    const auto noOrDiscount = [&](const ChoiceRow& r) {
        return noFrom(r, kDiscountGain) || (req(r) == "Yes" && method(r) == "Discount");
    };
    const auto noOther = [&](const ChoiceRow& r) { return noFrom(r, kOtherGain); };
    const auto open = [&](const ChoiceRow& r) {
        return req(r) == "Yes" && method(r) == "None" && ChoiceTable::Amount(r, kIndexedGain) > 0 &&
               ChoiceTable::Amount(r, kDiscountGain) > 0;
    };
    const auto fixedTrust = [](const ChoiceRow& r) { return ChoiceTable::Section(r) == kFixedTrusts; };
    const auto I = [](const ChoiceRow& r) { return ChoiceTable::Amount(r, kIndexedGain); };
    const auto D = [](const ChoiceRow& r) { return ChoiceTable::Amount(r, kDiscountGain); };
    const auto O = [](const ChoiceRow& r) { return ChoiceTable::Amount(r, kOtherGain); };
    // One pass over the rows that pass `take`, in grid order.
    const auto pass = [&](auto take, auto act) {
        for (auto& r : rows)
            if (!ChoiceTable::Deferred(r) && take(r)) act(r);
    };

    // Collectable losses, against collectable gains only.
    const auto coll = [](const ChoiceRow& r) { return IsCollectableType(ChoiceTable::AssetType(r)); };
    const bool C = false;  // the collectable pool
    pass([&](const ChoiceRow& r) { return coll(r) && noOrIndexed(r); },
         [&](ChoiceRow& r) { ApplyAgainst(r, I(r), kCollectableApplied, C); });
    pass([&](const ChoiceRow& r) { return coll(r) && noOther(r); },
         [&](ChoiceRow& r) { ApplyAgainst(r, O(r), kCollectableApplied, C); });
    table_.SortRows("2,20");
    pass([&](const ChoiceRow& r) { return coll(r) && open(r); }, [&](ChoiceRow& r) { ChooseAndApply(r, C); });
    pass([&](const ChoiceRow& r) { return coll(r) && noOrDiscount(r) && !fixedTrust(r); },
         [&](ChoiceRow& r) { ApplyAgainst(r, D(r), kCollectableApplied, C); });
    pass([&](const ChoiceRow& r) { return coll(r) && noOrDiscount(r) && fixedTrust(r); },
         [&](ChoiceRow& r) { ApplyAgainst(r, D(r), kCollectableApplied, C); });
    table_.SortRows("17,18,19");

    // Other losses, against every gain but the collectables.
    const bool P = true;  // the other pool
    const auto nonActive = [](const ChoiceRow& r) { return IsNonActive(ChoiceTable::AssetType(r)); };
    const auto active = [](const ChoiceRow& r) { return IsActiveType(ChoiceTable::AssetType(r)); };
    pass([&](const ChoiceRow& r) { return nonActive(r) && noOrIndexed(r); },
         [&](ChoiceRow& r) { ApplyAgainst(r, I(r), kOtherApplied, P); });
    pass([&](const ChoiceRow& r) { return nonActive(r) && noOther(r); },
         [&](ChoiceRow& r) { ApplyAgainst(r, O(r), kOtherApplied, P); });
    table_.SortRows("2,20");
    pass([&](const ChoiceRow& r) { return nonActive(r) && open(r); }, [&](ChoiceRow& r) { ChooseAndApply(r, P); });
    pass([&](const ChoiceRow& r) { return nonActive(r) && noOrDiscount(r) && !fixedTrust(r); },
         [&](ChoiceRow& r) { ApplyAgainst(r, D(r), kOtherApplied, P); });
    table_.SortRows("17,18,19");
    pass([&](const ChoiceRow& r) { return active(r) && !fixedTrust(r) && noOrIndexed(r); },
         [&](ChoiceRow& r) { ApplyAgainst(r, I(r), kOtherApplied, P); });
    pass([&](const ChoiceRow& r) { return active(r) && !fixedTrust(r) && noOther(r); },
         [&](ChoiceRow& r) { ApplyAgainst(r, O(r), kOtherApplied, P); });
    table_.SortRows("2,20");
    pass([&](const ChoiceRow& r) { return active(r) && open(r); }, [&](ChoiceRow& r) { ChooseAndApply(r, P); });
    pass([&](const ChoiceRow& r) { return active(r) && !fixedTrust(r) && noOrDiscount(r); },
         [&](ChoiceRow& r) { ApplyAgainst(r, D(r), kOtherApplied, P); });
    pass([&](const ChoiceRow& r) { return fixedTrust(r) && nonActive(r) && noOrDiscount(r); },
         [&](ChoiceRow& r) { ApplyAgainst(r, D(r), kOtherApplied, P); });
    pass([&](const ChoiceRow& r) { return fixedTrust(r) && active(r) && noOrIndexed(r); },
         [&](ChoiceRow& r) { ApplyAgainst(r, I(r), kOtherApplied, P); });
    pass([&](const ChoiceRow& r) { return fixedTrust(r) && active(r) && noOther(r); },
         [&](ChoiceRow& r) { ApplyAgainst(r, O(r), kOtherApplied, P); });
    pass([&](const ChoiceRow& r) { return fixedTrust(r) && active(r) && noOrDiscount(r); },
         [&](ChoiceRow& r) { ApplyAgainst(r, D(r), kOtherApplied, P); });
    table_.SortRows("17,18,19");
    running_ = false;

    table_.MakeMethodChoices();
    RecomputeNets();
}

std::optional<ChoiceCheckFailure> LossApplication::CheckOnNext() const {
    const auto& rows = table_.rows;
    for (int i = 0; i < int(rows.size()); ++i) {
        const ChoiceRow& r = rows[std::size_t(i)];
        const bool deferred = ChoiceTable::Deferred(r);
        const auto above = [&](int c) { return Filled(r, c) && Number(r, c) > 0.0011; };
        if (ChoiceTable::CanDefer(r) == "Yes" && Trim(r[kWantDefer]).empty() && ChoiceTable::DeferAuto(r) != "Yes")
            return ChoiceCheckFailure{"You must advise if you wish to defer a gain that can be deferred.", i};
        if (deferred && above(kNetGain)) return ChoiceCheckFailure{"If gain is deferred, net gain must be zero.", i};
        if (deferred && (above(kCollectableApplied) || above(kOtherApplied)))
            return ChoiceCheckFailure{"A loss cannot be applied against a deferred gain.", i};
        const std::string method = ChoiceTable::Method(r);
        if (ChoiceTable::ChoiceReq(r) == "Yes" && method != "Indexed" && method != "Discount")
            return ChoiceCheckFailure{"You must choose the method you wish to use.", i};
        if (Filled(r, kNetGain) && Number(r, kNetGain) < -0.0011)
            return ChoiceCheckFailure{"A loss applied cannot result in a negative gain.", i};
    }

    double collectableNet = 0, otherNet = 0;
    for (const auto& r : rows)
        (IsCollectableType(ChoiceTable::AssetType(r)) ? collectableNet : otherNet) += Number(r, kNetGain);
    if (AvailableCollectable() > 0.0011 && collectableNet > 0.0011)
        return ChoiceCheckFailure{"Collectable losses must be applied until available collectable gains are exhausted.",
                                  0};
    if (AvailableOther() > 0.0011 && otherNet > 0.0011)
        return ChoiceCheckFailure{"Losses must be applied until available gains are exhausted.", 0};
    if (CollectablePool() < CollectableAppliedTotal())
        return ChoiceCheckFailure{"Collectable losses applied cannot be more than available.", 0};
    if (OtherPool() < OtherAppliedTotal())
        return ChoiceCheckFailure{"Other losses applied cannot be more than available.", 0};
    const double transferred = TransferredAppliedTotal();
    if (transferred < transferredIn_)
        return ChoiceCheckFailure{
            "Check Capital losses transferred in. Losses cannot be transferred in unless they can be applied.", 0};
    if (transferred > transferredIn_)
        return ChoiceCheckFailure{
            "Check Capital losses transferred in applied. Capital losses transferred in applied cannot be more than "
            "available.\r\nIf necessary click prev and adjust the amount of capital losses transferred in.\r\nTotal "
            "capital losses transferred in applied are " +
                FloatToStrWD(transferred, 10, 0),
            0};
    return std::nullopt;
}

}  // namespace cgt
