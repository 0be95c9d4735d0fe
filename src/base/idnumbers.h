#pragma once
// Australian identification numbers: check-digit tests and display grouping.
// A blank text passes every test.
#include <string>
#include <string_view>

namespace cgt {

bool IsValidTFN(std::string_view text);
bool IsValidABN(std::string_view text);
bool IsValidACN(std::string_view text);
bool IsValidSFN(std::string_view text);
bool IsValidDIN(std::string_view text);
bool IsValidEGN(std::string_view text);

std::string FormatTFN(std::string_view text);
std::string FormatABN(std::string_view text);
std::string FormatACN(std::string_view text);
std::string FormatSFN(std::string_view text);
std::string FormatDIN(std::string_view text);
std::string FormatEGN(std::string_view text);

}  // namespace cgt
