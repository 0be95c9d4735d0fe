#include "base/daynumber.h"

#include <chrono>
#include <cstdio>

#include "base/clock.h"

namespace cgt {
namespace {

// Days between 30/12/1899 and 01/01/1970.
constexpr int kUnixEpochDay = 25569;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

bool IsValidCivilDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    const std::chrono::year_month_day ymd{std::chrono::year{year} / std::chrono::month{unsigned(month)} /
                                          std::chrono::day{unsigned(day)}};
    return ymd.ok();
}

int DayNumber(int year, int month, int day) {
    const std::chrono::sys_days d{std::chrono::year{year} / std::chrono::month{unsigned(month)} /
                                  std::chrono::day{unsigned(day)}};
    return int(d.time_since_epoch().count()) + kUnixEpochDay;
}

int DayNumber(const CivilDate& d) {
    return DayNumber(d.year, d.month, d.day);
}

CivilDate CivilFromDayNumber(int dayNumber) {
    const std::chrono::sys_days d{std::chrono::days{dayNumber - kUnixEpochDay}};
    const std::chrono::year_month_day ymd{d};
    return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day()))};
}

std::string DateToText(const CivilDate& d) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d.day, d.month, d.year);
    return buf;
}

std::string DateToText(int dayNumber) {
    return DateToText(CivilFromDayNumber(dayNumber));
}

int ExpandTwoDigitYear(int year, int currentYear, int window) {
    const int threshold = currentYear - window;
    year += threshold / 100 * 100;
    if (window > 0 && year < threshold) year += 100;
    return year;
}

std::optional<int> TextToDayNumber(std::string_view text, const Clock& clock, int window) {
    std::size_t pos = 0;
    int numbers[3] = {0, 0, 0};
    int digitCounts[3] = {0, 0, 0};
    int count = 0;
    auto skipBlanks = [&] {
        while (pos < text.size() && IsBlank(text[pos])) ++pos;
    };
    while (count < 3) {
        skipBlanks();
        int value = 0;
        int digits = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            if (digits < 9) value = value * 10 + (text[pos] - '0');
            ++digits;
            ++pos;
        }
        if (digits == 0 || digits > 4) return std::nullopt;
        numbers[count] = value;
        digitCounts[count] = digits;
        ++count;
        skipBlanks();
        if (pos < text.size() && text[pos] == '/' && count < 3) {
            ++pos;
            continue;
        }
        break;
    }
    skipBlanks();
    if (pos != text.size() || count < 2) return std::nullopt;
    const int day = numbers[0];
    const int month = numbers[1];
    int year;
    if (count == 2) {
        year = clock.CurrentYear();
    } else {
        year = numbers[2];
        if (digitCounts[2] <= 2) year = ExpandTwoDigitYear(year, clock.CurrentYear(), window);
    }
    if (!IsValidCivilDate(year, month, day)) return std::nullopt;
    return DayNumber(year, month, day);
}

std::optional<int> TextToDayNumber(std::string_view text) {
    return TextToDayNumber(text, DefaultClock());
}

int StrToDate(std::string_view text) {
    if (auto d = TextToDayNumber(text)) return *d;
    throw EConvertError("'" + std::string(text) + "' is not a valid date");
}

}  // namespace cgt
