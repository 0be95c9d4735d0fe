// cgt import: replace a return's store with JSON.
#include <fstream>
#include <istream>

#include "command.h"
#include "session.h"
#include "store/cipher_digest.h"
#include "store_json.h"

namespace cgt::cli {
namespace {

nlohmann::ordered_json ReadJson(std::istream& in, const std::string& source) {
    try {
        return nlohmann::ordered_json::parse(in);
    } catch (const nlohmann::json::parse_error& e) {
        std::string what = e.what();
        if (const auto close = what.find("] "); what.rfind("[json.exception.", 0) == 0 && close != std::string::npos)
            what = what.substr(close + 2);
        throw Failure("bad JSON in " + source + ": " + what);
    }
}

int RunImport(const Args& args, Io& io) {
    const std::string& file = args.positional[0];
    nlohmann::ordered_json json;
    if (args.positional.size() > 1 && args.positional[1] != "-") {
        std::ifstream in(args.positional[1], std::ios::binary);
        if (!in) throw Failure("cannot open " + args.positional[1]);
        json = ReadJson(in, args.positional[1]);
    } else {
        json = ReadJson(io.in, "standard input");
    }

    const std::string& identity = args.Value("--id");
    Session session(identity);
    StoreFromJson(json, session.run());
    // Field 1 keys the file; one that does not give the same key as --id
    // would make the file open only under another text.
    if (KeyText(session.store().GetFieldStr(kTagIdentity)) != KeyText(StoreText(identity)))
        throw Failure("field 1 of the JSON has other digits than --id; the file would not open with --id");
    session.Save(file);
    io.out << "saved " << file << '\n';
    return 0;
}

}  // namespace

extern const Command kImportCommand{
    "import",
    "FILE [JSON]",
    "replace the store of FILE with JSON (from the file JSON, or standard input) and save",
    "The JSON is the form `cgt export` writes; a value may also be bare: a number is a\n"
    "dtCurrency, a text a dtSmallStr or dtString by length, true/false a dtCheckbox and an\n"
    "array of texts a dtList. Field 1 gets the identity text when the JSON has none.\n"
    "The previous FILE is kept with the extension .BAK.",
    1,
    2,
    {kIdOption},
    RunImport,
};

}  // namespace cgt::cli
