#include "grid/cell_rules.h"

namespace cgt {
namespace {

bool IsLatin1Lower(unsigned char c) {
    return c >= 0xE0 && c <= 0xFE && c != 0xF7;
}
bool IsLatin1Upper(unsigned char c) {
    return c >= 0xC0 && c <= 0xDE && c != 0xD7;
}

TypedChar Accept(char ch) {
    return {true, ch, false};
}
TypedChar Refuse() {
    return {false, 0, true};
}

}  // namespace

char ToUpperChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') return char(u - 'a' + 'A');
    if (IsLatin1Lower(u)) return char(u - 0x20);
    return c;
}

char ToLowerChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z') return char(u - 'A' + 'a');
    if (IsLatin1Upper(u)) return char(u + 0x20);
    return c;
}

std::string FoldCase(std::string_view text) {
    std::string r(text);
    for (char& c : r) c = ToUpperChar(c);
    return r;
}

TypedChar FilterTypedChar(const ColumnSpec& spec, std::string_view text, bool hasSelection, char ch) {
    if (spec.readOnly || spec.displayOnly) return {false, 0, false};
    if (static_cast<unsigned char>(ch) <= ' ' || ch == '\x7f') return Accept(ch);

    const int length = int(text.size());
    const bool hasPoint = text.find(kGridDecimalSeparator) != std::string_view::npos;
    const bool hasMinus = text.find('-') != std::string_view::npos;

    // A column without a maximum length (0) takes any number of characters.
    const bool limited = spec.maxLength > 0;
    if (limited && spec.kind == ColKind::Number && spec.decimals > 0 && !hasPoint &&
        length == spec.maxLength - spec.decimals - 1) {
        // The whole-number part is full: only the decimal point may follow.
        return ch == kGridDecimalSeparator ? Accept(ch) : Refuse();
    }
    const int limit = spec.maxLength + (hasMinus ? 1 : 0);
    if (limited && length >= limit && !hasSelection) return Refuse();

    switch (spec.kind) {
        case ColKind::Number:
            if (!spec.Allows(ch)) return Refuse();
            if (ch == '-' && hasMinus) return Refuse();
            if (ch == kGridDecimalSeparator && hasPoint) return Refuse();
            return Accept(ch);
        case ColKind::Date: return spec.Allows(ch) ? Accept(ch) : Refuse();
        case ColKind::Text:
        case ColKind::BusinessNumber:
        case ColKind::TaxFileNumber: {
            char c = ch;
            if (spec.letterCase == LetterCase::Upper) c = ToUpperChar(c);
            if (spec.letterCase == LetterCase::Lower) c = ToLowerChar(c);
            if (!spec.HasDefaultSet() && !spec.Allows(c)) return Refuse();
            return Accept(c);
        }
    }
    return Refuse();
}

}  // namespace cgt
