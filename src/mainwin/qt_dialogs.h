#pragma once
// Dialogs shown with Qt message and input boxes.
#include "base/dialogs.h"

class QWidget;

namespace cgt {

class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    MsgResult Message(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons,
                      MsgResult defaultButton) override;
    bool InputText(const std::string& caption, const std::string& prompt, std::string& value) override;
    void Beep() override;

private:
    QWidget* parent_;
};

}  // namespace cgt
