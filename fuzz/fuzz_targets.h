#pragma once
// What each fuzz target does with one input. Shared by the libFuzzer
// programs and by the store tests, which replay every kept input. Each
// returns nullptr when the input was handled as it must be, otherwise what
// went wrong.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "base/clock.h"
#include "base/dialogs.h"
#include "store/cipher.h"
#include "store/datafile.h"
#include "store/datafile_format.h"
#include "store/memory_file_system.h"
#include "store/modulerun.h"

namespace cgt::fuzz {

// The input is plain content after the header (the header check itself is
// a plain comparison). Whatever was read must write out and read back to
// the same content.
inline const char* LoadReturn(const std::uint8_t* data, std::size_t size) {
    Bytes content(kReturnHeader.begin(), kReturnHeader.end());
    content.insert(content.end(), data, data + size);
    SilentDialogs dialogs;
    FieldStore store(&dialogs);
    ReturnPosition position;
    ReturnReader reader(content);
    if (!reader.HeaderMatches()) return "header rejected";
    ReturnReader::BadTag bad;
    try {
        reader.ReadPosition(position);
        reader.ReadFields(store, bad);
    } catch (const EInOutError&) {
        // Damaged content ends the load; what was read before stays.
    }

    const Bytes written = WriteReturnContent(store, position);
    FieldStore again(&dialogs);
    ReturnPosition againPosition;
    ReturnReader second(written);
    try {
        if (!second.HeaderMatches()) return "written content has no header";
        second.ReadPosition(againPosition);
        if (!second.ReadFields(again, bad)) return "written content has a bad tag";
    } catch (const EInOutError&) {
        return "written content does not read back";
    }
    if (WriteReturnContent(again, againPosition) != written) return "content changed on a second round";
    return nullptr;
}

// The module's load and save of a return whose plain content after the
// header is the input: a return read whole saves and reads back the same,
// keyed as it was opened; one that is not (a bad tag, a damaged record, or
// another identity) is never written over, and nothing else is written.
inline const char* LoadAndSaveReturn(const std::uint8_t* data, std::size_t size) {
    static const std::string kName = "r.RET";
    Bytes plain(kReturnHeader.begin(), kReturnHeader.end());
    plain.insert(plain.end(), data, data + size);
    for (const char* identity : {"TFN 123", "TFN 456"}) {
        test::MemoryFileSystem fs;
        fs.files[kName] = EncryptBytes(plain, ReturnFileKey("123"));
        const Bytes before = fs.files[kName];
        SilentDialogs dialogs;
        FixedClock clock(2003, 7, 1);
        ModuleRun run(dialogs, clock);
        run.identity = identity;
        run.store().SetFieldStr(kTagIdentity, identity);
        LoadOutcome outcome = LoadOutcome::Unreadable;
        try {
            outcome = LoadReturnFile(run, kName, fs);
        } catch (const EInOutError&) {
        }
        if (outcome == LoadOutcome::Loaded && std::string(identity) != "TFN 123") return "opened with another key";
        // Whatever the loaded fields hold, field 1 included.
        run.store().SetFieldStr(kTagIdentity, "TFN 999");
        bool written = false;
        try {
            written = SaveReturnFile(run, kName, fs) == SaveOutcome::Written;
        } catch (const EInOutError&) {
        }
        if (outcome != LoadOutcome::Loaded) {
            if (written) return "a return not read whole was written over";
            if (fs.files.size() != 1 || fs.files[kName] != before) return "a refused save changed the folder";
            continue;
        }
        if (!written) continue;  // a lodged return is not written again
        if (fs.files.size() != 2 || fs.files.count("r.BAK") != 1 || fs.files["r.BAK"] != before)
            return "the previous return is not the backup";
        ModuleRun again(dialogs, clock);
        again.identity = "123";
        if (LoadReturnFile(again, kName, fs) != LoadOutcome::Loaded) return "a saved return does not load whole";
        const ReturnPosition position{run.section, run.screenIndex, run.history};
        const ReturnPosition againPosition{again.section, again.screenIndex, again.history};
        if (WriteReturnContent(again.store(), againPosition) != WriteReturnContent(run.store(), position))
            return "a saved return reads back otherwise";
    }
    return nullptr;
}

// The input is a cipher file: decrypting never yields more than it holds
// and fails only below one block; encrypting it as plain content comes back.
inline const char* Decrypt(const std::uint8_t* data, std::size_t size) {
    static const CipherKey key = CipherKeyFor("123456789");
    const std::span<const std::uint8_t> input(data, size);
    try {
        const Bytes plain = DecryptBytes(input, key);
        if (plain.size() + 1 > size) return "decrypted more bytes than the file holds";
    } catch (const ECipherException&) {
        if (size >= kDesBlock) return "a file of whole blocks was rejected";
    }
    const Bytes cipher = EncryptBytes(input, key);
    if (cipher.size() != (size / kDesBlock + 1) * kDesBlock) return "wrong encrypted length";
    if (DecryptBytes(cipher, key) != Bytes(input.begin(), input.end())) return "round trip changed the content";
    if (KeyDigest(std::string(reinterpret_cast<const char*>(data), size), 16).size() != 16) return "digest size";
    return nullptr;
}

}  // namespace cgt::fuzz
