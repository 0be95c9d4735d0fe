#include "grid/abn_tfn.h"

#include <vector>

namespace cgt::grid_ids {
namespace {

std::string DigitsOnly(std::string_view text) {
    std::string r;
    for (char c : text)
        if (c >= '0' && c <= '9') r += c;
    return r;
}

std::string WithoutSpaces(std::string_view text) {
    std::string r;
    for (char c : text)
        if (c != ' ') r += c;
    return r;
}

std::string Group(const std::string& digits, const std::vector<int>& sizes) {
    std::string r;
    std::size_t pos = 0;
    for (int n : sizes) {
        if (!r.empty()) r += ' ';
        r += digits.substr(pos, std::size_t(n));
        pos += std::size_t(n);
    }
    return r;
}

}  // namespace

bool IsValidABN(std::string_view text) {
    const std::string d = DigitsOnly(text);
    // Too short to hold a check digit: nothing to test.
    if (d.size() < 11 || d[0] == '0') return true;
    static constexpr int kWeights[11] = {10, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19};
    long sum = 0;
    for (int i = 0; i < 11; ++i) {
        int digit = d[std::size_t(i)] - '0';
        if (i == 0) digit -= 1;
        sum += long(digit) * kWeights[i];
    }
    return sum % 89 == 0;
}

bool IsValidTFN(std::string_view text) {
    const std::string t = WithoutSpaces(text);
    if (t.empty()) return true;
    if (t == "0") return false;
    if (t.size() < 7 || t.size() > 9) return false;
    for (char c : t)
        if (c < '0' || c > '9') return false;
    static constexpr int kWeights[8] = {10, 7, 8, 4, 6, 3, 5, 2};
    long sum = 0;
    for (std::size_t i = 0; i + 1 < t.size(); ++i) sum += long(t[i] - '0') * kWeights[i];
    sum += t.back() - '0';
    return sum % 11 == 0;
}

std::string FormatABN(std::string_view text) {
    std::string t = WithoutSpaces(text);
    if (t.empty()) return t;
    if (t.size() < 11) t.insert(0, 11 - t.size(), '0');
    if (t.size() != 11) return t;
    return Group(t, {2, 3, 3, 3});
}

std::string FormatTFN(std::string_view text) {
    const std::string t = WithoutSpaces(text);
    switch (t.size()) {
        case 7: return Group(t, {1, 3, 3});
        case 8: return Group(t, {2, 3, 3});
        case 9: return Group(t, {3, 3, 3});
        default: return t;
    }
}

}  // namespace cgt::grid_ids
