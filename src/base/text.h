#pragma once
// Small text helpers shared by every layer (byte strings, Windows-1252).
#include <string>
#include <string_view>

namespace cgt {

// Strips blanks and control characters at both ends, like the platform's Trim.
std::string Trim(std::string_view s);
// The same part of the text, without a copy.
std::string_view TrimView(std::string_view s);
std::string UpperCase(std::string_view s);
std::string IntToStr(long long v);

// The text with backslashes, line breaks, tabs, other control characters
// and bytes that are no UTF-8 escaped (\\, \n, \r, \t, \xHH), so that it
// shows on one line as the bytes it holds; with `quotes` also the double quote.
std::string EscapeText(std::string_view s, bool quotes = false);

// A piece of the user's input for an error line: in double quotes, at most
// `limit` characters of it (then "..." and how long it was), control
// characters, quotes, backslashes and bytes that are no UTF-8 escaped, so
// that a message stays one short line whatever the input held.
std::string QuoteInput(std::string_view s, std::size_t limit = 60);

}  // namespace cgt
