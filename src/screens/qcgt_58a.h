#pragma once
// Section 7 of the depreciating asset block (screen 2050): the termination
// value against the asset's cost, scaled by the use that was not taxable,
// and the indexation component taken off the indexed gain.
#include "screens/summary_screen.h"
#include "ui_qcgt_58a.h"

namespace cgt {

class TQCGT_58A : public TSummaryScreen {
    Q_OBJECT
public:
    explicit TQCGT_58A(QWidget* parent = nullptr);

protected:
    AssetWorksheetResult Calculate() override;
    void ShowResult(const AssetWorksheetResult& result) override;

private:
    Ui::TQCGT_58A ui;
};

}  // namespace cgt
