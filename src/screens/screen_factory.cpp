#include "screens/screen_factory.h"

#include <string>

#include "base/income_year.h"
#include "controls/textlbl.h"
#include "interview/childform.h"
#include "screens/navigator_groups.h"
#include "screens/screen_forms.h"

namespace cgt {

namespace {

// Placeholders the screen texts use for the income year: "2002-2003".
constexpr int kPreviousYearPlaceholder = 99998;
constexpr int kIncomeYearPlaceholder = 99999;

void AnswerIncomeYearPlaceholders(TChildForm* screen) {
    for (TTextLbl* label : screen->findChildren<TTextLbl*>()) {
        label->SetOnScreenTag([](TTextLbl*, int id, std::string& text) {
            if (id == kPreviousYearPlaceholder) text = std::to_string(kIncomeYear - 1);
            if (id == kIncomeYearPlaceholder) text = std::to_string(kIncomeYear);
        });
    }
}

}  // namespace

TChildForm* CreateScreen(int screenNumber) {
    const ScreenClass* cls = FindScreenClass(screenNumber);
    if (!cls) return nullptr;
    TChildForm* screen = FormOf(*cls).build(*cls, screenNumber);
    if (!screen) return nullptr;
    screen->setHelpContext(cls->helpContext);
    screen->setIconKind(cls->icon);
    if (cls->savingBlocked) screen->setCompleteFirst(kCompleteFirstBlock);
    screen->setWindowTitle(QString::fromLatin1(cls->caption));
    screen->setShowPrevButton(cls->showPrev);
    // The question screens make Yes and No visible when they are shown.
    screen->setShowYesButton(false);
    screen->setShowNoButton(false);
    AnswerIncomeYearPlaceholders(screen);
    return screen;
}

const std::vector<NavigatorEntry>& NavigatorGroups() {
    static const std::vector<NavigatorEntry> entries = [] {
        std::vector<NavigatorEntry> e;
        for (const NavigatorGroup& g : NavigatorTree()) e.push_back({QString::fromLatin1(g.text), g.screenNumber});
        return e;
    }();
    return entries;
}

}  // namespace cgt
