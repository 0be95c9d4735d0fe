// The main window: size, caption, saving, closing, help, calculator, notes.
#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

#include "interview/messages.h"
#include "mainwin/helpwindow.h"
#include "mainwin/notes.h"
#include "mainwin_fixture.h"
#include "report/txreport.h"

namespace cgt::test {
namespace {

TEST_F(MainWindowTest, OpensAt800By575AndGrowsButNeverBelowIt) {
    window->show();
    EXPECT_EQ(window->size(), QSize(800, 575));
    EXPECT_EQ(window->ToolBar()->height(), 35);
    EXPECT_EQ(window->Frame()->geometry(), QRect(0, 36, 800, 539));
    window->OnTimerTick();  // the layout follows the window from the first tick

    window->resize(1280, 800);
    EXPECT_EQ(window->size(), QSize(1280, 800));
    EXPECT_EQ(window->Frame()->geometry(), QRect(0, 36, 1280, 764));
    EXPECT_EQ(window->ToolBar()->width(), 1280);

    for (QSize small : {QSize(640, 480), QSize(799, 900), QSize(1000, 500)}) {
        window->resize(small);
        EXPECT_EQ(window->size(), small.expandedTo(QSize(800, 575))) << small.width() << "x" << small.height();
    }
}

TEST_F(MainWindowTest, TheNextRunOpensAtTheSizeTheLastRunEndedWith) {
    window->show();
    window->resize(1100, 700);
    window.reset();
    auto next = std::make_unique<TMainWindow>(run, std::make_unique<FakeTimer>());
    EXPECT_EQ(next->size(), QSize(1100, 700));
    // Whatever the host asks for, the remembered size wins; a size below the
    // least the screens need is never taken.
    EXPECT_EQ(next->OpeningSize(QSize(800, 575)), QSize(1100, 700));
    EXPECT_FALSE(next->OpensMaximized());
    next->resize(800, 575);
    next->showMaximized();
    next.reset();
    TMainWindow third(run, std::make_unique<FakeTimer>());
    EXPECT_TRUE(third.OpensMaximized());
    EXPECT_EQ(third.size(), QSize(800, 575));
}

TEST_F(MainWindowTest, ToolBarButtonsAndHints) {
    EXPECT_FALSE(window->NewAction()->isEnabled());
    EXPECT_FALSE(window->OpenAction()->isEnabled());
    EXPECT_FALSE(window->ViewAction()->isEnabled());
    EXPECT_TRUE(window->SaveAction()->isEnabled());
    EXPECT_EQ(window->ViewAction()->text(), QStringLiteral("View Tax Return"));
    EXPECT_EQ(window->SaveAction()->toolTip(), QStringLiteral("Save your tax return"));
    EXPECT_EQ(window->CalculatorAction()->toolTip().toStdString(), kHintCalculator);
    EXPECT_EQ(window->NotesAction()->toolTip().toStdString(), kHintNotes);
    EXPECT_EQ(window->HelpAction()->toolTip().toStdString(), kHintHelp);
}

TEST_F(MainWindowTest, CaptionShowsTheFileAndTheLodgmentDetails) {
    run.currentFileName = "SMITH.DAT";
    window->SetCaption();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Verimo 2003 - SMITH.DAT"));
    Lodge();
    window->SetCaption();
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Verimo 2003 - SMITH.DAT (Lodged on 15/10/2003 at 10:42.  Ref:R12345)"));
    // A name as the system spells it, in UTF-8: shown as it is, not read as
    // store text.
    run.currentFileName = "/home/r\xC3\xA9mi/Zo\xC3\xAB \xE6\x9D\x8E.DAT";
    window->SetCaption();
    EXPECT_TRUE(
        window->windowTitle().startsWith(QString::fromUtf8("Verimo 2003 - /home/r\u00e9mi/Zo\u00eb \u674e.DAT")))
        << window->windowTitle().toStdString();
}

TEST_F(MainWindowTest, SaveBoxSavesUnderTheChosenNameButTheRunKeepsItsFile) {
    StartAt(2004);
    const std::string other = file + ".other";
    std::string offered;
    window->saveBox = [&](std::string& name) {
        offered = name;
        name = other;
        return true;
    };
    run.store().SetFieldVal(920, 10);
    EXPECT_TRUE(window->SaveWithDialog());
    EXPECT_EQ(offered, std::filesystem::path(file).filename().string());
    EXPECT_TRUE(std::filesystem::exists(other));
    EXPECT_EQ(run.currentFileName, other);
    EXPECT_EQ(run.dataFileName, file);
    EXPECT_FALSE(run.DataChanged());
    EXPECT_EQ(window->windowTitle(), QString::fromStdString("Verimo 2003 - " + other));
    std::filesystem::remove(other);
    std::filesystem::remove(other + ".BAK");
}

TEST_F(MainWindowTest, SavingIsRefusedOnAScreenThatMustBeCompletedAndOnALodgedReturn) {
    StartAt(2004);
    int asked = 0;
    window->saveBox = [&](std::string&) { return ++asked, true; };
    window->Frame()->CurrentScreen()->setCompleteFirst(kCompleteFirstBlock);
    EXPECT_FALSE(window->SaveWithDialog());
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"You must complete this section before saving."});
    EXPECT_EQ(dialogs.shown[0].icon, MsgIcon::Warning);

    window->Frame()->CurrentScreen()->setCompleteFirst(kCompleteFirstFree);
    window->Frame()->SetValidationHandler([] { return false; });
    EXPECT_FALSE(window->SaveWithDialog());

    Lodge();
    EXPECT_FALSE(window->SaveWithDialog());
    EXPECT_EQ(dialogs.Texts().back(), kLodgedMessage);
    EXPECT_EQ(asked, 0);
}

TEST_F(MainWindowTest, ClosingWhileAScreenShowsIsRefused) {
    StartAt(2004);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"You must complete this section before saving."});
    EXPECT_TRUE(messages.empty());
    window->Frame()->CloseButton()->click();
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, CloseMessagesTellHowTheModuleWasLeft) {
    window->show();
    EXPECT_TRUE(window->close());
    EXPECT_EQ(messages, std::vector<int>{kMsgModuleClosed});
    window->CloseHandler(CloseSender::CloseButton);
    window->CloseHandler(CloseSender::YesButton);
    EXPECT_EQ(messages, (std::vector<int>{kMsgModuleClosed, kMsgModuleClosed, kMsgInterviewEnded}));
}

TEST_F(MainWindowTest, Message1025StoresTheScreenThenAsksToClose) {
    StartAt(2005);
    auto* edit = window->findChild<QLineEdit*>(QStringLiteral("Edit920"));
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("450"));
    QCoreApplication::postEvent(window.get(), new QEvent(MessageType(kMsgStoreAndClose)));
    QCoreApplication::processEvents();
    EXPECT_EQ(run.store().GetFieldVal(920), 450);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"You must complete this section before saving."});
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, CalculatorNotFoundSaysSo) {
    std::vector<std::pair<std::string, std::string>> started;
    window->startProgram = [&](const std::string& p, const std::string& d) {
        started.emplace_back(p, d);
        return true;
    };
    window->findCalculator = [] { return std::string(); };
    window->CalculatorClick();
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Can't find ..."});
    EXPECT_TRUE(started.empty());
    EXPECT_TRUE(window->CalculatorAction()->isEnabled());

    window->findCalculator = [] { return std::string("/usr/bin/galculator"); };
    window->CalculatorClick();
    EXPECT_EQ(started, (std::vector<std::pair<std::string, std::string>>{{"/usr/bin/galculator", "/usr/bin"}}));
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(MainWindowTest, HelpOpensTopicsOfTheModuleBookAndTheContentsOfTheHostBook) {
    window->ShowHelpTopic(347);
    ASSERT_NE(window->Help(), nullptr);
    EXPECT_EQ(window->Help()->CurrentPage().path(), QStringLiteral("/help/cgt2003/347.html"));
    EXPECT_TRUE(window->Help()->PageText().contains(QStringLiteral("Capital gains and capital losses")));

    window->HelpClick();
    EXPECT_EQ(window->Help()->CurrentPage().path(), QStringLiteral("/help/verimo2003/index.html"));
    EXPECT_EQ(window->HelpFile(), "CGT2003.HLP");

    EXPECT_FALSE(window->Help()->ShowTopic("CGT2003.HLP", 9999));
    EXPECT_TRUE(window->Help()->PageText().contains(QStringLiteral("There is no help on topic 9999")));
}

TEST_F(MainWindowTest, NotesAreKeptInField399) {
    window->show();
    window->NotesClick();
    TNotesWindow* notes = window->Notes();
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(window->NotesTag(), 1);
    EXPECT_EQ(notes->windowTitle(), QStringLiteral("Your Tax Return Notes"));
    EXPECT_TRUE(notes->Box()->toPlainText().isEmpty());
    run.SetDataChanged(false);

    QTest::keyClicks(notes->Box(), QStringLiteral("Ask about the shares"));
    QTest::keyClick(notes->Box(), Qt::Key_Return);
    QTest::keyClicks(notes->Box(), QStringLiteral("Second line"));
    notes->CloseButton()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_TRUE(run.DataChanged());
    EXPECT_EQ(window->Notes(), nullptr);
    EXPECT_EQ(window->NotesTag(), 0);
    ASSERT_EQ(run.store().FieldType(kTagNotes), dtList);
    EXPECT_EQ(*run.store().GetFieldLst(kTagNotes), (TextList{"Ask about the shares", "Second line"}));

    // Opened again, the notes come back; closed unchanged, nothing is flagged.
    run.SetDataChanged(false);
    window->NotesClick();
    EXPECT_EQ(window->Notes()->Box()->toPlainText(), QStringLiteral("Ask about the shares\nSecond line"));
    window->Notes()->close();
    EXPECT_FALSE(run.DataChanged());
}

TEST_F(MainWindowTest, WorksheetPrintoutGoesOnOverPagesWhenItsListOutgrowsTheBox) {
    auto cells = std::make_shared<TextList>();
    for (int i = 1; i <= 41; ++i) {
        TextList row(12);
        row[0] = "01/07/2001";
        row[1] = "Element " + std::to_string(i);
        cells->insert(cells->end(), row.begin(), row.end());
    }
    run.store().SetFieldLst(kTagWorksheetGrid, cells);
    std::unique_ptr<TXReport> shown;
    window->showPreview = [&](std::unique_ptr<TXReport> report) { shown = std::move(report); };
    window->ShowPrintout("CGTWSHT");
    ASSERT_TRUE(shown);
    ASSERT_EQ(shown->PageCount(), 2);
    EXPECT_NE(shown->PageText(1).find("\nElement 20\n"), std::string::npos);
    EXPECT_EQ(shown->PageText(1).find("Element 21"), std::string::npos);
    EXPECT_NE(shown->PageText(2).find("\nElement 21\n"), std::string::npos);
    EXPECT_NE(shown->PageText(2).find("\nElement 41\n"), std::string::npos);
}

}  // namespace
}  // namespace cgt::test
