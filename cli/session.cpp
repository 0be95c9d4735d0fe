#include "session.h"

#include <filesystem>
#include <ostream>

#include "base/cp1252.h"
#include "command.h"
#include "store/cipher_digest.h"
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
    // A return made here is keyed by --id, as every one it opens is.
    run_.keyText = KeyText(run_.identity);
    run_.SetDataChanged(false);
}

namespace {

void CheckName(const std::string& file) {
    if (file.empty()) throw UsageError("FILE is an empty name");
}

}  // namespace

void CheckFolderOf(const std::string& file) {
    CheckName(file);
    const std::filesystem::path folder = std::filesystem::path(file).parent_path();
    std::error_code ec;
    if (!folder.empty() && !std::filesystem::is_directory(folder, ec))
        throw Failure("cannot create " + file + ": the folder " + folder.string() + " does not exist");
}

void Session::Load(const std::string& file) {
    CheckName(file);
    LoadOutcome outcome;
    try {
        outcome = LoadReturnFile(run_, file);
    } catch (const ECipherException&) {
        throw Failure("cannot open " + file + ": it is too short to be a return");
    } catch (const EFileError&) {
        throw;
    } catch (const EInOutError& e) {
        throw Failure("cannot read " + file + ": it is damaged (" + e.what() + "); nothing was changed");
    }
    switch (outcome) {
        case LoadOutcome::Loaded: break;
        case LoadOutcome::Unreadable:
            throw Failure("cannot open " + file + ": the identity text does not open this return");
        case LoadOutcome::BadTag:
            throw Failure("cannot read " + file + ": it is damaged (" +
                          (dialogs_.messages.empty() ? std::string("a bad field tag") : dialogs_.messages.back()) +
                          "); nothing was changed");
    }
    if (!dialogs_.messages.empty()) throw Failure(file + ": " + dialogs_.messages.front());
}

void Session::Lock(const std::string& file) {
    CheckName(file);
    if (IsCompanionName(file)) throw Failure(CompanionNameMessage(file));
    if (!run_.lock) run_.lock = std::make_unique<ReturnLock>(file);
}

void Session::Save(const std::string& file, std::ostream& notes, const std::string& command) {
    Lock(file);
    switch (SaveReturnFile(run_, file)) {
        case SaveOutcome::Written: break;
        case SaveOutcome::Lodged:
            throw Failure("not saved: the return is lodged (field " + std::to_string(kTagLodgedFileMarker) + " is " +
                          kLodgedMarker + ") and is never written again");
        case SaveOutcome::NoName: throw Failure("not saved: no file name");
    }
    if (!dialogs_.messages.empty()) throw Failure(file + ": " + dialogs_.messages.front());
    run_.SetDataChanged(false);
    if (IdentityFieldDisagrees(run_))
        notes << "cgt " << command << ": note: field 1 of " << file
              << " holds other digits than --id; the return is saved under the key of --id, so that --id opens it\n";
}

}  // namespace cgt::cli
