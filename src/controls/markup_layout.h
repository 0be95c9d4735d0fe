#pragma once
// The markup of the explanatory labels, laid out without widgets: codes in
// angle brackets position the pen in design pixels, switch fonts and colours,
// pick sections, hide lines, ask the screen for substitute text and colours,
// and mark link hot spots. Text is measured through TextMeasurer, so the
// rules are tested without fonts; on screen it is QFontMetrics.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace cgt {

struct MarkupFont {
    enum Style : int { Bold = 1, Italic = 2, Underline = 4 };
    std::string name = "Arial";
    int size = 10;  // points
    int style = 0;
    std::uint32_t color = 0;  // 0xRRGGBB
    bool operator==(const MarkupFont&) const = default;
};

struct TextExtent {
    int width = 0;
    int height = 0;
};

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual TextExtent Measure(const MarkupFont& font, const std::string& text) = 0;
};

struct MarkupRun {
    int x = 0;
    int y = 0;
    MarkupFont font;
    std::string text;
};

struct HotSpot {
    int id = 0;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    // Edges count as inside.
    bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

struct MarkupArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

enum class MarkupAlign { Left, Right, Centre };

// The sixteen standard colours, then button face (17) and window (18), which
// the widget sets from its palette.
struct MarkupColors {
    std::uint32_t table[19] = {0,        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                               0x008080, 0x808080, 0xC0C0C0, 0xFF0000, 0x00FF00, 0x0000FF, 0xFF00FF,
                               0x00FFFF, 0xFFFFFF, 0xFFFF00, 0xF0F0F0, 0xFFFFFF};
};

class MarkupLayout {
public:
    struct Result {
        int penY = 0;
        std::vector<MarkupRun> runs;  // only in the draw pass
        std::vector<HotSpot> jumps;
        std::vector<HotSpot> screens;
        bool empty = false;  // no lines: the widget shows its name instead
    };

    // The label's font as the screen set it (already scaled with the screen),
    // and its size before scaling, which "." restores (times the font scale).
    MarkupFont labelFont;
    int baseSize = 10;
    std::uint32_t baseColor = 0;
    int lineSpacing = 10;  // tenths of a line
    int bevelOffset = 0;   // BevelWidth for each bevel that is not none
    double positionScale = 1.0;
    double fontScale = 1.0;
    int currentSection = 1;
    MarkupColors colors;

    // Handlers the screen answers; unset means "no handler".
    std::function<void(int id, std::string& tag)> onScreenTag;
    std::function<void(int id, bool& pass)> onCheckTag;
    std::function<void(int id, std::uint32_t& color)> onColorTag;
    std::function<void()> beep;

    // The section in force: the Section property, changed by "s" codes; the
    // change lasts into later passes.
    int section = 1;
    // Like the section, the alignment is not reset at line ends, by "." or
    // between passes.
    MarkupAlign alignment = MarkupAlign::Left;

    // Scaling by m/d: positions by m/d, fonts by m/d cut to two decimals.
    void SetScale(int m, int d);

    Result Layout(const std::vector<std::string>& lines, const MarkupArea& area, bool draw, TextMeasurer& measurer);

private:
    struct State;
    bool InForce() const { return section == currentSection || section == 999; }
    void ApplyCode(const std::string& code, State& st, std::string& rest);
    void LayOutRun(const std::string& text, State& st) const;
    int Scaled(int n) const;
    int LineAdvance(State& st) const;
};

}  // namespace cgt
