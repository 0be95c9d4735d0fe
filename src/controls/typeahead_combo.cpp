#include "controls/typeahead_combo.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

#include "controls/qt_text.h"

namespace cgt {

TTypeAheadCombo::TTypeAheadCombo(QWidget* parent) : QComboBox(parent) {
    // Editable only so that the matched characters can be shown selected;
    // every key is taken by the type-ahead, so no other text can be typed.
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // The text only shows the chosen item: Delete, cut and paste change nothing.
    lineEdit()->setReadOnly(true);
    lineEdit()->installEventFilter(this);
    installEventFilter(this);
    connect(this, &QComboBox::activated, this, [this](int index) {
        Select(index);
        emit selectionChanged();
    });
}

void TTypeAheadCombo::SetItems(const std::vector<std::string>& items) {
    items_ = items;
    QSignalBlocker block(this);
    clear();
    for (const std::string& item : items) addItem(ToQt(item));
    Select(-1);
}

void TTypeAheadCombo::Select(int index) {
    QSignalBlocker block(this);
    setCurrentIndex(index);
    // A list with no item chosen shows no text.
    if (index < 0) lineEdit()->clear();
}

void TTypeAheadCombo::focusInEvent(QFocusEvent* e) {
    rules_.Reset();
    QComboBox::focusInEvent(e);
}

void TTypeAheadCombo::Apply(TypeAheadRules::Outcome outcome) {
    Select(outcome.selected);
    if (outcome.selected >= 0) lineEdit()->setSelection(0, outcome.highlighted);
    emit selectionChanged();
}

bool TTypeAheadCombo::HandleKey(QKeyEvent* e) {
    const int key = e->key();
    // Moving through the list and leaving it work as usual.
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_F4:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape: return false;
        default: break;
    }
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    const QString text = e->text();
    if (key == Qt::Key_Backspace) {
        Apply(rules_.Backspace());
    } else if (text.size() == 1 && text[0].unicode() >= 32 && text[0].unicode() != 127) {
        const std::string typed = FromQt(text);
        if (typed.size() == 1) Apply(rules_.Typed(items_, typed[0]));
        return true;
    } else if (text.isEmpty() || text[0].unicode() >= 32) {
        return false;  // a key that types nothing
    }
    // A control character closes the open list and shows the chosen item again.
    hidePopup();
    Select(currentIndex());
    return true;
}

bool TTypeAheadCombo::eventFilter(QObject* watched, QEvent* e) {
    if ((watched == lineEdit() || watched == this) && e->type() == QEvent::KeyPress)
        if (HandleKey(static_cast<QKeyEvent*>(e))) return true;
    return QComboBox::eventFilter(watched, e);
}

}  // namespace cgt
