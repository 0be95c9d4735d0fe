#pragma once
// A Dialogs that records every box it is asked to show and answers from a
// script (or with the box's default button when the script has run out).
#include <deque>
#include <string>
#include <vector>

#include "base/dialogs.h"

namespace cgt::test {

struct ShownMessage {
    std::string text;
    std::string caption;
    MsgIcon icon;
    MsgButtons buttons;
    MsgResult defaultButton;
};

class ScriptedDialogs final : public Dialogs {
public:
    MsgResult Message(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons,
                      MsgResult defaultButton) override {
        shown.push_back({text, caption, icon, buttons, defaultButton});
        if (answers.empty()) return defaultButton;
        const MsgResult r = answers.front();
        answers.pop_front();
        return r;
    }
    bool InputText(const std::string& caption, const std::string& prompt, std::string& value) override {
        inputs.push_back(caption + "|" + prompt);
        if (inputAnswers.empty()) return false;
        value = inputAnswers.front();
        inputAnswers.pop_front();
        return true;
    }
    void Beep() override { ++beeps; }

    std::vector<std::string> Texts() const {
        std::vector<std::string> t;
        for (const auto& m : shown) t.push_back(m.text);
        return t;
    }

    std::vector<ShownMessage> shown;
    std::deque<MsgResult> answers;
    std::vector<std::string> inputs;
    std::deque<std::string> inputAnswers;
    int beeps = 0;
};

}  // namespace cgt::test
