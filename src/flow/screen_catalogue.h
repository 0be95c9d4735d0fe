#pragma once
// The catalogue of interview screens: every screen number, the class that
// serves it, and the attributes of its definition that the frame uses.
#include <string_view>
#include <vector>

namespace cgt {

// The icon shown beside a screen (the definitions' "icon kind" values).
enum IconKind { kIconQuestion = 1, kIconArrow = 2, kIconInformation = 3, kIconNone = 99 };

// Screens of one family behave alike but for the constants of their rows.
enum class ScreenFamily {
    Information,           // Next only, no checks
    IntroductoryQuestion,  // "Did you own ...?": Yes into the category, No past it
    EventQuestion,         // "Did a CGT event happen ...?": sets the pending worksheet type
    AnotherEventQuestion,  // end of a block: Yes back to its registration screen
    AssetBlock,            // registration, cost base, receipts, event and deferral screens
    ReceiptEntry,          // created rights and other receipts: one screen per instance
    EntryTable,            // trust distribution and manual calculation tables
    Calculation,           // worksheets, choice table, concessions, schedule
};

// How a block screen comes by the worksheet instance it edits.
enum class WorksheetRole {
    None,          // edits no worksheet
    Registration,  // opens a new instance unless the block reopens one
    Receipt,       // likewise; nothing on the way to it sets the reopen flag
    BlockScreen,   // reopens the block's instance (instance 1 when none is named)
};

inline constexpr const char* kCaptionGainsAndLosses = "17 - Income - Capital gains and capital losses";
inline constexpr const char* kCaptionGainsOrLosses = "17 - Income - Capital gains or capital losses";
inline constexpr const char* kCaptionGains = "17 - Income - Capital gains";

struct ScreenClass {
    const char* className;
    ScreenFamily family;
    WorksheetRole worksheetRole;
    int helpContext;  // topic of the More button
    IconKind icon;
    bool savingBlocked;  // complete-first marker 99 while shown
    const char* caption;
    bool showPrev;
    std::vector<int> numbers;  // the screen numbers it serves
};

struct ScreenDef {
    int number;
    const ScreenClass* cls;
};

// Every screen class, in the order of the interview: the rows of
// flow/screen_list.h, which the compiled screen definitions follow too.
const std::vector<ScreenClass>& ScreenClasses();
// Every screen number with its class, sorted by number.
const std::vector<ScreenDef>& ScreenCatalogue();
// The class serving a screen number, or nullptr when the number has no screen.
const ScreenClass* FindScreenClass(int number);
const ScreenClass* FindScreenClassByName(std::string_view className);

// The navigator tree's entries, in tree order.
struct NavigatorGroup {
    const char* text;
    int screenNumber;
};
const std::vector<NavigatorGroup>& NavigatorTree();

}  // namespace cgt
