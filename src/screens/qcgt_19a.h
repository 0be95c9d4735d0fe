#pragma once
// Section 5 for a depreciating asset: the balancing adjustment event's date
// and termination value, the asset's cost, and either its taxable use
// percentage or the sum of reductions and total decline in value, from which
// the capital gain or loss for the non-taxable use is worked out.
#include "screens/event_screen.h"
#include "ui_qcgt_19a.h"

namespace cgt {

class TQCGT_19a : public TEventScreen {
    Q_OBJECT
public:
    explicit TQCGT_19a(QWidget* parent = nullptr);

protected:
    bool Checks() override;

private:
    // Every box or none; the use given one way or the other.
    bool CheckCompleteness();
    // The three amounts that go together, and the use given one way only.
    bool CheckAmounts();

    Ui::TQCGT_19a ui;
};

}  // namespace cgt
