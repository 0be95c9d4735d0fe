// The type-ahead of the asset type and event lists: the rules on the real
// item lists, and the drop-down list driven by key presses.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "controls/typeahead_combo.h"
#include "flow/code_tables.h"
#include "store/tags.h"

namespace cgt {
namespace {

// Keys typed one after another; '\b' is Backspace.
TypeAheadRules::Outcome TypeKeys(TypeAheadRules& rules, const ItemList& items, const std::string& keys) {
    TypeAheadRules::Outcome last;
    for (char c : keys) last = c == '\b' ? rules.Backspace() : rules.Typed(items, c);
    return last;
}

TEST(TypeAheadRules, KeysSelectTheFirstItemBeginningWithThem) {
    const struct {
        int type;
        const char* keys;
        const char* selected;  // leading characters of the selected item; nullptr for none
        int highlighted;
        const char* buffer;
    } cases[] = {
        {kWsCeasingResidency, "r", "RA", 1, "r"},
        {kWsCeasingResidency, "ra", "RA", 2, "ra"},
        // No item begins "rax": the search restarts with "x", which begins none.
        {kWsCeasingResidency, "rax", nullptr, 0, "x"},
        {kWsCeasingResidency, "raxu", "UA", 1, "u"},
        {kWsCeasingResidency, "RN", "RN", 2, "RN"},
        {kWsCeasingResidency, "o", "OA", 1, "o"},
        {kWsCeasingResidency, "on", "ON", 2, "on"},
        {kWsCeasingResidency, "g  - g", "G  - Goodwill", 6, "g  - g"},
        // A first character that begins no item leaves the search empty.
        {kWsCeasingResidency, "x", nullptr, 0, ""},
        {kWsCeasingResidency, "xr", "RA", 1, "r"},
        {kWsShares, "s", "SA", 1, "s"},
        {kWsShares, "sn", "SN", 2, "sn"},
        {kWsShares, "sns", "SA", 1, "s"},
        {kWsShares, "sa - active asset - shares!", nullptr, 0, "!"},
        {kWsPersonalUse, "p  -", "P  - Personal use assets", 4, "p  -"},
        {kWsPersonalUse, "a", "A  - Collectables", 1, "a"},
        {kWsDepreciating, "p - p", "P - Personal use asset", 5, "p - p"},
        {kWsOtherAssets, "on", "ON", 2, "on"},
        {kWsOtherAssets, "gx", nullptr, 0, "x"},
        {kWsTrustInterest, "oa - active asset - o", "OA - Active asset - Other trust", 21, "oa - active asset - o"},
        // Backspace empties the search and the selection.
        {kWsShares, "sn\b", nullptr, 0, ""},
        {kWsShares, "sn\bn", nullptr, 0, ""},
        {kWsShares, "sn\bs", "SA", 1, "s"},
    };
    for (const auto& c : cases) {
        const ItemList items = AssetTypeItems(c.type);
        TypeAheadRules rules;
        const TypeAheadRules::Outcome got = TypeKeys(rules, items, c.keys);
        const std::string where = std::to_string(c.type) + " \"" + c.keys + "\"";
        if (c.selected) {
            ASSERT_GE(got.selected, 0) << where;
            EXPECT_EQ(items[std::size_t(got.selected)].rfind(c.selected, 0), 0u) << where;
        } else {
            EXPECT_EQ(got.selected, -1) << where;
        }
        EXPECT_EQ(got.highlighted, c.highlighted) << where;
        EXPECT_EQ(rules.Buffer(), c.buffer) << where;
    }
}

TEST(TypeAheadRules, TheListReceivingTheFocusStartsTheSearchAfresh) {
    const ItemList items = AssetTypeItems(kWsRealEstate);
    TypeAheadRules rules;
    TypeKeys(rules, items, "r");
    rules.Reset();
    EXPECT_EQ(rules.Buffer(), "");
    EXPECT_EQ(TypeKeys(rules, items, "n").selected, -1);
}

class TypeAheadComboTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        combo = new TTypeAheadCombo(&window);
        other = new QLineEdit(&window);
        layout->addWidget(combo);
        layout->addWidget(other);
        combo->SetItems(AssetTypeItems(kWsCeasingResidency));
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        combo->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    void Press(Qt::Key key) { QTest::keyClick(combo, key); }
    void Press(char c) { QTest::keyClick(combo, c); }
    QString Highlighted() const { return combo->lineEdit()->selectedText(); }

    QWidget window;
    TTypeAheadCombo* combo = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(TypeAheadComboTest, KeysSelectAndHighlightTheMatchedCharacters) {
    QSignalSpy changes(combo, &TTypeAheadCombo::selectionChanged);
    EXPECT_EQ(combo->currentIndex(), -1);
    Press('r');
    EXPECT_EQ(combo->currentText(), "RA - Active asset - Real estate");
    EXPECT_EQ(Highlighted(), "R");
    Press('n');
    EXPECT_EQ(combo->currentText(), "RN - Non-active asset - Real estate");
    EXPECT_EQ(Highlighted(), "RN");
    Press('x');
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->currentText(), "");
    Press('u');
    EXPECT_EQ(combo->currentText(), "UA - Active asset - Units in a unit trust");
    EXPECT_EQ(Highlighted(), "U");
    EXPECT_EQ(changes.count(), 4);
    // No character reaches the text: the list offers only its items.
    EXPECT_EQ(combo->count(), int(AssetTypeItems(kWsCeasingResidency).size()));
}

TEST_F(TypeAheadComboTest, BackspaceClearsTheSelectionAndTheText) {
    QSignalSpy changes(combo, &TTypeAheadCombo::selectionChanged);
    Press('s');
    Press('n');
    ASSERT_EQ(combo->currentText(), "SN - Non-active asset - Shares");
    Press(Qt::Key_Backspace);
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->currentText(), "");
    EXPECT_EQ(changes.count(), 3);
    EXPECT_EQ(combo->Rules().Buffer(), "");
    // The search starts again from the next character.
    Press('a');
    EXPECT_EQ(combo->currentText(), "A  - Collectables");
}

TEST_F(TypeAheadComboTest, KeysThatEditTextLeaveTheChoiceAlone) {
    QApplication::clipboard()->setText(QStringLiteral("SA"));
    Press('r');
    ASSERT_EQ(Highlighted(), "R");
    QTest::keyClick(combo, Qt::Key_Delete);
    // Some keyboards send Delete with the DEL character as its text.
    QTest::sendKeyEvent(QTest::Click, combo, Qt::Key_Delete, QStringLiteral("\x7f"), Qt::NoModifier);
    QTest::keyClick(combo, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(combo, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(combo->currentIndex(), 4);
    EXPECT_EQ(combo->currentText(), "RA - Active asset - Real estate");
    EXPECT_EQ(combo->Rules().Buffer(), "r");
}

TEST_F(TypeAheadComboTest, ComingBackToTheListStartsANewSearch) {
    Press('r');
    other->setFocus(Qt::TabFocusReason);
    combo->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    // "rn" would find RN; after the focus came back only "n" counts.
    Press('n');
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->currentText(), "");
}

}  // namespace
}  // namespace cgt
