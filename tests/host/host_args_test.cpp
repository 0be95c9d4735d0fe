#include "host_args.h"

#include <gtest/gtest.h>

namespace cgt::host {
namespace {

TEST(HostArgs, AcceptedCommandLines) {
    const struct {
        std::vector<std::string> args;
        bool helpDesk;
        std::string file, id;
        int screen;
        bool create;
    } cases[] = {
        {{"R.DAT", "--id", "SMITH 123"}, false, "R.DAT", "SMITH 123", 2004, false},
        {{"helpdesk", "R.DAT", "--id", "X 1", "--screen", "2088"}, true, "R.DAT", "X 1", 2088, false},
        {{"--id", "X 1", "--new", "R.DAT"}, false, "R.DAT", "X 1", 2004, true},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto a = ParseHostArgs(c.args, error);
        ASSERT_TRUE(a) << error;
        EXPECT_EQ(a->helpDesk, c.helpDesk);
        EXPECT_EQ(a->file, c.file);
        EXPECT_EQ(a->identity, c.id);
        EXPECT_EQ(a->screen, c.screen);
        EXPECT_EQ(a->create, c.create);
    }
}

TEST(HostArgs, RefusedCommandLinesSayWhy) {
    const struct {
        std::vector<std::string> args;
        std::string error;
    } cases[] = {
        {{}, kUsage},
        {{"R.DAT"}, kUsage},
        {{"R.DAT", "--id"}, "--id needs a value"},
        {{"R.DAT", "--id", "X", "--screen", "abc"}, "--screen needs a screen number, not abc"},
        {{"R.DAT", "--id", "X", "--fast"}, "unknown option --fast"},
        {{"R.DAT", "S.DAT", "--id", "X"}, "unexpected argument S.DAT"},
        {{std::string(256, 'f'), "--id", "X"}, "the file name and the identity text are at most 255 characters"},
        // HELPDESK counts only as the first argument.
        {{"R.DAT", "HELPDESK", "--id", "X"}, "unexpected argument HELPDESK"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseHostArgs(c.args, error));
        EXPECT_EQ(error, c.error);
    }
}

}  // namespace
}  // namespace cgt::host
