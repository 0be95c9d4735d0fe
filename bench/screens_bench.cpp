// The calculation screens an investor waits for, opened through the real
// frame on a calculated return of 10,000 assets: the choice table (its rows
// built, netted and shown), the 15-year exemption and the scrip for scrip
// roll-over (each reads every worksheet). Each must open well under a second.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "base/clock.h"
#include "calc/calc_chain.h"
#include "controls/control_context.h"
#include "interview/frame_host.h"
#include "interview/interviewframe.h"
#include "screens/navigator_groups.h"
#include "screens/screen_factory.h"
#include "store/fieldstore.h"
#include "store/modulerun.h"
#include "store/tags.h"

namespace {

using namespace cgt;

struct QuietHost : FrameHost {
    bool CloseQuery() override { return true; }
    void CloseHandler(CloseSender) override {}
    void ShowHelpTopic(int) override {}
    void RevealToolButtons() override {}
    void PostStoreAndClose() override {}
    void ShowPrintout(const std::string&) override {}
};

// `assets` share parcels bought in 1995 and sold in 2002, every fifth at a
// loss, every tenth an active asset kept for the 15-year exemption and every
// seventh exchanged in a takeover (scrip for scrip), with earlier years'
// losses; calculated as `cgt calc` does.
void BuildReturn(FieldStore& store, int assets) {
    for (int n = 1; n <= assets; ++n) {
        store.LoadInstance(kWsShares, n);
        store.SetFieldStr(kTagAssetDescription, "Parcel " + std::to_string(n));
        store.SetFieldStr(kTagAssetType, n % 10 == 0 ? "SA" : "SN");
        store.SetFieldStr(kTagAcquisitionDate, "15/03/1995");
        store.SetFieldLst(kTagCostElements,
                          std::make_shared<TextList>(TextList{"1 - Purchase/Acquisition cost", "15/03/1995", "",
                                                              "Purchase", "10000.00", "", "", ""}));
        store.SetFieldStr(kTagEventDate, "10/10/2002");
        store.SetFieldVal(kTagCapitalProceeds, n % 5 == 0 ? 8000 : 12000 + n);
        if (n % 7 == 0) {
            store.SetFieldChecked(kTagRollOverYes);
            store.SetFieldChecked(kTagMarriageBreakdownNo);
            store.SetFieldChecked(kTagScripRollover);
        } else {
            store.SetFieldChecked(kTagRollOverNo);
        }
        if (n % 10 == 0) store.SetFieldChecked(kTagFifteenYearExemption);
        store.StoreInstance(kWsShares, n);
    }
    store.SetFieldVal(kTagPriorOtherLosses, 50000);
    RunCalculationChain(store);
}

class Screens {
public:
    explicit Screens(int assets) : run_(dialogs_, clock_) {
        BuildReturn(run_.store(), assets);
        frame_ = std::make_unique<TInterviewFrame>(run_, host_, [](int n) { return CreateScreen(n); });
        frame_->SetNavigatorEntries(NavigatorGroups());
        InstallControlContext(frame_.get(), &context_);
        frame_->resize(800, 539);
        frame_->show();
    }
    // Shows `number` after a screen that reads nothing, so that each show
    // builds the screen afresh.
    void Show(int number) {
        run_.SetScreenNumber(2102);
        frame_->ShowCurrentScreen();
        run_.SetScreenNumber(number);
        frame_->ShowCurrentScreen();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    int Shown() const { return frame_->CurrentScreenNumber(); }

private:
    SilentDialogs dialogs_;
    FixedClock clock_{2003, 9, 1};
    ModuleRun run_;
    QuietHost host_;
    ControlContext context_{&dialogs_, &clock_};
    std::unique_ptr<TInterviewFrame> frame_;
};

void BM_OpenScreen(benchmark::State& state) {
    const int number = int(state.range(0));
    const int assets = int(state.range(1));
    Screens screens(assets);
    for (auto _ : state) {
        screens.Show(number);
        if (screens.Shown() != number) state.SkipWithError("the screen did not open");
    }
    state.SetLabel(number == 2103 ? "choice table" : number == 2105 ? "15-year exemption" : "scrip for scrip");
}
BENCHMARK(BM_OpenScreen)->ArgsProduct({{2103, 2105, 2106}, {10000}})->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
