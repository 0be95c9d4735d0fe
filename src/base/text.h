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

}  // namespace cgt
