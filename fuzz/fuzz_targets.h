#pragma once
// What each fuzz target does with one input. Shared by the libFuzzer
// programs and by the store tests, which replay every kept input. Each
// returns nullptr when the input was handled as it must be, otherwise what
// went wrong.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "base/dialogs.h"
#include "store/cipher.h"
#include "store/datafile_format.h"

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
