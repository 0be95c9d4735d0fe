#include "store/datafile.h"

#include "base/dialogs.h"
#include "base/text.h"
#include "store/cipher_digest.h"
#include "store/modulerun.h"

namespace cgt {

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

bool ReturnOpensWith(const std::string& name, std::string_view keyText, FileSystem& fs) {
    const Bytes cipher = fs.ReadAll(name);
    // Whole blocks of the header, and the trailer after them.
    const std::size_t headerBlocks = (kReturnHeader.size() + kDesBlock - 1) / kDesBlock * kDesBlock;
    Bytes plain;
    if (cipher.size() > headerBlocks + kDesBlock) {
        plain.resize(headerBlocks);
        TripleDes(ReturnFileKey(keyText)).Decrypt(cipher.data(), plain.data(), headerBlocks);
    } else {
        try {
            plain = DecryptBytes(cipher, ReturnFileKey(keyText));
        } catch (const ECipherException&) {
            return false;
        }
    }
    return ReturnReader(plain).HeaderMatches();
}

namespace {

std::string AbsoluteName(const std::string& name) {
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(name, ec);
    return ec ? name : absolute.string();
}

LoadOutcome ReadReturnFile(ModuleRun& run, const std::string& name, FileSystem& fs);

}  // namespace

LoadOutcome LoadReturnFile(ModuleRun& run, const std::string& name, FileSystem& fs) {
    LoadOutcome outcome = LoadOutcome::Unreadable;
    try {
        outcome = ReadReturnFile(run, name, fs);
    } catch (...) {
        run.unreadableFile = AbsoluteName(name);
        throw;
    }
    if (outcome == LoadOutcome::Loaded) {
        if (SameFile(name, run.unreadableFile)) run.unreadableFile.clear();
    } else {
        run.unreadableFile = AbsoluteName(name);
    }
    return outcome;
}

namespace {

LoadOutcome ReadReturnFile(ModuleRun& run, const std::string& name, FileSystem& fs) {
    FieldStore& store = run.store();
    const std::string keySource =
        run.fileLoaded && run.identity.empty() ? store.GetFieldStr(kTagIdentity) : run.identity;
    const CipherKey key = ReturnFileKey(keySource);
    run.fileLoaded = false;
    run.currentFileName = name;

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

    run.keyText = KeyText(keySource);
    store.ClearStore();
    run.history.clear();
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
        run.dialogs().Message(kErrorReadingFile + std::to_string(bad.tag) + kLastTagText + std::to_string(bad.lastTag),
                              "Error", MsgIcon::Error, MsgButtons::Ok, MsgResult::Ok);
        return LoadOutcome::BadTag;
    }
    return LoadOutcome::Loaded;
}

}  // namespace

std::string NotWrittenOverMessage(const std::string& name) {
    return name +
           " was not opened whole by this run (damaged, opened with another identity, or in use), so it is kept "
           "as it was and not written over; save your work under another name";
}

std::string DamagedReturnMessage(const std::string& name) {
    return name +
           " is damaged: only the fields before the damaged record could be read. The file is kept as it was; "
           "this run will not save over it (Save can keep your work under another name).";
}

SaveOutcome SaveReturnFileLocked(ModuleRun& run, const std::string& name) {
    if (SameFile(name, run.unreadableFile)) throw EInOutError(NotWrittenOverMessage(name));
    if (name.empty() || (run.lock && run.lock->Covers(name))) return SaveReturnFile(run, name);
    const ReturnLock lock(name, std::chrono::milliseconds(0));
    return SaveReturnFile(run, name);
}

bool IdentityFieldDisagrees(const ModuleRun& run) {
    return run.keyText && KeyText(run.store().FieldAsText(kTagIdentity)) != *run.keyText;
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
    if (SameFile(name, run.unreadableFile)) throw EInOutError(NotWrittenOverMessage(name));
    store.SetFieldStr(kTagFileKind, "EI");
    const CipherKey key = CipherKeyFor(run.keyText ? *run.keyText : KeyText(store.GetFieldStr(kTagIdentity)));
    store.SetFieldInt(kTagFileVersion, kFileVersion);

    const ReturnPosition position{run.section, run.screenIndex, run.history};
    std::string listing;
    const Bytes cipher = EncryptBytes(WriteReturnContent(store, position, run.HelpDesk() ? &listing : nullptr), key);

    ReplaceFileSafely(fs, name, cipher);

    if (run.HelpDesk()) {
        // The data is safe by now; a listing that cannot be written is still reported.
        auto file = fs.Create(kListingFileName);
        file->Write({reinterpret_cast<const std::uint8_t*>(listing.data()), listing.size()});
        file->Close();
    }
    return SaveOutcome::Written;
}

}  // namespace cgt
