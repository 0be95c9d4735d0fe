#include "store/datafile.h"

#include "base/dialogs.h"
#include "base/text.h"
#include "store/modulerun.h"

namespace cgt {
namespace {

// Plain content used to pass through a ".SEC" file; one left by an older
// run must not stay on disk.
void RemoveStalePlainFile(FileSystem& fs, const std::string& name) {
    const auto sec = CompanionFile(name, ".SEC");
    if (sec == std::filesystem::path(name) || !fs.Exists(sec)) return;
    try {
        fs.Remove(sec);
    } catch (const EInOutError&) {
        // Not a reason to refuse the return; it is tried again at every load and save.
    }
}

template <typename F>
auto WithFileName(const std::string& name, F&& f) {
    try {
        return f();
    } catch (const EInOutError& e) {
        const std::string what = e.what();
        if (what.find(name) != std::string::npos) throw;
        throw EInOutError(what + " (" + name + ")");
    }
}

}  // namespace

bool IsCompanionName(const std::string& name) {
    const std::string extension = UpperCase(std::filesystem::path(name).extension().string());
    return extension == ".BAK" || extension == ".SEC";
}

std::string CompanionNameMessage(const std::string& name) {
    return name + ": a return cannot be named *.BAK or *.SEC, the names of its backup and of its plain copy";
}

CipherKey ReturnFileKey(std::string_view keyText) {
    return CipherKeyFor(KeyText(keyText));
}

LoadOutcome LoadReturnFile(ModuleRun& run, const std::string& name, FileSystem& fs) {
    FieldStore& store = run.store();
    const std::string keySource =
        run.fileLoaded && run.identity.empty() ? store.GetFieldStr(kTagIdentity) : run.identity;
    const CipherKey key = ReturnFileKey(keySource);
    run.fileLoaded = false;
    run.currentFileName = name;

    RemoveStalePlainFile(fs, name);
    const Bytes plain = DecryptBytes(fs.ReadAll(name), key);

    ReturnReader reader(plain);
    if (!reader.HeaderMatches()) {
        run.dialogs().Message(kUnableToOpenFile + name, "Error", MsgIcon::Error, MsgButtons::Ok, MsgResult::Ok);
        run.currentFileName.clear();
        run.fileLoaded = false;
        run.section = 0;
        run.screenIndex = 0;
        return LoadOutcome::Unreadable;
    }

    store.ClearStore();
    run.history.clear();
    return WithFileName(name, [&] {
        ReturnPosition position;
        try {
            reader.ReadPosition(position);
        } catch (...) {
            run.history = std::move(position.history);
            throw;
        }
        run.section = position.section;
        run.screenIndex = position.screenIndex;
        run.history = std::move(position.history);

        ReturnReader::BadTag bad;
        bool complete = false;
        try {
            complete = reader.ReadFields(store, bad);
        } catch (...) {
            run.fileLoaded = reader.Records() > 0;
            throw;
        }
        run.fileLoaded = reader.Records() > 0;
        if (!complete) {
            run.dialogs().Message(
                kErrorReadingFile + std::to_string(bad.tag) + kLastTagText + std::to_string(bad.lastTag), "Error",
                MsgIcon::Error, MsgButtons::Ok, MsgResult::Ok);
            return LoadOutcome::BadTag;
        }
        return LoadOutcome::Loaded;
    });
}

SaveOutcome SaveReturnFile(ModuleRun& run, const std::string& name, FileSystem& fs) {
    FieldStore& store = run.store();
    if (store.FieldAsText(kTagLodgedFileMarker) == kLodgedMarker) return SaveOutcome::Lodged;
    if (store.FieldHasData(kTagLodgeReference) && store.FieldHasData(kTagLodgeDate) &&
        store.FieldHasData(kTagLodgeTime)) {
        // This save still writes the file; every later one stops above.
        store.ClearField(kTagLodgedFileMarker);
        store.SetFieldStr(kTagLodgedFileMarker, kLodgedMarker);
    }
    if (name.empty()) {
        if (run.HelpDesk()) run.dialogs().Message(kSaveWithoutName, "", MsgIcon::None, MsgButtons::Ok, MsgResult::Ok);
        return SaveOutcome::NoName;
    }
    if (IsCompanionName(name)) throw EInOutError(CompanionNameMessage(name));
    if (!run.unreadableFile.empty() && name == run.unreadableFile)
        throw EInOutError(name + " could not be read at the start, so it is not written over");
    store.SetFieldStr(kTagFileKind, "EI");
    const CipherKey key = ReturnFileKey(store.GetFieldStr(kTagIdentity));
    store.SetFieldInt(kTagFileVersion, kFileVersion);

    const ReturnPosition position{run.section, run.screenIndex, run.history};
    std::string listing;
    const Bytes cipher = EncryptBytes(WriteReturnContent(store, position, run.HelpDesk() ? &listing : nullptr), key);

    WithFileName(name, [&] {
        RemoveStalePlainFile(fs, name);
        ReplaceFileSafely(fs, name, cipher);
        return 0;
    });

    if (run.HelpDesk()) {
        // The data is safe by now; a listing that cannot be written is still reported.
        auto file = fs.Create(kListingFileName);
        file->Write({reinterpret_cast<const std::uint8_t*>(listing.data()), listing.size()});
        file->Close();
    }
    return SaveOutcome::Written;
}

}  // namespace cgt
