#pragma once
// The state of one module run: the field store, where the interview stands,
// the history of screens, the flags and the file names. One object owns it
// all; everything else reaches state through it.
#include <cstdint>
#include <string>
#include <vector>

#include "store/fieldstore.h"

namespace cgt {

class Dialogs;
class Clock;

class ModuleRun {
public:
    ModuleRun(Dialogs& dialogs, const Clock& clock);

    FieldStore& store() { return store_; }
    const FieldStore& store() const { return store_; }
    Dialogs& dialogs() const { return *dialogs_; }
    const Clock& clock() const { return *clock_; }

    // Host handles: the application window and the object told when the user leaves.
    std::intptr_t hostWindow = 0;
    std::intptr_t notifyWindow = 0;

    std::string dataFileName;     // saved to by the end of the run
    std::string currentFileName;  // shown in the caption; used by the timed save
    std::string identity;         // kTagIdentity and the cipher's key text
    std::string commandLine;      // kept, not interpreted

    int section = 0;
    int screenIndex = 0;
    std::vector<std::int32_t> history;
    bool screenShowing = false;
    // Set once a field record of the data file has been read (cleared by a
    // failed header check); decides which text keys the next load.
    bool fileLoaded = false;
    // A data file this run could not read with its identity text (or could
    // not lock): no save of the run writes over it.
    std::string unreadableFile;

    int ScreenNumber() const { return section * 100 + screenIndex; }
    // Splits with truncating division: 2004 gives section 20, index 4.
    void SetScreenNumber(int number) {
        section = number / 100;
        screenIndex = number % 100;
    }

    bool HelpDesk() const { return store_.HelpDesk(); }
    void SetHelpDesk(bool on) { store_.SetHelpDesk(on); }
    bool DataChanged() const { return store_.DataChanged(); }
    void SetDataChanged(bool changed = true) { store_.SetDataChanged(changed); }

private:
    Dialogs* dialogs_;
    const Clock* clock_;
    FieldStore store_;
};

// Help-desk mode is on when the first argument of the process, upper-cased,
// is "HELPDESK".
bool HelpDeskRequested(int argc, const char* const* argv);

}  // namespace cgt
