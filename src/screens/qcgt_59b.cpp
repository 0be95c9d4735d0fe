#include "screens/qcgt_59b.h"

namespace cgt {

TQCGT_59b::TQCGT_59b(QWidget* parent) : TCostHistoryScreen(HistoryTwin::TrustInterests, parent) {
    SetUp(ui);
}

}  // namespace cgt
