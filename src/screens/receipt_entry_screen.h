#pragma once
// The base of the screens that record one receipt as a worksheet of its own
// (TQCGT_36, other receipts; TQCGT_36a, rights created in another entity):
// a description, the capital proceeds and the incidental costs, and the
// capital gain or loss they give, worked out as the user types.
#include "screens/block_screen.h"

namespace cgt {

class TTaxEdit;

inline constexpr const char* kMsgReceiptNoDescription = "Please enter a description for this receipt.";
inline constexpr const char* kMsgReceiptNoAmount = "Please enter amount.";

class TReceiptEntryScreen : public TBlockScreen {
    Q_OBJECT
public:
    explicit TReceiptEntryScreen(QWidget* parent = nullptr);

    void Created(TInterviewFrame& frame) override;
    void Shown(TInterviewFrame& frame) override;

protected:
    // The checks a screen makes once the description and an amount are there.
    virtual bool MoreChecks() = 0;
    // Next: what the screen writes besides kTagHasProceeds, and its step.
    virtual void Leaving(bool hasProceeds) { (void)hasProceeds; }
    virtual int Step() const = 0;

    // Lays the definition out on the screen (from the derived constructor)
    // and takes the controls that both receipt definitions have.
    template <class Form>
    void SetUp(Form& ui) {
        TBlockScreen::SetUp(ui);
        DescEdit = ui.DescEdit;
        DateofCGTEventEdit = ui.DateofCGTEventEdit;
        ProceedsEdit = ui.ProceedsEdit;
        CostsEdit = ui.CostsEdit;
        GainEdit = ui.GainEdit;
        LossEdit = ui.LossEdit;
    }

    TTaxEdit* DescEdit = nullptr;
    TTaxEdit* DateofCGTEventEdit = nullptr;
    TTaxEdit* ProceedsEdit = nullptr;
    TTaxEdit* CostsEdit = nullptr;
    TTaxEdit* GainEdit = nullptr;
    TTaxEdit* LossEdit = nullptr;

private:
    // Gain := proceeds - costs; a negative gain is shown as the loss.
    void ShowGainOrLoss();
    bool Checks();
};

}  // namespace cgt
