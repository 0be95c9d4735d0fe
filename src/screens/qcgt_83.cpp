#include "screens/qcgt_83.h"

#include "ui_qcgt_83.h"

namespace cgt {

TQCGT_83::TQCGT_83(QWidget* parent) : TInfoScreen(parent), ui_(new Ui::TQCGT_83) {
    ui_->setupUi(this);
}

TQCGT_83::~TQCGT_83() {
    delete ui_;
}

int TQCGT_83::NextIndex([[maybe_unused]] int index) const {
    return index + 1;
}

int TQCGT_83::NavigatorEntry() const {
    return 2004;
}

}  // namespace cgt
