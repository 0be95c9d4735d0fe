// The CGT schedule screen (2107) through the real frame: every schedule field
// shown read-only in its own box, the interview ending on Next, and a small
// return calculated by the whole chain and taken through the concession
// screens to the schedule.
#include <QCheckBox>
#include <QLabel>
#include <QScrollArea>

#include "calc/calc_chain.h"
#include "calc/schedule_boxes.h"
#include "concessions_fixture.h"
#include "controls/numedit.h"
#include "interview/navigator.h"

namespace cgt::test {
namespace {

class ScheduleScreenTest : public ConcessionScreenTest {
protected:
    // The schedule's amounts: Parts A to I (711-749 and 1100-1134) and the
    // roll-over amounts of Part K (1137-1139).
    static std::vector<int> AmountTags() {
        std::vector<int> tags;
        for (int t = 711; t <= 749; ++t) tags.push_back(t);
        for (int t = 1100; t <= 1134; ++t) tags.push_back(t);
        for (int t = 1137; t <= 1139; ++t) tags.push_back(t);
        return tags;
    }
    std::vector<TTaxEdit*> BoxesOf(int tag) const {
        std::vector<TTaxEdit*> boxes;
        for (TTaxEdit* e : frame->CurrentScreen()->findChildren<TTaxEdit*>())
            if (e->fieldTag() == tag) boxes.push_back(e);
        return boxes;
    }
    std::string BoxText(int tag) const {
        const auto boxes = BoxesOf(tag);
        return boxes.size() == 1 ? boxes[0]->text().trimmed().toStdString() : "no single box";
    }
};

TEST_F(ScheduleScreenTest, EveryFieldOfTheScheduleHasItsBox) {
    std::map<int, long double> values;
    for (int tag : AmountTags()) values[tag] = 100000 + tag;  // each box its own figure
    SetSchedule(values);
    FieldStore& store = run.store();
    store.LoadInstance(kWsSchedule, 1);
    store.SetFieldStr(kTagSchedExemptionCode, "R");
    store.SetFieldChecked(kTagSchedScripYes);
    store.StoreInstance(kWsSchedule, 1);

    ShowFromChoices(2107);
    const auto boxes = frame->CurrentScreen()->findChildren<TTaxEdit*>();
    EXPECT_EQ(boxes.size(), 78u);
    for (const auto& [tag, v] : values) {
        SCOPED_TRACE(tag);
        EXPECT_EQ(BoxText(tag), std::to_string(100000 + tag));
    }
    EXPECT_EQ(BoxText(kTagSchedExemptionCode), "R");
    for (TTaxEdit* box : boxes) {
        SCOPED_TRACE(box->fieldTag());
        EXPECT_TRUE(box->isReadOnly());
        EXPECT_TRUE(box->font().bold());
        EXPECT_TRUE(box->alignment() & Qt::AlignRight);
        EXPECT_TRUE(box->isVisibleTo(frame->CurrentScreen()));
    }
    const auto ticks = frame->CurrentScreen()->findChildren<QCheckBox*>();
    ASSERT_EQ(ticks.size(), 1u);
    EXPECT_EQ(ticks[0]->property("fieldTag").toInt(), kTagSchedScripYes);
    EXPECT_TRUE(ticks[0]->isChecked());
    // A click on it, scrolled into view, does not change it.
    Control<QScrollArea>("ScrollBox1")->ensureWidgetVisible(ticks[0]);
    QApplication::processEvents();
    QWidget* top = ticks[0]->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, ticks[0]->mapTo(top, QPoint(8, ticks[0]->height() / 2)));
    QApplication::processEvents();
    EXPECT_TRUE(ticks[0]->isChecked());
    EXPECT_EQ(frame->CurrentScreenNumber(), 2107);
}

// Each box shows its letter of the printed form just to its left, and a box
// without a letter shows none.
TEST_F(ScheduleScreenTest, EachBoxShowsTheLetterOfThePrintedForm) {
    ShowFromChoices(2107);
    auto* sheet = frame->CurrentScreen()->findChild<QWidget*>(QStringLiteral("ScheduleSheet"));
    ASSERT_NE(sheet, nullptr);
    const auto widgets = sheet->findChildren<QWidget*>();
    const auto labels = sheet->findChildren<QLabel*>();
    for (const ScheduleBox& b : ScheduleBoxes()) {
        SCOPED_TRACE(b.tag);
        QWidget* box = nullptr;
        for (QWidget* w : widgets)
            if (w->property("fieldTag").toInt() == b.tag) box = w;
        ASSERT_NE(box, nullptr);
        std::string shown;
        for (QLabel* l : labels) {
            const QRect at = l->geometry();
            if (at.top() == box->geometry().top() && at.right() < box->geometry().left() &&
                box->geometry().left() - at.right() <= 4)
                shown = l->text().toStdString();
        }
        EXPECT_EQ(shown, b.letter);
    }
}

TEST_F(ScheduleScreenTest, ShownFromTheTopWithTheChoicesEntryOfTheNavigator) {
    SetSchedule({{kTagSchedNetCapitalGain, 1250}});
    ShowFromChoices(2107);
    auto* scroll = Control<QScrollArea>("ScrollBox1");
    EXPECT_EQ(scroll->verticalScrollBar()->value(), 0);
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
    EXPECT_TRUE(frame->Navigator()->isVisible());
    EXPECT_EQ(frame->Navigator()->SelectedText().toStdString(), "Application of choices");
    // Only shown: the return can be saved meanwhile.
    EXPECT_NE(frame->CurrentScreen()->completeFirst(), kCompleteFirstBlock);
    EXPECT_EQ(BoxText(kTagSchedNetCapitalGain), "1250");
}

TEST_F(ScheduleScreenTest, NextEndsTheInterviewLeavingTheScheduleAsItWas) {
    SetSchedule({{kTagSchedNetCapitalGain, 1250}, {kTagSchedAfterLossesDiscount, 2500}});
    ShowFromChoices(2107);
    // Only a copy is shown: nothing of it stays among the return's fields.
    EXPECT_FALSE(run.store().WorkingTagsHoldData());
    Next();
    EXPECT_EQ(host.closes, 1);
    EXPECT_EQ(frame->FailedScreenNumber(), 2201);
    EXPECT_FALSE(run.store().WorkingTagsHoldData());
    EXPECT_EQ(Schedule(kTagSchedNetCapitalGain), 1250);
    EXPECT_EQ(Schedule(kTagSchedAfterLossesDiscount), 2500);
}

// A share in the taxpayer's business bought in January 2000 for $10,000 and
// sold in November 2002 for $12,000: no indexation (bought after 21 September
// 1999), a discount gain of $2,000, $1,000 after the discount. Electing the
// 50% active asset reduction of $500 leaves a net capital gain of $500.
TEST_F(ScheduleScreenTest, AReturnThroughTheConcessionScreens) {
    FieldStore& store = run.store();
    store.LoadInstance(kWsShares, 1);
    store.SetFieldStr(kTagAssetDescription, "Bakery Pty Ltd shares");
    store.SetFieldStr(kTagAssetType, "SA");
    store.SetFieldStr(kTagAcquisitionDate, "10/01/2000");
    store.SetFieldLst(kTagCostElements,
                      std::make_shared<TextList>(TextList{"1 - Purchase/Acquisition cost", "10/01/2000", "10/01/2000",
                                                          "", "10000.00", "", "", ""}));
    store.SetFieldStr(kTagEventDate, "15/11/2002");
    store.SetFieldVal(kTagCapitalProceeds, 12000);
    store.SetFieldChecked(kTagRollOverNo);
    store.StoreInstance(kWsShares, 1);
    const CalcChainResult chain = RunCalculationChain(store);
    ASSERT_FALSE(chain.failure) << *chain.failure;
    ASSERT_EQ(store.GetFieldVal(kTagNetCapitalGain), 1000);

    ShowFromChoices(2104);
    EXPECT_EQ(CellText(0, 1), "Bakery Pty Ltd shares - Disposal");
    EXPECT_EQ(CellText(2, 1), "1000.00");
    TypeCell(4, 1, "500");
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2105);
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2106);
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2107);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
    EXPECT_EQ(BoxText(kTagSchedSharesActiveDiscount), "2000");
    EXPECT_EQ(BoxText(kTagSchedDiscountActive), "1000");
    EXPECT_EQ(BoxText(kTagSchedReductionDiscount), "500");
    EXPECT_EQ(BoxText(kTagSchedNetGainDiscount), "500");
    EXPECT_EQ(BoxText(kTagSchedNetCapitalGain), "500");
    EXPECT_EQ(store.GetFieldVal(kTagNetCapitalGain), 500);
    // No exchange: no scrip for scrip roll-over.
    EXPECT_FALSE(frame->CurrentScreen()->findChild<QCheckBox*>()->isChecked());
}

}  // namespace
}  // namespace cgt::test
