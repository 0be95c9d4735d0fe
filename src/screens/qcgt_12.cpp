#include "screens/qcgt_12.h"

#include <QKeyEvent>
#include <optional>

#include "base/income_year.h"
#include "base/text.h"
#include "calc/calc_util.h"
#include "calc/cost_elements.h"
#include "controls/control_context.h"
#include "controls/textlbl.h"
#include "controls/xgrid.h"
#include "controls/xgrid_inplace_edit.h"
#include "flow/code_tables.h"
#include "interview/interviewframe.h"
#include "store/fieldstore.h"
#include "store/tags.h"

namespace cgt {

namespace {

// Rows in date order; the cost element breaks ties.
std::string SortKeys() {
    return std::to_string(kCostElementIncurred) + "," + std::to_string(kCostElementPaid) + "," +
           std::to_string(kCostElementCode);
}

// Sections of the help label: one per column, two for the incurred date.
constexpr int kElementHelp = 1;
constexpr int kIncurredHelpSharesAndUnits = 2;
constexpr int kIncurredHelpOther = 3;
constexpr int kPaidHelp = 4;  // the sections of columns 2 to 7 follow on

constexpr const char* kElementOneAfterSection2 =
    "If you completed Section 2, Cost element 1 can only be entered if purchased by instalments.";
constexpr const char* kIncurredBeforeAcquisition =
    "Check dates. An expense must be incurred no earlier than the acquisition date.";
constexpr const char* kIncurredBeforeEffective =
    "Check dates. An expense must be incurred no earlier than the effective date entered previously..";
constexpr const char* kExcludedAboveAmount =
    "Check Cost Base adjustment amount entered.  Amount entered must not exceed original amount already entered.";
constexpr const char* kRowIncomplete = "If either dates and amount are present then all must be completed.";
constexpr const char* kAdjustmentNotNegative =
    "If cost element 6C or 6R is present, amount must be entered as a negative.";

// The instalment rule of the incurred date is that of shares and units.
bool SharesOrUnits(int worksheetType) {
    return worksheetType == kWsShares || worksheetType == kWsTrustInterest || worksheetType == kWsCeasingResidency;
}

bool IsAdjustment(const std::string& code) {
    return code == "6C" || code == "6R";
}

struct RowFault {
    const char* message;
    int col;
};

// The first rule a row of the grid breaks, in the order they are checked.
std::optional<RowFault> FaultOf(const GridModel& grid, int row, std::optional<int> effective,
                                std::optional<int> acquired) {
    const std::string code = CodeOf(grid.Cell(kCostElementCode, row));
    const auto incurred = DateOfText(grid.Cell(kCostElementIncurred, row));
    const auto paid = DateOfText(grid.Cell(kCostElementPaid, row));
    const std::string amount = Trim(grid.Cell(kCostElementAmount, row));
    const std::string excluded = Trim(grid.Cell(kCostElementExcluded, row));

    if (effective && code == "1") return RowFault{kElementOneAfterSection2, kCostElementCode};
    if (incurred && acquired && *acquired > *incurred) return RowFault{kIncurredBeforeAcquisition, kCostElementCode};
    if (incurred && effective && *effective > *incurred) return RowFault{kIncurredBeforeEffective, kCostElementCode};
    if ((incurred && *incurred < kCgtStart) || (paid && *paid < kCgtStart))
        return RowFault{kMsgDateBeforeCgt, kCostElementCode};
    if (!amount.empty() && !excluded.empty() && AmountOfText(amount) < AmountOfText(excluded))
        return RowFault{kExcludedAboveAmount, kCostElementAmount};
    // A dated row is a cost and needs its element and amount; an undated one may only be a note.
    const bool complete = incurred ? !code.empty() && !amount.empty() : code.empty() && amount.empty();
    if (!complete) return RowFault{kRowIncomplete, kCostElementCode};
    if (IsAdjustment(code) && AmountOfText(amount) > 0) return RowFault{kAdjustmentNotNegative, kCostElementCode};
    return std::nullopt;
}

}  // namespace

TQCGT_12::TQCGT_12(QWidget* parent) : TBlockScreen(WorksheetRole::BlockScreen, parent) {
    SetUp(ui);
    grid_ = ui.XGrid1;
    help_ = ui.HelpTextLbl;
}

void TQCGT_12::Created(TInterviewFrame& frame) {
    TBlockScreen::Created(frame);

    const ItemList elements = CostElementItems(WorksheetType());
    grid_->Model().SetPickList(kCostElementCode, elements);
    // The date paid is kept in the list but not asked for here.
    grid_->Model().SetColWidth(kCostElementPaid, kGridHiddenColWidth);
    // A scroll bar across only when the columns do not fit side by side.
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(grid_, &TXGrid::cellEntered, this, GuardedSlot(this, [this](int col, int row) { XGrid1Click(col, row); }));
    grid_->Editor()->installEventFilter(this);

    // The help lines of cost elements carry their help topic in a v code:
    // only the elements this kind of asset offers are explained.
    help_->SetOnCheckTag([elements](TTextLbl*, int topic, bool& pass) {
        pass = false;
        for (const std::string& item : elements)
            if (CostElementHelpTopic(CodeOf(item)) == topic) pass = true;
    });
}

void TQCGT_12::Shown(TInterviewFrame& frame) {
    ShowDescription();
    frame.ShowPicker(false);
    RegisterChecks([this] { return Checks(); });
    RegisterNext([this] {
        grid_->SortRows(SortKeys());
        return kBlockStep;
    });
    help_->setCurrentSection(kElementHelp);
    grid_->setFocus();
}

void TQCGT_12::XGrid1Click(int col, int row) {
    // The cursor passes over the columns without a Tab stop.
    col = grid_->Model().SkipToTabStop(col);
    if (col == kCostElementCode)
        help_->setCurrentSection(kElementHelp);
    else if (col == kCostElementIncurred)
        help_->setCurrentSection(SharesOrUnits(WorksheetType()) ? kIncurredHelpSharesAndUnits : kIncurredHelpOther);
    else
        help_->setCurrentSection(kPaidHelp + col - kCostElementPaid);
    // An adjustment has no excluded amounts.
    if (col != kCostElementCode && IsAdjustment(CodeOf(grid_->Model().Cell(kCostElementCode, row)))) {
        grid_->Model().SetCell(kCostElementExcluded, row, std::string());
        grid_->Model().SetCell(kCostElementExcludedReduced, row, std::string());
    }
}

bool TQCGT_12::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_->Editor() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        ShowCostElementHelp();
        return true;
    }
    return TBlockScreen::eventFilter(watched, event);
}

void TQCGT_12::ShowCostElementHelp() {
    const std::string code = CodeOf(grid_->Model().Cell(kCostElementCode, grid_->Row()));
    if (!code.empty()) gridHelpTopic_ = CostElementHelpTopic(code);
    // Without a topic of its own the grid opens the screen's.
    Frame().MoreClick(gridHelpTopic_);
}

bool TQCGT_12::Checks() {
    const auto effective = FieldDate(Store(), kTagCostBaseDate);
    const auto acquired = FieldDate(Store(), kTagAcquisitionDate);
    for (int row = 1; row < grid_->rowCount(); ++row) {
        const auto fault = FaultOf(grid_->Model(), row, effective, acquired);
        if (!fault) continue;
        Reject(fault->message, nullptr);
        // Put the cursor on the row first: taking the focus the usual way
        // would start the grid again at row 1.
        grid_->MoveTo(fault->col, row, false);
        grid_->setFocus(Qt::MouseFocusReason);
        return false;
    }
    return true;
}

}  // namespace cgt
