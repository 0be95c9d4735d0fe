#pragma once
// Section 7 of the trust interest block (screen 2028): the cost base history
// after the non-assessable parts of the trust's distributions.
#include "screens/cost_history_screen.h"
#include "ui_qcgt_59b.h"

namespace cgt {

class TQCGT_59b : public TCostHistoryScreen {
    Q_OBJECT
public:
    explicit TQCGT_59b(QWidget* parent = nullptr);

private:
    Ui::TQCGT_59b ui;
};

}  // namespace cgt
