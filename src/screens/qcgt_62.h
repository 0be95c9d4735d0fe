#pragma once
// Screen 2103: the capital gains choice table. Every gain and loss component
// of the return in one grid, where the taxpayer chooses the method, the
// deferments and the losses applied (or lets the four buttons choose), with
// the unapplied losses and the net capital gain under it. Next writes the
// choices back to their sources and computes the CGT schedule.
#include <memory>

#include "calc/choice_table.h"
#include "calc/loss_application.h"
#include "screens/calc_grid_screen.h"
#include "ui_qcgt_62.h"

namespace cgt {

class TQCGT_62 : public TCalcGridScreen {
    Q_OBJECT
public:
    explicit TQCGT_62(QWidget* parent = nullptr);

    void Created(TInterviewFrame& frame) override;
    void Shown(TInterviewFrame& frame) override;

    const ChoiceTable& Table() const { return table_; }

private:
    // The grid and the table stay in step: the grid is what the taxpayer
    // edits, the table is what the routines work on.
    void GridToTable();
    void TableToGrid();
    void ShowUnapplied(const UnappliedLosses& losses);
    // Recomputes every net gain, the unapplied losses and the net capital gain.
    void RecomputeNets();
    // Runs a button's action on the rows as the grid holds them.
    void OnRows(const std::function<void()>& action);

    void XGrid1Click();
    void RestartBtnClick();
    void DeferBtnClick();
    void MethodBtnClick();
    void ApplyLossBtnClick();
    void WriteBack();
    std::optional<GridCheckFailure> Checks() const;

    ChoiceTable table_;
    std::unique_ptr<LossApplication> losses_;
    Ui::TQCGT_62 ui;
};

}  // namespace cgt
