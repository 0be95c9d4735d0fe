#pragma once
// Section 4 of the share block: capital payments received for the parcel
// (CGT event G1), one row of the receipts grid each.
#include "screens/receipt_grid_screen.h"
#include "ui_qcgt_18.h"

namespace cgt {

class TQCGT_18 : public TReceiptGridScreen {
    Q_OBJECT
public:
    explicit TQCGT_18(QWidget* parent = nullptr);

    void Created(TInterviewFrame& frame) override;
    void Shown(TInterviewFrame& frame) override;

protected:
    const char* RowFault(int row) const override;
    const char* SortKeys() const override { return "0,1"; }

private:
    Ui::TQCGT_18 ui;
};

}  // namespace cgt
