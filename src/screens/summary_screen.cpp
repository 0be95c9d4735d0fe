#include "screens/summary_screen.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

#include "calc/worksheet_grids.h"
#include "controls/control_context.h"
#include "controls/numedit.h"
#include "controls/qt_text.h"
#include "controls/xgrid.h"
#include "interview/interviewframe.h"
#include "report/printouts.h"
#include "store/modulerun.h"
#include "store/tags.h"

namespace cgt {

namespace {

// The screen's state that outlives it for the module run, kept on the frame
// (one per run): set by a full show and cleared when the screen is left, and
// the view last chosen.
constexpr const char* kShownProperty = "cgtSummaryShown";
constexpr const char* kViewProperty = "cgtSummaryView";

// The screens without the non-assessable receipts printout.
constexpr int kNoNonAssessablePrintout[] = {2040, 2050, 2060};

// Where the worksheet panel scrolls for the column the cursor is in: up to
// and including `lastCol`, to `x` pixels.
struct ColumnScroll {
    int lastCol;
    int x;
};
constexpr ColumnScroll kWorksheetScroll[] = {{3, 0}, {6, 250}, {10, 540}, {11, 675}};

// The worksheet's Amount column holds the cost bases brought forward (indexed,
// non-indexed and reduced, one row each) beside the costs: its sum means nothing.
constexpr int kWorksheetAmountCol = 2;

// Checks the index-th radio button of a display-only group; none for -1.
void ShowChoice(QWidget* group, int index) {
    const QList<QRadioButton*> radios = group->findChildren<QRadioButton*>();
    for (int i = 0; i < radios.size(); ++i) {
        radios[i]->setAutoExclusive(false);
        radios[i]->setChecked(i == index);
        radios[i]->setAutoExclusive(true);
    }
}

void ShowMessage(QLabel* label, const std::string& text) {
    label->setText(ToQt(text));
    label->setVisible(!text.empty());
}

}  // namespace

TSummaryScreen::TSummaryScreen(QWidget* parent) : TBlockScreen(WorksheetRole::BlockScreen, parent) {}

void TSummaryScreen::Created(TInterviewFrame& frame) {
    TBlockScreen::Created(frame);

    // The grids take the columns the calculation fills.
    const auto columns = [](const std::vector<std::string>& specs) {
        QStringList l;
        for (const std::string& s : specs) l << ToQt(s);
        return l;
    };
    RegisterGrid->setDisplay(columns(RegisterGridColumns()));
    WorksheetGrid->setDisplay(columns(WorksheetGridColumns()));
    WorksheetGrid->SetColumnNoTotal(kWorksheetAmountCol, true);
    connect(WorksheetGrid, &TXGrid::cellEntered, this,
            GuardedSlot(this, [this](int col, int) { WorksheetGridClick(col); }));
    // The grid grows by its status line while that is shown, so that no row hides behind it.
    connect(WorksheetGrid, &TXGrid::statusLineToggled, this, GuardedSlot(this, [this](bool) { FitWorksheetGrid(); }));

    // The panel is laid out by the screen, not the scroll area.
    ResultsPanel->setWidgetResizable(false);
    WorksheetPanel->setWidgetResizable(false);

    for (std::size_t view = 0; view < viewRadios_.size(); ++view) {
        connect(viewRadios_[view], &QAbstractButton::clicked, this,
                GuardedSlot(this, [this, view] { ViewRadioGroupClick(int(view)); }));
    }
    // The asset's status and type are shown, not chosen here.
    for (QWidget* group : {ActiveRadioGroup, TypeRadioGroup}) {
        for (QRadioButton* radio : group->findChildren<QRadioButton*>()) {
            radio->setFocusPolicy(Qt::NoFocus);
            radio->installEventFilter(this);
            displayOnly_.push_back(radio);
        }
    }

    // The print buttons and the report script each prints.
    const std::pair<QPushButton*, const char*> prints[] = {
        {PrintWorksheetBtn, kWorksheetPrintout},
        {PrintRegisterBtn, kAssetRegisterPrintout},
        {PrintNonAssBtn, kNonAssessablePrintout},
    };
    for (const auto& [button, name] : prints) {
        button->setEnabled(true);
        const std::string script = name;
        connect(button, &QPushButton::clicked, this,
                GuardedSlot(this, [this, script] { Frame().PrintWorksheet(script); }));
    }
    PrintNonAssBtn->setEnabled(CarriesNonAssessableReceipts(frame.pendingType));
    const int number = frame.CurrentScreenNumber();
    if (std::ranges::find(kNoNonAssessablePrintout, number) != std::end(kNoNonAssessablePrintout))
        PrintNonAssBtn->hide();
}

void TSummaryScreen::Shown(TInterviewFrame& frame) {
    RegisterChecks(
        [this] {
            Frame().setProperty(kShownProperty, false);
            return true;
        },
        true);
    RegisterNext([this] {
        Frame().Navigator()->hide();
        return kBlockStep;
    });
    const bool shown = frame.property(kShownProperty).toBool();
    // Shown again while current (after printing): the figures stand.
    if (shown && calculated_) {
        SelectView(RememberedView());
        return;
    }
    ShowCalculation();
    calculated_ = true;
    SelectView(shown ? RememberedView() : kTaxpayerView);
    frame.setProperty(kShownProperty, true);
}

bool TSummaryScreen::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type t = event->type();
    const bool click =
        t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease || t == QEvent::MouseButtonDblClick;
    if (click && std::ranges::find(displayOnly_, watched) != displayOnly_.end()) return true;
    return TBlockScreen::eventFilter(watched, event);
}

int TSummaryScreen::RememberedView() const {
    return Frame().property(kViewProperty).toInt();
}

void TSummaryScreen::ViewRadioGroupClick(int view) {
    SelectView(view);
}

TCustomNumEdit* TSummaryScreen::Box(int tag) const {
    TCustomNumEdit* found = nullptr;
    for (TCustomNumEdit* box : findChildren<TCustomNumEdit*>())
        if (box->fieldTag() == tag) found = box;
    return found;
}

void TSummaryScreen::ShowCalculation() {
    Frame().ShowPicker(false);
    if (!Description().empty()) ShowDescription();
    // Every box starts blank, the carried-forward ones (no field holds them) too.
    for (TCustomNumEdit* box : findChildren<TCustomNumEdit*>()) {
        box->setEnabled(true);
        box->SetNumValue(0);
    }

    const AssetWorksheetResult result = Calculate();
    // The calculation stored its results: the boxes and grids show them.
    Frame().BindScreenValues();
    for (TCustomNumEdit* box : findChildren<TCustomNumEdit*>())
        box->setEnabled(box->fieldTag() == 0 || !result.IsDisabled(box->fieldTag()));
    ShowChoice(ActiveRadioGroup, result.activeChoice);
    ShowChoice(TypeRadioGroup, result.typeChoice);
    ShowMessage(MessageLbl1, result.message1);
    ShowMessage(MessageLbl2, result.message2);
    ShowResult(result);
    StackResults();
    // The grids start at their first row and column (a cursor placed while
    // they were hidden may have scrolled them).
    for (TXGrid* grid : {RegisterGrid, WorksheetGrid}) {
        grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->minimum());
        grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->minimum());
    }
    FitWorksheetGrid();
}

void TSummaryScreen::SelectView(int view) {
    view = std::clamp(view, int(kTaxpayerView), int(kWorksheetView));
    ResultsPanel->setVisible(view == kTaxpayerView);
    EventDataPanel->setVisible(view != kTaxpayerView);
    RegisterGrid->setVisible(view == kRegisterView);
    WorksheetPanel->setVisible(view == kWorksheetView);
    if (view == kTaxpayerView) ResultsPanel->verticalScrollBar()->setValue(0);
    if (view == kWorksheetView) {
        WorksheetPanel->horizontalScrollBar()->setValue(0);
        WorksheetPanel->verticalScrollBar()->setValue(0);
    }
    viewRadios_[std::size_t(view)]->setChecked(true);
    Frame().setProperty(kViewProperty, view);
}

void TSummaryScreen::StackResults() {
    int y = 0;
    for (QObject* o : ResultsBox->children()) {
        auto* section = qobject_cast<QWidget*>(o);
        if (!section || section->isHidden()) continue;
        section->move(section->x(), y);
        y += section->height();
    }
    ResultsBox->resize(ResultsBox->width(), y);
}

void TSummaryScreen::FitWorksheetGrid() {
    // The grid is as large as its rows and columns; the panel scrolls it.
    TXGrid* grid = WorksheetGrid;
    const int width = grid->ColumnsWidth() + 2 * grid->frameWidth();
    grid->resize(width, grid->height());
    grid->FitHeightToRows();
    int bottom = grid->height();
    if (TXGridTotals* totals = grid->Totals()) {
        totals->Place();
        bottom = totals->geometry().bottom() + 1;
    }
    grid->parentWidget()->resize(width, bottom);
}

void TSummaryScreen::WorksheetGridClick(int col) {
    col = WorksheetGrid->Model().SkipToTabStop(col);
    for (const ColumnScroll& s : kWorksheetScroll) {
        if (col <= s.lastCol) {
            WorksheetPanel->horizontalScrollBar()->setValue(s.x);
            return;
        }
    }
}

}  // namespace cgt
