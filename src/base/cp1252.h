#pragma once
// Store text is Windows-1252 bytes, as the data file holds it; the user
// interface works in Unicode. These convert at that boundary.
#include <string>
#include <string_view>

namespace cgt {

// Windows-1252 bytes to UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);
// UTF-8 to Windows-1252; characters the code page lacks become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace cgt
