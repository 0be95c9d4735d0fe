#include "calc/loss_application.h"

#include <gtest/gtest.h>

#include <functional>

#include "base/text.h"
#include "choice_fixture.h"

namespace cgt {
namespace {

using namespace choice;

class LossApplicationTest : public ::testing::Test, protected test::ChoiceFixture {
protected:
    // Builds the table, applies losses automatically and returns the rows.
    ChoiceTable Apply() {
        ChoiceTable t;
        t.Build(store);
        LossApplication losses(t, store);
        losses.ApplyAutomatically();
        return t;
    }
};

TEST_F(LossApplicationTest, CollectableLossComesOffBeforeTheDiscount) {
    AddManual({"Painting", "A", "0", "1000", "", "", "No", ""});
    store.SetFieldVal(kTagPriorCollectableLosses, 300);
    const ChoiceTable t = Apply();
    EXPECT_EQ(t.rows[0][kCollectableApplied], "300");
    EXPECT_EQ(t.rows[0][kNetGain], "    350.00");  // (1000 - 300) / 2
    EXPECT_EQ(store.GetFieldVal(kTagNetCapitalGain), 350);
}

TEST_F(LossApplicationTest, ChoiceRulePicksTheMethodThatLeavesLessGain) {
    struct Case {
        const char* discount;
        long double pool;
        const char* method;
        const char* applied;
        const char* net;
    } cases[] = {
        {"1600", 700, "Indexed", "700", "    300.00"},  // (1600-700)/2 = 450 > 1000-700 = 300
        {"1600", 1000, "Indexed", "1000", "0"},         // the pool covers the indexed gain
        {"1600", 1500, "Indexed", "1000", "0"},
        {"1200", 700, "Discount", "700", "    250.00"},  // (1200-700)/2 = 250 is not > 300
    };
    for (const auto& c : cases) {
        store.ClearStore();
        AddManual({"Shares", "SN", "1000", c.discount, "", "", "No", ""});
        store.SetFieldVal(kTagPriorOtherLosses, c.pool);
        const ChoiceTable t = Apply();
        EXPECT_EQ(t.rows[0][kMethod], c.method) << c.discount << " " << double(c.pool);
        EXPECT_EQ(t.rows[0][kOtherApplied], c.applied) << c.discount << " " << double(c.pool);
        EXPECT_EQ(t.rows[0][kNetGain], c.net) << c.discount << " " << double(c.pool);
    }
}

TEST_F(LossApplicationTest, RowsCompetingForAPoolTakeItInOrder) {
    AddManual({"First", "SN", "400", "", "", "", "No", ""});
    AddManual({"Second", "RN", "1000", "", "", "", "No", ""});
    store.SetFieldVal(kTagPriorOtherLosses, 500);
    const ChoiceTable t = Apply();
    EXPECT_EQ(t.rows[0][kOtherApplied], "400");
    EXPECT_EQ(t.rows[1][kOtherApplied], "100");
    EXPECT_EQ(t.rows[1][kNetGain], "    900.00");
}

TEST_F(LossApplicationTest, UnappliedLossesComeOutOfThisYearFirst) {
    AddManual({"Coin", "A", "", "", "", "200", "No", ""});
    AddManual({"Stamp", "A", "", "1000", "", "", "No", ""});
    store.SetFieldVal(kTagPriorCollectableLosses, 300);
    ChoiceTable t;
    t.Build(store);
    LossApplication losses(t, store);
    EXPECT_EQ(losses.InitialUnapplied().priorCollectable, 300);
    EXPECT_EQ(losses.InitialUnapplied().currentCollectable, 200);
    t.rows[1][kCollectableApplied] = "350";
    losses.RecomputeNets();
    EXPECT_EQ(losses.Unapplied().currentCollectable, 0);
    EXPECT_EQ(losses.Unapplied().priorCollectable, 150);
}

TEST_F(LossApplicationTest, DeferredRowLosesTypedLossesAndNetsZero) {
    AddManual({"Farm", "RN", "5000", "", "", "", "Yes", "Yes"});
    ChoiceTable t;
    t.Build(store);
    t.rows[0][kOtherApplied] = "100";
    t.rows[0][kCollectableApplied] = "5";
    LossApplication losses(t, store);
    losses.RecomputeNets();
    EXPECT_EQ(t.rows[0][kOtherApplied], "");
    EXPECT_EQ(t.rows[0][kCollectableApplied], "");
    EXPECT_EQ(t.rows[0][kNetGain], "0");
}

TEST_F(LossApplicationTest, OtherLossesNeverReduceACollectableGain) {
    AddManual({"Painting", "A", "", "1000", "", "", "No", ""});
    store.SetFieldVal(kTagPriorOtherLosses, 500);
    ChoiceTable t;
    t.Build(store);
    LossApplication losses(t, store);
    losses.ApplyAutomatically();
    EXPECT_EQ(t.rows[0][kOtherApplied], "");
    EXPECT_EQ(t.rows[0][kNetGain], "    500.00");
    // No other gain is left unreduced, so no loss rule fails.
    EXPECT_FALSE(losses.CheckOnNext());
    EXPECT_EQ(losses.Unapplied().priorOther, 500);
}

TEST_F(LossApplicationTest, NetCapitalGainLabelShowsTheTruncatedTotal) {
    AddManual({"One", "SN", "", "201", "", "", "No", ""});
    AddManual({"Two", "SN", "", "401.5", "", "", "No", ""});
    ChoiceTable t;
    t.Build(store);
    LossApplication losses(t, store);
    // 201 / 2 = 100.50 and 402 / 2 = 201.00 (cells are rounded half to even first).
    EXPECT_EQ(losses.RecomputeNets(), "Your net capital gain is $301");
    EXPECT_EQ(store.GetFieldVal(kTagNetCapitalGain), 301);
    EXPECT_EQ(CurrencyText(12345), "$12,345");
    EXPECT_EQ(CurrencyText(-1200), "-$1,200");
    EXPECT_EQ(CurrencyText(0), "$0");
}

TEST_F(LossApplicationTest, ActiveNetGainsFeedTheConcessionList) {
    AddManual({"Shop", "RA", "", "1000", "", "", "No", ""});
    AddManual({"House", "RN", "300", "", "", "", "No", ""});
    ChoiceTable t;
    t.Build(store);
    LossApplication(t, store).RecomputeNets();
    const TextListPtr gains = store.GetFieldLst(kTagConcessionGains);
    ASSERT_TRUE(gains);
    EXPECT_EQ(*gains, (TextList{"Shop", "", "500.00", "", "", "", "", "1201", "0"}));
}

TEST_F(LossApplicationTest, ChecksOnNextInTheirOrder) {
    struct Case {
        const char* what;
        std::function<void(ChoiceRow&)> edit;
        const char* message;
    } cases[] = {
        {"undecided deferral", [](ChoiceRow& r) { r[kCanDefer] = "Yes"; },
         "You must advise if you wish to defer a gain that can be deferred."},
        {"deferred with a gain",
         [](ChoiceRow& r) {
             r[kWantDefer] = "Yes";
             r[kCanDefer] = "Yes";
             r[kNetGain] = "5";
         },
         "If gain is deferred, net gain must be zero."},
        {"deferred with a loss applied",
         [](ChoiceRow& r) {
             r[kDeferAuto] = "Yes";
             r[kCanDefer] = "Yes";
             r[kNetGain] = "0";
             r[kOtherApplied] = "1";
         },
         "A loss cannot be applied against a deferred gain."},
        {"no method", [](ChoiceRow& r) { r[kChoiceReq] = "Yes"; }, "You must choose the method you wish to use."},
        {"negative net", [](ChoiceRow& r) { r[kNetGain] = "-5"; }, "A loss applied cannot result in a negative gain."},
    };
    for (const auto& c : cases) {
        ChoiceTable t;
        ChoiceRow ok{};
        ok[kAssetType] = "SN";
        ok[kIndexedGain] = "100";
        ok[kNetGain] = "100";
        ChoiceRow bad = ok;
        c.edit(bad);
        t.rows = {ok, bad};
        LossApplication losses(t, store);
        const auto failure = losses.CheckOnNext();
        ASSERT_TRUE(failure) << c.what;
        EXPECT_EQ(failure->message, c.message) << c.what;
        EXPECT_EQ(failure->row, 1) << c.what;
        EXPECT_EQ(failure->column, kIndexedGain);
    }
}

TEST_F(LossApplicationTest, LossRulesOnNext) {
    AddManual({"Shares", "SN", "1000", "", "", "", "No", ""});
    store.SetFieldVal(kTagPriorOtherLosses, 300);
    ChoiceTable t;
    t.Build(store);
    LossApplication losses(t, store);
    losses.RecomputeNets();
    EXPECT_EQ(losses.CheckOnNext()->message, "Losses must be applied until available gains are exhausted.");
    t.rows[0][kOtherApplied] = "400";
    losses.RecomputeNets();
    EXPECT_EQ(losses.CheckOnNext()->message, "Other losses applied cannot be more than available.");
    t.rows[0][kOtherApplied] = "300";
    store.SetFieldVal(kTagTransferredInLosses, 100);
    LossApplication withTransfer(t, store);
    withTransfer.RecomputeNets();
    EXPECT_EQ(withTransfer.CheckOnNext()->message,
              "Check Capital losses transferred in. Losses cannot be transferred in unless they can be applied.");
    t.rows[0][kTransferredApplied] = "150";
    withTransfer.RecomputeNets();
    EXPECT_EQ(withTransfer.CheckOnNext()->message,
              "Check Capital losses transferred in applied. Capital losses transferred in applied cannot be more "
              "than available.\r\nIf necessary click prev and adjust the amount of capital losses transferred "
              "in.\r\nTotal capital losses transferred in applied are        150");
    t.rows[0][kTransferredApplied] = "100";
    withTransfer.RecomputeNets();
    EXPECT_FALSE(withTransfer.CheckOnNext());
}

TEST_F(LossApplicationTest, ApplyAllAsksFirst) {
    AddManual({"Shares", "SN", "1000", "", "", "", "No", ""});
    store.SetFieldVal(kTagPriorOtherLosses, 300);
    ChoiceTable t;
    t.Build(store);
    LossApplication losses(t, store);
    dialogs.answers = {MsgResult::No};
    losses.ApplyAll(dialogs);
    EXPECT_EQ(t.rows[0][kOtherApplied], "");
    dialogs.answers = {MsgResult::Yes};
    losses.ApplyAll(dialogs);
    EXPECT_EQ(t.rows[0][kOtherApplied], "300");
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[0].text, kApplyAllQuestion);
    EXPECT_EQ(dialogs.shown[0].icon, MsgIcon::Warning);
    EXPECT_EQ(dialogs.shown[2].text,
              "Applied losses previously set have been cleared and has re-calculated the application of losses.");
}

// A row without a choice that carries two gains (a receipts row has an
// indexed and an other gain; a manual row may too) takes the pool once,
// against the gain its net is formed from.
TEST_F(LossApplicationTest, ARowWithTwoGainsTakesLossesOnlyAgainstItsNetGain) {
    struct Case {
        const char* name;
        const char *indexed, *discount, *other;
        long double pool;
        const char* applied;
        const char* net;
    } cases[] = {
        {"indexed and other, pool covers", "3777", "", "4000", 8000, "3777", "0"},
        {"indexed and other, pool short", "3777", "", "4000", 2000, "2000", "   1777.00"},
        {"discount and other", "", "1000", "500", 800, "800", "    100.00"},  // (1000 - 800) / 2
    };
    for (const auto& c : cases) {
        store.ClearStore();
        AddManual({"Shares", "SN", c.indexed, c.discount, c.other, "", "No", ""});
        store.SetFieldVal(kTagPriorOtherLosses, c.pool);
        ChoiceTable t;
        t.Build(store);
        LossApplication losses(t, store);
        losses.ApplyAutomatically();
        EXPECT_EQ(t.rows[0][kOtherApplied], c.applied) << c.name;
        EXPECT_EQ(t.rows[0][kNetGain], c.net) << c.name;
        const auto failure = losses.CheckOnNext();
        EXPECT_FALSE(failure) << c.name << ": " << failure->message;
    }
}

// The choice rule writes what it applies even when an earlier row used the
// pool up.
TEST_F(LossApplicationTest, ChoiceRuleWritesZeroWhenThePoolIsUsedUp) {
    AddManual({"First", "RN", "500", "", "", "", "No", ""});
    AddManual({"Second", "SN", "1000", "1600", "", "", "No", ""});
    store.SetFieldVal(kTagPriorOtherLosses, 500);
    const ChoiceTable t = Apply();
    EXPECT_EQ(t.rows[0][kOtherApplied], "500");
    EXPECT_EQ(t.rows[1][kMethod], "Discount");  // 1600 / 2 = 800 is not above 1000
    EXPECT_EQ(t.rows[1][kOtherApplied], "0");
    EXPECT_EQ(t.rows[1][kNetGain], "    800.00");
}

}  // namespace
}  // namespace cgt
