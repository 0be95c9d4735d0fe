#pragma once
// The host's notify object: the module posts its close message here.
#include <QObject>
#include <functional>

namespace cgt::host {

class NotifyObject : public QObject {
    Q_OBJECT
public:
    std::function<void(int message)> onMessage;

protected:
    bool event(QEvent* e) override;
};

}  // namespace cgt::host
