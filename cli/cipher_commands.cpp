// cgt encrypt, decrypt and key: the file cipher on its own.
#include <filesystem>
#include <ostream>

#include "command.h"
#include "session.h"
#include "store/cipher.h"

namespace cgt::cli {
namespace {

CipherKey KeyFor(const Args& args) {
    return CipherKeyFor(KeyText(StoreText(args.Value("--id"))));
}

int RunCipher(const Args& args, bool encrypt) {
    const std::filesystem::path in = args.positional[0], out = args.positional[1];
    std::error_code ec;
    // Truncating the output would destroy the input before it is read.
    if (std::filesystem::equivalent(in, out, ec)) throw Failure("input and output are the same file");
    try {
        EncryptFile(in, out, KeyFor(args), encrypt);
    } catch (const std::filesystem::filesystem_error& e) {
        throw Failure(std::string(e.code().message()) + ": " + e.path1().string());
    } catch (const ECipherException& e) {
        throw Failure(in.string() + ": " + e.what());
    }
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

}  // namespace

extern const Command kEncryptCommand{
    "encrypt", "IN OUT", "encrypt the file IN into OUT with the key of --id", "", 2, 2, {kIdOption}, RunEncrypt,
};

extern const Command kDecryptCommand{
    "decrypt",
    "IN OUT",
    "decrypt the file IN into OUT with the key of --id",
    "OUT holds the plain content of the return: delete it when done.",
    2,
    2,
    {kIdOption},
    RunDecrypt,
};

extern const Command kKeyCommand{
    "key", "", "print the 16-byte file key of --id in hexadecimal", "", 0, 0, {kIdOption}, RunKey,
};

}  // namespace cgt::cli
