// Filling a screen's controls from the store and storing them back, by
// control class. A control is bound when its fieldTag is a field tag.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <cmath>

#include "base/cp1252.h"
#include "base/numtext.h"
#include "controls/control_context.h"
#include "controls/numedit.h"
#include "controls/qt_text.h"
#include "controls/textlbl.h"
#include "controls/xgrid.h"
#include "interview/interviewframe.h"
#include "store/modulerun.h"

namespace cgt {

namespace {

int FieldTagOf(const QWidget* w) {
    const QVariant v = w->property("fieldTag");
    return v.isValid() ? v.toInt() : 0;
}

bool IsNumericKind(TCustomNumEdit::NumericType t) {
    return t == TCustomNumEdit::ntCurrency || t == TCustomNumEdit::ntCurrencyCnt || t == TCustomNumEdit::ntNumeric;
}

int ComboMaxLength(const QComboBox* c) {
    const QVariant v = c->property("maxLength");
    return v.isValid() ? v.toInt() : 0;
}

}  // namespace

void TInterviewFrame::BindWidget(QWidget* w) {
    FieldStore& store = Store();
    w->setToolTip(QString());
    if (auto* label = qobject_cast<TTextLbl*>(w)) {
        if (!label->property("cgtJumpLinked").toBool()) {
            label->setProperty("cgtJumpLinked", true);
            connect(label, &TTextLbl::jumpClicked, this,
                    GuardedSlot(this, [this](int id) { host_.ShowHelpTopic(id); }));
        }
    }
    const int tag = FieldTagOf(w);
    if (!IsValidTag(tag)) return;
    const int code = store.FieldType(tag);
    if (auto* edit = qobject_cast<TCustomNumEdit*>(w)) {
        if (IsNumericType(code))
            edit->SetNumValue(store.GetFieldVal(tag));
        else if (code != dtNone)
            edit->SetTextValue(store.GetFieldStr(tag));
        else if (IsNumericKind(edit->numericType()))
            edit->SetNumValue(0);
        else
            edit->SetTextValue(std::string());
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        check->setChecked(store.FieldChecked(tag));
    } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
        radio->setChecked(store.FieldChecked(tag));
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->setCurrentIndex(-1);
        const int len = ComboMaxLength(combo);
        if (len != 0) {
            const QString stored = ToQt(store.GetFieldStr(tag));
            for (int i = 0; i < combo->count(); ++i) {
                if (combo->itemText(i).left(len) == stored) {
                    combo->setCurrentIndex(i);
                    break;
                }
            }
        }
    } else if (auto* grid = qobject_cast<TXGrid*>(w)) {
        if (TextListPtr list = store.GetFieldLst(tag))
            grid->LoadFromList(*list);
        else
            grid->ClearRows();
        grid->Model().SetModified(false);
    } else if (auto* plain = qobject_cast<QLabel*>(w)) {
        if (code == dtCurrency || code == dtCurrencyCnt) {
            const long double v = store.GetFieldVal(tag);
            if (std::fabs(double(v)) <= 0.01)
                plain->setText(QString());
            else
                plain->setText(ToQt(DollarText(v, code == dtCurrency ? 0 : 2)));
        } else {
            plain->setText(ToQt(store.FieldAsText(tag)));
        }
    }
}

void TInterviewFrame::BindScreenValues() {
    TChildForm* screen = screen_;
    if (!screen) return;
    for (QWidget* w : screen->findChildren<QWidget*>()) BindWidget(w);
    if (Store().EditedType() != 0)
        screen->setCompleteFirst(kCompleteFirstBlock);
    else if (screen->completeFirst() != kCompleteFirstBlock)
        screen->setCompleteFirst(kCompleteFirstFree);
}

void TInterviewFrame::StoreWidget(QWidget* w) {
    FieldStore& store = Store();
    const int tag = FieldTagOf(w);
    if (!IsValidTag(tag) || w->property(kShowOnlyProperty).toBool()) return;
    if (auto* edit = qobject_cast<TCustomNumEdit*>(w)) {
        if (IsNumericKind(edit->numericType()))
            store.SetFieldVal(tag, edit->NumValue());
        else
            store.SetFieldStr(tag, edit->TextBytes());
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const int len = ComboMaxLength(combo);
        store.SetFieldStr(tag, len == 0 ? std::string() : FromQt(combo->currentText().left(len)));
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        if (check->isChecked())
            store.SetFieldChecked(tag);
        else
            store.SetFieldUnchecked(tag);
    } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
        if (radio->isChecked())
            store.SetFieldChecked(tag);
        else
            store.SetFieldUnchecked(tag);
    } else if (auto* grid = qobject_cast<TXGrid*>(w)) {
        TextListPtr list = store.GetFieldLst(tag);
        if (!list) list = std::make_shared<TextList>();
        grid->SaveToList(*list);
        store.SetFieldLst(tag, list);
        if (grid->Modified()) run_.SetDataChanged();
    }
}

void TInterviewFrame::StoreScreenValues() {
    TChildForm* screen = screen_;
    if (!screen) return;
    for (QWidget* w : screen->findChildren<QWidget*>()) StoreWidget(w);
}

}  // namespace cgt
