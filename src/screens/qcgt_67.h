#pragma once
// Screen 2107, the last of the interview: the CGT schedule as computed and
// completed by the concession screens, shown read-only part by part. Next
// leaves the interview.
#include "interview/childform.h"
#include "ui_qcgt_67.h"

namespace cgt {

class TQCGT_67 : public TChildForm {
    Q_OBJECT
public:
    explicit TQCGT_67(QWidget* parent = nullptr);

    void Created(TInterviewFrame& frame) override;
    void Shown(TInterviewFrame& frame) override;

private:
    // Lays the part headings, row labels and boxes into the scroll box.
    void BuildSchedule();

    Ui::TQCGT_67 ui;
    // The scroll box the schedule is laid into.
    QScrollArea* scrollBox_ = nullptr;
};

}  // namespace cgt
