#pragma once
// A return opened by a command: its module run, with message boxes turned
// into failures (nobody is there to read them).
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/dialogs.h"
#include "store/datafile_fs.h"
#include "store/modulerun.h"

namespace cgt::cli {

class CollectingDialogs final : public Dialogs {
public:
    MsgResult Message(const std::string& text, const std::string&, MsgIcon, MsgButtons, MsgResult d) override {
        messages.push_back(text);
        return d;
    }
    bool InputText(const std::string&, const std::string&, std::string&) override { return false; }
    void Beep() override {}

    std::vector<std::string> messages;
};

class Session {
public:
    // An empty return whose field 1 holds the identity text (as the module's
    // start puts it there), so that it opens again with the same text. A text
    // longer than field 1 can hold in the file is bad usage.
    explicit Session(const std::string& identityUtf8);

    // Holds the file's lock from now until the session ends, so that nobody
    // writes it between the load and the save. Save takes it when not held.
    void Lock(const std::string& file);

    ModuleRun& run() { return run_; }
    FieldStore& store() { return run_.store(); }

    // Loads the file; a file that does not load whole is a failure that
    // names it and says why.
    void Load(const std::string& file);
    // Saves under the key of --id; a lodged return or a failed step is a
    // failure. A field 1 of other digits is told on `notes`, not followed.
    void Save(const std::string& file, std::ostream& notes, const std::string& command);

private:
    CollectingDialogs dialogs_;
    SystemClock clock_;
    ModuleRun run_;
};

// A file is made in a folder that exists: "cannot create F: the folder D
// does not exist" otherwise.
void CheckFolderOf(const std::string& file);

// The identity text as the store holds it (Windows-1252).
std::string StoreText(const std::string& utf8);

}  // namespace cgt::cli
