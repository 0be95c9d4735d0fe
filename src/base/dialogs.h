#pragma once
// Every message box, confirmation, input box and beep goes through this
// interface: Qt message boxes in the program, a scripted fake in tests.
// Texts are Windows-1252 byte strings, as the store holds them.
#include <exception>
#include <string>
#include <utility>

namespace cgt {

enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // `defaultButton` is the button that Enter presses.
    virtual MsgResult Message(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons,
                              MsgResult defaultButton) = 0;
    // Asks for a line of text; false when cancelled.
    virtual bool InputText(const std::string& caption, const std::string& prompt, std::string& value) = 0;
    virtual void Beep() = 0;

    void Inform(const std::string& text, const std::string& caption = "Information") {
        Message(text, caption, MsgIcon::Information, MsgButtons::Ok, MsgResult::Ok);
    }
    void Error(const std::string& text, const std::string& caption = "Error") {
        Message(text, caption, MsgIcon::Error, MsgButtons::Ok, MsgResult::Ok);
    }
    bool AskYesNo(const std::string& text, const std::string& caption, MsgIcon icon = MsgIcon::Warning,
                  MsgResult defaultButton = MsgResult::No) {
        return Message(text, caption, icon, MsgButtons::YesNo, defaultButton) == MsgResult::Yes;
    }
};

// Answers every question with its default button and shows nothing; for
// batch use (the command-line tool) where nobody is there to ask.
class SilentDialogs final : public Dialogs {
public:
    MsgResult Message(const std::string&, const std::string&, MsgIcon, MsgButtons, MsgResult d) override { return d; }
    bool InputText(const std::string&, const std::string&, std::string&) override { return false; }
    void Beep() override {}
};

inline constexpr const char* kUnexpectedError = "Unexpected error";

// The guard where our code is entered from outside (the exports, the event
// loop): a failure becomes the error box instead of unwinding into the host
// or Qt. False when a failure was caught.
template <typename F>
bool Guarded(Dialogs& dialogs, F&& f) noexcept {
    std::exception_ptr failure;
    try {
        std::forward<F>(f)();
        return true;
    } catch (...) {
        failure = std::current_exception();
    }
    try {
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception& e) {
            dialogs.Error(e.what());
        } catch (...) {
            dialogs.Error(kUnexpectedError);
        }
    } catch (...) {
        // Nothing is left to tell; staying alive matters more.
    }
    return false;
}

}  // namespace cgt
