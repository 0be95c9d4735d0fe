#pragma once
// The Yes/No question screens of the three question families: the
// introductory question of a category, its event question and the
// another-event question at the end of a block. Their rows say where each
// answer leads and what it writes.
#include "screens/flow_screen.h"

namespace cgt {

class TQuestionScreen : public TFlowScreen {
    Q_OBJECT
public:
    TQuestionScreen(ScreenFamily family, const FlowRow& row, QWidget* parent = nullptr);

    ScreenFamily Family() const { return family_; }
    void Shown(TInterviewFrame& frame) override;

private:
    ScreenFamily family_;
};

}  // namespace cgt
