// The module as a host sees it: load, start on an encrypted return, click
// through the screens, end, and read the saved file back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

#include "base/clock.h"
#include "e2e/module_loader.h"
#include "store/datafile.h"
#include "store/modulerun.h"
#include "store/tags.h"
#include "support/qt_print.h"
#include "support/scripted_dialogs.h"

namespace cgt::test {
namespace {

ModuleLibrary* g_library = nullptr;

// Unloads the module while the application still exists, as a host does;
// left loaded, its windows would outlive Qt at process exit.
class UnloadModule : public ::testing::Environment {
public:
    void TearDown() override {
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

// Answers the next message box the module shows with `button`, as a user
// would click it, and keeps its text.
void AnswerNextBox(QMessageBox::StandardButton button, QString* text) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, button, text] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box || !box->isVisible()) continue;
            *text = box->windowTitle() + QLatin1Char('|') + box->text();
            poll->stop();
            poll->deleteLater();
            QTest::mouseClick(box->button(button), Qt::LeftButton);
            return;
        }
    });
    poll->start();
}

// Clicks a frame button and lets the reload it posts run.
void Press(const char* name) {
    QPushButton* b = Button(name);
    ASSERT_NE(b, nullptr) << name;
    ASSERT_TRUE(b->isVisible()) << name << " is hidden on " << ScreenNumber().toStdString();
    QTest::mouseClick(b, Qt::LeftButton);
    QCoreApplication::processEvents();
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

TEST(ModuleEndToEnd, FirstScreensThenNoScreenEndsTheInterviewAndTheFileIsSaved) {
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
    // calculation table, which is not built yet: the interview ends there.
    QCoreApplication::processEvents();
    EXPECT_EQ(notify.messages, std::vector<int>{CGT_MSG_INTERVIEW_ENDED});
    EXPECT_EQ(Library().failedScreen(), 2101);
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
              (std::vector<std::int32_t>{2004, 2005, 2088, 2006, 2018, 2031, 2042, 2052, 2062, 2072, 2096}));
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
    const std::string file = NewReturn("maximized");
    NotifyRecorder notify;
    const std::string f = ShortString(file), id = ShortString(kIdentity), cmd = ShortString("");
    Library().run(0, reinterpret_cast<intptr_t>(&notify), reinterpret_cast<const unsigned char*>(f.data()),
                  reinterpret_cast<const unsigned char*>(id.data()), reinterpret_cast<const unsigned char*>(cmd.data()),
                  2004, 0, 0, 1024, 768, 0x101, 1);
    ASSERT_NE(MainWindow(), nullptr);
    EXPECT_TRUE(MainWindow()->windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(MainWindow()->windowState() & Qt::WindowMinimized);
    EXPECT_EQ(MainWindow()->size(), QSize(800, 575)) << int(MainWindow()->windowState());
}

}  // namespace
}  // namespace cgt::test
