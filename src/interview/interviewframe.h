#pragma once
// The interview frame: shows one question screen at a time for the run's
// screen number, binds and stores its controls, lets the screen's handlers
// move the position, keeps the history, stretches the screen with the
// window, and ends the interview when a number has no screen.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "interview/childform.h"
#include "interview/frame_host.h"
#include "interview/navigator.h"
#include "interview/taginspector.h"

class QLabel;
class QPushButton;

namespace cgt {

class ModuleRun;
class FieldStore;
class TWorksheetPicker;

enum class FrameButton { Next, Yes, No };

using ScreenFactory = std::function<TChildForm*(int screenNumber)>;
// Registered by the shown screen: called for Next, Yes and No.
using NextHandler = std::function<void(FrameButton)>;
// Registered by screens that check their entries: false rejects (after the
// screen has shown its message and focused the offending control).
using ValidationHandler = std::function<bool()>;

// A bound control with this property set to true is filled from its field
// but never stored back (a screen that only shows a copy of the fields).
inline constexpr const char* kShowOnlyProperty = "showOnly";

class TInterviewFrame : public QWidget {
    Q_OBJECT
public:
    TInterviewFrame(ModuleRun& run, FrameHost& host, ScreenFactory factory, QWidget* parent = nullptr);
    ~TInterviewFrame() override;

    ModuleRun& Run() { return run_; }
    FieldStore& Store();

    // --- screen sequence
    void ShowCurrentScreen();
    void PostReload();
    bool ValidateScreen();
    // Asks the validation handler without ending it (the screen is not left).
    bool ValidationRejects();
    void BindScreenValues();
    // Stores every bound control but those marked with kShowOnlyProperty.
    void StoreScreenValues();
    void SetNextHandler(NextHandler h) { nextHandler_ = std::move(h); }
    void SetValidationHandler(ValidationHandler h) { validationHandler_ = std::move(h); }
    bool HasValidationHandler() const { return bool(validationHandler_); }
    bool HasNextHandler() const { return bool(nextHandler_); }
    bool GoingBack() const { return goingBack_; }
    TChildForm* CurrentScreen() const { return screen_; }
    int CurrentScreenNumber() const { return currentNumber_; }
    int FailedScreenNumber() const { return failedNumber_; }
    int LastSection() const { return lastSection_; }
    int LastIndex() const { return lastIndex_; }
    // Ends the run's use of the frame: closes worksheet editing, hides the screen.
    void CloseFrame();

    // --- buttons (the click handlers)
    void NextClick();
    void YesClick();
    void NoClick();
    void PrevClick();
    void CloseClick();
    void MoreClick(int context = 0);
    void JumpClick();
    void ForwardClick();  // help-desk ">>"
    void TagsClick();
    QPushButton* NextButton() const { return next_; }
    QPushButton* PrevButton() const { return prev_; }
    QPushButton* YesButton() const { return yes_; }
    QPushButton* NoButton() const { return no_; }
    QPushButton* CloseButton() const { return close_; }
    QPushButton* MoreButton() const { return more_; }
    QPushButton* JumpButton() const { return jump_; }
    QPushButton* TagsButton() const { return tags_; }
    void SetYesNoVisible(bool visible);
    // Next is visible exactly when No is not.
    void SyncNextWithNo();
    QString TitleText() const;
    QString ScreenNumberText() const;
    int IconShown() const { return iconShown_; }
    TTagInspector* TagInspector() const { return inspector_; }

    // --- following the window
    // Lays the frame out at its size; a showing screen stretches to the
    // client area (fonts keep their size, so more of a grid shows).
    void Rescale();
    QWidget* ClientArea() const { return client_; }

    // --- worksheets
    void LoadInstance(int type, int n);
    void StoreInstance(int type, int n);
    void OpenNewWorksheet(int type);
    void OpenWorksheet(int type, int n);
    void SelectInstance(int n);
    void StoreCurrentWorksheet();
    // Prints the current worksheet with a report script: the screen's
    // entries are stored first, and afterwards the worksheet is stored and
    // opened again as the block screens open it, the screen showing on.
    void PrintWorksheet(const std::string& script);
    void DeleteInstance(int n);
    void BuildNames();
    void CloseWorksheetEditing();
    void RefreshPickList();
    void PickerClick(int row);  // 0-based row
    void DeleteClick();
    const std::vector<std::string>& Names() const { return names_; }
    int PickedRow() const { return pickedRow_; }
    TWorksheetPicker* Picker() const { return picker_; }
    void ShowPicker(bool visible);
    int pendingType = 0;
    int worksheetNumber = 0;
    bool reopen = false;

    // --- navigator
    TNavigator* Navigator() const { return navigator_; }
    void SetNavigatorEntries(const std::vector<NavigatorEntry>& entries);
    // Shows the outlook bar and highlights the entry of a screen number.
    void ShowNavigator(int screenNumber);
    void NavigatorClick(int screenNumber, const QString& text);

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void BuildControls();
    void LayoutControls();
    void ShowIcon(int kind);
    void FocusByTabOrder();
    void BindWidget(QWidget* w);
    void StoreWidget(QWidget* w);

    ModuleRun& run_;
    FrameHost& host_;
    ScreenFactory factory_;
    QPointer<TChildForm> screen_;
    NextHandler nextHandler_;
    ValidationHandler validationHandler_;
    int lastSection_ = -1;
    int lastIndex_ = -1;
    bool goingBack_ = false;
    int failedNumber_ = 0;
    int currentNumber_ = 0;
    int iconShown_ = 0;

    std::vector<std::string> names_;
    int pickedRow_ = 0;

    QLabel* title_ = nullptr;
    QWidget* titleBar_ = nullptr;
    QWidget* picture_ = nullptr;
    QLabel* banner_ = nullptr;
    QLabel* icon_ = nullptr;
    QLabel* number_ = nullptr;
    QWidget* client_ = nullptr;
    QWidget* buttonBar_ = nullptr;
    TNavigator* navigator_ = nullptr;
    TWorksheetPicker* picker_ = nullptr;
    QPointer<TTagInspector> inspector_;
    QPushButton* more_ = nullptr;
    QPushButton* yes_ = nullptr;
    QPushButton* no_ = nullptr;
    QPushButton* jump_ = nullptr;
    QPushButton* prev_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* close_ = nullptr;
    std::vector<QPushButton*> deskButtons_;  // ">>", "*", "#", "<<", "Tags"
    QPushButton* tags_ = nullptr;
};

// Tab order of a control among the windowed controls of its parent: its
// place in reading order (ReadingOrder, interview/screen_layout.h).
int TabOrderOf(const QWidget* w);

}  // namespace cgt
