#pragma once
// Time comes through this interface so that the two-digit-year window and the
// timed save can be tested with a clock the test controls.
#include <chrono>

namespace cgt {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::chrono::system_clock::time_point Now() const = 0;
    int CurrentYear() const;
};

class SystemClock final : public Clock {
public:
    std::chrono::system_clock::time_point Now() const override { return std::chrono::system_clock::now(); }
};

// A clock that stands still until told to move; for tests and for replaying.
class FixedClock final : public Clock {
public:
    explicit FixedClock(std::chrono::system_clock::time_point t) : now_(t) {}
    FixedClock(int year, unsigned month, unsigned day);
    std::chrono::system_clock::time_point Now() const override { return now_; }
    void Set(std::chrono::system_clock::time_point t) { now_ = t; }
    void Advance(std::chrono::system_clock::duration d) { now_ += d; }

private:
    std::chrono::system_clock::time_point now_;
};

// The clock used where no other was injected.
const Clock& DefaultClock();

}  // namespace cgt
