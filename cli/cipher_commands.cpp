// cgt encrypt, decrypt and key: the file cipher on its own.
#include <filesystem>
#include <ostream>

#include "command.h"
#include "session.h"
#include "store/cipher.h"
#include "store/datafile_fs.h"

namespace cgt::cli {
namespace {

CipherKey KeyFor(const Args& args) {
    return CipherKeyFor(KeyText(StoreText(args.Value("--id"))));
}

// The input is read and checked whole before the output is touched; the
// output appears complete or not at all, owner-only (it may hold a return in
// plain text), and replaces an existing file only when told.
int RunCipher(const Args& args, bool encrypt) {
    const std::string in = args.positional[0], out = args.positional[1];
    std::error_code ec;
    if (std::filesystem::equivalent(in, out, ec)) throw Failure("input and output are the same file");
    FileSystem& fs = RealFileSystem();
    const bool force = args.Has("--force");
    if (!force && fs.Exists(out)) throw Failure(out + " already exists (--force replaces it)");
    const Bytes input = fs.ReadAll(in);
    Bytes output;
    try {
        output = encrypt ? EncryptBytes(input, KeyFor(args)) : DecryptBytesChecked(input, KeyFor(args));
    } catch (const ECipherException& e) {
        throw Failure(in + ": " + e.what());
    }
    WriteFileSafely(fs, out, output, kNewFileMode, force);
    return 0;
}

int RunEncrypt(const Args& args, Io&) {
    return RunCipher(args, true);
}
int RunDecrypt(const Args& args, Io&) {
    return RunCipher(args, false);
}

int RunKey(const Args& args, Io& io) {
    static const char* digits = "0123456789abcdef";
    for (const auto b : KeyFor(args)) io.out << digits[b >> 4] << digits[b & 15];
    io.out << '\n';
    return 0;
}

constexpr OptionSpec kForceOption{"--force", nullptr, false, "replace an existing OUT"};

}  // namespace

extern const Command kEncryptCommand{
    "encrypt",
    "IN OUT",
    "encrypt the file IN into OUT with the key of --id",
    "OUT is created owner-only; an existing OUT is replaced only with --force.",
    2,
    2,
    {kIdOption, kForceOption},
    RunEncrypt,
};

extern const Command kDecryptCommand{
    "decrypt",
    "IN OUT",
    "decrypt the file IN into OUT with the key of --id",
    "OUT holds the plain content of the return: delete it when done. It is created\n"
    "owner-only; an existing OUT is replaced only with --force. A key that does not\n"
    "fit IN (a wrong --id) is an error and writes nothing.",
    2,
    2,
    {kIdOption, kForceOption},
    RunDecrypt,
};

extern const Command kKeyCommand{
    "key", "", "print the 16-byte file key of --id in hexadecimal", "", 0, 0, {kIdOption}, RunKey,
};

}  // namespace cgt::cli
