#pragma once
// The state of one module run: the field store, where the interview stands,
// the history of screens, the flags and the file names. One object owns it
// all; everything else reaches state through it.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "store/datafile_fs.h"
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
    // A data file this run could not read whole with its identity text (or
    // could not lock), as an absolute name: no save of the run writes over
    // it, whatever the form of the name it is given.
    std::string unreadableFile;
    // The key text (digits) that opened the run's file, or that a new file
    // is made with: every save uses it, whatever field 1 holds by then.
    std::optional<std::string> keyText;
    // The lock on the run's own file, held from its load to the end of the
    // run, so that nobody else writes it meanwhile.
    std::unique_ptr<ReturnLock> lock;

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
