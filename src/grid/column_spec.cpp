#include "grid/column_spec.h"

#include <algorithm>
#include <functional>
#include <unordered_map>

#include "base/numtext.h"

namespace cgt {
namespace {

// A number field reads as 0 when empty or not a whole number.
long long IntField(const std::vector<std::string>& f, std::size_t i) {
    if (i >= f.size()) return 0;
    return TryStrToInt(f[i]).value_or(0);
}

int SmallIntField(const std::vector<std::string>& f, std::size_t i) {
    const long long v = IntField(f, i);
    return int(std::clamp<long long>(v, -1000000, 1000000));
}

bool FlagField(const std::vector<std::string>& f, std::size_t i) {
    return i < f.size() && f[i] == "T";
}

void AddDigits(std::bitset<256>& set) {
    for (char c = '0'; c <= '9'; ++c) set.set(static_cast<unsigned char>(c));
}

// A list item: one character, or first..last.
bool AddItem(std::string_view item, std::bitset<256>& set) {
    if (item.size() == 1) {
        set.set(static_cast<unsigned char>(item[0]));
        return true;
    }
    if (item.size() == 4 && item[1] == '.' && item[2] == '.') {
        for (int c = static_cast<unsigned char>(item[0]); c <= static_cast<unsigned char>(item[3]); ++c) set.set(c);
        return true;
    }
    return false;
}

// Texts looked up without a copy of the text.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

// Beyond this many texts (a screen that builds its specifications from
// data) the parsed ones start afresh rather than grow without end.
constexpr std::size_t kParsedTextsKept = 4096;

// A plain static, never thread_local: a thread-local object with a
// destructor keeps a loaded library in the process until the thread ends.
std::unordered_map<std::string, ParsedColumn, TextHash, std::equal_to<>>& ParsedTexts() {
    static std::unordered_map<std::string, ParsedColumn, TextHash, std::equal_to<>> parsed;
    return parsed;
}

}  // namespace

const ParsedColumn& ParseColumnSpecOnce(std::string_view text) {
    auto& parsed = ParsedTexts();
    if (const auto it = parsed.find(text); it != parsed.end()) return it->second;
    if (parsed.size() >= kParsedTextsKept) parsed.clear();
    return parsed.emplace(std::string(text), ParseColumnSpec(text)).first->second;
}

void ForgetParsedColumnSpecs() {
    ParsedTexts().clear();
}

EditStyle ColumnSpec::Style() const {
    if (!hasButton) return EditStyle::Plain;
    if (styleCode == 1) return EditStyle::PickList;
    if (styleCode == 2) return EditStyle::Ellipsis;
    return EditStyle::Plain;
}

std::vector<std::string> ColumnSpec::TitleLines() const {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t brk = title.find('\r', start);
        if (brk == std::string::npos) {
            lines.push_back(title.substr(start));
            return lines;
        }
        lines.push_back(title.substr(start, brk - start));
        start = brk + 1;
        if (start < title.size() && title[start] == '\n') ++start;
    }
}

std::vector<std::string> SplitSpecFields(std::string_view text) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = text.find('|', start);
        if (bar == std::string_view::npos) {
            fields.emplace_back(text.substr(start));
            return fields;
        }
        fields.emplace_back(text.substr(start, bar - start));
        start = bar + 1;
    }
}

bool ParseCharSet(std::string_view spec, std::bitset<256>& set) {
    set.reset();
    std::string_view rest = spec;
    while (!rest.empty()) {
        std::string_view item;
        if (rest[0] == ',') {
            // A leading comma is the comma character itself, or the start of a range.
            if (rest.size() >= 4 && rest[1] == '.' && rest[2] == '.') {
                item = rest.substr(0, 4);
                rest.remove_prefix(4);
            } else {
                item = rest.substr(0, 1);
                rest.remove_prefix(1);
            }
            if (!rest.empty() && rest[0] == ',') rest.remove_prefix(1);
        } else {
            const std::size_t comma = rest.find(',');
            if (comma == std::string_view::npos) {
                item = rest;
                rest = {};
            } else {
                item = rest.substr(0, comma);
                rest.remove_prefix(comma + 1);
            }
        }
        if (!AddItem(item, set)) {
            set.reset();
            return false;
        }
    }
    return true;
}

ParsedColumn ParseColumnSpec(std::string_view text) {
    ParsedColumn out;
    ColumnSpec& s = out.spec;
    const std::vector<std::string> f = SplitSpecFields(text);

    s.title = f[0];
    switch (IntField(f, 1)) {
        case 1: s.titleAlign = TitleAlign::Right; break;
        case 2: s.titleAlign = TitleAlign::Centre; break;
        default: s.titleAlign = TitleAlign::Left; break;
    }
    const long long kind = IntField(f, 2);
    s.kind = kind >= 0 && kind <= 4 ? static_cast<ColKind>(kind) : ColKind::Text;
    s.maxLength = std::max(0, SmallIntField(f, 3));
    s.hint = SmallIntField(f, 4);
    s.readOnly = FlagField(f, 5);
    s.hasButton = FlagField(f, 6);
    const int field7 = SmallIntField(f, 7);
    if (s.kind == ColKind::Number) {
        s.decimals = std::max(0, field7);
    } else {
        s.letterCase = field7 == 1 ? LetterCase::Upper : field7 == 2 ? LetterCase::Lower : LetterCase::AsTyped;
    }

    if (s.kind == ColKind::Text) {
        s.allowedChars = f.size() > 8 ? f[8] : std::string();
        if (!ParseCharSet(s.allowedChars, s.allowed)) {
            // The rest of this specification is not read; the column keeps the defaults.
            s.tabStop = !s.readOnly;
            out.error = kBadCharSetMessage;
            return out;
        }
    } else if (s.kind == ColKind::Number) {
        s.allowNegative = FlagField(f, 8);
    }

    s.minValue = IntField(f, 9);
    s.maxValue = IntField(f, 10);
    s.dropDownLines = SmallIntField(f, 11);
    s.styleCode = SmallIntField(f, 12);
    // A negative item count would make the flags overlap earlier fields.
    const std::size_t itemCount = std::size_t(std::max(0, SmallIntField(f, 13)));
    for (std::size_t i = 14; i < 14 + itemCount && i < f.size(); ++i) s.pickList.push_back(f[i]);
    s.noTotal = FlagField(f, 14 + itemCount);
    s.displayOnly = FlagField(f, 15 + itemCount);

    switch (s.kind) {
        case ColKind::Number:
            AddDigits(s.allowed);
            if (s.allowNegative) s.allowed.set('-');
            if (s.decimals > 0) s.allowed.set(static_cast<unsigned char>(kGridDecimalSeparator));
            break;
        case ColKind::Date:
            AddDigits(s.allowed);
            s.allowed.set(static_cast<unsigned char>(kGridDateSeparator));
            s.maxLength = std::max(s.maxLength, 10);
            break;
        case ColKind::BusinessNumber:
            AddDigits(s.allowed);
            s.decimals = 0;
            s.maxLength = 11;
            break;
        case ColKind::TaxFileNumber:
            AddDigits(s.allowed);
            s.decimals = 0;
            s.maxLength = 9;
            break;
        case ColKind::Text: break;
    }
    s.tabStop = !s.readOnly;
    return out;
}

}  // namespace cgt
