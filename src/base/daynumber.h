#pragma once
// Dates are compared as whole day numbers counted from 30/12/1899 (day 0) and
// held in fields as dd/mm/yyyy text.
#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace cgt {

class Clock;

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// The century window of the module's date reading: a two-digit year is put in
// the hundred years that end (window) years before the current year + 100.
inline constexpr int kModuleCenturyWindow = 89;

bool IsValidCivilDate(int year, int month, int day);
// Day number of a valid calendar date (1/1/0001 .. 31/12/9999).
int DayNumber(int year, int month, int day);
int DayNumber(const CivilDate& d);
CivilDate CivilFromDayNumber(int dayNumber);
// "dd/mm/yyyy"
std::string DateToText(int dayNumber);
std::string DateToText(const CivilDate& d);

// Applies the two-digit-year window to a year typed with one or two digits.
int ExpandTwoDigitYear(int year, int currentYear, int window);

// Reads day/month/year (or day/month of the current year) separated by "/",
// with blanks around; years of one or two digits go through the window.
// Nothing when the text is no date.
std::optional<int> TextToDayNumber(std::string_view text, const Clock& clock, int window = kModuleCenturyWindow);
std::optional<int> TextToDayNumber(std::string_view text);

// The conversion the rules call "a text that is no date raises": thrown by
// StrToDate.
class EConvertError : public std::exception {
public:
    explicit EConvertError(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};
int StrToDate(std::string_view text);

}  // namespace cgt
