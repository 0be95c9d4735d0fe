#pragma once
// The base of the two asset worksheet summary screens (Section 7 of every
// asset block: TQCGT_58, and TQCGT_58A for depreciating assets). Shown, they
// run the asset's worksheet calculation, which stores its results among the
// asset's fields, and show what it stored in three views: the results, the
// asset register and the CGT worksheet. Nothing on them can be changed.
#include "calc/asset_worksheet.h"
#include "screens/block_screen.h"

class QAbstractButton;
class QLabel;
class QPushButton;
class QScrollArea;

namespace cgt {

class TCustomNumEdit;
class TXGrid;

class TSummaryScreen : public TBlockScreen {
    Q_OBJECT
public:
    // The items of the view radio group.
    enum View { kTaxpayerView = 0, kRegisterView = 1, kWorksheetView = 2 };

    explicit TSummaryScreen(QWidget* parent = nullptr);

    void Created(TInterviewFrame& frame) override;
    void Shown(TInterviewFrame& frame) override;

    // The view the user chose last in this module run.
    int RememberedView() const;
    // A click on an item of the view radio group.
    void ViewRadioGroupClick(int view);

protected:
    // Swallows clicks on the display-only radio groups.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Runs the asset's calculation on the working tags.
    virtual AssetWorksheetResult Calculate() = 0;
    // Shows what the calculation gives besides the stored fields, once the
    // boxes have been bound to them.
    virtual void ShowResult(const AssetWorksheetResult& result) { (void)result; }

    // Lays the definition out on the screen (from the derived constructor)
    // and takes the controls that both summary definitions have.
    template <class Form>
    void SetUp(Form& ui) {
        TBlockScreen::SetUp(ui);
        ResultsPanel = ui.ResultsPanel;
        ResultsBox = ui.ResultsBox;
        EventDataPanel = ui.EventDataPanel;
        RegisterGrid = ui.RegisterGrid;
        WorksheetPanel = ui.WorksheetPanel;
        WorksheetGrid = ui.WorksheetGrid;
        viewRadios_ = {ui.TaxpayerViewRadio, ui.RegisterViewRadio, ui.WorksheetViewRadio};
        ActiveRadioGroup = ui.ActiveRadioGroup;
        TypeRadioGroup = ui.TypeRadioGroup;
        MessageLbl1 = ui.MessageLbl1;
        MessageLbl2 = ui.MessageLbl2;
        PrintWorksheetBtn = ui.PrintWorksheetBtn;
        PrintRegisterBtn = ui.PrintRegisterBtn;
        PrintNonAssBtn = ui.PrintNonAssBtn;
    }

    // The box bound to a field tag (the last one when two share it).
    TCustomNumEdit* Box(int tag) const;

private:
    void ShowCalculation();
    void SelectView(int view);
    // Lays the visible sections of the results panel out top to bottom.
    void StackResults();
    void FitWorksheetGrid();
    void WorksheetGridClick(int col);

    QScrollArea* ResultsPanel = nullptr;
    QWidget* ResultsBox = nullptr;
    QWidget* EventDataPanel = nullptr;
    TXGrid* RegisterGrid = nullptr;
    QScrollArea* WorksheetPanel = nullptr;
    TXGrid* WorksheetGrid = nullptr;
    QWidget* ActiveRadioGroup = nullptr;
    QWidget* TypeRadioGroup = nullptr;
    QLabel* MessageLbl1 = nullptr;
    QLabel* MessageLbl2 = nullptr;
    QPushButton* PrintWorksheetBtn = nullptr;
    QPushButton* PrintRegisterBtn = nullptr;
    QPushButton* PrintNonAssBtn = nullptr;
    // The items of the view radio group, in View order.
    std::vector<QAbstractButton*> viewRadios_;
    std::vector<QObject*> displayOnly_;
    // This object has run the calculation (a screen recreated by a rescale
    // has not, although the frame still counts it as shown).
    bool calculated_ = false;
};

}  // namespace cgt
