// Controls are filled from the store and stored back by their class.
#include <QLabel>

#include "base/text.h"
#include "controls/textlbl.h"
#include "controls/xgrid.h"
#include "frame_fixture.h"

namespace cgt::test {
namespace {

const char* const kAssetItems[] = {"SA - Active asset - Shares", "SN - Non-active asset - Shares"};

void BuildControls(TestScreen& s) {
    auto* combo = new QComboBox(&s);
    combo->setObjectName(QStringLiteral("Combo"));
    for (const char* item : kAssetItems) combo->addItem(QString::fromLatin1(item));
    combo->setProperty("fieldTag", 714);
    combo->setProperty("maxLength", 2);
    s.AddEdit("Percent", 715, TCustomNumEdit::ntPercentage, 40);
    s.AddEdit("Amount", 716, TCustomNumEdit::ntCurrency, 70);
    auto* check = new QCheckBox(QStringLiteral("Ticked"), &s);
    check->setObjectName(QStringLiteral("Check"));
    check->setProperty("fieldTag", 746);
    auto* radio = new QRadioButton(QStringLiteral("Yes"), &s);
    radio->setObjectName(QStringLiteral("Radio"));
    radio->setProperty("fieldTag", 747);
    for (const char* name : {"Dollars", "Cents", "Small", "Text"}) {
        auto* label = new QLabel(&s);
        label->setObjectName(QString::fromLatin1(name));
    }
    s.findChild<QLabel*>(QStringLiteral("Dollars"))->setProperty("fieldTag", 920);
    s.findChild<QLabel*>(QStringLiteral("Cents"))->setProperty("fieldTag", 921);
    s.findChild<QLabel*>(QStringLiteral("Small"))->setProperty("fieldTag", 922);
    s.findChild<QLabel*>(QStringLiteral("Text"))->setProperty("fieldTag", 923);
}

TEST_F(FrameTest, ControlsAreBoundAndStoredByClass) {
    screens[2004] = {.build = BuildControls};
    screens[2005] = {};
    FieldStore& store = run.store();
    store.SetFieldStr(714, "SA");
    store.SetFieldStr(715, "12.5");
    store.SetFieldVal(716, 300);
    store.SetFieldChecked(746);
    store.SetFieldUnchecked(747);
    store.SetFieldVal(920, 1234567.4L);
    store.SetFieldType(921, dtCurrencyCnt);
    store.SetFieldVal(921, 1234.567L);
    store.SetFieldVal(922, 0.01L);
    store.SetFieldStr(923, "Smith");
    StartAt(2004);
    TChildForm* s = frame->CurrentScreen();

    auto* combo = s->findChild<QComboBox*>(QStringLiteral("Combo"));
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(s->findChild<TTaxEdit*>(QStringLiteral("Amount"))->NumValue(), 300);
    EXPECT_TRUE(s->findChild<QCheckBox*>(QStringLiteral("Check"))->isChecked());
    EXPECT_FALSE(s->findChild<QRadioButton*>(QStringLiteral("Radio"))->isChecked());
    EXPECT_EQ(s->findChild<QLabel*>(QStringLiteral("Dollars"))->text(), QStringLiteral("$1,234,567"));
    EXPECT_EQ(s->findChild<QLabel*>(QStringLiteral("Cents"))->text(), QStringLiteral("$1,234.57"));
    EXPECT_EQ(s->findChild<QLabel*>(QStringLiteral("Small"))->text(), QString());
    EXPECT_EQ(s->findChild<QLabel*>(QStringLiteral("Text"))->text(), QStringLiteral("Smith"));
    EXPECT_EQ(s->completeFirst(), kCompleteFirstFree);

    combo->setCurrentIndex(1);
    s->findChild<QCheckBox*>(QStringLiteral("Check"))->setChecked(false);
    s->findChild<QRadioButton*>(QStringLiteral("Radio"))->setChecked(true);
    s->findChild<TTaxEdit*>(QStringLiteral("Amount"))->SetNumValue(450);
    frame->NextButton()->click();

    EXPECT_EQ(store.GetFieldStr(714), "SN");
    EXPECT_EQ(store.FieldType(715), dtSmallStr);  // a percentage is kept as text
    EXPECT_EQ(store.FieldType(716), dtCurrency);
    EXPECT_EQ(store.GetFieldVal(716), 450);
    EXPECT_FALSE(store.FieldChecked(746));
    EXPECT_TRUE(store.FieldChecked(747));
}

TEST_F(FrameTest, EmptySlotsGiveZeroForNumbersAndNothingForText) {
    screens[2004] = {.build = BuildControls};
    StartAt(2004);
    TChildForm* s = frame->CurrentScreen();
    EXPECT_EQ(s->findChild<QComboBox*>(QStringLiteral("Combo"))->currentIndex(), -1);
    EXPECT_EQ(s->findChild<TTaxEdit*>(QStringLiteral("Amount"))->NumValue(), 0);
    EXPECT_TRUE(Trim(s->findChild<TTaxEdit*>(QStringLiteral("Percent"))->TextBytes()).empty());
}

TEST_F(FrameTest, GridsLoadTheirListAndReportChangesWhenStored) {
    screens[2019] = {.build = [](TestScreen& s) {
        auto* grid = new TXGrid(&s);
        grid->setObjectName(QStringLiteral("XGrid1"));
        grid->setColCount(2);
        grid->setRowCount(4);
        grid->setDisplay({QStringLiteral("Trust|2|0|40|0|F|F|-1|||||-1|0|F|F|"),
                          QStringLiteral("Amount|1|1|10|0|F|F|0|F||||-1|0|F|F|")});
        grid->setFieldTag(1215);
        grid->setGeometry(10, 10, 300, 120);
    }};
    screens[2020] = {};
    run.store().SetFieldLst(1215, std::make_shared<TextList>(TextList{"Smith Family Trust", "800"}));
    StartAt(2019);
    auto* grid = frame->CurrentScreen()->findChild<TXGrid*>(QStringLiteral("XGrid1"));
    EXPECT_EQ(grid->Cell(0, 1), QStringLiteral("Smith Family Trust"));
    EXPECT_FALSE(grid->Modified());

    // Unchanged, the list is stored as it was and nothing is flagged.
    run.store().SetDataChanged(false);
    frame->StoreScreenValues();
    EXPECT_FALSE(run.DataChanged());
    EXPECT_EQ(*run.store().GetFieldLst(1215), (TextList{"Smith Family Trust", "800"}));

    grid->Model().SetCell(0, 2, "Jones Unit Trust");
    grid->Model().SetCell(1, 2, "150");
    grid->Model().SetModified(true);
    frame->NextButton()->click();
    EXPECT_TRUE(run.DataChanged());
    EXPECT_EQ(*run.store().GetFieldLst(1215), (TextList{"Smith Family Trust", "800", "Jones Unit Trust", "150"}));
}

TEST_F(FrameTest, LabelLinksOpenTheirHelpTopic) {
    screens[2004] = {.build = [](TestScreen& s) { new TTextLbl(&s); }};
    StartAt(2004);
    auto* label = frame->CurrentScreen()->findChild<TTextLbl*>();
    emit label->jumpClicked(80);
    // Bound again (as the picker does), the label still opens one topic per click.
    frame->BindScreenValues();
    emit label->jumpClicked(346);
    EXPECT_EQ(host.topics, (std::vector<int>{80, 346}));
}

}  // namespace
}  // namespace cgt::test
