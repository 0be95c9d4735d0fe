#include "screens/qcgt_62.h"

#include <QLabel>
#include <QPushButton>

#include "base/dialogs.h"
#include "base/numtext.h"
#include "calc/cgt_schedule.h"
#include "controls/control_context.h"
#include "controls/qt_text.h"
#include "controls/xgrid.h"
#include "flow/screen_catalogue.h"
#include "interview/interviewframe.h"
#include "store/fieldstore.h"
#include "store/modulerun.h"

namespace cgt {
namespace {

using namespace choice;

// The cursor stays in the columns from the indexed gain to the net gain.
constexpr EntryColumns kChoiceEntryColumns{kIndexedGain, kNetGain};
constexpr std::size_t kChoicesNavigatorNode = 14;
// The unapplied losses grid's rows and columns.
constexpr int kPriorYearsRow = 1;
constexpr int kCurrentYearRow = 2;
constexpr int kCollectableLossCol = 1;
constexpr int kOtherLossCol = 2;

constexpr const char* kRestartQuestion = "Do you want to delete all saved choices and losses applied and start afresh?";
constexpr const char* kRestartDone =
    "Deferment and method choices have been reset and applied losses have been cleared.";
constexpr const char* kDeferQuestion =
    "Do you want to delete deferment choices made and make deferment choices afresh?";
constexpr const char* kDeferDone = "Deferment choices have been reset.";
constexpr const char* kMethodQuestion =
    "Do you want to delete all method choices made and make method choices afresh?This will effect any losses "
    "already applied";
constexpr const char* kMethodDone = "Method choices have been reset.";

QStringList ToQtList(const std::vector<std::string>& texts) {
    QStringList list;
    for (const auto& t : texts) list << ToQt(t);
    return list;
}

std::string LossText(double amount) {
    return FloatToStrWD(amount, 10, 0);
}

}  // namespace

TQCGT_62::TQCGT_62(QWidget* parent) : TCalcGridScreen(kChoiceEntryColumns, parent) {
    SetUp(ui);
}

void TQCGT_62::Created(TInterviewFrame& frame) {
    TCalcGridScreen::Created(frame);
    TXGrid* grid = Grid();
    grid->setDisplay(ToQtList(ChoiceGridColumns()));
    // A scroll bar across only when the columns do not fit side by side.
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ui.XGrid2->setDisplay(ToQtList(UnappliedLossGridColumns()));
    // Its two rows show whole, with nothing to scroll and no room below them.
    ui.XGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui.XGrid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const auto button = [this](QPushButton* b, void (TQCGT_62::*click)()) {
        connect(b, &QPushButton::clicked, this, GuardedSlot(this, [this, click] { (this->*click)(); }));
    };
    button(ui.RestartBtn, &TQCGT_62::RestartBtnClick);
    button(ui.ApplyLossBtn, &TQCGT_62::ApplyLossBtnClick);
    button(ui.DeferBtn, &TQCGT_62::DeferBtnClick);
    button(ui.MethodBtn, &TQCGT_62::MethodBtnClick);
    connect(grid, &TXGrid::cellEntered, this, GuardedSlot(this, [this] { XGrid1Click(); }));
}

void TQCGT_62::Shown(TInterviewFrame& frame) {
    frame.ShowNavigator(NavigatorTree().at(kChoicesNavigatorNode).screenNumber);
    Grid()->setFixedCols(3);
    table_.Build(Store());
    losses_ = std::make_unique<LossApplication>(table_, Store());
    TableToGrid();
    ShowUnapplied(losses_->InitialUnapplied());
    RegisterHandlers([this] { return Checks(); }, false, [this] { WriteBack(); });
    RecomputeNets();
}

void TQCGT_62::GridToTable() {
    const TextList list = Grid()->Model().SaveToList();
    table_.rows.assign(list.size() / kColumnCount, ChoiceRow{});
    for (std::size_t i = 0; i < table_.rows.size() * kColumnCount; ++i)
        table_.rows[i / kColumnCount][i % kColumnCount] = list[i];
}

void TQCGT_62::TableToGrid() {
    ShowRows(table_.ToList());
}

void TQCGT_62::ShowUnapplied(const UnappliedLosses& l) {
    ui.XGrid2->setRowCount(3);
    ui.XGrid2->FitHeightToRows();
    ui.XGrid2->SetCell(0, kPriorYearsRow, QStringLiteral("Prior Years"));
    ui.XGrid2->SetCell(0, kCurrentYearRow, QStringLiteral("Current Year"));
    ui.XGrid2->SetCell(kCollectableLossCol, kPriorYearsRow, ToQt(LossText(l.priorCollectable)));
    ui.XGrid2->SetCell(kOtherLossCol, kPriorYearsRow, ToQt(LossText(l.priorOther)));
    ui.XGrid2->SetCell(kCollectableLossCol, kCurrentYearRow, ToQt(LossText(l.currentCollectable)));
    ui.XGrid2->SetCell(kOtherLossCol, kCurrentYearRow, ToQt(LossText(l.currentOther)));
}

void TQCGT_62::RecomputeNets() {
    ui.NetCapGainLabel->hide();
    const std::string label = losses_->RecomputeNets();
    TableToGrid();
    ShowUnapplied(losses_->Unapplied());
    ui.NetCapGainLabel->setText(ToQt(label));
    ui.NetCapGainLabel->show();
}

void TQCGT_62::OnRows(const std::function<void()>& action) {
    GridToTable();
    action();
    RecomputeNets();
}

void TQCGT_62::XGrid1Click() {
    OnRows([] {});
}

void TQCGT_62::RestartBtnClick() {
    // The table is rebuilt from what is stored before anything is asked:
    // edits made since the screen was shown are gone either way.
    table_.Build(Store(), false);
    TableToGrid();
    Dialogs& dialogs = Frame().Run().dialogs();
    const bool yes = dialogs.AskYesNo(kRestartQuestion, "Confirm", MsgIcon::Question);
    if (yes) table_.ClearChoices();
    RecomputeNets();
    if (yes) dialogs.Inform(kRestartDone);
}

void TQCGT_62::DeferBtnClick() {
    Dialogs& dialogs = Frame().Run().dialogs();
    if (!dialogs.AskYesNo(kDeferQuestion, "Confirm", MsgIcon::Question)) return OnRows([] {});
    OnRows([this] {
        for (auto& r : table_.rows) r[kWantDefer].clear();
        table_.MakeDeferChoices();
    });
    dialogs.Inform(kDeferDone);
}

void TQCGT_62::MethodBtnClick() {
    Dialogs& dialogs = Frame().Run().dialogs();
    if (!dialogs.AskYesNo(kMethodQuestion, "Confirm", MsgIcon::Question)) return OnRows([] {});
    OnRows([this] {
        for (auto& r : table_.rows) r[kMethod].clear();
        table_.MakeMethodChoices();
    });
    dialogs.Inform(kMethodDone);
}

void TQCGT_62::ApplyLossBtnClick() {
    OnRows([this] { losses_->ApplyAll(Frame().Run().dialogs()); });
}

void TQCGT_62::WriteBack() {
    // A loss typed and left by pressing Next has not been netted yet.
    OnRows([] {});
    table_.WriteBack(Store());
    ComputeCgtSchedule(Store(), table_, *losses_);
}

std::optional<GridCheckFailure> TQCGT_62::Checks() const {
    const auto failure = losses_->CheckOnNext();
    if (!failure) return std::nullopt;
    return GridCheckFailure{failure->message, failure->row, failure->column};
}

}  // namespace cgt
