#pragma once
// The asset worksheet summary screens (TQCGT_58, TQCGT_58A) through the real
// frame: an asset's answers stored as its block's screens leave them, the
// summary shown on it as the flow shows it, and what the boxes, labels,
// views and the store then hold.
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <map>
#include <sstream>
#include <vector>

#include "block_screens_fixture.h"
#include "calc/asset_worksheet.h"
#include "controls/numedit.h"
#include "controls/xgrid.h"

namespace cgt::test {

// One cost element row: the item, the date incurred, the amount and the
// amount excluded.
struct CostItem {
    const char* item;
    const char* incurred;
    const char* amount;
    const char* excluded = "";
};

// What the asset's block screens stored ("" and 0 for nothing).
struct Answers {
    const char* description = "Test asset";
    const char* typeCode = "SN";
    const char* acquired = "";
    const char* costBaseDate = "";
    long double enteredIndexed = 0, enteredNonIndexed = 0, enteredReduced = 0;
    std::vector<CostItem> costs{};
    const char* eventDate = "";
    long double proceeds = 0;
    long double percentDisposed = 0;
    long double daysNotExempt = 0, totalDays = 0;
    std::vector<int> ticked{};
    // As the cost base history leaves them, after receipts.
    bool receipts = false;
    const char* historyDate = "";
    long double historyNonIndexed = 0, historyIndexed = 0, historyReduced = 0;
    std::vector<long double> receiptGains{};  // kTagFirstReceiptGain onwards
    // Depreciating assets.
    long double cost = 0;
    const char* taxableUse = "";
    long double reductions = 0, decline = 0;

    void Write(FieldStore& s) const {
        s.SetFieldStr(kTagAssetDescription, description);
        s.SetFieldStr(kTagAssetType, typeCode);
        s.SetFieldStr(kTagAcquisitionDate, acquired);
        s.SetFieldStr(kTagCostBaseDate, costBaseDate);
        const auto amount = [&s](int tag, long double v) {
            if (v != 0) s.SetFieldVal(tag, v);
        };
        amount(kTagEnteredIndexedCostBase, enteredIndexed);
        amount(kTagEnteredNonIndexedCostBase, enteredNonIndexed);
        amount(kTagEnteredReducedCostBase, enteredReduced);
        auto list = std::make_shared<TextList>();
        for (const CostItem& c : costs)
            list->insert(list->end(), {c.item, c.incurred, "", "Cost", c.amount, c.excluded, "", ""});
        if (!costs.empty()) s.SetFieldLst(kTagCostElements, list);
        s.SetFieldStr(kTagEventDate, eventDate);
        amount(kTagCapitalProceeds, proceeds);
        amount(kTagPercentDisposed, percentDisposed);
        amount(kTagDaysNotExempt, daysNotExempt);
        amount(kTagTotalDays, totalDays);
        for (int tag : ticked) s.SetFieldChecked(tag);
        if (receipts)
            s.SetFieldLst(kTagReceipts, std::make_shared<TextList>(
                                            TextList{"15/01/2001", "", "Return of capital", "1500.00", "", ""}));
        if (*historyDate) s.SetFieldStr(kTagHistoryDate, historyDate);
        amount(kTagHistoryNonIndexed, historyNonIndexed);
        amount(kTagHistoryIndexed, historyIndexed);
        amount(kTagHistoryReduced, historyReduced);
        for (std::size_t i = 0; i < receiptGains.size(); ++i) amount(kTagFirstReceiptGain + int(i), receiptGains[i]);
        amount(kTagDepreciatingCost, cost);
        if (*taxableUse) s.SetFieldStr(kTagTaxableUsePercent, taxableUse);
        amount(kTagSumOfReductions, reductions);
        amount(kTagTotalDecline, decline);
    }
};

// The disabled boxes of whole columns, in ascending order of their tags.
inline std::vector<int> Off(std::initializer_list<std::vector<int>> columns) {
    std::vector<int> all;
    for (const auto& c : columns) all.insert(all.end(), c.begin(), c.end());
    std::sort(all.begin(), all.end());
    return all;
}

// What a summary shows for an asset's answers.
struct FiguresCase {
    const char* name;
    int screen;
    Answers answers;
    std::map<int, std::string> shown;  // box texts by field tag
    std::vector<int> disabled;         // the column boxes shown disabled
    const char* message1;              // "" when the label is hidden
    const char* message2;
    friend void PrintTo(const FiguresCase& c, std::ostream* os) { *os << c.name; }
};

class SummaryScreenTest : public BlockScreenTest {
protected:
    // Stores the answers as instance 1 of the block's type and shows the
    // block's screen `number` on it.
    void ShowOnAnswers(int number, const Answers& answers) {
        if (frame->CurrentScreen()) ShowScreen(2007);
        answers.Write(run.store());
        run.store().StoreInstance(BlockTypeOf(number), 1);
        ShowOnAsset(number);
    }

    // The box bound to a field tag; the later one where two share it, as
    // the frame saves them in that order.
    TCustomNumEdit* BoxOf(int tag) const {
        TCustomNumEdit* found = nullptr;
        for (TCustomNumEdit* box : frame->CurrentScreen()->findChildren<TCustomNumEdit*>())
            if (box->fieldTag() == tag) found = box;
        EXPECT_NE(found, nullptr) << "no box for field " << tag;
        return found;
    }
    std::string Shown(int tag) const { return BoxOf(tag)->text().toStdString(); }
    std::string Shown(const char* name) const { return Control<TCustomNumEdit>(name)->text().toStdString(); }
    // The text of a message label; "" when it is hidden (whatever the view).
    std::string Message(const char* name) const {
        auto* label = Control<QLabel>(name);
        return label->isHidden() ? std::string() : label->text().toStdString();
    }
    bool Visible(const char* name) const { return Control<QWidget>(name)->isVisible(); }
    // The tags among `tags` whose boxes are disabled, in ascending order.
    std::vector<int> DisabledAmong(std::initializer_list<int> tags) const {
        std::vector<int> off;
        for (int t : tags)
            if (!BoxOf(t)->isEnabled()) off.push_back(t);
        std::sort(off.begin(), off.end());
        return off;
    }
    // Clicks a radio button on its circle.
    void ClickRadio(const char* radio) {
        auto* button = Control<QRadioButton>(radio);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        QApplication::processEvents();
    }
    // The checked item of a radio group; "" when none.
    std::string Chosen(const char* group) const {
        for (QRadioButton* r : Control<QWidget>(group)->findChildren<QRadioButton*>())
            if (r->isChecked()) return r->text().toStdString();
        return "";
    }
    std::vector<std::string> GridRow(const char* grid, int row) const {
        auto* g = Control<TXGrid>(grid);
        std::vector<std::string> cells;
        for (int c = 0; c < g->colCount(); ++c) cells.push_back(g->Cell(c, row).toStdString());
        return cells;
    }

    // One field as comparable text: its type and whatever that type holds.
    static std::string Describe(const Slot& s) {
        std::ostringstream o;
        o.precision(21);
        o << "type " << int(s.type);
        if (IsNumericType(s.type)) o << " number " << s.number;
        if (s.type == dtCheckbox) o << (s.checked ? " checked" : " unchecked");
        if (s.type == dtString) o << " text \"" << s.longText.value_or("") << '"';
        if (s.type == dtSmallStr) o << " text \"" << s.smallText << '"';
        if (s.list) {
            o << " list";
            for (const std::string& line : *s.list) o << " |" << line;
        }
        return o.str();
    }

    // Shows the case's summary and checks its boxes (among `columnBoxes`,
    // those disabled) and its two messages.
    void ExpectFigures(const FiguresCase& c, std::initializer_list<int> columnBoxes) {
        ShowOnAnswers(c.screen, c.answers);
        EXPECT_TRUE(dialogs.shown.empty());
        EXPECT_TRUE(Visible("ResultsPanel"));
        for (const auto& [tag, text] : c.shown) EXPECT_EQ(Shown(tag), text) << "field " << tag;
        EXPECT_EQ(DisabledAmong(columnBoxes), c.disabled);
        EXPECT_EQ(Message("MessageLbl1"), c.message1);
        EXPECT_EQ(Message("MessageLbl2"), c.message2);
    }

    // The summary shown on the answers and left with Next must leave
    // instance 1 exactly as the calculation alone leaves it.
    void ExpectStoredAsCalculated(int number, const Answers& answers) {
        const int type = BlockTypeOf(number);
        FieldStore expected;
        answers.Write(expected);
        expected.StoreInstance(type, 1);
        if (type == kWsDepreciating)
            CalculateDepreciatingWorksheetInstance(expected, 1);
        else
            CalculateAssetWorksheetInstance(expected, type, 1);
        expected.LoadInstance(type, 1);

        ShowOnAnswers(number, answers);
        Next();
        ASSERT_EQ(frame->CurrentScreenNumber(), number + 1);
        EXPECT_TRUE(dialogs.shown.empty());
        FieldStore stored;
        stored.MutableSlotAt(ListFieldOf(type)) = run.store().SlotAt(ListFieldOf(type));
        stored.LoadInstance(type, 1);
        for (int first : {kFirstLowWorkingTag, kFirstHighWorkingTag}) {
            const int last = first == kFirstLowWorkingTag ? kLastLowWorkingTag : kLastHighWorkingTag;
            for (int tag = first; tag <= last; ++tag)
                EXPECT_EQ(Describe(stored.SlotAt(tag)), Describe(expected.SlotAt(tag))) << "field " << tag;
        }
    }
};

}  // namespace cgt::test
