#include "session.h"

#include "base/cp1252.h"
#include "command.h"
#include "store/datafile.h"
#include "store/tags.h"

namespace cgt::cli {

std::string StoreText(const std::string& utf8) {
    return Utf8ToCp1252(utf8);
}

Session::Session(const std::string& identityUtf8) : run_(dialogs_, clock_) {
    run_.identity = StoreText(identityUtf8);
    if (run_.identity.size() > kStringMax)
        throw UsageError("--id is " + std::to_string(run_.identity.size()) +
                         " characters long; a return holds at most " + std::to_string(kStringMax));
    run_.store().SetFieldStr(kTagIdentity, run_.identity);
    run_.SetDataChanged(false);
}

void Session::ThrowMessages() {
    if (!dialogs_.messages.empty()) throw Failure(dialogs_.messages.front());
}

void Session::Load(const std::string& file) {
    try {
        LoadReturnFile(run_, file);
    } catch (const ECipherException& e) {
        throw Failure(std::string(e.what()) + " (" + file + "): too short to be a return");
    }
    ThrowMessages();
}

void Session::Lock(const std::string& file) {
    if (IsCompanionName(file)) throw Failure(CompanionNameMessage(file));
    if (!lock_) lock_ = std::make_unique<ReturnLock>(file);
}

void Session::Save(const std::string& file) {
    Lock(file);
    switch (SaveReturnFile(run_, file)) {
        case SaveOutcome::Written: break;
        case SaveOutcome::Lodged:
            throw Failure("not saved: the return is lodged (field " + std::to_string(kTagLodgedFileMarker) + " is " +
                          kLodgedMarker + ") and is never written again");
        case SaveOutcome::NoName: throw Failure("not saved: no file name");
    }
    ThrowMessages();
    run_.SetDataChanged(false);
}

}  // namespace cgt::cli
