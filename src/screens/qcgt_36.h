#pragma once
// An other receipt: money or property received for an act, transaction or
// event relating to a CGT asset (worksheet type 462), one per worksheet.
#include "screens/receipt_entry_screen.h"
#include "ui_qcgt_36.h"

namespace cgt {

class TQCGT_36 : public TReceiptEntryScreen {
    Q_OBJECT
public:
    explicit TQCGT_36(QWidget* parent = nullptr);

protected:
    bool MoreChecks() override;
    void Leaving(bool hasProceeds) override;
    int Step() const override { return kBlockStep; }

private:
    Ui::TQCGT_36 ui;
};

}  // namespace cgt
