#include "screens/qcgt_36.h"

#include "base/income_year.h"
#include "calc/asset_codes.h"
#include "calc/cost_base_history.h"
#include "controls/numedit.h"
#include "flow/code_tables.h"
#include "store/fieldstore.h"
#include "store/tags.h"

namespace cgt {

TQCGT_36::TQCGT_36(QWidget* parent) : TReceiptEntryScreen(parent) {
    SetUp(ui);
}

bool TQCGT_36::MoreChecks() {
    const auto date = DateIn(DateofCGTEventEdit);
    if (date && *date < kCgtStart) return Reject(kMsgHistoryDateTooEarly, DateofCGTEventEdit);
    return true;
}

void TQCGT_36::Leaving(bool hasProceeds) {
    // A receipt with proceeds counts as a non-active asset in the choice table.
    Store().SetFieldStr(kTagAssetType, hasProceeds ? CodeOf(ReceiptTypeItems().back()) : std::string());
}

}  // namespace cgt
