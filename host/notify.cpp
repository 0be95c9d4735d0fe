#include "notify.h"

#include <QEvent>

namespace cgt::host {

bool NotifyObject::event(QEvent* e) {
    const int m = int(e->type()) - int(QEvent::User);
    if (m == 1131 || m == 1132) {
        if (onMessage) onMessage(m);
        return true;
    }
    return QObject::event(e);
}

}  // namespace cgt::host
