#pragma once
// Screen 2104: the small business concessions elected for each active-asset
// gain of the choice table (the 50% active asset reduction, the retirement
// exemption and the roll-over), kept with each asset and totalled into the
// CGT schedule's Part G, with the net capital gain after them.
#include "calc/concessions.h"
#include "screens/calc_grid_screen.h"
#include "ui_qcgt_64.h"

namespace cgt {

class TQCGT_64 : public TCalcGridScreen {
    Q_OBJECT
public:
    explicit TQCGT_64(QWidget* parent = nullptr);

    void Shown(TInterviewFrame& frame) override;

private:
    ConcessionElections elections_;
    Ui::TQCGT_64 ui;
};

}  // namespace cgt
