// mainwin-screenshots DIR: renders the main window on its first screens, the
// notes window and the tag inspector into PNG files (docs/images).
// mainwin-screenshots DIR N...: renders the main window on screens N... only,
// as screen-N.png; N:BUTTON first clicks the screen's button of that name
// (a view of the summary screens, say) and writes screen-N-BUTTON.png.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "base/clock.h"
#include "calc/calc_chain.h"
#include "controls/control_context.h"
#include "controls/numedit.h"
#include "flow/code_tables.h"
#include "flow/flow_rules.h"
#include "flow/screen_catalogue.h"
#include "interview/interviewframe.h"
#include "interview/taginspector.h"
#include "mainwin/helpwindow.h"
#include "mainwin/mainwindow.h"
#include "mainwin/notes.h"
#include "mainwin/preview_form.h"
#include "report/txreport.h"
#include "store/modulerun.h"
#include "store/store_json.h"
#include "store/tags.h"
#include "support/settings_sandbox.h"

namespace {

bool Save(const QPixmap& pm, const QDir& dir, const char* name) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (!pm.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", path.toLocal8Bit().constData());
        return false;
    }
    std::printf("%s\n", path.toLocal8Bit().constData());
    return true;
}

// The main window with another window laid over its centre.
QPixmap Over(QWidget& main, QWidget& top) {
    QPixmap base = main.grab();
    const QPixmap overlay = top.grab();
    QPainter p(&base);
    const QPoint at((base.width() - overlay.width()) / 2, (base.height() - overlay.height()) / 2);
    p.fillRect(QRect(at + QPoint(4, 4), overlay.size()), QColor(0, 0, 0, 80));
    p.drawPixmap(at, overlay);
    p.setPen(Qt::darkGray);
    p.drawRect(QRect(at, overlay.size()).adjusted(0, 0, -1, -1));
    return base;
}

// One asset of a worksheet type, as its block screens would have stored it,
// so that the block screens show something.
void StoreSampleAsset(cgt::FieldStore& store, int type) {
    using namespace cgt;
    if (store.FieldHasData(ListFieldOf(type))) return;
    const bool shares = type == kWsShares;
    store.SetFieldStr(kTagInstanceName, shares ? "BHP Billiton 1,000 shares" : "Example asset");
    const ItemList types = AssetTypeItems(type);
    if (!types.empty()) store.SetFieldStr(kTagAssetType, types.back().substr(0, 2));
    store.SetFieldStr(kTagAcquisitionDate, "01/03/1995");
    store.SetFieldLst(kTagCostElements, std::make_shared<TextList>(TextList{
                                            "1 - Purchase/Acquisition cost", "01/03/1995", "", "1,000 shares at $9.50",
                                            "9500.00", "", "", "", "2A - Incidentals re holding & acquisition",
                                            "01/03/1995", "", "Brokerage", "95.00", "", "", ""}));
    store.SetFieldStr(kTagEventCode, "A1");
    store.SetFieldStr(kTagEventDate, "15/11/2002");
    store.SetFieldVal(kTagCapitalProceeds, 14250);
    if (shares)
        store.SetFieldLst(kTagReceipts, std::make_shared<TextList>(TextList{
                                            "15/11/2002", "", "Return of capital $1.50 a share", "1500.00", "", ""}));
    if (type == kWsTrustInterest)
        store.SetFieldLst(kTagReceipts,
                          std::make_shared<TextList>(TextList{
                              "15/01/2001", "30/06/2001", "Distribution Dec 2000", "", "100.00", "50.00", "", "300.00",
                              "15/01/2003", "30/06/2003", "Distribution Dec 2002", "", "", "", "20.00", "400.00"}));
    if (type == kWsDepreciating) {
        store.SetFieldVal(kTagDepreciatingCost, 10000);
        store.SetFieldStr(kTagTaxableUsePercent, "80.00%");
    }
    if (type == kWsCreatedRights || type == kWsOtherReceipts) {
        store.SetFieldVal(kTagOtherProceeds, 5000);
        store.SetFieldVal(kTagOtherCostBase, 600);
        store.SetFieldVal(kTagOtherGain, 4400);
    }
    store.StoreInstance(type, 1);
}

// A few rows of the trust distribution and manual calculation tables.
void StoreSampleTables(cgt::FieldStore& store) {
    using namespace cgt;
    const auto table = [](int cells, std::initializer_list<std::initializer_list<const char*>> rows) {
        auto list = std::make_shared<TextList>();
        for (const auto& row : rows) {
            TextList line(static_cast<std::size_t>(cells), std::string());
            std::copy(row.begin(), row.end(), line.begin());
            list->insert(list->end(), line.begin(), line.end());
        }
        return list;
    };
    store.SetFieldLst(kTagTrustTable,
                      table(41, {{"Growth Property Fund", "150.00", "400.00", "50.00", "", "", "", "", "", "", "600"},
                                 {"Smith Family Trust", "", "250.00", "", "", "", "", "", "120.00", "", "370"}}));
    store.SetFieldLst(kTagManualTable,
                      table(21, {{"", "House - partly exempt", "RN", "38000.00", "40000.00"},
                                 {"", "Painting", "A ", "", "", "", "", "", "1200.00", "No"},
                                 {"", "Farm - rolled over", "RN", "", "", "", "", "5000.00", "", "Yes", "Yes"}}));
}

// A small business owner's return, calculated, for the choice table and the
// screens after it: shares and goodwill of the business, a shop, and shares
// exchanged in a takeover.
void StoreSampleReturn(cgt::FieldStore& store) {
    using namespace cgt;
    if (store.FieldHasData(kTagConcessionGains)) return;
    const auto asset = [&](int type, const char* name, const char* code, const char* acquired, const char* cost,
                           const char* sold, long double proceeds, std::vector<int> ticked) {
        const int n = store.WorksheetCount(type) + 1;
        store.LoadInstance(type, n);
        store.SetFieldStr(kTagAssetDescription, name);
        store.SetFieldStr(kTagAssetType, code);
        store.SetFieldStr(kTagAcquisitionDate, acquired);
        store.SetFieldLst(kTagCostElements,
                          std::make_shared<TextList>(
                              TextList{"1 - Purchase/Acquisition cost", acquired, acquired, "", cost, "", "", ""}));
        store.SetFieldStr(kTagEventDate, sold);
        store.SetFieldVal(kTagCapitalProceeds, proceeds);
        for (int tag : ticked) store.SetFieldChecked(tag);
        if (type == kWsShares && n == 1)
            store.SetFieldLst(kTagElections,
                              std::make_shared<TextList>(TextList{"SBAA concessions", "5000.00", "", ""}));
        if (type == kWsShares && n == 2) {
            store.SetFieldVal(kTagScripMarketValue, 9000);
            store.SetFieldVal(kTagScripCash, 1000);
        }
        store.StoreInstance(type, n);
    };
    asset(kWsShares, "Bakery Pty Ltd shares", "SA", "10/01/2000", "10000.00", "15/11/2002", 30000, {kTagRollOverNo});
    asset(kWsShares, "Alpha Ltd 2,000 shares", "SN", "10/01/2000", "4000.00", "20/10/2002", 10000,
          {kTagRollOverYes, kTagMarriageBreakdownNo, kTagScripRollover});
    asset(kWsRealEstate, "Shop, 12 High St", "RA", "01/08/1996", "150000.00", "03/03/2003", 260000, {kTagRollOverNo});
    asset(kWsOtherAssets, "Goodwill of the bakery", "G ", "01/10/1986", "20000.00", "15/11/2002", 120000,
          {kTagRollOverNo, kTagFifteenYearExemption});
    RunCalculationChain(store);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    cgt::test::KeepSettingsInATemporaryFolder();  // the pictures leave no window size behind
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: mainwin-screenshots DIR [--demo RETURN.json] [--size WxH] [--list | --all | "
                     "N[/WORKSHEET][:BUTTON]...]\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) return 1;

    cgt::SilentDialogs dialogs;
    cgt::FixedClock clock(2003, 10, 1);
    cgt::ControlContext context{&dialogs, &clock};
    cgt::ModuleRun run(dialogs, clock);
    // With --demo the screens show a return read from JSON and calculated
    // as `cgt calc` does; otherwise each screen gets sample data of its own.
    // --size makes the window that size; --all takes every screen number.
    bool demo = false;
    QSize size(cgt::kMainWidth, cgt::kMainHeight);
    std::vector<std::string> screens;
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--demo" && i + 1 < argc) {
            std::ifstream in(argv[i + 1]);
            cgt::ReadStoreJson(in, argv[i + 1]).PutInto(run);
            cgt::RunCalculationChain(run.store());
            demo = true;
            ++i;
        } else if (a == "--size" && i + 1 < argc) {
            int w = 0, h = 0;
            if (std::sscanf(argv[i + 1], "%dx%d", &w, &h) != 2) return 2;
            size = QSize(w, h);
            ++i;
        } else if (a == "--all") {
            for (const cgt::ScreenDef& d : cgt::ScreenCatalogue()) screens.push_back(std::to_string(d.number));
        } else if (a == "--list") {
            // The screen numbers, for a caller that shows each in a run of its
            // own (a screen whose check refuses the move keeps the frame on it).
            for (const cgt::ScreenDef& d : cgt::ScreenCatalogue()) std::printf("%d\n", d.number);
            return 0;
        } else {
            screens.push_back(a);
        }
    }
    run.SetHelpDesk(true);
    run.store().SetFieldStr(cgt::kTagIdentity, "DEMO 12345678");
    if (!demo) {
        run.store().SetFieldVal(920, 200);
        run.store().SetFieldVal(921, 1500);
    }
    run.currentFileName = "DEMO.DAT";

    cgt::TMainWindow window(run);
    cgt::InstallControlContext(&window, &context);
    window.SetCaption();
    window.resize(size);
    window.show();
    window.OnTimerTick();  // the frame follows the window from the first tick
    QCoreApplication::processEvents();
    bool ok = true;
    // A print button's preview is grabbed instead of shown modally.
    std::string previewName;
    window.showPreview = [&](std::unique_ptr<cgt::TXReport> report) {
        cgt::TPreviewForm preview(std::move(report), dialogs);
        preview.setWindowState(Qt::WindowNoState);
        preview.resize(1000, 760);
        preview.show();
        QCoreApplication::processEvents();
        ok = Save(preview.grab(), dir, previewName.c_str()) && ok;
    };
    if (!screens.empty()) {
        for (const std::string& screenArg : screens) {
            const char* arg = screenArg.c_str();
            const int number = std::atoi(arg);
            const char* slash = std::strchr(arg, '/');
            const char* colon = std::strchr(arg, ':');
            const QString button = colon ? QString::fromLocal8Bit(colon + 1) : QString();
            // A block screen edits an asset of its block's type (the first
            // unless a worksheet number is given).
            if (const int type = cgt::BlockTypeOf(number); type != 0) {
                if (!demo) StoreSampleAsset(run.store(), type);
                window.Frame()->pendingType = type;
                window.Frame()->reopen = true;
                window.Frame()->worksheetNumber = slash ? std::atoi(slash + 1) : 1;
            }
            if (!demo && (number == 2019 || number == 2101)) StoreSampleTables(run.store());
            // The choice table and the screens after it show a return with gains.
            if (!demo && number >= 2103 && number <= 2107) StoreSampleReturn(run.store());
            run.SetScreenNumber(number);
            window.Frame()->ShowCurrentScreen();
            QCoreApplication::processEvents();
            previewName = "preview-" + std::to_string(number) + (colon ? "-" + std::string(colon + 1) : "") + ".png";
            if (!button.isEmpty()) {
                auto* b = window.Frame()->CurrentScreen()->findChild<QAbstractButton*>(button);
                if (!b) {
                    // Reported, and the other pictures still made.
                    std::fprintf(stderr, "no button %s on screen %d\n", colon + 1, number);
                    ok = false;
                    continue;
                }
                b->click();
                QCoreApplication::processEvents();
            }
            const std::string name = "screen-" + std::to_string(number) +
                                     (slash ? "-" + std::to_string(std::atoi(slash + 1)) : "") +
                                     (colon ? "-" + std::string(colon + 1) : "") + ".png";
            ok = Save(window.grab(), dir, name.c_str()) && ok;
        }
        return ok ? 0 : 1;
    }
    const struct {
        int screen;
        const char* file;
    } shots[] = {{2004, "mainwin-2004.png"},
                 {2005, "mainwin-2005.png"},
                 {2088, "mainwin-2088.png"},
                 // one screen of each question family and the main residence information
                 {2006, "mainwin-2006.png"},
                 {2007, "mainwin-2007.png"},
                 {2017, "mainwin-2017.png"},
                 {2032, "mainwin-2032.png"}};
    for (const auto& s : shots) {
        run.SetScreenNumber(s.screen);
        window.Frame()->ShowCurrentScreen();
        QCoreApplication::processEvents();
        ok = Save(window.grab(), dir, s.file) && ok;
    }

    // Two pages of the help book.
    for (int topic : {3, 33}) {
        window.ShowHelpTopic(topic);
        QCoreApplication::processEvents();
        const std::string name = "help-" + std::to_string(topic) + ".png";
        ok = Save(window.Help()->grab(), dir, name.c_str()) && ok;
        window.Help()->hide();
    }

    window.NotesClick();
    cgt::TNotesWindow* notes = window.Notes();
    notes->Box()->setPlainText(
        QStringLiteral("Ask the broker for the contract notes of the BHP parcel.\n"
                       "Losses of earlier years: see the 2002 return, item 17."));
    QCoreApplication::processEvents();
    ok = Save(Over(window, *notes), dir, "mainwin-notes.png") && ok;
    notes->close();

    window.Frame()->TagsClick();
    cgt::TTagInspector* inspector = window.Frame()->TagInspector();
    inspector->TagBox()->SetTextValue("921");
    inspector->GetClick();
    QCoreApplication::processEvents();
    ok = Save(Over(window, *inspector), dir, "mainwin-tag-inspector.png") && ok;
    return ok ? 0 : 1;
}
