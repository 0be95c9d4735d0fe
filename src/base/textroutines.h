#pragma once
// Small text routines shared by the entry field and the entry grid.
#include <string>
#include <string_view>
#include <vector>

namespace cgt {

// Keeps the characters of `text` that occur in `set`, in order.
std::string FilterChars(std::string_view text, std::string_view set);
std::string RemoveSpaces(std::string_view text);
// Clears `list` and adds the pieces between delimiters ("a|b|" gives a, b, "").
void SplitString(std::string_view text, char delimiter, std::vector<std::string>& list);
// a^b as exp(b ln a).
long double Power(long double a, long double b);

}  // namespace cgt
