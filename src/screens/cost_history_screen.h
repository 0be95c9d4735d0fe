#pragma once
// The base of the two cost base history screens (Section 7 of the share and
// trust interest blocks, shown when non-assessable payments were entered:
// TQCGT_59a, TQCGT_59b). Each showing replays the asset's history through
// CalculateCostBaseHistory and shows what it stores: the summary boxes in
// the Taxpayer View, the event data and the history grid in the Worksheet
// View. Every box is read-only.
#include "calc/cost_base_history.h"
#include "screens/block_screen.h"

class QGroupBox;
class QRadioButton;

namespace cgt {

class TXGrid;

class TCostHistoryScreen : public TBlockScreen {
    Q_OBJECT
public:
    enum View { kTaxpayerView, kWorksheetView };

    explicit TCostHistoryScreen(HistoryTwin twin, QWidget* parent = nullptr);

    void Created(TInterviewFrame& frame) override;
    void Shown(TInterviewFrame& frame) override;

protected:
    void ShowView(View view);

    // Lays the definition out on the screen (from the derived constructor)
    // and takes the controls that both history definitions have.
    template <class Form>
    void SetUp(Form& ui) {
        TBlockScreen::SetUp(ui);
        XGrid1 = ui.XGrid1;
        TaxpayerViewRadio = ui.TaxpayerViewRadio;
        WorksheetViewRadio = ui.WorksheetViewRadio;
        TaxpayerPanel = ui.TaxpayerPanel;
        WorksheetPanel = ui.WorksheetPanel;
        ActiveRadioGroup = ui.ActiveRadioGroup;
        TypeRadioGroup = ui.TypeRadioGroup;
    }

    TXGrid* XGrid1 = nullptr;

private:
    // Shows a display-only radio group's choice (-1: none).
    static void ShowChoice(QGroupBox* group, int choice);

    HistoryTwin twin_;
    QRadioButton* TaxpayerViewRadio = nullptr;
    QRadioButton* WorksheetViewRadio = nullptr;
    QWidget* TaxpayerPanel = nullptr;
    QWidget* WorksheetPanel = nullptr;
    QGroupBox* ActiveRadioGroup = nullptr;
    QGroupBox* TypeRadioGroup = nullptr;
};

}  // namespace cgt
