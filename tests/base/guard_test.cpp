#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "base/dialogs.h"
#include "support/scripted_dialogs.h"

namespace cgt {
namespace {

// Whatever a guarded step throws ends as one error box, never past the guard.
TEST(Guarded, AFailureBecomesTheErrorBox) {
    const struct {
        const char* what;
        std::function<void()> step;
        bool ok;
        std::vector<std::string> boxes;
    } cases[] = {
        {"nothing thrown", [] {}, true, {}},
        {"std::exception",
         [] { throw std::runtime_error("Unable to write r.dat: No space left on device"); },
         false,
         {"Unable to write r.dat: No space left on device"}},
        {"anything else", [] { throw 42; }, false, {kUnexpectedError}},
    };
    for (const auto& c : cases) {
        test::ScriptedDialogs dialogs;
        EXPECT_EQ(Guarded(dialogs, c.step), c.ok) << c.what;
        EXPECT_EQ(dialogs.Texts(), c.boxes) << c.what;
    }
}

// A box that cannot be shown is no reason to end the program either.
TEST(Guarded, AFailingBoxIsSwallowed) {
    class Throwing final : public Dialogs {
    public:
        MsgResult Message(const std::string&, const std::string&, MsgIcon, MsgButtons, MsgResult) override {
            throw std::runtime_error("no display");
        }
        bool InputText(const std::string&, const std::string&, std::string&) override { return false; }
        void Beep() override {}
    } dialogs;
    EXPECT_FALSE(Guarded(dialogs, [] { throw std::runtime_error("x"); }));
}

}  // namespace
}  // namespace cgt
