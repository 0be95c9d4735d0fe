#pragma once
// Section 7 of the asset blocks other than depreciating assets (screens
// 2016, 2029, 2040, 2060 and 2070): the asset's cost bases, its gain by
// each method or its capital loss, with the partial-disposal note and, for
// shares and trust interests, the gains from non-assessable receipts.
#include "screens/summary_screen.h"
#include "ui_qcgt_58.h"

namespace cgt {

class TQCGT_58 : public TSummaryScreen {
    Q_OBJECT
public:
    explicit TQCGT_58(QWidget* parent = nullptr);

protected:
    AssetWorksheetResult Calculate() override;
    // The partial-disposal note and the gains from non-assessable receipts.
    void ShowResult(const AssetWorksheetResult& result) override;

private:
    Ui::TQCGT_58 ui;
};

}  // namespace cgt
