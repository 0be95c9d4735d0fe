// The other receipt screen (TQCGT_36, screen 2097) reached from the other
// receipts question as the flow reaches it, driven with keys and clicks:
// the gain or loss worked out as the amounts are typed, then the message,
// the focus, the worksheet kept or dropped and what it holds.
#include "controls/numedit.h"
#include "interview/worksheet_picker.h"
#include "receipts_fixture.h"

namespace cgt::test {
namespace {

constexpr int kQuestion = 2096;
constexpr int kReceipt = 2097;
constexpr int kAnother = 2098;

class OtherReceiptTest : public ReceiptScreenTest {
protected:
    // Yes to "did you receive money or property for an event?".
    void Arrive() { AnswerYes(kQuestion, kReceipt); }
    // A receipt stored earlier and reopened (nothing in the flow does this,
    // but a reopened worksheet is how a stored date reaches the screen).
    void ArriveOnStored(const char* eventDate) {
        ShowScreen(kQuestion);
        FieldStore& store = run.store();
        store.SetFieldStr(kTagAssetDescription, "Easement payment");
        store.SetFieldStr(kTagEventDate, eventDate);
        store.StoreInstance(kWsOtherReceipts, 1);
        frame->pendingType = kWsOtherReceipts;
        frame->reopen = true;
        frame->worksheetNumber = 1;
        ShowScreen(kReceipt);
        ASSERT_EQ(frame->CurrentScreenNumber(), kReceipt);
    }
};

const EntryCheck kCases[] = {
    {"ProceedsWithoutDescription", "", "1000", "", {}, "", kMsgNoDescription, "DescEdit"},
    {"EqualAmounts", "Easement payment", "500", "500", {}, "", kMsgNoAmount, "ProceedsEdit"},
    {"DescriptionOnly", "Easement payment", "", "", {}, "", kMsgNoAmount, "ProceedsEdit"},
    {"TypedZeroProceeds", "Easement payment", "0", "", {}, "", kMsgNoAmount, "ProceedsEdit"},
    {"DateBeforeCgt", "", "1000", "", {}, "10/05/1985", kMsgPreCgt, nullptr},
    {"Gain", "Easement payment", "1000", "350"},
    {"Loss", "Easement payment", "1000", "1200"},
    {"DateOnCgtStart", "", "1000", "", {}, "20/09/1985"},
};

class OtherReceiptChecks : public OtherReceiptTest, public ::testing::WithParamInterface<EntryCheck> {};

TEST_P(OtherReceiptChecks, Next) {
    const EntryCheck& c = GetParam();
    if (*c.storedDate)
        ArriveOnStored(c.storedDate);
    else
        Arrive();
    Enter(c);
    Next();
    ExpectOutcome(c, kReceipt, kAnother);
}

INSTANTIATE_TEST_SUITE_P(Qcgt36, OtherReceiptChecks, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OtherReceiptTest, GainOrLossAsTheAmountsAreTyped) {
    Arrive();
    const struct {
        const char* box;
        const char* text;
        const char* gain;
        const char* loss;
    } steps[] = {{"ProceedsEdit", "1000", "1000", ""},
                 {"CostsEdit", "1200", "", "200"},
                 {"CostsEdit", "1000", "", ""},
                 {"CostsEdit", "350", "650", ""},
                 {"ProceedsEdit", "0", "", "350"}};
    for (const auto& s : steps) {
        SCOPED_TRACE(std::string(s.box) + " " + s.text);
        auto* box = Control<TTaxEdit>(s.box);
        ClickInto(box);
        box->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(s.text));
        EXPECT_EQ(TextOf("GainEdit"), s.gain);
        EXPECT_EQ(TextOf("LossEdit"), s.loss);
    }
    EXPECT_FALSE(Control<QWidget>("GainEdit")->isEnabled());
    EXPECT_FALSE(Control<QWidget>("LossEdit")->isEnabled());
}

TEST_F(OtherReceiptTest, PickerShownAndReopenCleared) {
    ArriveOnStored("");
    EXPECT_FALSE(frame->reopen);
    EXPECT_TRUE(frame->Picker()->isVisible());
    EXPECT_FALSE(Control<QWidget>("DateofCGTEventEdit")->isVisible());
}

TEST_F(OtherReceiptTest, ReceiptStoredWithItsResults) {
    Arrive();
    Enter({.description = "Easement payment", .proceeds = "1000", .costs = "1200"});
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), kAnother);
    ASSERT_EQ(run.store().WorksheetCount(kWsOtherReceipts), 1);
    EXPECT_EQ(StoredText(kWsOtherReceipts, kTagAssetDescription), "Easement payment");
    EXPECT_EQ(Stored(kWsOtherReceipts, [](FieldStore& s) { return double(s.GetFieldVal(kTagCapitalLoss)); }), 200);
    EXPECT_EQ(Stored(kWsOtherReceipts, [](FieldStore& s) { return double(s.GetFieldVal(kTagOtherGain)); }), 0);
    EXPECT_TRUE(StoredTicked(kWsOtherReceipts, kTagHasProceeds));
    EXPECT_EQ(StoredText(kWsOtherReceipts, kTagAssetType), "ON");
}

TEST_F(OtherReceiptTest, NoProceedsNoProceedsFlagNorType) {
    ArriveOnStored("");
    run.store().SetFieldChecked(kTagHasProceeds);
    run.store().SetFieldStr(kTagAssetType, "ON");
    Enter({.description = "Easement payment", .costs = "300"});
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), kAnother);
    EXPECT_FALSE(StoredTicked(kWsOtherReceipts, kTagHasProceeds));
    EXPECT_EQ(StoredText(kWsOtherReceipts, kTagAssetType), "");
}

TEST_F(OtherReceiptTest, LeftEmptyLeavesNoWorksheet) {
    Arrive();
    Next();
    EXPECT_TRUE(dialogs.shown.empty());
    ASSERT_EQ(frame->CurrentScreenNumber(), kAnother);
    Click(frame->NoButton());
    Settle();
    EXPECT_EQ(run.store().WorksheetCount(kWsOtherReceipts), 0);
    EXPECT_FALSE(run.store().FieldHasData(ListFieldOf(kWsOtherReceipts)));
}

TEST_F(OtherReceiptTest, AnotherReceiptStartsANewWorksheet) {
    Arrive();
    Enter({.description = "First receipt", .proceeds = "1000"});
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), kAnother);
    Click(frame->YesButton());
    Settle();
    ASSERT_EQ(frame->CurrentScreenNumber(), kReceipt);
    EXPECT_EQ(TextOf("DescEdit"), "");
    Enter({.description = "Second receipt", .proceeds = "500"});
    Next();
    EXPECT_EQ(run.store().WorksheetCount(kWsOtherReceipts), 2);
}

TEST_F(OtherReceiptTest, PrevSkipsTheChecks) {
    // Prev opens with the first Next: a second receipt after an empty first one.
    Arrive();
    Next();
    Click(frame->YesButton());
    Settle();
    ASSERT_EQ(frame->CurrentScreenNumber(), kReceipt);
    Enter({.proceeds = "1000"});
    Click(frame->PrevButton());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(frame->CurrentScreenNumber(), kAnother);
}

}  // namespace
}  // namespace cgt::test
