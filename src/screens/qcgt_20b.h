#pragma once
// Section 6 for shares and trust interests: the deferral questions and
// whether the roll-over is a scrip for scrip roll-over. A marriage breakdown
// roll-over and a scrip for scrip roll-over exclude each other. Its answers
// are stored as they are ticked.
#include "screens/deferral_screen.h"
#include "ui_qcgt_20b.h"

namespace cgt {

class TQCGT_20b : public TDeferralScreen {
    Q_OBJECT
public:
    explicit TQCGT_20b(QWidget* parent = nullptr);

    void Created(TInterviewFrame& frame) override;

protected:
    bool MoreChecks() override;

private:
    // Stores a check box's field as it is ticked or unticked.
    void StoreTick(int tag, bool ticked);

    Ui::TQCGT_20b ui;
};

}  // namespace cgt
