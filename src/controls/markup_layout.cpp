#include "controls/markup_layout.h"

#include <cmath>
#include <cstdlib>
#include <optional>

#include "base/numtext.h"
#include "base/rounding.h"

namespace cgt {

struct MarkupLayout::State {
    const MarkupArea* area = nullptr;
    TextMeasurer* measurer = nullptr;
    Result* result = nullptr;
    bool draw = false;
    MarkupFont font;
    int lineSpacing = 10;
    int penX = 0;
    int penY = 0;
    int indent = 0;
    int jump = 0;
    int screen = 0;
    bool lineVisible = true;
    int substitutions = 0;
};

namespace {

// A V handler that answers with its own tag would never end.
constexpr int kMaxSubstitutionsPerLine = 64;

std::optional<int> ReadInt(const std::string& code, std::size_t chars) {
    const std::string arg = code.substr(1, chars);
    if (auto v = TryStrToInt(arg)) return int(*v);
    return std::nullopt;
}

int ReadIntOr(const std::string& code, std::size_t chars, int fallback) {
    return ReadInt(code, chars).value_or(fallback);
}

}  // namespace

void MarkupLayout::SetScale(int m, int d) {
    positionScale = double(m) / double(d);
    fontScale = std::trunc(positionScale * 100.0) / 100.0;
}

int MarkupLayout::Scaled(int n) const {
    return int(Round(static_cast<long double>(n) * positionScale));
}

int MarkupLayout::LineAdvance(State& st) const {
    const int h = st.measurer->Measure(st.font, "H").height;
    return int(Round(static_cast<long double>(h) * st.lineSpacing / 10));
}

void MarkupLayout::LayOutRun(const std::string& text, State& st) const {
    if (!InForce() || text.empty()) return;
    const TextExtent e = st.measurer->Measure(st.font, text);
    if (alignment == MarkupAlign::Right) st.penX -= e.width;
    if (alignment == MarkupAlign::Centre) st.penX -= e.width / 2;
    if (st.draw) st.result->runs.push_back({st.penX, st.penY, st.font, text});
    if (st.jump > 0) st.result->jumps.push_back({st.jump, st.penX, st.penY, st.penX + e.width, st.penY + e.height});
    if (st.screen > 0)
        st.result->screens.push_back({st.screen, st.penX, st.penY, st.penX + e.width, st.penY + e.height});
    st.penX += e.width;
}

void MarkupLayout::ApplyCode(const std::string& code, State& st, std::string& rest) {
    if (code.empty()) return;
    const char letter = code[0];
    if (letter == 's') {
        section = ReadIntOr(code, 5, 1);
        return;
    }
    if (!InForce()) return;
    const MarkupArea& a = *st.area;
    auto strict = [&](std::size_t chars) -> std::optional<int> {
        auto v = ReadInt(code, chars);
        if (!v && beep) beep();
        return v;
    };
    switch (letter) {
        case 'X':
            if (auto n = strict(4)) {
                st.indent = Scaled(*n);
                st.penX = a.left + st.indent + bevelOffset;
            }
            break;
        case 'x':
            if (auto n = strict(4)) st.penX += Scaled(*n);
            break;
        case 'Y':
            if (auto n = strict(4)) {
                if (code.size() > 1 && code[1] == '-')
                    st.penY = a.bottom - Scaled(std::abs(*n)) - bevelOffset - LineAdvance(st);
                else
                    st.penY = a.top + Scaled(*n) + bevelOffset;
            }
            break;
        case 'y':
            if (auto n = strict(4)) st.penY += Scaled(*n);
            break;
        case 'S':
            if (auto n = strict(3)) st.font.size = int(std::trunc(*n * fontScale));
            break;
        case 'F': st.font.name = code.substr(1, 30); break;
        case 'T':
            if (auto n = strict(3))
                st.font.style = *n & (MarkupFont::Bold | MarkupFont::Italic | MarkupFont::Underline);
            break;
        case 'C':
            if (auto n = strict(2))
                if (*n >= 1 && *n <= 18) st.font.color = colors.table[*n];
            break;
        case 'c': {
            const int n = ReadIntOr(code, 5, 0);
            if (n == 0)
                st.font.color = baseColor;
            else if (onColorTag)
                onColorTag(n, st.font.color);
            break;
        }
        case 'L': st.lineSpacing = ReadIntOr(code, 2, 10); break;
        case 'A': {
            const char c = code.size() > 1 ? code[1] : 'L';
            alignment = c == 'R' ? MarkupAlign::Right : c == 'C' ? MarkupAlign::Centre : MarkupAlign::Left;
            break;
        }
        case 'J': st.jump = ReadIntOr(code, 5, 0); break;
        case 'G': st.screen = ReadIntOr(code, 5, 0); break;
        case 'V': {
            const int n = ReadIntOr(code, 5, 0);
            if (n != 0 && onScreenTag && st.substitutions < kMaxSubstitutionsPerLine) {
                ++st.substitutions;
                std::string tag;
                onScreenTag(n, tag);
                rest.insert(0, tag);
            }
            break;
        }
        case 'v': {
            const int n = ReadIntOr(code, 5, 0);
            if (n != 0 && onCheckTag) {
                bool pass = true;
                onCheckTag(n, pass);
                if (!pass) st.lineVisible = false;
            }
            break;
        }
        case '.':
            st.font = labelFont;
            st.font.size = int(std::trunc(baseSize * fontScale));
            st.font.color = baseColor;
            st.jump = 0;
            st.screen = 0;
            break;
        default: break;
    }
}

MarkupLayout::Result MarkupLayout::Layout(const std::vector<std::string>& lines, const MarkupArea& area, bool draw,
                                          TextMeasurer& measurer) {
    Result result;
    if (lines.empty()) {
        result.empty = true;
        return result;
    }
    State st;
    st.area = &area;
    st.measurer = &measurer;
    st.result = &result;
    st.draw = draw;
    st.font = labelFont;
    st.lineSpacing = lineSpacing;
    st.penX = area.left + bevelOffset;
    st.penY = area.top + bevelOffset;

    for (const std::string& line : lines) {
        st.lineVisible = true;
        st.substitutions = 0;
        if (!line.empty() && line[0] == ';') continue;
        std::string rest = line;
        while (!rest.empty() && st.lineVisible) {
            const std::size_t open = rest.find('<');
            if (open == std::string::npos) {
                if (draw) LayOutRun(rest, st);
                rest.clear();
                break;
            }
            if (draw) LayOutRun(rest.substr(0, open), st);
            const std::size_t close = rest.find('>', open + 1);
            // A tag that is never closed runs to the end of the line.
            const std::string tag =
                close == std::string::npos ? rest.substr(open + 1) : rest.substr(open + 1, close - open - 1);
            rest = close == std::string::npos ? std::string() : rest.substr(close + 1);
            std::size_t start = 0;
            for (;;) {
                const std::size_t semi = tag.find(';', start);
                ApplyCode(tag.substr(start, semi == std::string::npos ? std::string::npos : semi - start), st, rest);
                if (semi == std::string::npos || !st.lineVisible) break;
                start = semi + 1;
            }
        }
        if (st.lineVisible && InForce()) {
            st.penY += LineAdvance(st);
            st.penX = area.left + st.indent + bevelOffset;
        }
    }
    result.penY = st.penY;
    return result;
}

}  // namespace cgt
