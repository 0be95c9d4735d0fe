#pragma once
// Unapplied net capital losses of earlier years, fields 920 and 921 (screen 2005).
#include "screens/info_screen.h"

namespace Ui {
class TQCGT_56;
}

namespace cgt {

class TQCGT_56 : public TInfoScreen {
    Q_OBJECT
public:
    explicit TQCGT_56(QWidget* parent = nullptr);
    ~TQCGT_56() override;

protected:
    int NextIndex(int index) const override;
    int NavigatorEntry() const override;

private:
    Ui::TQCGT_56* ui_;
};

}  // namespace cgt
