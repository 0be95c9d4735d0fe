#pragma once
// Section 3 of an asset block: the costs of the asset, one row of the cost
// element grid per cost, with a help text beside the grid for the column
// the user is in.
#include "screens/block_screen.h"
#include "ui_qcgt_12.h"

namespace cgt {

class TQCGT_12 : public TBlockScreen {
    Q_OBJECT
public:
    explicit TQCGT_12(QWidget* parent = nullptr);

    void Created(TInterviewFrame& frame) override;
    void Shown(TInterviewFrame& frame) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void XGrid1Click(int col, int row);
    void ShowCostElementHelp();
    bool Checks();

    Ui::TQCGT_12 ui;
    // The grid and its help text by the names the screen's code uses.
    TXGrid* grid_ = nullptr;
    TTextLbl* help_ = nullptr;
    // The grid's help topic: that of the last cost element F1 was pressed on.
    int gridHelpTopic_ = 0;
};

}  // namespace cgt
