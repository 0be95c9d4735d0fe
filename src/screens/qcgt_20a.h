#pragma once
// Section 6 for real estate: the roll-over questions and the 15-year
// exemption of the deferral screens, with guidance of its own.
#include "screens/deferral_screen.h"
#include "ui_qcgt_20a.h"

namespace cgt {

class TQCGT_20a : public TDeferralScreen {
    Q_OBJECT
public:
    explicit TQCGT_20a(QWidget* parent = nullptr);

private:
    Ui::TQCGT_20a ui;
};

}  // namespace cgt
