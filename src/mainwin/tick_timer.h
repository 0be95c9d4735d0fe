#pragma once
// The main window's timer, injectable so that tests drive the ticks.
#include <functional>

namespace cgt {

class TickTimer {
public:
    virtual ~TickTimer() = default;
    virtual void Start(int intervalMs) = 0;
    virtual void Stop() = 0;
    virtual bool Active() const = 0;
    virtual int Interval() const = 0;
    void SetHandler(std::function<void()> h) { handler_ = std::move(h); }
    void Fire() {
        if (handler_) handler_();
    }

private:
    std::function<void()> handler_;
};

}  // namespace cgt
