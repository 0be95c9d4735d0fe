#pragma once
// Section 4 of the trust interest block: non-assessable payments from the
// trust (CGT event E4), one row each, split into their kinds, with the
// event date worked out from the payment date and the kinds that cannot
// apply at that date closed.
#include <optional>

#include "screens/receipt_grid_screen.h"
#include "ui_qcgt_18b.h"

namespace cgt {

inline constexpr const char* kMsgConcessionAfterJune2001 =
    "As the date of receipt of your non-assessable amount is after 30 June 2001,\ryou do not have to enter the CGT "
    "concession amount";

class TQCGT_18b : public TReceiptGridScreen {
    Q_OBJECT
public:
    explicit TQCGT_18b(QWidget* parent = nullptr);

    void Created(TInterviewFrame& frame) override;
    void Shown(TInterviewFrame& frame) override;

protected:
    void XGrid1Click(int col, int row) override;
    const char* RowFault(int row) const override;
    void BeforeSort() override;
    const char* SortKeys() const override { return "0"; }

private:
    // Dates a row's CGT event and opens the amount columns its payment date
    // allows (emptying the others); answers the payment date, if any.
    std::optional<int> DateRow(int row);

    Ui::TQCGT_18b ui;
};

}  // namespace cgt
