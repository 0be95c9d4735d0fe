#pragma once
// Information screens: Next only, no checks; the row says where Next leads
// and which navigator entry is highlighted.
#include "screens/flow_screen.h"

namespace cgt {

class TInfoScreen : public TFlowScreen {
    Q_OBJECT
public:
    explicit TInfoScreen(const FlowRow& row, QWidget* parent = nullptr);

    void Shown(TInterviewFrame& frame) override;
};

}  // namespace cgt
