#include "controls/markup_layout.h"

#include <gtest/gtest.h>

namespace cgt {
namespace {

// Every character 6 pixels wide, every line 16 pixels high, whatever the font.
class FixedMeasurer final : public TextMeasurer {
public:
    TextExtent Measure(const MarkupFont&, const std::string& text) override {
        int chars = 0;
        for (unsigned char c : text)
            if ((c & 0xC0) != 0x80) ++chars;  // count UTF-8 characters
        return {chars * 6, 16};
    }
};

struct RunAt {
    int x;
    int y;
    std::string text;
    bool operator==(const RunAt&) const = default;
};

std::ostream& operator<<(std::ostream& os, const RunAt& r) {
    return os << "(" << r.x << "," << r.y << ",\"" << r.text << "\")";
}

class MarkupLayoutTest : public ::testing::Test {
protected:
    MarkupLayout::Result Paint(const std::vector<std::string>& lines) {
        layout.Layout(lines, area, false, measurer);
        return layout.Layout(lines, area, true, measurer);
    }
    std::vector<RunAt> Runs(const std::vector<std::string>& lines) {
        std::vector<RunAt> out;
        for (const auto& r : Paint(lines).runs) out.push_back({r.x, r.y, r.text});
        return out;
    }

    FixedMeasurer measurer;
    MarkupLayout layout;
    MarkupArea area{0, 0, 400, 100};
    int beeps = 0;
    void SetUp() override {
        layout.beep = [this] { ++beeps; };
    }
};

TEST_F(MarkupLayoutTest, PositionsOfRuns) {
    struct {
        std::vector<std::string> lines;
        std::vector<RunAt> runs;
    } cases[] = {
        {{"plain", "two"}, {{0, 0, "plain"}, {0, 16, "two"}}},
        // The bullet at the edge, the text 10 in; the next line keeps the indent.
        {{"<X0>•<X10>first", "second"}, {{0, 0, "•"}, {10, 0, "first"}, {10, 16, "second"}}},
        {{"<AR;X320>abc"}, {{302, 0, "abc"}}},    // ends at 320
        {{"<AC;X300>abcd"}, {{288, 0, "abcd"}}},  // centred on 300
        {{"ab<x10>cd"}, {{0, 0, "ab"}, {22, 0, "cd"}}},
        {{"<Y40>a<y5>b"}, {{0, 40, "a"}, {6, 45, "b"}}},
        {{"<Y-10>foot"}, {{0, 74, "foot"}}},  // 100 - 10 - 16
        {{"<L20>a", "b", "<L10>c", "d"}, {{0, 0, "a"}, {0, 32, "b"}, {0, 64, "c"}, {0, 80, "d"}}},
        {{";comment", "a"}, {{0, 0, "a"}}},
        {{"a<>b<;;x6>c"}, {{0, 0, "a"}, {6, 0, "b"}, {18, 0, "c"}}},  // empty codes are skipped
        {{"a>b<x6"}, {{0, 0, "a>b"}}},                                // unclosed tag runs to the end
    };
    for (const auto& c : cases) {
        MarkupLayout fresh;
        layout = fresh;
        EXPECT_EQ(Runs(c.lines), c.runs) << c.lines[0];
    }
}

TEST_F(MarkupLayoutTest, OnlyTheCurrentSectionShowsAndStartsAtTheTop) {
    const std::vector<std::string> lines = {"<s1>First", "one", ";", "<s2>Second", "<s999>Always"};
    layout.currentSection = 2;
    EXPECT_EQ(Runs(lines), (std::vector<RunAt>{{0, 0, "Second"}, {0, 16, "Always"}}));
    // The section in force lasts into the next paint: here the first line
    // has its own s code, so section 1 shows from the top as well.
    layout.currentSection = 1;
    EXPECT_EQ(Runs(lines), (std::vector<RunAt>{{0, 0, "First"}, {0, 16, "one"}, {0, 32, "Always"}}));
    // Without its own s code a line is in the section last set.
    layout.currentSection = 2;
    EXPECT_EQ(Runs({"<s1>a", "b"}), (std::vector<RunAt>{}));
}

TEST_F(MarkupLayoutTest, LinksMakeHotSpotsAndTheDotEndsThem) {
    layout.labelFont.color = 0x123456;
    layout.baseColor = 0x123456;
    const auto r = Paint({"see <C12;T4;J310>click here<.> or <G7>this"});
    ASSERT_EQ(r.runs.size(), 4u);
    EXPECT_EQ(r.runs[1].text, "click here");
    EXPECT_EQ(r.runs[1].font.color, 0x0000FFu);
    EXPECT_EQ(r.runs[1].font.style, MarkupFont::Underline);
    EXPECT_EQ(r.runs[2].font.color, 0x123456u);
    EXPECT_EQ(r.runs[2].font.style, 0);
    ASSERT_EQ(r.jumps.size(), 1u);
    EXPECT_EQ(r.jumps[0].id, 310);
    EXPECT_EQ(r.jumps[0].left, 24);
    EXPECT_EQ(r.jumps[0].right, 84);
    EXPECT_EQ(r.jumps[0].bottom, 16);
    EXPECT_TRUE(r.jumps[0].Contains(84, 16));
    EXPECT_FALSE(r.jumps[0].Contains(85, 8));
    ASSERT_EQ(r.screens.size(), 1u);
    EXPECT_EQ(r.screens[0].id, 7);
}

TEST_F(MarkupLayoutTest, HeightOfThreeLines) {
    EXPECT_EQ(Paint({"a", "b", "c"}).penY, 48);
    EXPECT_TRUE(Paint({}).empty);
}

TEST_F(MarkupLayoutTest, CheckTagHidesTheRestOfTheLine) {
    layout.onCheckTag = [](int id, bool& pass) { pass = id != 5; };
    EXPECT_EQ(Runs({"<v5>hidden", "shown", "<v6>also<v0>shown"}),
              (std::vector<RunAt>{{0, 0, "shown"}, {0, 16, "also"}, {24, 16, "shown"}}));
    // Hidden part way: the line takes no space and the pen stays where it was.
    EXPECT_EQ(Runs({"start <v5>hidden", "next"}), (std::vector<RunAt>{{0, 0, "start "}, {36, 0, "next"}}));
}

TEST_F(MarkupLayoutTest, ScreenTagSubstitutesTextWithMarkup) {
    layout.onScreenTag = [](int id, std::string& tag) { tag = id == 99999 ? "20<T1>03" : "<V1>"; };
    const auto r = Paint({"Year <V99999> end"});
    ASSERT_EQ(r.runs.size(), 3u);
    EXPECT_EQ(r.runs[1].text, "20");
    EXPECT_EQ(r.runs[2].text, "03 end");
    EXPECT_EQ(r.runs[2].font.style, MarkupFont::Bold);
    // A handler that answers with its own tag does not stall the layout.
    EXPECT_EQ(Paint({"<V1>x"}).runs.size(), 1u);
}

TEST_F(MarkupLayoutTest, ColoursFromTheTableAndTheScreen) {
    layout.baseColor = 0x010203;
    layout.onColorTag = [](int id, std::uint32_t& c) { c = id == 4 ? 0xABCDEF : c; };
    const auto r = Paint({"<C10>a<C19>b<c4>c<c0>d<C0>e<Cx>f"});
    ASSERT_EQ(r.runs.size(), 6u);
    EXPECT_EQ(r.runs[0].font.color, 0xFF0000u);
    EXPECT_EQ(r.runs[1].font.color, 0xFF0000u);  // out of the table: unchanged
    EXPECT_EQ(r.runs[2].font.color, 0xABCDEFu);
    EXPECT_EQ(r.runs[3].font.color, 0x010203u);
    EXPECT_EQ(r.runs[4].font.color, 0x010203u);
    EXPECT_EQ(beeps, 2);  // "Cx" is no number, in each of the two passes
}

TEST_F(MarkupLayoutTest, MalformedNumbersBeepAndSkipOnlyThatCode) {
    EXPECT_EQ(Runs({"<Xab;x5>t<S1x;T9x>u"}), (std::vector<RunAt>{{5, 0, "t"}, {11, 0, "u"}}));
    EXPECT_EQ(beeps, 3 * 2);  // three bad codes, each pass
}

TEST_F(MarkupLayoutTest, ScalingFiveQuarters) {
    layout.SetScale(5, 4);
    layout.baseSize = 10;
    const auto r = Paint({"<X100;S10>a<.>b"});
    ASSERT_EQ(r.runs.size(), 2u);
    EXPECT_EQ(r.runs[0].x, 125);
    EXPECT_EQ(r.runs[0].font.size, 12);  // trunc(10 x 1.25)
    EXPECT_EQ(r.runs[1].font.size, 12);
    layout.SetScale(4, 3);
    EXPECT_DOUBLE_EQ(layout.fontScale, 1.33);
}

TEST_F(MarkupLayoutTest, BevelsShiftTheOrigin) {
    layout.bevelOffset = 2;
    EXPECT_EQ(Runs({"a", "<X10>b"}), (std::vector<RunAt>{{2, 2, "a"}, {12, 18, "b"}}));
}

}  // namespace
}  // namespace cgt
