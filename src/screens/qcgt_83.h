#pragma once
// Introduction: which gains and losses must be reported (screen 2004).
#include "screens/info_screen.h"

namespace Ui {
class TQCGT_83;
}

namespace cgt {

class TQCGT_83 : public TInfoScreen {
    Q_OBJECT
public:
    explicit TQCGT_83(QWidget* parent = nullptr);
    ~TQCGT_83() override;

protected:
    int NextIndex(int index) const override;
    int NavigatorEntry() const override;

private:
    Ui::TQCGT_83* ui_;
};

}  // namespace cgt
