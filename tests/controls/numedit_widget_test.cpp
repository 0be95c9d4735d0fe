// The entry field driven as a user drives it: keys typed into the real
// widget, Tab to leave, the boxes recorded by scripted dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "base/clock.h"
#include "controls/numedit.h"
#include "support/scripted_dialogs.h"

namespace cgt {
namespace {

class NumEditWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallControlContext(&window, &context);
        auto* layout = new QVBoxLayout(&window);
        field = new TTaxEdit(&window);
        next = new TTaxEdit(&window);
        layout->addWidget(field);
        layout->addWidget(next);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        next->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }
    // A field keeps its number when its text is cleared; a new case starts blank.
    void Reset() {
        field->SetNumValue(0);
        field->clear();
    }
    void Configure(TCustomNumEdit::NumericType kind, TCustomNumEdit::RavelleDataType data, int maxLength) {
        field->setNumericType(kind);
        field->setRavelleDataType(data);
        field->setMaxLength(maxLength);
    }
    void Enter() {
        next->setFocus(Qt::OtherFocusReason);
        field->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    void Leave() {
        QTest::keyClick(field, Qt::Key_Tab);
        QApplication::processEvents();
    }

    test::ScriptedDialogs dialogs;
    FixedClock clock{2003, 1, 15};
    ControlContext context{&dialogs, &clock};
    QWidget window;
    TTaxEdit* field = nullptr;
    TTaxEdit* next = nullptr;
};

TEST_F(NumEditWidgetTest, TypedEntriesAndWhatTheFieldShowsAfterwards) {
    using NE = TCustomNumEdit;
    struct {
        NE::NumericType kind;
        NE::RavelleDataType data;
        int maxLength;
        const char* keys;
        const char* shown;
        int beeps;
    } cases[] = {
        {NE::ntCurrency, NE::atDollar, 8, "0", "0", 0},
        {NE::ntCurrency, NE::atDollarNegative, 8, "125-", "-125", 0},
        {NE::ntCurrency, NE::atDollarNegative, 8, "125--", "-125", 1},
        {NE::ntCurrencyCnt, NE::atDollarCents, 9, "1234567.89", "123456.89", 1},
        {NE::ntCurrencyCnt, NE::atDollarCents, 9, "0.125", "0.12", 0},
        {NE::ntPercentage, NE::atDollarCents, 8, "12.5", "12.50%", 0},
        {NE::ntPercentage, NE::atDollarCents, 8, "0", "0.00%", 0},
        {NE::ntDate, NE::atDate8, 10, "150802", "15/08/2002", 0},
        {NE::ntDate, NE::atDate8, 10, "15082002", "15/08/2002", 0},
        {NE::ntDate, NE::atDate8, 10, "1/7/60", "01/07/1960", 0},
        {NE::ntTFN, NE::atNone, 11, "123456782", "123 456 782", 0},
        {NE::ntNone, NE::atAddressText, 40, "Lot 5!", "Lot 5", 1},
    };
    for (const auto& c : cases) {
        dialogs.beeps = 0;
        Reset();
        field->ForceNumericType(c.kind);
        field->setRavelleDataType(NE::atNone);
        field->setRavelleDataType(c.data);
        field->setMaxLength(c.maxLength);
        Enter();
        ASSERT_TRUE(field->hasFocus());
        QTest::keyClicks(field, c.keys);
        Leave();
        EXPECT_FALSE(field->hasFocus()) << c.keys;
        EXPECT_EQ(field->text().toStdString(), c.shown) << c.keys;
        EXPECT_EQ(dialogs.beeps, c.beeps) << c.keys;
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(NumEditWidgetTest, ZeroIsHeldAsTheExplicitZeroAndBlankAsNothing) {
    Configure(TCustomNumEdit::ntCurrency, TCustomNumEdit::atDollar, 8);
    Enter();
    QTest::keyClicks(field, "0");
    Leave();
    EXPECT_NEAR(double(field->NumValue()), 0.0011, 1e-12);
    Enter();
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Backspace);
    Leave();
    EXPECT_EQ(field->NumValue(), 0);
    EXPECT_EQ(field->text(), "");
}

TEST_F(NumEditWidgetTest, EntryStripsFormattingAndPutsTheCaretAtTheStart) {
    Configure(TCustomNumEdit::ntPercentage, TCustomNumEdit::atDollarCents, 8);
    field->SetNumValue(12.5L);
    EXPECT_EQ(field->text(), "12.50%");
    Enter();
    EXPECT_EQ(field->text(), "12.50");
    EXPECT_EQ(field->cursorPosition(), 0);
    EXPECT_FALSE(field->hasSelectedText());
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(255, 0, 0));
    Leave();
    EXPECT_EQ(field->palette().color(QPalette::Base), field->normalColor());
}

TEST_F(NumEditWidgetTest, BadEntriesKeepTheFocusWithTheTextSelected) {
    using NE = TCustomNumEdit;
    struct {
        NE::NumericType kind;
        NE::RavelleDataType data;
        bool validate;
        const char* keys;
        const char* message;
        bool exitHandlerRuns;
    } cases[] = {
        {NE::ntDate, NE::atDate8, false, "31/02/2003", "The date must be in dd/mm/yyyy format !", false},
        {NE::ntCurrency, NE::atDollar, true, "101", "Value must be between 0 and 100", false},
        {NE::ntTFN, NE::atNone, false, "123456789", "Invalid Tax File Number (TFN)", false},
        {NE::ntDate, NE::atDate8, false, "", "This field is mandatory and MUST be completed", true},
    };
    for (const auto& c : cases) {
        dialogs.shown.clear();
        Reset();
        field->ForceNumericType(c.kind);
        field->setRavelleDataType(NE::atNone);
        field->setRavelleDataType(c.data);
        field->setValidate(c.validate);
        field->setMinVal(0);
        field->setMaxVal(100);
        field->setMandatory(true);
        QSignalSpy exits(field, &TCustomNumEdit::exited);
        Enter();
        QTest::keyClicks(field, c.keys);
        Leave();
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{c.message}) << c.keys;
        EXPECT_TRUE(field->hasFocus()) << c.keys;
        EXPECT_EQ(field->selectedText(), field->text()) << c.keys;
        EXPECT_EQ(exits.count(), c.exitHandlerRuns ? 1 : 0) << c.keys;
        // Put right, the entry is accepted.
        field->setMandatory(false);
        field->clear();
        Leave();
        EXPECT_FALSE(field->hasFocus()) << c.keys;
    }
}

TEST_F(NumEditWidgetTest, AnotherWindowTakingTheKeyboardIsNotAnExit) {
    Configure(TCustomNumEdit::ntCurrency, TCustomNumEdit::atDollar, 8);
    field->setMandatory(true);
    Enter();
    QSignalSpy exits(field, &TCustomNumEdit::exited);
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QApplication::processEvents();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(exits.count(), 0);
}

}  // namespace
}  // namespace cgt

namespace cgt {
namespace {

// Leftmost and rightmost columns holding ink darker than mid-grey, inside the frame.
std::pair<int, int> InkColumns(const QImage& img) {
    int left = img.width();
    int right = -1;
    for (int y = 2; y < img.height() - 2; ++y)
        for (int x = 2; x < img.width() - 2; ++x)
            if (qGray(img.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return {left, right};
}

TEST_F(NumEditWidgetTest, PaintsItsOwnTextWhenNotFocused) {
    field->setFixedSize(120, 24);
    field->setNormalColor(Qt::white);
    field->setText("8888");
    QApplication::processEvents();
    const int textWidth = QFontMetrics(field->font()).horizontalAdvance("8888");
    struct {
        Qt::Alignment align;
        int expectLeft;  // where the text starts inside the 1-pixel frame
    } cases[] = {
        {Qt::AlignLeft, 1 + 3},
        {Qt::AlignRight, 1 + 118 - textWidth - 3},
        {Qt::AlignHCenter, 1 + (118 - textWidth - 1) / 2},
    };
    for (const auto& c : cases) {
        field->setAlignment(c.align);
        const auto [left, right] = InkColumns(field->grab().toImage());
        EXPECT_NEAR(left, c.expectLeft, 2) << int(c.align);
        EXPECT_NEAR(right - left, textWidth, 3) << int(c.align);
    }
    // Disabled: the text in the style's grey.
    field->setEnabled(false);
    const QImage disabled = field->grab().toImage();
    const QColor grey = field->palette().color(QPalette::Disabled, QPalette::Text);
    ASSERT_NE(grey, QColor(Qt::black));
    bool greyInk = false;
    for (int y = 2; y < disabled.height() - 2; ++y)
        for (int x = 2; x < disabled.width() - 2; ++x) greyInk = greyInk || disabled.pixelColor(x, y) == grey;
    EXPECT_TRUE(greyInk);
}

}  // namespace
}  // namespace cgt
