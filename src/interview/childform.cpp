#include "interview/childform.h"

#include <cmath>

#include "controls/textlbl.h"
#include "controls/xgrid.h"

namespace cgt {

TChildForm::TChildForm(QWidget* parent) : QWidget(parent) {
    // No border or caption; the frame shows through where the screen draws nothing.
    setWindowFlags(Qt::Widget);
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    hide();
}

void TChildForm::Created(TInterviewFrame&) {}
void TChildForm::Shown(TInterviewFrame&) {}

namespace {

int ScaleInt(int v, int m, int d) {
    return int(std::lround(double(v) * m / d));
}

void ScaleWidget(QWidget* w, int m, int d) {
    if (auto* l = qobject_cast<TTextLbl*>(w)) {
        l->ScaleBy(m, d);
        return;
    }
    if (auto* g = qobject_cast<TXGrid*>(w)) {
        g->ScaleBy(m, d);
        return;
    }
    const QRect r = w->geometry();
    w->setGeometry(ScaleInt(r.x(), m, d), ScaleInt(r.y(), m, d), ScaleInt(r.width(), m, d), ScaleInt(r.height(), m, d));
    QFont f = w->font();
    if (f.pointSizeF() > 0) {
        f.setPointSizeF(f.pointSizeF() * m / d);
        w->setFont(f);
    }
    for (QObject* o : w->children())
        if (auto* c = qobject_cast<QWidget*>(o); c && !c->isWindow()) ScaleWidget(c, m, d);
}

}  // namespace

void TChildForm::ScaleBy(int m, int d) {
    if (d == 0 || m == d) return;
    resize(ScaleInt(width(), m, d), ScaleInt(height(), m, d));
    for (QObject* o : children())
        if (auto* c = qobject_cast<QWidget*>(o); c && !c->isWindow()) ScaleWidget(c, m, d);
}

}  // namespace cgt
