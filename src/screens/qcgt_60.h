#pragma once
// Ceasing to be an Australian resident (screen 2088).
#include "screens/info_screen.h"

namespace Ui {
class TQCGT_60;
}

namespace cgt {

class TQCGT_60 : public TInfoScreen {
    Q_OBJECT
public:
    explicit TQCGT_60(QWidget* parent = nullptr);
    ~TQCGT_60() override;

protected:
    int NextIndex(int index) const override;
    int NavigatorEntry() const override;

private:
    Ui::TQCGT_60* ui_;
};

}  // namespace cgt
