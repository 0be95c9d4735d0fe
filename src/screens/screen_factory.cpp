#include "screens/screen_factory.h"

#include <cstring>
#include <functional>
#include <map>
#include <string>

#include "screens/qcgt_56.h"
#include "screens/qcgt_60.h"
#include "screens/qcgt_83.h"
#include "screens/screen_table.h"

namespace cgt {

namespace {

using Maker = std::function<TChildForm*()>;

// The classes built so far, by name; later screens add their line here.
const std::map<std::string, Maker>& Makers() {
    static const std::map<std::string, Maker> makers = {
        {"TQCGT_83", [] { return new TQCGT_83; }},
        {"TQCGT_56", [] { return new TQCGT_56; }},
        {"TQCGT_60", [] { return new TQCGT_60; }},
    };
    return makers;
}

}  // namespace

TChildForm* CreateScreen(int screenNumber) {
    const ScreenAttributes* a = FindScreenAttributes(screenNumber);
    if (!a) return nullptr;
    const auto it = Makers().find(a->className);
    if (it == Makers().end()) return nullptr;
    TChildForm* screen = it->second();
    screen->setHelpContext(a->helpContext);
    screen->setIconKind(a->iconKind);
    if (a->savingBlocked) screen->setCompleteFirst(kCompleteFirstBlock);
    screen->setWindowTitle(QString::fromLatin1(a->caption));
    screen->setShowPrevButton(a->showPrev);
    screen->setShowYesButton(false);
    screen->setShowNoButton(false);
    return screen;
}

}  // namespace cgt
