// cgt import: replace a return's store with JSON.
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <utility>

#include "command.h"
#include "session.h"
#include "store/cipher_digest.h"
#include "store/datafile.h"
#include "store/store_json.h"

namespace cgt::cli {
namespace {

// Beyond this a figure is no amount of a return; the calculations' sums
// and products of such figures stay exact enough and finite.
constexpr long double kLargestAmount = 1e15L;

// Read as the text comes: the document of a large return is never held
// whole. Every fault of the text, then or when it is put into the run,
// names `source` ("bad JSON in SOURCE: ...").
StagedStore ReadJson(std::istream& in, const std::string& source) {
    return ReadStoreJson(in, source);
}

// As the JSON form writes it.
std::string JsonNumberText(long double v) {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v > 0 ? "Infinity" : "-Infinity";
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, double(v)).ptr;
    return std::string(text, end);
}

bool HoldsNumber(const Slot& slot) {
    return slot.type == dtNumeric || slot.type == dtCurrency || slot.type == dtCurrencyCnt ||
           (slot.type == dtNone && slot.number != 0);
}

void CheckAmount(const Slot& slot, const std::string& where) {
    if (!HoldsNumber(slot)) return;
    const long double v = slot.number;
    if (!std::isfinite(v) || std::fabs(v) > kLargestAmount)
        throw Failure(where + ": " + JsonNumberText(v) +
                      " is not an amount a return can hold (at most 1E15 either side of 0)");
}

// The JSON form carries any number a damaged file may hold; a return
// written from it holds only amounts.
void CheckAmounts(const FieldStore& store, const std::string& source) {
    const std::string prefix = JsonFaultPrefix(source);
    for (int tag = kFirstTag; tag <= kLastTag; ++tag) {
        const Slot& slot = store.SlotAt(tag);
        CheckAmount(slot, prefix + "fields.\"" + std::to_string(tag) + "\"");
        if (slot.type != dtWorksheet || !slot.worksheet) continue;
        for (const auto& item : std::as_const(*slot.worksheet))
            CheckAmount(item.slot, prefix + "worksheets.\"" + std::to_string(tag - kWorksheetTagOffset) + "\"[" +
                                       std::to_string(item.instance - 1) + "].\"" + std::to_string(item.tag) + "\"");
    }
}

int RunImport(const Args& args, Io& io) {
    const std::string& file = args.positional[0];
    StagedStore staged;
    const bool fromFile = args.positional.size() > 1 && args.positional[1] != "-";
    const std::string source = fromFile ? args.positional[1] : "standard input";
    if (fromFile) {
        std::error_code ec;
        if (std::filesystem::is_directory(source, ec)) throw Failure("cannot read " + source + ": Is a directory");
        std::ifstream in(source, std::ios::binary);
        if (!in) throw Failure("cannot open " + source + ": " + std::strerror(errno ? errno : ENOENT));
        staged = ReadJson(in, source);
    } else {
        staged = ReadJson(io.in, source);
    }

    const std::string& identity = args.Value("--id");
    Session session(identity);
    staged.PutInto(session.run());
    CheckAmounts(session.store(), source);
    // Field 1 keys the file; one that does not give the same key as --id
    // would make the file open only under another text.
    if (KeyText(session.store().GetFieldStr(kTagIdentity)) != KeyText(StoreText(identity)))
        throw Failure("field 1 of the JSON has other digits than --id; the file would not open with --id");
    CheckFolderOf(file);
    session.Lock(file);
    // Somebody else's return (or one opened with another identity) is not
    // replaced by mistake.
    if (!args.Has("--force") && RealFileSystem().Exists(file) && !ReturnOpensWith(file, StoreText(identity)))
        throw Failure("not saved: the identity text does not open " + file + " (--force replaces it all the same)");
    session.Save(file, io.err, "import");
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
    "The previous FILE is kept with the extension .BAK. An existing FILE that --id does\n"
    "not open is replaced only with --force.",
    1,
    2,
    {kIdOption, {"--force", nullptr, false, "replace FILE even when --id does not open it"}},
    RunImport,
};

}  // namespace cgt::cli
