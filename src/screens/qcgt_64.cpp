#include "screens/qcgt_64.h"

namespace cgt {

namespace {

// SBAAR, SBRE and SBRO: the columns after the description and the three gains.
constexpr EntryColumns kElectionColumns{4, 6};

}  // namespace

TQCGT_64::TQCGT_64(QWidget* parent) : TCalcGridScreen(kElectionColumns, parent) {
    SetUp(ui);
}

void TQCGT_64::Shown(TInterviewFrame&) {
    // Checked on Prev too: the grid is kept in the gains list however the screen is left.
    ShowThrough(elections_, true);
}

}  // namespace cgt
