#include "base/text.h"

namespace cgt {

std::string_view TrimView(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return s.substr(b, e - b);
}

std::string Trim(std::string_view s) {
    return std::string(TrimView(s));
}

std::string UpperCase(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return r;
}

std::string IntToStr(long long v) {
    return std::to_string(v);
}

namespace {

// The length of the UTF-8 sequence at `s[i]`, 0 when the bytes there are no
// well-formed sequence (overlong forms and surrogates included).
std::size_t Utf8Length(std::string_view s, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = at(i);
    std::size_t n = 0;
    unsigned lo = 0x80, hi = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) lo = 0xA0;
        if (c == 0xED) hi = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) lo = 0x90;
        if (c == 0xF4) hi = 0x8F;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    if (at(i + 1) < lo || at(i + 1) > hi) return 0;
    for (std::size_t k = 2; k < n; ++k)
        if (at(i + k) < 0x80 || at(i + k) > 0xBF) return 0;
    return n;
}

// Appends the character at s[i], escaped, and moves past it.
void AppendEscaped(std::string& out, std::string_view s, std::size_t& i, bool quotes) {
    static const char* hex = "0123456789ABCDEF";
    const auto c = static_cast<unsigned char>(s[i]);
    if (c >= 0x80) {
        if (const std::size_t n = Utf8Length(s, i)) {
            out.append(s.substr(i, n));
            i += n;
            return;
        }
    }
    ++i;
    if (c == '\\' || (quotes && c == '"')) {
        out += '\\';
        out += char(c);
    } else if (c == '\n') {
        out += "\\n";
    } else if (c == '\r') {
        out += "\\r";
    } else if (c == '\t') {
        out += "\\t";
    } else if (c < 0x20 || c == 0x7F || c >= 0x80) {
        out += "\\x";
        out += hex[c >> 4];
        out += hex[c & 15];
    } else {
        out += char(c);
    }
}

}  // namespace

std::string EscapeText(std::string_view s, bool quotes) {
    std::string out;
    for (std::size_t i = 0; i < s.size();) AppendEscaped(out, s, i, quotes);
    return out;
}

std::string QuoteInput(std::string_view s, std::size_t limit) {
    std::string out = "\"";
    std::size_t shown = 0, i = 0;
    for (; i < s.size() && shown < limit; ++shown) AppendEscaped(out, s, i, true);
    out += '"';
    if (i < s.size()) out += "... (" + std::to_string(s.size()) + " bytes)";
    return out;
}

}  // namespace cgt
