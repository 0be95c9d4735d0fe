#include "screens/qcgt_60.h"

#include "ui_qcgt_60.h"

namespace cgt {

TQCGT_60::TQCGT_60(QWidget* parent) : TInfoScreen(parent), ui_(new Ui::TQCGT_60) {
    ui_->setupUi(this);
}

TQCGT_60::~TQCGT_60() {
    delete ui_;
}

int TQCGT_60::NextIndex([[maybe_unused]] int index) const {
    return 6;
}

int TQCGT_60::NavigatorEntry() const {
    return 2088;
}

}  // namespace cgt
