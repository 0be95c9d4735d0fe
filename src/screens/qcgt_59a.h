#pragma once
// Section 7 of the share block (screen 2015): the cost base history after
// the returns of capital, checked for dates before CGT began when left.
#include "screens/cost_history_screen.h"
#include "ui_qcgt_59a.h"

namespace cgt {

class TQCGT_59a : public TCostHistoryScreen {
    Q_OBJECT
public:
    explicit TQCGT_59a(QWidget* parent = nullptr);

    void Shown(TInterviewFrame& frame) override;

private:
    bool DatesFromCgtStart();

    Ui::TQCGT_59a ui;
};

}  // namespace cgt
