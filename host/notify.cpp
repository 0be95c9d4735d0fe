#include "notify.h"

#include <QEvent>

#include "entry/cgt2003.h"

namespace cgt::host {

bool NotifyObject::event(QEvent* e) {
    const int m = int(e->type()) - int(QEvent::User);
    if (m == CGT_MSG_INTERVIEW_ENDED || m == CGT_MSG_MODULE_CLOSED) {
        if (onMessage) onMessage(m);
        return true;
    }
    return QObject::event(e);
}

}  // namespace cgt::host
