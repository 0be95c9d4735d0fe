#pragma once
// Where a control finds its Dialogs and Clock. A window (or the application)
// carries a ControlContext; a control looks for it up its parent chain when it
// needs to show a box, beep or read the year, so no global is needed and a
// test can give each window its own scripted dialogs.
#include <type_traits>
#include <utility>

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

template <class F, class... A>
void CallWithArguments(F& f, const A&... args) {
    if constexpr (std::is_invocable_v<F&, const A&...>) {
        f(args...);
    } else if constexpr (sizeof...(A) > 0) {
        const auto first = [](const auto& a, const auto&...) -> const auto& {
            return a;
        };
        if constexpr (std::is_invocable_v<F&, decltype(first(args...))>)
            f(first(args...));
        else
            f();
    } else {
        f();
    }
}

// A slot's body wrapped so that a failure becomes the error box of `owner`'s
// context instead of unwinding through Qt's event loop into the host.
// The body takes the signal's arguments, the first of them, or none.
template <class F>
auto GuardedSlot(const QObject* owner, F f) {
    return [owner, f = std::move(f)](const auto&... args) -> void {
        Guarded(ControlDialogs(owner), [&] { CallWithArguments(f, args...); });
    };
}

class ContextClock final : public Clock {
public:
    explicit ContextClock(const QObject* owner) : owner_(owner) {}
    std::chrono::system_clock::time_point Now() const override { return ControlClock(owner_).Now(); }

private:
    const QObject* owner_;
};

}  // namespace cgt
