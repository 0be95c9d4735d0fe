#include "screens/qcgt_56.h"

#include "ui_qcgt_56.h"

namespace cgt {

TQCGT_56::TQCGT_56(QWidget* parent) : TInfoScreen(parent), ui_(new Ui::TQCGT_56) {
    ui_->setupUi(this);
}

TQCGT_56::~TQCGT_56() {
    delete ui_;
}

int TQCGT_56::NextIndex([[maybe_unused]] int index) const {
    return 88;
}

int TQCGT_56::NavigatorEntry() const {
    return 0;
}

}  // namespace cgt
