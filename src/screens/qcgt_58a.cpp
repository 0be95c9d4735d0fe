#include "screens/qcgt_58a.h"

#include "controls/numedit.h"
#include "store/tags.h"

namespace cgt {

TQCGT_58A::TQCGT_58A(QWidget* parent) : TSummaryScreen(parent) {
    SetUp(ui);
}

AssetWorksheetResult TQCGT_58A::Calculate() {
    return CalculateDepreciatingWorksheet(Store());
}

void TQCGT_58A::ShowResult(const AssetWorksheetResult& result) {
    TSummaryScreen::ShowResult(result);
    // The component's box shares the indexed gain's tag, and so was bound to
    // the gain; the later gain box is the one that is saved last.
    ui.IndexationComponentEdit->SetNumValue(result.IsDisabled(kTagIndexedGain) ? 0 : result.indexationComponent);
}

}  // namespace cgt
