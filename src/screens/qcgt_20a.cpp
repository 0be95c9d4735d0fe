#include "screens/qcgt_20a.h"

namespace cgt {

TQCGT_20a::TQCGT_20a(QWidget* parent) : TDeferralScreen(parent) {
    SetUp(ui);
}

}  // namespace cgt
