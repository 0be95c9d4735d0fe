#pragma once
// The manual calculation table (screen 2101): one row per gain or loss the
// taxpayer worked out, checked cell by cell as it is left and row by row
// when the screen is left.
#include "screens/entry_table_screen.h"
#include "ui_qcgt02_05.h"

namespace cgt {

class TQCGT02_05 : public TEntryTableScreen {
    Q_OBJECT
public:
    explicit TQCGT02_05(QWidget* parent = nullptr);
    ~TQCGT02_05() override;

    void Created(TInterviewFrame& frame) override;
    void Shown(TInterviewFrame& frame) override;

protected:
    std::optional<TableFault> Fault() override;

private:
    void XGrid1ExitCell(int col, int row, bool& enterExitCell);

    Ui::TQCGT02_05 ui;
};

}  // namespace cgt
