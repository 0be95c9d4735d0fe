#include "mainwin/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "base/cp1252.h"
#include "controls/qt_text.h"

namespace cgt {

namespace {

QString FromStore(const std::string& s) {
    // Boxes break lines at "\r" as well.
    QString t = ToQt(s);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QMessageBox::StandardButton ToButton(MsgResult r) {
    switch (r) {
        case MsgResult::Ok: return QMessageBox::Ok;
        case MsgResult::Cancel: return QMessageBox::Cancel;
        case MsgResult::Yes: return QMessageBox::Yes;
        case MsgResult::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

}  // namespace

MsgResult QtDialogs::Message(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons,
                             MsgResult defaultButton) {
    QMessageBox box(parent_);
    box.setWindowTitle(FromStore(caption));
    box.setText(FromStore(text));
    switch (icon) {
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::Error: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MsgIcon::None: break;
    }
    switch (buttons) {
        case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case MsgButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    box.setDefaultButton(ToButton(defaultButton));
    switch (box.exec()) {
        case QMessageBox::Yes: return MsgResult::Yes;
        case QMessageBox::No: return MsgResult::No;
        case QMessageBox::Cancel: return MsgResult::Cancel;
        default: return MsgResult::Ok;
    }
}

bool QtDialogs::InputText(const std::string& caption, const std::string& prompt, std::string& value) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent_, FromStore(caption), FromStore(prompt), QLineEdit::Normal, FromStore(value), &ok);
    if (ok) value = FromQt(text);
    return ok;
}

void QtDialogs::Beep() {
    QApplication::beep();
}

}  // namespace cgt
