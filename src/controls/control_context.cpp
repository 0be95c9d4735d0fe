#include "controls/control_context.h"

#include <QCoreApplication>
#include <QObject>
#include <QVariant>

namespace cgt {
namespace {

constexpr char kProperty[] = "cgtControlContext";

const ControlContext* Find(const QObject* object) {
    for (const QObject* o = object; o; o = o->parent()) {
        const QVariant v = o->property(kProperty);
        if (v.isValid()) return reinterpret_cast<const ControlContext*>(v.value<quintptr>());
    }
    if (const QObject* app = QCoreApplication::instance()) {
        const QVariant v = app->property(kProperty);
        if (v.isValid()) return reinterpret_cast<const ControlContext*>(v.value<quintptr>());
    }
    return nullptr;
}

}  // namespace

void InstallControlContext(QObject* owner, const ControlContext* context) {
    if (context)
        owner->setProperty(kProperty, QVariant::fromValue(reinterpret_cast<quintptr>(context)));
    else
        owner->setProperty(kProperty, QVariant());
}

Dialogs& ControlDialogs(const QObject* object) {
    static SilentDialogs silent;
    const ControlContext* c = Find(object);
    return c && c->dialogs ? *c->dialogs : silent;
}

const Clock& ControlClock(const QObject* object) {
    const ControlContext* c = Find(object);
    return c && c->clock ? *c->clock : DefaultClock();
}

}  // namespace cgt
