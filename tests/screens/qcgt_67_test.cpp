// The CGT schedule screen (2107) through the real frame: every schedule field
// shown read-only in its own box, the interview ending on Next, and small
// returns taken through the concession screens to the schedule: one
// calculated by the whole chain, one with a trust distribution typed in,
// saved and calculated again by `cgt calc`.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <cstdlib>

#include "base/text.h"
#include "calc/calc_chain.h"
#include "calc/choice_table.h"
#include "calc/concessions.h"
#include "calc/schedule_boxes.h"
#include "concessions_fixture.h"
#include "controls/numedit.h"
#include "interview/navigator.h"
#include "store/datafile.h"
#include "support/test_folder.h"

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

class TableConcessionTest : public ScheduleScreenTest {
protected:
    // Scrolls the cell into view, as the user does with the scroll bar, and clicks it.
    void ClickInView(int col, int row) {
        if (Grid()->CellRect(col, row).isEmpty()) Grid()->horizontalScrollBar()->setValue(col);
        ClickCell(col, row);
    }
    void TypeInView(int col, int row, const char* keys) {
        ClickInView(col, row);
        QTest::keyClicks(Grid()->Editor(), QString::fromLatin1(keys));
        Key(Qt::Key_Tab);
    }
    // Through the concession screens to the schedule, checked by no message.
    void OnToTheSchedule() {
        for (int number : {2105, 2106, 2107}) {
            Next();
            ASSERT_EQ(frame->CurrentScreenNumber(), number) << ::testing::PrintToString(dialogs.Texts());
        }
    }
    std::string Cell(int tag, std::size_t cell) {
        const TextListPtr list = run.store().GetFieldLst(tag);
        return list && cell < list->size() ? Trim((*list)[cell]) : "no cell";
    }
};

// The CGT guide's trust distribution: the trust applied the discount and
// the 50% active asset reduction to its gain and distributed 250; grossed up
// by 4 that is 1,000; less last year's capital loss of 100, 900; after the
// discount 450; after the 50% active asset reduction elected again, 225.
TEST_F(TableConcessionTest, ATrustDistributionsReductionIsKeptWithItsRow) {
    constexpr const char* kIdentity = "123456789";
    constexpr std::size_t kReductionCell = kTrustFirstReductionCol + 1;  // of the discounted gain
    FieldStore& store = run.store();
    run.identity = kIdentity;
    store.SetFieldStr(kTagIdentity, kIdentity);
    store.SetFieldVal(kTagPriorOtherLosses, 100);

    // The trust's row, its gain in the column of discounted gains from active assets.
    ShowScreen(2018);
    ShowScreen(2019);
    ASSERT_EQ(frame->CurrentScreenNumber(), 2019);
    TypeInView(0, 1, "Smith Family Trust");
    TypeInView(8, 1, "250");
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2020) << ::testing::PrintToString(dialogs.Texts());

    // Every choice made by the program: the loss goes against the grossed-up gain.
    ShowFromChoices(2103);
    dialogs.answers = {MsgResult::Yes, MsgResult::Ok};
    Click(Control<QPushButton>("ApplyLossBtn"));
    EXPECT_EQ(CellText(choice::kDiscountGain, 1), "1000");
    EXPECT_EQ(CellText(choice::kOtherApplied, 1), "100");
    EXPECT_EQ(CellText(choice::kNetGain, 1), "450.00");
    dialogs.shown.clear();
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2104) << ::testing::PrintToString(dialogs.Texts());

    EXPECT_EQ(CellText(0, 1), "Smith Family Trust - Trust SBAA/Dis");
    EXPECT_EQ(CellText(2, 1), "450.00");
    TypeCell(4, 1, "225");
    OnToTheSchedule();
    EXPECT_EQ(BoxText(kTagSchedDiscountActive), "450");
    EXPECT_EQ(BoxText(kTagSchedReductionDiscount), "225");
    EXPECT_EQ(BoxText(kTagSchedNetCapitalGain), "225");
    EXPECT_EQ(store.GetFieldVal(kTagNetCapitalGain), 225);
    // Kept in the trust's own row, not in a worksheet of the table's.
    EXPECT_EQ(Cell(kTagTrustTable, kReductionCell), "225.00");
    EXPECT_TRUE(store.FieldIsEmpty(ListFieldOf(kTagTrustTable)));

    // The trust table shown and left again keeps it in its hidden cells.
    ShowScreen(2019);
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2020) << ::testing::PrintToString(dialogs.Texts());
    EXPECT_EQ(Cell(kTagTrustTable, kReductionCell), "225.00");

    // Saved, the program calculates the return to the same figure.
    TestFolder folder("cgt_trust_concession_");
    const std::string file = folder.Path("r.dat");
    ASSERT_EQ(SaveReturnFile(run, file), SaveOutcome::Written);
    const std::string out = folder.Path("calc.txt");
    ASSERT_EQ(
        std::system((std::string(CGT_EXE) + " calc '" + file + "' --id " + kIdentity + " >'" + out + "'").c_str()), 0);
    const std::string calculated = FileBytes(out);
    EXPECT_NE(calculated.find("field 174 net capital gain: 225\n"), std::string::npos) << calculated;

    // Read back, the concession screen shows the reduction again.
    store.ClearStore();
    ASSERT_EQ(LoadReturnFile(run, file), LoadOutcome::Loaded);
    ShowFromChoices(2103);
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2104) << ::testing::PrintToString(dialogs.Texts());
    EXPECT_EQ(CellText(4, 1), "225.00");
    OnToTheSchedule();
    EXPECT_EQ(BoxText(kTagSchedNetCapitalGain), "225");
}

// A manual calculation row has its gain's three concessions kept in its row:
// a discount gain of 2,000 from the sale of an active share is 1,000 after
// the discount, less 500 and 250.
TEST_F(TableConcessionTest, AManualRowsElectionsAreKeptWithItsRow) {
    TextList row(choice::kColumnCount);
    row[choice::kDescription] = "Bakery Pty Ltd shares";
    row[choice::kAssetType] = "SA";
    row[choice::kDiscountGain] = "2000.00";
    run.store().SetFieldLst(kTagManualTable, std::make_shared<TextList>(row));
    ShowFromChoices(2103);
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2104) << ::testing::PrintToString(dialogs.Texts());
    EXPECT_EQ(CellText(0, 1), "Bakery Pty Ltd shares");
    EXPECT_EQ(CellText(2, 1), "1000.00");
    TypeCell(4, 1, "500");
    TypeCell(5, 1, "250");
    OnToTheSchedule();
    EXPECT_EQ(BoxText(kTagSchedNetCapitalGain), "250");
    const std::vector<std::string> kept = {"500.00", "250.00", ""};

    // The manual table shown and left keeps them in its hidden cells.
    ShowScreen(2101);
    ASSERT_EQ(frame->CurrentScreenNumber(), 2101);
    Next();
    ASSERT_NE(frame->CurrentScreenNumber(), 2101) << ::testing::PrintToString(dialogs.Texts());
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(Cell(kTagManualTable, std::size_t(kManualFirstElectionCol + k)), kept[std::size_t(k)]) << k;
    EXPECT_TRUE(run.store().FieldIsEmpty(ListFieldOf(kTagManualTable)));

    // Handed on again by the choice table, they are shown again.
    ShowFromChoices(2103);
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2104);
    EXPECT_EQ(CellText(4, 1), "500.00");
    EXPECT_EQ(CellText(5, 1), "250.00");
    EXPECT_EQ(CellText(6, 1), "");
}

// A trust's gain takes the 50% active asset reduction only: the retirement
// exemption and the roll-over are the trust's to choose.
TEST_F(TableConcessionTest, ATrustDistributionTakesNoRetirementExemption) {
    TextList trust(kTrustRowCells);
    trust[0] = "Smith Family Trust";
    trust[8] = "250.00";
    run.store().SetFieldLst(kTagTrustTable, std::make_shared<TextList>(trust));
    ShowFromChoices(2103);
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2104) << ::testing::PrintToString(dialogs.Texts());
    TypeCell(5, 1, "100");
    Next();
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kMsgTrustConcessionNotOpen});
    ASSERT_EQ(frame->CurrentScreenNumber(), 2104);
    EXPECT_EQ(FocusedControl(), "XGrid1");
    EXPECT_EQ(Grid()->Col(), 5);
    EXPECT_EQ(Grid()->Row(), 1);
    EXPECT_EQ(Cell(kTagTrustTable, kTrustFirstReductionCol + 1), "");
}

}  // namespace
}  // namespace cgt::test
