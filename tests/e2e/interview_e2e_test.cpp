// The module as a host sees it: load, start on an encrypted return, click
// through the screens, end, and read the saved file back.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "base/clock.h"
#include "calc/asset_worksheet.h"
#include "e2e/module_loader.h"
#include "store/datafile.h"
#include "store/datafile_fs.h"
#include "store/modulerun.h"
#include "store/tags.h"
#include "support/qt_print.h"
#include "support/scripted_dialogs.h"
#include "support/settings_sandbox.h"
#include "support/test_folder.h"

namespace cgt::test {
namespace {

ModuleLibrary* g_library = nullptr;

// Unloads the module while the application still exists, as a host does;
// left loaded, its windows would outlive Qt at process exit.
class UnloadModule : public ::testing::Environment {
public:
    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // A window left by a run that did not end goes too (a dialog owned by
        // another window may go with its owner first).
        QList<QPointer<QWidget>> left;
        for (QWidget* w : QApplication::topLevelWidgets()) left.append(w);
        for (const QPointer<QWidget>& w : left) delete w.data();
        delete g_library;
        g_library = nullptr;
    }
};
const auto* const kUnload = ::testing::AddGlobalTestEnvironment(new UnloadModule);

ModuleLibrary& Library() {
    // Loaded once for the program, as a host keeps it for one run.
    if (!g_library) g_library = new ModuleLibrary;
    return *g_library;
}

const std::string kIdentity = "SMITH J 12345678";

QPushButton* Button(const char* name) {
    return MainWindow() ? MainWindow()->findChild<QPushButton*>(QString::fromLatin1(name)) : nullptr;
}

QString ScreenNumber() {
    auto* label = MainWindow()->findChild<QLabel*>(QStringLiteral("ScreenNumber"));
    return label ? label->text() : QString();
}

// A new encrypted return; `fill` may put data into it first.
std::string NewReturn(const std::string& name, const std::function<void(FieldStore&)>& fill = {}) {
    const auto path = std::filesystem::temp_directory_path() / ("cgt_e2e_" + name + ".dat");
    std::filesystem::remove(path);
    ScriptedDialogs dialogs;
    ModuleRun run(dialogs, DefaultClock());
    run.identity = kIdentity;
    run.store().SetFieldStr(kTagIdentity, kIdentity);
    if (fill) fill(run.store());
    SaveReturnFile(run, path.string());
    return path.string();
}

// The store of a saved return, read back as the host would.
std::unique_ptr<ModuleRun> LoadSaved(const std::string& file, ScriptedDialogs& dialogs) {
    auto saved = std::make_unique<ModuleRun>(dialogs, DefaultClock());
    saved->identity = kIdentity;
    LoadReturnFile(*saved, file);
    return saved;
}

bool g_boxExpected = false;

// Answers the next message box the module shows with `button`, as a user
// would click it, and keeps its text.
void AnswerNextBox(QMessageBox::StandardButton button, QString* text) {
    g_boxExpected = true;
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, button, text] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box || !box->isVisible()) continue;
            *text = box->windowTitle() + QLatin1Char('|') + box->text();
            poll->stop();
            poll->deleteLater();
            g_boxExpected = false;
            QTest::mouseClick(box->button(button), Qt::LeftButton);
            return;
        }
    });
    poll->start();
}

// Closes the next preview the module shows with its Close button, keeping
// its page label.
void ClosePreviewWhenShown(QString* pages) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, pages] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() != QLatin1String("PreviewForm") || !w->isVisible()) continue;
            auto* label = w->findChild<QLabel*>(QStringLiteral("MaxPage"));
            *pages = label ? label->text() : QString();
            poll->stop();
            poll->deleteLater();
            QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("BtnExit")), Qt::LeftButton);
            return;
        }
    });
    poll->start();
}

// Answers the message boxes the module shows next, one after another, with
// `buttons` in order, keeping their texts.
void AnswerBoxes(std::vector<QMessageBox::StandardButton> buttons, std::vector<std::string>* texts) {
    if (buttons.empty()) return;
    g_boxExpected = true;
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, buttons, texts] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box || !box->isVisible()) continue;
            texts->push_back(box->text().toStdString());
            poll->stop();
            poll->deleteLater();
            g_boxExpected = false;
            QAbstractButton* button = box->button(buttons.front());
            if (!button) {
                box->done(QMessageBox::Cancel);
                return;
            }
            // The next box may open inside this click, so its poll starts first.
            AnswerBoxes({buttons.begin() + 1, buttons.end()}, texts);
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    });
    poll->start();
}

// Closes any message box no test step expects, keeping its text, so that a
// refused step fails the test with the message instead of waiting forever.
class UnexpectedBoxes {
public:
    UnexpectedBoxes() {
        timer_.setInterval(50);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (g_boxExpected) return;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (!box || !box->isVisible()) continue;
                texts.push_back((box->windowTitle() + QLatin1Char('|') + box->text()).toStdString());
                box->done(QMessageBox::Ok);
            }
        });
        timer_.start();
    }
    std::vector<std::string> texts;

private:
    QTimer timer_;
};

std::string Seen(const UnexpectedBoxes& boxes) {
    std::string all;
    for (const std::string& t : boxes.texts) all += "\n  box: " + t;
    return all;
}

// A control of the screen on display, by name.
QWidget* Control(const char* name) {
    for (QWidget* w : MainWindow()->findChildren<QWidget*>(QString::fromLatin1(name)))
        if (w->isVisible()) return w;
    return nullptr;
}

// Clicks into a control and types, as a user does.
void TypeInto(const char* name, const char* keys) {
    QWidget* w = Control(name);
    ASSERT_NE(w, nullptr) << name << " on " << ScreenNumber().toStdString();
    QTest::mouseClick(w, Qt::LeftButton);
    QCoreApplication::processEvents();
    QTest::keyClicks(MainWindow()->focusWidget(), QString::fromLatin1(keys));
}

void Tick(const char* name) {
    auto* box = qobject_cast<QCheckBox*>(Control(name));
    ASSERT_NE(box, nullptr) << name;
    ASSERT_TRUE(box->isVisible() && box->isEnabled()) << name;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

// Keys to the grid's cell editor, which has the focus while a cell is edited.
void GridKey(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(MainWindow()->focusWidget(), key, mods);
    QCoreApplication::processEvents();
}

// The cells of one grid row, typed from the row's first column with Tab
// after each; a pick-list column opens its list (Alt+Down) and takes the
// typed characters there.
void TypeGridRow(const std::vector<const char*>& cells, int pickColumn) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (int(i) == pickColumn) {
            QApplication::setActiveWindow(MainWindow());
            QCoreApplication::processEvents();
            GridKey(Qt::Key_Down, Qt::AltModifier);
            QListWidget* list = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* l = qobject_cast<QListWidget*>(w); l && l->isVisible()) list = l;
            ASSERT_NE(list, nullptr) << "no pick list";
            QTest::keyClicks(list, QString::fromLatin1(cells[i]));
            // Taking the item moves on to the next cell.
            QTest::keyClick(list, Qt::Key_Return);
            QCoreApplication::processEvents();
            continue;
        }
        QTest::keyClicks(MainWindow()->focusWidget(), QString::fromLatin1(cells[i]));
        GridKey(Qt::Key_Tab);
    }
}

// Clicks the first visible column of row 1 of the grid on display, whose
// title row has `titleLines` lines, as a user starts typing a table.
void ClickFirstRow(int titleLines) {
    auto* grid = qobject_cast<QAbstractScrollArea*>(Control("XGrid1"));
    ASSERT_NE(grid, nullptr);
    const int title = QFontMetrics(grid->font()).boundingRect(QStringLiteral("W")).height() * titleLines + 4;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(20, title + 10));
    QCoreApplication::processEvents();
}

// The stored worksheet instance, unpacked into the working tags.
void OpenSavedInstance(ModuleRun& saved, int type, int n) {
    saved.store().LoadInstance(type, n);
}

// "make all choices" on the choice table, both its boxes answered; the
// texts of the boxes.
std::vector<std::string> MakeAllChoices() {
    std::vector<std::string> answered;
    AnswerBoxes({QMessageBox::Yes, QMessageBox::Ok}, &answered);
    QTest::mouseClick(qobject_cast<QPushButton*>(Control("ApplyLossBtn")), Qt::LeftButton);
    QCoreApplication::processEvents();
    return answered;
}

// The saved return's totals and schedule boxes.
void ExpectSavedTotals(ModuleRun& saved, long double totalGains, long double netGain,
                       std::initializer_list<std::pair<int, long double>> schedule) {
    FieldStore& store = saved.store();
    EXPECT_EQ(store.GetFieldVal(kTagTotalGains), totalGains);
    EXPECT_EQ(store.GetFieldVal(kTagNetCapitalGain), netGain);
    EXPECT_EQ(store.GetFieldVal(kTagLossesCarriedForward, true), 0);
    OpenSavedInstance(saved, kWsSchedule, 1);
    for (const auto& [tag, value] : schedule) EXPECT_EQ(store.GetFieldVal(tag, true), value) << "field " << tag;
}

// Clicks a frame button and lets the reload it posts run.
void Press(const char* name) {
    QPushButton* b = Button(name);
    ASSERT_NE(b, nullptr) << name;
    ASSERT_TRUE(b->isVisible()) << name << " is hidden on " << ScreenNumber().toStdString();
    QTest::mouseClick(b, Qt::LeftButton);
    QCoreApplication::processEvents();
    // The screen left is gone before the next one is typed into.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Start(NotifyRecorder& notify, const std::string& file, int screen) {
    const std::string f = ShortString(file), id = ShortString(kIdentity), cmd = ShortString("");
    Library().run(0, reinterpret_cast<intptr_t>(&notify), reinterpret_cast<const unsigned char*>(f.data()),
                  reinterpret_cast<const unsigned char*>(id.data()), reinterpret_cast<const unsigned char*>(cmd.data()),
                  screen, 20, 20, 800, 575, 0, 0);
}

TEST(ModuleExports, CheckVersionIsTheSignOfOneMinusTheVersion) {
    ASSERT_TRUE(Library().Loaded()) << dlerror();
    // No run yet: nowhere to have stopped.
    EXPECT_EQ(Library().failedScreen(), 0);
    const struct {
        int version;
        int expected;
    } cases[] = {{1, 0}, {0, 1}, {2, -1}, {-5, 1}, {65537, 0}};
    for (const auto& c : cases) EXPECT_EQ(Library().checkVersion(c.version), c.expected) << c.version;
}

TEST(ModuleEndToEnd, FirstScreensToTheManualTableAndTheFileIsSaved) {
    ASSERT_TRUE(Library().Loaded()) << dlerror();
    const std::string file = NewReturn("first_screens");
    NotifyRecorder notify;
    Start(notify, file, 2004);
    ASSERT_NE(MainWindow(), nullptr);
    EXPECT_TRUE(MainWindow()->isVisible());
    EXPECT_EQ(MainWindow()->size(), QSize(800, 575));
    EXPECT_EQ(MainWindow()->windowTitle(), QString::fromStdString("Verimo 2003 - " + file));
    EXPECT_EQ(ScreenNumber(), QStringLiteral("2004"));
    EXPECT_EQ(Library().failedScreen(), 0);

    Button("BtnNext")->click();
    EXPECT_EQ(ScreenNumber(), QStringLiteral("2005"));
    auto* collectables = MainWindow()->findChild<QLineEdit*>(QStringLiteral("Edit920"));
    auto* other = MainWindow()->findChild<QLineEdit*>(QStringLiteral("Edit921"));
    ASSERT_TRUE(collectables && other);
    collectables->setFocus();
    QTest::keyClicks(collectables, QStringLiteral("1250"));
    other->setFocus();
    QTest::keyClicks(other, QStringLiteral("30000"));

    Button("BtnNext")->click();
    EXPECT_EQ(ScreenNumber(), QStringLiteral("2088"));
    Press("BtnNext");
    EXPECT_EQ(ScreenNumber(), QStringLiteral("2006"));

    // No to every category: nothing is stored, so nothing is asked.
    for (const char* screen : {"2006", "2018", "2031", "2042", "2052", "2062", "2072", "2096"}) {
        ASSERT_EQ(ScreenNumber(), QString::fromLatin1(screen));
        EXPECT_TRUE(notify.messages.empty()) << screen;
        Press("BtnNo");
    }
    // 2096's No leads past the last index of section 20 to 2101, the manual
    // calculation table; the host ends the run there.
    QCoreApplication::processEvents();
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2101"));
    EXPECT_NE(Control("XGrid1"), nullptr);
    EXPECT_TRUE(notify.messages.empty());
    EXPECT_EQ(Library().failedScreen(), 0);
    EXPECT_EQ(Library().freeResources(), 1);

    ScriptedDialogs dialogs;
    const auto saved = LoadSaved(file, dialogs);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(saved->store().FieldType(920), dtCurrency);
    EXPECT_EQ(saved->store().GetFieldVal(920), 1250);
    EXPECT_EQ(saved->store().GetFieldVal(921), 30000);
    EXPECT_EQ(saved->store().GetFieldStr(kTagFileKind), "EI");
    EXPECT_EQ(saved->store().GetFieldVal(kTagFileVersion), kFileVersion);
    EXPECT_EQ(saved->store().GetFieldStr(kTagIdentity), kIdentity);
    EXPECT_EQ(saved->history,
              (std::vector<std::int32_t>{2004, 2005, 2088, 2006, 2018, 2031, 2042, 2052, 2062, 2072, 2096, 2101}));
    // The highest stage reached: other receipts.
    EXPECT_EQ(saved->store().GetFieldVal(kTagProgress), 13);
    EXPECT_EQ(saved->store().FieldType(kTagProgress), dtNumeric);
}

TEST(ModuleEndToEnd, NoToSharesWithShareWorksheetsAsksBeforeDeletingThem) {
    ASSERT_TRUE(Library().Loaded()) << dlerror();
    for (QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
        const std::string file = NewReturn("delete_shares", [](FieldStore& store) {
            store.SetFieldStr(kTagInstanceName, "BHP 1000 shares");
            store.StoreInstance(kWsShares, 1);
        });
        NotifyRecorder notify;
        Start(notify, file, 2006);
        ASSERT_EQ(ScreenNumber(), QStringLiteral("2006"));
        QString asked;
        AnswerNextBox(answer, &asked);
        Press("BtnNo");
        EXPECT_EQ(asked,
                  QStringLiteral("Warning|Data exists for this item\n\nAre you sure you want to delete it?\n\nIf you "
                                 "select 'Yes' all data for this item will be lost"));
        // Kept or deleted, the interview goes on to the trust question.
        EXPECT_EQ(ScreenNumber(), QStringLiteral("2018"));
        // The host ends the run here.
        EXPECT_TRUE(notify.messages.empty());
        EXPECT_EQ(Library().freeResources(), 1);

        ScriptedDialogs dialogs;
        const auto saved = LoadSaved(file, dialogs);
        EXPECT_EQ(saved->store().FieldHasData(ListFieldOf(kWsShares)), answer == QMessageBox::No);
        EXPECT_EQ(saved->store().GetFieldVal(kTagProgress), 1);
        EXPECT_EQ(saved->history, (std::vector<std::int32_t>{2006, 2018}));
    }
}

TEST(ModuleEndToEnd, ASharesParcelThroughItsBlockIsStoredInItsWorksheet) {
    ASSERT_TRUE(Library().Loaded()) << dlerror();
    const std::string file = NewReturn("share_parcel");
    UnexpectedBoxes boxes;
    NotifyRecorder notify;
    Start(notify, file, 2006);
    Press("BtnYes");
    Press("BtnYes");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2009")) << Seen(boxes);

    // Registration
    TypeInto("DescEdit", "BHP 1000 shares");
    TypeInto("TypeTextComboBox", "sa");
    TypeInto("DateofAcqEdit", "01031995");
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2010")) << Seen(boxes);

    // A cost base carried over from the estate the shares came from
    TypeInto("EffectiveDateEdit", "01031995");
    TypeInto("AssetIndCostBaseEdit", "9500");
    TypeInto("AssetDisCostBaseEdit", "9500");
    TypeInto("AssetRedCostBaseEdit", "9400");
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2011")) << Seen(boxes);

    // Two cost elements, typed into the grid (it has the focus on arrival)
    TypeGridRow({"5", "10061998", "Legal costs re title", "300", "", ""}, 0);
    TypeGridRow({"2A", "01031995", "Brokerage", "95", "", ""}, 0);
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2012")) << Seen(boxes);

    // A return of capital
    QTest::mouseClick(Control("XGrid1"), Qt::LeftButton, {}, QPoint(60, 30));
    QCoreApplication::processEvents();
    TypeGridRow({"15122001", "Return of capital", "500", "", ""}, -1);
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2013")) << Seen(boxes);

    // The sale
    TypeInto("CGTEventTextComboBox", "a1");
    TypeInto("DateofCGTEventEdit", "15112002");
    TypeInto("CapitalProceedsEdit", "14250");
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2014")) << Seen(boxes);

    // No roll-over; with a receipt entered the cost base history comes next.
    // The return of capital of 15/12/2001 comes off the cost bases built up to
    // then: 9500 + 95 + 300 = 9895 less 500; indexed 9500 and 95 by
    // 123.4 / 114.7 -> 1.076 (10222 + 102) and 300 by 123.4 / 121.0 -> 1.020
    // (306), 10630 less 500; reduced 9400 + 95 + 300 = 9795 less 500.
    Tick("Q2NoCheckBox");
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2015")) << Seen(boxes);
    const std::pair<const char*, const char*> adjusted[] = {{"AdjustedDateEdit", "15/12/2001"},
                                                            {"NonIndexedEdit", "9395"},
                                                            {"IndexedEdit", "10130"},
                                                            {"ReducedEdit", "9295"}};
    for (const auto& [box, text] : adjusted) {
        ASSERT_NE(Control(box), nullptr) << box;
        EXPECT_EQ(Control(box)->property("text").toString(), QString::fromLatin1(text)) << box;
    }
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2016")) << Seen(boxes);
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2017")) << Seen(boxes);
    EXPECT_TRUE(notify.messages.empty());
    EXPECT_EQ(Library().freeResources(), 1);
    EXPECT_TRUE(boxes.texts.empty()) << Seen(boxes);

    ScriptedDialogs dialogs;
    const auto saved = LoadSaved(file, dialogs);
    FieldStore& store = saved->store();
    EXPECT_EQ(store.BuildNames(kWsShares), (std::vector<std::string>{"BHP 1000 shares", "** Create new worksheet **"}));
    OpenSavedInstance(*saved, kWsShares, 1);
    EXPECT_EQ(store.GetFieldStr(kTagInstanceName), "BHP 1000 shares");
    EXPECT_EQ(store.GetFieldStr(kTagAssetType), "SA");
    EXPECT_EQ(store.GetFieldStr(kTagAcquisitionDate), "01/03/1995");
    EXPECT_EQ(store.GetFieldStr(kTagCostBaseDate), "01/03/1995");
    EXPECT_TRUE(store.FieldIsEmpty(kTagRollOverAcquisitionDate));
    EXPECT_EQ(store.GetFieldVal(kTagEnteredIndexedCostBase), 9500);
    EXPECT_EQ(store.GetFieldVal(kTagEnteredNonIndexedCostBase), 9500);
    EXPECT_EQ(store.GetFieldVal(kTagEnteredReducedCostBase), 9400);
    // Not inherited, as the screen starts it.
    EXPECT_EQ(store.GetFieldVal(kTagInherited), 2);
    // The cost elements sorted by the date incurred.
    ASSERT_NE(store.GetFieldLst(kTagCostElements), nullptr);
    EXPECT_EQ(*store.GetFieldLst(kTagCostElements),
              (TextList{"2A - Incidentals re holding & acquisition", "01/03/1995", "", "Brokerage", "95.00", "", "", "",
                        "5 - Capital expenditure - maintain ownership", "10/06/1998", "", "Legal costs re title",
                        "300.00", "", "", ""}));
    ASSERT_NE(store.GetFieldLst(kTagReceipts), nullptr);
    EXPECT_EQ(*store.GetFieldLst(kTagReceipts), (TextList{"15/12/2001", "", "Return of capital", "500.00", "", ""}));
    EXPECT_EQ(store.GetFieldStr(kTagReceiptEventCode), "G1");
    EXPECT_EQ(store.GetFieldStr(kTagReceiptAssetType), "ON");
    EXPECT_EQ(store.GetFieldStr(kTagEventCode), "A1");
    EXPECT_EQ(store.GetFieldStr(kTagEventDate), "15/11/2002");
    EXPECT_EQ(store.GetFieldVal(kTagCapitalProceeds), 14250);
    EXPECT_FALSE(store.FieldChecked(kTagRollOverYes));
    EXPECT_TRUE(store.FieldChecked(kTagRollOverNo));
    EXPECT_FALSE(store.FieldChecked(kTagMarriageBreakdownYes));
    EXPECT_FALSE(store.FieldChecked(kTagMarriageBreakdownNo));
    EXPECT_FALSE(store.FieldChecked(kTagFifteenYearExemption));
    EXPECT_EQ(store.GetFieldStr(kTagHistoryDate), "15/12/2001");
    EXPECT_EQ(store.GetFieldVal(kTagHistoryNonIndexed), 9395);
    EXPECT_EQ(store.GetFieldVal(kTagHistoryIndexed), 10130);
    EXPECT_EQ(store.GetFieldVal(kTagHistoryReduced), 9295);
    EXPECT_EQ(saved->history,
              (std::vector<std::int32_t>{2006, 2007, 2009, 2010, 2011, 2012, 2013, 2014, 2015, 2016, 2017}));
}

TEST(ModuleEndToEnd, RealEstateWithACostBaseAdjustmentIsStoredInItsWorksheet) {
    ASSERT_TRUE(Library().Loaded()) << dlerror();
    const std::string file = NewReturn("real_estate");
    UnexpectedBoxes boxes;
    NotifyRecorder notify;
    Start(notify, file, 2006);
    Press("BtnNo");   // shares
    Press("BtnNo");   // trusts
    Press("BtnYes");  // owned real estate
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2032")) << Seen(boxes);
    Press("BtnNext");
    Press("BtnYes");  // an event happened
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2035")) << Seen(boxes);

    TypeInto("DescEdit", "Holiday house Byron Bay");
    TypeInto("TypeTextComboBox", "rn");
    TypeInto("DateofAcqEdit", "15071998");
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2036")) << Seen(boxes);
    Press("BtnNext");  // no cost base carried over
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2037")) << Seen(boxes);

    TypeGridRow({"1", "15071998", "Purchase price", "250000", "", ""}, 0);
    TypeGridRow({"2A", "15071998", "Stamp duty", "9000", "", ""}, 0);
    TypeGridRow({"6C", "01022002", "Insurance recovery", "-1500", "", ""}, 0);
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2038")) << Seen(boxes);

    TypeInto("CGTEventTextComboBox", "a");
    TypeInto("DateofCGTEventEdit", "20032003");
    TypeInto("CapitalProceedsEdit", "340000");
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2039")) << Seen(boxes);
    Tick("Q2NoCheckBox");
    Press("BtnNext");
    // The asset worksheet: 340000 less the cost base of 250000 + 9000 - 1500.
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2040")) << Seen(boxes);
    ASSERT_NE(Control("DiscountGainEdit"), nullptr);
    EXPECT_EQ(Control("DiscountGainEdit")->property("text").toString(), QStringLiteral("82500"));
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2041")) << Seen(boxes);
    EXPECT_EQ(Library().freeResources(), 1);
    EXPECT_TRUE(boxes.texts.empty()) << Seen(boxes);

    ScriptedDialogs dialogs;
    const auto saved = LoadSaved(file, dialogs);
    FieldStore& store = saved->store();
    OpenSavedInstance(*saved, kWsRealEstate, 1);
    EXPECT_EQ(store.GetFieldStr(kTagInstanceName), "Holiday house Byron Bay");
    EXPECT_EQ(store.GetFieldStr(kTagAssetType), "RN");
    EXPECT_EQ(store.GetFieldStr(kTagAcquisitionDate), "15/07/1998");
    EXPECT_TRUE(store.FieldIsEmpty(kTagCostBaseDate));
    ASSERT_NE(store.GetFieldLst(kTagCostElements), nullptr);
    EXPECT_EQ(*store.GetFieldLst(kTagCostElements), (TextList{"1 - Purchase/Acquisition cost",
                                                              "15/07/1998",
                                                              "",
                                                              "Purchase price",
                                                              "250000.00",
                                                              "",
                                                              "",
                                                              "",
                                                              "2A - Incidentals re holding and acquisition",
                                                              "15/07/1998",
                                                              "",
                                                              "Stamp duty",
                                                              "9000.00",
                                                              "",
                                                              "",
                                                              "",
                                                              "6C - Adjustments to the cost base",
                                                              "01/02/2002",
                                                              "",
                                                              "Insurance recovery",
                                                              "-1500.00",
                                                              "",
                                                              "",
                                                              ""}));
    EXPECT_EQ(store.GetFieldStr(kTagEventCode), "A1");
    EXPECT_EQ(store.GetFieldStr(kTagEventDate), "20/03/2003");
    EXPECT_EQ(store.GetFieldVal(kTagCapitalProceeds), 340000);
    EXPECT_TRUE(store.FieldChecked(kTagRollOverNo));
    EXPECT_EQ(store.GetFieldVal(kTagCostBaseNonIndexed), 257500);
    EXPECT_EQ(store.GetFieldVal(kTagDiscountGain), 82500);
    EXPECT_EQ(store.GetFieldStr(kTagResultMessage2), kMsgChooseMethod);
    EXPECT_EQ(saved->history,
              (std::vector<std::int32_t>{2006, 2018, 2031, 2032, 2033, 2035, 2036, 2037, 2038, 2039, 2040, 2041}));
}

TEST(ModuleEndToEnd, StartingAtANumberWithoutAScreenEndsTheInterviewAtOnce) {
    ASSERT_TRUE(Library().Loaded()) << dlerror();
    const std::string file = NewReturn("closed");
    NotifyRecorder notify;
    // 2100 has no screen: the interview ends at once.
    Start(notify, file, 2100);
    QCoreApplication::processEvents();
    EXPECT_EQ(notify.messages, std::vector<int>{CGT_MSG_INTERVIEW_ENDED});
    EXPECT_EQ(Library().failedScreen(), 2100);
    EXPECT_EQ(Library().freeResources(), 1);
}

TEST(ModuleEndToEnd, MaximizedWinsOverMinimized) {
    ASSERT_TRUE(Library().Loaded()) << dlerror();
    ClearModuleSettings();  // no size kept from an earlier run
    const std::string file = NewReturn("maximized");
    NotifyRecorder notify;
    const std::string f = ShortString(file), id = ShortString(kIdentity), cmd = ShortString("");
    Library().run(0, reinterpret_cast<intptr_t>(&notify), reinterpret_cast<const unsigned char*>(f.data()),
                  reinterpret_cast<const unsigned char*>(id.data()), reinterpret_cast<const unsigned char*>(cmd.data()),
                  2004, 0, 0, 1024, 768, 0x101, 1);
    ASSERT_NE(MainWindow(), nullptr);
    EXPECT_TRUE(MainWindow()->windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(MainWindow()->windowState() & Qt::WindowMinimized);
    // The size the host asks for is the one to come back to from maximised.
    EXPECT_EQ(MainWindow()->normalGeometry().size(), QSize(1024, 768)) << int(MainWindow()->windowState());
}

TEST(ModuleEndToEnd, TheWindowOpensAtTheSizeTheLastRunLeftIt) {
    ASSERT_TRUE(Library().Loaded()) << dlerror();
    ClearModuleSettings();
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Verimo"), QStringLiteral("cgt2003"))
        .setValue(QStringLiteral("MainWindow/size"), QSize(1100, 700));
    const std::string file = NewReturn("remembered");
    NotifyRecorder notify;
    const std::string f = ShortString(file), id = ShortString(kIdentity), cmd = ShortString("");
    Library().run(0, reinterpret_cast<intptr_t>(&notify), reinterpret_cast<const unsigned char*>(f.data()),
                  reinterpret_cast<const unsigned char*>(id.data()), reinterpret_cast<const unsigned char*>(cmd.data()),
                  2004, 0, 0, 800, 575, 0, 0);
    ASSERT_NE(MainWindow(), nullptr);
    EXPECT_EQ(MainWindow()->size(), QSize(1100, 700));
    EXPECT_FALSE(MainWindow()->windowState() & Qt::WindowMaximized);
    ClearModuleSettings();
}

// The typical road of an investor: the losses of earlier years, one share
// parcel with a cost base, sold; No to every other category; the manual
// table left empty; every choice made by the program; the concession
// screens and the schedule; the end of the interview. Figures by hand:
// cost base 9500 + 95 brokerage = 9595; indexed 9500 and 95 by 123.4 / 114.7
// -> 1.076: 10222 + 102 = 10324. Sold for 14250: indexed gain 3926, discount
// gain 4655. Earlier years' losses 1000: (4655 - 1000) / 2 = 1827.50 is not
// above 3926 - 1000 = 2926, so Discount with 1000 applied. Schedule: 4655
// of gains, 1000 applied, 3655 after losses, discount 1827 (the whole part
// of 3655 / 2), net capital gain 3655 - 1827 = 1828; nothing carried forward.
// (The choice table's label, before the schedule, truncates 1827.50.)
TEST(ModuleEndToEnd, TheTypicalRoadToTheSchedule) {
    ASSERT_TRUE(Library().Loaded()) << dlerror();
    const std::string file = NewReturn("typical_road");
    UnexpectedBoxes boxes;
    NotifyRecorder notify;
    Start(notify, file, 2004);
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2005")) << Seen(boxes);
    TypeInto("Edit921", "1000");
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2088")) << Seen(boxes);
    Press("BtnNext");
    Press("BtnYes");  // shares
    Press("BtnYes");  // a CGT event happened to them
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2009")) << Seen(boxes);

    TypeInto("DescEdit", "BHP 1000 shares");
    TypeInto("TypeTextComboBox", "sn");
    TypeInto("DateofAcqEdit", "01031995");
    Press("BtnNext");
    TypeInto("EffectiveDateEdit", "01031995");
    TypeInto("AssetIndCostBaseEdit", "9500");
    TypeInto("AssetDisCostBaseEdit", "9500");
    TypeInto("AssetRedCostBaseEdit", "9500");
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2011")) << Seen(boxes);
    TypeGridRow({"2A", "01031995", "Brokerage", "95", "", ""}, 0);
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2012")) << Seen(boxes);
    Press("BtnNext");  // no non-assessable receipts
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2013")) << Seen(boxes);
    TypeInto("CGTEventTextComboBox", "a1");
    TypeInto("DateofCGTEventEdit", "15112002");
    TypeInto("CapitalProceedsEdit", "14250");
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2014")) << Seen(boxes);
    Tick("Q2NoCheckBox");
    Press("BtnNext");

    // The summary of the parcel.
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2016")) << Seen(boxes);
    const std::pair<const char*, const char*> results[] = {{"IndexedGainEdit", "3926"}, {"DiscountGainEdit", "4655"}};
    for (const auto& [box, text] : results) {
        ASSERT_NE(Control(box), nullptr) << box;
        EXPECT_EQ(Control(box)->property("text").toString(), QString::fromLatin1(text)) << box;
    }
    // The parcel's CGT worksheet printed: one page in the preview, closed,
    // and the summary goes on as before.
    QString previewPages;
    ClosePreviewWhenShown(&previewPages);
    Press("PrintWorksheetBtn");
    EXPECT_EQ(previewPages, QStringLiteral("1 of 1"));
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2016")) << Seen(boxes);
    EXPECT_EQ(Control("DiscountGainEdit")->property("text").toString(), QStringLiteral("4655"));
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2017")) << Seen(boxes);
    for (const char* screen : {"2017", "2018", "2031", "2042", "2052", "2062", "2072", "2096"}) {
        ASSERT_EQ(ScreenNumber(), QString::fromLatin1(screen)) << Seen(boxes);
        Press("BtnNo");
    }
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2101")) << Seen(boxes);
    Press("BtnNext");  // nothing worked out by hand
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2102")) << Seen(boxes);
    Press("BtnNext");

    // The choice table: every choice made by the program.
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2103")) << Seen(boxes);
    const std::vector<std::string> answered = MakeAllChoices();
    EXPECT_EQ(answered, (std::vector<std::string>{
                            "Do you want to delete all applied losses and start afresh?",
                            "Applied losses previously set have been cleared and has re-calculated the application "
                            "of losses."}));
    ASSERT_NE(Control("NetCapGainLabel"), nullptr);
    EXPECT_EQ(Control("NetCapGainLabel")->property("text").toString(),
              QStringLiteral("Your net capital gain is $1,827"));
    for (const char* screen : {"2103", "2104", "2105", "2106", "2107"}) {
        ASSERT_EQ(ScreenNumber(), QString::fromLatin1(screen)) << Seen(boxes);
        Press("BtnNext");
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(notify.messages, std::vector<int>{CGT_MSG_INTERVIEW_ENDED});
    EXPECT_EQ(Library().failedScreen(), 2201);
    EXPECT_EQ(Library().freeResources(), 1);
    EXPECT_TRUE(boxes.texts.empty()) << Seen(boxes);

    ScriptedDialogs dialogs;
    const auto saved = LoadSaved(file, dialogs);
    OpenSavedInstance(*saved, kWsShares, 1);
    EXPECT_EQ(saved->store().GetFieldStr(kTagMethodChosen), "Discount");
    ExpectSavedTotals(*saved, 4655, 1828,
                      {{kTagSchedSharesNonActiveDiscount, 4655},
                       {kTagSchedTotalGainsDiscount, 4655},
                       {kTagSchedPriorAppliedDiscount, 1000},
                       {kTagSchedPriorApplied, 1000},
                       {kTagSchedTotalAppliedDiscount, 1000},
                       {kTagSchedTotalApplied, 1000},
                       {kTagSchedAfterLossesDiscount, 3655},
                       {kTagSchedDiscountNonActive, 1827},
                       {kTagSchedNetGainDiscount, 1828},
                       {kTagSchedNetCapitalGain, 1828},
                       {kTagSchedSharesNonActiveIndexed, 0},
                       {kTagSchedOtherLossesCarried, 0}});
}

// A second road: a trust distribution, a collectable sold, a manual row of
// a business's goodwill and one of land sold at a loss, and the 50% active
// asset reduction elected on the concessions screen. Figures by hand:
// - painting bought 01/02/1998 for 3000 (CPI 120.3; 123.4 / 120.3 -> 1.026),
//   sold for 5000: indexed gain 5000 - 3078 = 1922, discount gain 2000.
//   Collectable losses of earlier years 300: (2000 - 300) / 2 = 850 is not
//   above 1922 - 300, so Discount with 300 applied, net 850;
// - the trust's other discounted gain 400, grossed up to 800; the land's loss
//   of 2500 is this year's other losses: 800 of it against the trust's gain
//   (net 0), the 1700 left against the goodwill's 20000 (an active asset,
//   met last): net (20000 - 1700) / 2 = 9150;
// - the reduction elected: 4575, half of 9150.
// Schedule: gains 1700 (collectable, after its losses) + 800 + 20000 = 22500;
// Part E non-active 1700, active 18300, total 20000; discount 850 + 9150;
// Part G 4575; net capital gain 20000 - 850 - 9150 - 4575 = 5425.
TEST(ModuleEndToEnd, TrustCollectableManualRowsAndTheActiveAssetReduction) {
    ASSERT_TRUE(Library().Loaded()) << dlerror();
    const std::string file = NewReturn("second_road");
    UnexpectedBoxes boxes;
    NotifyRecorder notify;
    Start(notify, file, 2004);
    Press("BtnNext");
    TypeInto("Edit920", "300");
    Press("BtnNext");
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2006")) << Seen(boxes);
    Press("BtnNo");   // shares
    Press("BtnYes");  // trusts
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2019")) << Seen(boxes);
    ClickFirstRow(3);
    TypeGridRow({"Growth Fund", "", "400"}, -1);
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2020")) << Seen(boxes);
    for (const char* screen : {"2020", "2031", "2042"}) {
        ASSERT_EQ(ScreenNumber(), QString::fromLatin1(screen)) << Seen(boxes);
        Press("BtnNo");
    }
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2052")) << Seen(boxes);
    Press("BtnYes");  // personal use assets and collectables
    Press("BtnYes");  // one was sold
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2055")) << Seen(boxes);
    TypeInto("DescEdit", "Painting");
    TypeInto("TypeTextComboBox", "a");
    TypeInto("DateofAcqEdit", "01021998");
    Press("BtnNext");
    Press("BtnNext");  // no cost base carried over
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2057")) << Seen(boxes);
    TypeGridRow({"1", "01021998", "Purchase", "3000", "", ""}, 0);
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2058")) << Seen(boxes);
    TypeInto("CGTEventTextComboBox", "a1");
    TypeInto("DateofCGTEventEdit", "15042003");
    TypeInto("CapitalProceedsEdit", "5000");
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2059")) << Seen(boxes);
    Tick("Q2NoCheckBox");
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2060")) << Seen(boxes);
    ASSERT_NE(Control("IndexedGainEdit"), nullptr);
    EXPECT_EQ(Control("IndexedGainEdit")->property("text").toString(), QStringLiteral("1922"));
    Press("BtnNext");
    for (const char* screen : {"2061", "2062", "2072", "2096"}) {
        ASSERT_EQ(ScreenNumber(), QString::fromLatin1(screen)) << Seen(boxes);
        Press("BtnNo");
    }

    // Worked out by hand: the goodwill of a business and land sold at a loss.
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2101")) << Seen(boxes);
    ClickFirstRow(3);
    TypeGridRow({"Goodwill of the shop", "oa", "", "20000", "", "", "", ""}, 1);
    TypeGridRow({"Vacant land", "rn", "", "", "", "2500", "", ""}, 1);
    Press("BtnNext");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2102")) << Seen(boxes);
    Press("BtnNext");

    ASSERT_EQ(ScreenNumber(), QStringLiteral("2103")) << Seen(boxes);
    const std::vector<std::string> answered = MakeAllChoices();
    EXPECT_EQ(answered.size(), 2u);
    EXPECT_EQ(Control("NetCapGainLabel")->property("text").toString(),
              QStringLiteral("Your net capital gain is $10,000"));
    Press("BtnNext");

    // The reduction elected for the goodwill, the only active gain.
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2104")) << Seen(boxes);
    ClickFirstRow(2);
    QTest::keyClicks(MainWindow()->focusWidget(), QStringLiteral("4575"));
    for (const char* screen : {"2104", "2105", "2106", "2107"}) {
        ASSERT_EQ(ScreenNumber(), QString::fromLatin1(screen)) << Seen(boxes);
        Press("BtnNext");
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(notify.messages, std::vector<int>{CGT_MSG_INTERVIEW_ENDED});
    EXPECT_EQ(Library().freeResources(), 1);
    EXPECT_TRUE(boxes.texts.empty()) << Seen(boxes);

    ScriptedDialogs dialogs;
    const auto saved = LoadSaved(file, dialogs);
    ExpectSavedTotals(*saved, 22500, 5425,
                      {{kTagSchedTotalGainsDiscount, 22500},
                       {kTagSchedLossesRealEstate, 2500},
                       {kTagSchedLossesTotal, 2500},
                       {kTagSchedCurrentAppliedDiscount, 2500},
                       {kTagSchedAfterLossesDiscount, 20000},
                       {kTagSchedDiscountNonActive, 850},
                       {kTagSchedDiscountActive, 9150},
                       {kTagSchedReductionDiscount, 4575},
                       {kTagSchedNetGainDiscount, 5425},
                       {kTagSchedNetCapitalGain, 5425}});
}

// Parcels imported from a broker's file by `cgt trades` are share worksheets
// as the screens leave them: picked in the interview, they go through the
// share block to their summary. Bought 10/01/2000 for 10,000 with 50
// brokerage, sold 15/11/2002 for 14,250 with 40 brokerage: cost base 10,090,
// discount gain 4,160 (no indexation: bought after 21/09/1999).
TEST(ModuleEndToEnd, ImportedTradesOpenInTheShareBlock) {
    ASSERT_TRUE(Library().Loaded()) << dlerror();
    const std::string file = NewReturn("trades");
    const auto csv = std::filesystem::temp_directory_path() / "cgt_e2e_trades.csv";
    {
        std::ofstream out(csv);
        out << "Date,Code,Type,Quantity,Price,Brokerage\n"
               "10/01/2000,BHP,Buy,1000,10.00,50\n"
               "15/11/2002,BHP,Sell,1000,14.25,40\n";
    }
    const std::string command =
        std::string(CGT_EXE) + " trades '" + file + "' --id '" + kIdentity + "' '" + csv.string() + "' >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    UnexpectedBoxes boxes;
    NotifyRecorder notify;
    Start(notify, file, 2006);
    Press("BtnYes");
    Press("BtnYes");
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2009")) << Seen(boxes);
    QListWidget* picker = nullptr;
    for (QListWidget* l : MainWindow()->findChildren<QListWidget*>())
        if (l->isVisible() && l->count() > 0) picker = l;
    ASSERT_NE(picker, nullptr);
    const auto found = picker->findItems(QStringLiteral("BHP 1000 (bought 10/01/2000)"), Qt::MatchStartsWith);
    ASSERT_EQ(found.size(), 1);
    QTest::mouseClick(picker->viewport(), Qt::LeftButton, {}, picker->visualItemRect(found[0]).center());
    QCoreApplication::processEvents();
    EXPECT_TRUE(
        Control("DescEdit")->property("text").toString().startsWith(QStringLiteral("BHP 1000 (bought 10/01/2000)")));
    for (const char* screen : {"2009", "2010", "2011", "2012", "2013", "2014"}) {
        ASSERT_EQ(ScreenNumber(), QString::fromLatin1(screen)) << Seen(boxes);
        Press("BtnNext");
    }
    ASSERT_EQ(ScreenNumber(), QStringLiteral("2016")) << Seen(boxes);
    ASSERT_NE(Control("DiscountGainEdit"), nullptr);
    EXPECT_EQ(Control("DiscountGainEdit")->property("text").toString(), QStringLiteral("4160"));
    EXPECT_EQ(Library().freeResources(), 1);
    EXPECT_TRUE(boxes.texts.empty()) << Seen(boxes);
}

// In the next save box the module opens, chooses `file` as a user types it
// and presses Save.
void ChooseInNextSaveBox(const QString& file) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, file] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QFileDialog*>(w);
            if (!box || !box->isVisible()) continue;
            poll->stop();
            poll->deleteLater();
            auto* edit = box->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!edit) {
                ADD_FAILURE() << "the save box has no file name box";
                box->reject();
                return;
            }
            edit->setText(file);
            QTest::keyClick(edit, Qt::Key_Return);
            return;
        }
    });
    poll->start();
}

// The Save button of the module's tool bar, as a user clicks it.
void ClickSave() {
    for (QAction* a : MainWindow()->findChildren<QAction*>())
        if (a->text() == QLatin1String("Save")) {
            a->trigger();
            QCoreApplication::processEvents();
            return;
        }
    ADD_FAILURE() << "no Save button";
}

// A return the module must keep as it is: loaded in part, under another
// identity, or held by another program. The run says so when it starts;
// neither the Save button (offered the return's own name, confirmed) nor the
// end writes over it.
TEST(ModuleEndToEnd, AReturnNotOpenedWholeIsNeverWrittenOver) {
    ASSERT_TRUE(Library().Loaded()) << dlerror();
    const auto folder = std::filesystem::temp_directory_path() / "cgt_e2e_kept";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto previous = std::filesystem::current_path();
    // The host names the return relatively, from its own folder.
    std::filesystem::current_path(folder);
    const std::string name = "r.RET", absolute = (folder / name).string();

    const auto saveWith = [&](const std::string& identity, bool badTag) {
        ScriptedDialogs dialogs;
        FieldStore store(&dialogs);
        store.SetFieldStr(kTagIdentity, identity);
        for (int tag = 913; tag <= 920; ++tag) store.SetFieldVal(tag, tag);  // eight good records
        Bytes plain = WriteReturnContent(store, ReturnPosition{20, 4, {2004}});
        if (badTag)
            for (const std::uint8_t b : {0xD0, 0x07, 0x00, 0x00, 0x02}) plain.push_back(b);  // tag 2000
        const Bytes cipher = EncryptBytes(plain, ReturnFileKey(identity));
        std::ofstream(name, std::ios::binary)
            .write(reinterpret_cast<const char*>(cipher.data()), std::streamsize(cipher.size()));
    };
    const struct {
        const char* what;
        bool badTag;
        const char* identity;
        bool held;
        std::vector<std::string> atStart;
    } cases[] = {
        {"a bad tag",
         true,
         kIdentity.c_str(),
         false,
         {"Error reading file, field tag = 2000 last tag = 920", DamagedReturnMessage(name)}},
        {"another identity", false, "OTHER 999", false, {std::string(kUnableToOpenFile) + name}},
        {"held by another program", false, kIdentity.c_str(), true, {InUseMessage(name)}},
    };
    for (const auto& c : cases) {
        saveWith(c.identity, c.badTag);
        const std::string before = FileBytes(name);
        std::unique_ptr<ReturnLock> other;
        if (c.held) other = std::make_unique<ReturnLock>(name);

        std::vector<std::string> texts;
        AnswerBoxes(std::vector<QMessageBox::StandardButton>(c.atStart.size(), QMessageBox::Ok), &texts);
        NotifyRecorder notify;
        Start(notify, name, 2004);
        EXPECT_EQ(texts, c.atStart) << c.what;

        // Save, offered the return itself and confirmed: refused.
        texts.clear();
        ChooseInNextSaveBox(QString::fromStdString(absolute));
        AnswerBoxes({QMessageBox::Yes, QMessageBox::Ok}, &texts);
        ClickSave();
        ASSERT_FALSE(texts.empty()) << c.what;
        EXPECT_EQ(texts.back(), NotWrittenOverMessage(absolute)) << c.what;

        EXPECT_EQ(Library().freeResources(), 0) << c.what;
        EXPECT_EQ(FileBytes(name), before) << c.what;
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        const std::vector<std::string> expected =
            c.held ? std::vector<std::string>{"r.RET", "r.RET.lock"} : std::vector<std::string>{"r.RET"};
        EXPECT_EQ(names, expected) << c.what;
    }
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace cgt::test
