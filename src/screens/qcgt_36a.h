#pragma once
// A right created in another entity (worksheet type 457), one per
// worksheet: its description and asset type, proceeds and costs, and
// whether the gain or loss can be rolled over.
#include "screens/receipt_entry_screen.h"
#include "ui_qcgt_36a.h"

namespace cgt {

class RollOverQuestions;

class TQCGT_36a : public TReceiptEntryScreen {
    Q_OBJECT
public:
    explicit TQCGT_36a(QWidget* parent = nullptr);

    void Created(TInterviewFrame& frame) override;
    void Shown(TInterviewFrame& frame) override;

protected:
    bool MoreChecks() override;
    int Step() const override { return kCreatedRightStep; }

private:
    void DescEditExit();

    Ui::TQCGT_36a ui;
    RollOverQuestions* questions_ = nullptr;
};

}  // namespace cgt
