#pragma once
// The base of the question and information screens: a screen whose whole
// behaviour is its row of the flow table (where each answer leads, what it
// writes on the way) plus its .ui definition.
#include "flow/flow_rules.h"
#include "interview/childform.h"

namespace cgt {

class TFlowScreen : public TChildForm {
    Q_OBJECT
public:
    TFlowScreen(const FlowRow& row, QWidget* parent = nullptr);

    const FlowRow& Row() const { return row_; }
    void Created(TInterviewFrame& frame) override;

protected:
    // Registers the handler that applies the row to Next, Yes and No.
    void RegisterAnswerHandler(TInterviewFrame& frame);
    // Shows the outlook bar with the row's entry, when it has one.
    void ShowNavigatorEntry(TInterviewFrame& frame) const;

private:
    const FlowRow& row_;
};

}  // namespace cgt
