#pragma once
// Section 5 of an asset block: the CGT event that happened to the asset, its
// date and the capital proceeds (shares, trust interests, real estate,
// personal use assets and other assets). An event on 21/09/1999 also asks
// whether it happened after 11.45am, when indexation was frozen.
#include "screens/event_screen.h"
#include "ui_qcgt_19.h"

namespace cgt {

class TQCGT_19 : public TEventScreen {
    Q_OBJECT
public:
    explicit TQCGT_19(QWidget* parent = nullptr);

    void Created(TInterviewFrame& frame) override;
    void Shown(TInterviewFrame& frame) override;

protected:
    bool Checks() override;

private:
    // Shows the 11.45am question exactly for an event on 21/09/1999 and
    // drops an answer given for another date (as the date box is left).
    void FollowEventDate();

    Ui::TQCGT_19 ui;
};

}  // namespace cgt
