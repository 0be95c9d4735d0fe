// cgt dump: the field listing of a return, one line per field or item.
#include <iomanip>
#include <nlohmann/json.hpp>
#include <ostream>
#include <utility>

#include "base/cp1252.h"
#include "base/numtext.h"
#include "base/text.h"
#include "command.h"
#include "session.h"

namespace cgt::cli {
namespace {

// A text from the store could forge lines of the listing: control
// characters and the backslash are shown escaped.
std::string Escaped(const std::string& utf8) {
    return EscapeText(utf8);
}

std::string ValueText(const Slot& slot) {
    switch (slot.type) {
        case dtNone: return slot.number != 0 ? FormatGeneral(slot.number) : "";
        case dtNumeric:
        case dtCurrency:
        case dtCurrencyCnt: return FormatGeneral(slot.number);
        case dtString: return slot.longText ? Escaped(Cp1252ToUtf8(*slot.longText)) : "(no text)";
        case dtSmallStr: return Escaped(Cp1252ToUtf8(slot.smallText));
        case dtCheckbox: return slot.checked ? "checked" : "unchecked";
        case dtList: {
            if (!slot.list) return "(no list)";
            // The lines as a JSON array keep the listing at one line per field.
            nlohmann::json lines = nlohmann::json::array();
            for (const auto& line : *slot.list) lines.push_back(Cp1252ToUtf8(line));
            return lines.dump();
        }
        case dtWorksheet: {
            const std::size_t n = slot.worksheet ? slot.worksheet->size() : 0;
            return std::to_string(n) + (n == 1 ? " item" : " items");
        }
        default: return "";
    }
}

void Line(std::ostream& out, const std::string& indent, long long tag, const Slot& slot) {
    out << indent << std::setw(5) << tag << "  " << std::left << std::setw(13) << DataTypeName(slot.type) << std::right
        << ' ' << ValueText(slot) << '\n';
}

int RunDump(const Args& args, Io& io) {
    Session session(args.Value("--id"));
    session.Load(args.positional[0]);
    const ModuleRun& run = session.run();
    std::ostream& out = io.out;
    out << "position: section " << run.section << ", index " << run.screenIndex << '\n';
    out << "history:";
    for (const auto h : run.history) out << ' ' << h;
    out << "\nfields:\n";
    const FieldStore& store = session.store();
    for (int tag = kFirstTag; tag <= kLastTag; ++tag) {
        const Slot& slot = store.SlotAt(tag);
        if (slot.type != dtNone) Line(out, "", tag, slot);
    }
    out << "worksheets:\n";
    for (int tag = kFirstTag; tag <= kLastTag; ++tag) {
        const Slot& slot = store.SlotAt(tag);
        if (slot.type != dtWorksheet || !slot.worksheet) continue;
        const int type = tag - kWorksheetTagOffset;
        const int count = slot.worksheet->LastInstance();
        out << "  type " << type << " (field " << tag << "): " << count
            << (count == 1 ? " instance\n" : " instances\n");
        int current = -1;
        for (const auto& item : std::as_const(*slot.worksheet)) {
            if (item.instance != current) {
                current = item.instance;
                out << "    instance " << current << '\n';
            }
            Line(out, "    ", item.tag, item.slot);
        }
    }
    return 0;
}

}  // namespace

extern const Command kDumpCommand{
    "dump",
    "FILE",
    "list every field: tag, type and value, one line each; worksheets by type and instance",
    "Also shows the position (section and screen index) and the screen history stored in the file.",
    1,
    1,
    {kIdOption},
    RunDump,
};

}  // namespace cgt::cli
