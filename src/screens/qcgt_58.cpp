#include "screens/qcgt_58.h"

namespace cgt {

TQCGT_58::TQCGT_58(QWidget* parent) : TSummaryScreen(parent) {}

AssetWorksheetResult TQCGT_58::Calculate() {
    return CalculateAssetWorksheet(Store(), WorksheetType());
}

}  // namespace cgt
