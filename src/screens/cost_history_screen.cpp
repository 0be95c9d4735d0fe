#include "screens/cost_history_screen.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QScrollBar>

#include "calc/worksheet_grids.h"
#include "controls/numedit.h"
#include "controls/qt_text.h"
#include "controls/xgrid.h"
#include "interview/interviewframe.h"

namespace cgt {

TCostHistoryScreen::TCostHistoryScreen(HistoryTwin twin, QWidget* parent)
    : TBlockScreen(WorksheetRole::BlockScreen, parent), twin_(twin) {}

void TCostHistoryScreen::Created(TInterviewFrame& frame) {
    TBlockScreen::Created(frame);

    // The grid's columns are the calculation's; the definition sizes them.
    QStringList columns;
    for (const std::string& column : HistoryGridColumns()) columns << ToQt(column);
    XGrid1->setDisplay(columns);
    XGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    XGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    // The asset's kind is shown, not asked.
    for (QGroupBox* group : {ActiveRadioGroup, TypeRadioGroup})
        for (QRadioButton* radio : group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
            radio->setAttribute(Qt::WA_TransparentForMouseEvents);
            radio->setFocusPolicy(Qt::NoFocus);
        }
    connect(TaxpayerViewRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on) ShowView(kTaxpayerView);
    });
    connect(WorksheetViewRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on) ShowView(kWorksheetView);
    });
}

void TCostHistoryScreen::Shown(TInterviewFrame& frame) {
    ShowDescription();
    frame.ShowPicker(false);
    // The replay stores its results; the boxes and the grid then show them.
    const CostBaseHistoryResult result = CalculateCostBaseHistory(Store(), twin_);
    frame.BindScreenValues();
    for (TCustomNumEdit* box : findChildren<TCustomNumEdit*>()) box->setEnabled(!result.IsDisabled(box->fieldTag()));
    ShowChoice(ActiveRadioGroup, result.activeChoice);
    ShowChoice(TypeRadioGroup, result.typeChoice);
    // The history reads from its dates on the left.
    XGrid1->horizontalScrollBar()->setValue(0);
    ShowView(kTaxpayerView);
    RegisterNext([] { return kBlockStep; });
}

void TCostHistoryScreen::ShowView(View view) {
    TaxpayerViewRadio->setChecked(view == kTaxpayerView);
    WorksheetViewRadio->setChecked(view == kWorksheetView);
    TaxpayerPanel->setVisible(view == kTaxpayerView);
    WorksheetPanel->setVisible(view == kWorksheetView);
}

void TCostHistoryScreen::ShowChoice(QGroupBox* group, int choice) {
    const QList<QRadioButton*> radios = group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    for (int i = 0; i < radios.size(); ++i) {
        // Without a choice no item is ticked, which an exclusive group refuses.
        radios[i]->setAutoExclusive(false);
        radios[i]->setChecked(i == choice);
        radios[i]->setAutoExclusive(true);
    }
}

}  // namespace cgt
