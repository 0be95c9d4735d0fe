#pragma once
// The base of the two non-assessable receipt screens (Section 4 of the share
// and trust interest blocks: TQCGT_18, TQCGT_18b): one row of the receipts
// grid per payment, the fixed CGT event the payments are, and a help text
// beside the grid for the column the user is in.
#include "screens/block_screen.h"

namespace cgt {

class TTaxEdit;
class TTextLbl;
class TXGrid;

inline constexpr const char* kMsgReceiptBeforeAcquisition =
    "Check dates. A non-assessable receipt cannot be received before the date of acquisition.";
inline constexpr const char* kMsgReceiptBeforeCostBase =
    "Check dates. A non-assessable receipt cannot be received before the cost base effective date.";
inline constexpr const char* kMsgReceiptIncomplete =
    "If either dates and amount are present then all must be completed.";

class TReceiptGridScreen : public TBlockScreen {
    Q_OBJECT
public:
    explicit TReceiptGridScreen(QWidget* parent = nullptr);

    void Created(TInterviewFrame& frame) override;
    void Shown(TInterviewFrame& frame) override;

protected:
    // Column 0 of both grids: the date the payment was made.
    static constexpr int kColPaymentDate = 0;

    // Shows the payments' CGT event ("G1 - ...") and keeps its code in the asset.
    void ShowEvent(const char* item);
    // Shows the help text of a column (the label's sections follow the columns).
    void ShowColumnHelp(int col);

    // The user entered a cell (by a click or a key).
    virtual void XGrid1Click(int col, int row);
    // The message for the first rule a row breaks; nullptr when it breaks none.
    virtual const char* RowFault(int row) const = 0;
    // Called by Next before the rows are sorted.
    virtual void BeforeSort() {}
    virtual const char* SortKeys() const = 0;

    // The rules both grids share: a payment dated before the asset was
    // acquired or not after its cost base's effective date, and a row whose
    // payment date and `required` column are not both filled or both blank.
    const char* DateFault(int row) const;
    const char* IncompleteFault(int row, int required) const;

    // Lays the definition out on the screen (from the derived constructor)
    // and takes the controls that both receipt grid definitions have.
    template <class Form>
    void SetUp(Form& ui) {
        TBlockScreen::SetUp(ui);
        XGrid1 = ui.XGrid1;
        HelpLbl = ui.HelpLbl;
        CGTEventEdit = ui.CGTEventEdit;
    }

    TXGrid* XGrid1 = nullptr;
    TTextLbl* HelpLbl = nullptr;
    TTaxEdit* CGTEventEdit = nullptr;

private:
    bool Checks();
};

}  // namespace cgt
