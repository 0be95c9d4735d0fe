#pragma once
// Section 6 for depreciating assets, personal use assets and collectables,
// and other assets. Personal use assets, collectables and depreciating
// assets are never active assets: their roll-over question leaves out the
// small business wording and the 15-year exemption is not asked.
#include "screens/deferral_screen.h"
#include "ui_qcgt_20.h"

namespace cgt {

class TQCGT_20 : public TDeferralScreen {
    Q_OBJECT
public:
    explicit TQCGT_20(QWidget* parent = nullptr);

    void Created(TInterviewFrame& frame) override;

private:
    Ui::TQCGT_20 ui;
};

}  // namespace cgt
