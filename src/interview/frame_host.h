#pragma once
// What the interview frame needs from the window that holds it. The main
// window implements it; tests use a small fake.
#include <string>

namespace cgt {

// Who started a close: decides the message the host is told.
enum class CloseSender { CloseButton, MainWindow, YesButton };

class FrameHost {
public:
    virtual ~FrameHost() = default;
    // False (after a warning) while a screen is showing.
    virtual bool CloseQuery() = 0;
    virtual void CloseHandler(CloseSender sender) = 0;
    // Opens the help book at a context number of the module's help file.
    virtual void ShowHelpTopic(int context) = 0;
    // Jump in help-desk mode shows the tool bar's hidden buttons.
    virtual void RevealToolButtons() = 0;
    // Alt+F4 in help-desk mode: kMsgStoreAndClose to the main window.
    virtual void PostStoreAndClose() = 0;
    // Lays out the report script for the fields of the store as they stand
    // and shows it in the preview until the taxpayer closes it.
    virtual void ShowPrintout(const std::string& script) = 0;
};

}  // namespace cgt
