#include "base/textroutines.h"

#include <cmath>

namespace cgt {

std::string FilterChars(std::string_view text, std::string_view set) {
    std::string out;
    for (char c : text)
        if (set.find(c) != std::string_view::npos) out += c;
    return out;
}

std::string RemoveSpaces(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ') out += c;
    return out;
}

void SplitString(std::string_view text, char delimiter, std::vector<std::string>& list) {
    list.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t p = text.find(delimiter, start);
        if (p == std::string_view::npos) {
            list.emplace_back(text.substr(start));
            return;
        }
        list.emplace_back(text.substr(start, p - start));
        start = p + 1;
    }
}

long double Power(long double a, long double b) {
    return std::exp(b * std::log(a));
}

}  // namespace cgt
