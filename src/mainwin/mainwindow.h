#pragma once
// The module's main window: 800 x 575 at least, as large as the user makes
// it (the size is kept for the next run), the tool bar, and the interview
// frame below it. Saving, the timed save, the close rules, help, the
// calculator and the notes live here.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/income_year.h"
#include "interview/frame_host.h"
#include "mainwin/helpwindow.h"
#include "mainwin/notes.h"
#include "mainwin/tick_timer.h"

class QToolBar;
class QToolButton;
class QAction;

namespace cgt {

class ModuleRun;
class TInterviewFrame;
class TXReport;

inline constexpr int kMainWidth = 800;
inline constexpr int kMainHeight = 575;
inline constexpr int kToolBarHeight = 35;
inline constexpr const char* kCompleteSectionFirst = "You must complete this section before saving.";
inline constexpr const char* kHintSave = "Save your tax return|";
inline constexpr const char* kHintCalculator = "Click on this button to use the standard Windows Calculator.";
inline constexpr const char* kHintNotes =
    "Clicking on this button will allow you to compose your own notes for your tax return (use this feature as a "
    "handy jotter).";
inline constexpr const char* kHintHelp = "Click on this button to display Verimo's Table of Contents (Help).";

class TMainWindow : public QWidget, public FrameHost {
    Q_OBJECT
public:
    // The window uses `timer` (a Qt timer when none is given).
    explicit TMainWindow(ModuleRun& run, std::unique_ptr<TickTimer> timer = nullptr, QWidget* parent = nullptr);
    ~TMainWindow() override;

    ModuleRun& Run() { return run_; }
    TInterviewFrame* Frame() const { return frame_; }

    void SetCaption();
    // The size to open at when `asked` is what the host asks for: the size
    // of the last run when there was one, and never below 800 x 575.
    QSize OpeningSize(QSize asked) const;
    // The last run ended with the window maximised.
    bool OpensMaximized() const;
    // Keeps the window's size (and whether it is maximised) for the next run.
    void RememberPlacement() const;
    bool SaveWithDialog();
    void TimedSave(const std::string& name);
    // The frame's place below the tool bar; rescales a showing screen.
    void LayoutFrame();
    void OnTimerTick();
    int TickCount() const { return ticks_; }
    TickTimer& Timer() { return *timer_; }

    // FrameHost
    bool CloseQuery() override;
    void CloseHandler(CloseSender sender) override;
    void ShowHelpTopic(int context) override;
    void RevealToolButtons() override;
    void PostStoreAndClose() override;
    void ShowPrintout(const std::string& script) override;

    void HelpClick();
    void CalculatorClick();
    void NotesClick();
    TNotesWindow* Notes() const { return notes_; }
    // 1 while the notes window exists.
    int NotesTag() const { return notesTag_; }
    THelpWindow* Help() const { return help_; }
    std::string HelpFile() const { return helpFile_; }
    void SetHelpFile(const std::string& f) { helpFile_ = f; }

    QAction* NewAction() const { return new_; }
    QAction* OpenAction() const { return open_; }
    QAction* SaveAction() const { return save_; }
    QAction* ViewAction() const { return view_; }
    QAction* CalculatorAction() const { return calc_; }
    QAction* NotesAction() const { return notesAct_; }
    QAction* HelpAction() const { return helpAct_; }
    QToolBar* ToolBar() const { return toolBar_; }

    // The save box: returns the chosen name, or false when cancelled. Tests
    // replace it; the default is a file dialog captioned "Save File".
    std::function<bool(std::string& name)> saveBox;
    // Finds the calculator program; empty when none is found.
    std::function<std::string()> findCalculator;
    // Starts a program in a directory; false when it could not be started.
    std::function<bool(const std::string& program, const std::string& dir)> startProgram;
    // Shows a laid-out printout; modal in the program, replaced by tests.
    std::function<void(std::unique_ptr<TXReport> report)> showPreview;
    // The close messages go here (the run's notify object when not set).
    std::function<void(int message)> notify;

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void BuildToolBar();
    bool ScreenBlocksSaving(bool validate);
    // Once a run: a save kept the key that opened the return although field 1
    // says otherwise.
    void TellOfIdentityField();
    void StoreShowingScreen();

    ModuleRun& run_;
    std::unique_ptr<TickTimer> timer_;
    TInterviewFrame* frame_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QAction* new_ = nullptr;
    QAction* open_ = nullptr;
    QAction* save_ = nullptr;
    QAction* view_ = nullptr;
    QAction* calc_ = nullptr;
    QAction* notesAct_ = nullptr;
    QAction* helpAct_ = nullptr;
    QPointer<TNotesWindow> notes_;
    QPointer<THelpWindow> help_;
    int notesTag_ = 0;
    int ticks_ = 0;
    bool firstTickDone_ = false;
    bool identityFieldTold_ = false;
    bool timerStarted_ = false;
    qint64 calculatorHandle_ = 0;
    std::string helpFile_;
    bool closing_ = false;
};

// Unregisters the help book compiled into the module; called when the
// library is unloaded, so that Qt keeps no pointer into it.
void ReleaseModuleResources();

// The first desktop calculator found on PATH; empty when there is none.
std::string FindCalculatorOnPath();

}  // namespace cgt
