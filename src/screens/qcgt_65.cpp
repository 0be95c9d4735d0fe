#include "screens/qcgt_65.h"

namespace cgt {

// The list is the worksheets' own: nothing on it is typed, so the grid keeps
// every key and the screen has no checks.
TQCGT_65::TQCGT_65(QWidget* parent) : TCalcGridScreen(std::nullopt, parent) {
    SetUp(ui);
}

void TQCGT_65::Shown(TInterviewFrame&) {
    ShowThrough(exemption_, false);
}

}  // namespace cgt
