#include "controls/xgrid_picklist.h"

#include <QKeyEvent>

#include "controls/control_context.h"
#include "controls/xgrid.h"

namespace cgt {
namespace {

constexpr auto kSearchPause = std::chrono::seconds(2);
constexpr int kMaxSearch = 32;

}  // namespace

XGridPickList::XGridPickList(TXGrid* grid) : QListWidget(nullptr), grid_(grid) {
    setWindowFlags(Qt::Popup);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFont(grid->font());
}

void XGridPickList::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            search_.clear();
            emit accepted(currentRow());
            return;
        case Qt::Key_Escape:
            search_.clear();
            hide();
            return;
        case Qt::Key_Backspace: search_.clear(); return;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            if (e->modifiers() & Qt::AltModifier) {
                hide();
                return;
            }
            QListWidget::keyPressEvent(e);
            return;
        default: break;
    }
    const QString t = e->text();
    if (t.size() != 1 || t[0].unicode() < 32) return;
    const auto now = ControlClock(grid_).Now();
    if (now - lastKey_ > kSearchPause) search_.clear();
    lastKey_ = now;
    if (search_.size() < kMaxSearch) search_ += t;
    for (int i = 0; i < count(); ++i)
        if (item(i)->text().startsWith(search_, Qt::CaseInsensitive)) {
            setCurrentRow(i);
            break;
        }
}

void XGridPickList::mouseReleaseEvent(QMouseEvent* e) {
    QListWidget::mouseReleaseEvent(e);
    if (rect().contains(e->position().toPoint())) {
        const QListWidgetItem* it = itemAt(e->position().toPoint());
        if (it) emit accepted(row(it));
    }
}

void XGridPickList::hideEvent(QHideEvent* e) {
    search_.clear();
    QListWidget::hideEvent(e);
}

}  // namespace cgt
