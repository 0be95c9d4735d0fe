#include "report/page_list.h"

#include <algorithm>
#include <cctype>

namespace cgt {

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

PageList ParsePageList(std::string_view typed) {
    const std::string_view text = typed.substr(0, std::min(typed.size(), kPageListLength));
    PageList result;
    const auto bad = [&] {
        result.pages.clear();
        result.error = "Bad filter \"" + std::string(typed) + "\" !";
        return result;
    };
    std::size_t i = 0;
    const auto skipSeparators = [&] {
        while (i < text.size() && !IsDigit(text[i])) ++i;
    };
    // A number; nothing (capped digits aside) when none stands at i.
    const auto number = [&]() -> std::optional<long> {
        if (i >= text.size() || !IsDigit(text[i])) return std::nullopt;
        long n = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i) n = std::min<long>(n * 10 + (text[i] - '0'), 1'000'000);
        return n;
    };

    skipSeparators();
    if (i >= text.size()) return text.empty() ? result : bad();
    while (i < text.size()) {
        const std::optional<long> first = number();
        if (!first) return bad();
        if (i < text.size() && text[i] == '-') {
            ++i;
            const std::optional<long> last = number();
            if (!last) return bad();
            const long from = std::max(1L, std::min(*first, *last));
            const long to = std::min<long>(kLastPrintablePage, std::max(*first, *last));
            for (long p = from; p <= to; ++p) result.pages.insert(int(p));
        } else if (*first >= 1 && *first <= kLastPrintablePage) {
            result.pages.insert(int(*first));
        }
        if (i >= text.size()) break;
        skipSeparators();
        // Separators with no number after them.
        if (i >= text.size()) return bad();
    }
    return result;
}

}  // namespace cgt
