#pragma once
// The trust distribution table (screen 2019): per trust, the capital gain
// components of its distribution statement, with the trust's net capital
// gain worked out beside them.
#include "screens/entry_table_screen.h"
#include "ui_qcgt02_04.h"

namespace cgt {

class TQCGT02_04 : public TEntryTableScreen {
    Q_OBJECT
public:
    explicit TQCGT02_04(QWidget* parent = nullptr);

    void Created(TInterviewFrame& frame) override;

protected:
    std::optional<TableFault> Fault() override;

private:
    Ui::TQCGT02_04 ui;
};

}  // namespace cgt
