#include "controls/numedit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include "base/cp1252.h"
#include "base/daynumber.h"
#include "controls/qt_text.h"

namespace cgt {
namespace {

Qt::Alignment ToQtAlignment(EditAlignment a) {
    switch (a) {
        case EditAlignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
        case EditAlignment::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
        case EditAlignment::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// The widest a plain line edit allows: "no limit".
constexpr int kUnlimited = 32767;

}  // namespace

TCustomNumEdit::TCustomNumEdit(QWidget* parent)
    : QLineEdit(parent), dialogs_(this), clock_(this), rules_(dialogs_, clock_) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(10);
    setFont(f);
    normalColor_ = palette().color(QPalette::Base);
    QLineEdit::setAlignment(ToQtAlignment(EditAlignment::Left));
}

Qt::Alignment TCustomNumEdit::alignment() const {
    return ToQtAlignment(rules_.Alignment());
}

void TCustomNumEdit::setAlignment(Qt::Alignment a) {
    EditAlignment e = EditAlignment::Left;
    if (a & Qt::AlignRight) e = EditAlignment::Right;
    if (a & Qt::AlignHCenter) e = EditAlignment::Center;
    if (e == rules_.Alignment()) return;
    rules_.SetAlignment(e);
    update();
}

void TCustomNumEdit::setNormalColor(const QColor& c) {
    normalColor_ = c;
    if (!inside_) ApplyColors(false);
}

void TCustomNumEdit::PullText() {
    rules_.SetText(FromQt(text()));
}

void TCustomNumEdit::PushText() {
    const QString t = ToQt(rules_.Text());
    if (t != text()) setText(t);
}

void TCustomNumEdit::setDecimals(int d) {
    PullText();
    rules_.SetDecimals(d);
    PushText();
}

void TCustomNumEdit::setMaxLength(int n) {
    rules_.SetMaxLength(n);
    QLineEdit::setMaxLength(n > 0 ? n : kUnlimited);
}

void TCustomNumEdit::setNumericType(NumericType t) {
    PullText();
    rules_.SetNumericType(TNumericType(t));
    setMaxLength(rules_.MaxLength());
    PushText();
    update();
}

void TCustomNumEdit::ForceNumericType(NumericType t) {
    PullText();
    rules_.ForceNumericType(TNumericType(t));
    setMaxLength(rules_.MaxLength());
    PushText();
    update();
}

void TCustomNumEdit::setRavelleDataType(RavelleDataType t) {
    PullText();
    rules_.SetRavelleDataType(TRavelleDataType(t));
    setMaxLength(rules_.MaxLength());
    PushText();
    update();
}

QString TCustomNumEdit::validChars() const {
    return ToQt(rules_.ValidChars());
}

void TCustomNumEdit::setValidChars(const QString& s) {
    rules_.SetValidChars(FromQt(s));
}

long double TCustomNumEdit::NumValue() {
    PullText();
    try {
        return rules_.NumValue();
    } catch (const EConvertError&) {
        return rules_.HeldValue();
    }
}

void TCustomNumEdit::SetNumValue(long double v) {
    PullText();
    rules_.SetNumValue(v);
    PushText();
}

void TCustomNumEdit::SetTextValue(const std::string& text) {
    rules_.SetTextValue(text);
    PushText();
}

std::string TCustomNumEdit::TextBytes() const {
    return FromQt(text());
}

bool TCustomNumEdit::IsValid() {
    PullText();
    return rules_.IsValid();
}

void TCustomNumEdit::ApplyColors(bool focused) {
    // Only the enabled groups: a disabled field keeps the style's grey text.
    QPalette p = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Base, focused ? focusColor_ : normalColor_);
        p.setColor(group, QPalette::Text, focused ? QColor(Qt::white) : QColor(Qt::black));
    }
    p.setColor(QPalette::Disabled, QPalette::Base, normalColor_);
    setPalette(p);
}

void TCustomNumEdit::keyPressEvent(QKeyEvent* e) {
    const QString t = e->text();
    const bool plainChar = t.size() == 1 && t[0].unicode() >= 32 && t[0].unicode() != 127 &&
                           !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!plainChar || isReadOnly()) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    PullText();
    const std::string bytes = FromQt(t);
    const auto r = rules_.FilterKey(bytes.empty() ? '?' : bytes[0]);
    switch (r.action) {
        case NumEditRules::KeyAction::Drop: e->accept(); return;
        case NumEditRules::KeyAction::ReplaceText:
            setText(ToQt(r.newText));
            setCursorPosition(text().size());
            e->accept();
            return;
        case NumEditRules::KeyAction::Insert:
            insert(ToQt(std::string(1, r.ch)));
            e->accept();
            return;
    }
}

void TCustomNumEdit::focusInEvent(QFocusEvent* e) {
    if (!inside_) {
        inside_ = true;
        if (changeFocusColor_) ApplyColors(true);
        PullText();
        rules_.Enter();
        PushText();
        QLineEdit::setAlignment(ToQtAlignment(EditAlignment::Left));
    }
    QLineEdit::focusInEvent(e);
    // The caret waits at the start with nothing selected.
    deselect();
    setCursorPosition(0);
    if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason) emit entered();
}

void TCustomNumEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    // Another window or a popup taking the keyboard is not leaving the field.
    if (!inside_ || e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason) return;
    inside_ = false;
    if (changeFocusColor_) ApplyColors(false);
    PullText();
    const auto result = rules_.Exit();
    PushText();
    update();
    if (result != NumEditRules::ExitResult::Refused) emit exited();
    if (result != NumEditRules::ExitResult::Accepted) {
        QTimer::singleShot(0, this, [this] {
            setFocus(Qt::OtherFocusReason);
            selectAll();
        });
    }
}

void TCustomNumEdit::paintEvent(QPaintEvent* e) {
    if (hasFocus()) {
        QLineEdit::paintEvent(e);
        return;
    }
    QPainter p(this);
    QRect client = rect();
    if (hasFrame()) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawRect(client.adjusted(0, 0, -1, -1));
        client.adjust(1, 1, -1, -1);
    }
    p.fillRect(client, palette().color(QPalette::Base));
    p.setFont(font());
    p.setPen(isEnabled() ? palette().color(QPalette::Text) : palette().color(QPalette::Disabled, QPalette::Text));
    const QFontMetrics fm(font());
    const QString t = text();
    const int w = fm.horizontalAdvance(t);
    int x = 3;
    switch (rules_.Alignment()) {
        case EditAlignment::Left: x = 3; break;
        case EditAlignment::Right: x = client.width() - w - 3; break;
        case EditAlignment::Center: x = (client.width() - w - 1) / 2; break;
    }
    if (x < 0) x = 0;
    const int y = (client.height() - fm.height() + 1) / 2;
    p.setClipRect(client);
    p.drawText(client.left() + x, client.top() + y + fm.ascent(), t);
}

TTaxEdit::TTaxEdit(QWidget* parent) : TCustomNumEdit(parent) {}

}  // namespace cgt
