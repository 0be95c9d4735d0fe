#pragma once
// Screen 2106: the share and trust interest exchanges whose gains were
// deferred under the scrip for scrip roll-over, with the market value of the
// replacement interests and the cash received for each; Next keeps them with
// each asset and puts the roll-over and its totals into the CGT schedule's
// Part K.
#include "calc/concessions.h"
#include "screens/calc_grid_screen.h"
#include "ui_qcgt_66.h"

namespace cgt {

class TQCGT_66 : public TCalcGridScreen {
    Q_OBJECT
public:
    explicit TQCGT_66(QWidget* parent = nullptr);

    void Created(TInterviewFrame& frame) override;
    void Shown(TInterviewFrame& frame) override;

private:
    void XGrid1Click(int col);

    ScripForScrip scrip_;
    Ui::TQCGT_66 ui;
};

}  // namespace cgt
