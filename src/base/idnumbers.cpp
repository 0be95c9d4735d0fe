#include "base/idnumbers.h"

#include <initializer_list>
#include <vector>

#include "base/textroutines.h"

namespace cgt {
namespace {

constexpr std::string_view kDigits = "0123456789";

bool AllDigits(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

int D(std::string_view s, std::size_t i) {
    return s[i] - '0';
}

// ABN weighting of the first eleven digits (the first one less one).
bool AbnWeightOk(std::string_view s) {
    static constexpr int w[11] = {10, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19};
    long sum = (D(s, 0) - 1) * w[0];
    for (int i = 1; i < 11; ++i) sum += D(s, i) * w[i];
    return sum % 89 == 0;
}

// Left-pads a non-empty text to `length` and joins the groups with spaces.
std::string Group(std::string_view text, std::size_t length, std::initializer_list<int> groups) {
    std::string s = RemoveSpaces(text);
    if (s.empty()) return s;
    if (s.size() < length) s.insert(0, length - s.size(), '0');
    if (s.size() != length) return s;
    std::string out;
    std::size_t pos = 0;
    for (int g : groups) {
        if (!out.empty()) out += ' ';
        out += s.substr(pos, g);
        pos += g;
    }
    return out;
}

}  // namespace

bool IsValidTFN(std::string_view text) {
    const std::string s = RemoveSpaces(text);
    if (s.empty()) return true;
    if (s == "0" || !AllDigits(s) || s.size() < 7 || s.size() > 9) return false;
    static constexpr int w[8] = {10, 7, 8, 4, 6, 3, 5, 2};
    long sum = 0;
    for (std::size_t i = 0; i + 1 < s.size(); ++i) sum += D(s, i) * w[i];
    sum += D(s, s.size() - 1);
    return sum % 11 == 0;
}

bool IsValidABN(std::string_view text) {
    const std::string s = FilterChars(text, kDigits);
    if (s.size() < 11 || s[0] == '0') return true;
    return AbnWeightOk(s);
}

bool IsValidACN(std::string_view text) {
    const std::string s = RemoveSpaces(text);
    if (s.empty()) return true;
    if (s == "0" || s.size() != 9 || !AllDigits(s)) return false;
    int sum = 0;
    for (int i = 0; i < 8; ++i) sum += (8 - i) * D(s, i);
    const int d9 = D(s, 8);
    if (sum <= 10) return sum + d9 == 10;
    const int r = sum % 10;
    return (r == 0 && d9 == 0) || r + d9 == 10;
}

bool IsValidSFN(std::string_view text) {
    const std::string s = RemoveSpaces(text);
    if (s.empty()) return true;
    if (s == "0" || s.size() != 9 || !AllDigits(s)) return false;
    static constexpr int w[8] = {32, 16, 8, 4, 2, 1, 128, 64};
    int sum = 0;
    for (int i = 0; i < 8; ++i) sum += w[i] * D(s, i);
    const int r = sum % 11;
    const int d9 = D(s, 8);
    return (r == 10 && d9 == 0) || (r != 10 && r == d9);
}

bool IsValidDIN(std::string_view text) {
    std::string s = FilterChars(text, kDigits);
    if (s.empty()) return true;
    if (s.size() < 9 || s.size() > 11) return false;
    s.insert(0, 11 - s.size(), '0');
    s = s.substr(9) + s.substr(0, 9);
    if (s[0] == '0') return false;
    return AbnWeightOk(s);
}

bool IsValidEGN(std::string_view text) {
    const std::string s = RemoveSpaces(text);
    if (s.empty()) return true;
    if (s == "0" || s == "00000000" || s.size() != 8 || !AllDigits(s)) return false;
    static constexpr int w[8] = {10, 7, 8, 4, 6, 3, 5, 1};
    int sum = 0;
    for (int i = 0; i < 8; ++i) sum += w[i] * D(s, i);
    return sum % 11 == 0;
}

std::string FormatTFN(std::string_view text) {
    const std::string s = RemoveSpaces(text);
    switch (s.size()) {
        case 7: return Group(s, 7, {1, 3, 3});
        case 8: return Group(s, 8, {2, 3, 3});
        case 9: return Group(s, 9, {3, 3, 3});
        default: return s;
    }
}

std::string FormatABN(std::string_view text) {
    return Group(text, 11, {2, 3, 3, 3});
}
std::string FormatACN(std::string_view text) {
    return Group(text, 9, {3, 3, 3});
}
std::string FormatSFN(std::string_view text) {
    return Group(text, 9, {4, 3, 2});
}
std::string FormatDIN(std::string_view text) {
    return Group(text, 11, {2, 3, 3, 3});
}
std::string FormatEGN(std::string_view text) {
    return Group(text, 8, {3, 3, 2});
}

}  // namespace cgt
