#pragma once
#include <QTimer>

#include "mainwin/tick_timer.h"

namespace cgt {

class QtTickTimer final : public TickTimer {
public:
    QtTickTimer() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Fire(); });
    }
    void Start(int intervalMs) override { timer_.start(intervalMs); }
    void Stop() override { timer_.stop(); }
    bool Active() const override { return timer_.isActive(); }
    int Interval() const override { return timer_.interval(); }

private:
    QTimer timer_;
};

}  // namespace cgt
