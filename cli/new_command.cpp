// cgt new: an empty return.
#include <filesystem>

#include "command.h"
#include "session.h"

namespace cgt::cli {
namespace {

int RunNew(const Args& args, Io& io) {
    const std::string& file = args.positional[0];
    Session session(args.Value("--id"));
    CheckFolderOf(file);
    session.Lock(file);
    std::error_code ec;
    if (!args.Has("--force") && std::filesystem::exists(std::filesystem::symlink_status(file, ec)))
        throw Failure(file + " already exists (--force replaces it)");
    session.Save(file, io.err, "new");
    io.out << "created " << file << '\n';
    return 0;
}

}  // namespace

extern const Command kNewCommand{
    "new",
    "FILE",
    "write an empty return: position 0/0, no history, the identity text in field 1",
    "The file opens again with the same identity text (its digits are the key).\n"
    "An existing file is kept as FILE with the extension .BAK when --force replaces it.",
    1,
    1,
    {kIdOption, {"--force", nullptr, false, "replace an existing file"}},
    RunNew,
};

}  // namespace cgt::cli
