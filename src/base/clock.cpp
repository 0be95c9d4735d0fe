#include "base/clock.h"

namespace cgt {

int Clock::CurrentYear() const {
    const auto days = std::chrono::floor<std::chrono::days>(Now());
    return int(std::chrono::year_month_day{days}.year());
}

FixedClock::FixedClock(int year, unsigned month, unsigned day)
    : now_(std::chrono::sys_days{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}}) {}

const Clock& DefaultClock() {
    static const SystemClock clock;
    return clock;
}

}  // namespace cgt
