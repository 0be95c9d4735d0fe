#include "screens/qcgt_58.h"

namespace cgt {

TQCGT_58::TQCGT_58(QWidget* parent) : TSummaryScreen(parent) {
    SetUp(ui);
}

AssetWorksheetResult TQCGT_58::Calculate() {
    return CalculateAssetWorksheet(Store(), WorksheetType());
}

void TQCGT_58::ShowResult(const AssetWorksheetResult& result) {
    TSummaryScreen::ShowResult(result);
    ui.NotePanel->setVisible(result.partialDisposal);
    ui.RemainIndexedEdit->SetNumValue(result.remainingIndexed);
    ui.RemainNonIndexedEdit->SetNumValue(result.remainingNonIndexed);
    ui.RemainReducedEdit->SetNumValue(result.remainingReduced);
    ui.NonAssessablePanel->setVisible(result.showReceiptGains);
}

}  // namespace cgt
