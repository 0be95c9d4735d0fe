#pragma once
// Screen 2105: the gains disregarded under the small business 15-year
// exemption, listed from the asset worksheets marked for it; Next puts their
// total and the asset code into the CGT schedule's Part J.
#include "calc/concessions.h"
#include "screens/calc_grid_screen.h"
#include "ui_qcgt_65.h"

namespace cgt {

class TQCGT_65 : public TCalcGridScreen {
    Q_OBJECT
public:
    explicit TQCGT_65(QWidget* parent = nullptr);

    void Shown(TInterviewFrame& frame) override;

private:
    FifteenYearExemption exemption_;
    Ui::TQCGT_65 ui;
};

}  // namespace cgt
