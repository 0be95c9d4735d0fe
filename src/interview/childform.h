#pragma once
// The base class of every question screen. Screen definitions (.ui files) set
// the properties; the frame reads them when it shows the screen and calls the
// two virtual hooks: Created (open worksheets) and Shown (register handlers).
//
// How a screen works with the frame (TInterviewFrame):
// - Shown: frame.SetNextHandler(f) — f(FrameButton) runs for Next, Yes and
//   No; it writes what it must and moves frame.Run().screenIndex (or the
//   section). For Yes and No it ends with frame.PostReload(); for Next the
//   frame moves on by itself. A handler never frees its own screen.
// - Shown, when the screen checks its entries: frame.SetValidationHandler(v)
//   — v() shows its own message, focuses the offending control and answers
//   false to keep the user on the screen; it runs when the screen is left.
//   Screens that skip checks when going back answer true while
//   frame.GoingBack() is set.
// - Controls whose fieldTag is a field tag are filled before Shown and
//   stored when the screen is left; calculation screens call the routines
//   of src/calc in their handlers and show what those return.
// - frame.ShowNavigator(number), frame.ShowPicker(true), frame.SetYesNoVisible
//   and frame.PrevButton() serve the screens that show those parts.
#include <QWidget>

#include "flow/screen_catalogue.h"

namespace cgt {

class TInterviewFrame;

// Complete-first marker: 99 blocks saving while the screen is shown.
inline constexpr int kCompleteFirstBlock = 99;
inline constexpr int kCompleteFirstFree = 8;

class TChildForm : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool ShowNextButton READ ShowNextButton WRITE setShowNextButton)
    Q_PROPERTY(bool ShowPrevButton READ ShowPrevButton WRITE setShowPrevButton)
    Q_PROPERTY(bool ShowYesButton READ ShowYesButton WRITE setShowYesButton)
    Q_PROPERTY(bool ShowNoButton READ ShowNoButton WRITE setShowNoButton)
    Q_PROPERTY(int helpContext READ helpContext WRITE setHelpContext)
    Q_PROPERTY(int iconKind READ iconKind WRITE setIconKind)
    Q_PROPERTY(int completeFirst READ completeFirst WRITE setCompleteFirst)

public:
    explicit TChildForm(QWidget* parent = nullptr);

    bool ShowNextButton() const { return showNext_; }
    void setShowNextButton(bool b) { showNext_ = b; }
    bool ShowPrevButton() const { return showPrev_; }
    void setShowPrevButton(bool b) { showPrev_ = b; }
    bool ShowYesButton() const { return showYes_; }
    void setShowYesButton(bool b) { showYes_ = b; }
    bool ShowNoButton() const { return showNo_; }
    void setShowNoButton(bool b) { showNo_ = b; }
    int helpContext() const { return helpContext_; }
    void setHelpContext(int v) { helpContext_ = v; }
    int iconKind() const { return iconKind_; }
    void setIconKind(int v) { iconKind_ = v; }
    int completeFirst() const { return completeFirst_; }
    void setCompleteFirst(int v) { completeFirst_ = v; }

    // Before the values are bound: screens that edit a worksheet open it here.
    virtual void Created(TInterviewFrame& frame);
    // On display: screens register their next and validation handlers here.
    // Runs again when the picker switches to another instance.
    virtual void Shown(TInterviewFrame& frame);

private:
    bool showNext_ = false;
    bool showPrev_ = false;
    bool showYes_ = false;
    bool showNo_ = false;
    int helpContext_ = 0;
    int iconKind_ = kIconInformation;
    int completeFirst_ = 0;
};

}  // namespace cgt
