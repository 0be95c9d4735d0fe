#pragma once
// Screen 2106: the share and trust interest exchanges whose gains were
// deferred under the scrip for scrip roll-over, with the market value of the
// replacement interests and the cash received for each; Next keeps them with
// each asset and puts the roll-over and its totals into the CGT schedule's
// Part K.
#include "calc/concessions.h"
#include "screens/calc_grid_screen.h"

namespace cgt {

class TTextLbl;

class TQCGT_66 : public TCalcGridScreen {
    Q_OBJECT
public:
    explicit TQCGT_66(QWidget* parent = nullptr);

    void Created(TInterviewFrame& frame) override;
    void Shown(TInterviewFrame& frame) override;

private:
    void XGrid1Click(int col);

    ScripForScrip scrip_;
    TTextLbl* help_ = nullptr;
};

}  // namespace cgt
