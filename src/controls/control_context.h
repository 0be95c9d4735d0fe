#pragma once
// Where a control finds its Dialogs and Clock. A window (or the application)
// carries a ControlContext; a control looks for it up its parent chain when it
// needs to show a box, beep or read the year, so no global is needed and a
// test can give each window its own scripted dialogs.
#include "base/clock.h"
#include "base/dialogs.h"

class QObject;

namespace cgt {

struct ControlContext {
    Dialogs* dialogs = nullptr;
    const Clock* clock = nullptr;
};

// Makes `context` the one for `owner` and everything below it. The context
// must outlive the owner's use of it; pass nullptr to remove it.
void InstallControlContext(QObject* owner, const ControlContext* context);

// The nearest context from `object` up to its top-level window, then the
// application's; silent dialogs and the system clock when none is installed.
Dialogs& ControlDialogs(const QObject* object);
const Clock& ControlClock(const QObject* object);

// A Dialogs for a control's rules that finds the control's context on each call.
class ContextDialogs final : public Dialogs {
public:
    explicit ContextDialogs(const QObject* owner) : owner_(owner) {}
    MsgResult Message(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons,
                      MsgResult defaultButton) override {
        return ControlDialogs(owner_).Message(text, caption, icon, buttons, defaultButton);
    }
    bool InputText(const std::string& caption, const std::string& prompt, std::string& value) override {
        return ControlDialogs(owner_).InputText(caption, prompt, value);
    }
    void Beep() override { ControlDialogs(owner_).Beep(); }

private:
    const QObject* owner_;
};

class ContextClock final : public Clock {
public:
    explicit ContextClock(const QObject* owner) : owner_(owner) {}
    std::chrono::system_clock::time_point Now() const override { return ControlClock(owner_).Now(); }

private:
    const QObject* owner_;
};

}  // namespace cgt
